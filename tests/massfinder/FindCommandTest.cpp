// `olvaren find` and `olvaren outline --json` as a user runs them: the report
// on standard output, grep's exit codes, marks by line, bad input, and JSON
// lines that carry every byte of the items' texts.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "MassFinderTestSupport.h"
#include "RunOlvaren.h"
#include "TempFolderTest.h"
#include "WineMarks.h"

namespace {

using testsupport::ProgramResult;

class FindCommandTest : public testsupport::TempFolderTest {
protected:
  ProgramResult Run(std::vector<std::string> args) {
    return testsupport::RunOlvaren(args, MassFinderDataDir(), folder_);
  }
};

TEST_F(FindCommandTest, ReportAndExitCodes) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    const char* expected;  // under data/, or nullptr
  };
  const Case cases[] = {
      {{"find", "search.app", "widget"}, 0, "search.widget.expected"},
      {{"find", "search.app", "widget", "--marked", "46", "--marked", "39"}, 0, "search.widget.marked.expected"},
      // line numbers are decimal, leading zeros and all (never octal)
      {{"find", "search.app", "widget", "--marked", "046", "--marked", "039"}, 0, "search.widget.marked.expected"},
      {{"find", "search.app", "no such text"}, 1, "search.none.expected"},
      {{"find", "search.app", "widget", "--ignore-includes", "--marked", "15"}, 0,
       "search.widget.marked-section.expected"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[2]);
    ProgramResult r = Run(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    EXPECT_EQ(r.out, ReadTextFile(MassFinderDataDir() + "/" + c.expected));
    EXPECT_EQ(r.err, "");
  }
}

TEST_F(FindCommandTest, NoLinksAndSettingsWritten) {
  ProgramResult r = Run({"find", "search.app", "Widget", "--match-case", "--no-links"});
  EXPECT_EQ(r.exitCode, 0);
  std::string expected = ReadTextFile(MassFinderDataDir() + "/search.Widget.case.expected");
  expected = std::regex_replace(expected, std::regex("(^|\n)[^ \n]+:[0-9]+: "), "$1");
  EXPECT_EQ(r.out, expected);
  std::string settings = ReadTextFile(folder_ + "/Olvaren.xml");
  EXPECT_NE(settings.find("<pattern id=\"1\" value=\"Widget\" />"), std::string::npos);
  EXPECT_NE(settings.find("<property name=\"match_case\" value=\"true\" />"), std::string::npos);
}

// Four users searching at once, each four times, share one settings file:
// every save merges the recent patterns under the lock, so all sixteen
// patterns are kept (the list holds twenty) and the file stays whole.
TEST_F(FindCommandTest, FourSearchesAtOnceKeepEveryRecentPattern) {
  POSIX_ONLY("the front end's runs share one settings folder through the environment, set per run");
  std::vector<std::thread> users;
  int failures[4] = {};
  for (int user = 0; user < 4; ++user)
    users.emplace_back([this, user, &failures] {
      for (int i = 0; i < 4; ++i) {
        const std::string pattern = "widget" + std::to_string(user) + std::to_string(i);
        if (Run({"find", "search.app", pattern}).exitCode != 1) ++failures[user];
      }
    });
  for (std::thread& t : users) t.join();
  for (int user = 0; user < 4; ++user) EXPECT_EQ(failures[user], 0) << "user " << user;
  const std::string settings = ReadTextFile(folder_ + "/Olvaren.xml");
  std::set<std::string> kept;
  const std::regex pattern("<pattern id=\"[0-9]+\" value=\"(widget[0-9]+)\" />");
  for (std::sregex_iterator it(settings.begin(), settings.end(), pattern), end; it != end; ++it)
    kept.insert((*it)[1]);
  EXPECT_EQ(kept.size(), 16u) << settings;
  EXPECT_NE(settings.find("</everything>"), std::string::npos);
}

// With --encoding the add-in folds case and tells words in the file's code
// page: a capital Cyrillic pattern finds the small letters of a real cp1251
// program, and a Cyrillic word is no whole word inside a longer one.
TEST_F(FindCommandTest, CodePageOfARealProgram) {
  if (CorpusDir().empty()) GTEST_SKIP() << "no corpus at " << OLVAREN_CORPUS_DIR;
  ProgramResult r = testsupport::RunOlvaren({"find", "OBANKPC.apl", "ПЛАТЕЖУ", "--encoding", "cp1251"}, CorpusDir(),
                                            folder_);
  // Wine's _mbslwr folds ASCII letters only.
  TODO_WINE(EXPECT_EQ(r.exitCode, 0) << r.err);
  TODO_WINE(EXPECT_EQ(r.out, ReadTextFile(MassFinderDataDir() + "/corpus/OBANKPC.PLATEZHU.cp1251.expected")));
  r = testsupport::RunOlvaren({"find", "OBANKPC.apl", "платеж", "--encoding", "cp1251", "--whole-word"}, CorpusDir(),
                              folder_);
  EXPECT_EQ(r.exitCode, 1) << r.err;
}

TEST_F(FindCommandTest, BadInputExitsWithUsageCode) {
  struct Case {
    std::vector<std::string> args;
    const char* message;  // part of standard error
  };
  const Case cases[] = {
      {{"find", "missing.app", "x"}, "missing.app"},
      {{"find", "search.app", "x", "--marked", "9999"}, "search.app:9999: no outline item starts on this line"},
      {{"find", "search.app", "x", "--marked", "0"}, "no line number"},
      {{"find", "search.app", "x", "--marked", "0x27"}, "--marked 0x27: no line number"},
      {{"find", "search.app", ""}, "the pattern is empty"},
      {{"find", "search.app"}, "PATTERN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    ProgramResult r = Run(c.args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

TEST_F(FindCommandTest, OutlineJsonLines) {
  ProgramResult r = Run({"outline", "search.app", "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(r.out.substr(start, end - start));
  ASSERT_GT(lines.size(), 40u);
  EXPECT_EQ(lines[0],
            "{\"file\":\"search.app\",\"line\":1,\"level\":0,\"type\":29,\"type_name\":\"Application\",\"title\":\"Application Description\","
            "\"text\":\"Search test: widget maker\",\"name\":\"\",\"object_class\":\"\",\"included\":false,"
            "\"including\":null}");
  // a library item, and a text with a line break and a tab
  EXPECT_NE(r.out.find("{\"file\":\"search_lib.apl\",\"line\":7,\"level\":4,\"type\":33,\"type_name\":\"ConstantDecl\",\"title\":\"Number\","
                       "\"text\":\"LIB_WIDGET_Max = 9\",\"name\":\"LIB_WIDGET_Max\",\"object_class\":\"\","
                       "\"included\":true,\"including\":\"search_lib.apl\"}"),
            std::string::npos);
  EXPECT_NE(r.out.find("\"text\":\"Makes one widget\\n\\tof the given kind\""), std::string::npos);
}

TEST_F(FindCommandTest, OutlineJsonKeepsEveryByte) {
  // cp1251 text, a quote, a backslash and a control byte
  WriteTextFile(folder_ + "/bytes.app",
                 ".head 0 +  Application Description: \xcf\xf0\xe8\xe2\xe5\xf2 \"q\" \\ \x01\n");
  ProgramResult r = testsupport::RunOlvaren({"outline", "bytes.app", "--json"}, folder_, folder_);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("\"text\":\"\\u00cf\\u00f0\\u00e8\\u00e2\\u00e5\\u00f2 \\\"q\\\" \\\\ \\u0001\""),
            std::string::npos)
      << r.out;
}

}  // namespace
