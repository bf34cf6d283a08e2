// The "Static" window class: a text label. Its text is the window text; it
// never takes the focus from the dialog manager (DLGC_STATIC).
#include <new>

#include "controls_register.h"
#include "controls_util.h"

namespace standin {
namespace {

struct StaticState {
  HFONT font = nullptr;
};

}  // namespace

LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  StaticState* s = GetControlState<StaticState>(hwnd);
  if (!s && msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_NCCREATE: {
      StaticState* created = new (std::nothrow) StaticState();
      if (!created) return FALSE;
      SetControlState(hwnd, created);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_NCDESTROY:
      SetControlState<StaticState>(hwnd, nullptr);
      delete s;
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_SETFONT:
      s->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(s->font);
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace standin
