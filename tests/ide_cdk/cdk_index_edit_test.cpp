// The CDK's lookups see every change of the outline at the next question:
// items inserted, deleted and renamed through the IDE, files read again and
// libraries merged. Also the IDE state that follows an edit (marks, editor,
// current item, report links).
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "ReferenceLookup.h"
#include "TestOutline.h"

namespace {

using cdktest::CdkOutlineTest;

class CdkIndexEditTest : public CdkOutlineTest {
protected:
  ide::Ide& I() { return ide::Ide::Instance(); }
  // The application's named object, "" when GetChildObjectByName finds none.
  std::string AppObject(const char* name) {
    CGApplication app(h_, 1);
    CGItem found;
    if (!app.GetChildObjectByName(name, found, 0)) return "";
    return std::string(found.GetTitle(1)) + ": " + found.GetName().GetText();
  }
  BOOL Derived(const char* cls, const char* base) {
    return CGClass(h_, Find("Functional Class", cls)).IsDerivedFrom(base);
  }
  HITEM Classes() { return FindText("Class Definitions"); }
};

TEST_F(CdkIndexEditTest, InsertedItemsAreFoundAtOnce) {
  EXPECT_EQ(AppObject("cNew"), "");
  EXPECT_EQ(Derived("cLeaf", "cBase"), TRUE);  // the index is built and used before the edit
  const HITEM cls = I().InsertItem(h_, Classes(), Find("Functional Class", "cLeaf"), "Functional Class: cNew");
  ASSERT_NE(cls, 0u);
  EXPECT_EQ(AppObject("cNew"), "Functional Class: cNew");
  EXPECT_EQ(Derived("cNew", "cLeaf"), FALSE);
  const HITEM from = I().InsertItem(h_, cls, 0, "Derived From");
  ASSERT_NE(I().InsertItem(h_, from, 0, "Class: cLeaf"), 0u);
  EXPECT_EQ(Derived("cNew", "cLeaf"), TRUE);
  EXPECT_EQ(Derived("cNew", "cBase"), TRUE);  // through cLeaf and cMid
  // A second declaration inserted before the first is the one found.
  const HITEM vars = FindText("Variables");
  const HITEM dup = I().InsertItem(h_, vars, 0, "String: gnCount");
  EXPECT_EQ(AppObject("gnCount"), "String: gnCount");
  CGItem found;
  ASSERT_TRUE(CGApplication(h_, 1).GetChildObjectByName("gnCount", found, 0));
  EXPECT_EQ(found.GetItem(), dup);
}

TEST_F(CdkIndexEditTest, DeletedItemsAreGoneAtOnce) {
  EXPECT_EQ(Derived("cLeaf", "cBase"), TRUE);
  EXPECT_EQ(AppObject("cMid"), "Functional Class: cMid");
  ASSERT_TRUE(I().DeleteItem(h_, Find("Functional Class", "cMid")));
  EXPECT_EQ(AppObject("cMid"), "");
  // cLeaf still names cMid, which is no longer defined: cMid counts, cBase no longer.
  EXPECT_EQ(Derived("cLeaf", "cMid"), TRUE);
  EXPECT_EQ(Derived("cLeaf", "cBase"), FALSE);
  EXPECT_EQ(Derived("cMulti", "cBase"), FALSE);
  EXPECT_EQ(Derived("cMulti", "cOther"), TRUE);
  // Items after the deleted one are still found under their new handles.
  EXPECT_EQ(AppObject("dlgAbout"), "Dialog Box: dlgAbout");
  CGItem frm;
  ASSERT_TRUE(CGApplication(h_, 1).GetChildObjectByName("frmMain", frm, 0));
  EXPECT_EQ(frm.GetItem(), Find("Form Window", "frmMain"));
  CGItem pb;
  ASSERT_TRUE(CGItem(h_, FindText("Contents")).GetChildObjectByName("pbOk", pb, 0));
  EXPECT_EQ(pb.GetItem(), Find("Pushbutton", "pbOk"));
}

TEST_F(CdkIndexEditTest, RenamedItemsAreFoundByTheirNewName) {
  EXPECT_EQ(Derived("cLeaf", "cBase"), TRUE);
  ASSERT_TRUE(I().SetItemLine(h_, Find("Functional Class", "cBase"), "Functional Class: cRoot"));
  EXPECT_EQ(AppObject("cBase"), "");
  EXPECT_EQ(AppObject("cRoot"), "Functional Class: cRoot");
  // cMid still names cBase: derivation from that name stands, cRoot is not reached.
  EXPECT_EQ(Derived("cLeaf", "cBase"), TRUE);
  EXPECT_EQ(Derived("cLeaf", "cRoot"), FALSE);
  // Renaming a base entry changes what the same question answers next time.
  const HITEM cmid = Find("Functional Class", "cMid");
  CGObjectList entries;
  ASSERT_EQ(CGClass(h_, cmid).EnumBaseClasses(entries), 1);
  ASSERT_TRUE(I().SetItemLine(h_, entries.GetHead()->GetItem(), "Class: cRoot"));
  EXPECT_EQ(Derived("cLeaf", "cBase"), FALSE);
  EXPECT_EQ(Derived("cLeaf", "cRoot"), TRUE);
  EXPECT_EQ(Derived("cDiamond", "cRoot"), FALSE);  // cLeft and cRight still name cBase
}

TEST_F(CdkIndexEditTest, ReadingTheFileAgainGivesItsNewContent) {
  EXPECT_EQ(AppObject("cLibBase"), "Functional Class: cLibBase");
  EXPECT_EQ(Derived("cFromLib", "cLibBase"), TRUE);
  // The library gains a class, the application loses one, then both are read again.
  std::string lib = cdktest::kLibText;
  lib += ".head 3 +  Functional Class: cLibTop\n"
         ".head 4 -  Derived From\n";
  std::ofstream(dir_ + "/cdklib.apl", std::ios::binary) << lib;
  std::string app = cdktest::kAppText;
  const std::string ghost = ".head 3 +  Functional Class: cGhost\n"
                            ".head 4 +  Derived From\n"
                            ".head 5 -  Class: cNowhere\n";
  app.replace(app.find(ghost), ghost.size(), "");
  std::ofstream(appPath_, std::ios::binary) << app;
  ide::LoadOptions options;
  options.includeDirs.push_back(dir_);
  HOUTLINE again = 0;
  ASSERT_TRUE(I().ReplaceOutline(h_, appPath_, options, &again));
  h_ = again;
  EXPECT_EQ(AppObject("cLibTop"), "Functional Class: cLibTop");
  EXPECT_EQ(AppObject("cGhost"), "");
  EXPECT_EQ(AppObject("cLibBase"), "Functional Class: cLibBase");
  EXPECT_EQ(Derived("cFromLib", "cLibBase"), TRUE);
  EXPECT_EQ(Derived("cLeaf", "cBase"), TRUE);
}

TEST_F(CdkIndexEditTest, IdeStateFollowsTheEdit) {
  const HITEM leaf = Find("Functional Class", "cLeaf");
  const HITEM multi = Find("Functional Class", "cMulti");
  const HITEM mid = Find("Functional Class", "cMid");
  ASSERT_TRUE(I().Mark(h_, leaf));
  ASSERT_TRUE(I().Mark(h_, mid));
  ASSERT_TRUE(I().BeginEdit(h_, multi));
  ASSERT_TRUE(I().SetCurrentItem(h_, multi));
  I().AddReportLine("leaf", h_, leaf);
  I().AddReportLine("mid", h_, mid);
  // Inserting before them moves them all one on.
  ASSERT_NE(I().InsertItem(h_, Classes(), 0, "Functional Class: cFirst"), 0u);
  EXPECT_EQ(I().MarkedItems(h_), (std::vector<ide::ItemHandle>{mid + 1, leaf + 1}));
  EXPECT_EQ(I().Edit().item, multi + 1);
  EXPECT_EQ(I().CurrentItem(), multi + 1);
  EXPECT_EQ(I().ReportLines()[0].item, leaf + 1);
  // Deleting cMid (three items) drops its mark and report link; later items move back.
  ASSERT_TRUE(I().DeleteItem(h_, mid + 1));
  EXPECT_EQ(I().MarkedItems(h_), (std::vector<ide::ItemHandle>{leaf - 2}));
  EXPECT_EQ(I().Edit().item, multi - 2);
  EXPECT_EQ(I().CurrentItem(), multi - 2);
  EXPECT_EQ(I().ReportLines()[0].item, leaf - 2);
  EXPECT_EQ(I().ReportLines()[1].outline, 0u);
  EXPECT_EQ(I().ReportLines()[1].item, 0u);
  // Deleting the item the editor and the current item are on closes and clears them.
  ASSERT_TRUE(I().DeleteItem(h_, multi - 2));
  EXPECT_FALSE(I().Edit().IsOpen());
  EXPECT_EQ(I().CurrentItem(), 0u);
  EXPECT_EQ(I().CurrentOutline(), 0u);
  // Refused edits change nothing.
  EXPECT_EQ(I().InsertItem(h_, 0, 0, "Number: n"), 0u);
  EXPECT_EQ(I().InsertItem(h_ + 5, 1, 0, "Number: n"), 0u);
  EXPECT_FALSE(I().DeleteItem(h_, 1));
  EXPECT_FALSE(I().SetItemLine(h_, 0, "Number: n"));
}

// Random edits of the bundled sample; after each one every lookup answers as
// the plain outline walks do.
TEST(CdkIndexRandomEdits, LookupsMatchTheWalksAfterEveryEdit) {
  const std::string path = std::string(OLVAREN_SOURCE_DIR) + "/samples/Olvaren_Sample.app";
  ide::Ide& ide = ide::Ide::Instance();
  HOUTLINE h = 0;
  ASSERT_TRUE(cdktest::OpenProgram(path, std::string(OLVAREN_SOURCE_DIR) + "/samples", h));
  const char* const lines[] = {"Functional Class: fcShape", "Functional Class: fcExtra", "Derived From",
                               "Class: fcShape",            "Class: fcObject",          "Number: nShared",
                               "! a comment",               "Form Window: frmShapes"};
  std::mt19937 random(12345);
  for (int step = 0; step < 60; ++step) {
    const ide::Outline& o = *ide.GetOutline(h);
    // Items below the sections, so that the application keeps its shape.
    ide::ItemHandle item = 0;
    while (item == 0 || o.Level(ide::ToItemId(item)) < 3) item = 1 + random() % o.Count();
    const std::string line = lines[random() % (sizeof(lines) / sizeof(lines[0]))];
    SCOPED_TRACE("step " + std::to_string(step) + ": " + line);
    switch (random() % 3) {
      case 0: ASSERT_NE(ide.InsertItem(h, item, 0, line), 0u); break;
      case 1: ASSERT_TRUE(ide.DeleteItem(h, item)); break;
      default: ASSERT_TRUE(ide.SetItemLine(h, item, line)); break;
    }
    reflookup::Counts n;
    reflookup::CompareAll(h, n);
    if (HasFatalFailure()) return;
    EXPECT_GT(n.classes, 0u);
  }
  ide.Reset();
}

}  // namespace
