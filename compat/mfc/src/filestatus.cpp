// CFile::GetStatus: a file's times, size and attributes, the times in whole
// seconds as MFC's conversion of the file times to CTime gives them.
#include "afx.h"

#include <string.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <string>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

// The absolute form of a path (the working folder prepended to a relative
// one), or false when it does not fit the status record.
bool FullPath(const char* lpszFileName, char (&szFullName)[260]) {
#ifdef _WIN32
  DWORD n = GetFullPathNameA(lpszFileName, sizeof szFullName, szFullName, nullptr);
  return n > 0 && n < sizeof szFullName;
#else
  std::string full;
  if (lpszFileName[0] == '/') {
    full = lpszFileName;
  } else {
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd) == nullptr) return false;
    full = std::string(cwd) + "/" + lpszFileName;
  }
  if (full.size() >= sizeof szFullName) return false;
  memcpy(szFullName, full.c_str(), full.size() + 1);
  return true;
#endif
}

}  // namespace

BOOL CFile::GetStatus(const char* lpszFileName, CFileStatus& rStatus) {
  ASSERT(lpszFileName != nullptr);
  if (lpszFileName == nullptr) return FALSE;
  if (strlen(lpszFileName) >= sizeof rStatus.m_szFullName) return FALSE;
  if (!FullPath(lpszFileName, rStatus.m_szFullName)) {
    rStatus.m_szFullName[0] = '\0';
    return FALSE;
  }
  struct stat st {};
  if (lpszFileName[0] == '\0' || stat(lpszFileName, &st) != 0) return FALSE;

  rStatus.m_attribute = 0;
  if (S_ISDIR(st.st_mode)) rStatus.m_attribute |= directory;
  if ((st.st_mode & S_IWUSR) == 0) rStatus.m_attribute |= readOnly;
  rStatus.m_size = S_ISDIR(st.st_mode) ? 0 : static_cast<unsigned long long>(st.st_size);
  rStatus.m_mtime = CTime(static_cast<__time64_t>(st.st_mtime));
  rStatus.m_atime = CTime(static_cast<__time64_t>(st.st_atime));
  rStatus.m_ctime = CTime(static_cast<__time64_t>(st.st_ctime));
  return TRUE;
}
