// The searches for the IDE windows that no interface hands out: the outline
// tree view (found once, kept by the host until the next file is read) and
// the outline editor's in-place edit control.
#pragma once

#include <afx.h>
#include <windows.h>

class COlvarenNotificationInterface;

// The IDE's outline tree view, or null. Searched from the IDE main window at
// the first use and kept in host->m_hTreeCtrl.
HWND GetOutlineTreeCtrl(COlvarenNotificationInterface* host);

// Depth-first search below `parent` for a "SysTreeView32" next to the status
// marker window (an "AfxWnd42" or "Static" titled "SWStat"): the last tree
// view before the marker, or the first after it. TRUE when one was taken;
// the result is in g_foundTreeCtrl.
BOOL FindOutlineTree(HWND parent);
extern HWND g_foundTreeCtrl;
extern HWND g_foundMarker;

// The first window below `parent` (in EnumChildWindows order) whose text
// contains `text` and whose class name begins with "Edit", or null.
HWND FindEditWindowByText(HWND parent, const CString& text);
extern CString g_editSearchText;   // defined in host/Statics.cpp
extern HWND g_foundEditWindow;
