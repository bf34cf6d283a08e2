// Cursors and icons: LoadCursorA/LoadIconA of the system cursors and icons
// (a null instance and an IDC_/IDI_ id) give one fixed handle per id;
// SetCursor/GetCursor keep the cursor now shown, observable through
// standin::CurrentCursorId.
#include <map>

#include "internal.h"
#include "standin.h"

using namespace olvwin32;

namespace {
struct CursorState {
  HCURSOR current = nullptr;
  int changes = 0;
};
CursorState& State() {
  static auto* s = new CursorState;
  return *s;
}

// System cursor handles encode their id; icons use another range.
constexpr uintptr_t kCursorBase = 0x70000;
constexpr uintptr_t kIconBase = 0x90000;

bool IsSystemCursorId(WORD id) {
  return (id >= 32512 && id <= 32516) || (id >= 32640 && id <= 32651 && id != 32647);
}
}  // namespace

extern "C" HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
  if (!instance && IS_INTRESOURCE(name) && IsSystemCursorId(LOWORD(name)))
    return reinterpret_cast<HCURSOR>(kCursorBase + LOWORD(name));
  if (instance && FindResourceA(instance, name, RT_GROUP_CURSOR))
    return reinterpret_cast<HCURSOR>(FindResourceA(instance, name, RT_GROUP_CURSOR));
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return nullptr;
}

extern "C" HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
  if (!instance && IS_INTRESOURCE(name) && LOWORD(name) >= 32512 && LOWORD(name) <= 32518)
    return reinterpret_cast<HICON>(kIconBase + LOWORD(name));
  if (instance && FindResourceA(instance, name, RT_GROUP_ICON))
    return reinterpret_cast<HICON>(FindResourceA(instance, name, RT_GROUP_ICON));
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return nullptr;
}

extern "C" HCURSOR WINAPI SetCursor(HCURSOR cursor) {
  Guard g(Mutex());
  HCURSOR previous = State().current;
  State().current = cursor;
  State().changes++;
  return previous;
}

extern "C" HCURSOR WINAPI GetCursor(void) {
  Guard g(Mutex());
  return State().current;
}

WORD standin::CurrentCursorId() {
  auto v = reinterpret_cast<uintptr_t>(GetCursor());
  if (v > kCursorBase && v <= kCursorBase + 0xFFFF && IsSystemCursorId(static_cast<WORD>(v - kCursorBase)))
    return static_cast<WORD>(v - kCursorBase);
  return 0;
}

int standin::CursorChanges() {
  Guard g(Mutex());
  return State().changes;
}
