// The window tree: handles, the desktop window, parent/child/owner links and
// Z order, and the functions that walk them (GetWindow, GetParent,
// GetAncestor, IsChild, SetParent, FindWindowExA, EnumChildWindows,
// EnumWindows). New child windows go to the bottom of their siblings' Z
// order, new top-level windows to the top, as CreateWindowEx does.
#include <algorithm>
#include <unordered_map>

#include "internal.h"

namespace olvwin32 {

namespace {

struct Tree {
  std::unordered_map<HWND, std::unique_ptr<Window>> windows;
  uintptr_t nextHandle = 0x10010;
  WindowClass desktopClass;
  HWND desktop = nullptr;
};

Tree& TheTree() {
  static Tree* tree = [] {
    auto* t = new Tree;
    t->desktopClass.name = "#32769";
    t->desktopClass.atom = 32769;
    auto d = std::make_unique<Window>();
    d->hwnd = reinterpret_cast<HWND>(t->nextHandle);
    t->nextHandle += 4;
    d->cls = &t->desktopClass;
    d->style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    d->rect = RECT{0, 0, 1024, 768};
    t->desktop = d->hwnd;
    t->windows.emplace(d->hwnd, std::move(d));
    return t;
  }();
  return *tree;
}

}  // namespace

std::recursive_mutex& Mutex() {
  static auto* m = new std::recursive_mutex;
  return *m;
}

HWND DesktopHandle() { return TheTree().desktop; }

Window* FindWindowLocked(HWND hwnd) {
  auto& ws = TheTree().windows;
  auto it = ws.find(hwnd);
  return it == ws.end() ? nullptr : it->second.get();
}

Window* CheckedWindowLocked(HWND hwnd) {
  Window* w = FindWindowLocked(hwnd);
  if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w;
}

HWND NewHandleLocked() {
  HWND h = reinterpret_cast<HWND>(TheTree().nextHandle);
  TheTree().nextHandle += 4;  // handles are never reused
  return h;
}

void InsertWindowLocked(std::unique_ptr<Window> window) {
  HWND h = window->hwnd;
  TheTree().windows.emplace(h, std::move(window));
}

void LinkLocked(Window* w, HWND parent, bool atBottom) {
  w->parent = parent;
  auto& sib = FindWindowLocked(parent)->children;
  if (atBottom)
    sib.push_back(w->hwnd);
  else
    sib.insert(sib.begin(), w->hwnd);
}

void UnlinkLocked(Window* w) {
  Window* p = FindWindowLocked(w->parent);
  if (!p) return;
  auto& sib = p->children;
  sib.erase(std::remove(sib.begin(), sib.end(), w->hwnd), sib.end());
}

void EraseWindowLocked(HWND hwnd) { TheTree().windows.erase(hwnd); }

bool IsTopLevelLocked(const Window* w) { return w->parent == DesktopHandle(); }

HWND RootLocked(HWND hwnd) {
  Window* w = FindWindowLocked(hwnd);
  if (!w || hwnd == DesktopHandle()) return nullptr;
  while (!IsTopLevelLocked(w)) w = FindWindowLocked(w->parent);
  return w->hwnd;
}

bool IsDescendantLocked(HWND ancestor, HWND hwnd) {
  for (Window* w = FindWindowLocked(hwnd); w; w = FindWindowLocked(w->parent))
    if (w->hwnd == ancestor) return true;
  return false;
}

std::vector<HWND> AllWindowsLocked() {
  std::vector<HWND> out;
  for (auto& kv : TheTree().windows)
    if (kv.first != DesktopHandle()) out.push_back(kv.first);
  return out;
}

}  // namespace olvwin32

using namespace olvwin32;

extern "C" HWND WINAPI GetDesktopWindow(void) {
  Guard g(Mutex());
  return DesktopHandle();
}

extern "C" BOOL WINAPI IsWindow(HWND hwnd) {
  Guard g(Mutex());
  return FindWindowLocked(hwnd) != nullptr;
}

extern "C" BOOL WINAPI IsChild(HWND parent, HWND hwnd) {
  Guard g(Mutex());
  Window* w = FindWindowLocked(hwnd);
  if (!w || hwnd == parent) return FALSE;
  // Only the chain of WS_CHILD windows counts.
  while (w && (w->style & WS_CHILD)) {
    if (w->parent == parent) return TRUE;
    w = FindWindowLocked(w->parent);
  }
  return FALSE;
}

// A child's parent; a pop-up's owner; null for other top-level windows.
extern "C" HWND WINAPI GetParent(HWND hwnd) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w || hwnd == DesktopHandle()) return nullptr;
  if (w->style & WS_CHILD) return w->parent;
  if (w->style & WS_POPUP) return w->owner;
  return nullptr;
}

extern "C" HWND WINAPI GetAncestor(HWND hwnd, UINT flags) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w || hwnd == DesktopHandle()) return nullptr;
  switch (flags) {
    case GA_PARENT:
      return w->parent;
    case GA_ROOT:
      return RootLocked(hwnd);
    case GA_ROOTOWNER: {
      HWND h = hwnd;
      for (;;) {
        HWND p = GetParent(h);
        if (!p) return h;
        h = p;
      }
    }
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

extern "C" HWND WINAPI GetWindow(HWND hwnd, UINT cmd) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w) return nullptr;
  switch (cmd) {
    case GW_CHILD:
      return w->children.empty() ? nullptr : w->children.front();
    case GW_OWNER:
      return IsTopLevelLocked(w) ? w->owner : nullptr;
    case GW_HWNDFIRST:
    case GW_HWNDLAST:
    case GW_HWNDNEXT:
    case GW_HWNDPREV: {
      if (hwnd == DesktopHandle()) return nullptr;
      auto& sib = FindWindowLocked(w->parent)->children;
      if (sib.empty()) return nullptr;
      if (cmd == GW_HWNDFIRST) return sib.front();
      if (cmd == GW_HWNDLAST) return sib.back();
      auto it = std::find(sib.begin(), sib.end(), hwnd);
      if (it == sib.end()) return nullptr;
      if (cmd == GW_HWNDNEXT) return ++it == sib.end() ? nullptr : *it;
      return it == sib.begin() ? nullptr : *--it;
    }
    case GW_ENABLEDPOPUP:
      return nullptr;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

extern "C" HWND WINAPI GetTopWindow(HWND hwnd) {
  return GetWindow(hwnd ? hwnd : GetDesktopWindow(), GW_CHILD);
}

// The window keeps its styles; it goes to the top of its new siblings.
extern "C" HWND WINAPI SetParent(HWND child, HWND newParent) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(child);
  if (!w || child == DesktopHandle()) return nullptr;
  if (!newParent) newParent = DesktopHandle();
  if (!CheckedWindowLocked(newParent)) return nullptr;
  if (IsDescendantLocked(child, newParent)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HWND old = w->parent;
  UnlinkLocked(w);
  LinkLocked(w, newParent, false);
  if (newParent != DesktopHandle()) w->owner = nullptr;
  return old;
}

// Children of PARENT (the desktop when null) in Z order, starting after
// CHILDAFTER; class names compare case-insensitively (or by atom), titles
// compare case-insensitively with the window's own text (no WM_GETTEXT).
extern "C" HWND WINAPI FindWindowExA(HWND parent, HWND childAfter, LPCSTR cls, LPCSTR title) {
  Guard g(Mutex());
  if (parent == HWND_MESSAGE) return nullptr;
  Window* p = CheckedWindowLocked(parent ? parent : DesktopHandle());
  if (!p) return nullptr;
  auto it = p->children.begin();
  if (childAfter) {
    it = std::find(p->children.begin(), p->children.end(), childAfter);
    if (it == p->children.end()) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    ++it;
  }
  WindowClass* wanted = nullptr;
  if (cls) {
    wanted = FindClassLocked(cls);
    if (!wanted) return nullptr;
  }
  for (; it != p->children.end(); ++it) {
    Window* w = FindWindowLocked(*it);
    if (wanted && w->cls != wanted) continue;
    if (title && !SameTextNoCase(w->text.c_str(), title)) continue;
    return *it;
  }
  return nullptr;
}

extern "C" HWND WINAPI FindWindowA(LPCSTR cls, LPCSTR title) { return FindWindowExA(nullptr, nullptr, cls, title); }

namespace {
std::vector<HWND> ChildrenSnapshot(HWND hwnd) {
  Guard g(Mutex());
  Window* w = FindWindowLocked(hwnd);
  return w ? w->children : std::vector<HWND>{};
}

// Depth first: each window, then everything below it, then its next
// sibling. A window's child list is taken before the callback sees it.
BOOL EnumLevel(const std::vector<HWND>& list, WNDENUMPROC fn, LPARAM lp) {
  for (HWND h : list) {
    if (!IsWindow(h)) continue;
    std::vector<HWND> below = ChildrenSnapshot(h);
    BOOL ok = fn(h, lp);
    if (ok && !below.empty()) ok = EnumLevel(below, fn, lp);
    if (!ok) return FALSE;
  }
  return TRUE;
}
}  // namespace

extern "C" BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC fn, LPARAM lp) {
  if (!fn) return FALSE;
  if (parent && !IsWindow(parent)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  std::vector<HWND> list = ChildrenSnapshot(parent ? parent : GetDesktopWindow());
  if (list.empty()) return FALSE;
  return EnumLevel(list, fn, lp);
}

extern "C" BOOL WINAPI EnumWindows(WNDENUMPROC fn, LPARAM lp) {
  if (!fn) return FALSE;
  for (HWND h : ChildrenSnapshot(GetDesktopWindow()))
    if (!fn(h, lp)) return FALSE;
  return TRUE;
}

extern "C" BOOL WINAPI EnumThreadWindows(DWORD thread, WNDENUMPROC fn, LPARAM lp) {
  if (!fn) return FALSE;
  std::vector<HWND> list;
  {
    Guard g(Mutex());
    for (HWND h : FindWindowLocked(DesktopHandle())->children)
      if (FindWindowLocked(h)->thread == thread) list.push_back(h);
  }
  for (HWND h : list)
    if (!fn(h, lp)) return FALSE;
  return !list.empty();
}
