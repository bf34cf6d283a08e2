// The test folders the add-in's tests run in (tests/support/TestFolders.h):
// the settings folder, as the add-in finds it through
// SHGetFolderPathA(CSIDL_APPDATA), follows SetSettingsFolder and comes back
// afterwards, on Windows also after a test program that crashed midway.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <filesystem>
#include <set>
#include <string>

#include "TestFolders.h"

namespace {

// The settings folder as the add-in reads it; "" when there is none.
std::string AppData() {
  char path[MAX_PATH] = "";
  return SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK ? path : "";
}

TEST(TestFolders, TempFoldersAreNewAndEmpty) {
  std::set<std::string> made;
  for (int i = 0; i < 3; ++i) {
    const std::string folder = testsupport::MakeTempFolder("olvaren-folders");
    ASSERT_NE(folder, "");
    EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << folder;
    EXPECT_TRUE(made.insert(folder).second) << folder;
  }
  for (const std::string& folder : made) std::filesystem::remove_all(folder);
}

TEST(TestFolders, SettingsFolderFollowsAndComesBack) {
  const std::string before = AppData();
  const std::string a = testsupport::MakeTempFolder("olvaren-folders");
  const std::string b = testsupport::MakeTempFolder("olvaren-folders");
  struct Step {
    const char* what;
    const std::string* setTo;  // nullptr: restore
    std::string expected;
  };
  const Step steps[] = {
      {"set", &a, a},
      {"set again", &b, b},
      {"restore", nullptr, before},
      {"restore twice", nullptr, before},
      {"set after a restore", &a, a},
      {"restore once more", nullptr, before},
  };
  for (const Step& s : steps) {
    if (s.setTo != nullptr)
      ASSERT_TRUE(testsupport::SetSettingsFolder(*s.setTo)) << s.what;
    else
      testsupport::RestoreSettingsFolder();
    EXPECT_EQ(AppData(), s.expected) << s.what;
  }
  std::filesystem::remove_all(a);
  std::filesystem::remove_all(b);
}

#ifdef _WIN32
// A program that ended without putting the folder back leaves the user's own
// value kept beside it: the next program keeps that one, not the stale folder.
TEST(TestFolders, FolderLeftByACrashedRunIsPutBack) {
  namespace d = testsupport::detail;
  const std::string before = AppData();
  const std::string stale = testsupport::MakeTempFolder("olvaren-folders");
  const std::string next = testsupport::MakeTempFolder("olvaren-folders");
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, d::kShellFolders, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key),
            ERROR_SUCCESS);
  DWORD type;
  std::string user;
  ASSERT_TRUE(d::ReadValue(key, "AppData", type, user));
  // The registry as a crashed program leaves it.
  ASSERT_TRUE(d::WriteValue(key, d::kKept, type, user));
  ASSERT_TRUE(d::WriteValue(key, "AppData", REG_SZ, stale));
  RegCloseKey(key);
  EXPECT_EQ(AppData(), stale);
  ASSERT_TRUE(testsupport::SetSettingsFolder(next));
  EXPECT_EQ(AppData(), next);
  testsupport::RestoreSettingsFolder();
  EXPECT_EQ(AppData(), before);
  std::filesystem::remove_all(stale);
  std::filesystem::remove_all(next);
}
#endif

}  // namespace
