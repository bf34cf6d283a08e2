// The identifier under the caret: a table of editor texts with the caret at
// '|', and the add-in's item type names and the searches' type groups
// against the IDE's type table.
#include <gtest/gtest.h>

#include <string.h>

#include "codejumper/IdentifierResolution.h"
#include "codejumper/ItemTypeGroups.h"
#include "ide/outline/ItemTypes.h"

namespace {

std::string Extract(const std::string& marked) {
  size_t caret = marked.find('|');
  std::string text = marked;
  if (caret != std::string::npos) text.erase(caret, 1);
  CString line(text.c_str());
  IdentifierRequest request;
  request.line = &line;
  request.selStart = caret == std::string::npos ? 0 : static_cast<int>(caret);
  request.selEnd = request.selStart;
  ExtractIdentifier(request);
  return request.identifier.GetString();
}

TEST(IdentifierTest, ExtractedFromTextAndCaret) {
  struct Case {
    const char* marked;
    const char* identifier;
  } cases[] = {
      {"|abc def", "abc"},
      {"a|bc def", "abc"},
      {"abc| def", "abc"},
      {"abc |def", "def"},
      {"Set nArea = 0|", "0"},
      {"Return nArea|", "nArea"},
      {"Foo|(x)", "Foo"},
      {"a |(b", ""},
      {"|", ""},
      {"nA=n|B", "nA=nB"},                       // '=' is no separator
      {"x<y;z!|w", "x<y;z!w"},                   // nor are < > ; !
      {"Call obj.Meth|od(x)", "obj.Method"},     // qualifiers on the left stay
      {"Call o|bj.Method(x)", "obj"},            // members on the right are cut off
      {"Call obj|.Method(x)", "obj"},
      {"Call obj.|Method(x)", "obj.Method"},
      {"Set hWndForm.dfN|ame = 1", "dfName"},
      {"Set hwndform.dfN|ame = 1", "hwndform.dfName"},  // the prefixes are case-sensitive
      {"Set hWndItem.hWndForm.x|y = 1", "xy"},
      {"Set hWndForm.a.hWndForm.|b = 1", "a.hWndForm.b"},  // one of each is removed
      {"Set hWndMDI.hWndFrame.|f = 1", "f"},
      {"Call .|x", "x"},
      {"Call a..|b", "a.b"},
      {"Call a...|b", "a..b"},
      {"Call ...x|", ".x"},                      // ".." -> "." once, then one leading "." goes
      {"Set s = 'text|'", "text"},
      {"Set a[n|] = 1", "n"},
      {"If a\t|b", "b"},
      {"Set x = y\r\n|z", "z"},
  };
  for (const Case& c : cases) EXPECT_EQ(Extract(c.marked), c.identifier) << c.marked;
}

TEST(IdentifierTest, SeparatorSearchesStayInsideTheText) {
  CString text("ab cd");
  struct Case {
    int position;
    int before;
    int after;
  } cases[] = {
      {0, -1, 2}, {2, -1, 2}, {3, 2, -1}, {5, 2, -1},
      {9, 2, -1},  // a caret past the end stands at the end
      {-1, -1, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindSeparatorBefore(c.position, text, g_separatorsBefore), c.before) << c.position;
    EXPECT_EQ(FindSeparatorAfter(c.position, text, g_separatorsAfter), c.after) << c.position;
  }
  EXPECT_EQ(strlen(g_separatorsBefore), 16u);
  EXPECT_EQ(strlen(g_separatorsAfter), 17u);
}

// The add-in's item type names (cdk/ItemTypes.h) are the IDE's codes of
// docs/outline-types.md, and the searches' type groups built from them are
// the IDE's groups.
TEST(IdentifierTest, ItemTypeNamesAndGroupsMatchTheIdesItemTypes) {
#define EXPECT_IDE_CODE(name, code, construct) EXPECT_EQ(name, ide::ItemType::construct) << #name;
  CDK_ITEM_TYPES(EXPECT_IDE_CODE)
#undef EXPECT_IDE_CODE

  int classTypes = 0, sectionTypes = 0;
  for (int type = 0; type < 1024; ++type) {
    SCOPED_TRACE(type);
    EXPECT_EQ(IsClassDefinitionType(type) != FALSE, ide::IsClassDefinitionType(type));
    EXPECT_EQ(IsDeclarationSectionType(type) != FALSE, ide::IsDeclarationSectionType(type));
    EXPECT_EQ(IsWindowScopeType(type) != FALSE, ide::IsTopLevelWindowType(type));
    EXPECT_EQ(IsQualifyingWindowType(type) != FALSE, ide::IsWindowScopeType(type));
    EXPECT_EQ(IsSiblingScopeType(type) != FALSE, ide::IsSiblingScopeType(type));
    EXPECT_EQ(IsGlobalSectionType(type) != FALSE, ide::IsGlobalSectionType(type));
    EXPECT_EQ(IsGlobalGroupType(type) != FALSE, ide::IsGlobalGroupType(type));
    classTypes += IsClassDefinitionType(type) ? 1 : 0;
    sectionTypes += IsDeclarationSectionType(type) ? 1 : 0;
  }
  EXPECT_EQ(classTypes, 29);
  EXPECT_EQ(sectionTypes, 15);
}

}  // namespace
