// CString: MFC's 8-bit character string (CStringT<char> of MFC 9), with
// MFC's index clamping and not-found results (-1).
#pragma once

#include <stdarg.h>
#include <string>

#include "afxver_.h"

class AFX_CLASS_EXPORT CString {
 public:
  typedef char XCHAR;
  typedef const char* PCXSTR;

  CString() = default;
  CString(const CString& strSrc) = default;
  CString(CString&& strSrc) noexcept = default;
  CString(const char* pszSrc);                // NULL gives an empty string
  CString(const unsigned char* pszSrc);
  CString(char ch, int nRepeat = 1);          // nRepeat < 1 gives an empty string
  CString(const char* pch, int nLength);      // the first nLength characters
  ~CString() = default;

  CString& operator=(const CString& strSrc) = default;
  CString& operator=(CString&& strSrc) noexcept = default;
  CString& operator=(const char* pszSrc);
  CString& operator=(const unsigned char* pszSrc);
  CString& operator=(char ch);

  CString& operator+=(const CString& str);
  CString& operator+=(const char* psz);
  CString& operator+=(char ch);

  // Length and content.
  int GetLength() const { return static_cast<int>(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  const char* GetString() const { return m_str.c_str(); }
  operator const char*() const { return m_str.c_str(); }

  // Index 0..GetLength() for reading (the length gives the terminating
  // NUL), 0..GetLength()-1 for writing; anything else ASSERTs.
  char GetAt(int iChar) const;
  void SetAt(int iChar, char ch);
  char operator[](int iChar) const { return GetAt(iChar); }

  // Direct buffer access. GetBuffer(n) gives room for at least n characters
  // plus the NUL; ReleaseBuffer(-1) takes the length up to the first NUL.
  char* GetBuffer();
  char* GetBuffer(int nMinBufferLength);
  char* GetBufferSetLength(int nLength);
  void ReleaseBuffer(int nNewLength = -1);
  void ReleaseBufferSetLength(int nNewLength);
  void Preallocate(int nLength);
  void FreeExtra();
  void Truncate(int nNewLength);
  void SetString(const char* psz, int nLength);
  void Append(const char* psz);
  void Append(const char* psz, int nLength);
  void Append(const CString& str) { *this += str; }
  void AppendChar(char ch) { *this += ch; }

  // printf-style formatting (any length).
  void Format(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));
  void FormatV(const char* pszFormat, va_list args);
  void AppendFormat(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));
  void AppendFormatV(const char* pszFormat, va_list args);

  // Comparison: <0, 0, >0 as strcmp / _stricmp.
  int Compare(const char* psz) const;
  int CompareNoCase(const char* psz) const;
  int Collate(const char* psz) const { return Compare(psz); }
  int CollateNoCase(const char* psz) const { return CompareNoCase(psz); }

  // Searching. All return a zero-based index or -1. A start index out of
  // range gives -1: for a character, iStart must be below the length; for a
  // substring it may equal the length (where only "" is found).
  int Find(char ch, int iStart = 0) const;
  int Find(const char* pszSub, int iStart = 0) const;
  int FindOneOf(const char* pszCharSet) const;
  int ReverseFind(char ch) const;

  // Extraction with MFC's clamping: negative counts and starts count as 0,
  // counts past the end stop at the end.
  CString Mid(int iFirst) const;
  CString Mid(int iFirst, int nCount) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;
  CString SpanIncluding(const char* pszCharSet) const;
  CString SpanExcluding(const char* pszCharSet) const;
  CString Tokenize(const char* pszTokens, int& iStart) const;

  // Modification. Replace and Remove return the number of replacements or
  // removals; Insert and Delete return the new length.
  int Replace(char chOld, char chNew);
  int Replace(const char* pszOld, const char* pszNew);
  int Remove(char chRemove);
  int Insert(int iIndex, char ch);
  int Insert(int iIndex, const char* psz);
  int Delete(int iIndex, int nCount = 1);
  CString& MakeLower();
  CString& MakeUpper();
  CString& MakeReverse();

  // Trimming: without arguments white space (isspace), else the given
  // character or any character of the given set.
  CString& Trim();
  CString& Trim(char chTarget);
  CString& Trim(const char* pszTargets);
  CString& TrimLeft();
  CString& TrimLeft(char chTarget);
  CString& TrimLeft(const char* pszTargets);
  CString& TrimRight();
  CString& TrimRight(char chTarget);
  CString& TrimRight(const char* pszTargets);

 private:
  std::string m_str;
};

// Concatenation.
AFX_API_EXPORT CString operator+(const CString& str1, const CString& str2);
AFX_API_EXPORT CString operator+(const CString& str1, const char* psz2);
AFX_API_EXPORT CString operator+(const char* psz1, const CString& str2);
AFX_API_EXPORT CString operator+(const CString& str1, char ch2);
AFX_API_EXPORT CString operator+(char ch1, const CString& str2);

// Comparison (case-sensitive, as Compare).
inline bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const CString& s1, const char* s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const char* s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const CString& s1, const char* s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const char* s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool operator<(const CString& s1, const char* s2) { return s1.Compare(s2) < 0; }
inline bool operator<(const char* s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool operator>(const CString& s1, const char* s2) { return s1.Compare(s2) > 0; }
inline bool operator>(const char* s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(const CString& s1, const char* s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(const char* s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(const CString& s1, const char* s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(const char* s1, const CString& s2) { return s2.Compare(s1) <= 0; }
