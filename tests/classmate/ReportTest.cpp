// Whole ClassMate reports compared with the expected files beside the inputs:
// this suite's own outlines (single, multiple and two-path inheritance, bases
// not found, duplicate names, nested libraries, cycles of base classes), the
// bundled sample and real programs. Wrong selections: ToolCallTest.cpp.
#include <string>
#include <vector>

#include "ClassMateTestSupport.h"

namespace {

enum class Source { kData, kSample, kCorpus };

struct ReportCase {
  Source source;
  const char* file;                  // in the source's folder
  std::vector<std::string> targets;  // marked in this order: class names or ":LINE"
  const char* expected;              // under tests/classmate/data
};

std::string SourceDir(Source source) {
  switch (source) {
    case Source::kData: return ClassMateDataDir();
    case Source::kSample: return std::string(OLVAREN_SOURCE_DIR) + "/samples";
    case Source::kCorpus: return CorpusDir();
  }
  return std::string();
}

class ClassMateReportTest : public ClassMateTest {
protected:
  void Check(const ReportCase& c) {
    SCOPED_TRACE(std::string(c.file) + " -> " + c.expected);
    std::string dir = SourceDir(c.source);
    Open(dir + "/" + c.file);
    for (const std::string& target : c.targets) Select(target);
    RunTool();
    std::string expected = ReadTextFile(ClassMateDataDir() + "/" + c.expected);
    ASSERT_FALSE(expected.empty()) << "missing expected file " << c.expected;
    EXPECT_EQ(Output(dir), expected);
  }
};

TEST_F(ClassMateReportTest, OwnOutlines) {
  const ReportCase cases[] = {
      // no bases; every class that reaches cRoot, both definitions of cDup too
      {Source::kData, "hierarchy.app", {"cRoot"}, "hierarchy.cRoot.expected"},
      {Source::kData, "hierarchy.app", {"cMid"}, "hierarchy.cMid.expected"},
      // three levels; a commented-out base entry is no base
      {Source::kData, "hierarchy.app", {"cLeaf"}, "hierarchy.cLeaf.expected"},
      {Source::kData, "hierarchy.app", {"cLeft"}, "hierarchy.cLeft.expected"},
      // two paths to cRoot: listed under each
      {Source::kData, "hierarchy.app", {"cJoin"}, "hierarchy.cJoin.expected"},
      // an undefined base and one written with other capitals are left out
      {Source::kData, "hierarchy.app", {"cOrphan"}, "hierarchy.cOrphan.expected"},
      // the first cDup is selected and followed; the second is not derived from it
      {Source::kData, "hierarchy.app", {"cDup"}, "hierarchy.cDup.expected"},
      {Source::kData, "hierarchy.app", {"cUsesDup"}, "hierarchy.cUsesDup.expected"},
      // bases from a library and from a library included by that library
      {Source::kData, "hierarchy.app", {"frmcApp"}, "hierarchy.frmcApp.expected"},
      {Source::kData, "hierarchy.app", {"cLibUser"}, "hierarchy.cLibUser.expected"},
      {Source::kData, "hierarchy.app", {"lcBase"}, "hierarchy.lcBase.expected"},
      // any item right under Class Definitions counts as a class, a comment too
      {Source::kData, "hierarchy.app", {":17"}, "hierarchy.line17.expected"},
  };
  for (const ReportCase& c : cases) {
    RestartIde();
    Check(c);
  }
}

// A cycle of base classes is followed once around: the class that closes it
// is listed once more, one level deeper, and not followed again.
TEST_F(ClassMateReportTest, CycleOfBaseClasses) {
  const ReportCase cases[] = {
      {Source::kData, "cycle.app", {"cA"}, "cycle.cA.expected"},
      {Source::kData, "cycle.app", {"cOutside"}, "cycle.cOutside.expected"},
      {Source::kData, "cycle.app", {"cSelf"}, "cycle.cSelf.expected"},
  };
  for (const ReportCase& c : cases) {
    RestartIde();
    Check(c);
  }
}

TEST_F(ClassMateReportTest, BundledSample) {
  const ReportCase cases[] = {
      {Source::kSample, "Olvaren_Sample.app", {"fcShape"}, "samples/Olvaren_Sample.fcShape.expected"},
      {Source::kSample, "Olvaren_Sample.app", {"fcLabel"}, "samples/Olvaren_Sample.fcLabel.expected"},
      {Source::kSample, "Olvaren_Sample.app", {"fcStoredShape"}, "samples/Olvaren_Sample.fcStoredShape.expected"},
      {Source::kSample, "Olvaren_Sample.app", {"fcObject"}, "samples/Olvaren_Sample.fcObject.expected"},
      {Source::kSample, "Olvaren_Sample.app", {"fcLogger"}, "samples/Olvaren_Sample.fcLogger.expected"},
  };
  for (const ReportCase& c : cases) {
    RestartIde();
    Check(c);
  }
}

TEST_F(ClassMateReportTest, RealPrograms) {
  if (CorpusDir().empty()) GTEST_SKIP() << "no corpus at " << OLVAREN_CORPUS_DIR;
  const ReportCase cases[] = {
      // bases in the application, in anri_lib.apl and in a_find_tbl.apl (included by anri_lib.apl)
      {Source::kCorpus, "RequestPic.apt", {"clsTableSQL"}, "corpus/RequestPic.clsTableSQL.expected"},
      {Source::kCorpus, "RequestPic.apt", {"gwcFocus"}, "corpus/RequestPic.gwcFocus.expected"},
      // caPushButton of the application, not caPushbutton of the library
      {Source::kCorpus, "RequestPic.apt", {"cButton"}, "corpus/RequestPic.cButton.expected"},
      {Source::kCorpus, "RequestPic.apt", {"gwcEditFlag"}, "corpus/RequestPic.gwcEditFlag.expected"},
      // commented-out base entries
      {Source::kCorpus, "anri_lib.apl", {"caTableWindow"}, "corpus/anri_lib.caTableWindow.expected"},
      {Source::kCorpus, "anri_lib.apl", {"gwcSortTable"}, "corpus/anri_lib.gwcSortTable.expected"},
      // bases defined in a library that is not there
      {Source::kCorpus, "Leitz.apl", {"pbBase"}, "corpus/Leitz.pbBase.expected"},
      {Source::kCorpus, "Leitz.apl", {"dfNumero"}, "corpus/Leitz.dfNumero.expected"},
  };
  for (const ReportCase& c : cases) {
    RestartIde();
    Check(c);
  }
}

}  // namespace
