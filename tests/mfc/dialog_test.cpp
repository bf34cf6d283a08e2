// CDialog on the Win32 stand-in. A modeless dialog of an MFC regular DLL,
// created from the DLL's template 101: DDX_Control attaches its members,
// OnInitDialog runs in the DLL's state, BN_CLICKED / WM_ACTIVATE / WM_CLOSE
// reach the message-map handlers, Escape reaches OnCancel through
// IsDialogMessageA, and PostNcDestroy deletes the object. Plus dialogs
// from memory templates in the executable: the default OnOK/OnCancel and
// EndDialog during OnInitDialog.
#include <afxwin.h>
#include <dialog_template.h>
#include <gtest/gtest.h>
#include <standin.h>

#include <string>
#include <vector>

#include "../support/MessageRecorder.h"
#include "testdll/test_dll.h"

namespace {

std::vector<std::string> TakeDllLog() { return rec::TakeDebugLines(TESTDLL_LOG_PREFIX); }

std::vector<std::string> Without(std::vector<std::string> lines, const std::string& line) {
  std::vector<std::string> out;
  for (std::string& l : lines) {
    if (l != line) out.push_back(std::move(l));
  }
  return out;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  for (const std::string& l : lines) {
    if (l == line) return true;
  }
  return false;
}

class DllDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = ::LoadLibraryA("mfctestdll.dll");
    ASSERT_NE(nullptr, module_) << standin::LastModuleError();
    open_ = TestDllProc<TestDllOpenDialogFn>(module_, "TestDll_OpenDialog");
    attached_ = TestDllProc<TestDllAttachedControlFn>(module_, "TestDll_AttachedControl");
    objects_ = TestDllProc<TestDllDialogObjectsFn>(module_, "TestDll_DialogObjects");
    owner_ = ::CreateWindowExA(0, "Static", "IDE", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
    standin::ClearDebugOutput();
  }
  void TearDown() override {
    ::DestroyWindow(owner_);
    if (module_ != nullptr) ::FreeLibrary(module_);
  }
  HWND Open() {
    HWND hDlg = open_(owner_);
    EXPECT_NE(nullptr, hDlg);
    return hDlg;
  }

  HMODULE module_ = nullptr;
  HWND owner_ = nullptr;
  TestDllOpenDialogFn open_ = nullptr;
  TestDllAttachedControlFn attached_ = nullptr;
  TestDllDialogObjectsFn objects_ = nullptr;
};

TEST_F(DllDialog, CreateFromTheDllTemplateAttachesControlsAndInitialises) {
  HWND hDlg = Open();
  ASSERT_TRUE(::IsWindow(hDlg));
  const std::vector<std::string> log = TakeDllLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ("OnInitDialog combo=attached app=dll", log[0]);
  EXPECT_TRUE(::IsWindowVisible(hDlg));  // the template's WS_VISIBLE
  EXPECT_EQ(owner_, ::GetParent(hDlg) != NULL ? ::GetParent(hDlg) : ::GetWindow(hDlg, GW_OWNER));
  for (int id : {IDC_TEST_PATTERN, IDC_TEST_FIND, IDC_TEST_CHECK}) EXPECT_TRUE(attached_(hDlg, id)) << id;
  EXPECT_FALSE(attached_(hDlg, IDCANCEL));  // not bound by DoDataExchange
  HWND hCombo = ::GetDlgItem(hDlg, IDC_TEST_PATTERN);
  HWND hFocus = ::GetFocus();
  EXPECT_TRUE(hFocus == hCombo || ::IsChild(hCombo, hFocus));  // OnInitDialog set it and returned FALSE
  // The executable's own module state knows nothing of the DLL's objects.
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hDlg));
  ::SendMessageA(hDlg, WM_CLOSE, 0, 0);
}

TEST_F(DllDialog, ButtonClickReachesTheHandlerInTheDllState) {
  HWND hDlg = Open();
  TakeDllLog();
  ::SetWindowTextA(::GetDlgItem(hDlg, IDC_TEST_PATTERN), "abc");
  ::SendMessageA(::GetDlgItem(hDlg, IDC_TEST_CHECK), BM_CLICK, 0, 0);  // an automatic check box
  ::SendMessageA(::GetDlgItem(hDlg, IDC_TEST_FIND), BM_CLICK, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"OnFind 'abc' check=1 app=dll"}), TakeDllLog());
  EXPECT_EQ(1, ::SendMessageA(::GetDlgItem(hDlg, IDC_TEST_PATTERN), CB_GETCOUNT, 0, 0));
  ::SendMessageA(hDlg, WM_CLOSE, 0, 0);
}

TEST_F(DllDialog, ActivateReachesOnActivateWithItsState) {
  HWND hDlg = Open();
  TakeDllLog();
  ::SendMessageA(hDlg, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(owner_));
  ::SendMessageA(hDlg, WM_ACTIVATE, WA_CLICKACTIVE, reinterpret_cast<LPARAM>(owner_));
  EXPECT_EQ((std::vector<std::string>{"OnActivate 0", "OnActivate 2"}), TakeDllLog());
  ::SendMessageA(hDlg, WM_CLOSE, 0, 0);
}

TEST_F(DllDialog, CloseDestroysAndPostNcDestroyDeletes) {
  HWND hDlg = Open();
  EXPECT_EQ(1, objects_());
  TakeDllLog();
  ::SendMessageA(hDlg, WM_CLOSE, 0, 0);
  // (Destroying the active dialog also deactivates it: OnActivate 0.)
  EXPECT_EQ((std::vector<std::string>{"OnClose", "OnDestroy", "PostNcDestroy", "~CTestDlg"}),
            Without(TakeDllLog(), "OnActivate 0"));
  EXPECT_FALSE(::IsWindow(hDlg));
  EXPECT_EQ(0, objects_());
}

TEST_F(DllDialog, EscapeThroughIsDialogMessageReachesOnCancel) {
  HWND hDlg = Open();
  TakeDllLog();
  MSG msg = {};
  msg.hwnd = ::GetFocus();
  msg.message = WM_KEYDOWN;
  msg.wParam = VK_ESCAPE;
  EXPECT_TRUE(::IsDialogMessageA(hDlg, &msg));
  const std::vector<std::string> log = TakeDllLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ("OnCancel", log[0]);
  EXPECT_TRUE(Contains(log, "~CTestDlg"));
  EXPECT_FALSE(::IsWindow(hDlg));
  EXPECT_EQ(0, objects_());
}

// ---------------------------------------------------------------- dialogs of the executable

std::vector<unsigned char> SimpleTemplate() {
  using standin::TemplateName;
  return standin::DialogTemplateBuilder(true)
      .Caption("Simple")
      .Style(WS_POPUP | WS_CAPTION | DS_MODALFRAME)
      .Rect(0, 0, 100, 50)
      .Control(IDOK, TemplateName::Ordinal(standin::kDialogClassButton), "OK", 5, 5, 40, 14,
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON)
      .Control(IDCANCEL, TemplateName::Ordinal(standin::kDialogClassButton), "Cancel", 50, 5, 40, 14,
               WS_CHILD | WS_VISIBLE | WS_TABSTOP)
      .Control(300, TemplateName::Ordinal(standin::kDialogClassEdit), "", 5, 25, 80, 12,
               WS_CHILD | WS_VISIBLE | WS_TABSTOP)
      .Build();
}

class CSimpleDlg : public CDialog {
 public:
  BOOL m_bEndInInit = FALSE;
  CString m_text = "initial";
  int m_nOnOK = 0;
  int m_nExchanges = 0;

  BOOL OnInitDialog() override {
    const BOOL bResult = CDialog::OnInitDialog();
    if (m_bEndInInit) EndDialog(IDCANCEL);
    return bResult;
  }

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    ++m_nExchanges;
    DDX_Text(pDX, 300, m_text);
  }
};

TEST(CDialogIndirect, InitDialogMovesDataIntoTheControlsAndOkBackOut) {
  const std::vector<unsigned char> tmpl = SimpleTemplate();
  CSimpleDlg dlg;
  ASSERT_TRUE(dlg.CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(tmpl.data())));
  EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
  EXPECT_EQ(1, dlg.m_nExchanges);
  CString text;
  dlg.GetDlgItemText(300, text);
  EXPECT_STREQ("initial", text);
  dlg.SetDlgItemText(300, "typed");
  // IDOK reaches the default OnOK: UpdateData(TRUE), then EndDialog(IDOK),
  // which hides a modeless dialog without destroying it.
  ::SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, IDOK)));
  EXPECT_STREQ("typed", dlg.m_text);
  EXPECT_EQ(2, dlg.m_nExchanges);
  EXPECT_EQ(IDOK, dlg.m_nModalResult);
  EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
  EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));
  EXPECT_TRUE(dlg.DestroyWindow());
  EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(CDialogIndirect, DefaultOnCancelEndsWithIdCancel) {
  const std::vector<unsigned char> tmpl = SimpleTemplate();
  CSimpleDlg dlg;
  ASSERT_TRUE(dlg.CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(tmpl.data())));
  ::SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_EQ(IDCANCEL, dlg.m_nModalResult);
  EXPECT_STREQ("initial", dlg.m_text);  // no data exchange on cancel
  dlg.DestroyWindow();
}

TEST(CDialogIndirect, EndDialogDuringInitDialogFailsTheCreation) {
  const std::vector<unsigned char> tmpl = SimpleTemplate();
  CSimpleDlg dlg;
  dlg.m_bEndInInit = TRUE;
  EXPECT_FALSE(dlg.CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(tmpl.data())));
  EXPECT_EQ(nullptr, dlg.m_hWnd);
}

}  // namespace
