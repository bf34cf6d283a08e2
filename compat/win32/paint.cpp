// Painting: each window's update region (kept whole-window: a window needs
// painting or not), InvalidateRect, ValidateRect, GetUpdateRect,
// BeginPaint/EndPaint, UpdateWindow, and the search for the window that
// GetMessageA/PeekMessageA return WM_PAINT for. Invalidating a window
// without WS_CLIPCHILDREN invalidates its children too (they lie in its
// client area), and validating one validates them. Showing a top-level
// window erases its background at once; a child's waits for BeginPaint. WM_PAINT is never posted:
// it comes out of the queue, and keeps coming out (PM_REMOVE or not), while
// a visible window has a non-empty update region and no posted message or
// quit is waiting. BeginPaint (DefWindowProcA's WM_PAINT calls it) and
// ValidateRect empty the region. There is no drawing: the HDC is a token.
#include "internal.h"

using namespace olvwin32;

namespace {

bool VisibleLocked(Window* w) {
  for (; w; w = FindWindowLocked(w->parent))
    if (!(w->style & WS_VISIBLE)) return false;
  return true;
}

void ValidateWholeLocked(Window* w) {
  w->updatePending = false;
  w->erasePending = false;
  if (w->style & WS_CLIPCHILDREN) return;
  for (HWND child : w->children)
    if (Window* c = FindWindowLocked(child)) ValidateWholeLocked(c);
}

RECT ClientOf(const Window* w) {
  return RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
}

// Depth first, topmost first, parents before children.
HWND SearchLocked(HWND hwnd, DWORD thread) {
  Window* w = FindWindowLocked(hwnd);
  if (!w || !(w->style & WS_VISIBLE)) return nullptr;
  if (w->updatePending && w->thread == thread) return hwnd;
  for (HWND child : w->children)
    if (HWND found = SearchLocked(child, thread)) return found;
  return nullptr;
}

}  // namespace

namespace olvwin32 {

void InvalidateWholeLocked(Window* w, bool erase) {
  w->updatePending = true;
  if (erase) w->erasePending = true;
  if (w->style & WS_CLIPCHILDREN) return;
  for (HWND child : w->children)
    if (Window* c = FindWindowLocked(child)) InvalidateWholeLocked(c, erase);
}

HWND NextPaintWindowLocked(DWORD thread, HWND filter) {
  if (filter == reinterpret_cast<HWND>(-1)) return nullptr;  // thread messages only
  if (filter) {
    Window* w = FindWindowLocked(filter);
    if (!w || !VisibleLocked(w)) return nullptr;
    return SearchLocked(filter, thread);
  }
  Window* desktop = FindWindowLocked(DesktopHandle());
  if (!desktop) return nullptr;
  for (HWND top : desktop->children)
    if (HWND found = SearchLocked(top, thread)) return found;
  return nullptr;
}

}  // namespace olvwin32

// A null window invalidates every window (Windows repaints them all).
extern "C" BOOL WINAPI InvalidateRect(HWND hwnd, const RECT*, BOOL erase) {
  Guard g(Mutex());
  if (!hwnd) {
    for (HWND h : AllWindowsLocked())
      if (Window* w = FindWindowLocked(h); w && h != DesktopHandle()) InvalidateWholeLocked(w, erase);
    return TRUE;
  }
  Window* w = CheckedWindowLocked(hwnd);
  if (!w) return FALSE;
  InvalidateWholeLocked(w, erase);
  return TRUE;
}

// A rectangle that leaves part of the client area out validates nothing
// here (Windows would subtract it from the region).
extern "C" BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect) {
  Guard g(Mutex());
  if (!hwnd) return TRUE;  // Windows then repaints all windows; nothing to validate
  Window* w = CheckedWindowLocked(hwnd);
  if (!w) return FALSE;
  RECT c = ClientOf(w);
  if (!rect || (rect->left <= c.left && rect->top <= c.top && rect->right >= c.right && rect->bottom >= c.bottom))
    ValidateWholeLocked(w);
  return TRUE;
}

extern "C" BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w) return FALSE;
  if (rect) *rect = w->updatePending ? ClientOf(w) : RECT{0, 0, 0, 0};
  return w->updatePending ? TRUE : FALSE;
}

// Empties the update region; WM_ERASEBKGND goes first when the region asked
// for erasing (fErase then tells whether the procedure left it undone).
extern "C" HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
  bool erase;
  RECT paint;
  {
    Guard g(Mutex());
    Window* w = CheckedWindowLocked(hwnd);
    if (!w || !ps) return nullptr;
    erase = w->erasePending;
    paint = w->updatePending ? ClientOf(w) : RECT{0, 0, 0, 0};
    w->updatePending = false;
    w->erasePending = false;
  }
  HDC dc = reinterpret_cast<HDC>(hwnd);
  *ps = PAINTSTRUCT{};
  ps->hdc = dc;
  ps->rcPaint = paint;
  ps->fErase = TRUE;
  if (erase) ps->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
  return dc;
}

extern "C" BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT*) { return TRUE; }

// Sends WM_PAINT at once to the window and then to its descendants, each
// that is visible and has something to paint.
extern "C" BOOL WINAPI UpdateWindow(HWND hwnd) {
  bool paint;
  std::vector<HWND> children;
  {
    Guard g(Mutex());
    Window* w = CheckedWindowLocked(hwnd);
    if (!w) return FALSE;
    paint = w->updatePending && VisibleLocked(w);
    children = w->children;
  }
  if (paint) SendMessageA(hwnd, WM_PAINT, 0, 0);
  for (HWND child : children)
    if (IsWindow(child)) UpdateWindow(child);
  return TRUE;
}

namespace olvwin32 {

void EraseShownTopLevel(HWND hwnd) {
  {
    Guard g(Mutex());
    Window* w = FindWindowLocked(hwnd);
    if (!w || !w->erasePending || !IsTopLevelLocked(w)) return;
    w->erasePending = false;
  }
  SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hwnd), 0);
}

}  // namespace olvwin32
