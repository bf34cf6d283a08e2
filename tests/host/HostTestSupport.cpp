// Test support for the add-in host (see HostTestSupport.h).
#include "HostTestSupport.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestFolders.h"
#include "standin.h"

const char kFreshSettings[] =
    "<?xml version=\"1.0\"?>\n"
    "<everything progID=\"Olvaren\">\n"
    "\t<codejumper />\n"
    "\t<classmate />\n"
    "\t<module_host>\n"
    "\t\t<property name=\"debug_mode\" value=\"false\" />\n"
    "\t</module_host>\n"
    "</everything>\n";

void HostTest::SetUp() {
  folder_ = testsupport::MakeTempFolder("olvaren-host");
  ASSERT_NE(folder_, "");
  ASSERT_TRUE(testsupport::SetSettingsFolder(folder_));
  ide::Ide::Instance().Reset();
}

void HostTest::TearDown() {
  ExitIde();
  testsupport::RestoreSettingsFolder();
  ide::Ide::Instance().Reset();
  standin::ReleaseAllKeys();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

ide::shell::Shell& HostTest::StartIde(const char* dll) {
  standin::ClearDebugOutput();
  standin::ClearMessageBoxes();
  shell_ = std::make_unique<ide::shell::Shell>();
  EXPECT_TRUE(shell_->Start());
  EXPECT_TRUE(shell_->LoadTool(dll)) << shell_->ToolError();
  return *shell_;
}

void HostTest::ExitIde() {
  if (shell_) shell_->Exit();
  shell_.reset();
}

void HostTest::OpenSampleApp() {
  std::string path = folder_ + "/Sample.app";
  WriteFile(path,
            ".head 0 +  Application Description: host test\n"
            ".head 1 -  Outline Version - 4.0.28\n"
            ".head 1 +  Global Declarations\n"
            ".head 2 -  Window Defaults\n");
  ide::LoadStatus status = shell_->OpenFile(path);
  ASSERT_TRUE(status) << status.Message();
}

void HostTest::WriteFile(const std::string& path, const std::string& content) const {
  std::ofstream out(path, std::ios::binary);
  out << content;
}

std::string HostTest::ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool HostTest::Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

std::vector<std::string> HostTest::TraceLines() const {
  std::vector<std::string> lines;
  std::string current;
  for (const std::string& piece : standin::DebugOutput()) {
    if (piece.rfind("[Probe", 0) == 0) continue;
    for (char c : piece) {
      if (c == '\n') {
        lines.push_back(current);
        current.clear();
      } else {
        current += c;
      }
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

std::vector<std::string> HostTest::ProbeLines() const {
  std::vector<std::string> lines;
  for (const std::string& piece : standin::DebugOutput())
    if (piece.rfind("[Probe", 0) == 0) lines.push_back(piece);
  return lines;
}

std::string HostTest::HostState() const {
  char buffer[512] = "";
  auto state = Probe<void (*)(char*, int)>("ProbeHostState");
  if (state != nullptr) state(buffer, sizeof(buffer));
  return buffer;
}
