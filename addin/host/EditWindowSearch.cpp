// Finding the outline editor's in-place edit control: the first edit
// control below a window whose text contains a given text.
#include "host/WindowSearch.h"

#include <string.h>

HWND g_foundEditWindow = NULL;

namespace
{
BOOL CALLBACK MatchEditWindow(HWND hWnd, LPARAM /*lParam*/)
{
    int length = GetWindowTextLengthA(hWnd);
    CString text;
    GetWindowTextA(hWnd, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
    if (text.Find(g_editSearchText) < 0)
        return TRUE;

    char className[5];
    className[0] = '\0';
    GetClassNameA(hWnd, className, sizeof(className));
    if (strcmp(className, "Edit") != 0)
        return TRUE;

    g_foundEditWindow = hWnd;
    return FALSE;
}
}  // namespace

HWND FindEditWindowByText(HWND parent, const CString& text)
{
    g_editSearchText = text;
    g_foundEditWindow = NULL;
    EnumChildWindows(parent, MatchEditWindow, 0);
    return g_foundEditWindow;
}
