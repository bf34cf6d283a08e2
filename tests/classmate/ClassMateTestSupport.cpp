// Test support for ClassMate (see ClassMateTestSupport.h).
#include "ClassMateTestSupport.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ReportLineFormat.h"
#include "ide/outline/ItemTypes.h"
#include "standin.h"

std::string ClassMateDataDir() { return std::string(OLVAREN_SOURCE_DIR) + "/tests/classmate/data"; }

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

void ClassMateTest::SetUp() {
  char pattern[] = "/tmp/olvaren-classmate-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  folder_ = pattern;
  setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
  StartIde();
}

void ClassMateTest::TearDown() {
  ExitIde();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void ClassMateTest::StartIde() {
  ide::Ide::Instance().Reset();
  standin::ClearMessageBoxes();
  shell_ = std::make_unique<ide::shell::Shell>();
  ASSERT_TRUE(shell_->Start());
  ASSERT_TRUE(shell_->LoadTool("Olvaren.dll")) << shell_->ToolError();
}

void ClassMateTest::ExitIde() {
  if (shell_) shell_->Exit();
  shell_.reset();
  ide::Ide::Instance().Reset();
  standin::ClearMessageBoxes();
}

void ClassMateTest::RestartIde() {
  ExitIde();
  StartIde();
}

void ClassMateTest::Open(const std::string& path, const std::vector<std::string>& includeDirs) {
  ide::LoadOptions options;
  options.includeDirs = includeDirs;
  ide::LoadStatus status = shell_->OpenFile(path, options);
  ASSERT_TRUE(status) << status.Message();
}

void ClassMateTest::Select(const std::string& target) {
  const ide::Outline* outline = ide::Ide::Instance().GetOutline(shell_->Application());
  ASSERT_NE(outline, nullptr);
  ide::ItemId found = ide::kNoItem;
  if (!target.empty() && target[0] == ':') {
    int line = std::stoi(target.substr(1));
    const std::string& mainFile = outline->File(outline->Root()).path;
    for (ide::ItemId i = 0; i < outline->Count() && found == ide::kNoItem; ++i)
      if (outline->Line(i) == line && outline->File(i).path == mainFile) found = i;
  } else {
    for (ide::ItemId i = 0; i < outline->Count() && found == ide::kNoItem; ++i) {
      ide::ItemId parent = outline->Parent(i);
      if (parent != ide::kNoItem && outline->Type(parent) == ide::ItemType::ClassDefinitions &&
          ide::IsClassDefinitionType(outline->Type(i)) && outline->Name(i) == target)
        found = i;
    }
  }
  ASSERT_NE(found, ide::kNoItem) << "no item for " << target;
  ASSERT_TRUE(shell_->Mark(ide::ToItemHandle(found)));
}

void ClassMateTest::RunTool(const std::string& arguments) {
  ASSERT_TRUE(shell_->RunTool(0, arguments)) << shell_->ToolError();
}

std::string ClassMateTest::Output(const std::string& stripFolder) const {
  std::string out;
  std::string prefix = stripFolder.empty() ? std::string() : stripFolder + "/";
  for (const ide::ReportLine& line : shell_->ReportLines()) {
    std::string text = olvcli::FormatReportLine(line, true);
    if (!prefix.empty() && text.compare(0, prefix.size(), prefix) == 0) text.erase(0, prefix.size());
    out += text + "\n";
  }
  for (const standin::MessageBoxRecord& box : standin::MessageBoxes()) out += box.caption + ": " + box.text + "\n";
  return out;
}

std::vector<std::string> ClassMateTest::ReportTexts() const {
  std::vector<std::string> texts;
  for (const ide::ReportLine& line : shell_->ReportLines()) texts.push_back(line.text);
  return texts;
}
