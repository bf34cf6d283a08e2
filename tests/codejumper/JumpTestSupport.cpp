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

void JumpTest::Open(const std::string& path, const std::vector<std::string>& includeDirs) {
  AddinIdeTest::Open(path, includeDirs);
  Ide().Activate();
}

ide::ItemHandle JumpTest::Item(const std::string& line, const std::string& within) const {
  const ide::Outline* o = ide::Ide::Instance().GetOutline(Ide().Application());
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
  Ide().SelectTreeItem(item);
  ASSERT_TRUE(Ide().BeginEdit(item, static_cast<int>(caret)));
  Ide().PumpMessages();
}

std::string JumpTest::Press(UINT key, int modifiers) {
  ShowCounter shown;
  Ide().ClearKeysReceived();
  Ide().PressKey(key, modifiers);
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
  std::vector<UINT> keys = Ide().KeysReceived();
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}
