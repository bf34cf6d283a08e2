// ClassMate as the IDE sees it around the report: which tool calls run it,
// the report window being opened and cleared only for a report, the answer
// without an application, and the error box.
#include <string>
#include <vector>

#include "ClassMateTestSupport.h"
#include "standin.h"

namespace {

const char kHeader[] = "Class: cMid ()";

class ClassMateToolTest : public ClassMateTest {
protected:
  void OpenHierarchy() { Open(ClassMateDataDir() + "/hierarchy.app"); }
};

TEST_F(ClassMateToolTest, RunsOnlyWhenTheSecondTokenNamesIt) {
  struct Case {
    const char* arguments;
    bool runs;
  };
  const Case cases[] = {
      {"Tools ClassMate", true},  {"x classmate", true},    {"x CLASSMATE more", true},
      {"ClassMate", false},       {"ClassMate x", false},   {"x  ClassMate", false},
      {"x ClassMate2", false},    {"", false},              {"x MassFinder", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("arguments '") + c.arguments + "'");
    RestartIde();
    OpenHierarchy();
    Select("cMid");
    ide::Ide::Instance().AddReportLine("earlier line");
    RunTool(c.arguments);
    std::vector<std::string> report = ReportTexts();
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.front(), c.runs ? kHeader : "earlier line");
    EXPECT_EQ(ide::Ide::Instance().IsErrorLogOpen(), c.runs);
  }
}

TEST_F(ClassMateToolTest, ReportOpensAndClearsTheReportWindow) {
  OpenHierarchy();
  Select("cMid");
  ide::Ide::Instance().AddReportLine("earlier line");
  ASSERT_FALSE(ide::Ide::Instance().IsErrorLogOpen());
  RunTool();
  EXPECT_TRUE(Ide().IsReportShown());
  const std::vector<std::string> expected = {
      kHeader,
      std::string(68, '-'),
      "Base Classes: ",
      "   cBase",
      "      cRoot",
      "Derived Classes: ",
      "   cLeaf",
  };
  EXPECT_EQ(ReportTexts(), expected);
  EXPECT_TRUE(Boxes().empty());
  // A second run writes the same report again, nothing kept from the first.
  RunTool();
  EXPECT_EQ(ReportTexts(), expected);
}

TEST_F(ClassMateToolTest, WrongSelectionShowsTheErrorBoxOnly) {
  struct Case {
    std::vector<std::string> targets;
    const char* text;
  };
  const Case cases[] = {
      {{}, "Too much items or no item selected.\nClassmate needs exactly one class definition being selected!"},
      {{"cRoot", "cMid"}, "Too much items or no item selected.\nClassmate needs exactly one class definition being selected!"},
      {{":25"}, "The selected object is not a class definition!"},  // a function of cRoot
      {{":16"}, "The selected object is not a class definition!"},  // Class Definitions itself
      {{":81"}, "The selected object is not a class definition!"},  // a window's Class: property
      {{":1"}, "The selected object is not a class definition!"},   // the application item
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    RestartIde();
    OpenHierarchy();
    for (const std::string& target : c.targets) Select(target);
    ide::Ide::Instance().AddReportLine("earlier line");
    RunTool();
    EXPECT_EQ(ReportTexts(), std::vector<std::string>{"earlier line"});
    EXPECT_FALSE(ide::Ide::Instance().IsErrorLogOpen());
    std::vector<standin::MessageBoxRecord> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, c.text);
    EXPECT_EQ(boxes[0].caption, "An Error Occured!");
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].style & (MB_ICONMASK | MB_TYPEMASK), UINT(MB_ICONERROR | MB_OK));
  }
}

TEST_F(ClassMateToolTest, WithoutApplicationReportsThatOnly) {
  ide::Ide::Instance().AddReportLine("earlier line");
  RunTool();
  EXPECT_EQ(ReportTexts(), (std::vector<std::string>{"earlier line", "Not a valid App Object!"}));
  EXPECT_EQ(Ide().ReportLines().back().item, 0u);
  EXPECT_FALSE(ide::Ide::Instance().IsErrorLogOpen());
  EXPECT_TRUE(Boxes().empty());
}

}  // namespace
