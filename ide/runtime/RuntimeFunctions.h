// The runtime library's outline, editor and error-log functions, over the
// IDE's state, under their C names. Exported by their Windows names through
// RuntimeExports.cpp (on Windows, through the cdlli42.def that the build
// writes from the same list: hence C names).
#pragma once

#include "cdlli.h"

namespace runtime {
extern "C" {

BOOL WINAPI ErrorLogOpen();
BOOL WINAPI ErrorLogClear();
BOOL WINAPI SalOutlineGetFileName(HOUTLINE hOutline, LPSTR buffer, int size);
HITEM WINAPI SalOutlineGetIncludingItem(HOUTLINE hOutline, HITEM hItem);
HOUTLINE WINAPI SalOutlineOutlineOfUIFrame(HWND hWnd);
HOUTLINE WINAPI SalOutlineCurrent();
HITEM WINAPI SalOutlineEditGetItem(HOUTLINE hOutline);
BOOL WINAPI SalOutlineEditGetText(HOUTLINE hOutline, LPSTR buffer, int size);
BOOL WINAPI SalOutlineEditSetText(HOUTLINE hOutline, LPCSTR text);
HWND WINAPI SalOutlineUIFrameOfOutline(HOUTLINE hOutline);
BOOL WINAPI SalOutlineActivateUIView(HOUTLINE hOutline);
BOOL WINAPI SalOutlineIsUIViewActive(HOUTLINE hOutline);
int WINAPI SalOutlineDoUICommand(HOUTLINE hOutline, HITEM hItem, int command, const char* text);

}  // extern "C"
}  // namespace runtime
