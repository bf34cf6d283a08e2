// IsDialogMessageA: the dialog keys. For a message addressed to the dialog
// or one of its descendants it handles Tab / Shift+Tab (next / previous tab
// stop), the arrow keys (within a group), Enter (the focused push button,
// else the default button, else IDOK) and Escape (IDCANCEL), unless the
// focused control asks for the key through WM_GETDLGCODE; everything else
// it translates and dispatches itself. Either way it returns TRUE; FALSE
// means the message was not for the dialog.
#include "dialog_internal.h"

namespace standin {
namespace {

bool ShiftDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

// A control-parent dialog (DS_CONTROL) nested in another dialog hands the
// keys to the outer one.
HWND MessageDestination(HWND dialog) {
  while (GetWindowLongA(dialog, GWL_STYLE) & DS_CONTROL) {
    HWND parent = GetParent(dialog);
    if (!parent || !GetDialogInfo(parent, false)) break;
    dialog = parent;
  }
  return dialog;
}

void Tab(HWND dialog) {
  if (GetDialogInfo(dialog, false)) {
    SendMessageA(dialog, WM_NEXTDLGCTL, ShiftDown() ? 1 : 0, 0);
    return;
  }
  // A plain window used as a dialog: move the focus directly.
  HWND focus = GetFocus();
  HWND next = GetNextDlgTabItem(dialog, focus == dialog ? nullptr : focus, ShiftDown());
  if (next) SetDialogFocus(next);
}

void Arrow(HWND dialog, const MSG* msg) {
  const bool previous = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
  HWND next = GetNextDlgGroupItem(dialog, msg->hwnd, previous);
  if (next && SendMessageA(next, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)) ==
                  (DLGC_BUTTON | DLGC_RADIOBUTTON)) {
    SetFocus(next);
    if ((GetWindowLongA(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
        SendMessageA(next, BM_GETCHECK, 0, 0) != BST_CHECKED)
      SendMessageA(next, BM_CLICK, 1, 0);
  } else {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), 1);
  }
}

void Enter(HWND dialog) {
  HWND focus = GetFocus();
  if (focus && IsChild(dialog, focus) && (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
    return;
  }
  const LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
  if (HIWORD(def) == DC_HASDEFID) {
    HWND button = GetDlgItem(dialog, LOWORD(def));
    if (!button || IsWindowEnabled(button))
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(def), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return;
  }
  SendMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

}  // namespace
}  // namespace standin

extern "C" BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
  using namespace standin;
  if (!hDlg || !lpMsg || !IsWindow(hDlg)) return FALSE;
  if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)) return FALSE;
  HWND dialog = MessageDestination(hDlg);

  if (lpMsg->message == WM_KEYDOWN) {
    const LRESULT code = SendMessageA(lpMsg->hwnd, WM_GETDLGCODE, lpMsg->wParam, reinterpret_cast<LPARAM>(lpMsg));
    if (!(code & DLGC_WANTMESSAGE)) {
      switch (lpMsg->wParam) {
        case VK_TAB:
          if (code & DLGC_WANTTAB) break;
          Tab(dialog);
          return TRUE;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
          if (code & DLGC_WANTARROWS) break;
          Arrow(dialog, lpMsg);
          return TRUE;
        case VK_ESCAPE:
        case VK_CANCEL:
          SendMessageA(dialog, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
          return TRUE;
        case VK_RETURN:
        case VK_EXECUTE:
          Enter(dialog);
          return TRUE;
        default:
          break;
      }
    }
  } else if (lpMsg->message == WM_CHAR) {
    // The characters of the dialog keys handled above are not typed into
    // controls that did not ask for them.
    const LRESULT code = SendMessageA(lpMsg->hwnd, WM_GETDLGCODE, lpMsg->wParam, reinterpret_cast<LPARAM>(lpMsg));
    const bool wanted = (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE)) || (lpMsg->wParam == '\t' && (code & DLGC_WANTTAB));
    if (!wanted && (lpMsg->wParam == '\t' || lpMsg->wParam == '\r' || lpMsg->wParam == 0x1B)) return TRUE;
  }
  TranslateMessage(lpMsg);
  DispatchMessageA(lpMsg);
  return TRUE;
}
