// CFile's status query (CFile::GetStatus with CFileStatus), the part of
// MFC's file class that code here uses.
#pragma once

#include "afxobj_.h"
#include "atltime.h"

struct AFX_CLASS_EXPORT CFileStatus {
  CTime m_ctime;                 // creation (here: status change) time
  CTime m_mtime;                 // last modification time, whole seconds
  CTime m_atime;                 // last access time
  unsigned long long m_size = 0; // size in bytes
  unsigned char m_attribute = 0; // CFile::Attribute bits
  char m_szFullName[260] = {};   // absolute path
};

class AFX_CLASS_EXPORT CFile : public CObject {
  DECLARE_DYNAMIC(CFile)

 public:
  enum Attribute {
    normal = 0x00,
    readOnly = 0x01,
    hidden = 0x02,
    system = 0x04,
    volume = 0x08,
    directory = 0x10,
    archive = 0x20
  };

  CFile() = default;

  // Fills rStatus for the file or folder at lpszFileName. FALSE when it
  // does not exist (or the name is NULL or too long for MAX_PATH); the
  // full name is set whenever the name could be made absolute.
  static BOOL GetStatus(const char* lpszFileName, CFileStatus& rStatus);
};
