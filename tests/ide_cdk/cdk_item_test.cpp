// CGItem: what the CDK answers about items of the test application.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

#include "TestOutline.h"

namespace cdktest {
namespace {

constexpr int kComment = 188;

using CdkItemTest = CdkOutlineTest;

TEST_F(CdkItemTest, TextOfItems) {
  struct Case { const char* title; const char* name; const char* gotTitle; const char* text; };
  const std::vector<Case> cases = {
      {"Function", "fAdd", "Function", "fAdd"},
      {"Number", "nSum", "Number", "nSum"},
      {"String", "sText", "String", "sText"},
      {"Pushbutton", "pbOk", "Pushbutton", "pbOk"},
      {"Form Window", "frmMain", "Form Window", "frmMain"},
      {"Functional Class", "cMulti", "Functional Class", "cMulti"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CGItem item = Item(c.title, c.name);
    EXPECT_TRUE(item.IsValid());
    EXPECT_STREQ(item.GetTitle(1), c.gotTitle);
    EXPECT_STREQ(item.GetText(), c.text);
    EXPECT_STREQ(item.GetName(), c.name);
  }
  CGItem include(h_, FindText("File Include", "cdklib.apl"));
  EXPECT_STREQ(include.GetTitle(1), "File Include");
  EXPECT_STREQ(include.GetText(), "cdklib.apl");
  EXPECT_EQ(include.GetItemType(), 131);
}

TEST_F(CdkItemTest, ItemThatRefersToNothing) {
  const std::vector<CGItem> items = {CGItem(), CGItem(h_, 0), CGItem(0, 1), CGItem(h_ + 7, 1),
                                     CGItem(h_, static_cast<HITEM>(O().Count() + 1))};
  for (const CGItem& item : items) {
    SCOPED_TRACE(testing::Message() << item.GetOutline() << "/" << item.GetItem());
    EXPECT_FALSE(item.IsValid());
    EXPECT_EQ(item.GetItemType(), 0);
    EXPECT_STREQ(item.GetTitle(1), "");
    EXPECT_STREQ(item.GetText(), "");
    EXPECT_STREQ(item.GetName(), "");
    CGItem out(h_, 1);
    EXPECT_FALSE(item.GetParentItem(out));
    EXPECT_FALSE(out.IsValid());
    CGObjectList list;
    EXPECT_EQ(item.EnumChildObjects(list, 0, 0), 0);
  }
}

TEST_F(CdkItemTest, InitializeRetargets) {
  CGItem item;
  EXPECT_TRUE(item.Initialize(h_, Find("Number", "nSum")));
  EXPECT_STREQ(item.GetName(), "nSum");
  EXPECT_EQ(item.GetOutline(), h_);
  EXPECT_FALSE(item.Initialize(0, 0));
  EXPECT_EQ(item.GetItem(), 0u);
}

TEST_F(CdkItemTest, ObjectClass) {
  CGString cls("junk");
  EXPECT_TRUE(Item("FunctionalVar", "fcVar").GetObjectClass(cls));
  EXPECT_STREQ(cls, "cMid");
  EXPECT_FALSE(Item("Function", "fAdd").GetObjectClass(cls));
  EXPECT_STREQ(cls, "");
}

// Relatives: parent, first sibling (comments count as siblings), next sibling.
TEST_F(CdkItemTest, Relatives) {
  HITEM locals = FindText("Local variables");
  HITEM oldComment = FindText("!", "Number: nOld");
  HITEM nSum = Find("Number", "nSum");
  HITEM sText = Find("String", "sText");
  HITEM root = ide::Ide::Instance().RootItem(h_);
  enum Op { Parent, First, Next };
  struct Case { Op op; HITEM from; HITEM expected; };
  const std::vector<Case> cases = {
      {Parent, nSum, locals},   {Parent, oldComment, locals}, {Parent, root, 0},
      {First, sText, oldComment}, {First, root, root},
      {Next, oldComment, nSum}, {Next, nSum, sText}, {Next, sText, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "op " << c.op << " from " << c.from);
    CGItem from(h_, c.from);
    CGItem out(h_, nSum);  // failures must leave it empty
    BOOL ok = c.op == Parent ? from.GetParentItem(out) : c.op == First ? from.GetFirstSibling(out) : from.GetNextSibling(out);
    EXPECT_EQ(ok != FALSE, c.expected != 0);
    EXPECT_EQ(out.GetItem(), c.expected);
    EXPECT_EQ(out.GetOutline(), c.expected != 0 ? h_ : 0u);
  }
}

TEST_F(CdkItemTest, OutItemMayBeTheItemItself) {
  CGItem item(h_, Find("Number", "nSum"));
  ASSERT_TRUE(item.GetParentItem(item));
  EXPECT_STREQ(item.GetTitle(1), "Local variables");
  ASSERT_TRUE(item.GetParentItem(item));
  EXPECT_STREQ(item.GetName(), "fAdd");
}

TEST_F(CdkItemTest, GetAppIsTheApplicationItem) {
  CGApplication app;
  ASSERT_TRUE(Item("Pushbutton", "pbOk").GetApp(app));
  EXPECT_EQ(app.GetItem(), ide::Ide::Instance().RootItem(h_));
  EXPECT_TRUE(app.IsValid());
  EXPECT_STREQ(app.GetTitle(1), "Application Description");
  EXPECT_FALSE(CGItem().GetApp(app));
  EXPECT_FALSE(app.IsValid());
}

TEST_F(CdkItemTest, GetChildOfType) {
  CGItem fAdd = Item("Function", "fAdd");
  HITEM locals = FindText("Local variables");
  int localsType = CGItem(h_, locals).GetItemType();
  CGItem child;
  ASSERT_TRUE(fAdd.GetChildOfType(localsType, child, 0));
  EXPECT_EQ(child.GetItem(), locals);
  // The first child of the type, in outline order.
  CGItem contents(h_, FindText("Contents"));
  ASSERT_TRUE(contents.GetChildOfType(Item("Pushbutton", "pbOk").GetItemType(), child, 0));
  EXPECT_EQ(child.GetItem(), Find("Pushbutton", "pbOk"));
  EXPECT_FALSE(fAdd.GetChildOfType(Item("Form Window", "frmMain").GetItemType(), child, 0));
  EXPECT_FALSE(child.IsValid());
  EXPECT_EQ(child.GetItem(), 0u);
}

// By name: exact, never a comment; on the application its named objects.
TEST_F(CdkItemTest, GetChildObjectByName) {
  HITEM root = ide::Ide::Instance().RootItem(h_);
  HITEM locals = FindText("Local variables");
  HITEM contents = FindText("Contents");
  HITEM classes = FindText("Class Definitions");
  struct Case { HITEM parent; const char* name; HITEM expected; };
  const std::vector<Case> cases = {
      {locals, "nSum", Find("Number", "nSum")},
      {locals, "nsum", 0},
      {locals, "nOld", 0},  // commented out
      {locals, "", 0},
      {contents, "pbOk", Find("Pushbutton", "pbOk")},
      {contents, "pbOld", 0},
      {classes, "cMid", Find("Functional Class", "cMid")},
      {classes, "cCommented", 0},
      // the application: top-level windows and global declarations
      {root, "frmMain", Find("Form Window", "frmMain")},
      {root, "dlgAbout", Find("Dialog Box", "dlgAbout")},
      {root, "fAdd", Find("Function", "fAdd")},
      {root, "gnCount", Find("Number", "gnCount")},
      {root, "cDiamond", Find("Functional Class", "cDiamond")},
      {root, "fLib", Find("Function", "fLib")},  // from the library
      {root, "gnOld", 0},
      {root, "nSum", 0},   // a local, not an application object
      {root, "nBase", 0},  // a class member
      {root, "pbOk", 0},   // a window child
      {root, "FADD", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CGItem parent(h_, c.parent);
    CGItem out(h_, root);
    EXPECT_EQ(parent.GetChildObjectByName(c.name, out, 0) != FALSE, c.expected != 0);
    EXPECT_EQ(out.GetItem(), c.expected);
  }
}

TEST_F(CdkItemTest, EnumChildObjects) {
  HITEM locals = FindText("Local variables");
  HITEM contents = FindText("Contents");
  int buttonType = Item("Pushbutton", "pbOk").GetItemType();
  struct Case { HITEM parent; int filter; const char* lines; };
  const std::vector<Case> cases = {
      {locals, 0, "Number nSum|String sText"},
      {locals, kComment, "! Number: nOld"},
      {contents, buttonType, "Pushbutton pbOk"},
      {locals, buttonType, ""},
      {contents, 0, "Pushbutton pbOk|Data Field dfName"},
      {Find("Number", "nSum"), 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    CGObjectList list;
    CGItem(h_, contents).EnumChildObjects(list, 0, 0);  // emptied first
    int n = CGItem(h_, c.parent).EnumChildObjects(list, 0, c.filter);
    EXPECT_EQ(n, list.GetCount());
    EXPECT_EQ(Lines(list), c.lines);
  }
}

// Entries of emptied lists serve later lists: a list filled while another
// still holds its entries (a walk one level down) gets entries of its own,
// and a refilled list answers for its new items only.
TEST_F(CdkItemTest, ListEntriesOfNestedWalks) {
  HITEM locals = FindText("Local variables");
  HITEM contents = FindText("Contents");
  CGObjectList outer;
  ASSERT_EQ(CGItem(h_, contents).EnumChildObjects(outer, 0, 0), 2);
  std::vector<CGItem*> held;
  for (POSITION pos = outer.GetHeadPosition(); pos != NULL;) held.push_back(outer.GetNext(pos));
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    CGObjectList inner;
    ASSERT_EQ(CGItem(h_, locals).EnumChildObjects(inner, 0, 0), 2);
    for (POSITION pos = inner.GetHeadPosition(); pos != NULL;) {
      CGItem* entry = inner.GetNext(pos);
      EXPECT_EQ(std::find(held.begin(), held.end(), entry), held.end());
    }
    EXPECT_EQ(Lines(inner), "Number nSum|String sText");
    CGItem(h_, locals).EnumChildObjects(inner, 0, kComment);  // refilled from its own entries
    EXPECT_EQ(Lines(inner), "! Number: nOld");
    EXPECT_EQ(Lines(outer), "Pushbutton pbOk|Data Field dfName");
  }
  // An entry handed out again is a plain item.
  CGObjectList again;
  CGItem(h_, locals).EnumChildObjects(again, 0, 0);
  for (POSITION pos = again.GetHeadPosition(); pos != NULL;) {
    CGItem* entry = again.GetNext(pos);
    EXPECT_EQ(entry->GetRuntimeClass(), RUNTIME_CLASS(CGItem));
    EXPECT_TRUE(entry->IsValid());
  }
}

TEST_F(CdkItemTest, HandlesOfAClosedOutlineReferToNothing) {
  CGItem item = Item("Number", "nSum");
  ASSERT_TRUE(ide::Ide::Instance().CloseOutline(h_));
  EXPECT_FALSE(item.IsValid());
  EXPECT_STREQ(item.GetName(), "");
}

// An item asked about again after the IDE's outlines changed answers from
// the outline open now: an edit's new items, nothing after Reset, and the
// new outline when a handle names one again.
TEST_F(CdkItemTest, AnswersFollowTheOpenOutlines) {
  ide::Ide& ide = ide::Ide::Instance();
  CGItem sum = Item("Number", "nSum");
  ASSERT_TRUE(sum.IsValid());
  const HITEM past = static_cast<HITEM>(O().Count() + 1);
  EXPECT_FALSE(CGItem(h_, past).IsValid());
  ASSERT_NE(ide.InsertItem(h_, static_cast<HITEM>(1), 0, "Number: nAdded"), 0u);
  EXPECT_TRUE(CGItem(h_, past).IsValid());
  EXPECT_STREQ(CGItem(h_, static_cast<HITEM>(2)).GetText(), "nAdded");

  const HOUTLINE old = h_;
  ide.Reset();
  EXPECT_FALSE(sum.IsValid());
  EXPECT_EQ(sum.GetItemType(), 0);
  EXPECT_STREQ(sum.GetTitle(1), "");
  CGObjectList list;
  EXPECT_EQ(CGItem(old, 1).EnumChildObjects(list, 0, 0), 0);

  const std::string other = dir_ + "/other.app";
  std::ofstream(other, std::ios::binary) << ".head 0 +  Application Description: other\r\n"
                                            ".head 1 -  ! only a comment\r\n";
  HOUTLINE h = 0;
  ASSERT_TRUE(ide.OpenOutline(other, ide::LoadOptions(), &h));
  ASSERT_EQ(h, old);  // after Reset the first handle is handed out again
  EXPECT_EQ(CGItem(h, 2).GetItemType(), kComment);
  EXPECT_STREQ(CGItem(h, 1).GetText(), "other");
  EXPECT_FALSE(CGItem(h, 3).IsValid());
}

}  // namespace
}  // namespace cdktest
