// Test support for ClassMate (see ClassMateTestSupport.h).
#include "ClassMateTestSupport.h"

#include "ide/outline/ItemTypes.h"
#include "standin.h"

std::string ClassMateDataDir() { return std::string(OLVAREN_SOURCE_DIR) + "/tests/classmate/data"; }

void ClassMateTest::Select(const std::string& target) {
  const ide::Outline* outline = ide::Ide::Instance().GetOutline(Ide().Application());
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
  ASSERT_TRUE(Ide().Mark(ide::ToItemHandle(found)));
}

void ClassMateTest::RunTool(const std::string& arguments) {
  ASSERT_TRUE(Ide().RunTool(0, arguments)) << Ide().ToolError();
}

std::string ClassMateTest::Output(const std::string& stripFolder) const {
  std::string out = ReportOutput(stripFolder);
  for (const standin::MessageBoxRecord& box : standin::MessageBoxes()) out += box.caption + ": " + box.text + "\n";
  return out;
}
