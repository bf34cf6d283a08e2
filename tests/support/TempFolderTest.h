// A test fixture with a folder of its own in the system's temporary folder
// ($TMPDIR or /tmp; GetTempPath on Windows), made fresh for every test and
// removed after it (the front end's tests use it as the settings folder and
// for files they write).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestFolders.h"

namespace testsupport {

class TempFolderTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = MakeTempFolder("olvaren-test");
    ASSERT_FALSE(folder_.empty()) << "no temporary folder could be made";
  }
  void TearDown() override {
    if (folder_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::string folder_;
};

}  // namespace testsupport
