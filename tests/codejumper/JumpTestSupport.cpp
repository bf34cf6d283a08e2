// Test support for CodeJumper (see JumpTestSupport.h).
#include "JumpTestSupport.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ItemFormat.h"
#include "standin.h"

std::string SamplesDir() { return std::string(OLVAREN_SOURCE_DIR) + "/samples"; }
std::string JumpDataDir() { return std::string(OLVAREN_SOURCE_DIR) + "/tests/codejumper/data"; }

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

std::string ItemLocation(ide::OutlineHandle outline, ide::ItemHandle item) {
  const ide::Ide& ide = ide::Ide::Instance();
  if (!ide.IsValidItem(outline, item)) return "(none)";
  const ide::Outline& o = *ide.GetOutline(outline);
  ide::ItemId id = ide::ToItemId(item);
  std::string file = o.File(id).path;
  size_t slash = file.find_last_of('/');
  if (slash != std::string::npos) file.erase(0, slash + 1);
  return file + ":" + std::to_string(o.Line(id)) + ": " + olvcli::OneLine(o.OutlineLine(id));
}

ShowCounter::ShowCounter() { ide::Ide::Instance().AddObserver(this); }
ShowCounter::~ShowCounter() { ide::Ide::Instance().RemoveObserver(this); }

void JumpTest::SetUp() {
  char pattern[] = "/tmp/olvaren-codejumper-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  folder_ = pattern;
  setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
  StartIde();
}

void JumpTest::TearDown() {
  ExitIde();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void JumpTest::StartIde() {
  ide::Ide::Instance().Reset();
  standin::ClearDebugOutput();
  shell_ = std::make_unique<ide::shell::Shell>();
  ASSERT_TRUE(shell_->Start());
  ASSERT_TRUE(shell_->LoadTool("Olvaren.dll")) << shell_->ToolError();
}

void JumpTest::ExitIde() {
  if (shell_) shell_->Exit();
  shell_.reset();
  ide::Ide::Instance().Reset();
}

void JumpTest::RestartIde(const std::string& settings) {
  ExitIde();
  if (!settings.empty()) std::ofstream(folder_ + "/Olvaren.xml", std::ios::binary) << settings;
  StartIde();
}

void JumpTest::Open(const std::string& path, const std::vector<std::string>& includeDirs) {
  ide::LoadOptions options;
  options.includeDirs = includeDirs;
  ide::LoadStatus status = shell_->OpenFile(path, options);
  ASSERT_TRUE(status) << status.Message();
  shell_->Activate();
}

ide::ItemHandle JumpTest::Item(const std::string& line, const std::string& within) const {
  const ide::Outline* o = ide::Ide::Instance().GetOutline(shell_->Application());
  if (o == nullptr) return 0;
  ide::ItemId from = 0, to = static_cast<ide::ItemId>(o->Count());
  if (!within.empty()) {
    ide::ItemId scope = ide::kNoItem;
    for (ide::ItemId i = 0; i < o->Count() && scope == ide::kNoItem; ++i)
      if (o->OutlineLine(i) == within) scope = i;
    if (scope == ide::kNoItem) return 0;
    from = scope + 1;
    for (to = from; to < o->Count() && o->Level(to) > o->Level(scope);) ++to;
  }
  for (ide::ItemId i = from; i < to; ++i)
    if (o->OutlineLine(i) == line) return ide::ToItemHandle(i);
  return 0;
}

void JumpTest::EditAt(const std::string& markedLine, const std::string& within) {
  size_t caret = markedLine.find('^');
  ASSERT_NE(caret, std::string::npos) << markedLine;
  std::string line = markedLine;
  line.erase(caret, 1);
  ide::ItemHandle item = Item(line, within);
  ASSERT_NE(item, 0u) << "no item '" << line << "'";
  shell_->SelectTreeItem(item);
  ASSERT_TRUE(shell_->BeginEdit(item, static_cast<int>(caret)));
  shell_->PumpMessages();
}

std::string JumpTest::Press(UINT key, int modifiers) {
  ShowCounter shown;
  shell_->ClearKeysReceived();
  shell_->PressKey(key, modifiers);
  return shown.count == 0 ? std::string() : Shown();
}

std::string JumpTest::JumpFrom(const std::string& markedLine, const std::string& within) {
  EditAt(markedLine, within);
  return Press(VK_F2);
}

std::string JumpTest::Shown() const {
  const ide::Ide& ide = ide::Ide::Instance();
  return ItemLocation(ide.CurrentOutline(), ide.CurrentItem());
}

bool JumpTest::KeyReachedIde(UINT key) const {
  std::vector<UINT> keys = shell_->KeysReceived();
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}
