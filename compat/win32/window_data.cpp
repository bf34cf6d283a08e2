// Per-window data: styles, id, user data, window procedure (subclassing)
// and extra bytes through Get/SetWindowLong(Ptr)A; the window text through
// WM_SETTEXT/WM_GETTEXT/WM_GETTEXTLENGTH; position and size (kept as plain
// rectangles: no non-client area, client rectangle = window size).
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "internal.h"

using namespace olvwin32;

namespace {

// Reads or writes SIZE bytes of extra window memory at OFFSET.
bool ExtraRange(Window* w, int offset, size_t size) {
  if (offset < 0 || static_cast<size_t>(offset) + size > w->extra.size()) {
    SetLastError(ERROR_INVALID_INDEX);
    return false;
  }
  return true;
}

LONG_PTR GetLong(HWND hwnd, int index, size_t size) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w) return 0;
  if (index >= 0) {
    if (!ExtraRange(w, index, size)) return 0;
    if (size == sizeof(LONG)) {
      LONG v;
      std::memcpy(&v, &w->extra[index], sizeof v);
      return v;
    }
    LONG_PTR v;
    std::memcpy(&v, &w->extra[index], sizeof v);
    return v;
  }
  switch (index) {
    case GWL_STYLE:
      return static_cast<LONG>(w->style);
    case GWL_EXSTYLE:
      return static_cast<LONG>(w->exStyle);
    case GWLP_ID:
      return w->id;
    case GWLP_USERDATA:
      return w->userData;
    case GWLP_WNDPROC:
      if (size == sizeof(LONG_PTR)) return reinterpret_cast<LONG_PTR>(w->proc);
      break;
    case GWLP_HINSTANCE:
      if (size == sizeof(LONG_PTR)) return reinterpret_cast<LONG_PTR>(w->instance);
      break;
    case GWLP_HWNDPARENT:
      if (size == sizeof(LONG_PTR))
        return reinterpret_cast<LONG_PTR>(IsTopLevelLocked(w) ? w->owner : w->parent);
      break;
    default:
      break;
  }
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

LONG_PTR SetLong(HWND hwnd, int index, LONG_PTR value, size_t size) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w) return 0;
  LONG_PTR old = GetLong(hwnd, index, size);
  if (index >= 0) {
    if (!ExtraRange(w, index, size)) return 0;
    if (size == sizeof(LONG)) {
      LONG v = static_cast<LONG>(value);
      std::memcpy(&w->extra[index], &v, sizeof v);
    } else {
      std::memcpy(&w->extra[index], &value, sizeof value);
    }
    return old;
  }
  switch (index) {
    case GWL_STYLE:
      w->style = static_cast<DWORD>(value);
      return old;
    case GWL_EXSTYLE:
      w->exStyle = static_cast<DWORD>(value);
      return old;
    case GWLP_ID:
      w->id = value;
      return old;
    case GWLP_USERDATA:
      w->userData = value;
      return old;
    case GWLP_WNDPROC:
      if (size != sizeof(LONG_PTR)) break;
      w->proc = reinterpret_cast<WNDPROC>(value);
      return old;
    case GWLP_HINSTANCE:
      if (size != sizeof(LONG_PTR)) break;
      w->instance = reinterpret_cast<HINSTANCE>(value);
      return old;
    case GWLP_HWNDPARENT:
      if (size != sizeof(LONG_PTR) || !IsTopLevelLocked(w)) break;
      w->owner = value ? RootLocked(reinterpret_cast<HWND>(value)) : nullptr;
      return old;
    default:
      break;
  }
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

}  // namespace

extern "C" LONG WINAPI GetWindowLongA(HWND hwnd, int index) {
  return static_cast<LONG>(GetLong(hwnd, index, sizeof(LONG)));
}
extern "C" LONG WINAPI SetWindowLongA(HWND hwnd, int index, LONG value) {
  return static_cast<LONG>(SetLong(hwnd, index, value, sizeof(LONG)));
}
extern "C" LONG_PTR WINAPI GetWindowLongPtrA(HWND hwnd, int index) { return GetLong(hwnd, index, sizeof(LONG_PTR)); }
extern "C" LONG_PTR WINAPI SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  return SetLong(hwnd, index, value, sizeof(LONG_PTR));
}

extern "C" BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text) {
  if (!IsWindow(hwnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return static_cast<BOOL>(SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

extern "C" int WINAPI GetWindowTextA(HWND hwnd, LPSTR buffer, int nMaxCount) {
  if (!IsWindow(hwnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (!buffer || nMaxCount <= 0) return 0;
  buffer[0] = '\0';
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(buffer)));
}

extern "C" int WINAPI GetWindowTextLengthA(HWND hwnd) {
  if (!IsWindow(hwnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

extern "C" DWORD WINAPI GetWindowThreadProcessId(HWND hwnd, LPDWORD pid) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w) return 0;
  if (pid) *pid = GetCurrentProcessId();
  return w->thread;
}

extern "C" BOOL WINAPI SetWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
  {
    Guard g(Mutex());
    Window* w = CheckedWindowLocked(hwnd);
    if (!w || hwnd == DesktopHandle()) return FALSE;
    if (!(flags & SWP_NOMOVE)) {
      LONG width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
      w->rect = RECT{x, y, x + width, y + height};
    }
    if (!(flags & SWP_NOSIZE)) {
      w->rect.right = w->rect.left + std::max(cx, 0);
      w->rect.bottom = w->rect.top + std::max(cy, 0);
    }
    if (!(flags & SWP_NOZORDER) && after != hwnd) {
      auto& sib = FindWindowLocked(w->parent)->children;
      if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST || after == HWND_BOTTOM) {
        sib.erase(std::find(sib.begin(), sib.end(), hwnd));
        if (after == HWND_BOTTOM)
          sib.push_back(hwnd);
        else
          sib.insert(sib.begin(), hwnd);
      } else {
        Window* a = CheckedWindowLocked(after);
        if (!a || a->parent != w->parent) return FALSE;
        sib.erase(std::find(sib.begin(), sib.end(), hwnd));
        sib.insert(std::find(sib.begin(), sib.end(), after) + 1, hwnd);
      }
    }
  }
  if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
  if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
  return TRUE;
}

extern "C" BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {
// Offset of a window's client area on the screen.
POINT ScreenOrigin(Window* w) {
  POINT p{0, 0};
  for (; w && w->hwnd != DesktopHandle(); w = FindWindowLocked(w->parent)) {
    p.x += w->rect.left;
    p.y += w->rect.top;
  }
  return p;
}
}  // namespace

extern "C" BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w || !rect) return FALSE;
  POINT o = ScreenOrigin(FindWindowLocked(w->parent));
  *rect = RECT{w->rect.left + o.x, w->rect.top + o.y, w->rect.right + o.x, w->rect.bottom + o.y};
  return TRUE;
}

extern "C" BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w || !rect) return FALSE;
  *rect = RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
  return TRUE;
}

extern "C" BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT pt) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w || !pt) return FALSE;
  POINT o = ScreenOrigin(w);
  pt->x -= o.x;
  pt->y -= o.y;
  return TRUE;
}

extern "C" BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT pt) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w || !pt) return FALSE;
  POINT o = ScreenOrigin(w);
  pt->x += o.x;
  pt->y += o.y;
  return TRUE;
}

