// Shared internals of the Win32 stand-in's core files: the window tree,
// window classes, the global lock and the plumbing between windows,
// messages, hooks and focus. Not for use outside compat/win32.
#ifndef OLVAREN_COMPAT_WIN32_INTERNAL_H
#define OLVAREN_COMPAT_WIN32_INTERNAL_H

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "standin.h"
#include "windows.h"

namespace olvwin32 {

// One lock guards all stand-in state. It is never held while a window
// procedure, hook or DllMain runs: callers copy what they need, unlock,
// call out, and look the window up again afterwards.
std::recursive_mutex& Mutex();
using Guard = std::lock_guard<std::recursive_mutex>;

struct WindowClass {
  std::string name;  // as registered (compared case-insensitively)
  ATOM atom = 0;
  WNDCLASSA wc{};    // lpszClassName/lpszMenuName point into the strings here
  std::string menuName;
  bool menuIsInt = false;
  int windows = 0;   // live windows of the class
};

struct Window {
  HWND hwnd = nullptr;
  WindowClass* cls = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  HINSTANCE instance = nullptr;
  HWND parent = nullptr;  // the desktop for top-level windows
  HWND owner = nullptr;   // top-level windows only
  std::vector<HWND> children;  // Z order, topmost first
  std::string text;
  RECT rect{};  // in the parent's client coordinates
  std::vector<unsigned char> extra;
  DWORD thread = 0;
  bool destroying = false;  // DestroyWindow has begun
  bool updatePending = false;  // the update region is not empty (paint.cpp)
  bool erasePending = false;   // ... and asks for WM_ERASEBKGND
};

// ---- window tree (window_tree.cpp); *Locked functions need Mutex() held
HWND DesktopHandle();
Window* FindWindowLocked(HWND hwnd);  // null for an invalid handle (sets no error)
Window* CheckedWindowLocked(HWND hwnd);  // likewise, sets ERROR_INVALID_WINDOW_HANDLE
HWND NewHandleLocked();
void InsertWindowLocked(std::unique_ptr<Window> window);
void LinkLocked(Window* w, HWND parent, bool atBottom);
void UnlinkLocked(Window* w);
void EraseWindowLocked(HWND hwnd);
bool IsTopLevelLocked(const Window* w);
HWND RootLocked(HWND hwnd);  // GetAncestor(GA_ROOT)
bool IsDescendantLocked(HWND ancestor, HWND hwnd);  // hwnd == ancestor counts
std::vector<HWND> AllWindowsLocked();

// ---- classes (classes.cpp)
WindowClass* FindClassLocked(LPCSTR nameOrAtom);
bool SameTextNoCase(const char* a, const char* b);

// ---- messages (messages.cpp)
LRESULT CallWindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
bool PostToThread(DWORD thread, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// ---- painting (paint.cpp)
// The window of THREAD that GetMessageA would hand WM_PAINT for: visible,
// with a non-empty update region, matching the window filter; parents
// before their children. Null when none.
HWND NextPaintWindowLocked(DWORD thread, HWND filter);
// Marks a window's whole client area as needing paint (shown, invalidated),
// and its children's unless it clips them.
void InvalidateWholeLocked(Window* w, bool erase);
// A top-level window just shown gets WM_ERASEBKGND at once.
void EraseShownTopLevel(HWND hwnd);

// ---- hooks (hooks.cpp)
// Runs the chain of TYPE for a thread (hooks of that thread and global
// ones), most recently installed first. *ran tells whether any hook ran.
LRESULT CallHookChain(int type, int code, WPARAM wParam, LPARAM lParam, DWORD thread, bool* ran = nullptr);

// ---- focus and activation (focus.cpp)
void ActivateOtherWindow(HWND hwnd);
void DropFocusLocked(HWND hwnd);  // the window is going away: forget focus/active silently
HWND CurrentFocus();
HWND CurrentActive();

// ---- keyboard (keyboard.cpp)
bool KeyIsDown(int vk);

// ---- modules (modules.cpp)
// The loader lock: held through LoadLibraryA/FreeLibrary (DllMain included)
// and while module tables are read or changed. Never taken while Mutex()
// is held.
std::recursive_mutex& LoaderMutex();
HMODULE ModuleOfAddress(const void* address);  // null when no module holds it
HMODULE MainModule();
bool IsModuleHandle(HMODULE module);
// The resource tables a module declared (LoaderMutex() held).
std::vector<std::pair<const standin::ResourceEntry*, size_t>> ResourceTablesOf(HMODULE module);

// ---- code pages (codepages.cpp); tables are built once, kept for the process
struct SingleByteCodePage {
  static constexpr char32_t kUndefined = 0xFFFFFFFF;
  char32_t toUnicode[256];  // kUndefined for a byte the code page leaves out
};
// The table of a single-byte code page; null for UTF-8 and unknown ones.
const SingleByteCodePage* SingleByteTable(UINT codePage);

}  // namespace olvwin32

#endif  // OLVAREN_COMPAT_WIN32_INTERNAL_H
