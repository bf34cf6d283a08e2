// Window classes: RegisterClassA, UnregisterClassA, GetClassInfoA,
// GetClassNameA. Class names are case-insensitive and global to the
// process (the module handle given at registration is kept, not used for
// lookup). RegisterClassA returns an atom from 0xC000 up, usable in place
// of the name.
#include <strings.h>

#include <algorithm>
#include <cstring>
#include <list>

#include "internal.h"

namespace olvwin32 {

namespace {
std::list<WindowClass>& Classes() {
  static auto* classes = new std::list<WindowClass>;
  return *classes;
}
ATOM& NextAtom() {
  static ATOM atom = 0xC000;
  return atom;
}
}  // namespace

bool SameTextNoCase(const char* a, const char* b) { return strcasecmp(a, b) == 0; }

WindowClass* FindClassLocked(LPCSTR nameOrAtom) {
  if (!nameOrAtom) return nullptr;
  for (auto& c : Classes()) {
    if (IS_INTRESOURCE(nameOrAtom) ? c.atom == LOWORD(nameOrAtom) : SameTextNoCase(c.name.c_str(), nameOrAtom))
      return &c;
  }
  return nullptr;
}

}  // namespace olvwin32

using namespace olvwin32;

extern "C" ATOM WINAPI RegisterClassA(const WNDCLASSA* wc) {
  Guard g(Mutex());
  if (!wc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName) || !*wc->lpszClassName ||
      wc->cbWndExtra < 0 || wc->cbClsExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (FindClassLocked(wc->lpszClassName)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  Classes().emplace_back();
  WindowClass& c = Classes().back();
  c.name = wc->lpszClassName;
  c.atom = NextAtom()++;
  c.wc = *wc;
  c.menuIsInt = IS_INTRESOURCE(wc->lpszMenuName);
  if (!c.menuIsInt) c.menuName = wc->lpszMenuName;
  c.wc.lpszClassName = c.name.c_str();
  if (!c.menuIsInt) c.wc.lpszMenuName = c.menuName.c_str();
  return c.atom;
}

extern "C" BOOL WINAPI UnregisterClassA(LPCSTR name, HINSTANCE) {
  Guard g(Mutex());
  WindowClass* c = FindClassLocked(name);
  if (!c) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (c->windows > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  Classes().remove_if([c](const WindowClass& x) { return &x == c; });
  return TRUE;
}

extern "C" BOOL WINAPI GetClassInfoA(HINSTANCE, LPCSTR name, LPWNDCLASSA out) {
  Guard g(Mutex());
  WindowClass* c = FindClassLocked(name);
  if (!c || !out) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *out = c->wc;
  return c->atom;
}

// Copies at most nMaxCount-1 characters and the terminator; returns the
// number copied. A buffer of size 0 receives nothing.
extern "C" int WINAPI GetClassNameA(HWND hwnd, LPSTR buffer, int nMaxCount) {
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w) return 0;
  if (!buffer || nMaxCount <= 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  const std::string& name = w->cls->name;
  size_t n = std::min(name.size(), static_cast<size_t>(nMaxCount - 1));
  std::memcpy(buffer, name.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}
