// The test MFC regular DLL's interface: what its exports do and the debug
// output lines ("[testdll] ...") through which it reports what ran where.
#pragma once

#include <afxwin.h>

// Exports (by name):
//   TestDll_TheApp()            -> CWinApp*: the DLL's application object
//   TestDll_ManagedApp()        -> CWinApp*: AfxGetApp() inside AFX_MANAGE_STATE(AfxGetStaticModuleState())
//   TestDll_UnmanagedApp()      -> CWinApp*: AfxGetApp() without switching
//   TestDll_NestedStates()      -> BOOL: nested AFX_MANAGE_STATE scopes restore correctly
//   TestDll_OpenDialog(HWND)    -> HWND: creates the modeless test dialog (template 101)
//   TestDll_AttachedControl(HWND, int id) -> BOOL: the dialog's control id is attached to its member
//   TestDll_DialogObjects()     -> int: test dialogs alive
typedef CWinApp* (*TestDllAppFn)();
typedef BOOL (*TestDllNestedFn)();
typedef HWND (*TestDllOpenDialogFn)(HWND);
typedef BOOL (*TestDllAttachedControlFn)(HWND, int);
typedef int (*TestDllDialogObjectsFn)();

enum { IDD_TESTDLG = 101, IDC_TEST_FIND = 1000, IDC_TEST_PATTERN = 1001, IDC_TEST_CHECK = 1002 };

// An export of the test DLL as its function type.
template <class F>
F TestDllProc(HMODULE hModule, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(hModule, name)));
}

// The prefix of the DLL's debug-output lines.
#define TESTDLL_LOG_PREFIX "[testdll] "

// Writes TESTDLL_LOG_PREFIX + the formatted text to the debug output.
void TestDllLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
