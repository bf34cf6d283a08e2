// The shell as host of a tool DLL: loading and the design hook, the
// notification sequence of the IDE's events, tool calls, keystrokes through
// the tool's keyboard hook, and unloading at exit.
#include <sstream>

#include "ShellTestSupport.h"

namespace shelltest {
namespace {

const char kFakeTool[] = "shell_fake_tool.dll";

class ToolTest : public ShellTest {
protected:
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_TRUE(shell.LoadTool(kFakeTool)) << shell.ToolError();
    HMODULE module = GetModuleHandleA(kFakeTool);
    ASSERT_NE(module, nullptr);
    log_ = ExportAs<const char*(WINAPI*)()>(module, "FakeToolLog");
    clear_ = ExportAs<void(WINAPI*)()>(module, "FakeToolClearLog");
    ASSERT_TRUE(log_ && clear_);
  }
  // The tool's log since the last call, one entry per line.
  std::vector<std::string> TakeLog() {
    std::vector<std::string> lines;
    std::istringstream in(log_());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    clear_();
    return lines;
  }
  std::string Root() const { return std::to_string(app()) + "/1"; }

  const char* (WINAPI* log_)() = nullptr;
  void(WINAPI* clear_)() = nullptr;
};

using Log = std::vector<std::string>;

TEST_F(ToolTest, LoadingCallsTheDesignHookWithTheMainWindow) {
  EXPECT_EQ(TakeLog(), (Log{"SWinDesignHookSet OlvIdeMainFrame", "OnRegistrationHookSet"}));
  EXPECT_EQ(shell.LoadedTools(), std::vector<std::string>{kFakeTool});
}

TEST_F(ToolTest, IdeEventsReachTheSinkInOrder) {
  TakeLog();
  OpenSample();
  shell.Activate();
  shell.Activate();  // already active: no second notification
  shell.RunDesign();
  shell.RunUser();
  ide::ItemHandle item = FindItem("Functional Class: fcShape");
  shell.Mark(item);
  shell.Deactivate();
  shell.Activate();
  const std::string root = Root(), selected = std::to_string(app()) + "/" + std::to_string(item);
  shell.CloseFile();
  EXPECT_EQ(TakeLog(), (Log{"OnFileRead " + root, "OnTaskActivate " + root, "OnRunDesign", "OnRunUser",
                            "OnItemSelected " + selected, "OnTaskDeactivate", "OnTaskActivate " + root,
                            "OnFileClose"}));
  EXPECT_EQ(shell.EventLog(), (Log{"OnFileRead", "OnTaskActivate", "OnRunDesign", "OnRunUser", "OnItemSelected",
                                   "OnTaskDeactivate", "OnTaskActivate", "OnFileClose"}));
}

// The task notifications follow the application's activation (WM_ACTIVATEAPP),
// not the main window's: a modeless window of the IDE becoming active leaves
// the IDE the active application, and the keyboard hook stays.
TEST_F(ToolTest, TaskActivationFollowsTheApplicationNotTheMainWindow) {
  OpenSample();
  shell.Activate();
  HWND modeless = CreateWindowExA(0, "Static", "Find", WS_POPUP | WS_VISIBLE, 0, 0, 100, 50,
                                  shell.MainWindowHandle(), nullptr, nullptr, nullptr);
  ASSERT_NE(modeless, nullptr);
  TakeLog();
  shell.ClearEventLog();
  SetForegroundWindow(modeless);
  shell.PumpMessages();
  EXPECT_EQ(GetActiveWindow(), modeless);
  ASSERT_TRUE(shell.PressKey(VK_F2));
  EXPECT_EQ(TakeLog(), (Log{"key 113 down", "key 113 up"}));  // the hook decides, as while the IDE is active
  shell.Deactivate();
  SetForegroundWindow(modeless);  // back from the other application, into the IDE's window
  shell.PumpMessages();
  shell.Activate();               // the main window: no change of application
  EXPECT_EQ(TakeLog(), (Log{"OnTaskDeactivate", "OnTaskActivate " + Root()}));
  EXPECT_EQ(shell.EventLog(), (Log{"OnTaskDeactivate", "OnTaskActivate"}));
  DestroyWindow(modeless);
}

TEST_F(ToolTest, ExitReportsShutdownAndUnloadsTheTool) {
  OpenSample();
  shell.Activate();
  TakeLog();
  shell.Exit();
  // The module is gone: its log cannot be read any more, but it said goodbye.
  EXPECT_EQ(GetModuleHandleA(kFakeTool), nullptr);
  std::vector<std::string> debug = standin::DebugOutput();
  ASSERT_FALSE(debug.empty());
  EXPECT_EQ(debug.back(), "[fake tool] detached\n");
  EXPECT_EQ(shell.EventLog().back(), "TaskShutdown");
  EXPECT_EQ(CdkRegisteredSink(), nullptr);
}

TEST_F(ToolTest, ToolCallsReachTheToolEntryWithTheArgumentString) {
  TakeLog();
  struct Case {
    int parameter;
    std::string arguments;
  };
  const Case cases[] = {{0, "Tools ClassMate"}, {7, "x  MassFinder"}, {-1, ""}};
  for (const Case& c : cases) {
    ASSERT_TRUE(shell.RunTool(c.parameter, c.arguments));
    EXPECT_EQ(TakeLog(), Log{"GuptaTool " + std::to_string(c.parameter) + " " + c.arguments});
  }
  EXPECT_TRUE(shell.RunTool(1, "Tools ClassMate", "SHELL_FAKE_TOOL.DLL"));  // names compare as on Windows
  EXPECT_FALSE(shell.RunTool(1, "Tools ClassMate", "other.dll"));
}

TEST_F(ToolTest, ReportLinesAndMessageBoxesOfAToolShowInTheIde) {
  OpenSample();
  ASSERT_TRUE(shell.RunTool(0, "x Report hello"));
  ASSERT_EQ(shell.ReportLines().size(), 1u);
  EXPECT_EQ(shell.ReportLines()[0].text, "hello");
  EXPECT_EQ(shell.ReportLines()[0].outline, app());
  EXPECT_EQ(shell.ReportLines()[0].item, 1u);

  ASSERT_TRUE(shell.RunTool(0, "x Box oops"));
  std::vector<standin::MessageBoxRecord> boxes = shell.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "oops");
  EXPECT_EQ(boxes[0].caption, "Fake Tool");
}

TEST_F(ToolTest, KeystrokesReachTheToolsKeyboardHookWhileActive) {
  OpenSample();
  shell.Activate();
  TakeLog();
  shell.ClearKeysReceived();

  struct Case {
    UINT key;
    int modifiers;
    Log hookSees;
    std::vector<UINT> ideGets;
  };
  const Case cases[] = {
      {VK_F2, 0, {"key 113 down", "key 113 up"}, {}},  // swallowed by the tool
      {VK_F2, ide::shell::kModCtrl,
       {"key 17 down", "key 113 down ctrl", "key 113 up ctrl", "key 17 up"},
       {VK_CONTROL}},
      {'A', 0, {"key 65 down", "key 65 up"}, {'A'}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(shell.PressKey(c.key, c.modifiers));
    EXPECT_EQ(TakeLog(), c.hookSees) << "key " << c.key;
    EXPECT_EQ(shell.KeysReceived(), c.ideGets) << "key " << c.key;
    shell.ClearKeysReceived();
  }

  ASSERT_TRUE(shell.HoldKey(VK_F3, 2));
  EXPECT_EQ(TakeLog(), (Log{"key 114 down", "key 114 repeat", "key 114 repeat", "key 114 up"}));

  shell.Deactivate();
  TakeLog();
  shell.ClearKeysReceived();
  ASSERT_TRUE(shell.PressKey(VK_F2));
  EXPECT_EQ(TakeLog(), Log{});  // hook removed when the IDE lost activation
}

TEST_F(ToolTest, KeysGoToTheInlineEditorWhenOpen) {
  OpenSample();
  shell.Activate();
  ASSERT_TRUE(shell.BeginEdit(FindItem("Return nArea"), 0));
  EXPECT_EQ(GetFocus(), shell.Editor().Handle());
  shell.ClearKeysReceived();
  ASSERT_TRUE(shell.PressKey(VK_F5));
  EXPECT_EQ(shell.KeysReceived(), std::vector<UINT>{VK_F5});
}

// The outline editor's own edits reach the tool: leaving an edited line
// (OnItemModified, after the line changed), a new line (OnItemInserted) and
// a deleted item (OnItemDeleted, while it still exists).
TEST_F(ToolTest, OutlineEditsAreReportedToTheTool) {
  OpenSample();
  shell.Activate();
  const ide::ItemHandle item = FindItem("Return nArea");
  ASSERT_TRUE(shell.BeginEdit(item));
  ASSERT_TRUE(shell.PressKey(VK_SPACE));
  ASSERT_TRUE(shell.PressKey('2'));
  shell.ClearEventLog();
  EXPECT_TRUE(shell.CommitEdit());
  EXPECT_FALSE(shell.Editor().IsOpen());
  EXPECT_EQ(outline().OutlineLine(ide::ToItemId(item)), "Return nArea 2");
  EXPECT_FALSE(shell.CommitEdit());  // nothing open

  const size_t count = outline().Count();
  const ide::ItemHandle added = shell.InsertItemAfter(item, "Return 0");
  ASSERT_NE(added, 0u);
  EXPECT_EQ(outline().OutlineLine(ide::ToItemId(added)), "Return 0");
  EXPECT_EQ(outline().Parent(ide::ToItemId(added)), outline().Parent(ide::ToItemId(item)));
  EXPECT_EQ(outline().Count(), count + 1);
  EXPECT_TRUE(shell.SelectTreeItem(added));  // the refilled tree shows it
  EXPECT_EQ(shell.Tree().CaretItem(), added);
  EXPECT_TRUE(shell.DeleteItem(added));
  EXPECT_EQ(outline().Count(), count);
  // The application item has no line beside it and stays.
  EXPECT_EQ(shell.InsertItemAfter(1, "Return 0"), 0u);
  EXPECT_FALSE(shell.DeleteItem(1));
  EXPECT_EQ(shell.EventLog(), (Log{"OnItemModified", "OnItemInserted", "OnItemDeleted"}));

  // A text with a line break is no item's line: the editor stays open.
  ASSERT_TRUE(shell.BeginEdit(item));
  SetWindowTextA(shell.Editor().Handle(), "Return\r\nnArea");
  EXPECT_FALSE(shell.CommitEdit());
  EXPECT_TRUE(shell.Editor().IsOpen());
  EXPECT_EQ(outline().OutlineLine(ide::ToItemId(item)), "Return nArea 2");
}

TEST(ToolHostTest, MissingToolDllFailsWithTheReason) {
  ide::Ide::Instance().Reset();
  ide::shell::Shell shell;
  ASSERT_TRUE(shell.Start());
  EXPECT_FALSE(shell.LoadTool("no_such_tool.dll"));
  EXPECT_NE(shell.ToolError().find("no_such_tool"), std::string::npos) << shell.ToolError();
  EXPECT_TRUE(shell.LoadedTools().empty());
  EXPECT_FALSE(shell.RunTool(0, "x ClassMate"));
  shell.Exit();
}

}  // namespace
}  // namespace shelltest
