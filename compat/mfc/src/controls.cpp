// CStatic, CButton, CEdit and CComboBox: one control message per member.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {

LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  ASSERT(::IsWindow(hWnd));
  return ::SendMessage(hWnd, message, wParam, lParam);
}

LPARAM Text(LPCTSTR psz) { return reinterpret_cast<LPARAM>(psz); }

}  // namespace

int CButton::GetCheck() const { return static_cast<int>(Send(m_hWnd, BM_GETCHECK)); }
void CButton::SetCheck(int nCheck) { Send(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
UINT CButton::GetState() const { return static_cast<UINT>(Send(m_hWnd, BM_GETSTATE)); }
void CButton::SetState(BOOL bHighlight) { Send(m_hWnd, BM_SETSTATE, static_cast<WPARAM>(bHighlight)); }
UINT CButton::GetButtonStyle() const { return static_cast<UINT>(GetStyle()) & 0xFF; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
  Send(m_hWnd, BM_SETSTYLE, nStyle, static_cast<LPARAM>(bRedraw));
}

DWORD CEdit::GetSel() const { return static_cast<DWORD>(Send(m_hWnd, EM_GETSEL)); }
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  Send(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&nStartChar), reinterpret_cast<LPARAM>(&nEndChar));
}
void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
  Send(m_hWnd, EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
  if (!bNoScroll) Send(m_hWnd, EM_SCROLLCARET);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
  Send(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
  if (!bNoScroll) Send(m_hWnd, EM_SCROLLCARET);
}
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
  Send(m_hWnd, EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), Text(lpszNewText));
}
void CEdit::LimitText(int nChars) { Send(m_hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
int CEdit::GetLineCount() const { return static_cast<int>(Send(m_hWnd, EM_GETLINECOUNT)); }
BOOL CEdit::GetModify() const { return static_cast<BOOL>(Send(m_hWnd, EM_GETMODIFY)); }
void CEdit::SetModify(BOOL bModified) { Send(m_hWnd, EM_SETMODIFY, static_cast<WPARAM>(bModified)); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
  return static_cast<BOOL>(Send(m_hWnd, EM_SETREADONLY, static_cast<WPARAM>(bReadOnly)));
}

int CComboBox::GetCount() const { return static_cast<int>(Send(m_hWnd, CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(Send(m_hWnd, CB_GETCURSEL)); }
int CComboBox::SetCurSel(int nSelect) { return static_cast<int>(Send(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
int CComboBox::AddString(LPCTSTR lpszString) { return static_cast<int>(Send(m_hWnd, CB_ADDSTRING, 0, Text(lpszString))); }
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) {
  return static_cast<int>(Send(m_hWnd, CB_INSERTSTRING, static_cast<WPARAM>(nIndex), Text(lpszString)));
}
int CComboBox::DeleteString(UINT nIndex) { return static_cast<int>(Send(m_hWnd, CB_DELETESTRING, nIndex)); }
void CComboBox::ResetContent() { Send(m_hWnd, CB_RESETCONTENT); }
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
  return static_cast<int>(Send(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText)));
}
void CComboBox::GetLBText(int nIndex, CString& rString) const {
  const int nLen = GetLBTextLen(nIndex);
  if (nLen == CB_ERR) {
    rString.Empty();
    return;
  }
  GetLBText(nIndex, rString.GetBufferSetLength(nLen));
  rString.ReleaseBuffer();
}
int CComboBox::GetLBTextLen(int nIndex) const {
  return static_cast<int>(Send(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
}
int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const {
  return static_cast<int>(Send(m_hWnd, CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), Text(lpszString)));
}
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
  return static_cast<int>(Send(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), Text(lpszFind)));
}
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) {
  return static_cast<int>(Send(m_hWnd, CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), Text(lpszString)));
}
DWORD CComboBox::GetEditSel() const { return static_cast<DWORD>(Send(m_hWnd, CB_GETEDITSEL)); }
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) {
  return static_cast<BOOL>(Send(m_hWnd, CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar)));
}
BOOL CComboBox::LimitText(int nMaxChars) {
  return static_cast<BOOL>(Send(m_hWnd, CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars)));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
  return static_cast<DWORD_PTR>(Send(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
  return static_cast<int>(Send(m_hWnd, CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}
void CComboBox::ShowDropDown(BOOL bShowIt) { Send(m_hWnd, CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(Send(m_hWnd, CB_GETDROPPEDSTATE)); }
