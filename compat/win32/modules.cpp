// Modules: LoadLibraryA/FreeLibrary (dlopen/dlclose with reference counts
// and DllMain), GetModuleHandleA(Ex), GetModuleFileNameA, GetProcAddress
// (the module's declared export table, by name or ordinal), and the
// registry of the export/resource tables stand-in modules declare. An
// HMODULE is the address where the module's image starts. Module names are
// mapped to files as standin.h describes. A module's imports (the shared
// objects the load brought in with it) are modules too: their DllMain runs
// before the module's, and they are released after it.
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
  std::vector<HMODULE> imports;  // brought in by this module's load, released with it
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
  if (dot + 1 == base.size()) return s.substr(0, s.size() - 1);  // "X." means the file X: no extension
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

// The number of entries of a dynamic symbol table, from its GNU hash table
// (the last chain ends the table).
size_t GnuHashSymbolCount(const Elf32_Word* hash) {
  const Elf32_Word buckets = hash[0], symOffset = hash[1], bloomWords = hash[2];
  const auto* bucket = reinterpret_cast<const Elf32_Word*>(reinterpret_cast<const ElfW(Addr)*>(hash + 4) + bloomWords);
  const Elf32_Word* chain = bucket + buckets;
  Elf32_Word last = 0;
  for (Elf32_Word b = 0; b < buckets; ++b) last = std::max(last, bucket[b]);
  if (last < symOffset) return symOffset;
  while (!(chain[last - symOffset] & 1)) ++last;
  return last + 1;
}

// What a module without a table of its own exports: the functions of its
// own image in its dynamic symbol table, in name order, so that export n
// (from 1) has ordinal n, as a linker numbers the exports it is not told
// the ordinals of.
std::vector<std::string> OwnExportNames(void* handle, HMODULE base) {
  std::vector<std::string> names;
  link_map* lm = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &lm) != 0 || !lm) return names;
  const ElfW(Sym)* symtab = nullptr;
  const char* strtab = nullptr;
  size_t count = 0;
  auto address = [lm](ElfW(Addr) p) { return p < lm->l_addr ? p + lm->l_addr : p; };
  for (const ElfW(Dyn)* d = lm->l_ld; d->d_tag != DT_NULL; ++d) {
    if (d->d_tag == DT_SYMTAB) symtab = reinterpret_cast<const ElfW(Sym)*>(address(d->d_un.d_ptr));
    if (d->d_tag == DT_STRTAB) strtab = reinterpret_cast<const char*>(address(d->d_un.d_ptr));
    if (d->d_tag == DT_HASH) count = reinterpret_cast<const Elf32_Word*>(address(d->d_un.d_ptr))[1];
    if (d->d_tag == DT_GNU_HASH && count == 0)
      count = GnuHashSymbolCount(reinterpret_cast<const Elf32_Word*>(address(d->d_un.d_ptr)));
  }
  if (!symtab || !strtab) return names;
  for (size_t i = 1; i < count; ++i) {
    const ElfW(Sym)& sym = symtab[i];
    if (sym.st_shndx == SHN_UNDEF || ELF64_ST_TYPE(sym.st_info) != STT_FUNC) continue;
    if (ELF64_ST_VISIBILITY(sym.st_other) != STV_DEFAULT) continue;
    const char* name = strtab + sym.st_name;
    if (!std::strcmp(name, "_init") || !std::strcmp(name, "_fini")) continue;
    if (OwnSymbol(handle, base, name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

int CollectLoaded(dl_phdr_info* info, size_t, void* data) {
  if (info->dlpi_name && *info->dlpi_name) static_cast<std::vector<std::string>*>(data)->push_back(info->dlpi_name);
  return 0;
}

std::vector<std::string> LoadedObjects() {
  std::vector<std::string> names;
  dl_iterate_phdr(CollectLoaded, &names);
  return names;
}

// Releases one reference of a module; the last one detaches it, unloads it
// and then releases its imports.
void Release(HMODULE module) {
  Module* m = FindLoaded(module);
  if (!m || --m->refs > 0) return;
  Module copy = *m;
  if (copy.attached) CallDllMain(copy, DLL_PROCESS_DETACH);
  auto& ms = L().modules;
  ms.erase(std::remove_if(ms.begin(), ms.end(), [module](const Module& x) { return x.base == module; }), ms.end());
  dlclose(copy.handle);
  for (HMODULE import : copy.imports) Release(import);
}

// The shared objects that appeared with a load, other than the module
// itself, become modules of their own (a reference each, held by the
// module); in load order, so a dependency comes after what needs it.
std::vector<HMODULE> AdoptImports(const std::vector<std::string>& before, const std::string& path) {
  std::vector<HMODULE> imports;
  for (const std::string& name : LoadedObjects()) {
    if (std::find(before.begin(), before.end(), name) != before.end()) continue;
    std::string canonical = Canonical(name);
    if (canonical == path) continue;
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle) continue;
    HMODULE base = BaseOfHandle(handle);
    if (Module* known = FindLoaded(base)) {  // already a module: one more reference
      known->refs++;
      dlclose(handle);
    } else {
      L().modules.push_back({canonical, handle, base, 1, true, {}});
    }
    imports.push_back(base);
  }
  return imports;
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
  const std::vector<std::string> before = LoadedObjects();
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    Fail(ERROR_MOD_NOT_FOUND, std::string("LoadLibraryA(\"") + name + "\"): " + (why ? why : path));
    return nullptr;
  }
  HMODULE base = BaseOfHandle(handle);
  std::vector<HMODULE> imports = present ? std::vector<HMODULE>() : AdoptImports(before, path);
  L().modules.push_back({path, handle, base, 1, present == nullptr, imports});
  // Imports are attached first, the deepest dependency first.
  std::vector<HMODULE> order(imports.rbegin(), imports.rend());
  order.push_back(base);
  for (size_t i = 0; i < order.size(); ++i) {
    Module* m = FindLoaded(order[i]);
    if (!m || !m->attached || m->refs > 1 || CallDllMain(*m, DLL_PROCESS_ATTACH)) continue;
    std::string failed = m->path;
    CallDllMain(*m, DLL_PROCESS_DETACH);
    for (size_t j = i; j < order.size(); ++j)  // never attached: no detach at the release
      if (Module* later = FindLoaded(order[j])) later->attached = false;
    Release(base);
    Fail(ERROR_DLL_INIT_FAILED, std::string("LoadLibraryA(\"") + name + "\"): DllMain of " + failed + " failed");
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
  Release(module);
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
// export table. A module that declares no table exports the visible symbols
// of its own image: by name, and its functions by ordinal in name order.
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
  if (!hasTable) {
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
    void* sym = nullptr;
    if (handle && IS_INTRESOURCE(name)) {
      std::vector<std::string> exports = OwnExportNames(handle, module);
      WORD ordinal = LOWORD(name);
      if (ordinal >= 1 && ordinal <= exports.size()) sym = OwnSymbol(handle, module, exports[ordinal - 1].c_str());
    } else if (handle) {
      sym = OwnSymbol(handle, module, name);
    }
    if (opened) dlclose(handle);
    if (sym) return reinterpret_cast<FARPROC>(sym);
  }
  SetLastError(ERROR_PROC_NOT_FOUND);
  return nullptr;
}
