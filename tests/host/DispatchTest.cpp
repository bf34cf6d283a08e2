// How the host offers outside events to its modules, observed through probe
// modules appended to its list (probe build OlvarenProbe.dll): tool calls
// with their tokens, CDK notifications with their codes, keystrokes through
// the keyboard hook with their modifier codes, and the swallowing rule.
#include "HostTestSupport.h"
#include "cdk.h"
#include "ide/cdk/CdkEvents.h"
#include "standin.h"

namespace {

typedef void(WINAPI* ToolEntry)(int, const char*);

class DispatchTest : public HostTest {
protected:
  // The IDE with the probe build, an application open, and probe modules
  // appended behind the three tool modules.
  void StartWithProbes(std::vector<BOOL> keyResults) {
    StartIde("OlvarenProbe.dll");
    OpenSampleApp();
    auto attach = Probe<void (*)(int, BOOL)>("ProbeAttach");
    ASSERT_NE(attach, nullptr);
    for (size_t i = 0; i < keyResults.size(); ++i) attach(static_cast<int>(i + 1), keyResults[i]);
    standin::ClearDebugOutput();
  }
  std::vector<std::string> TakeProbeLines() {
    std::vector<std::string> lines = ProbeLines();
    standin::ClearDebugOutput();
    return lines;
  }
};

TEST_F(DispatchTest, ToolArgumentsAreSplitAtEveryBlank) {
  StartWithProbes({FALSE});
  // The developer picks the tools from the active IDE's menu (a dialog that
  // opens then leaves the IDE the active application).
  Ide().Activate();
  TakeProbeLines();
  struct Case {
    const char* arguments;
    const char* line;
  } cases[] = {
      {"x ClassMate", "[Probe 1] tool 7 [x] [ClassMate]"},
      {"ClassMate", "[Probe 1] tool 7 [ClassMate]"},
      {"x  MassFinder", "[Probe 1] tool 7 [x] [] [MassFinder]"},
      {"x MassFinder ", "[Probe 1] tool 7 [x] [MassFinder] []"},
      {"", "[Probe 1] tool 7 []"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Ide().RunTool(7, c.arguments));
    EXPECT_EQ(TakeProbeLines(), std::vector<std::string>{c.line}) << c.arguments;
  }

  // The IDE may pass no string at all; both export names reach the one entry.
  HMODULE module = GetModuleHandleA("OlvarenProbe.dll");
  auto gupta = reinterpret_cast<ToolEntry>(reinterpret_cast<void (*)()>(GetProcAddress(module, "GuptaTool")));
  ASSERT_NE(gupta, nullptr);
  EXPECT_EQ(reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(gupta)), GetProcAddress(module, "CenturaTool"));
  EXPECT_EQ(reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(gupta)), GetProcAddress(module, MAKEINTRESOURCEA(2)));
  EXPECT_EQ(reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(gupta)), GetProcAddress(module, MAKEINTRESOURCEA(3)));
  EXPECT_EQ(GetProcAddress(module, "SWinDesignHookSet"), GetProcAddress(module, MAKEINTRESOURCEA(1)));
  gupta(7, nullptr);
  EXPECT_EQ(TakeProbeLines(), std::vector<std::string>{"[Probe 1] tool 7 []"});
}

TEST_F(DispatchTest, NotificationsReachEveryModuleWithTheirCodes) {
  StartWithProbes({FALSE, FALSE});
  ide::OutlineHandle app = Ide().Application();
  ide::ItemHandle root = ide::Ide::Instance().RootItem(app);
  const CdkOutlineCode outlineCodes[] = {CDK_ITEM_INSERTED, CDK_ITEM_DELETED, CDK_ITEM_MODIFIED, CDK_ITEM_MOVED,
                                         CDK_ITEM_SELECTED, CDK_ITEM_EXPANDED, CDK_ITEM_COLLAPSED, CDK_OUTLINE_CLEARED};
  for (CdkOutlineCode code : outlineCodes) Ide().NotifyOutline(code, root);
  const CdkTaskCode taskCodes[] = {CDK_FILE_READ,  CDK_FILE_SAVE,     CDK_FILE_NEW,        CDK_FILE_CLOSE,
                                   CDK_COMPILE,    CDK_RUN_DESIGN,    CDK_RUN_USER,        CDK_TASK_ACTIVATE,
                                   CDK_TASK_DEACTIVATE, CDK_TASK_SHUTDOWN};
  for (CdkTaskCode code : taskCodes) CdkNotifyTask(code, app);

  std::string a = "(" + std::to_string(app) + ",";
  std::string item = a + std::to_string(root) + ")";
  std::vector<std::string> expected;
  for (const std::string& what : std::vector<std::string>{"outline 0", "outline 1", "outline 2 " + item, "outline 3", "outline 4", "outline 5", "outline 6",
        "outline 7", "task 0 " + item, "task 1", "task 2", "task 3", "task 4", "task 5", "task 6",
        "task 7 " + item, "task 8", std::string("shutdown")}) {
    expected.push_back("[Probe 1] " + what);
    expected.push_back("[Probe 2] " + what);
  }
  EXPECT_EQ(TakeProbeLines(), expected);
}

TEST_F(DispatchTest, ApplicationObjectFollowsFileReadAndInvalidActivationKeepsIt) {
  StartWithProbes({});
  ide::OutlineHandle app = Ide().Application();
  std::string expected = "app=(" + std::to_string(app) + "," + std::to_string(ide::Ide::Instance().RootItem(app)) + ")";
  EXPECT_NE(HostState().find(expected), std::string::npos) << HostState();
  CdkNotifyTask(CDK_TASK_ACTIVATE, 0);  // an application object that is not valid
  EXPECT_NE(HostState().find(expected), std::string::npos) << HostState();
  EXPECT_NE(HostState().find("hook=1"), std::string::npos) << HostState();
}

TEST_F(DispatchTest, KeyFilterAndModifierCodes) {
  StartWithProbes({FALSE});
  Ide().Activate();
  standin::ClearDebugOutput();
  struct Case {
    UINT key;
    int modifiers;
    const char* line;  // nullptr: the modules never see it
    bool reachesIde;   // false: a module (CodeJumper: F2, Ctrl+F2) consumed it
  } cases[] = {
      {VK_F2, 0, "[Probe 1] key 0 113", false},
      {VK_F2, ide::shell::kModCtrl, "[Probe 1] key 2 113", false},
      {VK_F2, ide::shell::kModShift | ide::shell::kModCtrl, "[Probe 1] key 3 113", true},
      {VK_F2, ide::shell::kModAlt, "[Probe 1] key 4 113", true},
      {'A', 0, nullptr, true},
      {'A', ide::shell::kModCtrl, "[Probe 1] key 2 65", true},
      {VK_RETURN, 0, "[Probe 1] key 0 13", true},
      {VK_F12, 0, "[Probe 1] key 0 123", true},
      {VK_ADD, 0, "[Probe 1] key 0 107", true},
      {VK_DIVIDE, 0, "[Probe 1] key 0 111", true},
      {VK_DECIMAL, 0, nullptr, true},
      {VK_CONTROL, 0, nullptr, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    Ide().ClearKeysReceived();
    ASSERT_TRUE(Ide().PressKey(c.key, c.modifiers));
    std::vector<std::string> expected;
    if (c.line) expected.push_back(c.line);
    EXPECT_EQ(TakeProbeLines(), expected);
    // Unless a module handled it, the IDE received it.
    std::vector<UINT> received = Ide().KeysReceived();
    EXPECT_EQ(std::find(received.begin(), received.end(), c.key) != received.end(), c.reachesIde);
  }

  ASSERT_TRUE(Ide().HoldKey(VK_F2, 3));
  EXPECT_EQ(TakeProbeLines(), std::vector<std::string>{"[Probe 1] key 0 113"});
}

TEST_F(DispatchTest, HandledKeyIsSwallowedAfterEveryModuleSawIt) {
  StartWithProbes({TRUE, FALSE});
  Ide().Activate();
  standin::ClearDebugOutput();
  Ide().ClearKeysReceived();
  ASSERT_TRUE(Ide().PressKey(VK_F2, ide::shell::kModCtrl));
  EXPECT_EQ(TakeProbeLines(), (std::vector<std::string>{"[Probe 1] key 2 113", "[Probe 2] key 2 113"}));
  std::vector<UINT> received = Ide().KeysReceived();
  EXPECT_EQ(std::find(received.begin(), received.end(), static_cast<UINT>(VK_F2)), received.end());

  // Once the task is deactivated the hook is gone and keys pass untouched.
  Ide().Deactivate();
  standin::ClearDebugOutput();
  Ide().PressKey(VK_F2);
  EXPECT_TRUE(ProbeLines().empty());
}

TEST_F(DispatchTest, TwoActivationsInstallOneHook) {
  WriteFile(SettingsFile(),
            "<everything><module_host><property name=\"debug_mode\" value=\"true\"/></module_host></everything>");
  StartWithProbes({});
  CdkNotifyTask(CDK_TASK_ACTIVATE, Ide().Application());
  CdkNotifyTask(CDK_TASK_ACTIVATE, Ide().Application());
  int installed = 0;
  for (const std::string& line : TraceLines())
    if (line.find("Hook Installed") != std::string::npos) ++installed;
  EXPECT_EQ(installed, 1);
  // The hook names the add-in DLL as its module.
  EXPECT_NE(HostState().find("hook=1 instance=1"), std::string::npos) << HostState();
}

TEST_F(DispatchTest, ModulesAreDeletedInListOrderAtUnload) {
  StartWithProbes({FALSE, FALSE});
  ExitIde();
  std::vector<std::string> lines = ProbeLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "[Probe 1] deleted");
  EXPECT_EQ(lines[lines.size() - 1], "[Probe 2] deleted");
}

}  // namespace
