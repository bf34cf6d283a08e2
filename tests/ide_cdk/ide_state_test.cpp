// The IDE state the shell mirrors: handles, closing an outline, marks,
// report lines, the inline editor, and the observer calls each change makes.
#include <string>
#include <vector>

#include "TestOutline.h"

namespace cdktest {
namespace {

class Recorder : public ide::IdeObserver {
public:
  std::vector<std::string> calls;
  void OutlineOpened(ide::OutlineHandle h) override { Add("OutlineOpened", h); }
  void OutlineClosed(ide::OutlineHandle h) override { Add("OutlineClosed", h); }
  void ApplicationChanged(ide::OutlineHandle h) override { Add("ApplicationChanged", h); }
  void MarksChanged(ide::OutlineHandle h) override { Add("MarksChanged", h); }
  void CurrentItemChanged(ide::OutlineHandle h, ide::ItemHandle i) override { Add("CurrentItemChanged", h, i); }
  void ReportLineAdded(size_t index) override { Add("ReportLineAdded", static_cast<unsigned>(index)); }
  void ReportCleared() override { calls.push_back("ReportCleared"); }
  void ErrorLogShown(bool open) override { Add("ErrorLogShown", open); }
  void EditOpened(ide::OutlineHandle h, ide::ItemHandle i) override { Add("EditOpened", h, i); }
  void EditTextChanged() override { calls.push_back("EditTextChanged"); }
  void EditClosed(ide::OutlineHandle h, ide::ItemHandle i) override { Add("EditClosed", h, i); }

private:
  void Add(const char* what, unsigned a) { calls.push_back(std::string(what) + " " + std::to_string(a)); }
  void Add(const char* what, unsigned a, unsigned b) {
    calls.push_back(std::string(what) + " " + std::to_string(a) + "," + std::to_string(b));
  }
};

class IdeStateTest : public CdkOutlineTest {
protected:
  void SetUp() override {
    CdkOutlineTest::SetUp();
    TheIde().AddObserver(&rec_);
  }
  void TearDown() override {
    TheIde().RemoveObserver(&rec_);
    CdkOutlineTest::TearDown();
  }
  ide::Ide& TheIde() const { return ide::Ide::Instance(); }
  std::string S(unsigned a) const { return std::to_string(a); }
  Recorder rec_;
};

TEST_F(IdeStateTest, HandleScheme) {
  EXPECT_EQ(h_, 1u);  // first slot after a reset
  EXPECT_EQ(TheIde().RootItem(h_), 1u);  // item id 0
  EXPECT_EQ(ide::ToItemHandle(ide::kNoItem), 0u);
  EXPECT_EQ(ide::ToItemId(0), ide::kNoItem);
  EXPECT_TRUE(TheIde().IsValidItem(h_, static_cast<ide::ItemHandle>(O().Count())));
  EXPECT_FALSE(TheIde().IsValidItem(h_, static_cast<ide::ItemHandle>(O().Count() + 1)));
  EXPECT_EQ(TheIde().FileName(h_), appPath_);
}

TEST_F(IdeStateTest, FailedOpenChangesNothing) {
  ide::OutlineHandle h = 99;
  ide::LoadStatus status = TheIde().OpenOutline(dir_ + "/missing.apt", ide::LoadOptions(), &h);
  EXPECT_FALSE(status);
  EXPECT_NE(status.Message().find("missing.apt"), std::string::npos);
  EXPECT_EQ(h, 0u);
  EXPECT_EQ(TheIde().Application(), h_);
  EXPECT_TRUE(rec_.calls.empty());
}

// A closed outline's handle is not reused; what pointed into it is let go.
TEST_F(IdeStateTest, ReplaceAndClose) {
  HITEM fAdd = Find("Function", "fAdd");
  TheIde().Mark(h_, fAdd);
  TheIde().SetCurrentItem(h_, fAdd);
  TheIde().BeginEdit(h_, fAdd);
  TheIde().AddReportLine("hit", h_, fAdd);
  rec_.calls.clear();
  ide::OutlineHandle h2 = 0;
  ide::LoadOptions options;
  options.includeDirs.push_back(dir_);
  ASSERT_TRUE(TheIde().ReplaceOutline(h_, appPath_, options, &h2));
  EXPECT_EQ(h2, 2u);
  EXPECT_EQ(TheIde().GetOutline(h_), nullptr);
  EXPECT_EQ(TheIde().Application(), h2);
  EXPECT_EQ(TheIde().Outlines(), std::vector<ide::OutlineHandle>{h2});
  EXPECT_FALSE(TheIde().Edit().IsOpen());
  EXPECT_EQ(TheIde().CurrentItem(), 0u);
  EXPECT_EQ(TheIde().ReportLines().at(0).item, 0u);
  EXPECT_FALSE(TheIde().IsMarked(h2, fAdd));
  EXPECT_EQ(rec_.calls, (std::vector<std::string>{
                            "EditClosed 1," + S(fAdd), "CurrentItemChanged 0,0", "OutlineClosed 1",
                            "ApplicationChanged 0", "OutlineOpened 2", "ApplicationChanged 2"}));
  EXPECT_FALSE(TheIde().CloseOutline(h_));
}

TEST_F(IdeStateTest, MarksReportAndEditorTellTheObservers) {
  HITEM fAdd = Find("Function", "fAdd");
  HITEM nSum = Find("Number", "nSum");
  TheIde().Mark(h_, nSum);
  TheIde().Mark(h_, fAdd);
  TheIde().Mark(h_, fAdd);      // no change, no call
  TheIde().Unmark(h_, nSum);
  TheIde().ClearMarks(h_);
  TheIde().ClearMarks(h_);      // nothing left, no call
  TheIde().SetErrorLogOpen(true);
  TheIde().AddReportLine("a");
  TheIde().AddReportLine("b", h_, nSum);
  TheIde().ClearReport();
  TheIde().BeginEdit(h_, nSum);
  TheIde().SetEditText("Number: n");
  TheIde().BeginEdit(h_, fAdd, "Function: fAdd");  // closes the first edit
  TheIde().EndEdit();
  TheIde().EndEdit();
  const std::string h = S(h_);
  EXPECT_EQ(rec_.calls, (std::vector<std::string>{
                            "MarksChanged " + h, "MarksChanged " + h, "MarksChanged " + h, "MarksChanged " + h,
                            "ErrorLogShown 1", "ReportLineAdded 0", "ReportLineAdded 1", "ReportCleared",
                            "EditOpened " + h + "," + S(nSum), "EditTextChanged", "EditClosed " + h + "," + S(nSum),
                            "EditOpened " + h + "," + S(fAdd), "EditClosed " + h + "," + S(fAdd)}));
}

// An observer that, told of a report line, removes one observer and adds another.
class Rearranger : public Recorder {
public:
  ide::IdeObserver* remove = nullptr;
  ide::IdeObserver* add = nullptr;
  void ReportLineAdded(size_t index) override {
    Recorder::ReportLineAdded(index);
    if (remove) ide::Ide::Instance().RemoveObserver(remove);
    if (add) ide::Ide::Instance().AddObserver(add);
    remove = add = nullptr;
  }
};

// Observers are told in the order they came. One removed while the others
// are told is not told any more; one added then is told of the next change.
// Removing the observer being told, or itself, is safe.
TEST_F(IdeStateTest, ObserversRemovedOrAddedWhileTheOthersAreTold) {
  Rearranger first;
  Recorder removed, added;
  TheIde().AddObserver(&first);
  TheIde().AddObserver(&removed);
  first.remove = &removed;
  first.add = &added;
  TheIde().AddReportLine("a");
  EXPECT_EQ(rec_.calls, std::vector<std::string>{"ReportLineAdded 0"});
  EXPECT_EQ(first.calls, std::vector<std::string>{"ReportLineAdded 0"});
  EXPECT_TRUE(removed.calls.empty());
  EXPECT_TRUE(added.calls.empty());

  first.remove = &first;  // itself, while being told
  TheIde().AddReportLine("b");
  EXPECT_EQ(added.calls, std::vector<std::string>{"ReportLineAdded 1"});
  TheIde().AddReportLine("c");
  EXPECT_EQ(first.calls, (std::vector<std::string>{"ReportLineAdded 0", "ReportLineAdded 1"}));
  EXPECT_EQ(rec_.calls, (std::vector<std::string>{"ReportLineAdded 0", "ReportLineAdded 1", "ReportLineAdded 2"}));
  EXPECT_EQ(added.calls, (std::vector<std::string>{"ReportLineAdded 1", "ReportLineAdded 2"}));
  // Added again after its removal, an observer is told once per change.
  TheIde().AddObserver(&first);
  TheIde().AddObserver(&first);
  TheIde().AddReportLine("d");
  EXPECT_EQ(first.calls.size(), 3u);
  TheIde().RemoveObserver(&first);
  TheIde().RemoveObserver(&added);
}

TEST_F(IdeStateTest, EditorCaretStaysInTheText) {
  ASSERT_TRUE(TheIde().BeginEdit(h_, Find("Number", "nSum")));
  EXPECT_EQ(TheIde().Edit().text, "Number: nSum");
  EXPECT_EQ(TheIde().Edit().selStart, 12);  // at the end
  TheIde().SetEditSelection(-3, 99);
  EXPECT_EQ(TheIde().Edit().selStart, 0);
  EXPECT_EQ(TheIde().Edit().selEnd, 12);
  TheIde().SetEditText("Number");
  EXPECT_EQ(TheIde().Edit().selEnd, 6);
  EXPECT_FALSE(TheIde().BeginEdit(h_, 0));
}

}  // namespace
}  // namespace cdktest
