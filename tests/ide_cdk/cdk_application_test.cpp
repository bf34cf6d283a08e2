// CGApplication: validity, the marked items, the main window and the report
// window; and the CDK module's two plain functions bound by name.
#include <vector>

#include "TestOutline.h"
#include "windows.h"

namespace cdktest {
namespace {

class CdkApplicationTest : public CdkOutlineTest {
protected:
  CGApplication App() const { return CGApplication(h_, ide::Ide::Instance().RootItem(h_)); }
  ide::Ide& TheIde() const { return ide::Ide::Instance(); }
};

TEST_F(CdkApplicationTest, IsValid) {
  EXPECT_TRUE(App().IsValid());
  EXPECT_FALSE(CGApplication().IsValid());
  EXPECT_FALSE(CGApplication(h_, Find("Function", "fAdd")).IsValid());  // not the application item
  CGApplication app;
  EXPECT_TRUE(app.Initialize(h_, ide::Ide::Instance().RootItem(h_)));
  EXPECT_TRUE(app.IsValid());
  TheIde().CloseOutline(h_);
  EXPECT_FALSE(app.IsValid());
}

// Marks come back in outline order, whatever order they were made in.
TEST_F(CdkApplicationTest, MarkedItemsInOutlineOrder) {
  const std::vector<HITEM> marked = {Find("Pushbutton", "pbOk"), Find("String", "sText"),
                                     Find("Function", "fAdd"), Find("Functional Class", "cMid")};
  for (HITEM m : marked) ASSERT_TRUE(TheIde().Mark(h_, m));
  const std::vector<HITEM> expected = {marked[2], marked[1], marked[3], marked[0]};

  std::vector<HITEM> walked;
  CGApplication app = App();
  CGItem item;
  for (BOOL ok = app.GetFirstMarked(item); ok; ok = app.GetNextMarked(item, item)) walked.push_back(item.GetItem());
  EXPECT_EQ(walked, expected);
  EXPECT_FALSE(item.IsValid());

  CGObjectList list;
  EXPECT_EQ(app.GetMarkedItems(list), 4);
  std::vector<HITEM> listed;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) listed.push_back(list.GetNext(pos)->GetItem());
  EXPECT_EQ(listed, expected);
}

TEST_F(CdkApplicationTest, NoMarks) {
  CGItem item(h_, 1);
  EXPECT_FALSE(App().GetFirstMarked(item));
  EXPECT_FALSE(item.IsValid());
  CGObjectList list;
  list.AddTail(new CGItem(h_, 1));
  EXPECT_EQ(App().GetMarkedItems(list), 0);
  EXPECT_TRUE(list.IsEmpty());
  // An application object that is not valid sees no marks.
  TheIde().Mark(h_, Find("Function", "fAdd"));
  EXPECT_FALSE(CGApplication().GetFirstMarked(item));
  EXPECT_EQ(CGApplication().GetMarkedItems(list), 0);
}

TEST_F(CdkApplicationTest, MainWindowIsTheShells) {
  EXPECT_EQ(App().GetMainWindow(), nullptr);
  HWND fake = reinterpret_cast<HWND>(0x1234);
  TheIde().SetMainWindow(fake);
  EXPECT_EQ(App().GetMainWindow(), fake);
}

TEST_F(CdkApplicationTest, ReportMessage) {
  CGApplication app = App();
  CGItem cls = Item("Functional Class", "cMid");
  CGItem stale(h_ + 5, 3);
  EXPECT_TRUE(app.ReportMessage("Class: cMid ()", &cls));
  EXPECT_TRUE(app.ReportMessage("----", nullptr));
  EXPECT_TRUE(app.ReportMessage("   nowhere", &stale));
  const std::vector<ide::ReportLine>& lines = TheIde().ReportLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].text, "Class: cMid ()");
  EXPECT_EQ(lines[0].outline, h_);
  EXPECT_EQ(lines[0].item, cls.GetItem());
  EXPECT_EQ(lines[1].text, "----");
  EXPECT_EQ(lines[1].item, 0u);
  EXPECT_EQ(lines[2].item, 0u);  // an item that is not there leads nowhere
}

TEST_F(CdkApplicationTest, ObjectListOwnsItsEntries) {
  CGObjectList list;
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(list.GetHead(), nullptr);
  EXPECT_EQ(list.GetHeadPosition(), nullptr);
  list.AddTail(new CGItem(h_, 1));
  list.AddTail(new CGClass(h_, 2));
  EXPECT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetHead()->GetItem(), 1u);
  list.RemoveAll();  // deletes them (the sanitizer build would see a leak otherwise)
  EXPECT_EQ(list.GetCount(), 0);
  list.AddTail(new CGItem(h_, 3));  // deleted with the list
}

// The CDK module's functions bound by name, as the add-in binds them.
TEST_F(CdkApplicationTest, PlainFunctionsByName) {
  HMODULE cdk = LoadLibraryA("cdki42.dll");
  ASSERT_NE(cdk, nullptr);
  auto isIncluded = ProcAs<PFN_CDKISITEMINCLUDED>(GetProcAddress(cdk, "CDKIsItemIncluded"));
  auto changeSelect = ProcAs<PFN_CDKOUTLINECHANGESELECT>(GetProcAddress(cdk, "CDKOutlineChangeSelect"));
  ASSERT_NE(isIncluded, nullptr);
  ASSERT_NE(changeSelect, nullptr);

  struct Case { HITEM item; BOOL included; };
  const std::vector<Case> cases = {
      {Find("Function", "fLib"), TRUE},
      {Find("Functional Class", "cLibBase"), TRUE},
      {Find("Function", "fAdd"), FALSE},
      {FindText("File Include", "cdklib.apl"), FALSE},
      {ide::Ide::Instance().RootItem(h_), FALSE},
      {0, FALSE},
  };
  for (const Case& c : cases) EXPECT_EQ(isIncluded(h_, c.item), c.included) << c.item;

  HITEM fAdd = Find("Function", "fAdd");
  EXPECT_TRUE(changeSelect(h_, fAdd, TRUE));
  EXPECT_TRUE(TheIde().IsMarked(h_, fAdd));
  EXPECT_TRUE(changeSelect(h_, fAdd, TRUE));  // twice marked is marked once
  EXPECT_EQ(TheIde().MarkedItems(h_).size(), 1u);
  EXPECT_TRUE(changeSelect(h_, fAdd, FALSE));
  EXPECT_FALSE(TheIde().IsMarked(h_, fAdd));
  EXPECT_FALSE(changeSelect(h_, 0, TRUE));
  EXPECT_FALSE(changeSelect(h_ + 1, fAdd, TRUE));
  FreeLibrary(cdk);
}

}  // namespace
}  // namespace cdktest
