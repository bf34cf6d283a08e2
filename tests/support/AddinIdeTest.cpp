// The add-in test fixture (see AddinIdeTest.h).
#include "AddinIdeTest.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ReportLineFormat.h"
#include "TestFolders.h"
#include "standin.h"

std::string CorpusDir() {
  struct stat st;
  std::string dir = OLVAREN_CORPUS_DIR;
  return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? dir : std::string();
}

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

void AddinIdeTest::SetUp() {
  folder_ = testsupport::MakeTempFolder("olvaren-addin-test");
  ASSERT_NE(folder_, "");
  ASSERT_TRUE(testsupport::SetSettingsFolder(folder_));
  StartIde();
}

void AddinIdeTest::TearDown() {
  ExitIde();
  testsupport::RestoreSettingsFolder();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void AddinIdeTest::StartIde() {
  ide::Ide::Instance().Reset();
  standin::ClearMessageBoxes();
  standin::ClearDebugOutput();
  shell_ = std::make_unique<ide::shell::Shell>();
  ASSERT_TRUE(shell_->Start());
  ASSERT_TRUE(shell_->LoadTool("Olvaren.dll")) << shell_->ToolError();
}

void AddinIdeTest::ExitIde() {
  if (shell_) shell_->Exit();
  shell_.reset();
  ide::Ide::Instance().Reset();
  standin::ClearMessageBoxes();
}

void AddinIdeTest::RestartIde(const std::string& settings) {
  ExitIde();
  if (!settings.empty()) WriteTextFile(folder_ + "/Olvaren.xml", settings);
  StartIde();
}

void AddinIdeTest::Open(const std::string& path, const std::vector<std::string>& includeDirs) {
  ide::LoadOptions options;
  options.includeDirs = includeDirs;
  ide::LoadStatus status = shell_->OpenFile(path, options);
  ASSERT_TRUE(status) << status.Message();
}

std::string AddinIdeTest::ReportOutput(const std::string& stripFolder) const {
  std::string out;
  std::string prefix = stripFolder.empty() ? std::string() : stripFolder + "/";
  for (const ide::ReportLine& line : shell_->ReportLines()) {
    std::string text = olvcli::FormatReportLine(line, true);
    if (!prefix.empty() && text.compare(0, prefix.size(), prefix) == 0) text.erase(0, prefix.size());
    out += text + "\n";
  }
  return out;
}

std::vector<std::string> AddinIdeTest::ReportTexts() const {
  std::vector<std::string> texts;
  for (const ide::ReportLine& line : shell_->ReportLines()) texts.push_back(line.text);
  return texts;
}
