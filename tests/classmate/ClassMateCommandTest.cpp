// `olvaren classmate` as a user runs it: the report on standard output in
// the FILE:LINE: format (or without links), the error box on standard error,
// and the exit codes of a report, an error box and bad input.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "ClassMateTestSupport.h"
#include "RunOlvaren.h"
#include "TempFolderTest.h"

namespace {

using testsupport::ProgramResult;

class ClassMateCommandTest : public testsupport::TempFolderTest {
protected:
  // Runs `olvaren classmate` in `dir` with the arguments, its settings in a
  // folder of the test's own.
  ProgramResult Run(const std::string& dir, std::vector<std::string> args) {
    args.insert(args.begin(), "classmate");
    return testsupport::RunOlvaren(args, dir, folder_);
  }
};

TEST_F(ClassMateCommandTest, PrintsTheReportWithLinks) {
  ProgramResult r = Run(ClassMateDataDir(), {"hierarchy.app", "cLibUser"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, ReadTextFile(ClassMateDataDir() + "/hierarchy.cLibUser.expected"));
  EXPECT_EQ(r.err, "");
}

TEST_F(ClassMateCommandTest, NoLinksDropsTheLocations) {
  ProgramResult r = Run(ClassMateDataDir(), {"hierarchy.app", "cJoin", "--no-links"});
  EXPECT_EQ(r.exitCode, 0);
  std::string expected = ReadTextFile(ClassMateDataDir() + "/hierarchy.cJoin.expected");
  expected = std::regex_replace(expected, std::regex("(^|\n)[^ \n]+:[0-9]+: "), "$1");
  EXPECT_EQ(r.out, expected);
  EXPECT_EQ(r.out.substr(0, 17), "Class: cJoin ()\n-");
}

TEST_F(ClassMateCommandTest, LibrariesFromIncludeFolders) {
  std::filesystem::copy_file(ClassMateDataDir() + "/hierarchy.app", folder_ + "/hierarchy.app");
  ProgramResult r = Run(folder_, {"hierarchy.app", "lcChild", "-I", ClassMateDataDir(), "--no-links"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out,
            "Class: lcChild (hierarchy_lib.apl)\n" + std::string(68, '-') +
                "\nBase Classes: \n   lcBase (hierarchy_base.apl)\nDerived Classes: \n   cLibUser\n");
}

TEST_F(ClassMateCommandTest, ErrorBoxGoesToStandardError) {
  ProgramResult r = Run(ClassMateDataDir(), {"hierarchy.app", ":25"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "An Error Occured!: The selected object is not a class definition!\n");
}

TEST_F(ClassMateCommandTest, BadInputExitsWithUsageCode) {
  struct Case {
    std::vector<std::string> args;
    const char* message;  // part of standard error
  };
  const Case cases[] = {
      {{"hierarchy.app"}, "CLASS"},
      {{"hierarchy.app", ""}, "classmate: CLASS is empty (expected a class name or :N)"},
      {{"hierarchy.app", ":9999"}, "hierarchy.app:9999: no outline item starts on this line"},
      {{"hierarchy.app", ":0"}, "':0' is no line number"},
      {{"hierarchy.app", ":12x"}, "':12x' is no line number"},
      {{"missing.app", "cRoot"}, "missing.app"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    ProgramResult r = Run(ClassMateDataDir(), c.args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

}  // namespace
