// Module state in one executable: the base state, switching with
// AFX_MANAGE_STATE (nested scopes restore the state they found), and the
// application object registering in the state current at its construction.
#include <afxwin.h>
#include <gtest/gtest.h>

namespace {

TEST(AfxModuleState, BaseStateHasNoApplication) {
  AFX_MODULE_STATE* pBase = AfxGetModuleState();
  ASSERT_NE(nullptr, pBase);
  EXPECT_FALSE(pBase->m_bDLL);
  EXPECT_EQ(nullptr, AfxGetApp());
  EXPECT_EQ(pBase->m_pfnAfxWndProc, AfxGetAfxWndProc());
}

TEST(AfxManageState, NestedScopesRestoreTheStateTheyFound) {
  AFX_MODULE_STATE a(TRUE, &AfxWndProc), b(TRUE, &AfxWndProc);
  AFX_MODULE_STATE* pBase = AfxGetModuleState();
  {
    AFX_MANAGE_STATE(&a);
    EXPECT_EQ(&a, AfxGetModuleState());
    {
      AFX_MANAGE_STATE(&b);
      EXPECT_EQ(&b, AfxGetModuleState());
      {
        AFX_MANAGE_STATE(&a);  // re-entering a state already on the way
        EXPECT_EQ(&a, AfxGetModuleState());
      }
      EXPECT_EQ(&b, AfxGetModuleState());
    }
    EXPECT_EQ(&a, AfxGetModuleState());
  }
  EXPECT_EQ(pBase, AfxGetModuleState());
}

TEST(AfxSetModuleState, ReturnsThePreviousState) {
  AFX_MODULE_STATE a(TRUE, &AfxWndProc);
  AFX_MODULE_STATE* pOld = AfxSetModuleState(&a);
  EXPECT_EQ(&a, AfxGetModuleState());
  EXPECT_EQ(&a, AfxSetModuleState(pOld));
  EXPECT_NE(&a, AfxGetModuleState());
}

TEST(CWinApp, RegistersInTheStateCurrentAtConstruction) {
  AFX_MODULE_STATE a(TRUE, &AfxWndProc);
  {
    AFX_MANAGE_STATE(&a);
    CWinApp app("Named");
    EXPECT_EQ(&app, AfxGetApp());
    EXPECT_STREQ("Named", app.m_pszAppName);
    EXPECT_TRUE(app.InitInstance());
    EXPECT_EQ(0, app.ExitInstance());
    {
      AFX_MANAGE_STATE(nullptr);  // NULL: the base state
      EXPECT_EQ(nullptr, AfxGetApp());
    }
    EXPECT_EQ(&app, AfxGetApp());
  }
  EXPECT_EQ(nullptr, a.m_pCurrentWinApp);  // the destructor unregistered it
  EXPECT_EQ(nullptr, AfxGetApp());
}

TEST(AfxWinInit, RecordsTheInstanceInStateAndApplication) {
  AFX_MODULE_STATE a(TRUE, &AfxWndProc);
  AFX_MANAGE_STATE(&a);
  CWinApp app;  // no name: the module's file name, once started
  EXPECT_EQ(nullptr, app.m_pszAppName);
  HINSTANCE hExe = ::GetModuleHandleA(NULL);
  ASSERT_TRUE(AfxWinInit(hExe, NULL, const_cast<char*>(""), 0));
  EXPECT_EQ(hExe, AfxGetInstanceHandle());
  EXPECT_EQ(hExe, AfxGetResourceHandle());
  EXPECT_EQ(hExe, app.m_hInstance);
  EXPECT_STREQ("mfc_module_tests", app.m_pszAppName);
  EXPECT_STREQ("mfc_module_tests", AfxGetAppName());
  AfxWinTerm();
}

TEST(AfxModuleStateDeathTest, MisuseAsserts) {
  AFX_MODULE_STATE a(TRUE, &AfxWndProc);
  AFX_MANAGE_STATE(&a);
  EXPECT_DEATH(AfxGetInstanceHandle(), "ASSERT failed");  // not started
  CWinApp app;
  EXPECT_DEATH(CWinApp second, "ASSERT failed");  // one application per module
}

}  // namespace
