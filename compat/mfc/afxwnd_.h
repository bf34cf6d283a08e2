// CCmdTarget (message-map owner, command routing, wait cursor) and CWnd
// (an HWND wrapper with MFC's handle map, subclassing through AfxWndProc
// and message-map dispatch).
#pragma once

#include "afx.h"
#include "afxmsg_.h"

class CDataExchange;

class AFX_CLASS_EXPORT CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  CCmdTarget();

  // Looks nID/nCode up in the message map chain (nCode: notification code
  // in the low word, message in the high word; 0 means WM_COMMAND) and
  // calls the handler. FALSE when no entry matches.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

  // The wait cursor of the application of the current module state.
  void BeginWaitCursor();
  void EndWaitCursor();
  void RestoreWaitCursor();

  // Module state current when the object was constructed.
  AFX_MODULE_STATE* m_pModuleState;

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};

// Extra data of a WM_NOTIFY command routed through OnCmdMsg.
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

// CWnd::m_nFlags bits.
#define WF_CONTINUEMODAL 0x0004
#define WF_MODALLOOP 0x0008

// Message that identifies a window procedure as MFC's.
#define WM_QUERYAFXWNDPROC 0x0360

class AFX_CLASS_EXPORT CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)

 public:
  CWnd();
  // A window still attached is destroyed (with a TRACE), as MFC does.
  ~CWnd() override;

  HWND m_hWnd = nullptr;
  operator HWND() const { return m_hWnd; }
  HWND GetSafeHwnd() const { return m_hWnd; }
  BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
  BOOL operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

  // The handle map of the current module state: the object attached to the
  // handle, else a temporary CWnd (kept until AfxUnlockTempMaps or module
  // termination); NULL for a NULL handle.
  static CWnd* PASCAL FromHandle(HWND hWnd);
  // Only an attached object, else NULL.
  static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
  // Attach ASSERTs when this object already has a window or the window
  // already has an object; a NULL handle gives FALSE.
  BOOL Attach(HWND hWndNew);
  HWND Detach();

  // Attach, then route the window's messages through AfxWndProc to this
  // object; the previous window procedure becomes the super procedure that
  // DefWindowProc calls.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();
  virtual void PreSubclassWindow();

  // Creation through a window class; the object is attached before the
  // window's first message.
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
                        int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = NULL);
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                      CWnd* pParentWnd, UINT nID);
  virtual BOOL DestroyWindow();

  // Thin wrappers (the window must exist: they ASSERT ::IsWindow).
  void SetWindowText(LPCTSTR lpszString);
  int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  CWnd* SetFocus();
  static CWnd* PASCAL GetFocus();
  CWnd* GetDlgItem(int nID) const;
  void GetDlgItem(int nID, HWND* phWnd) const;
  int GetDlgCtrlID() const;
  void SetDlgItemText(int nID, LPCTSTR lpszString);
  int GetDlgItemText(int nID, CString& rString) const;
  void CheckDlgButton(int nIDButton, UINT nCheck);
  UINT IsDlgButtonChecked(int nIDButton) const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  CWnd* GetParent() const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;

  // Data exchange with the controls (see CDataExchange); FALSE when a
  // validation failed.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  // Message handling. WindowProc offers the message to OnWndMsg (message
  // map) and falls back to DefWindowProc (the super window procedure).
  // Default passes the message being handled to DefWindowProc.
  LRESULT Default();
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Called after WM_NCDESTROY has detached the window; the place where an
  // object that owns itself deletes itself.
  virtual void PostNcDestroy();
  virtual WNDPROC* GetSuperWndProcAddr();
  virtual void DoDataExchange(CDataExchange* pDX);

  UINT m_nFlags = 0;

 protected:
  WNDPROC m_pfnSuper = nullptr;

  afx_msg void OnClose();
  afx_msg void OnDestroy();
  afx_msg void OnNcDestroy();
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);

  DECLARE_MESSAGE_MAP()

  friend LRESULT AFXAPI AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
};

// MFC's window procedure: finds the permanent CWnd of hWnd in the current
// module state and calls its WindowProc (AfxCallWndProc).
AFX_API_EXPORT LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
AFX_API_EXPORT LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// Window creation hook: the next window created on this thread is
// attached to pWnd and subclassed before it receives its first message.
// AfxUnhookWindowCreate returns FALSE when no window was attached.
AFX_API_EXPORT void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
AFX_API_EXPORT BOOL AFXAPI AfxUnhookWindowCreate();

// Temporary window objects (CWnd::FromHandle of an unattached handle) live
// until AfxUnlockTempMaps, as in MFC's idle processing.
AFX_API_EXPORT void AFXAPI AfxLockTempMaps();
AFX_API_EXPORT BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);
