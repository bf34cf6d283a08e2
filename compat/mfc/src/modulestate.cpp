// Module and thread state: the base module state of whatever loaded MFC,
// the per-thread current state, switching with AFX_MANAGE_STATE, and the
// shortcuts that read the current state.
#include "afxwin.h"

namespace {

AFX_MODULE_STATE g_baseModuleState(FALSE, &AfxWndProc);
thread_local _AFX_THREAD_STATE t_threadState;

}  // namespace

_AFX_THREAD_STATE* AfxGetThreadState() { return &t_threadState; }

AFX_MODULE_STATE* AfxGetModuleState() {
  AFX_MODULE_STATE* pState = t_threadState.m_pModuleState;
  return pState != nullptr ? pState : &g_baseModuleState;
}

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pNewState) {
  AFX_MODULE_STATE* pPrevState = t_threadState.m_pModuleState;
  t_threadState.m_pModuleState = pNewState;
  return pPrevState;
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pModuleState)
    : m_pPrevModuleState(nullptr), m_pThreadState(AfxGetThreadState()) {
  m_pPrevModuleState = m_pThreadState->m_pModuleState;
  m_pThreadState->m_pModuleState = pModuleState;
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { m_pThreadState->m_pModuleState = m_pPrevModuleState; }

CWinApp* AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

HINSTANCE AfxGetInstanceHandle() {
  HINSTANCE hInstance = AfxGetModuleState()->m_hCurrentInstanceHandle;
  ASSERT(hInstance != nullptr);
  return hInstance;
}

HINSTANCE AfxGetResourceHandle() {
  HINSTANCE hResource = AfxGetModuleState()->m_hCurrentResourceHandle;
  ASSERT(hResource != nullptr);
  return hResource;
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
  ASSERT(hInstResource != nullptr);
  AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

const char* AfxGetAppName() { return AfxGetModuleState()->m_lpszCurrentAppName; }

WNDPROC AfxGetAfxWndProc() { return AfxGetModuleState()->m_pfnAfxWndProc; }
