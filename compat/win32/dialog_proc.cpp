// DefDlgProcA, the window procedure of the dialog class: it calls the
// dialog procedure (DWLP_DLGPROC) first and does the default dialog
// processing only for messages the dialog procedure left alone; plus the
// dialog information, focus saving and restoring, the default push button
// (DM_GETDEFID, DM_SETDEFID) and EndDialog.
#include <mutex>
#include <unordered_map>

#include "dialog_internal.h"

namespace standin {
namespace {

std::mutex g_infoLock;
std::unordered_map<HWND, DialogInfo>& Infos() {
  static std::unordered_map<HWND, DialogInfo> infos;
  return infos;
}

LRESULT DlgCode(HWND hwnd) { return hwnd ? SendMessageA(hwnd, WM_GETDLGCODE, 0, 0) : 0; }

// The first push button (searching into control parents) that shows the
// default look.
HWND FindDefButton(HWND parent) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (DlgCode(child) & DLGC_DEFPUSHBUTTON) return child;
    if (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
      if (HWND inner = FindDefButton(child)) return inner;
    }
  }
  return nullptr;
}

void RemoveDefaultLook(HWND parent, HWND keep) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (child != keep && (DlgCode(child) & DLGC_DEFPUSHBUTTON))
      SendMessageA(child, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) RemoveDefaultLook(child, keep);
  }
}

void SaveFocus(HWND hwnd, DialogInfo* info) {
  HWND focus = GetFocus();
  if (focus && IsChild(hwnd, focus)) info->savedFocus = focus;
}

void RestoreFocus(HWND hwnd, DialogInfo* info, bool justActivated) {
  if (info->ended) return;
  if (!IsWindow(info->savedFocus) || info->savedFocus == hwnd || !IsChild(hwnd, info->savedFocus)) {
    if (justActivated) return;
    // No saved control: the first tab stop, else the first enabled visible control.
    info->savedFocus = GetNextDlgTabItem(hwnd, nullptr, FALSE);
    if (!info->savedFocus) info->savedFocus = GetNextDlgGroupItem(hwnd, nullptr, FALSE);
    if (!IsWindow(info->savedFocus)) return;
  }
  HWND target = info->savedFocus;
  info->savedFocus = nullptr;
  if (justActivated)
    SetFocus(target);
  else
    SetDialogFocus(target);
}

void SetDefId(HWND hwnd, DialogInfo* info, int id) {
  info->defId = id;
  HWND newDef = GetDlgItem(hwnd, id);
  const LRESULT code = DlgCode(newDef);
  if (newDef && !(code & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON))) return;
  HWND oldDef = FindDefButton(hwnd);
  if (oldDef && oldDef != newDef) SendMessageA(oldDef, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  if (newDef && (code & DLGC_UNDEFPUSHBUTTON)) SendMessageA(newDef, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

// The default processing of the messages the dialog procedure did not handle.
LRESULT DefaultDialogProcessing(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  DialogInfo* info = GetDialogInfo(hwnd, true);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_SHOWWINDOW:
      if (!wParam && info) SaveFocus(hwnd, info);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_ACTIVATE:
      if (info) {
        if (LOWORD(wParam) != WA_INACTIVE)
          RestoreFocus(hwnd, info, true);
        else
          SaveFocus(hwnd, info);
      }
      return 0;
    case WM_SETFOCUS:
      if (info) RestoreFocus(hwnd, info, false);
      return 0;
    case DM_SETDEFID:
      if (!info || info->ended) return FALSE;
      SetDefId(hwnd, info, static_cast<int>(wParam));
      return TRUE;
    case DM_GETDEFID: {
      if (!info || info->ended) return 0;
      if (info->defId) return MAKELONG(info->defId, DC_HASDEFID);
      HWND def = FindDefButton(hwnd);
      return def ? MAKELONG(GetDlgCtrlID(def), DC_HASDEFID) : 0;
    }
    case WM_NEXTDLGCTL: {
      HWND oldFocus = GetFocus();
      HWND target = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd, oldFocus, static_cast<BOOL>(wParam));
      if (target) {
        SetDialogFocus(target);
        CheckDefPushButton(hwnd, oldFocus, target);
      }
      return 0;
    }
    case WM_GETFONT:
      return info ? reinterpret_cast<LRESULT>(info->font) : 0;
    case WM_CLOSE: {
      // The caption's close button is the Cancel button, unless that is disabled.
      HWND cancel = GetDlgItem(hwnd, IDCANCEL);
      if (cancel && !IsWindowEnabled(cancel)) return 0;
      PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
      return 0;
    }
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

DialogInfo* GetDialogInfo(HWND hwnd, bool create) {
  if (!hwnd) return nullptr;
  std::lock_guard<std::mutex> lock(g_infoLock);
  auto it = Infos().find(hwnd);
  if (it != Infos().end()) return &it->second;
  if (!create || !IsWindow(hwnd)) return nullptr;
  return &Infos()[hwnd];
}

void FreeDialogInfo(HWND hwnd) {
  std::lock_guard<std::mutex> lock(g_infoLock);
  Infos().erase(hwnd);
}

void SetDialogFocus(HWND control) {
  if (DlgCode(control) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
  SetFocus(control);
}

void CheckDefPushButton(HWND dialog, HWND oldFocus, HWND newFocus) {
  const LRESULT newCode = DlgCode(newFocus);
  if (oldFocus == newFocus) {
    if (newCode & DLGC_UNDEFPUSHBUTTON) SendMessageA(newFocus, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    return;
  }
  const bool fromButton = (DlgCode(oldFocus) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
  const bool toButton = (newCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
  if (fromButton || toButton) RemoveDefaultLook(dialog, toButton ? newFocus : nullptr);
  if (newCode & DLGC_UNDEFPUSHBUTTON) {
    SendMessageA(newFocus, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  } else if (!toButton) {
    const LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    HWND original = GetDlgItem(dialog, HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK);
    if (original && (DlgCode(original) & DLGC_UNDEFPUSHBUTTON))
      SendMessageA(original, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  }
}

}  // namespace standin

extern "C" {

LRESULT WINAPI DefDlgProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  using namespace standin;
  if (msg == WM_NCCREATE || msg == WM_CREATE || msg == WM_NCCALCSIZE)
    return DefWindowProcA(hwnd, msg, wParam, lParam);

  SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
  DLGPROC proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hwnd, DWLP_DLGPROC));
  INT_PTR result = proc ? proc(hwnd, msg, wParam, lParam) : 0;

  if (msg == WM_NCDESTROY) {
    FreeDialogInfo(hwnd);
    return result ? GetWindowLongPtrA(hwnd, DWLP_MSGRESULT) : DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  if (!result && IsWindow(hwnd)) {
    switch (msg) {
      case WM_INITDIALOG:
      case WM_VKEYTOITEM:
      case WM_COMPAREITEM:
      case WM_CHARTOITEM:
        return 0;
      default:
        return DefaultDialogProcessing(hwnd, msg, wParam, lParam);
    }
  }
  // Messages whose result is the dialog procedure's own return value.
  if ((msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_COMPAREITEM || msg == WM_VKEYTOITEM ||
      msg == WM_CHARTOITEM || msg == WM_INITDIALOG)
    return result;
  return IsWindow(hwnd) ? GetWindowLongPtrA(hwnd, DWLP_MSGRESULT) : 0;
}

BOOL WINAPI EndDialog(HWND hwnd, INT_PTR result) {
  using namespace standin;
  DialogInfo* info = GetDialogInfo(hwnd, false);
  if (!info) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  info->result = result;
  info->ended = true;
  // The focus leaves the controls, and the dialog is hidden, not destroyed.
  if (IsChild(hwnd, GetFocus())) SetFocus(hwnd);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  PostMessageA(hwnd, WM_NULL, 0, 0);
  return TRUE;
}

}  // extern "C"
