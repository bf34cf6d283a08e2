// MFC's window classes of the stand-in: CCmdTarget, CWnd, CDialog, the
// control wrappers, CWinApp and CWaitCursor, on the Win32 stand-in.
#pragma once

#include "afx.h"
#include "afxmsg_.h"
#include "afxwnd_.h"
#include "afxdlg_.h"
#include "afxctl_.h"
#include "afxapp_.h"
