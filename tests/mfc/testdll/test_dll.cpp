// The test MFC regular DLL: an application object that reports where its
// InitInstance, ExitInstance and destructor run, and exports that look at
// the module state from inside the DLL.
#include "test_dll.h"

#include <standin.h>

#include <stdarg.h>

void TestDllLog(const char* format, ...) {
  va_list args;
  va_start(args, format);
  CString text;
  text.FormatV(format, args);
  va_end(args);
  ::OutputDebugStringA(TESTDLL_LOG_PREFIX + text);
}

class CTestDllApp : public CWinApp {
 public:
  BOOL InitInstance() override;
  int ExitInstance() override;
  ~CTestDllApp() override;
};

CTestDllApp theApp;

namespace {

const char* Where() {
  return AfxGetModuleState() == AfxGetStaticModuleState() ? "dll-state" : "other-state";
}

}  // namespace

BOOL CTestDllApp::InitInstance() {
  TestDllLog("InitInstance %s app=%s instance=%s name=%s", Where(), AfxGetApp() == this ? "this" : "other",
             AfxGetInstanceHandle() == m_hInstance && m_hInstance != NULL ? "set" : "unset", m_pszAppName);
#ifdef TESTDLL_FAIL_INIT
  return FALSE;
#else
  return CWinApp::InitInstance();
#endif
}

int CTestDllApp::ExitInstance() {
  TestDllLog("ExitInstance %s app=%s", Where(), AfxGetApp() == this ? "this" : "other");
  return CWinApp::ExitInstance();
}

CTestDllApp::~CTestDllApp() { TestDllLog("~CTestDllApp %s", Where()); }

namespace {

CWinApp* TheApp() { return &theApp; }

CWinApp* ManagedApp() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  return AfxGetApp();
}

CWinApp* UnmanagedApp() { return AfxGetApp(); }

BOOL InnerScope(AFX_MODULE_STATE* pOuter) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  const BOOL bInside = AfxGetModuleState() == AfxGetStaticModuleState();
  {
    AFX_MANAGE_STATE(pOuter);
    if (AfxGetModuleState() != pOuter) return FALSE;
  }
  return bInside && AfxGetModuleState() == AfxGetStaticModuleState();
}

BOOL NestedStates() {
  AFX_MODULE_STATE* pCaller = AfxGetModuleState();
  const BOOL bInner = InnerScope(pCaller);
  return bInner && AfxGetModuleState() == pCaller;
}

}  // namespace

HWND OpenTestDialog(HWND hWndParent);
BOOL AttachedControl(HWND hDlg, int nID);
int DialogObjects();

#ifdef _WIN32
// On Windows the exports are named in the DLL's .def file.
extern "C" {
CWinApp* TestDll_TheApp() { return TheApp(); }
CWinApp* TestDll_ManagedApp() { return ManagedApp(); }
CWinApp* TestDll_UnmanagedApp() { return UnmanagedApp(); }
BOOL TestDll_NestedStates() { return NestedStates(); }
HWND TestDll_OpenDialog(HWND hWndParent) { return OpenTestDialog(hWndParent); }
BOOL TestDll_AttachedControl(HWND hDlg, int nID) { return AttachedControl(hDlg, nID); }
int TestDll_DialogObjects() { return DialogObjects(); }
}
#endif

STANDIN_EXPORTS(STANDIN_EXPORT_AS(1, "TestDll_TheApp", TheApp), STANDIN_EXPORT_AS(2, "TestDll_ManagedApp", ManagedApp),
                STANDIN_EXPORT_AS(3, "TestDll_UnmanagedApp", UnmanagedApp),
                STANDIN_EXPORT_AS(4, "TestDll_NestedStates", NestedStates),
                STANDIN_EXPORT_AS(5, "TestDll_OpenDialog", OpenTestDialog),
                STANDIN_EXPORT_AS(6, "TestDll_AttachedControl", AttachedControl),
                STANDIN_EXPORT_AS(7, "TestDll_DialogObjects", DialogObjects));
