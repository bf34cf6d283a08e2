// Private state of the dialog manager: what Windows keeps for every dialog
// window (default button id, saved focus, base units, end state), and the
// focus and default-button helpers shared by DefDlgProcA, IsDialogMessageA
// and the dialog creation code.
#pragma once

#include <windows.h>

#include <cstddef>

namespace standin {

struct DialogInfo {
  int defId = IDOK;          // DM_GETDEFID
  HWND savedFocus = nullptr;  // the control that had the focus when the dialog was deactivated
  HFONT font = nullptr;
  int xBase = 8;  // dialog base units (pixels per 4 horizontal / 8 vertical dialog units)
  int yBase = 16;
  bool ended = false;  // EndDialog was called
  INT_PTR result = 0;
};

// The dialog's information; created on demand when `create` is true.
// Freed when DefDlgProcA sees WM_NCDESTROY.
DialogInfo* GetDialogInfo(HWND hwnd, bool create);
void FreeDialogInfo(HWND hwnd);

// Gives the focus to a control the way the dialog manager does: an edit
// field gets all its text selected.
void SetDialogFocus(HWND control);

// Creates a dialog from a template in memory (size: SIZE_MAX when unknown).
HWND CreateDialogFromTemplate(HINSTANCE instance, const void* data, std::size_t size, HWND owner, DLGPROC proc,
                              LPARAM param);

// Makes the focused push button the default one, or gives the default look
// back to the dialog's default button when the focus is elsewhere.
void CheckDefPushButton(HWND dialog, HWND oldFocus, HWND newFocus);

}  // namespace standin
