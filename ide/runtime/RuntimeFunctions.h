// The runtime library's outline, editor and error-log functions, over the
// IDE's state. Exported by their Windows names through RuntimeExports.cpp
// (on Windows, windows/modules/cdlli42.def names them: hence C names).
#pragma once

#include "cdlli.h"

namespace runtime {
extern "C" {

BOOL WINAPI ErrorLogOpen();
BOOL WINAPI ErrorLogClear();
BOOL WINAPI OutlineGetFileName(HOUTLINE hOutline, LPSTR buffer, int size);
HITEM WINAPI OutlineGetIncludingItem(HOUTLINE hOutline, HITEM hItem);
HOUTLINE WINAPI OutlineOutlineOfUIFrame(HWND hWnd);
HOUTLINE WINAPI OutlineCurrent();
HITEM WINAPI OutlineEditGetItem(HOUTLINE hOutline);
BOOL WINAPI OutlineEditGetText(HOUTLINE hOutline, LPSTR buffer, int size);
BOOL WINAPI OutlineEditSetText(HOUTLINE hOutline, LPCSTR text);
HWND WINAPI OutlineUIFrameOfOutline(HOUTLINE hOutline);
BOOL WINAPI OutlineActivateUIView(HOUTLINE hOutline);
BOOL WINAPI OutlineIsUIViewActive(HOUTLINE hOutline);
int WINAPI OutlineDoUICommand(HOUTLINE hOutline, HITEM hItem, int command, const char* text);

}  // extern "C"
}  // namespace runtime
