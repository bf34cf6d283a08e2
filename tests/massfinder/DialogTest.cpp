// The "Mass Finder" dialog as a user meets it inside the IDE: opened by the
// tool call (once), its recent-pattern list, its check boxes reset on every
// activation, Find! and Close, and the dialog keys delivered through the
// IDE's own message loop by the dialog's message hook.
#include <string>
#include <vector>

#include "MassFinderTestSupport.h"
#include "resources/resource.h"
#include "standin.h"

namespace {

std::string SamplePath() { return std::string(OLVAREN_SOURCE_DIR) + "/samples/Olvaren_Sample.app"; }

int CountDialogs() {
  int count = 0;
  for (HWND h = FindWindowExA(nullptr, nullptr, nullptr, "Mass Finder"); h != nullptr;
       h = FindWindowExA(nullptr, h, nullptr, "Mass Finder"))
    ++count;
  return count;
}

class DialogTest : public MassFinderTest {
protected:
  void SetUp() override {
    MassFinderTest::SetUp();
    Open(SamplePath());
  }
};

TEST_F(DialogTest, ToolCallsThatOpenTheDialog) {
  struct Case {
    const char* arguments;
    bool opens;
  };
  const Case cases[] = {
      {"Tools MassFinder", true},
      {"x massfinder", true},          // the name is compared without regard to case
      {"MassFinder", false},           // one token only
      {"x  MassFinder", false},        // the second token is empty
      {"x ClassMateX MassFinder", false},
      {"Tools MassFinder extra", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    InvokeTool(c.arguments);
    EXPECT_EQ(CountDialogs(), c.opens ? 1 : 0);
    if (Dialog() != nullptr) ClickClose();
  }
}

TEST_F(DialogTest, LayoutFromTheTemplate) {
  InvokeTool();
  HWND dlg = Dialog();
  ASSERT_NE(dlg, nullptr);
  EXPECT_TRUE(IsWindowVisible(dlg));
  EXPECT_EQ(GetWindow(dlg, GW_OWNER), Ide().MainWindowHandle());
  struct ControlText {
    int id;
    const char* text;
  };
  const ControlText controls[] = {
      {IDC_FIND, "Find!"},
      {IDCANCEL, "Close"},
      {IDC_MATCH_CASE, "Match Case"},
      {IDC_WHOLE_WORD, "Match Whole Word"},
      {IDC_IGNORE_INCLUDES, "Ignore Included Items"},
      {IDC_ONLY_MARKED, "Search Only Selected Items"},
      {IDC_IGNORE_COMMENTS, "Ignore Comments"},
  };
  for (const ControlText& c : controls) {
    char text[64] = {};
    GetWindowTextA(GetDlgItem(dlg, c.id), text, sizeof text);
    EXPECT_STREQ(text, c.text) << c.id;
  }
  HWND focus = GetFocus();
  EXPECT_TRUE(focus == Control(IDC_PATTERN) || IsChild(Control(IDC_PATTERN), focus));
}

TEST_F(DialogTest, SecondInvocationNeitherOpensNorActivates) {
  InvokeTool();
  ActivateIde();
  HWND active = GetActiveWindow();
  InvokeTool();
  EXPECT_EQ(CountDialogs(), 1);
  EXPECT_EQ(GetActiveWindow(), active);
}

TEST_F(DialogTest, NoApplicationNoDialog) {
  Ide().CloseFile();
  InvokeTool();
  EXPECT_EQ(Dialog(), nullptr);
  EXPECT_TRUE(ReportTexts().empty());
}

TEST_F(DialogTest, RecentPatternsNewestFirst) {
  Find("abc");
  Find("xyz");
  Find("abc");
  EXPECT_EQ(ComboEntries(), (std::vector<std::string>{"abc", "xyz"}));
  EXPECT_EQ(EditText(), "abc");
  Find("ABC");  // another entry: the list compares with case
  EXPECT_EQ(ComboEntries(), (std::vector<std::string>{"ABC", "abc", "xyz"}));
  // every search empties the report window first
  EXPECT_EQ(ReportTexts().front(), "Search Results for \"ABC\"");
}

TEST_F(DialogTest, SearchShowsTheWaitCursorAndTakesItDown) {
  InvokeTool();
  const int changes = standin::CursorChanges();
  Find("shape");
#ifndef _WIN32  // Windows keeps no count of cursor changes: only the stand-in can say the wait cursor came
  EXPECT_GE(standin::CursorChanges() - changes, 2);
#else
  static_cast<void>(changes);
#endif
  EXPECT_NE(standin::CurrentCursorId(), 32514);  // IDC_WAIT
}

TEST_F(DialogTest, ActivationResetsCheckBoxesAndTypedText) {
  Find("shape", FindOptions{false, true, false, false, false});
  SetCheck(IDC_WHOLE_WORD, false);
  SetCheck(IDC_MATCH_CASE, true);
  Type("typed but not searched");
  ActivateIde();
  ActivateDialog();
  EXPECT_TRUE(IsChecked(IDC_WHOLE_WORD));
  EXPECT_FALSE(IsChecked(IDC_MATCH_CASE));
  EXPECT_EQ(EditText(), "shape");
}

TEST_F(DialogTest, FindWithAnEmptyFieldDoesNothing) {
  InvokeTool();
  Type("");
  ClickFind();
  EXPECT_TRUE(ReportTexts().empty());
  EXPECT_EQ(ReadTextFile(SettingsPath()).find("massfinder"), std::string::npos);
}

TEST_F(DialogTest, CloseAndCaptionCloseEndTheDialog) {
  InvokeTool();
  ClickClose();
  EXPECT_EQ(Dialog(), nullptr);
  InvokeTool();  // a new dialog
  ASSERT_NE(Dialog(), nullptr);
  SendMessageA(Dialog(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Dialog(), nullptr);
  InvokeTool();
  ASSERT_NE(Dialog(), nullptr);
  // destroyed without Close, as with its owner: the tool opens a new one
  DestroyWindow(Dialog());
  EXPECT_EQ(Dialog(), nullptr);
  InvokeTool();
  EXPECT_NE(Dialog(), nullptr);
}

TEST_F(DialogTest, ApplicationClosedWhileOpen) {
  InvokeTool();
  Ide().CloseFile();
  Type("shape");
  ClickFind();
  EXPECT_EQ(ReportTexts(), (std::vector<std::string>{"Not a valid App Object!"}));
  // the settings were saved all the same
  EXPECT_NE(ReadTextFile(SettingsPath()).find("value=\"shape\""), std::string::npos);
}

// Keys pressed while the dialog has the focus go through the IDE's message
// loop; the dialog's hook hands them to the dialog manager, and the IDE
// itself never sees them.
TEST_F(DialogTest, DialogKeysThroughTheIdeMessageLoop) {
  InvokeTool();
  HWND dlg = Dialog();
  ASSERT_NE(dlg, nullptr);
  Ide().ClearKeysReceived();

  Ide().PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control(IDC_MATCH_CASE));
  Ide().PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control(IDC_WHOLE_WORD));
  // Shift held while the loop delivers Tab (the stand-in's GetKeyState
  // reads the keyboard as it is now, not as of the message).
  standin::KeyDown(VK_SHIFT);
  Ide().PressKey(VK_TAB);
  standin::KeyUp(VK_SHIFT);
  Ide().PumpMessages();
  EXPECT_EQ(GetFocus(), Control(IDC_MATCH_CASE));

  Type("shape");
  Ide().PressKey(VK_RETURN);  // the default button, Find!
  std::vector<std::string> report = ReportTexts();
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(report.front(), "Search Results for \"shape\"");

  SetFocus(Control(IDC_MATCH_CASE));
  Ide().PressKey(VK_ESCAPE);  // the Close button
  EXPECT_FALSE(IsWindow(dlg));
  EXPECT_TRUE(Ide().KeysReceived().empty());

  // With the dialog gone (and its hook removed), keys reach the IDE again.
  ActivateIde();
  Ide().PressKey(VK_TAB);
  EXPECT_EQ(Ide().KeysReceived(), (std::vector<UINT>{VK_TAB}));
}

}  // namespace
