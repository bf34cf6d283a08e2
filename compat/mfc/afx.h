// MFC core header of the stand-in: the Win32 API, diagnostics, CObject and
// run-time classes, CString, CTime, CFile's status query and the module
// state. Include first in code written against MFC.
#pragma once

#include <windows.h>

#include "afxver_.h"
#include "afxdbg_.h"
#include "afxobj_.h"
#include "afxstr.h"
#include "atltime.h"
#include "afxfile_.h"
#include "afxstat_.h"
