// CDialog: modeless creation from a resource or memory template through
// AfxDlgProc, initialisation, OK/Cancel and the dialog-manager helpers.
#include "handlemap.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
  ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return 0;
  // Without a creation hook the window is attached here, at its first
  // dialog message.
  if (CWnd::FromHandlePermanent(hWnd) == nullptr) AfxAttachPendingWindow(hWnd);
  CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
  if (pDlg != nullptr) return pDlg->OnInitDialog();
  return 1;
}

CDialog::CDialog() = default;

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {
  if (IS_INTRESOURCE(m_lpszTemplateName)) m_nIDHelp = LOWORD(reinterpret_cast<DWORD_PTR>(m_lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd); }

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
  ASSERT(lpszTemplateName != nullptr);
  m_lpszTemplateName = lpszTemplateName;
  if (IS_INTRESOURCE(m_lpszTemplateName) && m_nIDHelp == 0) {
    m_nIDHelp = LOWORD(reinterpret_cast<DWORD_PTR>(m_lpszTemplateName));
  }
  HINSTANCE hInst = AfxGetResourceHandle();
  HRSRC hResource = ::FindResource(hInst, lpszTemplateName, RT_DIALOG);
  if (hResource == nullptr) {
    if (IS_INTRESOURCE(lpszTemplateName)) {
      TRACE("ERROR: Cannot find dialog template with IDD 0x%04X.\n",
            static_cast<unsigned>(LOWORD(reinterpret_cast<DWORD_PTR>(lpszTemplateName))));
    } else {
      TRACE("ERROR: Cannot find dialog template named '%s'.\n", lpszTemplateName);
    }
    ASSERT(FALSE);
    PostNcDestroy();
    return FALSE;
  }
  HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
  const BOOL bResult = CreateIndirect(hTemplate, pParentWnd);
  ::FreeResource(hTemplate);
  return bResult;
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd) {
  ASSERT(hDialogTemplate != nullptr);
  LPCDLGTEMPLATE lpDialogTemplate = static_cast<LPCDLGTEMPLATE>(::LockResource(hDialogTemplate));
  return CreateIndirect(lpDialogTemplate, pParentWnd, nullptr);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* /*lpDialogInit*/) {
  ASSERT(lpDialogTemplate != nullptr);
  if (pParentWnd == nullptr) pParentWnd = m_pParentWnd;
  return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetModuleState()->m_hCurrentResourceHandle);
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst) {
  ASSERT(lpDialogTemplate != nullptr);
  m_nModalResult = -1;
  m_nFlags |= WF_CONTINUEMODAL;
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParam(hInst, lpDialogTemplate,
                                          pParentWnd == nullptr ? nullptr : pParentWnd->m_hWnd, AfxDlgProc, 0);
  if (!AfxUnhookWindowCreate()) PostNcDestroy();  // cleanup if creation failed too soon
  // EndDialog during OnInitDialog: the dialog is not wanted.
  if (hWnd != nullptr && (m_nFlags & WF_CONTINUEMODAL) == 0) {
    ::DestroyWindow(hWnd);
    hWnd = nullptr;
  }
  if (hWnd == nullptr) return FALSE;
  ASSERT(hWnd == m_hWnd);
  return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  // The dialog manager calls AfxDlgProc, which calls OnInitDialog.
  return Default();
}

BOOL CDialog::OnInitDialog() {
  if (!UpdateData(FALSE)) {
    TRACE("Warning: UpdateData failed during dialog init.\n");
    EndDialog(-1);
    return FALSE;
  }
  return TRUE;  // the dialog manager gives the focus to the first control
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) {
    TRACE("UpdateData failed during dialog termination.\n");
    return;  // the UpdateData routine will set focus to correct item
  }
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult) {
  ASSERT(::IsWindow(m_hWnd));
  if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) {
    m_nModalResult = nResult;
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
  }
  ::EndDialog(m_hWnd, nResult);
}

void CDialog::NextDlgCtrl() const {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  ASSERT(::IsWindow(m_hWnd));
  ASSERT(pWndCtrl != nullptr);
  ::SendMessage(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

void CDialog::SetDefID(UINT nID) {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessage(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const {
  ASSERT(::IsWindow(m_hWnd));
  return static_cast<DWORD>(::SendMessage(m_hWnd, DM_GETDEFID, 0, 0));
}
