// MFC's start-up code of an MFC regular DLL (the counterpart of
// dllmodul.cpp), linked statically into every such DLL so that each has its
// own module state, its own AfxGetStaticModuleState and its own DllMain.
//
// Order of events for one DLL:
//   load: before any static object of the DLL is constructed, the DLL's
//     module state becomes current (the previous one is saved), so that
//     the application object's constructor registers itself there. Then
//     LoadLibraryA calls DllMain(DLL_PROCESS_ATTACH): the instance handle
//     is recorded (AfxWinInit) and the application's InitInstance runs, in
//     the DLL's state; a FALSE result runs ExitInstance and fails the load.
//     Either way the saved state is current again afterwards.
//   (On Windows the C runtime's DLL entry point runs the static constructors,
//   this one first by its priority, and then calls DllMain; in the stand-in
//   world LoadLibraryA calls DllMain after dlopen has run them.)
//   unload: DllMain(DLL_PROCESS_DETACH) switches to the DLL's state again
//     and runs ExitInstance; the DLL's static objects are then destroyed in
//     that state, and only after the last of them is the caller's state
//     restored.
#include "afxwin.h"

#include <stdlib.h>

namespace {

LRESULT CALLBACK AfxWndProcDllStatic(HWND, UINT, WPARAM, LPARAM);

// Constant-initialised: ready before any constructor of the DLL runs.
AFX_MODULE_STATE afxModuleState(TRUE, &AfxWndProcDllStatic);

// Messages to the DLL's windows are handled in the DLL's state.
LRESULT CALLBACK AfxWndProcDllStatic(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  AFX_MANAGE_STATE(&afxModuleState);
  return AfxWndProc(hWnd, nMsg, wParam, lParam);
}

// Set while the DLL's state is current for its construction, attach,
// detach or destruction, with the state to go back to. Kept per DLL, so
// that a DLL loaded while another is being constructed nests correctly.
bool g_bStateSwitched = false;
AFX_MODULE_STATE* g_pPrevModuleState = nullptr;

void SwitchToDllState() {
  if (g_bStateSwitched) return;
  g_pPrevModuleState = AfxSetModuleState(&afxModuleState);
  g_bStateSwitched = true;
}

void RestorePreviousModuleState() {
  if (!g_bStateSwitched) return;
  VERIFY(AfxSetModuleState(g_pPrevModuleState) == &afxModuleState);
  g_pPrevModuleState = nullptr;
  g_bStateSwitched = false;
}

// After the DLL's static objects are destroyed (registered before any of
// them): restore the caller's state, drop the DLL's window map.
void TerminateDllState() {
  RestorePreviousModuleState();
  AfxTermModuleState(&afxModuleState);
}

// Runs before the DLL's own static constructors.
__attribute__((constructor(101))) void RawDllAttach() {
  SwitchToDllState();
  atexit(&TerminateDllState);
}

}  // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState() { return &afxModuleState; }

extern "C" AFX_API_EXPORT BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    SwitchToDllState();
    BOOL bResult = FALSE;
    if (AfxWinInit(hInstance, nullptr, const_cast<char*>(""), 0)) {
      CWinApp* pApp = AfxGetApp();
      if (pApp != nullptr && !pApp->InitInstance()) {
        pApp->ExitInstance();
        AfxWinTerm();
      } else {
        bResult = TRUE;
      }
    }
    RestorePreviousModuleState();
    return bResult;
  }
  if (dwReason == DLL_PROCESS_DETACH) {
    SwitchToDllState();
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr) pApp->ExitInstance();
    AfxWinTerm();
  }
  return TRUE;
}
