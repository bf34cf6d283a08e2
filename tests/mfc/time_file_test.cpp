// CTime arithmetic and comparison, and CFile::GetStatus: modification time
// in whole seconds, size, attributes, FALSE for a missing file.
#include <afx.h>
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/time.h>
#include <unistd.h>
#endif

#include <string>

namespace {

// A fresh folder for the test's file, the file's name in it, removal, and
// setting the file's access and modification times (seconds since 1970).
#ifdef _WIN32
bool MakeTempFolder(std::string* dir) {
  char base[MAX_PATH];
  if (!GetTempPathA(sizeof base, base)) return false;
  for (int i = 0; i < 100; ++i) {
    std::string candidate = std::string(base) + "olvmfc_status_" + std::to_string(GetTickCount() + i);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      *dir = candidate;
      return true;
    }
  }
  return false;
}
const char kSeparator[] = "\\";
void RemoveFileAndFolder(const std::string& file, const std::string& dir) {
  DeleteFileA(file.c_str());
  RemoveDirectoryA(dir.c_str());
}
bool SetFileTimes(const std::string& path, double accessed, double modified) {
  HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  auto filetime = [](double t) {
    ULONGLONG v = static_cast<ULONGLONG>(t * 10000000.0) + 116444736000000000ULL;
    return FILETIME{static_cast<DWORD>(v), static_cast<DWORD>(v >> 32)};
  };
  FILETIME a = filetime(accessed), m = filetime(modified);
  BOOL ok = SetFileTime(h, nullptr, &a, &m);
  CloseHandle(h);
  return ok != FALSE;
}
#else
bool MakeTempFolder(std::string* dir) {
  char tmpl[] = "/tmp/olvmfc_status_XXXXXX";
  if (mkdtemp(tmpl) == nullptr) return false;
  *dir = tmpl;
  return true;
}
const char kSeparator[] = "/";
void RemoveFileAndFolder(const std::string& file, const std::string& dir) {
  unlink(file.c_str());
  rmdir(dir.c_str());
}
bool SetFileTimes(const std::string& path, double accessed, double modified) {
  auto toTimeval = [](double t) {
    struct timeval v;
    v.tv_sec = static_cast<time_t>(t);
    v.tv_usec = static_cast<suseconds_t>((t - static_cast<double>(v.tv_sec)) * 1e6 + 0.5);
    return v;
  };
  const struct timeval times[2] = {toTimeval(accessed), toTimeval(modified)};
  return utimes(path.c_str(), times) == 0;
}
#endif

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
    ASSERT_TRUE(MakeTempFolder(&dir_));
    file_ = dir_ + kSeparator + "Olvaren.xml";
    FILE* f = fopen(file_.c_str(), "wb");  // no line-end translation: 22 bytes everywhere
    ASSERT_NE(nullptr, f);
    fputs("<?xml version=\"1.0\"?>\n", f);
    fclose(f);
  }
  void TearDown() override { RemoveFileAndFolder(file_, dir_); }
  std::string dir_, file_;
};

TEST_F(CFileGetStatus, ModificationTimeInWholeSecondsAndSize) {
  // 1700000000.9 s: the fraction is dropped, as MFC's FILETIME -> CTime.
  ASSERT_TRUE(SetFileTimes(file_, 1600000000, 1700000000.9));
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
  ASSERT_TRUE(SetFileTimes(file_, 2000000000, 2000000000));
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
