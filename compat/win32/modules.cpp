// Modules: LoadLibraryA/FreeLibrary (dlopen/dlclose with reference counts
// and DllMain), GetModuleHandleA(Ex), GetModuleFileNameA, GetProcAddress
// (the module's declared export table, by name or ordinal), and the
// registry of the export/resource tables stand-in modules declare. An
// HMODULE is the address where the module's image starts. Module names are
// mapped to files as standin.h describes.
#include <dirent.h>
#include <dlfcn.h>
#include <link.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "internal.h"

using namespace olvwin32;

namespace {

typedef BOOL(WINAPI* DllMainProc)(HINSTANCE, DWORD, LPVOID);

struct Module {
  std::string path;  // canonical
  void* handle;
  HMODULE base;
  int refs;
  bool attached;  // loaded by us (DllMain applies), not already present
};

struct Registered {
  const void* table;
  size_t count;
  bool exports;
  HMODULE module;
};

struct Loader {
  std::vector<Module> modules;
  std::vector<Registered> tables;
  std::string lastError;
};

Loader& L() {
  static auto* l = new Loader;
  return *l;
}

std::string Canonical(const std::string& path) {
  char buf[PATH_MAX];
  return realpath(path.c_str(), buf) ? std::string(buf) : path;
}

std::string BaseName(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "X.dll" -> "X.so", "X" -> "X.so", other extensions kept; '\' -> '/'.
std::string MapName(const char* name) {
  std::string s(name);
  std::replace(s.begin(), s.end(), '\\', '/');
  std::string base = BaseName(s);
  size_t dot = base.rfind('.');
  if (dot == std::string::npos) return s + ".so";
  if (dot + 1 == base.size()) return s.substr(0, s.size() - 1) + ".so";  // "X." means no extension
  if (strcasecmp(base.c_str() + dot, ".dll") == 0) return s.substr(0, s.size() - 4) + ".so";
  return s;
}

// The file for a mapped name: exact match first, then case-insensitive.
std::string Locate(const std::string& mapped) {
  std::string dir, file;
  size_t slash = mapped.rfind('/');
  if (slash == std::string::npos) {
    dir = standin::ModuleFolder();
    file = mapped;
  } else {
    dir = slash == 0 ? "/" : mapped.substr(0, slash);
    file = mapped.substr(slash + 1);
  }
  std::string exact = dir + "/" + file;
  if (access(exact.c_str(), F_OK) == 0) return exact;
  std::string found;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      if (strcasecmp(e->d_name, file.c_str()) == 0) {
        found = dir + "/" + e->d_name;
        break;
      }
    }
    closedir(d);
  }
  return found;
}

HMODULE BaseOfHandle(void* handle) {
  link_map* lm = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &lm) != 0 || !lm) return nullptr;
  Dl_info info;
  if (!dladdr(reinterpret_cast<void*>(lm->l_ld), &info)) return nullptr;
  return static_cast<HMODULE>(info.dli_fbase);
}

Module* FindLoaded(HMODULE base) {
  for (auto& m : L().modules)
    if (m.base == base) return &m;
  return nullptr;
}

// A symbol of the module itself, not one of a library it depends on.
void* OwnSymbol(void* handle, HMODULE base, const char* name) {
  void* sym = dlsym(handle, name);
  if (!sym) return nullptr;
  return ModuleOfAddress(sym) == base ? sym : nullptr;
}

BOOL CallDllMain(const Module& m, DWORD reason) {
  void* sym = OwnSymbol(m.handle, m.base, "DllMain");
  if (!sym) return TRUE;
  return reinterpret_cast<DllMainProc>(sym)(reinterpret_cast<HINSTANCE>(m.base), reason, nullptr);
}

void Fail(DWORD code, std::string message) {
  L().lastError = std::move(message);
  SetLastError(code);
}

struct PhdrSearch {
  std::string wanted;  // basename, compared case-insensitively
  HMODULE found = nullptr;
};

int FindByBaseName(dl_phdr_info* info, size_t, void* data) {
  auto* s = static_cast<PhdrSearch*>(data);
  if (!info->dlpi_name || !*info->dlpi_name) return 0;
  if (strcasecmp(BaseName(info->dlpi_name).c_str(), s->wanted.c_str()) != 0) return 0;
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    if (info->dlpi_phdr[i].p_type != PT_LOAD) continue;
    Dl_info di;
    if (dladdr(reinterpret_cast<void*>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr), &di))
      s->found = static_cast<HMODULE>(di.dli_fbase);
    return 1;
  }
  return 0;
}

}  // namespace

namespace olvwin32 {

std::recursive_mutex& LoaderMutex() {
  static auto* m = new std::recursive_mutex;
  return *m;
}

HMODULE ModuleOfAddress(const void* address) {
  Dl_info info;
  if (!address || !dladdr(address, &info)) return nullptr;
  return static_cast<HMODULE>(info.dli_fbase);
}

HMODULE MainModule() {
  static HMODULE main = [] {
    void* self = dlopen(nullptr, RTLD_NOW);
    return self ? BaseOfHandle(self) : nullptr;
  }();
  return main;
}

bool IsModuleHandle(HMODULE module) { return module && ModuleOfAddress(module) == module; }

std::vector<std::pair<const standin::ResourceEntry*, size_t>> ResourceTablesOf(HMODULE module) {
  std::vector<std::pair<const standin::ResourceEntry*, size_t>> out;
  for (auto& t : L().tables)
    if (!t.exports && t.module == module)
      out.emplace_back(static_cast<const standin::ResourceEntry*>(t.table), t.count);
  return out;
}

}  // namespace olvwin32

standin::detail::TableRegistration::TableRegistration(const ExportEntry* t, size_t count) : table(t) {
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  L().tables.push_back({t, count, true, ModuleOfAddress(t)});
}

standin::detail::TableRegistration::TableRegistration(const ResourceEntry* t, size_t count) : table(t) {
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  L().tables.push_back({t, count, false, ModuleOfAddress(t)});
}

standin::detail::TableRegistration::~TableRegistration() {
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  auto& ts = L().tables;
  ts.erase(std::remove_if(ts.begin(), ts.end(), [this](const Registered& r) { return r.table == table; }), ts.end());
}

std::string standin::ModuleFolder() {
  static const std::string folder = [] {
    Dl_info info;
    if (!dladdr(reinterpret_cast<void*>(&LoadLibraryA), &info) || !info.dli_fname) return std::string(".");
    std::string path = Canonical(info.dli_fname);
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : path.substr(0, slash);
  }();
  return folder;
}

std::string standin::LastModuleError() {
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  return L().lastError;
}

extern "C" HMODULE WINAPI LoadLibraryA(LPCSTR name) {
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  if (!name || !*name) {
    Fail(ERROR_INVALID_PARAMETER, "LoadLibraryA: no module name");
    return nullptr;
  }
  std::string mapped = MapName(name);
  std::string file = Locate(mapped);
  if (file.empty()) {
    std::string where = mapped.find('/') == std::string::npos ? standin::ModuleFolder() + "/" + mapped : mapped;
    Fail(ERROR_MOD_NOT_FOUND, std::string("LoadLibraryA(\"") + name + "\"): no file " + where);
    return nullptr;
  }
  std::string path = Canonical(file);
  for (auto& m : L().modules)
    if (m.path == path) {
      m.refs++;
      return m.base;
    }
  void* present = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (present) dlclose(present);
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    Fail(ERROR_MOD_NOT_FOUND, std::string("LoadLibraryA(\"") + name + "\"): " + (why ? why : path));
    return nullptr;
  }
  HMODULE base = BaseOfHandle(handle);
  L().modules.push_back({path, handle, base, 1, present == nullptr});
  Module m = L().modules.back();
  if (m.attached && !CallDllMain(m, DLL_PROCESS_ATTACH)) {
    CallDllMain(m, DLL_PROCESS_DETACH);
    auto& ms = L().modules;
    ms.erase(std::remove_if(ms.begin(), ms.end(), [base](const Module& x) { return x.base == base; }), ms.end());
    dlclose(handle);
    Fail(ERROR_DLL_INIT_FAILED, std::string("LoadLibraryA(\"") + name + "\"): DllMain of " + path + " failed");
    return nullptr;
  }
  return base;
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE module) {
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  Module* m = FindLoaded(module);
  if (!m) {
    SetLastError(IsModuleHandle(module) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE);
    return IsModuleHandle(module);  // a module the process started with stays
  }
  if (--m->refs > 0) return TRUE;
  Module copy = *m;
  if (copy.attached) CallDllMain(copy, DLL_PROCESS_DETACH);
  auto& ms = L().modules;
  ms.erase(std::remove_if(ms.begin(), ms.end(), [module](const Module& x) { return x.base == module; }), ms.end());
  dlclose(copy.handle);
  return TRUE;
}

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR name) {
  if (!name) return MainModule();
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  std::string mapped = MapName(name);
  if (mapped.find('/') != std::string::npos) {
    std::string file = Locate(mapped);
    std::string path = file.empty() ? mapped : Canonical(file);
    for (auto& m : L().modules)
      if (m.path == path) return m.base;
    mapped = BaseName(path);
  }
  for (auto& m : L().modules)
    if (strcasecmp(BaseName(m.path).c_str(), mapped.c_str()) == 0) return m.base;
  PhdrSearch search{mapped};
  dl_iterate_phdr(FindByBaseName, &search);
  if (search.found) return search.found;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

extern "C" BOOL WINAPI GetModuleHandleExA(DWORD flags, LPCSTR name, HMODULE* out) {
  if (!out) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  HMODULE m = (flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) ? ModuleOfAddress(name) : GetModuleHandleA(name);
  *out = m;
  if (!m) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
  }
  if (!(flags & (GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT | GET_MODULE_HANDLE_EX_FLAG_PIN)))
    if (Module* loaded = FindLoaded(m)) loaded->refs++;
  return TRUE;
}

// Copies at most nSize-1 characters and the terminator; a path that does
// not fit gives nSize and ERROR_INSUFFICIENT_BUFFER.
extern "C" DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
  std::string path;
  if (!module) {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n > 0) path.assign(buf, static_cast<size_t>(n));
  } else {
    Dl_info info;
    if (!IsModuleHandle(module) || !dladdr(module, &info) || !info.dli_fname) {
      SetLastError(ERROR_MOD_NOT_FOUND);
      return 0;
    }
    path = module == MainModule() ? std::string() : Canonical(info.dli_fname);
    if (path.empty()) return GetModuleFileNameA(nullptr, buffer, size);
  }
  if (!buffer || size == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  size_t n = std::min<size_t>(path.size(), size - 1);
  std::memcpy(buffer, path.data(), n);
  buffer[n] = '\0';
  if (path.size() >= size) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  return static_cast<DWORD>(n);
}

extern "C" BOOL WINAPI DisableThreadLibraryCalls(HMODULE module) { return IsModuleHandle(module); }

// By MAKEINTRESOURCE(ordinal) or by name (case-sensitive) in the module's
// export table. A module that declares no table exports by name the
// visible C symbols of its own image.
extern "C" FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name) {
  std::lock_guard<std::recursive_mutex> g(LoaderMutex());
  if (!module) module = MainModule();
  if (!IsModuleHandle(module)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  if (!name) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  bool hasTable = false;
  for (auto& t : L().tables) {
    if (!t.exports || t.module != module) continue;
    hasTable = true;
    auto* e = static_cast<const standin::ExportEntry*>(t.table);
    for (size_t i = 0; i < t.count; ++i) {
      if (IS_INTRESOURCE(name) ? e[i].ordinal == LOWORD(name) : (e[i].name && std::strcmp(e[i].name, name) == 0))
        return e[i].proc;
    }
  }
  if (!hasTable && !IS_INTRESOURCE(name)) {
    void* handle = nullptr;
    bool opened = false;
    if (Module* m = FindLoaded(module)) {
      handle = m->handle;
    } else if (module == MainModule()) {
      handle = dlopen(nullptr, RTLD_NOW);
      opened = handle != nullptr;
    } else {
      Dl_info info;
      if (dladdr(module, &info) && info.dli_fname) {
        handle = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
        opened = handle != nullptr;
      }
    }
    void* sym = handle ? OwnSymbol(handle, module, name) : nullptr;
    if (opened) dlclose(handle);
    if (sym) return reinterpret_cast<FARPROC>(sym);
  }
  SetLastError(ERROR_PROC_NOT_FOUND);
  return nullptr;
}
