// The test DLL's modeless dialog: template 101 in the DLL's resources, a
// message map with BN_CLICKED, WM_CLOSE, WM_ACTIVATE and WM_DESTROY
// handlers, DDX_Control members, and a PostNcDestroy that deletes it.
#include "test_dll.h"

#include <dialog_template.h>
#include <standin.h>

#include <vector>

namespace {

std::vector<unsigned char> BuildTestTemplate() {
  using standin::TemplateName;
  return standin::DialogTemplateBuilder(true)
      .Caption("Test Dialog")
      .Style(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME)
      .Font(8, "MS Shell Dlg")
      .Rect(0, 0, 200, 80)
      .Control(IDC_TEST_FIND, TemplateName::Ordinal(standin::kDialogClassButton), "Find!", 140, 10, 50, 14,
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON)
      .Control(IDCANCEL, TemplateName::Ordinal(standin::kDialogClassButton), "Close", 140, 60, 50, 14,
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON)
      .Control(IDC_TEST_PATTERN, TemplateName::Ordinal(standin::kDialogClassComboBox), "", 7, 10, 120, 60,
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN)
      .Control(IDC_TEST_CHECK, TemplateName::Ordinal(standin::kDialogClassButton), "Match Case", 7, 30, 60, 10,
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX)
      .Build();
}

const std::vector<unsigned char> g_testTemplate = BuildTestTemplate();

#ifndef _WIN32  // on Windows the template is in the DLL's .rc file
const ::standin::ResourceEntry g_resources[] = {
    {RT_DIALOG, MAKEINTRESOURCE(IDD_TESTDLG), g_testTemplate.data(), static_cast<DWORD>(g_testTemplate.size())}};
const ::standin::detail::TableRegistration g_resourceRegistration(g_resources, 1);
#endif

int g_dialogObjects = 0;

class CTestDlg : public CDialog {
  DECLARE_DYNAMIC(CTestDlg)

 public:
  explicit CTestDlg(CWnd* pParent) : CDialog(IDD_TESTDLG, pParent) { ++g_dialogObjects; }
  ~CTestDlg() override {
    --g_dialogObjects;
    TestDllLog("~CTestDlg");
  }

  CComboBox m_patternCombo;
  CButton m_findButton;
  CButton m_matchCaseCheck;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEST_PATTERN, m_patternCombo);
    DDX_Control(pDX, IDC_TEST_FIND, m_findButton);
    DDX_Control(pDX, IDC_TEST_CHECK, m_matchCaseCheck);
  }

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    TestDllLog("OnInitDialog combo=%s app=%s", m_patternCombo.m_hWnd == ::GetDlgItem(m_hWnd, IDC_TEST_PATTERN) ? "attached" : "missing",
               AfxGetApp() != NULL ? "dll" : "none");
    m_patternCombo.SetFocus();
    return FALSE;  // the focus is set
  }

  void OnCancel() override {
    TestDllLog("OnCancel");
    DestroyWindow();
  }

  void PostNcDestroy() override {
    TestDllLog("PostNcDestroy");
    delete this;
  }

  afx_msg void OnClose() {
    TestDllLog("OnClose");
    DestroyWindow();
  }

  afx_msg void OnDestroy() {
    CDialog::OnDestroy();
    TestDllLog("OnDestroy");
  }

  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CDialog::OnActivate(nState, pWndOther, bMinimized);
    TestDllLog("OnActivate %u", nState);
  }

  afx_msg void OnFind() {
    CString text;
    m_patternCombo.GetWindowText(text);
    TestDllLog("OnFind '%s' check=%d app=%s", static_cast<const char*>(text), m_matchCaseCheck.GetCheck(),
               AfxGetApp() != NULL ? "dll" : "none");
    if (!text.IsEmpty()) m_patternCombo.InsertString(0, text);
  }

  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNAMIC(CTestDlg, CDialog)

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
  ON_WM_CLOSE()
  ON_BN_CLICKED(IDC_TEST_FIND, &CTestDlg::OnFind)
  ON_WM_ACTIVATE()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

}  // namespace

HWND OpenTestDialog(HWND hWndParent) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  CTestDlg* pDlg = new CTestDlg(CWnd::FromHandle(hWndParent));
  if (!pDlg->Create(IDD_TESTDLG, CWnd::FromHandle(hWndParent))) return NULL;
  return pDlg->m_hWnd;
}

BOOL AttachedControl(HWND hDlg, int nID) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  CTestDlg* pDlg = DYNAMIC_DOWNCAST(CTestDlg, CWnd::FromHandlePermanent(hDlg));
  if (pDlg == NULL) return FALSE;
  CWnd* pControl = CWnd::FromHandlePermanent(::GetDlgItem(hDlg, nID));
  return pControl != NULL && (pControl == &pDlg->m_patternCombo || pControl == &pDlg->m_findButton ||
                              pControl == &pDlg->m_matchCaseCheck);
}

int DialogObjects() { return g_dialogObjects; }
