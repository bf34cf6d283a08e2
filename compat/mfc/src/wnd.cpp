// CWnd: construction and destruction, subclassing, creation, the thin
// wrappers over window functions, and the default message handlers.
#include "handlemap.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
    TRACE("Warning: calling DestroyWindow in CWnd::~CWnd; OnDestroy or PostNcDestroy in derived class will not "
          "be called.\n");
    DestroyWindow();
  }
}

WNDPROC* CWnd::GetSuperWndProcAddr() { return &m_pfnSuper; }

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  WNDPROC* lplpfn = GetSuperWndProcAddr();
  WNDPROC afxWndProc = AfxGetAfxWndProc();
  WNDPROC oldWndProc =
      reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(afxWndProc)));
  ASSERT(oldWndProc != afxWndProc);
  if (*lplpfn == nullptr) *lplpfn = oldWndProc;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  ASSERT(pParent != nullptr);
  ASSERT(::IsWindow(pParent->m_hWnd));
  HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
  return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
  ASSERT(::IsWindow(m_hWnd));
  WNDPROC* lplpfn = GetSuperWndProcAddr();
  ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*lplpfn));
  *lplpfn = nullptr;
  return Detach();
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
  ASSERT(lpszClassName != nullptr);
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateWindowEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth, nHeight,
                               hWndParent, nIDorHMenu, AfxGetModuleState()->m_hCurrentInstanceHandle, lpParam);
  if (!AfxUnhookWindowCreate()) PostNcDestroy();  // cleanup if CreateWindowEx fails too soon
  if (hWnd == nullptr) return FALSE;
  ASSERT(hWnd == m_hWnd);  // should have been set by the creation hook
  return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID) {
  ASSERT(pParentWnd != nullptr);
  ASSERT((dwStyle & WS_POPUP) == 0);
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  CHandleMap* pMap = AfxMapHWND();
  CWnd* pWnd = pMap == nullptr ? nullptr : pMap->LookupPermanent(m_hWnd);
  const HWND hWndOrig = m_hWnd;
  const BOOL bResult = ::DestroyWindow(m_hWnd);
  // 'this' may have been deleted by now (PostNcDestroy) when it was attached.
  if (pWnd == nullptr) {
    Detach();
  } else {
    ASSERT(AfxMapHWND() == nullptr || AfxMapHWND()->LookupPermanent(hWndOrig) == nullptr);
  }
  return bResult;
}

void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroy() {
  // Call the default handling, unsubclass, detach; then the object's own
  // clean-up, which may delete it.
  WNDPROC pfnWndProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC));
  Default();
  if (reinterpret_cast<WNDPROC>(::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC)) == pfnWndProc) {
    WNDPROC pfnSuper = *GetSuperWndProcAddr();
    if (pfnSuper != nullptr) ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
  }
  Detach();
  ASSERT(m_hWnd == nullptr);
  PostNcDestroy();
}

void CWnd::OnClose() { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  ASSERT(::IsWindow(m_hWnd));
  CDataExchange dx(this, bSaveAndValidate);
  // Control notifications are not dispatched while the data moves.
  _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
  HWND hWndOldLockout = pThreadState->m_hLockoutNotifyWindow;
  ASSERT(hWndOldLockout != m_hWnd);  // must not recurse
  pThreadState->m_hLockoutNotifyWindow = m_hWnd;
  DoDataExchange(&dx);
  pThreadState->m_hLockoutNotifyWindow = hWndOldLockout;
  return TRUE;
}

void CWnd::SetWindowText(LPCTSTR lpszString) {
  ASSERT(::IsWindow(m_hWnd));
  ::SetWindowText(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
  ASSERT(::IsWindow(m_hWnd));
  return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
  ASSERT(::IsWindow(m_hWnd));
  const int nLen = ::GetWindowTextLength(m_hWnd);
  ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
  rString.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const {
  ASSERT(::IsWindow(m_hWnd));
  return ::GetWindowTextLength(m_hWnd);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  ASSERT(::IsWindow(m_hWnd));
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  ASSERT(::IsWindow(m_hWnd));
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::SetFocus() {
  ASSERT(::IsWindow(m_hWnd));
  return CWnd::FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus() { return CWnd::FromHandle(::GetFocus()); }

CWnd* CWnd::GetDlgItem(int nID) const {
  ASSERT(::IsWindow(m_hWnd));
  return CWnd::FromHandle(::GetDlgItem(m_hWnd, nID));
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const {
  ASSERT(::IsWindow(m_hWnd));
  ASSERT(phWnd != nullptr);
  *phWnd = ::GetDlgItem(m_hWnd, nID);
}

int CWnd::GetDlgCtrlID() const {
  ASSERT(::IsWindow(m_hWnd));
  return ::GetDlgCtrlID(m_hWnd);
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) {
  ASSERT(::IsWindow(m_hWnd));
  ::SetDlgItemText(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
  ASSERT(::IsWindow(m_hWnd));
  rString.Empty();
  HWND hWnd = ::GetDlgItem(m_hWnd, nID);
  if (hWnd != nullptr) {
    const int nLen = ::GetWindowTextLength(hWnd);
    ::GetWindowText(hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
  }
  return rString.GetLength();
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
  ASSERT(::IsWindow(m_hWnd));
  ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
  ASSERT(::IsWindow(m_hWnd));
  return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
  ASSERT(::IsWindow(m_hWnd));
  return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const {
  ASSERT(::IsWindow(m_hWnd));
  return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::ShowWindow(int nCmdShow) {
  ASSERT(::IsWindow(m_hWnd));
  return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const {
  ASSERT(::IsWindow(m_hWnd));
  return ::IsWindowVisible(m_hWnd);
}

CWnd* CWnd::GetParent() const {
  ASSERT(::IsWindow(m_hWnd));
  return CWnd::FromHandle(::GetParent(m_hWnd));
}

DWORD CWnd::GetStyle() const {
  ASSERT(::IsWindow(m_hWnd));
  return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const {
  ASSERT(::IsWindow(m_hWnd));
  return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_EXSTYLE));
}
