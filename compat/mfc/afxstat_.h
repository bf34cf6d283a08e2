// Module state: which MFC module (the executable's base state or one MFC
// regular DLL) the current thread is running in, with that module's
// application object, instance and resource handles and window map.
//
// Each MFC regular DLL has its own AFX_MODULE_STATE, defined in the small
// static library that the DLL links (see src/dllmodule.cpp), returned by
// its AfxGetStaticModuleState(). Entries of such a DLL that are called from
// outside begin with AFX_MANAGE_STATE(AfxGetStaticModuleState()), which
// switches to the DLL's state and restores the caller's on scope exit.
#pragma once

#include <windows.h>

#include "afxver_.h"

class CWinApp;
class CHandleMap;

struct AFX_CLASS_EXPORT AFX_MODULE_STATE {
  constexpr AFX_MODULE_STATE(BOOL bDLL, WNDPROC pfnAfxWndProc)
      : m_bDLL(bDLL), m_pfnAfxWndProc(pfnAfxWndProc) {}

  CWinApp* m_pCurrentWinApp = nullptr;        // the module's one application object
  HINSTANCE m_hCurrentInstanceHandle = nullptr;
  HINSTANCE m_hCurrentResourceHandle = nullptr;
  const char* m_lpszCurrentAppName = nullptr;
  BOOL m_bDLL;                                // TRUE for an MFC regular DLL's state
  WNDPROC m_pfnAfxWndProc;                    // window procedure that enters this state
  CHandleMap* m_pmapHWND = nullptr;           // HWND -> CWnd, made on first use
};

class CWnd;

// Per-thread: the current module state (NULL: the base state), the one
// saved while a DLL attaches or detaches, and the window-procedure
// bookkeeping (the message being handled, for CWnd::Default; the window
// being created, for the creation hook; the dialog whose control
// notifications UpdateData holds back).
struct AFX_CLASS_EXPORT _AFX_THREAD_STATE {
  AFX_MODULE_STATE* m_pModuleState = nullptr;
  AFX_MODULE_STATE* m_pPrevModuleState = nullptr;
  MSG m_lastSentMsg = {};
  CWnd* m_pWndInit = nullptr;
  HHOOK m_hHookOldCbtFilter = nullptr;
  HWND m_hLockoutNotifyWindow = nullptr;
};

AFX_API_EXPORT _AFX_THREAD_STATE* AFXAPI AfxGetThreadState();
// The current module state; the base state when none was set.
AFX_API_EXPORT AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
// Makes pNewState current and returns the previous one (possibly NULL).
AFX_API_EXPORT AFX_MODULE_STATE* AFXAPI AfxSetModuleState(AFX_MODULE_STATE* pNewState);
// The state of the module that links MFC's DLL start-up code. Defined in
// that static part, so every MFC regular DLL gets its own.
AFX_MODULE_PRIVATE AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState();

struct AFX_CLASS_EXPORT AFX_MAINTAIN_STATE2 {
  explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pModuleState);
  ~AFX_MAINTAIN_STATE2();
  AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
  AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

 protected:
  AFX_MODULE_STATE* m_pPrevModuleState;
  _AFX_THREAD_STATE* m_pThreadState;
};

#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p);

// Shortcuts into the current module state.
AFX_API_EXPORT CWinApp* AFXAPI AfxGetApp();
AFX_API_EXPORT HINSTANCE AFXAPI AfxGetInstanceHandle();  // ASSERTs when not set
AFX_API_EXPORT HINSTANCE AFXAPI AfxGetResourceHandle();  // ASSERTs when not set
AFX_API_EXPORT void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
AFX_API_EXPORT const char* AFXAPI AfxGetAppName();
AFX_API_EXPORT WNDPROC AFXAPI AfxGetAfxWndProc();

// Start-up and termination of a module: AfxWinInit records the instance
// handle in the current module state and its application object;
// AfxWinTerm frees the state's temporary window objects and window map.
AFX_API_EXPORT BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, char* lpCmdLine, int nCmdShow);
AFX_API_EXPORT void AFXAPI AfxWinTerm();
// Final clean-up of a module state after its module's static objects are
// gone: frees its window map. Called by MFC's DLL start-up code.
AFX_API_EXPORT void AFXAPI AfxTermModuleState(AFX_MODULE_STATE* pModuleState);
