// The "Button" window class: push buttons, default push buttons, check
// boxes (plain, automatic, three-state), radio buttons and group boxes.
// A click (mouse, the space bar or BM_CLICK) sends BN_CLICKED to the parent;
// automatic check boxes toggle first. A disabled button ignores clicks.
#include <new>

#include "controls_register.h"
#include "controls_util.h"

namespace standin {
namespace {

// Internal flag: the button is held down by the mouse or the space bar.
constexpr UINT kPressed = 0x8000;
// Internal flag: BM_CLICK is running (its button-up counts as inside).
constexpr UINT kInClick = 0x4000;

struct ButtonState {
  UINT state = 0;  // BST_ bits and kPressed
  HFONT font = nullptr;
};

UINT ButtonType(HWND hwnd) { return static_cast<UINT>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK; }

// The highest check state each button type can hold (BM_SETCHECK clamps).
UINT MaxCheckState(UINT type) {
  switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return BST_CHECKED;
    case BS_3STATE:
    case BS_AUTO3STATE:
      return BST_INDETERMINATE;
    default:
      return BST_UNCHECKED;
  }
}

LRESULT DlgCode(UINT type) {
  switch (type) {
    case BS_PUSHBUTTON:
    case BS_USERBUTTON:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
      return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
      return DLGC_STATIC;
    default:
      return DLGC_BUTTON;
  }
}

// Unchecks the other automatic radio buttons of the group (the siblings up
// to the next WS_GROUP, in both directions).
void UncheckRadioGroup(HWND hwnd) {
  HWND parent = GetParent(hwnd);
  if (!parent) return;
  for (HWND sibling = GetNextDlgGroupItem(parent, hwnd, FALSE); sibling && sibling != hwnd;
       sibling = GetNextDlgGroupItem(parent, sibling, FALSE)) {
    if (SendMessageA(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
      SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

// The release of a press: changes the check state as the type asks and
// notifies the parent.
void Release(HWND hwnd, ButtonState* s, bool inside) {
  if (!(s->state & kPressed)) return;
  s->state &= ~kPressed;
  SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
  if (!inside) return;
  switch (ButtonType(hwnd)) {
    case BS_AUTOCHECKBOX:
      SendMessageA(hwnd, BM_SETCHECK, (s->state & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED, 0);
      break;
    case BS_AUTORADIOBUTTON:
      SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
      UncheckRadioGroup(hwnd);
      break;
    case BS_AUTO3STATE: {
      UINT check = s->state & 3;
      SendMessageA(hwnd, BM_SETCHECK, check == BST_UNCHECKED ? BST_CHECKED
                                          : check == BST_CHECKED ? BST_INDETERMINATE
                                                                 : BST_UNCHECKED, 0);
      break;
    }
    default:
      break;
  }
  NotifyParent(hwnd, BN_CLICKED);
}

}  // namespace

LRESULT CALLBACK ButtonWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  ButtonState* s = GetControlState<ButtonState>(hwnd);
  if (!s && msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wParam, lParam);

  switch (msg) {
    case WM_NCCREATE: {
      ButtonState* created = new (std::nothrow) ButtonState();
      if (!created) return FALSE;
      SetControlState(hwnd, created);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_NCDESTROY:
      SetControlState<ButtonState>(hwnd, nullptr);
      delete s;
      return DefWindowProcA(hwnd, msg, wParam, lParam);

    case WM_GETDLGCODE:
      return DlgCode(ButtonType(hwnd));

    case WM_SETFONT:
      s->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(s->font);

    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(hwnd);
      s->state |= kPressed;
      SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
      return 0;
    case WM_LBUTTONUP: {
      RECT rc = {};
      GetClientRect(hwnd, &rc);
      const int x = static_cast<short>(LOWORD(lParam));
      const int y = static_cast<short>(HIWORD(lParam));
      Release(hwnd, s,
              (s->state & kInClick) || (x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom));
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && !(s->state & kPressed)) {
        s->state |= kPressed;
        SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
      }
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE) Release(hwnd, s, true);
      return 0;
    case WM_KILLFOCUS:
      if (s->state & kPressed) {
        s->state &= ~kPressed;
        SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
      }
      s->state &= ~BST_FOCUS;
      return 0;
    case WM_SETFOCUS:
      s->state |= BST_FOCUS;
      return 0;

    case BM_CLICK:
      // A disabled button does not send BN_CLICKED.
      if (!IsWindowEnabled(hwnd) || (s->state & kInClick)) return 0;
      s->state |= kInClick;
      SendMessageA(hwnd, WM_LBUTTONDOWN, 0, 0);
      SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
      if (IsWindow(hwnd) && GetControlState<ButtonState>(hwnd) == s) s->state &= ~kInClick;
      return 0;
    case BM_GETCHECK:
      return s->state & 3;
    case BM_SETCHECK: {
      UINT check = static_cast<UINT>(wParam);
      const UINT type = ButtonType(hwnd);
      if (check > MaxCheckState(type)) check = MaxCheckState(type);
      if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
        LONG style = GetWindowLongA(hwnd, GWL_STYLE);
        LONG wanted = check ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (wanted != style) SetWindowLongA(hwnd, GWL_STYLE, wanted);
      }
      s->state = (s->state & ~3u) | check;
      return 0;
    }
    case BM_GETSTATE:
      return s->state & (BST_CHECKED | BST_INDETERMINATE | BST_PUSHED | BST_FOCUS);
    case BM_SETSTATE:
      if (wParam)
        s->state |= BST_PUSHED;
      else
        s->state &= ~BST_PUSHED;
      return 0;
    case BM_SETSTYLE: {
      LONG style = GetWindowLongA(hwnd, GWL_STYLE);
      LONG wanted = (style & ~static_cast<LONG>(BS_TYPEMASK)) | static_cast<LONG>(wParam & BS_TYPEMASK);
      if (wanted != style) SetWindowLongA(hwnd, GWL_STYLE, wanted);
      return 0;
    }
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace standin
