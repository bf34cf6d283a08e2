// Keyboard focus, activation, visibility and enabled state.
//   Activation from A to B: A gets WM_NCACTIVATE(FALSE) and
//   WM_ACTIVATE(WA_INACTIVE, B), then B gets WM_NCACTIVATE(TRUE) and
//   WM_ACTIVATE(WA_ACTIVE, A); if the focus is then not inside B it moves
//   to B. DefWindowProcA's WM_ACTIVATE also sets the focus to the window.
//   When A and B belong to different threads (or nothing was active, or
//   nothing is then), every top-level window of A's thread gets
//   WM_ACTIVATEAPP(FALSE, B's thread) after A's WM_ACTIVATE, and every
//   top-level window of B's thread WM_ACTIVATEAPP(TRUE, A's thread) before
//   B's WM_NCACTIVATE: another application is another thread's windows.
//   The stand-in sends these, like every message, on the calling thread.
//   Focus from X to Y: X gets WM_KILLFOCUS(Y), then Y gets WM_SETFOCUS(X).
//   SetFocus on a window whose top-level window is not active activates
//   that window first; disabled or minimised windows (or ancestors) refuse.
// The activated window comes to the top of the Z order.
// The desktop has one input state: focus and active window are global, and
// the foreground window is the active window.
#include <algorithm>
#include <vector>

#include "internal.h"

using namespace olvwin32;

namespace {

struct InputState {
  HWND focus = nullptr;
  HWND active = nullptr;
};
InputState& Input() {
  static auto* s = new InputState;
  return *s;
}

DWORD StyleOf(HWND hwnd) {
  Guard g(Mutex());
  Window* w = FindWindowLocked(hwnd);
  return w ? w->style : 0;
}

HWND SetFocusWindow(HWND hwnd) {
  HWND previous;
  {
    Guard g(Mutex());
    previous = Input().focus;
    Input().focus = hwnd;
  }
  if (previous == hwnd) return previous;
  if (previous && IsWindow(previous)) {
    SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (GetFocus() != hwnd) return previous;  // changed by the message
  }
  if (hwnd && IsWindow(hwnd)) SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

// The thread a window belongs to; 0 for none.
DWORD ThreadOf(HWND hwnd) {
  Guard g(Mutex());
  Window* w = hwnd ? FindWindowLocked(hwnd) : nullptr;
  return w ? w->thread : 0;
}

// WM_ACTIVATEAPP to every top-level window of a thread; lParam is the other
// thread (0: none).
void SendActivateApp(DWORD thread, BOOL active, DWORD other) {
  if (thread == 0) return;
  std::vector<HWND> windows;
  {
    Guard g(Mutex());
    for (HWND h : AllWindowsLocked()) {
      Window* w = FindWindowLocked(h);
      if (w && h != DesktopHandle() && IsTopLevelLocked(w) && !w->destroying && w->thread == thread)
        windows.push_back(h);
    }
  }
  for (HWND h : windows)
    if (IsWindow(h)) SendMessageA(h, WM_ACTIVATEAPP, active, static_cast<LPARAM>(other));
}

bool SetActive(HWND hwnd, HWND* previousOut) {
  HWND previous;
  {
    Guard g(Mutex());
    previous = Input().active;
    Input().active = hwnd;
    // The activated window comes to the top of the Z order.
    Window* w = FindWindowLocked(hwnd);
    if (w && IsTopLevelLocked(w)) {
      auto& sib = FindWindowLocked(w->parent)->children;
      sib.erase(std::find(sib.begin(), sib.end(), hwnd));
      sib.insert(sib.begin(), hwnd);
    }
  }
  if (previousOut) *previousOut = previous;
  if (previous == hwnd) return true;
  const DWORD oldThread = previous && IsWindow(previous) ? ThreadOf(previous) : 0;
  const DWORD newThread = ThreadOf(hwnd);
  if (previous && IsWindow(previous)) {
    SendMessageA(previous, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(hwnd));
    SendMessageA(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, (StyleOf(previous) & WS_MINIMIZE) != 0),
                 reinterpret_cast<LPARAM>(hwnd));
  }
  if (oldThread != newThread) {
    SendActivateApp(oldThread, FALSE, newThread);
    SendActivateApp(newThread, TRUE, oldThread);
  }
  if (hwnd && IsWindow(hwnd)) {
    SendMessageA(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(previous));
    SendMessageA(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, (StyleOf(hwnd) & WS_MINIMIZE) != 0),
                 reinterpret_cast<LPARAM>(previous));
  }
  if (GetActiveWindow() == hwnd) {
    HWND focus = GetFocus();
    if (!focus || !hwnd || GetAncestor(focus, GA_ROOT) != hwnd) SetFocusWindow(hwnd);
  }
  return true;
}

bool CanActivate(HWND hwnd) {
  if (!hwnd) return false;
  DWORD style = StyleOf(hwnd);
  if (!(style & WS_VISIBLE)) return false;
  if ((style & (WS_POPUP | WS_CHILD)) == WS_CHILD) return false;
  return !(style & WS_DISABLED);
}

}  // namespace

namespace olvwin32 {

HWND CurrentFocus() {
  Guard g(Mutex());
  return Input().focus;
}
HWND CurrentActive() {
  Guard g(Mutex());
  return Input().active;
}

void DropFocusLocked(HWND hwnd) {
  if (Input().focus == hwnd) Input().focus = nullptr;
  if (Input().active == hwnd) Input().active = nullptr;
}

// The window is going away or being hidden: a pop-up's owner takes over,
// else the next window in Z order that can be activated, else nobody.
void ActivateOtherWindow(HWND hwnd) {
  HWND to = nullptr;
  if ((StyleOf(hwnd) & WS_POPUP) && (to = GetWindow(hwnd, GW_OWNER))) {
    to = GetAncestor(to, GA_ROOT);
    if (!CanActivate(to)) to = nullptr;
  }
  if (!to) {
    for (HWND h = GetWindow(hwnd, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT))
      if (CanActivate(h)) {
        to = h;
        break;
      }
  }
  if (!to) {
    for (HWND h = GetTopWindow(nullptr); h && h != hwnd; h = GetWindow(h, GW_HWNDNEXT))
      if (CanActivate(h)) {
        to = h;
        break;
      }
  }
  SetActive(to, nullptr);
}

}  // namespace olvwin32

extern "C" HWND WINAPI GetFocus(void) { return CurrentFocus(); }
extern "C" HWND WINAPI GetActiveWindow(void) { return CurrentActive(); }
extern "C" HWND WINAPI GetForegroundWindow(void) { return CurrentActive(); }

extern "C" HWND WINAPI SetFocus(HWND hwnd) {
  HWND previous = GetFocus();
  if (hwnd) {
    if (!IsWindow(hwnd)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    if (hwnd == previous) return previous;
    HWND top = hwnd;
    for (;;) {
      DWORD style = StyleOf(top);
      if (style & (WS_MINIMIZE | WS_DISABLED)) return nullptr;
      if (!(style & WS_CHILD)) break;
      top = GetAncestor(top, GA_PARENT);
      if (!top || top == GetDesktopWindow()) return nullptr;
    }
    if (CallHookChain(WH_CBT, HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(previous),
                      GetCurrentThreadId()))
      return nullptr;
    if (top != GetActiveWindow()) {
      SetActive(top, nullptr);
      if (!IsWindow(hwnd) || top != GetActiveWindow()) return nullptr;
    }
  } else {
    if (!previous) return nullptr;
    if (CallHookChain(WH_CBT, HCBT_SETFOCUS, 0, reinterpret_cast<LPARAM>(previous), GetCurrentThreadId()))
      return nullptr;
  }
  return SetFocusWindow(hwnd);
}

// A child window is never active: the call changes nothing and returns the
// active window.
extern "C" HWND WINAPI SetActiveWindow(HWND hwnd) {
  if (hwnd) {
    if (!IsWindow(hwnd)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    if ((StyleOf(hwnd) & (WS_POPUP | WS_CHILD)) == WS_CHILD) return GetActiveWindow();
  }
  HWND previous = nullptr;
  SetActive(hwnd, &previous);
  return previous;
}

extern "C" BOOL WINAPI SetForegroundWindow(HWND hwnd) {
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (!root) return FALSE;
  SetActiveWindow(root);
  return GetActiveWindow() == root;
}

extern "C" BOOL WINAPI IsWindowEnabled(HWND hwnd) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  return w && !(w->style & WS_DISABLED);
}

// Returns whether the window was disabled before.
extern "C" BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
  DWORD style;
  {
    Guard g(Mutex());
    Window* w = CheckedWindowLocked(hwnd);
    if (!w) return FALSE;
    style = w->style;
  }
  BOOL wasDisabled = (style & WS_DISABLED) != 0;
  if (enable && wasDisabled) {
    {
      Guard g(Mutex());
      if (Window* w = FindWindowLocked(hwnd)) w->style &= ~WS_DISABLED;
    }
    SendMessageA(hwnd, WM_ENABLE, TRUE, 0);
  } else if (!enable && !wasDisabled) {
    SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
    {
      Guard g(Mutex());
      if (Window* w = FindWindowLocked(hwnd)) w->style |= WS_DISABLED;
    }
    if (hwnd == GetFocus()) SetFocus(nullptr);
    SendMessageA(hwnd, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled;
}

// Visible when the window and all its ancestors have WS_VISIBLE.
extern "C" BOOL WINAPI IsWindowVisible(HWND hwnd) {
  Guard g(Mutex());
  Window* w = FindWindowLocked(hwnd);
  if (!w) return FALSE;
  for (; w; w = FindWindowLocked(w->parent))
    if (!(w->style & WS_VISIBLE)) return FALSE;
  return TRUE;
}

// Returns whether the window was visible before. Showing a top-level window
// activates it unless the command says otherwise; hiding moves the focus
// out of a child (to its parent) and the activation away from a top-level
// window. SW_SHOW on a visible window does nothing.
extern "C" BOOL WINAPI ShowWindow(HWND hwnd, int cmd) {
  DWORD style;
  {
    Guard g(Mutex());
    Window* w = CheckedWindowLocked(hwnd);
    if (!w || hwnd == DesktopHandle()) return FALSE;
    style = w->style;
  }
  const bool wasVisible = (style & WS_VISIBLE) != 0;
  const bool child = (style & (WS_CHILD | WS_POPUP)) == WS_CHILD;
  auto setStyle = [hwnd](DWORD add, DWORD remove) {
    Guard g(Mutex());
    if (Window* w = FindWindowLocked(hwnd)) w->style = (w->style & ~remove) | add;
  };

  if (cmd == SW_HIDE) {
    if (!wasVisible) return FALSE;
    SendMessageA(hwnd, WM_SHOWWINDOW, FALSE, 0);
    setStyle(0, WS_VISIBLE);
    if (!IsWindow(hwnd)) return TRUE;
    HWND focus = GetFocus();
    bool focusInside = false;
    if (focus) {
      Guard g(Mutex());
      focusInside = IsDescendantLocked(hwnd, focus);
    }
    if (child && focusInside) {
      HWND parent = GetAncestor(hwnd, GA_PARENT);
      SetFocus(parent == GetDesktopWindow() ? nullptr : parent);
    }
    if (!child && hwnd == GetActiveWindow()) ActivateOtherWindow(hwnd);
    return TRUE;
  }

  DWORD add = WS_VISIBLE, remove = 0;
  bool activate = true;
  switch (cmd) {
    case SW_SHOW:
      if (wasVisible) return TRUE;
      break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
      activate = false;
      break;
    case SW_SHOWMINNOACTIVE:
      activate = false;
      add |= WS_MINIMIZE;
      remove = WS_MAXIMIZE;
      break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_FORCEMINIMIZE:
      activate = cmd == SW_SHOWMINIMIZED;
      add |= WS_MINIMIZE;
      remove = WS_MAXIMIZE;
      break;
    case SW_SHOWMAXIMIZED:
      add |= WS_MAXIMIZE;
      remove = WS_MINIMIZE;
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
      remove = WS_MINIMIZE | WS_MAXIMIZE;
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
  }
  if (!wasVisible) SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
  setStyle(add, remove);
  if (!wasVisible) {  // a window that appears needs painting
    {
      Guard g(Mutex());
      if (Window* w = FindWindowLocked(hwnd)) InvalidateWholeLocked(w, true);
    }
    EraseShownTopLevel(hwnd);
  }
  if (activate && !child && IsWindow(hwnd)) SetActiveWindow(hwnd);
  return wasVisible;
}
