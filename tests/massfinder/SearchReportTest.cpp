// Whole MassFinder reports compared with the expected files beside the
// inputs: this suite's own outline (library items, comments, message
// handlers, unsearched property items, multi-line texts), the bundled sample
// and real programs, each with the options and marks of the case.
#include <string>
#include <vector>

#include "MassFinderTestSupport.h"

namespace {

enum class Source { kData, kSample, kCorpus };

struct ReportCase {
  Source source;
  const char* file;        // in the source's folder
  const char* pattern;
  FindOptions options;     // match case, whole word, ignore includes, only marked, ignore comments
  std::vector<int> marked; // lines of the main file, marked in this order
  const char* expected;    // under tests/massfinder/data
};

std::string SourceDir(Source source) {
  switch (source) {
    case Source::kData: return MassFinderDataDir();
    case Source::kSample: return std::string(OLVAREN_SOURCE_DIR) + "/samples";
    case Source::kCorpus: return CorpusDir();
  }
  return std::string();
}

class SearchReportTest : public MassFinderTest {
protected:
  void Check(const ReportCase& c) {
    SCOPED_TRACE(std::string(c.file) + " / " + c.pattern + " -> " + c.expected);
    std::string dir = SourceDir(c.source);
    Open(dir + "/" + c.file);
    for (int line : c.marked) MarkLine(line);
    Find(c.pattern, c.options);
    std::string expected = ReadTextFile(MassFinderDataDir() + "/" + c.expected);
    ASSERT_FALSE(expected.empty()) << "missing expected file " << c.expected;
    EXPECT_EQ(Output(dir), expected);
    ClickClose();
  }
  // Each case in an IDE of its own.
  void CheckAll(const std::vector<ReportCase>& cases) {
    for (const ReportCase& c : cases) {
      Check(c);
      RestartIde();
    }
  }
};

const FindOptions kDefault{};
const FindOptions kMatchCase{true, false, false, false, false};
const FindOptions kNoIncludesNoComments{false, false, true, false, true};
const FindOptions kOnlyMarked{false, false, false, true, false};
const FindOptions kOnlyMarkedNoIncludes{false, false, true, true, false};
const FindOptions kWholeWordNoIncludes{false, true, true, false, false};

TEST_F(SearchReportTest, OwnOutline) {
  CheckAll({
      // the application's own line (no parent), library items with their
      // include prefix, comment hits after their siblings' subtrees, paths
      // that restart at functions and message handlers, no property items
      {Source::kData, "search.app", "widget", kDefault, {}, "search.widget.expected"},
      // header and summary keep the typed case; only "Widget" is found
      {Source::kData, "search.app", "Widget", kMatchCase, {}, "search.Widget.case.expected"},
      {Source::kData, "search.app", "WIDGET", kNoIncludesNoComments, {}, "search.WIDGET.plain.expected"},
      // marked roots are searched in outline order, whatever the order of marking
      {Source::kData, "search.app", "widget", kOnlyMarked, {46, 39}, "search.widget.marked.expected"},
      {Source::kData, "search.app", "widget", kOnlyMarked, {}, "search.widget.nothing-marked.expected"},
      // a marked root is searched even where included items are ignored below it
      {Source::kData, "search.app", "widget", kOnlyMarkedNoIncludes, {15}, "search.widget.marked-section.expected"},
      {Source::kData, "search.app", "no such text", kDefault, {}, "search.none.expected"},
  });
}

TEST_F(SearchReportTest, Sample) {
  CheckAll({
      // the handler at the end: comments under items, texts with line breaks and tabs
      {Source::kSample, "Olvaren_Sample.app", "closed", kDefault, {}, "samples/Olvaren_Sample.closed.expected"},
      {Source::kSample, "Olvaren_Sample.app", "log", kDefault, {}, "samples/Olvaren_Sample.log.expected"},
      {Source::kSample, "Olvaren_Sample.app", "Log", kWholeWordNoIncludes, {}, "samples/Olvaren_Sample.Log.word.expected"},
  });
}

TEST_F(SearchReportTest, RealPrograms) {
  if (CorpusDir().empty()) GTEST_SKIP() << "no corpus at " << OLVAREN_CORPUS_DIR;
  CheckAll({
      // cp1251 texts, an include chain two libraries deep
      {Source::kCorpus, "RequestPic.apt", "SalTblFindNextRow", kDefault, {}, "corpus/RequestPic.SalTblFindNextRow.expected"},
      {Source::kCorpus, "mtbl.app", "mtblsettreeflags", kWholeWordNoIncludes, {}, "corpus/mtbl.MTblSetTreeFlags.expected"},
      {Source::kCorpus, "win32apismall.apl", "handle", kDefault, {}, "corpus/win32apismall.handle.expected"},
  });
}

}  // namespace
