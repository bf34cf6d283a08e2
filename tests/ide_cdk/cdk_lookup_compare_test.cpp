// The CDK's lookups by name answer as the plain outline walks do: every
// GetChildObjectByName (per parent and the application's named objects),
// EnumBaseClasses and IsDerivedFrom on the bundled sample and the real
// programs is compared with a straightforward walk of the outline
// (ReferenceLookup.h).
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "ReferenceLookup.h"
#include "TestOutline.h"

namespace {

using reflookup::CompareAll;
using reflookup::Counts;

struct Program {
  const char* dir;  // "corpus" or "samples"
  const char* file;
};

class CdkLookupCompareTest : public ::testing::TestWithParam<Program> {
protected:
  void TearDown() override { ide::Ide::Instance().Reset(); }
};

TEST_P(CdkLookupCompareTest, IndexAnswersAsTheOutlineWalks) {
  const Program p = GetParam();
  const std::string dir = std::string(p.dir) == "corpus" ? std::string(OLVAREN_CORPUS_DIR)
                                                         : std::string(OLVAREN_SOURCE_DIR) + "/samples";
  const std::string path = dir + "/" + p.file;
  if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not there";
  HOUTLINE h = 0;
  ide::LoadStatus status = cdktest::OpenProgram(path, dir, h);
  ASSERT_TRUE(status) << status.Message();
  Counts n;
  CompareAll(h, n);
  EXPECT_GT(n.childLookups, 0u);
  EXPECT_GT(n.appLookups, 1u);
}

const Program kPrograms[] = {
    {"samples", "Olvaren_Sample.app"}, {"corpus", "RequestPic.apt"},      {"corpus", "anri_lib.apl"},
    {"corpus", "Leitz.apl"},           {"corpus", "mtbl.app"},            {"corpus", "SGH_Facturacion.app"},
    {"corpus", "OBANKPC.apl"},         {"corpus", "WindowsSDKConstants.apl"},
};

INSTANTIATE_TEST_SUITE_P(Programs, CdkLookupCompareTest, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) {
                           std::string n = info.param.file;
                           return n.substr(0, n.find('.'));
                         });

}  // namespace
