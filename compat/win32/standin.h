// The Win32 stand-in's own interface, for tests and the stand-in IDE: not
// part of <windows.h>. It drives and observes what a user and the Windows
// shell would: the keyboard, the debug-output channel, message boxes, the
// cursor; it names the module folder and lets a stand-in module (what
// Windows calls a DLL) declare its export and resource tables.
//
// Module names (LoadLibraryA, GetModuleHandleA):
//   - '\' in a name counts as '/'.
//   - A name ending in ".dll" (any case) stands for the shared object with
//     ".so" in its place; a name without an extension gets ".so" appended
//     ("cdki42" and "cdki42.dll" both mean "cdki42.so"); other extensions
//     are kept; a trailing '.' means the name has none ("X." is the file X).
//   - Shared objects that a load brings in with the module are its imports:
//     modules too, attached (DllMain) before it and released after it.
//   - A name without '/' is looked up in the module folder, the folder that
//     holds libolvwin32.so; a name with '/' is a path (relative to the
//     current directory unless absolute).
//   - The file name is matched exactly first, then case-insensitively, as
//     Windows file names are case-insensitive.
//
// Keyboard model: a key event is offered to the WH_KEYBOARD hook chain at
// the moment it happens (on the thread that drives the keyboard), with
// HC_ACTION; a hook returning non-zero swallows it; otherwise the key
// message is posted to the focus window, or as WM_SYSKEYDOWN/WM_SYSKEYUP to
// the active window when no window has the focus. (Windows calls the hook
// when the message is retrieved; for a single user-interface thread the
// difference is not observable, except that HC_NOREMOVE is never passed.)
//
// Message loop model: the stand-in is headless and never blocks. When the
// calling thread's queue holds nothing GetMessageA could return (and no quit
// is pending), GetMessageA fills in WM_QUIT with wParam 0, sets the last
// error to ERROR_NO_MORE_ITEMS and returns 0, so that every message loop
// ends once its work is done.
#ifndef OLVAREN_COMPAT_STANDIN_H
#define OLVAREN_COMPAT_STANDIN_H

#include <string>
#include <vector>

#include "windows.h"

#define STANDIN_VISIBLE __attribute__((visibility("default")))

namespace standin {

// ---------------------------------------------------------------- keyboard
// Each returns false (and does nothing) for a virtual key the device does
// not have. Pressing an already held key is an auto-repeat.
bool KeyDown(UINT vk);
bool KeyUp(UINT vk);                  // releasing a key that is not held does nothing, returns false
bool KeyRepeat(UINT vk, int count = 1);  // auto-repeat key-downs of a held key
bool KeyStroke(UINT vk);              // down then up
// Presses the keys in order and releases them in reverse order, e.g.
// KeyChord({VK_CONTROL, VK_F2}).
bool KeyChord(const std::vector<UINT>& keys);
// Releases every held key (through the normal event path) - for cleanup.
void ReleaseAllKeys();

// ---------------------------------------------------------------- messages
// Retrieves and dispatches (TranslateMessage + DispatchMessageA, through the
// WH_GETMESSAGE hooks) the messages waiting in the calling thread's queue,
// without blocking; stops at WM_QUIT, which it leaves pending. Returns the
// number of messages dispatched.
int RunPendingMessages();

// ---------------------------------------------------------------- code pages
// Sets the system's ANSI code page (GetACP, CP_ACP), as the machine's
// "language for non-Unicode programs" would; false (nothing changes) for a
// code page that is not a single-byte one the stand-in knows (winnls.h).
// The C runtime's multibyte code page follows it at _setmbcp(_MB_CP_ANSI).
bool SetAnsiCodePage(UINT codePage);

// ---------------------------------------------------------------- debug output
// One entry per OutputDebugStringA call, in order.
std::vector<std::string> DebugOutput();
std::vector<std::string> TakeDebugOutput();  // read and clear
void ClearDebugOutput();

// ---------------------------------------------------------------- message boxes
struct MessageBoxRecord {
  HWND owner;
  std::string text;
  std::string caption;
  UINT style;
};
std::vector<MessageBoxRecord> MessageBoxes();
std::vector<MessageBoxRecord> TakeMessageBoxes();  // read and clear
void ClearMessageBoxes();
// MessageBoxA answers with its default button (MB_DEFBUTTONn of the buttons
// that MB_TYPEMASK selects) unless an answer is queued here: the next box
// returns the oldest queued answer.
void QueueMessageBoxAnswer(int id);

// ---------------------------------------------------------------- cursor
// The resource id of the system cursor now shown (32512 = IDC_ARROW,
// 32514 = IDC_WAIT, ...), 0 when none is set or it is not a system cursor.
WORD CurrentCursorId();
// Number of SetCursor calls so far (to see that a cursor was put up and
// taken down again).
int CursorChanges();

// ---------------------------------------------------------------- modules
// The module folder, without a trailing '/'.
std::string ModuleFolder();
// The reason the last failed LoadLibraryA failed, naming the file.
std::string LastModuleError();

// ---------------------------------------------------------------- module tables
struct ExportEntry {
  const char* name;  // may be null: exported by ordinal only
  WORD ordinal;
  FARPROC proc;
};
struct ResourceEntry {
  LPCSTR type;  // MAKEINTRESOURCE(n) (RT_DIALOG, ...) or a name
  LPCSTR name;  // MAKEINTRESOURCE(id) or a name (matched case-insensitively)
  const void* data;
  DWORD size;
};

namespace detail {
// The table belongs to the module whose image holds it.
struct STANDIN_VISIBLE TableRegistration {
  TableRegistration(const ExportEntry* table, size_t count);
  TableRegistration(const ResourceEntry* table, size_t count);
  ~TableRegistration();
  TableRegistration(const TableRegistration&) = delete;
  TableRegistration& operator=(const TableRegistration&) = delete;
  const void* table;
};
}  // namespace detail

}  // namespace standin

// A module's export table, read by GetProcAddress (by name, or by ordinal
// with MAKEINTRESOURCE). At most one per source file; a module may spread
// its table over several files.
//   STANDIN_EXPORTS(
//     STANDIN_EXPORT(1, SWinDesignHookSet),
//     STANDIN_EXPORT_AS(2, "_ErrorLogOpen@0", ErrorLogOpen),
//     STANDIN_EXPORT_NONAME(3, Hidden));
#define STANDIN_EXPORT(ordinal, function) \
  ::standin::ExportEntry { #function, ordinal, reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&function)) }
#define STANDIN_EXPORT_AS(ordinal, name, function) \
  ::standin::ExportEntry { name, ordinal, reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&function)) }
#define STANDIN_EXPORT_NONAME(ordinal, function) \
  ::standin::ExportEntry { nullptr, ordinal, reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&function)) }
#define STANDIN_EXPORTS(...)                                                              \
  static const ::standin::ExportEntry standin_export_table_[] = {__VA_ARGS__};            \
  static const ::standin::detail::TableRegistration standin_export_registration_(         \
      standin_export_table_, sizeof(standin_export_table_) / sizeof(standin_export_table_[0]))

// A module's resource table, read by FindResourceA & co. DATA is an array
// (its size is taken with sizeof).
//   STANDIN_RESOURCES(
//     STANDIN_RESOURCE(RT_DIALOG, MAKEINTRESOURCE(101), dialog101));
#define STANDIN_RESOURCE(type, name, data) \
  ::standin::ResourceEntry { type, name, data, static_cast<DWORD>(sizeof(data)) }
#define STANDIN_RESOURCES(...)                                                             \
  static const ::standin::ResourceEntry standin_resource_table_[] = {__VA_ARGS__};         \
  static const ::standin::detail::TableRegistration standin_resource_registration_(        \
      standin_resource_table_, sizeof(standin_resource_table_) / sizeof(standin_resource_table_[0]))

// A module's entry point is an ordinary visible C function:
//   extern "C" STANDIN_VISIBLE BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID);
// LoadLibraryA calls it with DLL_PROCESS_ATTACH after the first load,
// FreeLibrary with DLL_PROCESS_DETACH before the last unload (lpReserved
// null in both). Modules still loaded at process exit get no detach call.

#endif  // OLVAREN_COMPAT_STANDIN_H
