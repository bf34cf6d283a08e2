// Conformance of dialog creation and the dialog procedure: controls from
// the template, WM_INITDIALOG and its focus rule, DWLP_ values, the default
// button id, item helpers, resources, WM_CLOSE, EndDialog and DialogBox.
#include <gtest/gtest.h>

#include <string>

#include "controls_support.h"

namespace {

using rec::DlgCalls;
using ctltest::FocusId;

const std::vector<unsigned char>& SearchTemplate() {
  static const std::vector<unsigned char> bytes = ctltest::SearchDialog().Build();
  return bytes;
}

// The test program's resource table: the search dialog as template 101
// (on Windows, from the program's .rc file).
#ifndef _WIN32
const standin::ResourceEntry g_resources[] = {
    {RT_DIALOG, MAKEINTRESOURCE(101), SearchTemplate().data(), static_cast<DWORD>(SearchTemplate().size())}};
const standin::detail::TableRegistration g_registration(g_resources, 1);
#endif

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = rec::CreateRecordingParent();
    DlgCalls().clear();
    rec::g_initResult = TRUE;
    rec::g_initFocusId = 0;
  }
  void TearDown() override {
    if (IsWindow(dialog_)) DestroyWindow(dialog_);
    DestroyWindow(owner_);
  }
  HWND Create(const std::vector<unsigned char>& bytes, LPARAM param = 0) {
    dialog_ = CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), owner_,
                                         rec::RecordingDlgProc, param);
    return dialog_;
  }
  HWND owner_ = nullptr;
  HWND dialog_ = nullptr;
};

TEST_F(DialogTest, ControlsAreCreatedInTemplateOrder) {
  ASSERT_NE(Create(SearchTemplate()), nullptr);
  char text[64] = {};
  GetClassNameA(dialog_, text, sizeof(text));
  EXPECT_STREQ(text, "#32770");
  GetWindowTextA(dialog_, text, sizeof(text));
  EXPECT_STREQ(text, "Mass Finder");
  EXPECT_TRUE(IsWindowVisible(dialog_)) << "WS_VISIBLE in the template shows the dialog";
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(dialog_, GWL_EXSTYLE)) & WS_EX_TOOLWINDOW,
            static_cast<DWORD>(WS_EX_TOOLWINDOW));

  const int ids[] = {1000, 2, -1, 1001, 1002, 1003, 1004, 1005, 1006};
  const char* classes[] = {"Button", "Button", "Static", "ComboBox", "Button",
                           "Button", "Button", "Button", "Button"};
  HWND child = GetWindow(dialog_, GW_CHILD);
  for (size_t i = 0; i < 9; ++i) {
    ASSERT_NE(child, nullptr) << i;
    EXPECT_EQ(GetDlgCtrlID(child), ids[i]);
    GetClassNameA(child, text, sizeof(text));
    EXPECT_STREQ(text, classes[i]);
    EXPECT_EQ(GetParent(child), dialog_);
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr);
  GetWindowTextA(GetDlgItem(dialog_, 1005), text, sizeof(text));
  EXPECT_STREQ(text, "Search Only Selected Items");
  EXPECT_EQ(GetDlgItem(dialog_, 4711), nullptr);
}

TEST_F(DialogTest, DialogUnitsFollowTheTemplateFont) {
  ASSERT_NE(Create(SearchTemplate()), nullptr);
  RECT r = {7, 18, 7 + 239, 18 + 14};
  ASSERT_TRUE(MapDialogRect(dialog_, &r));
  // The base units of 8-point "MS Shell Dlg" are 6 x 13 on Windows; Wine's
  // substitute font (headless, no Windows fonts) has other metrics.
  RECT find = {};
  GetWindowRect(GetDlgItem(dialog_, 1000), &find);
  TODO_WINE({
    EXPECT_EQ(r.left, 11);                  // 7 * 6 / 4 rounded
    EXPECT_EQ(r.top, 29);                   // 18 * 13 / 8 rounded
    EXPECT_EQ(find.right - find.left, 75);  // 50 dialog units at 6 pixels per 4
  });
}

TEST_F(DialogTest, InitDialogGetsTheParamAndTheFirstTabStop) {
  ASSERT_NE(Create(SearchTemplate(), 0x5150), nullptr);
  ASSERT_FALSE(DlgCalls().empty());
  for (const auto& call : DlgCalls()) {
    EXPECT_NE(call.msg, static_cast<UINT>(WM_CREATE)) << "the dialog procedure never sees WM_CREATE";
    EXPECT_NE(call.msg, static_cast<UINT>(WM_NCCREATE));
  }
  const auto& init = DlgCalls().back();
  EXPECT_EQ(init.msg, static_cast<UINT>(WM_INITDIALOG));
  EXPECT_EQ(init.lParam, 0x5150);
  EXPECT_EQ(reinterpret_cast<HWND>(init.wParam), GetDlgItem(dialog_, 1000));
}

TEST_F(DialogTest, InitDialogTrueFocusesTheFirstTabStop) {
  ASSERT_NE(Create(SearchTemplate()), nullptr);
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, 1000));
}

TEST_F(DialogTest, InitDialogFalseKeepsTheFocusTheProcedureSet) {
  rec::g_initResult = FALSE;
  rec::g_initFocusId = 1001;
  ASSERT_NE(Create(SearchTemplate()), nullptr);
  EXPECT_EQ(FocusId(dialog_), 1001);
  EXPECT_EQ(GetParent(GetFocus()), GetDlgItem(dialog_, 1001)) << "the combo box's edit field has it";
}

TEST_F(DialogTest, InitDialogTrueSelectsTheTextOfAnEditField) {
  const auto bytes = standin::DialogTemplateBuilder(false)
                         .Style(WS_POPUP)
                         .Rect(0, 0, 100, 50)
                         .Control(10, standin::TemplateName::Ordinal(0x81), "text", 0, 0, 50, 12,
                                  WS_VISIBLE | WS_TABSTOP)
                         .Build();
  ASSERT_NE(Create(bytes), nullptr);
  HWND edit = GetDlgItem(dialog_, 10);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELONG(0, 4));
  EXPECT_FALSE(IsWindowVisible(dialog_)) << "no WS_VISIBLE: the dialog stays hidden";
}

TEST_F(DialogTest, WindowLongs) {
  ASSERT_NE(Create(SearchTemplate()), nullptr);
  EXPECT_EQ(GetWindowLongPtrA(dialog_, DWLP_DLGPROC), reinterpret_cast<LONG_PTR>(rec::RecordingDlgProc));
  SetWindowLongPtrA(dialog_, DWLP_USER, 0x1234);
  EXPECT_EQ(GetWindowLongPtrA(dialog_, DWLP_USER), 0x1234);
  EXPECT_EQ(SendMessageA(dialog_, WM_USER + 5, 0, 0), 1234) << "the result of a handled message is DWLP_MSGRESULT";
}

TEST_F(DialogTest, DefaultButtonId) {
  ASSERT_NE(Create(SearchTemplate()), nullptr);
  EXPECT_EQ(SendMessageA(dialog_, DM_GETDEFID, 0, 0), MAKELONG(1000, DC_HASDEFID));
  EXPECT_TRUE(SendMessageA(dialog_, DM_SETDEFID, IDCANCEL, 0));
  EXPECT_EQ(SendMessageA(dialog_, DM_GETDEFID, 0, 0), MAKELONG(IDCANCEL, DC_HASDEFID));
  EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog_, IDCANCEL), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog_, 1000), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);

  DestroyWindow(dialog_);
  const auto plain = standin::DialogTemplateBuilder(false).Style(WS_POPUP).Rect(0, 0, 10, 10).Build();
  ASSERT_NE(Create(plain), nullptr);
  EXPECT_EQ(SendMessageA(dialog_, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID)) << "IDOK without a default button";
}

TEST_F(DialogTest, ItemHelpers) {
  ASSERT_NE(Create(SearchTemplate()), nullptr);
  EXPECT_TRUE(CheckDlgButton(dialog_, 1003, BST_CHECKED));
  EXPECT_EQ(IsDlgButtonChecked(dialog_, 1003), static_cast<UINT>(BST_CHECKED));
  EXPECT_EQ(IsDlgButtonChecked(dialog_, 1002), static_cast<UINT>(BST_UNCHECKED));
  EXPECT_EQ(SendDlgItemMessageA(dialog_, 1001, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("abc")), 0);
  EXPECT_EQ(SendDlgItemMessageA(dialog_, 4711, CB_GETCOUNT, 0, 0), 0) << "no such item";
  EXPECT_TRUE(SetDlgItemInt(dialog_, 1001, static_cast<UINT>(-12), TRUE));
  BOOL ok = FALSE;
  EXPECT_EQ(static_cast<int>(GetDlgItemInt(dialog_, 1001, &ok, TRUE)), -12);
  EXPECT_TRUE(ok);
  char text[16] = {};
  EXPECT_EQ(GetDlgItemTextA(dialog_, 1001, text, sizeof(text)), 3u);
  EXPECT_STREQ(text, "-12");
}

TEST_F(DialogTest, CreateFromTheModuleResources) {
  dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(101), owner_, rec::RecordingDlgProc, 7);
  ASSERT_NE(dialog_, nullptr);
  EXPECT_NE(GetDlgItem(dialog_, 1006), nullptr);
  EXPECT_EQ(CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(102), owner_, rec::RecordingDlgProc, 0),
            nullptr);
}

TEST_F(DialogTest, UnknownControlClassFailsTheDialog) {
  const auto bytes = standin::DialogTemplateBuilder(false)
                         .Style(WS_POPUP)
                         .Control(1, standin::TemplateName::Text("NoSuchClass"), "", 0, 0, 1, 1, 0)
                         .Build();
  EXPECT_EQ(Create(bytes), nullptr);
}

TEST_F(DialogTest, CloseBecomesIdCancel) {
  ASSERT_NE(Create(SearchTemplate()), nullptr);
  DlgCalls().clear();
  SendMessageA(dialog_, WM_CLOSE, 0, 0);
  ctltest::Pump(nullptr);
  ASSERT_EQ(DlgCalls().size(), 1u);
  EXPECT_EQ(DlgCalls()[0].msg, static_cast<UINT>(WM_COMMAND));
  EXPECT_EQ(DlgCalls()[0].wParam, MAKEWPARAM(IDCANCEL, BN_CLICKED));
  EXPECT_EQ(reinterpret_cast<HWND>(DlgCalls()[0].lParam), GetDlgItem(dialog_, IDCANCEL));
}

TEST_F(DialogTest, EndDialogHidesAModelessDialog) {
  ASSERT_NE(Create(SearchTemplate()), nullptr);
  EXPECT_TRUE(EndDialog(dialog_, 5));
  EXPECT_TRUE(IsWindow(dialog_));
  EXPECT_FALSE(IsWindowVisible(dialog_));
  EXPECT_FALSE(EndDialog(owner_, 5)) << "not a dialog";
}

INT_PTR CALLBACK EndAtOnce(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    EndDialog(hwnd, lParam);
    return TRUE;
  }
  return FALSE;
}

TEST_F(DialogTest, DialogBoxReturnsTheEndDialogResult) {
  EXPECT_EQ(DialogBoxIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(SearchTemplate().data()), owner_,
                                    EndAtOnce, 42),
            42);
  EXPECT_TRUE(IsWindowEnabled(owner_)) << "the owner is enabled again";
}

}  // namespace
