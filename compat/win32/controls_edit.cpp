// The "Edit" window class: a single-line text field with a selection
// (anchor and caret), typing at the caret (WM_CHAR), caret keys, the EM_
// messages the add-in and the IDE use, and EN_ notifications to the parent.
// An edit field inside a combo box (its parent's class is "ComboBox") sends
// no EN_CHANGE for WM_SETTEXT and hands the list keys to the combo box.
// A single-line field without ES_AUTOHSCROLL takes typed text only as far as
// its client width shows it, counted in a fixed character width.
#include <new>
#include <string>

#include "controls_register.h"
#include "controls_util.h"

namespace standin {
namespace {

constexpr UINT kDefaultLimit = 30000;
constexpr UINT kMaxLimit = 0x7FFFFFFE;
// The average character width of the field's font, in pixels (the stand-in
// measures every character alike).
constexpr int kCharWidth = 6;

struct EditState {
  std::string text;
  UINT anchor = 0;  // where the selection started
  UINT caret = 0;   // where it ends: the caret
  UINT limit = kDefaultLimit;
  bool modified = false;
  bool inCombo = false;
  HFONT font = nullptr;
};

LONG Style(HWND hwnd) { return GetWindowLongA(hwnd, GWL_STYLE); }

UINT SelMin(const EditState* s) { return s->anchor < s->caret ? s->anchor : s->caret; }
UINT SelMax(const EditState* s) { return s->anchor < s->caret ? s->caret : s->anchor; }

void SetSel(EditState* s, UINT start, UINT end) {
  const UINT len = static_cast<UINT>(s->text.size());
  if (start == static_cast<UINT>(-1)) {
    // Deselect: the selection collapses onto the caret.
    start = end = s->caret;
  } else {
    if (start > len) start = len;
    if (end > len) end = len;
  }
  s->anchor = start;
  s->caret = end;
}

void NotifyChanged(HWND hwnd, EditState* s) {
  s->modified = true;
  NotifyParent(hwnd, EN_UPDATE);
  NotifyParent(hwnd, EN_CHANGE);
}

// Replaces the selection by `insert`; with honourLimit the text is cut to
// the limit (EN_MAXTEXT when anything was cut). Returns whether the text
// changed.
// The number of characters the field takes: its limit, or for a single-line
// field that does not scroll, as many as its width shows.
std::size_t Capacity(HWND hwnd, const EditState* s) {
  const LONG style = Style(hwnd);
  if (style & (ES_MULTILINE | ES_AUTOHSCROLL)) return s->limit;
  RECT client{};
  GetClientRect(hwnd, &client);
  const std::size_t shown = client.right > 0 ? static_cast<std::size_t>(client.right / kCharWidth) : 0;
  return shown < s->limit ? shown : s->limit;
}

bool ReplaceSel(HWND hwnd, EditState* s, std::string insert, bool honourLimit) {
  const UINT from = SelMin(s);
  const UINT to = SelMax(s);
  const std::size_t remaining = s->text.size() - (to - from);
  const std::size_t capacity = honourLimit ? Capacity(hwnd, s) : 0;
  if (honourLimit && remaining + insert.size() > capacity) {
    std::size_t room = capacity > remaining ? capacity - remaining : 0;
    insert.resize(room);
    NotifyParent(hwnd, EN_MAXTEXT);
  }
  if (from == to && insert.empty()) return false;
  s->text.replace(from, to - from, insert);
  s->anchor = s->caret = from + static_cast<UINT>(insert.size());
  return true;
}

void TypeChar(HWND hwnd, EditState* s, unsigned char ch) {
  const LONG style = Style(hwnd);
  if (style & ES_READONLY) return;
  if (ch == VK_BACK) {
    if (SelMin(s) == SelMax(s)) {
      if (s->caret == 0) return;
      s->anchor = s->caret - 1;
    }
    if (ReplaceSel(hwnd, s, std::string(), false)) NotifyChanged(hwnd, s);
    return;
  }
  if (ch < 0x20 || ch == 0x7F) return;  // control characters insert nothing
  if ((style & ES_NUMBER) && (ch < '0' || ch > '9')) return;
  if (style & ES_UPPERCASE && ch >= 'a' && ch <= 'z') ch = static_cast<unsigned char>(ch - 'a' + 'A');
  if (style & ES_LOWERCASE && ch >= 'A' && ch <= 'Z') ch = static_cast<unsigned char>(ch - 'A' + 'a');
  if (ReplaceSel(hwnd, s, std::string(1, static_cast<char>(ch)), true)) NotifyChanged(hwnd, s);
}

void KeyDown(HWND hwnd, EditState* s, WPARAM vk) {
  const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  const UINT len = static_cast<UINT>(s->text.size());
  UINT target = s->caret;
  switch (vk) {
    case VK_LEFT:
      if (!shift && SelMin(s) != SelMax(s))
        target = SelMin(s);
      else if (target > 0)
        --target;
      break;
    case VK_RIGHT:
      if (!shift && SelMin(s) != SelMax(s))
        target = SelMax(s);
      else if (target < len)
        ++target;
      break;
    case VK_HOME:
      target = 0;
      break;
    case VK_END:
      target = len;
      break;
    case VK_DELETE:
      if (Style(hwnd) & ES_READONLY) return;
      if (SelMin(s) == SelMax(s)) {
        if (s->caret >= len) return;
        s->anchor = s->caret + 1;
      }
      if (ReplaceSel(hwnd, s, std::string(), false)) NotifyChanged(hwnd, s);
      return;
    case VK_UP:
    case VK_DOWN:
    case VK_F4:
      if (s->inCombo) SendMessageA(GetParent(hwnd), WM_KEYDOWN, vk, 0);
      return;
    default:
      return;
  }
  s->caret = target;
  if (!shift) s->anchor = target;
}

bool ParentIsCombo(const CREATESTRUCTA* cs) {
  if (!cs || !cs->hwndParent) return false;
  char name[32] = {};
  GetClassNameA(cs->hwndParent, name, sizeof(name));
  return CompareNoCase(name, "ComboBox") == 0;
}

}  // namespace

LRESULT CALLBACK EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  EditState* s = GetControlState<EditState>(hwnd);
  if (!s && msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wParam, lParam);

  switch (msg) {
    case WM_NCCREATE: {
      EditState* created = new (std::nothrow) EditState();
      if (!created) return FALSE;
      const CREATESTRUCTA* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      created->inCombo = ParentIsCombo(cs);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) created->text = cs->lpszName;
      SetControlState(hwnd, created);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_NCDESTROY:
      SetControlState<EditState>(hwnd, nullptr);
      delete s;
      return DefWindowProcA(hwnd, msg, wParam, lParam);

    case WM_SETTEXT:
      s->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      s->anchor = s->caret = 0;
      s->modified = false;
      if (!(Style(hwnd) & ES_MULTILINE) && !s->inCombo) {
        NotifyParent(hwnd, EN_UPDATE);
        NotifyParent(hwnd, EN_CHANGE);
      }
      return TRUE;
    case WM_GETTEXT:
      return CopyTextOut(s->text, reinterpret_cast<char*>(lParam), wParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(s->text.size());

    case WM_GETDLGCODE: {
      LRESULT code = DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
      if (Style(hwnd) & ES_MULTILINE) code |= DLGC_WANTALLKEYS;
      return code;
    }
    case WM_SETFONT:
      s->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(s->font);

    case WM_SETFOCUS:
      NotifyParent(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      NotifyParent(hwnd, EN_KILLFOCUS);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      return 0;
    case WM_CHAR:
      TypeChar(hwnd, s, static_cast<unsigned char>(wParam));
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, s, wParam);
      return 0;

    case EM_GETSEL: {
      const UINT from = SelMin(s);
      const UINT to = SelMax(s);
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = from;
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = to;
      if (from > 0xFFFF || to > 0xFFFF) return -1;
      return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(from, to)));
    }
    case EM_SETSEL:
      SetSel(s, static_cast<UINT>(wParam), static_cast<UINT>(lParam));
      return 0;
    case EM_REPLACESEL:
      if (Style(hwnd) & ES_READONLY) return 0;
      if (ReplaceSel(hwnd, s, lParam ? reinterpret_cast<const char*>(lParam) : "", true))
        NotifyChanged(hwnd, s);
      return 0;
    case EM_LIMITTEXT:
      s->limit = wParam ? static_cast<UINT>(wParam) : kMaxLimit;
      return 0;
    case EM_GETLIMITTEXT:
      return s->limit;
    case EM_GETMODIFY:
      return s->modified ? TRUE : FALSE;
    case EM_SETMODIFY:
      s->modified = wParam != 0;
      return 0;
    case EM_SETREADONLY: {
      const LONG style = Style(hwnd);
      SetWindowLongA(hwnd, GWL_STYLE, wParam ? (style | ES_READONLY) : (style & ~ES_READONLY));
      return TRUE;
    }
    case EM_GETLINECOUNT:
      return 1;
    case EM_LINELENGTH:
      return static_cast<LRESULT>(s->text.size());
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace standin
