// Test support for MassFinder (see MassFinderTestSupport.h).
#include "MassFinderTestSupport.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ReportLineFormat.h"
#include "resources/resource.h"
#include "standin.h"

std::string MassFinderDataDir() { return std::string(OLVAREN_SOURCE_DIR) + "/tests/massfinder/data"; }

std::string MassFinderCorpusDir() {
  struct stat st;
  std::string dir = OLVAREN_CORPUS_DIR;
  return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? dir : std::string();
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteWholeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

void MassFinderTest::SetUp() {
  char pattern[] = "/tmp/olvaren-massfinder-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  folder_ = pattern;
  setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
  StartIde();
}

void MassFinderTest::TearDown() {
  ExitIde();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void MassFinderTest::StartIde() {
  ide::Ide::Instance().Reset();
  standin::ClearMessageBoxes();
  shell_ = std::make_unique<ide::shell::Shell>();
  ASSERT_TRUE(shell_->Start());
  ASSERT_TRUE(shell_->LoadTool("Olvaren.dll")) << shell_->ToolError();
}

void MassFinderTest::ExitIde() {
  if (shell_) shell_->Exit();
  shell_.reset();
  ide::Ide::Instance().Reset();
  standin::ClearMessageBoxes();
}

void MassFinderTest::RestartIde() {
  ExitIde();
  StartIde();
}

void MassFinderTest::Open(const std::string& path, const std::vector<std::string>& includeDirs) {
  ide::LoadOptions options;
  options.includeDirs = includeDirs;
  ide::LoadStatus status = shell_->OpenFile(path, options);
  ASSERT_TRUE(status) << status.Message();
}

void MassFinderTest::MarkLine(int line) {
  const ide::Outline* outline = ide::Ide::Instance().GetOutline(shell_->Application());
  ASSERT_NE(outline, nullptr);
  const std::string& mainFile = outline->File(outline->Root()).path;
  for (ide::ItemId i = 0; i < outline->Count(); ++i) {
    if (outline->Line(i) == line && outline->File(i).path == mainFile) {
      ASSERT_TRUE(shell_->Mark(ide::ToItemHandle(i)));
      return;
    }
  }
  FAIL() << "no item on line " << line;
}

void MassFinderTest::InvokeTool(const std::string& arguments) {
  ASSERT_TRUE(shell_->RunTool(0, arguments)) << shell_->ToolError();
  shell_->PumpMessages();
}

HWND MassFinderTest::Dialog() const { return FindWindowA(nullptr, "Mass Finder"); }

HWND MassFinderTest::Control(int id) const { return GetDlgItem(Dialog(), id); }

std::string MassFinderTest::EditText() const {
  char text[512] = {};
  GetWindowTextA(Control(IDC_PATTERN), text, sizeof text);
  return text;
}

std::vector<std::string> MassFinderTest::ComboEntries() const {
  std::vector<std::string> entries;
  HWND combo = Control(IDC_PATTERN);
  LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[512] = {};
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

bool MassFinderTest::IsChecked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void MassFinderTest::Type(const std::string& text) { SetWindowTextA(Control(IDC_PATTERN), text.c_str()); }

void MassFinderTest::SetCheck(int id, bool checked) {
  if (IsChecked(id) != checked) SendMessageA(Control(id), BM_CLICK, 0, 0);
}

void MassFinderTest::SetOptions(const FindOptions& options) {
  SetCheck(IDC_MATCH_CASE, options.matchCase);
  SetCheck(IDC_WHOLE_WORD, options.wholeWord);
  SetCheck(IDC_IGNORE_INCLUDES, options.ignoreIncludes);
  SetCheck(IDC_ONLY_MARKED, options.onlyMarked);
  SetCheck(IDC_IGNORE_COMMENTS, options.ignoreComments);
}

void MassFinderTest::ClickFind() {
  SendMessageA(Control(IDC_FIND), BM_CLICK, 0, 0);
  shell_->PumpMessages();
}

void MassFinderTest::ClickClose() {
  SendMessageA(Control(IDCANCEL), BM_CLICK, 0, 0);
  shell_->PumpMessages();
}

void MassFinderTest::Find(const std::string& pattern, const FindOptions& options) {
  if (Dialog() == nullptr) InvokeTool();
  ASSERT_NE(Dialog(), nullptr);
  Type(pattern);
  SetOptions(options);
  ClickFind();
}

void MassFinderTest::ActivateIde() {
  shell_->Activate();
  shell_->PumpMessages();
}

void MassFinderTest::ActivateDialog() {
  SetForegroundWindow(Dialog());
  shell_->PumpMessages();
}

std::string MassFinderTest::Output(const std::string& stripFolder) const {
  std::string out;
  std::string prefix = stripFolder.empty() ? std::string() : stripFolder + "/";
  for (const ide::ReportLine& line : shell_->ReportLines()) {
    std::string text = olvcli::FormatReportLine(line, true);
    if (!prefix.empty() && text.compare(0, prefix.size(), prefix) == 0) text.erase(0, prefix.size());
    out += text + "\n";
  }
  return out;
}

std::vector<std::string> MassFinderTest::ReportTexts() const {
  std::vector<std::string> texts;
  for (const ide::ReportLine& line : shell_->ReportLines()) texts.push_back(line.text);
  return texts;
}
