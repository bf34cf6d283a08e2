// Editing the outline model: inserted, deleted and re-typed items keep the
// outline in order (links, levels, previous siblings), and what hangs off
// item ids (object classes, data blocks, including items) follows the edit.
// Also the compact item records: texts whose spans do not fit them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OutlineTestUtil.h"
#include "ide/outline/ItemTypes.h"
#include "ide/outline/OutlineReader.h"

using ide::ItemId;
using ide::kNoItem;
using ide::Outline;
using ide_test::ChildNames;
using ide_test::LoadText;
using ide_test::TempDir;
namespace T = ide::ItemType;

namespace {

const char kApp[] =
    ".head 0 +  Application Description: edit\n"
    ".head 1 -  Outline Version - 4.0.28\n"
    ".head 1 +  Global Declarations\n"
    ".head 2 +  Variables\n"
    ".head 3 -  Number: nA\n"
    ".head 3 -  String: sB\n"
    ".head 3 +  FunctionalVar: fv\n"
    ".head 4 -  Class: cOne\n"
    ".head 2 +  Class Definitions\n"
    ".head 3 +  Functional Class: cOne\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cBase\n"
    ".head 3 -  Functional Class: cTwo\n"
    ".head 1 +  Form Window: frmMain\n"
    ".head 2 -  Title: Main\n"
    ".data CLASSPROPS\n"
    "0000: 0102\n"
    ".enddata\n";

// The first item with that name (or, unnamed, that title).
ItemId Named(const Outline& o, std::string_view name) {
  for (ItemId i = 0; i < o.Count(); ++i)
    if (o.Name(i) == name || (o.Name(i).empty() && o.Title(i) == name)) return i;
  return kNoItem;
}

// Every link agrees with outline order: parents first, levels one deeper,
// children in order through FirstChild/NextSibling, PrevSibling the reverse.
void ExpectInOrder(const Outline& o) {
  ASSERT_GT(o.Count(), 0u);
  ASSERT_EQ(o.Parent(0), kNoItem);
  std::vector<ItemId> lastChild(o.Count(), kNoItem);
  for (ItemId i = 1; i < o.Count(); ++i) {
    const ItemId p = o.Parent(i);
    ASSERT_LT(p, i);
    ASSERT_EQ(o.Level(i), o.Level(p) + 1) << i;
    ASSERT_EQ(o.PrevSibling(i), lastChild[p]) << i;
    if (lastChild[p] == kNoItem)
      ASSERT_EQ(o.FirstChild(p), i);
    else
      ASSERT_EQ(o.NextSibling(lastChild[p]), i);
    lastChild[p] = i;
  }
  for (ItemId i = 0; i < o.Count(); ++i) {
    ASSERT_EQ(o.LastChild(i), lastChild[i]) << i;
    if (lastChild[i] != kNoItem) {
      ASSERT_EQ(o.NextSibling(lastChild[i]), kNoItem);
    }
  }
}

class OutlineEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    ide::LoadStatus s = LoadText(kApp, o_);
    ASSERT_TRUE(s) << s.Message();
  }
  Outline o_;
};

TEST_F(OutlineEdit, InsertPutsTheItemInPlaceAndShiftsTheRest) {
  const struct {
    const char* parent;
    const char* after;  // nullptr: as the first child
    const char* line;
    std::vector<std::string> children;
    int type;
  } cases[] = {
      {"Variables", nullptr, "Number: nFirst", {"nFirst", "nA", "sB", "fv"}, T::VariableDecl},
      {"Variables", "nA", "  Number: nMid", {"nA", "nMid", "sB", "fv"}, T::VariableDecl},
      {"Variables", "fv", "String: sLast", {"nA", "sB", "fv", "sLast"}, T::VariableDecl},
      // after a sibling with items below it: after its whole subtree
      {"Class Definitions", "cOne", "Functional Class: cNew", {"cOne", "cNew", "cTwo"}, T::FunctionalClass},
      {"frmMain", nullptr, "! a comment", {"!", "Title"}, T::Comment},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    Outline o;
    ASSERT_TRUE(LoadText(kApp, o));
    const size_t count = o.Count();
    const ItemId parent = Named(o, c.parent);
    const ItemId id = o.InsertItem(parent, c.after ? Named(o, c.after) : kNoItem, c.line);
    ASSERT_NE(id, kNoItem);
    ExpectInOrder(o);
    EXPECT_EQ(o.Count(), count + 1);
    EXPECT_EQ(ChildNames(o, Named(o, c.parent)), c.children);
    EXPECT_EQ(o.Type(id), c.type);
    EXPECT_FALSE(o.IsIncluded(id));
    EXPECT_EQ(o.Line(id), 0);
    EXPECT_EQ(o.File(id).path, o.File(0).path);
    // What follows the new item keeps its data: the object class, the data block.
    EXPECT_EQ(o.ObjectClass(Named(o, "fv")), "cOne");
    ASSERT_EQ(o.DataBlocks(Named(o, "Title")).size(), 1u);
    EXPECT_EQ(o.DataBlocks(Named(o, "Title"))[0], ".data CLASSPROPS\n0000: 0102\n.enddata");
  }
}

TEST_F(OutlineEdit, DeleteTakesTheSubtreeAndKeepsTheRestLinked) {
  const struct {
    const char* item;
    size_t removed;
    const char* parent;
    std::vector<std::string> children;
  } cases[] = {
      {"cOne", 3, "Class Definitions", {"cTwo"}},
      {"nA", 1, "Variables", {"sB", "fv"}},
      {"sB", 1, "Variables", {"nA", "fv"}},
      {"fv", 2, "Variables", {"nA", "sB"}},
      {"Global Declarations", 11, "Application Description", {"Outline Version - 4.0.28", "frmMain"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    Outline o;
    ASSERT_TRUE(LoadText(kApp, o));
    const size_t count = o.Count();
    ASSERT_TRUE(o.DeleteItem(Named(o, c.item)));
    ExpectInOrder(o);
    EXPECT_EQ(o.Count(), count - c.removed);
    EXPECT_EQ(ChildNames(o, Named(o, c.parent)), c.children);
    EXPECT_EQ(Named(o, c.item), kNoItem);
    ASSERT_EQ(o.DataBlocks(Named(o, "Title")).size(), 1u);
  }
  Outline o;
  ASSERT_TRUE(LoadText(kApp, o));
  ASSERT_TRUE(o.DeleteItem(Named(o, "cOne")));  // the class of fv is a name, not a link
  EXPECT_EQ(o.ObjectClass(Named(o, "fv")), "cOne");
}

TEST_F(OutlineEdit, NewLineGivesTypeTitleTextAndName) {
  const struct {
    const char* item;
    const char* line;
    int type;
    const char* title;
    const char* text;
    const char* name;
  } cases[] = {
      {"nA", "String: sRenamed", T::VariableDecl, "String", "sRenamed", "sRenamed"},
      {"cTwo", "Functional Class: cTwoNew  ", T::FunctionalClass, "Functional Class", "cTwoNew", "cTwoNew"},
      {"sB", "! Number: nOld", T::Comment, "!", "Number: nOld", ""},
      {"nA", "Description:", T::Description, "Description:", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    Outline o;
    ASSERT_TRUE(LoadText(kApp, o));
    const ItemId id = Named(o, c.item);
    const size_t count = o.Count();
    ASSERT_TRUE(o.SetItemLine(id, c.line));
    EXPECT_EQ(o.Count(), count);
    EXPECT_EQ(o.Type(id), c.type);
    EXPECT_EQ(o.Title(id), c.title);
    EXPECT_EQ(o.Text(id), c.text);
    EXPECT_EQ(o.Name(id), c.name);
    ExpectInOrder(o);
  }
  // A "Class:" line below an object variable names its class.
  ASSERT_TRUE(o_.SetItemLine(o_.FirstChild(Named(o_, "fv")), "Class: cTwo"));
  EXPECT_EQ(o_.ObjectClass(Named(o_, "fv")), "cTwo");
}

TEST_F(OutlineEdit, RefusedEditsChangeNothing) {
  const ItemId vars = Named(o_, "Variables");
  const size_t count = o_.Count();
  const std::string deep = [] {
    std::string text = ".head 0 +  Application Description: deep\n";
    for (int level = 1; level <= ide::kMaxOutlineLevel; ++level)
      text += ".head " + std::to_string(level) + " +  Level " + std::to_string(level) + "\n";
    return text;
  }();
  Outline deepOutline;
  ASSERT_TRUE(LoadText(deep, deepOutline));
  const struct {
    const char* what;
    bool refused;
  } cases[] = {
      {"unknown parent", o_.InsertItem(9999, kNoItem, "Number: n") == kNoItem},
      {"after is no child of the parent", o_.InsertItem(vars, Named(o_, "cOne"), "Number: n") == kNoItem},
      {"line break", o_.InsertItem(vars, kNoItem, "Number: n\nNumber: m") == kNoItem},
      {"deeper than the limit", deepOutline.InsertItem(static_cast<ItemId>(deepOutline.Count() - 1), kNoItem,
                                                       "Level 257") == kNoItem},
      {"delete the root", !o_.DeleteItem(0)},
      {"delete an unknown item", !o_.DeleteItem(9999)},
      {"new line for an unknown item", !o_.SetItemLine(9999, "Number: n")},
      {"new line with a line break", !o_.SetItemLine(Named(o_, "nA"), "Number: n\r")},
  };
  for (const auto& c : cases) EXPECT_TRUE(c.refused) << c.what;
  EXPECT_EQ(o_.Count(), count);
  EXPECT_EQ(ChildNames(o_, vars), (std::vector<std::string>{"nA", "sB", "fv"}));
  ExpectInOrder(o_);
}

// Titles longer than 255 bytes and names far into their line do not fit an
// item record's small fields; they read back whole, from the reader and after edits.
TEST(OutlineLongSpans, ReadAndEditedTextsComeBackWhole) {
  const std::string longTitle(300, 'x');
  const std::string farGap(280, ' ');
  Outline o;
  ide::LoadStatus s = LoadText(".head 0 +  Application Description: long\n"
                               ".head 1 +  Global Declarations\n"
                               ".head 2 +  Variables\n"
                               ".head 3 -  " + longTitle + "\n"
                               ".head 3 -  Number:" + farGap + "nFar\n"
                               ".head 3 -  Number: nNear\n",
                               o);
  ASSERT_TRUE(s) << s.Message();
  EXPECT_EQ(o.Title(3), longTitle);
  EXPECT_EQ(o.Text(3), "");
  EXPECT_EQ(o.Name(4), "nFar");
  EXPECT_EQ(o.Name(5), "nNear");
  ASSERT_TRUE(o.SetItemLine(5, "Number: " + longTitle));
  EXPECT_EQ(o.Name(5), longTitle);
  ASSERT_TRUE(o.SetItemLine(3, "Number: nShort"));  // long item becomes short again
  EXPECT_EQ(o.Title(3), "Number");
  EXPECT_EQ(o.Name(3), "nShort");
  const ItemId id = o.InsertItem(2, kNoItem, longTitle + ": text");
  ASSERT_EQ(id, 3u);
  EXPECT_EQ(o.Title(3), longTitle);
  EXPECT_EQ(o.Text(3), "text");
  EXPECT_EQ(o.Name(5), "nFar");
  EXPECT_EQ(o.Name(6), longTitle);
}

// Library items keep their including item through edits before them; when
// the File Include item itself goes, they lead to no item rather than to a wrong one.
TEST(OutlineEditIncludes, IncludingItemsFollowTheEdit) {
  TempDir dir;
  dir.Write("lib.apl",
            ".head 0 +  Application Description: lib\n"
            ".head 1 +  Global Declarations\n"
            ".head 2 +  Class Definitions\n"
            ".head 3 -  Functional Class: cLib\n");
  const std::string app = dir.Write("app.apt",
                                    ".head 0 +  Application Description: app\n"
                                    ".head 1 +  Libraries\n"
                                    ".head 2 -  File Include: lib.apl\n"
                                    ".head 1 +  Global Declarations\n"
                                    ".head 2 +  Class Definitions\n"
                                    ".head 3 -  Functional Class: cApp\n");
  Outline o;
  ASSERT_TRUE(ide::LoadOutline(app, ide::LoadOptions{}, o));
  ASSERT_NE(o.InsertItem(0, kNoItem, "Outline Version - 4.0.28"), kNoItem);
  ExpectInOrder(o);
  const ItemId lib = Named(o, "cLib");
  ASSERT_NE(lib, kNoItem);
  EXPECT_TRUE(o.IsIncluded(lib));
  EXPECT_EQ(o.Type(o.IncludingItem(lib)), T::FileInclude);
  EXPECT_EQ(o.Text(o.IncludingItem(lib)), "lib.apl");
  ASSERT_TRUE(o.DeleteItem(o.IncludingItem(lib)));
  EXPECT_TRUE(o.IsIncluded(Named(o, "cLib")));
  EXPECT_EQ(o.IncludingItem(Named(o, "cLib")), kNoItem);
  EXPECT_EQ(ChildNames(o, Named(o, "Class Definitions")), (std::vector<std::string>{"cLib", "cApp"}));
}

}  // namespace
