// A test fixture with a folder of its own under /tmp, made fresh for every
// test and removed after it (the front end's tests use it as the settings
// folder and for files they write).
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace testsupport {

class TempFolderTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/olvaren-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::string folder_;
};

}  // namespace testsupport
