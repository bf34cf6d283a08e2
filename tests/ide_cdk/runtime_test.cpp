// The runtime library (cdlli42.dll) bound by name as the add-in binds it:
// the thirteen names, and what each function does to the IDE's state.
#include <cstring>
#include <string>
#include <vector>

#include "TestOutline.h"
#include "cdlli.h"
#include "windows.h"

namespace cdktest {
namespace {

class RuntimeTest : public CdkOutlineTest {
protected:
  void SetUp() override {
    CdkOutlineTest::SetUp();
    lib_ = LoadLibraryA("cdlli42.dll");
    ASSERT_NE(lib_, nullptr);
  }
  void TearDown() override {
    if (lib_) FreeLibrary(lib_);
    CdkOutlineTest::TearDown();
  }
  template <class F> F Bind(const char* name) {
    F f = ProcAs<F>(GetProcAddress(lib_, name));
    EXPECT_NE(f, nullptr) << name;
    return f;
  }
  ide::Ide& TheIde() const { return ide::Ide::Instance(); }
  HMODULE lib_ = nullptr;
};

TEST_F(RuntimeTest, ExportsTheThirteenNames) {
  const char* const names[] = {
      "_ErrorLogOpen@0", "_ErrorLogClear@0", "SalOutlineGetFileName", "SalOutlineGetIncludingItem",
      "SalOutlineOutlineOfUIFrame", "SalOutlineCurrent", "SalOutlineEditGetItem", "SalOutlineEditGetText",
      "SalOutlineEditSetText", "SalOutlineUIFrameOfOutline", "SalOutlineActivateUIView",
      "SalOutlineIsUIViewActive", "SalOutlineDoUICommand"};
  for (const char* name : names) EXPECT_NE(GetProcAddress(lib_, name), nullptr) << name;
  EXPECT_EQ(GetProcAddress(lib_, "ErrorLogOpen"), nullptr);
  EXPECT_EQ(GetProcAddress(lib_, "salOutlineCurrent"), nullptr);  // names are exact
}

TEST_F(RuntimeTest, ErrorLogIsTheReportWindow) {
  auto open = Bind<PFN_ERRORLOGOPEN>("_ErrorLogOpen@0");
  auto clear = Bind<PFN_ERRORLOGCLEAR>("_ErrorLogClear@0");
  TheIde().AddReportLine("old line");
  EXPECT_FALSE(TheIde().IsErrorLogOpen());
  open();
  EXPECT_TRUE(TheIde().IsErrorLogOpen());
  EXPECT_EQ(TheIde().ReportLines().size(), 1u);  // opening keeps the lines
  clear();
  EXPECT_TRUE(TheIde().ReportLines().empty());
  EXPECT_TRUE(TheIde().IsErrorLogOpen());
}

TEST_F(RuntimeTest, GetIncludingItem) {
  auto including = Bind<PFN_SALOUTLINEGETINCLUDINGITEM>("SalOutlineGetIncludingItem");
  HITEM include = FindText("File Include", "cdklib.apl");
  struct Case { HITEM item; HITEM expected; };
  const std::vector<Case> cases = {
      {Find("Function", "fLib"), include},
      {Find("Functional Class", "cLibBase"), include},
      {Find("Function", "fAdd"), 0},
      {include, 0},
      {0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(including(h_, c.item), c.expected) << c.item;
  EXPECT_EQ(including(h_ + 1, Find("Function", "fLib")), 0u);
  EXPECT_EQ(CGItem(h_, include).GetItemType(), 131);
}

TEST_F(RuntimeTest, EditorFunctions) {
  auto getItem = Bind<PFN_SALOUTLINEEDITGETITEM>("SalOutlineEditGetItem");
  auto getText = Bind<PFN_SALOUTLINEEDITGETTEXT>("SalOutlineEditGetText");
  auto setText = Bind<PFN_SALOUTLINEEDITSETTEXT>("SalOutlineEditSetText");
  char buffer[64] = "junk";
  EXPECT_EQ(getItem(h_), 0u);
  EXPECT_FALSE(getText(h_, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "");
  EXPECT_FALSE(setText(h_, "x"));

  HITEM nSum = Find("Number", "nSum");
  ASSERT_TRUE(TheIde().BeginEdit(h_, nSum));
  EXPECT_EQ(getItem(h_), nSum);
  EXPECT_EQ(getItem(h_ + 1), 0u);  // another outline edits nothing
  EXPECT_TRUE(getText(h_, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Number: nSum");
  char small[7];
  EXPECT_FALSE(getText(h_, small, sizeof small));  // cut, still terminated
  EXPECT_STREQ(small, "Number");
  EXPECT_TRUE(setText(h_, "Number: nTotal"));
  EXPECT_EQ(TheIde().Edit().text, "Number: nTotal");
  TheIde().EndEdit();
  EXPECT_EQ(getItem(h_), 0u);
}

TEST_F(RuntimeTest, OutlineFunctions) {
  auto fileName = Bind<PFN_SALOUTLINEGETFILENAME>("SalOutlineGetFileName");
  auto current = Bind<PFN_SALOUTLINECURRENT>("SalOutlineCurrent");
  auto frameOf = Bind<PFN_SALOUTLINEUIFRAMEOFOUTLINE>("SalOutlineUIFrameOfOutline");
  auto outlineOf = Bind<PFN_SALOUTLINEOUTLINEOFUIFRAME>("SalOutlineOutlineOfUIFrame");
  auto activate = Bind<PFN_SALOUTLINEACTIVATEUIVIEW>("SalOutlineActivateUIView");
  auto isActive = Bind<PFN_SALOUTLINEISUIVIEWACTIVE>("SalOutlineIsUIViewActive");

  char buffer[512];
  EXPECT_TRUE(fileName(h_, buffer, sizeof buffer));
  EXPECT_EQ(std::string(buffer), appPath_);
  EXPECT_FALSE(fileName(h_ + 1, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "");
  EXPECT_FALSE(fileName(h_, nullptr, 0));

  EXPECT_EQ(current(), h_);
  HWND frame = reinterpret_cast<HWND>(0x77);
  EXPECT_EQ(frameOf(h_), nullptr);
  TheIde().SetFrameWindow(h_, frame);
  EXPECT_EQ(frameOf(h_), frame);
  EXPECT_EQ(outlineOf(frame), h_);
  EXPECT_EQ(outlineOf(nullptr), 0u);
  EXPECT_TRUE(isActive(h_));
  EXPECT_TRUE(activate(h_));
  EXPECT_FALSE(activate(h_ + 1));
  EXPECT_FALSE(isActive(h_ + 1));

  TheIde().CloseOutline(h_);
  EXPECT_EQ(current(), 0u);
  EXPECT_FALSE(isActive(h_));
}

// UI command 29 brings the item into view: it becomes the current item.
TEST_F(RuntimeTest, DoUICommandShowItem) {
  auto command = Bind<PFN_SALOUTLINEDOUICOMMAND>("SalOutlineDoUICommand");
  HITEM pbOk = Find("Pushbutton", "pbOk");
  EXPECT_NE(command(h_, pbOk, SAL_UICMD_SHOWITEM, ""), 0);
  EXPECT_EQ(TheIde().CurrentOutline(), h_);
  EXPECT_EQ(TheIde().CurrentItem(), pbOk);
  EXPECT_EQ(command(h_, 0, SAL_UICMD_SHOWITEM, ""), 0);
  EXPECT_EQ(command(h_, Find("Function", "fAdd"), 30, ""), 0);  // not a command of this IDE
  EXPECT_EQ(TheIde().CurrentItem(), pbOk);
}

}  // namespace
}  // namespace cdktest
