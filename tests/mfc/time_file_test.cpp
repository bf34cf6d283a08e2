// CTime arithmetic and comparison, and CFile::GetStatus: modification time
// in whole seconds, size, attributes, FALSE for a missing file.
#include <afx.h>
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <string>

namespace {

TEST(CTime, HoldsSecondsAndCompares) {
  const CTime a(1000), b(2000);
  EXPECT_EQ(1000, a.GetTime());
  EXPECT_EQ(0, CTime().GetTime());
  EXPECT_TRUE(a < b);
  EXPECT_TRUE(b >= a);
  EXPECT_FALSE(a == b);
  EXPECT_TRUE(a == CTime(1000));
  EXPECT_EQ(1000, (b - a).GetTotalSeconds());
  EXPECT_EQ(b, a + CTimeSpan(1000));
  EXPECT_EQ(CTimeSpan(1, 2, 3, 4).GetTotalSeconds(), 93784);
}

TEST(CTime, FieldsAreLocalTime) {
  const CTime t(2024, 2, 29, 13, 45, 30);
  EXPECT_EQ(2024, t.GetYear());
  EXPECT_EQ(2, t.GetMonth());
  EXPECT_EQ(29, t.GetDay());
  EXPECT_EQ(13, t.GetHour());
  EXPECT_EQ(45, t.GetMinute());
  EXPECT_EQ(30, t.GetSecond());
  EXPECT_EQ(5, t.GetDayOfWeek());  // Thursday
  EXPECT_STREQ("2024-02-29 13:45:30", t.Format("%Y-%m-%d %H:%M:%S"));
}

class CFileGetStatus : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/olvmfc_status_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(tmpl));
    dir_ = tmpl;
    file_ = dir_ + "/Olvaren.xml";
    FILE* f = fopen(file_.c_str(), "w");
    ASSERT_NE(nullptr, f);
    fputs("<?xml version=\"1.0\"?>\n", f);
    fclose(f);
  }
  void TearDown() override {
    unlink(file_.c_str());
    rmdir(dir_.c_str());
  }
  std::string dir_, file_;
};

TEST_F(CFileGetStatus, ModificationTimeInWholeSecondsAndSize) {
  // 1700000000.9 s: the fraction is dropped, as MFC's FILETIME -> CTime.
  const struct timeval times[2] = {{1600000000, 0}, {1700000000, 900000}};
  ASSERT_EQ(0, utimes(file_.c_str(), times));
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(file_.c_str(), status));
  EXPECT_EQ(1700000000, status.m_mtime.GetTime());
  EXPECT_EQ(1600000000, status.m_atime.GetTime());
  EXPECT_EQ(22u, status.m_size);
  EXPECT_EQ(0, status.m_attribute & CFile::directory);
  EXPECT_STREQ(file_.c_str(), status.m_szFullName);
}

TEST_F(CFileGetStatus, LaterModificationGivesLaterTime) {
  CFileStatus before, after;
  ASSERT_TRUE(CFile::GetStatus(file_.c_str(), before));
  const struct timeval times[2] = {{2000000000, 0}, {2000000000, 0}};
  ASSERT_EQ(0, utimes(file_.c_str(), times));
  ASSERT_TRUE(CFile::GetStatus(file_.c_str(), after));
  EXPECT_TRUE(before.m_mtime < after.m_mtime);
}

TEST_F(CFileGetStatus, MissingFileOrEmptyNameIsFalse) {
  CFileStatus status;
  EXPECT_FALSE(CFile::GetStatus((dir_ + "/missing.xml").c_str(), status));
  EXPECT_FALSE(CFile::GetStatus("", status));
  EXPECT_FALSE(CFile::GetStatus(std::string(300, 'a').c_str(), status));
}

TEST_F(CFileGetStatus, FolderHasDirectoryAttribute) {
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(dir_.c_str(), status));
  EXPECT_EQ(CFile::directory, status.m_attribute & CFile::directory);
}

TEST_F(CFileGetStatus, RelativeNameIsMadeAbsolute) {
  char cwd[4096];
  ASSERT_NE(nullptr, getcwd(cwd, sizeof cwd));
  ASSERT_EQ(0, chdir(dir_.c_str()));
  CFileStatus status;
  const BOOL found = CFile::GetStatus("Olvaren.xml", status);
  ASSERT_EQ(0, chdir(cwd));
  EXPECT_TRUE(found);
  EXPECT_EQ(file_, std::string(status.m_szFullName));
}

}  // namespace
