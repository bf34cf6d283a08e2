// Creating and destroying windows, with Windows' message sequences:
//   CreateWindowExA: WH_CBT HCBT_CREATEWND, WM_NCCREATE, WM_CREATE,
//     WM_PARENTNOTIFY(WM_CREATE) to the parent of a child window, then
//     ShowWindow when the style asked for WS_VISIBLE. A failed WM_NCCREATE
//     (FALSE) frees the window with WM_NCDESTROY only; a failed WM_CREATE
//     (-1) destroys it with DestroyWindow. Either way the result is null.
//   DestroyWindow: WH_CBT HCBT_DESTROYWND, WM_PARENTNOTIFY(WM_DESTROY),
//     hiding (focus and activation move away), owned windows destroyed,
//     WM_DESTROY to the window and then to its descendants (parents before
//     children), WM_NCDESTROY to the descendants and then the window
//     (children before parents).
#include <cstring>

#include "internal.h"

using namespace olvwin32;

namespace {

void SendParentNotify(HWND hwnd, UINT event) {
  HWND parent = nullptr;
  LONG_PTR id = 0;
  {
    Guard g(Mutex());
    Window* w = FindWindowLocked(hwnd);
    if (!w || (w->style & (WS_CHILD | WS_POPUP)) != WS_CHILD || (w->exStyle & WS_EX_NOPARENTNOTIFY)) return;
    if (w->parent == DesktopHandle()) return;
    parent = w->parent;
    id = w->id;
  }
  SendMessageA(parent, WM_PARENTNOTIFY, MAKEWPARAM(event, id), reinterpret_cast<LPARAM>(hwnd));
}

// Frees a window and everything below it: children first, each getting
// WM_NCDESTROY after its own children, the window last.
void FreeWindow(HWND hwnd) {
  std::vector<HWND> children;
  {
    Guard g(Mutex());
    Window* w = FindWindowLocked(hwnd);
    if (!w) return;
    w->destroying = true;
    children = w->children;
  }
  for (HWND c : children) FreeWindow(c);
  {
    Guard g(Mutex());
    Window* w = FindWindowLocked(hwnd);
    if (!w) return;
    DropFocusLocked(hwnd);
  }
  SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
  Guard g(Mutex());
  Window* w = FindWindowLocked(hwnd);
  if (!w) return;
  UnlinkLocked(w);
  for (HWND c : w->children) {  // created during WM_NCDESTROY: orphaned with it
    if (Window* cw = FindWindowLocked(c)) cw->parent = nullptr;
  }
  w->cls->windows--;
  EraseWindowLocked(hwnd);
}

void SendDestroyMessages(HWND hwnd) {
  if (GetActiveWindow() == hwnd) ActivateOtherWindow(hwnd);
  SendMessageA(hwnd, WM_DESTROY, 0, 0);
  if (!IsWindow(hwnd)) return;
  std::vector<HWND> children;
  {
    Guard g(Mutex());
    children = FindWindowLocked(hwnd)->children;
  }
  for (HWND c : children)
    if (IsWindow(c)) SendDestroyMessages(c);
}

}  // namespace

extern "C" HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                                       int y, int width, int height, HWND hwndParent, HMENU menu,
                                       HINSTANCE instance, LPVOID param) {
  HWND hwnd;
  bool child = (style & WS_CHILD) != 0;
  CREATESTRUCTA cs{};
  {
    Guard g(Mutex());
    WindowClass* cls = FindClassLocked(className);
    if (!cls) {
      SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
      return nullptr;
    }
    if (hwndParent == HWND_MESSAGE) {
      SetLastError(ERROR_NOT_SUPPORTED);
      return nullptr;
    }
    if (hwndParent && !CheckedWindowLocked(hwndParent)) return nullptr;
    if (child && !hwndParent) {
      SetLastError(ERROR_TLW_WITH_WSCHILD);
      return nullptr;
    }
    auto w = std::make_unique<Window>();
    w->hwnd = hwnd = NewHandleLocked();
    w->cls = cls;
    w->proc = cls->wc.lpfnWndProc;
    w->style = style & ~WS_VISIBLE;
    if (!child) {
      w->style |= WS_CLIPSIBLINGS;
      if (!(style & WS_POPUP)) w->style |= WS_CAPTION;
    }
    w->exStyle = exStyle;
    w->id = child ? reinterpret_cast<LONG_PTR>(menu) : 0;
    w->instance = instance;
    w->extra.assign(static_cast<size_t>(cls->wc.cbWndExtra), 0);
    w->thread = GetCurrentThreadId();
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) {
      width = child ? 0 : 640;
      height = child ? 0 : 480;
    }
    w->rect = RECT{x, y, x + width, y + height};
    Window* raw = w.get();
    InsertWindowLocked(std::move(w));
    cls->windows++;
    if (child) {
      LinkLocked(raw, hwndParent, (style & WS_MAXIMIZE) == 0);
    } else {
      raw->owner = hwndParent ? RootLocked(hwndParent) : nullptr;
      LinkLocked(raw, DesktopHandle(), false);
    }
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = hwndParent;
    cs.cx = width;
    cs.cy = height;
    cs.x = x;
    cs.y = y;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
  }

  CBT_CREATEWNDA cbt{&cs, child ? HWND_BOTTOM : HWND_TOP};
  if (CallHookChain(WH_CBT, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt),
                    GetCurrentThreadId()) != 0 ||
      !IsWindow(hwnd)) {
    FreeWindow(hwnd);
    return nullptr;
  }
  if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    FreeWindow(hwnd);
    return nullptr;
  }
  if (!IsWindow(hwnd)) return nullptr;
  if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!IsWindow(hwnd)) return nullptr;
  SendParentNotify(hwnd, WM_CREATE);
  if (!IsWindow(hwnd)) return nullptr;
  if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
  return IsWindow(hwnd) ? hwnd : nullptr;
}

extern "C" BOOL WINAPI DestroyWindow(HWND hwnd) {
  bool child;
  bool visible;
  {
    Guard g(Mutex());
    Window* w = CheckedWindowLocked(hwnd);
    if (!w || hwnd == DesktopHandle()) {
      if (w) SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    child = (w->style & WS_CHILD) != 0;
    visible = (w->style & WS_VISIBLE) != 0;
  }
  if (CallHookChain(WH_CBT, HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0, GetCurrentThreadId()) != 0)
    return FALSE;
  if (child) SendParentNotify(hwnd, WM_DESTROY);
  if (visible && IsWindow(hwnd)) ShowWindow(hwnd, SW_HIDE);
  if (!IsWindow(hwnd)) return TRUE;

  if (!child) {  // owned windows go first
    for (;;) {
      HWND owned = nullptr;
      {
        Guard g(Mutex());
        for (HWND h : FindWindowLocked(DesktopHandle())->children) {
          Window* o = FindWindowLocked(h);
          if (o->owner == hwnd && !o->destroying) {
            owned = h;
            break;
          }
        }
      }
      if (!owned) break;
      DestroyWindow(owned);
    }
  }
  {
    Guard g(Mutex());
    Window* w = FindWindowLocked(hwnd);
    if (!w || w->destroying) return TRUE;  // destroyed meanwhile, or already on its way
    w->destroying = true;
  }
  SendDestroyMessages(hwnd);
  if (!IsWindow(hwnd)) return TRUE;
  FreeWindow(hwnd);
  return TRUE;
}
