// Small helpers shared by the stand-in's control window procedures: the
// per-window state pointer kept in the window's extra bytes, WM_GETTEXT-style
// copying, case-insensitive comparison and WM_COMMAND notifications.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

// Every control class reserves one pointer of window extra bytes (offset 0)
// for its state, allocated at WM_NCCREATE and freed at WM_NCDESTROY.
constexpr int kControlExtraBytes = sizeof(void*);

template <class T>
T* GetControlState(HWND hwnd) {
  return reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, 0));
}

template <class T>
void SetControlState(HWND hwnd, T* state) {
  SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(state));
}

// Copies as WM_GETTEXT does: at most size-1 characters and a terminating
// NUL; returns the number of characters copied (0 when size is 0).
LRESULT CopyTextOut(const std::string& text, char* buffer, WPARAM size);

// Compares ignoring the case of ASCII letters: <0, 0, >0.
int CompareNoCase(const std::string& a, const std::string& b);

// Sends WM_COMMAND (MAKEWPARAM(id, code), hwnd) to the control's parent.
void NotifyParent(HWND hwnd, WORD code);

}  // namespace standin
