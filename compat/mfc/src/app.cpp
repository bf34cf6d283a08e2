// CWinThread and CWinApp (registration in the module state, start-up
// handles, the wait cursor), AfxWinInit, and CWaitCursor.
#include "afxwin.h"

#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinThread::CWinThread() : m_nThreadID(::GetCurrentThreadId()) {}

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return 0; }

CWinApp::CWinApp(LPCTSTR lpszAppName) {
  if (lpszAppName != nullptr) m_pszAppName = strdup(lpszAppName);
  AFX_MODULE_STATE* pModuleState = m_pModuleState;
  ASSERT(pModuleState->m_pCurrentWinApp == nullptr);  // only one CWinApp object per module
  pModuleState->m_pCurrentWinApp = this;
}

CWinApp::~CWinApp() {
  AFX_MODULE_STATE* pModuleState = m_pModuleState;
  if (pModuleState->m_lpszCurrentAppName == m_pszAppName) pModuleState->m_lpszCurrentAppName = nullptr;
  if (pModuleState->m_pCurrentWinApp == this) pModuleState->m_pCurrentWinApp = nullptr;
  free(const_cast<char*>(m_pszAppName));
  free(const_cast<char*>(m_pszExeName));
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::SetCurrentHandles() {
  ASSERT(this == AfxGetApp());
  char szBuff[MAX_PATH] = {};
  const DWORD dwRet = ::GetModuleFileName(m_hInstance, szBuff, MAX_PATH);
  ASSERT(dwRet != 0 && dwRet < MAX_PATH);
  // The title: the file name without folder and extension.
  const char* pszTitle = szBuff;
  for (const char* p = szBuff; *p != '\0'; ++p) {
    if (*p == '/' || *p == '\\') pszTitle = p + 1;
  }
  CString title(pszTitle);
  const int nDot = title.ReverseFind('.');
  if (nDot > 0) title = title.Left(nDot);
  if (m_pszExeName == nullptr) m_pszExeName = strdup(title);
  if (m_pszAppName == nullptr) m_pszAppName = strdup(m_pszExeName);
  AfxGetModuleState()->m_lpszCurrentAppName = m_pszAppName;
}

void CWinApp::DoWaitCursor(int nCode) {
  ASSERT(nCode == 0 || nCode == 1 || nCode == -1);
  static HCURSOR hcurWait = ::LoadCursor(nullptr, IDC_WAIT);
  ASSERT(hcurWait != nullptr);
  m_nWaitCursorCount += nCode;
  if (m_nWaitCursorCount > 0) {
    HCURSOR hcurPrev = ::SetCursor(hcurWait);
    if (nCode > 0 && m_nWaitCursorCount == 1) m_hcurWaitCursorRestore = hcurPrev;
  } else {
    m_nWaitCursorCount = 0;  // prevent underflow
    ::SetCursor(m_hcurWaitCursorRestore);
  }
}

void CCmdTarget::BeginWaitCursor() {
  CWinApp* pApp = AfxGetApp();
  ASSERT(pApp != nullptr);
  pApp->DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor() {
  CWinApp* pApp = AfxGetApp();
  ASSERT(pApp != nullptr);
  pApp->DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor() {
  CWinApp* pApp = AfxGetApp();
  ASSERT(pApp != nullptr);
  pApp->DoWaitCursor(0);
}

CWaitCursor::CWaitCursor() {
  CWinApp* pApp = AfxGetApp();
  ASSERT(pApp != nullptr);
  pApp->BeginWaitCursor();
}

CWaitCursor::~CWaitCursor() {
  CWinApp* pApp = AfxGetApp();
  ASSERT(pApp != nullptr);
  pApp->EndWaitCursor();
}

void CWaitCursor::Restore() {
  CWinApp* pApp = AfxGetApp();
  ASSERT(pApp != nullptr);
  pApp->RestoreWaitCursor();
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, char* lpCmdLine, int nCmdShow) {
  AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
  pModuleState->m_hCurrentInstanceHandle = hInstance;
  pModuleState->m_hCurrentResourceHandle = hInstance;
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr) {
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    pApp->SetCurrentHandles();
  }
  return TRUE;
}
