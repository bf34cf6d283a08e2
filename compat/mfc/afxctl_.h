// Control wrappers: CStatic, CButton, CEdit, CComboBox. Each
// member sends the one control message it names (the window must exist).
#pragma once

#include "afxwnd_.h"

class AFX_CLASS_EXPORT CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)
};

class AFX_CLASS_EXPORT CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  int GetCheck() const;          // BM_GETCHECK
  void SetCheck(int nCheck);     // BM_SETCHECK
  UINT GetState() const;         // BM_GETSTATE
  void SetState(BOOL bHighlight);
  UINT GetButtonStyle() const;   // low byte of the window style
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);  // BM_SETSTYLE
};

class AFX_CLASS_EXPORT CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)

 public:
  DWORD GetSel() const;                       // EM_GETSEL: start in the low word, end in the high word
  void GetSel(int& nStartChar, int& nEndChar) const;
  void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
  void LimitText(int nChars = 0);
  int GetLineCount() const;
  BOOL GetModify() const;
  void SetModify(BOOL bModified = TRUE);
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
};

class AFX_CLASS_EXPORT CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)

 public:
  int GetCount() const;                                 // CB_GETCOUNT
  int GetCurSel() const;                                // CB_GETCURSEL
  int SetCurSel(int nSelect);                           // CB_SETCURSEL
  int AddString(LPCTSTR lpszString);                    // CB_ADDSTRING
  int InsertString(int nIndex, LPCTSTR lpszString);     // CB_INSERTSTRING
  int DeleteString(UINT nIndex);                        // CB_DELETESTRING
  void ResetContent();                                  // CB_RESETCONTENT
  int GetLBText(int nIndex, LPTSTR lpszText) const;     // CB_GETLBTEXT
  void GetLBText(int nIndex, CString& rString) const;   // empty for an invalid index
  int GetLBTextLen(int nIndex) const;                   // CB_GETLBTEXTLEN
  int FindString(int nStartAfter, LPCTSTR lpszString) const;
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
  int SelectString(int nStartAfter, LPCTSTR lpszString);
  DWORD GetEditSel() const;
  BOOL SetEditSel(int nStartChar, int nEndChar);
  BOOL LimitText(int nMaxChars);
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  void ShowDropDown(BOOL bShowIt = TRUE);
  BOOL GetDroppedState() const;
};
