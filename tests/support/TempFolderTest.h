// A test fixture with a folder of its own in the system's temporary folder
// ($TMPDIR or /tmp; GetTempPath on Windows), made fresh for every test and
// removed after it (the front end's tests use it as the settings folder and
// for files they write).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace testsupport {

class TempFolderTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    ASSERT_FALSE(error) << error.message();
    // A name nobody holds yet: creating the folder is the test.
    std::random_device random;
    for (int attempt = 0; attempt < 100 && folder_.empty(); ++attempt) {
      const std::filesystem::path folder = base / ("olvaren-test-" + std::to_string(random()));
      if (std::filesystem::create_directory(folder, error)) folder_ = folder.string();
    }
    ASSERT_FALSE(folder_.empty()) << "no temporary folder could be made in " << base.string();
  }
  void TearDown() override {
    if (folder_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::string folder_;
};

}  // namespace testsupport
