// Modules: LoadLibraryA/FreeLibrary with reference counts and DllMain, the
// mapping of Windows module names to shared objects in the module folder,
// GetProcAddress by name and ordinal, resources, and the executable's own
// tables.
#include <gtest/gtest.h>
#include <standin.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "../support/WineMarks.h"

namespace {

#ifdef _WIN32
const char kSlash[] = "\\";
#else
const char kSlash[] = "/";
#endif

std::vector<std::string> Debug() { return standin::TakeDebugOutput(); }

class Modules : public ::testing::Test {
 protected:
  void SetUp() override { standin::ClearDebugOutput(); }
  void TearDown() override {
    EXPECT_EQ(GetModuleHandleA("olvtest_a.dll"), nullptr) << "a test left olvtest_a loaded";
    standin::ClearDebugOutput();
  }
};

TEST_F(Modules, ModuleFolderHoldsTheStandIn) {
  STANDIN_ONLY("the module folder is where libolvwin32 lies");
  EXPECT_EQ(standin::ModuleFolder(), std::string(OLVAREN_MODULE_DIR));
}

// DllMain runs with DLL_PROCESS_ATTACH at the first load and
// DLL_PROCESS_DETACH at the last release; loads in between only count.
TEST_F(Modules, DllMainAndReferenceCounts) {
  HMODULE first = LoadLibraryA("olvtest_a.dll");
  ASSERT_NE(first, nullptr) << standin::LastModuleError();
  EXPECT_EQ(Debug(), (std::vector<std::string>{"olvtest_a: attach"}));
  auto instance = reinterpret_cast<HINSTANCE (*)()>(GetProcAddress(first, "Instance"));
  ASSERT_NE(instance, nullptr);
  EXPECT_EQ(instance(), first);  // DllMain got the module handle

  HMODULE second = LoadLibraryA("OLVTEST_A.DLL");
  EXPECT_EQ(second, first);
  EXPECT_EQ(GetModuleHandleA("olvtest_a"), first);
  EXPECT_TRUE(FreeLibrary(second));
  EXPECT_TRUE(Debug().empty());
  EXPECT_EQ(GetModuleHandleA("olvtest_a.dll"), first);  // still loaded
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_EQ(Debug(), (std::vector<std::string>{"olvtest_a: detach"}));
  EXPECT_EQ(GetModuleHandleA("olvtest_a.dll"), nullptr);
  EXPECT_EQ(GetProcAddress(first, "Instance"), nullptr);
  EXPECT_FALSE(FreeLibrary(first));
}

// Every spelling of the name finds the same file: ".dll" stands for ".so",
// no extension means ".so" (a trailing '.' means none), the file name matches case-insensitively, and
// a name with a path is used as a path ('\' counts as '/').
TEST_F(Modules, NameMapping) {
  HMODULE module = LoadLibraryA("olvtest_a.dll");
  ASSERT_NE(module, nullptr);
  const std::string dir = standin::ModuleFolder();
  const std::string names[] = {"olvtest_a", "OLVTEST_A.DLL", "olvtest_a.so", dir + "/olvtest_a.dll",
                               dir + "\\OLVTEST_A.dll"};
  for (const std::string& name : names) {
#ifdef _WIN32
    if (name.find(".so") != std::string::npos) continue;  // the shared-object spelling is the stand-in's
#endif
    EXPECT_EQ(LoadLibraryA(name.c_str()), module) << name;
    FreeLibrary(module);
  }
  FreeLibrary(module);
  Debug();
  // A trailing '.' means the name has no extension: the file "olvtest_a".
  EXPECT_EQ(LoadLibraryA("OlvTest_A."), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));

  HMODULE mixed = LoadLibraryA("olvtest_mixed.dll");  // the file is OlvTest_Mixed.so
  ASSERT_NE(mixed, nullptr) << standin::LastModuleError();
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(mixed, path, sizeof path);
#ifdef _WIN32
  EXPECT_EQ(lstrcmpiA(path, (dir + kSlash + "OlvTest_Mixed.dll").c_str()), 0) << path;
#else
  EXPECT_EQ(std::string(path, n), dir + kSlash + "OlvTest_Mixed.so");
#endif
  EXPECT_TRUE(FreeLibrary(mixed));
}

TEST_F(Modules, MissingModule) {
  EXPECT_EQ(LoadLibraryA("nosuchmodule.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
#ifndef _WIN32  // the stand-in's own account of the failure
  EXPECT_NE(standin::LastModuleError().find("nosuchmodule.so"), std::string::npos) << standin::LastModuleError();
#endif
  EXPECT_EQ(GetModuleHandleA("nosuchmodule.dll"), nullptr);
}

// A DllMain that fails the attach gets the detach, and the load fails.
TEST_F(Modules, RefusedAttach) {
  EXPECT_EQ(LoadLibraryA("olvtest_refuse.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
  EXPECT_EQ(Debug(), (std::vector<std::string>{"olvtest_refuse: attach", "olvtest_refuse: detach"}));
  EXPECT_EQ(GetModuleHandleA("olvtest_refuse.dll"), nullptr);
}

TEST_F(Modules, GetProcAddressByNameAndOrdinal) {
  HMODULE m = LoadLibraryA("olvtest_a.dll");
  ASSERT_NE(m, nullptr);
  typedef int (*Binary)(int, int);
  struct Case {
    LPCSTR name;
    const char* what;
    bool found;
  };
  const Case cases[] = {
      {"Add", "name", true},
      {"_Mul@8", "decorated name", true},
      {"Mul", "undecorated form of a decorated export", false},
      {"add", "names are case-sensitive", false},
      {MAKEINTRESOURCEA(1), "ordinal 1", true},
      {MAKEINTRESOURCEA(3), "ordinal-only export", true},
      {"Hidden", "name of an ordinal-only export", false},
      {MAKEINTRESOURCEA(9), "unknown ordinal", false},
      {"olvtest_a_visible", "visible symbol not in the table", false},
  };
  for (const Case& c : cases) {
#ifdef _WIN32
    if (c.name == cases[8].name) continue;  // an image's visible symbols are the stand-in's; on Windows it is exported
#endif
    SetLastError(0);
    FARPROC p = GetProcAddress(m, c.name);
    EXPECT_EQ(p != nullptr, c.found) << c.what;
    if (!c.found) {
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND)) << c.what;
    }
  }
  EXPECT_EQ(reinterpret_cast<Binary>(GetProcAddress(m, "Add"))(2, 3), 5);
  EXPECT_EQ(reinterpret_cast<Binary>(GetProcAddress(m, "_Mul@8"))(2, 3), 6);
  EXPECT_EQ(GetProcAddress(m, MAKEINTRESOURCEA(1)), GetProcAddress(m, "Add"));
  EXPECT_EQ(reinterpret_cast<int (*)()>(GetProcAddress(m, MAKEINTRESOURCEA(3)))(), 42);
  FreeLibrary(m);
  Debug();
}

// A module without a table of its own exports its own visible symbols by
// name, and its functions by ordinal in name order; the entry point and
// symbols of a library it depends on are not its. Loading it loads that
// library as an import, whose DllMain runs first; releasing it releases
// the import.
TEST_F(Modules, ImportsAndDependencySymbols) {
  HMODULE mixed = LoadLibraryA("OlvTest_Mixed.dll");
  ASSERT_NE(mixed, nullptr) << standin::LastModuleError();
  EXPECT_EQ(Debug(), (std::vector<std::string>{"olvtest_a: attach"}));
  EXPECT_NE(GetModuleHandleA("olvtest_a.dll"), nullptr);
  auto value = reinterpret_cast<int (*)()>(GetProcAddress(mixed, "MixedValue"));
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value(), 8);
  EXPECT_EQ(GetProcAddress(mixed, "olvtest_a_visible"), nullptr);
  EXPECT_EQ(GetProcAddress(mixed, "DllMain"), nullptr);
  EXPECT_EQ(reinterpret_cast<FARPROC>(value), GetProcAddress(mixed, MAKEINTRESOURCEA(1)));
  EXPECT_EQ(GetProcAddress(mixed, MAKEINTRESOURCEA(2)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));

  // A second reference to the import keeps it past the module's release.
  HMODULE a = LoadLibraryA("olvtest_a.dll");
  EXPECT_EQ(a, GetModuleHandleA("olvtest_a.dll"));
  EXPECT_TRUE(FreeLibrary(mixed));
  EXPECT_TRUE(Debug().empty());
  EXPECT_TRUE(FreeLibrary(a));
  EXPECT_EQ(Debug(), (std::vector<std::string>{"olvtest_a: detach"}));
}

TEST_F(Modules, ReleasingTheModuleDetachesItsImports) {
  HMODULE mixed = LoadLibraryA("OlvTest_Mixed.dll");
  ASSERT_NE(mixed, nullptr) << standin::LastModuleError();
  Debug();
  EXPECT_TRUE(FreeLibrary(mixed));
  EXPECT_EQ(Debug(), (std::vector<std::string>{"olvtest_a: detach"}));
}

TEST_F(Modules, Resources) {
  HMODULE m = LoadLibraryA("olvtest_a.dll");
  ASSERT_NE(m, nullptr);
  HRSRC r = FindResourceA(m, MAKEINTRESOURCEA(101), RT_DIALOG);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(FindResourceA(m, "#101", RT_DIALOG), r);
  EXPECT_EQ(SizeofResource(m, r), 7u);
  auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(m, r)));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[6], 7);

  HRSRC named = FindResourceA(m, "SETTINGS", RT_RCDATA);
  ASSERT_NE(named, nullptr);
  EXPECT_STREQ(static_cast<const char*>(LockResource(LoadResource(m, named))), "settings-data");

  EXPECT_EQ(FindResourceA(m, MAKEINTRESOURCEA(102), RT_DIALOG), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(FindResourceA(m, MAKEINTRESOURCEA(101), RT_MENU), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
  FreeLibrary(m);
  Debug();
}

// The executable is a module too: its handle, tables and file name (on
// Windows its export and resource come from win32_tests.def and .rc).
extern "C" int ExeExport() { return 11; }
const char kExeData[] = "exe";
STANDIN_EXPORTS(STANDIN_EXPORT(5, ExeExport));
STANDIN_RESOURCES(STANDIN_RESOURCE(RT_RCDATA, MAKEINTRESOURCE(7), kExeData));

TEST_F(Modules, ExecutableModule) {
  HMODULE exe = GetModuleHandleA(nullptr);
  ASSERT_NE(exe, nullptr);
  HMODULE fromAddress = nullptr;
  EXPECT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                 reinterpret_cast<LPCSTR>(&ExeExport), &fromAddress));
  EXPECT_EQ(fromAddress, exe);
  EXPECT_EQ(reinterpret_cast<int (*)()>(GetProcAddress(exe, MAKEINTRESOURCEA(5)))(), 11);
  EXPECT_EQ(reinterpret_cast<int (*)()>(GetProcAddress(nullptr, "ExeExport"))(), 11);
  HRSRC r = FindResourceA(nullptr, MAKEINTRESOURCEA(7), RT_RCDATA);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(SizeofResource(nullptr, r), 4u);

  // GetModuleFileNameA truncates to size-1 characters and reports it.
  char full[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, full, sizeof full);
  ASSERT_GT(n, 5u);
  EXPECT_NE(std::string(full).find("win32_tests"), std::string::npos);
  char small[5] = "####";
  SetLastError(0);
  EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), sizeof small);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(std::string(small, 4), std::string(full, 4));
  // "the string is truncated to nSize characters including the terminating
  // null character" (GetModuleFileNameA); Wine fills all five with text.
  TODO_WINE(EXPECT_EQ(small[4], '\0'));
}

}  // namespace
