// The front end on a codebase as a user runs it: folders searched for
// programs, each item reported once, sorted by file; globs; warnings in the
// compilers' form, once per run; hit columns, colours and JSON; ClassMate
// and the outline over a folder; the real programs as a codebase.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "AddinIdeTest.h"
#include "RunOlvaren.h"
#include "TempFolderTest.h"

namespace {

using testsupport::ProgramResult;

const std::string kDataDir = std::string(OLVAREN_SOURCE_DIR) + "/tests/codebase/data";

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class CodebaseCommandTest : public testsupport::TempFolderTest {
protected:
  ProgramResult Run(const std::vector<std::string>& args, const std::string& dir = kDataDir) {
    return testsupport::RunOlvaren(args, dir, folder_);
  }
};

// Every case prints the expected file on standard output.
TEST_F(CodebaseCommandTest, ReportsOverFolders) {
  const std::string kMissing = "shop/billing.apt:5: warning: included library 'gone.apl' not found\n";
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    const char* expected;  // under data/
    std::string err;
  } cases[] = {
      // billing.apt and old/legacy.app both miss gone.apl: one warning
      {{"find", "shop", "order"}, 0, "shop.order.expected", kMissing},
      {{"find", "shop", "order", "-g", "!old", "-g", "!lib/"}, 0, "shop.order.glob.expected", kMissing},
      {{"find", "shop", "order", "-g", "*.app"}, 0, "shop.order.app-only.expected",
       "shop/old/legacy.app:4: warning: included library 'gone.apl' not found\n"},
      {{"find", "shop/orders.app", "shop/billing.apt", "order", "-q"}, 0, "shop.order.two-files.expected", ""},
      {{"find", "shop", "Order", "-s", "-w", "--column", "--quiet"}, 0, "shop.Order.column.expected", ""},
      {{"find", "shop", "ORDER", "-s", "--json", "-q"}, 0, "shop.ORDER.json.expected", ""},
      {{"find", "shop", "no such text", "-q"}, 1, "shop.none.expected", ""},
      // one file: the report as the tool writes it, in its walk order
      {{"find", "shop/orders.app", "order", "--column"}, 0, "shop.orders.app.column.expected", ""},
      {{"classmate", "shop", "cRecord"}, 0, "shop.cRecord.expected", kMissing},
      {{"classmate", "shop", "cRecord", "--json", "-q"}, 0, "shop.cRecord.json.expected", ""},
      {{"outline", "shop", "-g", "!old", "-q"}, 0, "shop.outline.expected", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    ProgramResult r = Run(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    EXPECT_EQ(r.out, ReadTextFile(kDataDir + "/" + c.expected));
    EXPECT_EQ(r.err, c.err);
  }
}

TEST_F(CodebaseCommandTest, ExitCodesAndMessages) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    const char* err;  // part of standard error
  } cases[] = {
      {{"classmate", "shop", "cNothing", "-q"}, 1, "shop: no class cNothing\n"},
      {{"classmate", "shop/orders.app", "cNothing"}, 1, "shop/orders.app: no class cNothing\n"},
      {{"classmate", "shop", ":3"}, 2, ":N names a line of one file"},
      {{"find", "shop", "order", "--marked", "3"}, 2, "--marked needs one FILE"},
      {{"find", "shop", "order", "--color", "sometimes"}, 2, "--color"},
      {{"find", "shop"}, 2, "PATH...PATTERN"},
      // an unreadable program is reported and the others still searched, as grep does
      {{"find", "shop", "shop/none.app", "order", "-q"}, 2, "shop/none.app: cannot open file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.err);
    ProgramResult r = Run(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
  }
  ProgramResult r = Run({"find", "shop", "shop/none.app", "order", "-q"});
  EXPECT_EQ(r.out, ReadTextFile(kDataDir + "/shop.order.expected"));
}

TEST_F(CodebaseCommandTest, ColourOnlyWhenAsked) {
  ProgramResult plain = Run({"find", "shop/orders.app", "PlaceOrder", "-s", "--column", "--color", "never"});
  EXPECT_EQ(plain.out.find('\x1b'), std::string::npos);
  ProgramResult colored = Run({"find", "shop/orders.app", "PlaceOrder", "-s", "--column", "--color", "always"});
  EXPECT_NE(colored.out.find("\x1b[35mshop/orders.app\x1b[0m:\x1b[32m11\x1b[0m:\x1b[32m54\x1b[0m: "
                             "[Global Declarations] [Internal Functions] Function: \x1b[1;31mPlaceOrder\x1b[0m\n"),
            std::string::npos)
      << colored.out;
  // not a terminal: auto is never; JSON is never coloured
  EXPECT_EQ(Run({"find", "shop/orders.app", "PlaceOrder"}).out.find('\x1b'), std::string::npos);
  EXPECT_EQ(Run({"find", "shop/orders.app", "PlaceOrder", "--json", "--color", "always"}).out.find('\x1b'),
            std::string::npos);
}

TEST_F(CodebaseCommandTest, VersionAndEncodingVariable) {
  ProgramResult version = Run({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out.rfind("olvaren ", 0), 0u) << version.out;
  EXPECT_EQ(Run({"-V"}).out, version.out);
#ifndef _WIN32
  const std::string sessionData = std::string(OLVAREN_SOURCE_DIR) + "/tests/session/data";
  ProgramResult withOption = Run({"find", "cyrillic.app", "заказ", "--encoding", "cp1251"}, sessionData);
  ASSERT_EQ(withOption.exitCode, 0) << withOption.err;
  setenv("OLVAREN_ENCODING", "cp1251", 1);
  ProgramResult fromVariable = Run({"find", "cyrillic.app", "заказ"}, sessionData);
  setenv("OLVAREN_ENCODING", "no-such-code-page", 1);
  ProgramResult bad = Run({"find", "cyrillic.app", "заказ"}, sessionData);
  unsetenv("OLVAREN_ENCODING");
  EXPECT_EQ(fromVariable.out, withOption.out);
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_NE(bad.err.find("OLVAREN_ENCODING=no-such-code-page: "), std::string::npos) << bad.err;
#endif
}

// The real programs as one codebase: RequestPic.apt includes anri_lib.apl,
// which includes a_find_tbl.apl; both libraries lie in the folder too.
class CorpusCodebaseTest : public CodebaseCommandTest {
protected:
  void SetUp() override {
    CodebaseCommandTest::SetUp();
    if (kCorpus.empty()) GTEST_SKIP() << "no real programs at " << OLVAREN_CORPUS_DIR;
  }
  const std::string kCorpus = CorpusDir();
};

TEST_F(CorpusCodebaseTest, LibraryItemsOnceWarningsOnce) {
  struct Case {
    std::vector<std::string> args;
    const char* expected;  // under data/corpus/
  } cases[] = {
      {{"find", ".", "gwcFindTable", "-s", "-w", "--column", "-q"}, "real.gwcFindTable.expected"},
      {{"classmate", ".", "gwcFindTable", "-q"}, "real.classmate.gwcFindTable.expected"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    ProgramResult r = Run(c.args, kCorpus);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, ReadTextFile(kDataDir + "/corpus/" + c.expected));
    EXPECT_EQ(r.err, "");
  }
  // qcktabs.apl is missing from RequestPic.apt and mtbl.app (QCKTABS.APL
  // from OBANKPC.indented.apl): named once, in the compilers' form
  ProgramResult r = Run({"find", ".", "SalTblSetContext"}, kCorpus);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(Count(r.err, "included library 'qcktabs.apl' not found") + Count(r.err, "'QCKTABS.APL' not found"), 1u)
      << r.err;
  EXPECT_EQ(Count(r.err, "\nwarning: "), 0u) << r.err;
  EXPECT_NE(r.err.find("./RequestPic.apt:111: warning: included library 'qcktabs.apl' not found\n"),
            std::string::npos)
      << r.err;
}

}  // namespace
