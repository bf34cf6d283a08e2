// The "ComboBox" window class. The editable kinds (CBS_SIMPLE, CBS_DROPDOWN)
// own a child "Edit" field with id 1001 that holds the combo box's text; the
// list itself is kept here (no separate list window). CB_ messages manage the
// list and the selection; the edit field's EN_ notifications become CBN_
// notifications to the parent, and the Up/Down keys move the selection.
#include <new>
#include <string>
#include <vector>

#include "controls_register.h"
#include "controls_util.h"

namespace standin {
namespace {

constexpr int kEditId = 1001;

struct ComboItem {
  std::string text;
  ULONG_PTR data = 0;
};

struct ComboState {
  std::vector<ComboItem> items;
  int selected = -1;
  int caretIndex = 0;  // where the keyboard resumes after typing
  HWND edit = nullptr;
  bool dropped = false;
  bool focused = false;
  HFONT font = nullptr;
};

UINT ComboType(HWND hwnd) { return static_cast<UINT>(GetWindowLongA(hwnd, GWL_STYLE)) & 3; }
int Count(const ComboState* s) { return static_cast<int>(s->items.size()); }

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

// Searches from the item after `start` to the end, then from the top back
// to `start`; -1 (or an index past the end) searches the whole list.
int Find(const ComboState* s, WPARAM startParam, LPARAM textParam, bool exact) {
  if (!textParam || s->items.empty()) return CB_ERR;
  const std::string wanted = reinterpret_cast<const char*>(textParam);
  const int n = Count(s);
  int start = static_cast<int>(startParam);
  if (start < 0 || start >= n) start = -1;
  for (int k = 1; k <= n; ++k) {
    const int i = (start + k) % n;
    const std::string& text = s->items[static_cast<std::size_t>(i)].text;
    if (exact ? CompareNoCase(text, wanted) == 0 : StartsWithNoCase(text, wanted)) return i;
  }
  return CB_ERR;
}

// Puts the item's text (or nothing) into the edit field, selected when the
// combo box has the focus.
void UpdateEdit(HWND hwnd, ComboState* s, int index) {
  if (!s->edit) return;
  const char* text = index >= 0 ? s->items[static_cast<std::size_t>(index)].text.c_str() : "";
  SendMessageA(s->edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  HWND focus = GetFocus();
  if (focus == hwnd || focus == s->edit) SendMessageA(s->edit, EM_SETSEL, 0, -1);
}

LRESULT SetCurSel(HWND hwnd, ComboState* s, WPARAM index) {
  const int i = static_cast<int>(index);
  const bool valid = index != static_cast<WPARAM>(-1) && i >= 0 && i < Count(s);
  s->selected = valid ? i : -1;
  if (valid) s->caretIndex = i;
  UpdateEdit(hwnd, s, s->selected);
  return valid ? i : CB_ERR;
}

LRESULT Insert(ComboState* s, int index, LPARAM textParam) {
  ComboItem item;
  if (textParam) item.text = reinterpret_cast<const char*>(textParam);
  if (index < 0 || index > Count(s)) index = Count(s);
  s->items.insert(s->items.begin() + index, item);
  if (s->selected >= index) ++s->selected;
  return index;
}

int SortedPosition(const ComboState* s, LPARAM textParam) {
  const std::string text = textParam ? reinterpret_cast<const char*>(textParam) : "";
  int pos = 0;
  while (pos < Count(s) && CompareNoCase(s->items[static_cast<std::size_t>(pos)].text, text) <= 0) ++pos;
  return pos;
}

// Up/Down in the closed combo box: move the selection by one.
void KeyDown(HWND hwnd, ComboState* s, WPARAM vk) {
  if (s->items.empty()) return;
  int next = s->selected;
  if (vk == VK_F4) {
    SendMessageA(hwnd, CB_SHOWDROPDOWN, !s->dropped, 0);
    return;
  }
  if (vk != VK_UP && vk != VK_DOWN) return;
  if (next < 0)
    next = s->caretIndex < Count(s) ? s->caretIndex : 0;
  else if (vk == VK_DOWN)
    next = next + 1 < Count(s) ? next + 1 : next;
  else
    next = next > 0 ? next - 1 : 0;
  if (next == s->selected) return;
  s->selected = next;
  s->caretIndex = next;
  NotifyParent(hwnd, CBN_SELENDOK);
  NotifyParent(hwnd, CBN_SELCHANGE);
  if (!IsWindow(hwnd)) return;
  UpdateEdit(hwnd, s, s->selected);
  if (s->edit) SendMessageA(s->edit, EM_SETSEL, 0, -1);
}

// An EN_ notification of the edit field.
void EditNotification(HWND hwnd, ComboState* s, WORD code) {
  switch (code) {
    case EN_SETFOCUS:
      // Coming into the combo box selects the whole text of its edit field.
      if (s->focused) break;
      s->focused = true;
      SendMessageA(s->edit, EM_SETSEL, 0, -1);
      NotifyParent(hwnd, CBN_SETFOCUS);
      break;
    case EN_KILLFOCUS:
      s->focused = false;
      NotifyParent(hwnd, CBN_KILLFOCUS);
      break;
    case EN_UPDATE:
      NotifyParent(hwnd, CBN_EDITUPDATE);
      break;
    case EN_CHANGE: {
      // Typing drops the list selection; the keyboard resumes at the first
      // item that starts with the typed text.
      char buffer[1024] = {};
      GetWindowTextA(s->edit, buffer, sizeof(buffer));
      const int match = buffer[0] ? Find(s, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(buffer), false)
                                  : CB_ERR;
      s->caretIndex = match < 0 ? 0 : match;
      s->selected = s->dropped ? match : -1;
      NotifyParent(hwnd, CBN_EDITCHANGE);
      break;
    }
    default:
      break;
  }
}

LRESULT Create(HWND hwnd, ComboState* s, const CREATESTRUCTA* cs) {
  if (ComboType(hwnd) == CBS_DROPDOWNLIST) return 0;
  const LONG style = cs->style;
  DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_LEFT | ES_NOHIDESEL;
  if (style & CBS_AUTOHSCROLL) editStyle |= ES_AUTOHSCROLL;
  if (style & CBS_UPPERCASE) editStyle |= ES_UPPERCASE;
  if (style & CBS_LOWERCASE) editStyle |= ES_LOWERCASE;
  if (style & WS_DISABLED) editStyle |= WS_DISABLED;
  const int height = (cs->cy < 21 ? cs->cy : 21) - 6;
  const int width = cs->cx - 23;
  s->edit = CreateWindowExA(0, "Edit", nullptr, editStyle, 3, 3, width > 0 ? width : 0,
                            height > 0 ? height : 0, hwnd, reinterpret_cast<HMENU>(kEditId),
                            cs->hInstance, nullptr);
  if (!s->edit) return -1;
  if (cs->lpszName && !IS_INTRESOURCE(cs->lpszName) && cs->lpszName[0])
    SendMessageA(s->edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(cs->lpszName));
  return 0;
}

}  // namespace

LRESULT CALLBACK ComboBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  ComboState* s = GetControlState<ComboState>(hwnd);
  if (!s && msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wParam, lParam);

  switch (msg) {
    case WM_NCCREATE: {
      ComboState* created = new (std::nothrow) ComboState();
      if (!created) return FALSE;
      SetControlState(hwnd, created);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_CREATE:
      return Create(hwnd, s, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_NCDESTROY:
      SetControlState<ComboState>(hwnd, nullptr);
      delete s;
      return DefWindowProcA(hwnd, msg, wParam, lParam);

    case WM_COMMAND:
      if (s->edit && reinterpret_cast<HWND>(lParam) == s->edit) EditNotification(hwnd, s, HIWORD(wParam));
      return 0;

    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      if (s->edit) return SendMessageA(s->edit, msg, wParam, lParam);
      if (msg == WM_SETTEXT) return CB_ERR;
      {
        const std::string text = s->selected >= 0 ? s->items[static_cast<std::size_t>(s->selected)].text : "";
        if (msg == WM_GETTEXTLENGTH) return static_cast<LRESULT>(text.size());
        return CopyTextOut(text, reinterpret_cast<char*>(lParam), wParam);
      }

    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
      if (s->edit) SetFocus(s->edit);
      return 0;
    case WM_ENABLE:
      if (s->edit) EnableWindow(s->edit, static_cast<BOOL>(wParam));
      return 0;
    case WM_SETFONT:
      s->font = reinterpret_cast<HFONT>(wParam);
      if (s->edit) SendMessageA(s->edit, WM_SETFONT, wParam, lParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(s->font);
    case WM_KEYDOWN:
      KeyDown(hwnd, s, wParam);
      return 0;

    case CB_ADDSTRING:
      return Insert(s, (GetWindowLongA(hwnd, GWL_STYLE) & CBS_SORT) ? SortedPosition(s, lParam) : Count(s),
                    lParam);
    case CB_INSERTSTRING: {
      const int index = static_cast<int>(wParam);
      if (index != -1 && (index < 0 || index > Count(s))) return CB_ERR;
      return Insert(s, index, lParam);
    }
    case CB_DELETESTRING: {
      const int index = static_cast<int>(wParam);
      if (index < 0 || index >= Count(s)) return CB_ERR;
      s->items.erase(s->items.begin() + index);
      if (s->selected == index)
        s->selected = -1;
      else if (s->selected > index)
        --s->selected;
      return Count(s);
    }
    case CB_RESETCONTENT:
      s->items.clear();
      s->selected = -1;
      s->caretIndex = 0;
      if (s->edit) SendMessageA(s->edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
      return TRUE;
    case CB_GETCOUNT:
      return Count(s);
    case CB_GETCURSEL:
      return s->selected;
    case CB_SETCURSEL:
      return SetCurSel(hwnd, s, wParam);
    case CB_GETLBTEXT: {
      const int index = static_cast<int>(wParam);
      if (index < 0 || index >= Count(s) || !lParam) return CB_ERR;
      const std::string& text = s->items[static_cast<std::size_t>(index)].text;
      return CopyTextOut(text, reinterpret_cast<char*>(lParam), text.size() + 1);
    }
    case CB_GETLBTEXTLEN: {
      const int index = static_cast<int>(wParam);
      if (index < 0 || index >= Count(s)) return CB_ERR;
      return static_cast<LRESULT>(s->items[static_cast<std::size_t>(index)].text.size());
    }
    case CB_FINDSTRING:
      return Find(s, wParam, lParam, false);
    case CB_FINDSTRINGEXACT:
      return Find(s, wParam, lParam, true);
    case CB_SELECTSTRING: {
      const int index = Find(s, wParam, lParam, false);
      if (index < 0) return CB_ERR;
      return SetCurSel(hwnd, s, static_cast<WPARAM>(index));
    }
    case CB_GETITEMDATA: {
      const int index = static_cast<int>(wParam);
      if (index < 0 || index >= Count(s)) return CB_ERR;
      return static_cast<LRESULT>(s->items[static_cast<std::size_t>(index)].data);
    }
    case CB_SETITEMDATA: {
      const int index = static_cast<int>(wParam);
      if (index < 0 || index >= Count(s)) return CB_ERR;
      s->items[static_cast<std::size_t>(index)].data = static_cast<ULONG_PTR>(lParam);
      return TRUE;
    }
    case CB_LIMITTEXT:
      if (!s->edit) return FALSE;
      SendMessageA(s->edit, EM_LIMITTEXT, wParam, 0);
      return TRUE;
    case CB_GETEDITSEL:
      if (!s->edit) return CB_ERR;
      return SendMessageA(s->edit, EM_GETSEL, wParam, lParam);
    case CB_SETEDITSEL:
      if (!s->edit) return CB_ERR;
      SendMessageA(s->edit, EM_SETSEL, static_cast<WPARAM>(static_cast<short>(LOWORD(lParam))),
                   static_cast<LPARAM>(static_cast<short>(HIWORD(lParam))));
      return TRUE;
    case CB_SHOWDROPDOWN:
      if (ComboType(hwnd) != CBS_SIMPLE && (wParam != 0) != s->dropped) {
        s->dropped = wParam != 0;
        NotifyParent(hwnd, s->dropped ? CBN_DROPDOWN : CBN_CLOSEUP);
      }
      return TRUE;
    case CB_GETDROPPEDSTATE:
      return s->dropped ? TRUE : FALSE;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace standin
