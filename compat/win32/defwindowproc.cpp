// DefWindowProcA: the default handling every window procedure falls back
// on. It keeps the window text (set from CREATESTRUCTA::lpszName at
// WM_NCCREATE, by WM_SETTEXT), answers WM_GETTEXT (at most wParam-1
// characters plus the terminator; nothing for a size of 0) and
// WM_GETTEXTLENGTH, gives the focus to a window being activated, turns
// Alt+F4 into SC_CLOSE for the top-level window, closes a window at
// SC_CLOSE (WM_CLOSE), destroys it at WM_CLOSE and validates at WM_PAINT.
#include <algorithm>
#include <cstring>

#include "internal.h"

using namespace olvwin32;

extern "C" LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) {
        Guard g(Mutex());
        if (Window* w = FindWindowLocked(hwnd)) w->text = cs->lpszName;
      }
      return TRUE;
    }
    case WM_SETTEXT: {
      Guard g(Mutex());
      Window* w = FindWindowLocked(hwnd);
      if (!w) return FALSE;
      w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      return TRUE;
    }
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<char*>(lParam);
      if (wParam == 0 || !buffer) return 0;
      Guard g(Mutex());
      Window* w = FindWindowLocked(hwnd);
      if (!w) return 0;
      size_t n = std::min(w->text.size(), static_cast<size_t>(wParam - 1));
      std::memcpy(buffer, w->text.data(), n);
      buffer[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH: {
      Guard g(Mutex());
      Window* w = FindWindowLocked(hwnd);
      return w ? static_cast<LRESULT>(w->text.size()) : 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !(GetWindowLongA(hwnd, GWL_STYLE) & WS_MINIMIZE)) SetFocus(hwnd);
      return 0;
    case WM_NCACTIVATE:
      return TRUE;
    case WM_SYSKEYDOWN:
      // Alt+F4 (Alt held: bit 29 of the key data) posts SC_CLOSE to the
      // window's top-level ancestor, whichever of its children has the key.
      if (wParam == VK_F4 && (lParam & (1L << 29))) {
        HWND top = GetAncestor(hwnd, GA_ROOT);
        if (top) PostMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(hwnd, WM_CLOSE, 0, 0);
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_PAINT: {  // validates: the window stops getting WM_PAINT
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND: {  // erased when the class has a background brush
      Guard g(Mutex());
      Window* w = FindWindowLocked(hwnd);
      return w && w->cls && w->cls->wc.hbrBackground ? 1 : 0;
    }
    default:
      return 0;
  }
}
