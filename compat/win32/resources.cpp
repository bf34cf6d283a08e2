// Resources: FindResourceA, LoadResource, LockResource, SizeofResource over
// the resource tables modules declare (standin.h). Types and names match as
// in Windows: integer ids by value, "#123" as the id 123, strings
// case-insensitively. A null module means the executable.
#include <strings.h>

#include <cstdlib>

#include "internal.h"

using namespace olvwin32;

namespace {

bool SameResourceName(LPCSTR declared, LPCSTR wanted) {
  if (!IS_INTRESOURCE(wanted) && wanted[0] == '#') {
    char* end = nullptr;
    unsigned long id = std::strtoul(wanted + 1, &end, 10);
    if (end && *end == '\0' && id <= 0xFFFF) wanted = MAKEINTRESOURCEA(id);
  }
  if (IS_INTRESOURCE(declared) || IS_INTRESOURCE(wanted)) return declared == wanted;
  return strcasecmp(declared, wanted) == 0;
}

const standin::ResourceEntry* KnownEntry(HMODULE module, HRSRC res) {
  for (auto& t : ResourceTablesOf(module))
    for (size_t i = 0; i < t.second; ++i)
      if (reinterpret_cast<HRSRC>(const_cast<standin::ResourceEntry*>(&t.first[i])) == res) return &t.first[i];
  return nullptr;
}

}  // namespace

extern "C" HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  if (!module) module = MainModule();
  if (!IsModuleHandle(module)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (!name || !type) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  bool typeSeen = false;
  for (auto& t : ResourceTablesOf(module)) {
    for (size_t i = 0; i < t.second; ++i) {
      const standin::ResourceEntry& e = t.first[i];
      if (!SameResourceName(e.type, type)) continue;
      typeSeen = true;
      if (SameResourceName(e.name, name))
        return reinterpret_cast<HRSRC>(const_cast<standin::ResourceEntry*>(&e));
    }
  }
  SetLastError(typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
  return nullptr;
}

extern "C" HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC res) {
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  const standin::ResourceEntry* e = KnownEntry(module ? module : MainModule(), res);
  if (!e) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return const_cast<void*>(e->data);
}

extern "C" LPVOID WINAPI LockResource(HGLOBAL data) { return data; }

extern "C" DWORD WINAPI SizeofResource(HMODULE module, HRSRC res) {
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  const standin::ResourceEntry* e = KnownEntry(module ? module : MainModule(), res);
  if (!e) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return e->size;
}

// Obsolete in Win32: nothing to free; FALSE means success.
extern "C" BOOL WINAPI FreeResource(HGLOBAL) { return FALSE; }
