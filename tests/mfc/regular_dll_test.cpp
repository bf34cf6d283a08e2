// An MFC regular DLL loaded through LoadLibraryA: its application object
// lives in the DLL's own module state; InitInstance runs at load and
// ExitInstance at FreeLibrary, both in that state; AFX_MANAGE_STATE in an
// export switches to it and back; a failing InitInstance fails the load.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <standin.h>

#include <string>
#include <vector>

#include "../support/MessageRecorder.h"
#include "testdll/test_dll.h"

namespace {

std::vector<std::string> TakeDllLog() { return rec::TakeDebugLines(TESTDLL_LOG_PREFIX); }

class RegularDll : public ::testing::Test {
 protected:
  void SetUp() override { standin::ClearDebugOutput(); }
};

TEST_F(RegularDll, InitInstanceAtLoadExitInstanceAtUnloadInTheDllState) {
  AFX_MODULE_STATE* pCaller = AfxGetModuleState();
  HMODULE h = ::LoadLibraryA("mfctestdll.dll");
  ASSERT_NE(nullptr, h) << standin::LastModuleError();
  EXPECT_EQ((std::vector<std::string>{"InitInstance dll-state app=this instance=set name=mfctestdll"}), TakeDllLog());
  EXPECT_EQ(pCaller, AfxGetModuleState());  // the caller's state is current again
  EXPECT_EQ(nullptr, AfxGetApp());

  ASSERT_TRUE(::FreeLibrary(h));
  // ExitInstance first, then the static objects, all in the DLL's state.
  EXPECT_EQ((std::vector<std::string>{"ExitInstance dll-state app=this", "~CTestDllApp dll-state"}), TakeDllLog());
  EXPECT_EQ(pCaller, AfxGetModuleState());
}

TEST_F(RegularDll, ManagedExportSeesTheDllApplication) {
  HMODULE h = ::LoadLibraryA("mfctestdll.dll");
  ASSERT_NE(nullptr, h) << standin::LastModuleError();
  CWinApp* pApp = TestDllProc<TestDllAppFn>(h, "TestDll_TheApp")();
  ASSERT_NE(nullptr, pApp);
  EXPECT_EQ(pApp, TestDllProc<TestDllAppFn>(h, "TestDll_ManagedApp")());
  EXPECT_EQ(nullptr, TestDllProc<TestDllAppFn>(h, "TestDll_UnmanagedApp")());  // the caller's (base) state
  EXPECT_TRUE(TestDllProc<TestDllNestedFn>(h, "TestDll_NestedStates")());
  EXPECT_EQ(nullptr, AfxGetApp());
  {
    // An export called from inside another module state returns to it.
    AFX_MODULE_STATE other(TRUE, &AfxWndProc);
    AFX_MANAGE_STATE(&other);
    EXPECT_EQ(pApp, TestDllProc<TestDllAppFn>(h, "TestDll_ManagedApp")());
    EXPECT_EQ(&other, AfxGetModuleState());
  }
  ASSERT_TRUE(::FreeLibrary(h));
}

TEST_F(RegularDll, FailingInitInstanceFailsTheLoad) {
  AFX_MODULE_STATE* pCaller = AfxGetModuleState();
  HMODULE h = ::LoadLibraryA("mfctestdllfail.dll");
  EXPECT_EQ(nullptr, h);
  EXPECT_EQ(static_cast<DWORD>(ERROR_DLL_INIT_FAILED), ::GetLastError());
  const std::vector<std::string> log = TakeDllLog();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ("InitInstance dll-state app=this instance=set name=mfctestdllfail", log[0]);
  EXPECT_EQ("ExitInstance dll-state app=this", log[1]);
  EXPECT_EQ("~CTestDllApp dll-state", log.back());  // unloaded again
  EXPECT_EQ(pCaller, AfxGetModuleState());
}

TEST_F(RegularDll, LoadedTwiceAttachesOnce) {
  HMODULE h1 = ::LoadLibraryA("mfctestdll.dll");
  HMODULE h2 = ::LoadLibraryA("mfctestdll.dll");
  ASSERT_NE(nullptr, h1);
  EXPECT_EQ(h1, h2);
  EXPECT_EQ(1u, TakeDllLog().size());
  ASSERT_TRUE(::FreeLibrary(h2));
  EXPECT_TRUE(TakeDllLog().empty());
  ASSERT_TRUE(::FreeLibrary(h1));
  EXPECT_EQ(2u, TakeDllLog().size());
}

}  // namespace
