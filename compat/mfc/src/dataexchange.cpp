// Dialog data exchange: CDataExchange and the DDX_ routines.
#include "afxwin.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {
  ASSERT(pDlgWnd != nullptr);
}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  ASSERT(nIDC != 0);
  ASSERT(nIDC != -1);  // not allowed
  HWND hWndCtrl = nullptr;
  m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
  if (hWndCtrl == nullptr) {
    TRACE("Error: no data exchange control with ID 0x%04X.\n", static_cast<unsigned>(nIDC));
    ASSERT(FALSE);
  }
  m_idLastControl = hWndCtrl;
  m_bEditLastControl = FALSE;
  return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND hWndCtrl = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWndCtrl;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;  // subclassed already
  ASSERT(!pDX->m_bSaveAndValidate);
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassWindow(hWndCtrl)) ASSERT(FALSE);  // possibly trying to subclass twice
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    const int nLen = ::GetWindowTextLength(hWndCtrl);
    ::GetWindowText(hWndCtrl, value.GetBufferSetLength(nLen), nLen + 1);
    value.ReleaseBuffer();
  } else {
    ::SetWindowText(hWndCtrl, value);
  }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<int>(::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0));
    ASSERT(value >= 0 && value <= 2);
  } else {
    if (value < 0 || value > 2) {
      TRACE("Warning: dialog data checkbox value (%d) out of range.\n", value);
      value = 0;  // default to off
    }
    ::SendMessage(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}
