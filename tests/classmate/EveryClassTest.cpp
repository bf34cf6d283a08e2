// ClassMate's report for every item that stands under a class section of the
// bundled sample and of real programs (libraries' classes included), one
// after the other, compared with one expected file per program. These files
// pin the reports down as a whole, so that changes in how the stand-in IDE
// looks classes up cannot change a single line.
#include <fstream>
#include <string>

#include "ClassMateTestSupport.h"
#include "ide/outline/ItemTypes.h"

namespace {

struct Program {
  bool corpus;           // from the real programs, else the bundled sample
  const char* file;
  const char* expected;  // under tests/classmate/data
};

class ClassMateEveryClassTest : public ClassMateTest, public ::testing::WithParamInterface<Program> {};

TEST_P(ClassMateEveryClassTest, ReportsStayAsTheyWere) {
  const Program p = GetParam();
  const std::string dir = p.corpus ? CorpusDir() : std::string(OLVAREN_SOURCE_DIR) + "/samples";
  if (dir.empty()) GTEST_SKIP() << "no corpus at " << OLVAREN_CORPUS_DIR;
  Open(dir + "/" + p.file, {dir});
  const ide::Outline& o = *ide::Ide::Instance().GetOutline(Ide().Application());
  std::string all;
  size_t classes = 0;
  for (ide::ItemId s = 0; s < o.Count(); ++s) {
    if (o.Type(s) != ide::ItemType::ClassDefinitions) continue;
    for (ide::ItemId c = o.FirstChild(s); c != ide::kNoItem; c = o.NextSibling(c)) {
      Ide().ClearMarks();
      ASSERT_TRUE(Ide().Mark(ide::ToItemHandle(c)));
      RunTool();
      all += "== " + std::string(o.Name(c)) + "\n" + Output(dir);
      ++classes;
    }
  }
  EXPECT_GT(classes, 0u);
  const std::string expectedPath = ClassMateDataDir() + "/" + p.expected;
  // OLVAREN_WRITE_EXPECTED=1 writes the file afresh (review the difference before committing it).
  if (const char* write = getenv("OLVAREN_WRITE_EXPECTED"); write && std::string(write) == "1") {
    std::ofstream(expectedPath, std::ios::binary) << all;
    return;
  }
  const std::string expected = ReadTextFile(expectedPath);
  ASSERT_FALSE(expected.empty()) << "missing expected file " << p.expected;
  EXPECT_EQ(all, expected);
}

const Program kPrograms[] = {
    {false, "Olvaren_Sample.app", "samples/Olvaren_Sample.all.expected"},
    {true, "RequestPic.apt", "corpus/RequestPic.all.expected"},
    {true, "anri_lib.apl", "corpus/anri_lib.all.expected"},
    {true, "Leitz.apl", "corpus/Leitz.all.expected"},
    {true, "mtbl.app", "corpus/mtbl.all.expected"},
    {true, "SGH_Facturacion.app", "corpus/SGH_Facturacion.all.expected"},
    {true, "OBANKPC.apl", "corpus/OBANKPC.all.expected"},
};

INSTANTIATE_TEST_SUITE_P(Programs, ClassMateEveryClassTest, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) {
                           std::string n = info.param.file;
                           return n.substr(0, n.find('.'));
                         });

}  // namespace
