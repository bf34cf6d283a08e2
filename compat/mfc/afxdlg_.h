// CDialog (modeless dialogs from a template of the module's resources, or
// from a template in memory) and dialog data exchange (CDataExchange,
// DDX_Control, DDX_Text, DDX_Check).
#pragma once

#include "afxwnd_.h"

class AFX_CLASS_EXPORT CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls -> members; FALSE: members -> controls
  CWnd* m_pDlgWnd;
  HWND m_idLastControl = nullptr;
  BOOL m_bEditLastControl = FALSE;

  // The control's window; a missing control ASSERTs (MFC: "no data exchange
  // control with ID ...").
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
};

// Subclasses control nIDC into rControl the first time (members -> controls
// only), so that the member is attached to the control.
AFX_API_EXPORT void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
AFX_API_EXPORT void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_API_EXPORT void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);

class AFX_CLASS_EXPORT CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog();
  explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);

  // Modeless creation from the dialog resource of the module that
  // AfxGetResourceHandle names (a missing template ASSERTs) or from a
  // template in memory. The window is attached to this object before its
  // first message; WM_INITDIALOG reaches OnInitDialog. FALSE when the
  // window could not be created or EndDialog was called during
  // OnInitDialog (the window is then destroyed).
  // As in MFC, these hide CWnd::Create (clang warns of that).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverloaded-virtual"
  virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
#pragma GCC diagnostic pop
  virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);
  virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

  void EndDialog(int nResult);
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void SetDefID(UINT nID);
  DWORD GetDefID() const;

  // Overridables. OnInitDialog exchanges data into the controls
  // (UpdateData(FALSE)) and returns TRUE (the dialog manager sets the focus
  // to the first tab stop). OnOK: UpdateData(TRUE), then EndDialog(IDOK).
  // OnCancel: EndDialog(IDCANCEL). WM_COMMAND IDOK/IDCANCEL reach them.
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  LPCTSTR m_lpszTemplateName = nullptr;
  UINT m_nIDHelp = 0;
  LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
  HGLOBAL m_hDialogTemplate = nullptr;
  CWnd* m_pParentWnd = nullptr;
  int m_nModalResult = -1;

 protected:
  BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()
};

// The dialog procedure of every MFC dialog: WM_INITDIALOG goes to
// OnInitDialog; everything else is handled through the message map.
AFX_API_EXPORT INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
