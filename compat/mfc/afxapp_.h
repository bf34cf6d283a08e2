// The application object (CWinThread, CWinApp) of a module and the wait
// cursor (CWaitCursor).
#pragma once

#include "afxwnd_.h"

class AFX_CLASS_EXPORT CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)

 public:
  CWinThread();

  CWnd* m_pMainWnd = nullptr;
  DWORD m_nThreadID = 0;

  virtual BOOL InitInstance();  // FALSE: a plain thread has nothing to start
  virtual int ExitInstance();
};

// One per module, constructed as a static object. The constructor records
// it in the module state that is current (for an MFC regular DLL: the
// DLL's own, see AfxGetStaticModuleState); MFC's start-up code then calls
// InitInstance, and ExitInstance at termination.
class AFX_CLASS_EXPORT CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)

 public:
  explicit CWinApp(LPCTSTR lpszAppName = NULL);  // the name is copied
  ~CWinApp() override;

  HINSTANCE m_hInstance = nullptr;
  LPTSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = 0;
  // The name given to the constructor; else, once started, the module's
  // file name without folder and extension.
  LPCTSTR m_pszAppName = nullptr;
  LPCTSTR m_pszExeName = nullptr;

  BOOL InitInstance() override;  // TRUE
  int ExitInstance() override;   // 0

  // Wait cursor: nCode 1 begins (shows IDC_WAIT, remembering the cursor
  // shown before the outermost begin), -1 ends (restores that cursor when
  // the count drops to zero), 0 shows the wait cursor again while counting.
  virtual void DoWaitCursor(int nCode);

  // Called by AfxWinInit: module file name, application name.
  void SetCurrentHandles();

  int m_nWaitCursorCount = 0;
  HCURSOR m_hcurWaitCursorRestore = nullptr;
};

class AFX_CLASS_EXPORT CWaitCursor {
 public:
  CWaitCursor();   // AfxGetApp()->BeginWaitCursor()
  ~CWaitCursor();  // AfxGetApp()->EndWaitCursor()
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  void Restore();
};
