// The dialog-item functions: finding controls by id, talking to them
// (SendDlgItemMessageA, check buttons, item text and numbers), and the tab
// and group order of a dialog (GetNextDlgTabItem, GetNextDlgGroupItem),
// which follows the order of the child windows, that is the template order.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dialog_internal.h"

namespace standin {
namespace {

LONG Style(HWND hwnd) { return GetWindowLongA(hwnd, GWL_STYLE); }
bool IsVisibleEnabled(HWND hwnd) { return (Style(hwnd) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE; }
bool IsControlParent(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0; }

// The next (or previous) tab stop after `control` among the children of
// `parent`, descending into visible, enabled control parents and climbing
// out of them, wrapping around at the dialog's end.
HWND NextTabItem(HWND dialog, HWND parent, HWND control, bool previous) {
  const UINT step = previous ? GW_HWNDPREV : GW_HWNDNEXT;
  HWND candidate = nullptr;
  if (!control) {
    candidate = GetWindow(parent, GW_CHILD);
    if (previous && candidate) candidate = GetWindow(candidate, GW_HWNDLAST);
  } else if (IsChild(dialog, control)) {
    candidate = GetWindow(control, step);
    if (!candidate) {
      if (GetParent(control) != dialog)
        candidate = GetWindow(GetParent(control), step);
      else
        candidate = GetWindow(control, previous ? GW_HWNDLAST : GW_HWNDFIRST);
    }
  }
  for (; candidate; candidate = GetWindow(candidate, step)) {
    const LONG style = Style(candidate);
    if (IsControlParent(candidate) && IsVisibleEnabled(candidate)) {
      if (HWND inner = NextTabItem(dialog, candidate, nullptr, previous)) return inner;
    } else if ((style & WS_TABSTOP) && IsVisibleEnabled(candidate)) {
      return candidate;
    }
  }
  HWND found = nullptr;
  if (control) {
    for (HWND up = GetParent(control); up && up != dialog; up = GetParent(up)) {
      found = NextTabItem(dialog, GetParent(up), up, previous);
      if (found) break;
    }
    if (!found) found = NextTabItem(dialog, dialog, nullptr, previous);
  }
  return found ? found : control;
}

}  // namespace
}  // namespace standin

extern "C" {

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  for (HWND child = GetWindow(hDlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetDlgCtrlID(child) == nIDDlgItem) return child;
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd) { return static_cast<int>(GetWindowLongPtrA(hWnd, GWLP_ID)); }

LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item ? SendMessageA(item, Msg, wParam, lParam) : 0;
}

BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
  SendDlgItemMessageA(hDlg, nIDButton, BM_SETCHECK, uCheck, 0);
  return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton) {
  return static_cast<UINT>(SendDlgItemMessageA(hDlg, nIDButton, BM_GETCHECK, 0, 0));
}

BOOL WINAPI CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
  for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
    SendDlgItemMessageA(hDlg, id, BM_SETCHECK, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
  return TRUE;
}

BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item ? SetWindowTextA(item, lpString) : FALSE;
}

UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  if (!item) {
    if (lpString && cchMax > 0) lpString[0] = '\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowTextA(item, lpString, cchMax));
}

BOOL WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned) {
  char text[24];
  if (bSigned)
    std::snprintf(text, sizeof(text), "%d", static_cast<int>(uValue));
  else
    std::snprintf(text, sizeof(text), "%u", uValue);
  return SetDlgItemTextA(hDlg, nIDDlgItem, text);
}

UINT WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned) {
  if (lpTranslated) *lpTranslated = FALSE;
  char text[64] = {};
  if (!GetDlgItemTextA(hDlg, nIDDlgItem, text, sizeof(text))) return 0;
  const char* p = text;
  while (*p == ' ') ++p;
  char* end = nullptr;
  const long long value = bSigned ? std::strtoll(p, &end, 10) : static_cast<long long>(std::strtoull(p, &end, 10));
  if (end == p || (!bSigned && *p == '-')) return 0;
  while (*end == ' ') ++end;
  if (*end) return 0;
  if (bSigned ? (value < -2147483648LL || value > 2147483647LL) : (value > 4294967295LL)) return 0;
  if (lpTranslated) *lpTranslated = TRUE;
  return static_cast<UINT>(value);
}

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  if (hDlg == hCtl) hCtl = nullptr;
  if (!hDlg && !hCtl) return nullptr;
  return standin::NextTabItem(hDlg, hDlg, hCtl, bPrevious != FALSE);
}

HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  using standin::IsVisibleEnabled;
  if (hDlg == hCtl) hCtl = nullptr;
  if (!hCtl && bPrevious) return nullptr;
  if (hCtl) {
    if (!IsChild(hDlg, hCtl)) return nullptr;
  } else {
    hCtl = GetWindow(hDlg, GW_CHILD);
    if (!hCtl) return nullptr;
    if (IsVisibleEnabled(hCtl)) return hCtl;
  }
  // Walk forward around the whole list once: the group of hCtl runs from
  // the last WS_GROUP control before it to the next WS_GROUP control.
  HWND result = hCtl;
  HWND lastGroup = nullptr;
  HWND hwnd = hCtl;
  bool looped = false;
  bool skipping = false;
  for (;;) {
    HWND next = GetWindow(hwnd, GW_HWNDNEXT);
    while (!next) {
      if (GetParent(hwnd) == hDlg) {
        if (looped) return result;
        looped = true;
        next = GetWindow(hDlg, GW_CHILD);
      } else {
        hwnd = GetParent(hwnd);
        next = GetWindow(hwnd, GW_HWNDNEXT);
      }
    }
    hwnd = next;
    HWND inner = nullptr;
    while (standin::IsControlParent(hwnd) && IsVisibleEnabled(hwnd) && (inner = GetWindow(hwnd, GW_CHILD)))
      hwnd = inner;
    if (standin::Style(hwnd) & WS_GROUP) {
      lastGroup = hwnd;
      skipping = true;
    }
    if (hwnd == hCtl) {
      if (!skipping || lastGroup == hwnd) break;
      hwnd = lastGroup;
      skipping = false;
      looped = false;
    }
    if (!skipping && IsVisibleEnabled(hwnd)) {
      result = hwnd;
      if (!bPrevious) break;
    }
  }
  return result;
}

}  // extern "C"
