// The debug trace as the IDE's debug channel shows it: every life-cycle step
// and IDE event with debug_mode on, in order and in pieces; nothing with it off.
#include <regex>

#include "HostTestSupport.h"
#include "standin.h"

namespace {

const char kDebugOn[] =
    "<?xml version=\"1.0\"?>\n<everything progID=\"Olvaren\">\n\t<module_host>\n"
    "\t\t<property name=\"debug_mode\" value=\"true\" />\n\t</module_host>\n</everything>\n";

class TraceTest : public HostTest {
protected:
  // One IDE session touching every traced event.
  void RunSession() {
    StartIde();
    Ide().RunTool(0, "x ClassMate");
    OpenSampleApp();
    Ide().RunDesign();
    Ide().RunUser();
    Ide().Activate();
    Ide().Deactivate();
    ExitIde();
  }
};

TEST_F(TraceTest, EveryStepWithDebugModeOn) {
  WriteFile(SettingsFile(), kDebugOn);
  RunSession();

  std::vector<std::string> lines = TraceLines();
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "[Olvaren] COlvarenApp::InitInstance()");
  EXPECT_EQ(lines[1], "[Olvaren] CDK Registration Hook was set.");
  EXPECT_EQ(lines[2], "[Olvaren] GuptaTool/CenturaTool called.");
  EXPECT_EQ(lines[3], "[Olvaren] OnFileRead");
  EXPECT_EQ(lines[4], "[Olvaren] OnRunDesign");
  EXPECT_EQ(lines[5], "[Olvaren] OnRunUser");
  EXPECT_EQ(lines[6], "[Olvaren] OnTaskActivate, App::Valid: Yes");
  EXPECT_TRUE(std::regex_match(lines[7], std::regex(R"(\[Olvaren\] CCodeJumper::StartkeyboardTracking\(\), Hook Installed: 0x[0-9a-f]+)")))
      << lines[7];
  EXPECT_EQ(lines[8], "[Olvaren] OnTaskDeactivate");
  EXPECT_EQ(lines[9], "[Olvaren] CCodeJumper::StopkeyboardTracking(), Hook Uninstalled");
  EXPECT_EQ(lines[10], "[Olvaren] TaskShutdown Notification.");
}

TEST_F(TraceTest, EachInsertionIsAPieceOfItsOwn) {
  WriteFile(SettingsFile(), kDebugOn);
  StartIde();
  OpenSampleApp();
  standin::ClearDebugOutput();
  Ide().Activate();

  std::vector<std::string> pieces;
  for (const std::string& piece : standin::DebugOutput())
    if (!piece.empty()) pieces.push_back(piece);
  ASSERT_GE(pieces.size(), 3u);
  EXPECT_EQ(pieces[0], "[Olvaren] OnTaskActivate, App::Valid: ");
  EXPECT_EQ(pieces[1], "Yes");
  EXPECT_EQ(pieces[2], "\n");
}

TEST_F(TraceTest, NothingWithDebugModeOff) {
  RunSession();
  EXPECT_TRUE(standin::DebugOutput().empty()) << standin::DebugOutput().front();
}

}  // namespace
