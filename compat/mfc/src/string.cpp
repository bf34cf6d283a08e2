// CString: construction, buffer access, formatting, searching, extraction
// and modification with MFC 9's index rules.
#include "afx.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>
#include <strings.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

bool IsSpace(char ch) { return isspace(static_cast<unsigned char>(ch)) != 0; }

// Whether p points into the string's characters (or its NUL): such a source
// must be copied out before the string's buffer is written.
bool PointsInto(const std::string& str, const char* p) {
  const char* first = str.data();
  return std::less_equal<const char*>()(first, p) && std::less_equal<const char*>()(p, first + str.size());
}

}  // namespace

CString::CString(const char* pszSrc) {
  if (pszSrc != nullptr) m_str = pszSrc;
}

CString::CString(const unsigned char* pszSrc) : CString(reinterpret_cast<const char*>(pszSrc)) {}

CString::CString(char ch, int nRepeat) {
  if (nRepeat > 0) m_str.assign(static_cast<size_t>(nRepeat), ch);
}

CString::CString(const char* pch, int nLength) {
  ASSERT(nLength >= 0);
  ASSERT(nLength == 0 || pch != nullptr);
  if (nLength > 0) m_str.assign(pch, static_cast<size_t>(nLength));
}

CString& CString::operator=(const char* pszSrc) {
  if (pszSrc == nullptr) {
    m_str.clear();
  } else {
    if (PointsInto(m_str, pszSrc))
      m_str = std::string(pszSrc);
    else
      m_str.assign(pszSrc);  // in place: the buffer's capacity is kept
  }
  return *this;
}

CString& CString::operator=(const unsigned char* pszSrc) {
  return *this = reinterpret_cast<const char*>(pszSrc);
}

CString& CString::operator=(char ch) {
  m_str.assign(1, ch);
  return *this;
}

CString& CString::operator+=(const CString& str) {
  m_str += str.m_str;
  return *this;
}

CString& CString::operator+=(const char* psz) {
  if (psz == nullptr) return *this;
  if (PointsInto(m_str, psz))
    m_str += std::string(psz);
  else
    m_str.append(psz);
  return *this;
}

CString& CString::operator+=(char ch) {
  m_str += ch;
  return *this;
}

char CString::GetAt(int iChar) const {
  ASSERT(iChar >= 0 && iChar <= GetLength());
  return m_str.c_str()[iChar];
}

void CString::SetAt(int iChar, char ch) {
  ASSERT(iChar >= 0 && iChar < GetLength());
  m_str[static_cast<size_t>(iChar)] = ch;
}

char* CString::GetBuffer() { return &m_str[0]; }

char* CString::GetBuffer(int nMinBufferLength) {
  ASSERT(nMinBufferLength >= 0);
  if (nMinBufferLength > GetLength()) m_str.resize(static_cast<size_t>(nMinBufferLength));
  return &m_str[0];
}

char* CString::GetBufferSetLength(int nLength) {
  ASSERT(nLength >= 0);
  m_str.resize(static_cast<size_t>(nLength));
  return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength) {
  if (nNewLength == -1) nNewLength = static_cast<int>(strnlen(m_str.data(), m_str.size()));
  ASSERT(nNewLength >= 0 && nNewLength <= GetLength());
  m_str.resize(static_cast<size_t>(nNewLength));
}

void CString::ReleaseBufferSetLength(int nNewLength) {
  ASSERT(nNewLength >= 0);
  ReleaseBuffer(nNewLength);
}

void CString::Preallocate(int nLength) {
  ASSERT(nLength >= 0);
  m_str.reserve(static_cast<size_t>(nLength));
}

void CString::FreeExtra() { m_str.shrink_to_fit(); }

void CString::Truncate(int nNewLength) {
  ASSERT(nNewLength >= 0 && nNewLength <= GetLength());
  m_str.resize(static_cast<size_t>(nNewLength));
}

void CString::SetString(const char* psz, int nLength) {
  ASSERT(nLength >= 0);
  if (psz == nullptr || nLength == 0) {
    m_str.clear();
  } else {
    if (PointsInto(m_str, psz))
      m_str = std::string(psz, static_cast<size_t>(nLength));
    else
      m_str.assign(psz, static_cast<size_t>(nLength));
  }
}

void CString::Append(const char* psz) { *this += psz; }

void CString::Append(const char* psz, int nLength) {
  ASSERT(nLength >= 0);
  if (psz != nullptr && nLength > 0) {
    const size_t n = strnlen(psz, static_cast<size_t>(nLength));
    if (PointsInto(m_str, psz))
      m_str += std::string(psz, n);
    else
      m_str.append(psz, n);
  }
}

void CString::Format(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatV(pszFormat, args);
  va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args) {
  ASSERT(pszFormat != nullptr);
  // Most results fit a stack buffer: one formatting pass, then one copy into
  // this string's buffer (after formatting, as the arguments may point into it).
  char buffer[512];
  va_list measure;
  va_copy(measure, args);
  const int nLength = vsnprintf(buffer, sizeof buffer, pszFormat, measure);
  va_end(measure);
  ASSERT(nLength >= 0);
  if (nLength >= 0 && static_cast<size_t>(nLength) < sizeof buffer) {
    m_str.assign(buffer, static_cast<size_t>(nLength));
    return;
  }
  CString result;
  result.AppendFormatV(pszFormat, args);
  m_str.swap(result.m_str);
}

void CString::AppendFormat(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  AppendFormatV(pszFormat, args);
  va_end(args);
}

void CString::AppendFormatV(const char* pszFormat, va_list args) {
  ASSERT(pszFormat != nullptr);
  char small[512];
  va_list measure;
  va_copy(measure, args);
  int nLength = vsnprintf(small, sizeof small, pszFormat, measure);
  va_end(measure);
  ASSERT(nLength >= 0);
  if (nLength < 0) return;
  if (static_cast<size_t>(nLength) < sizeof small) {
    m_str.append(small, static_cast<size_t>(nLength));
    return;
  }
  std::vector<char> buffer(static_cast<size_t>(nLength) + 1);  // a long result: a second pass
  vsnprintf(buffer.data(), buffer.size(), pszFormat, args);
  m_str.append(buffer.data(), static_cast<size_t>(nLength));
}

int CString::Compare(const char* psz) const {
  ASSERT(psz != nullptr);
  return strcmp(GetString(), psz);
}

int CString::CompareNoCase(const char* psz) const {
  ASSERT(psz != nullptr);
  return strcasecmp(GetString(), psz);
}

int CString::Find(char ch, int iStart) const {
  if (iStart < 0 || iStart >= GetLength()) return -1;
  const char* p = strchr(GetString() + iStart, ch);
  return p == nullptr ? -1 : static_cast<int>(p - GetString());
}

int CString::Find(const char* pszSub, int iStart) const {
  ASSERT(pszSub != nullptr);
  if (pszSub == nullptr || iStart < 0 || iStart > GetLength()) return -1;
  const char* p = strstr(GetString() + iStart, pszSub);
  return p == nullptr ? -1 : static_cast<int>(p - GetString());
}

int CString::FindOneOf(const char* pszCharSet) const {
  ASSERT(pszCharSet != nullptr);
  const char* p = strpbrk(GetString(), pszCharSet);
  return p == nullptr ? -1 : static_cast<int>(p - GetString());
}

int CString::ReverseFind(char ch) const {
  const char* p = strrchr(GetString(), ch);
  return p == nullptr ? -1 : static_cast<int>(p - GetString());
}

CString CString::Mid(int iFirst) const { return Mid(iFirst, GetLength() - iFirst); }

CString CString::Mid(int iFirst, int nCount) const {
  if (iFirst < 0) iFirst = 0;
  if (nCount < 0) nCount = 0;
  const int nLength = GetLength();
  if (iFirst > nLength) return CString();
  if (nCount > nLength - iFirst) nCount = nLength - iFirst;
  return CString(GetString() + iFirst, nCount);
}

CString CString::Left(int nCount) const {
  if (nCount < 0) nCount = 0;
  if (nCount >= GetLength()) return *this;
  return CString(GetString(), nCount);
}

CString CString::Right(int nCount) const {
  if (nCount < 0) nCount = 0;
  if (nCount >= GetLength()) return *this;
  return CString(GetString() + GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(const char* pszCharSet) const {
  ASSERT(pszCharSet != nullptr);
  return Left(static_cast<int>(strspn(GetString(), pszCharSet)));
}

CString CString::SpanExcluding(const char* pszCharSet) const {
  ASSERT(pszCharSet != nullptr);
  return Left(static_cast<int>(strcspn(GetString(), pszCharSet)));
}

CString CString::Tokenize(const char* pszTokens, int& iStart) const {
  ASSERT(iStart >= 0);
  if (pszTokens == nullptr || *pszTokens == '\0') {
    if (iStart < GetLength()) return CString(GetString() + iStart);
  } else if (iStart < GetLength()) {
    const char* pszPlace = GetString() + iStart;
    const int nIncluding = static_cast<int>(strspn(pszPlace, pszTokens));
    if (iStart + nIncluding < GetLength()) {
      const int nExcluding = static_cast<int>(strcspn(pszPlace + nIncluding, pszTokens));
      const int iFrom = iStart + nIncluding;
      iStart = iFrom + nExcluding + 1;
      return Mid(iFrom, nExcluding);
    }
  }
  iStart = -1;
  return CString();
}

int CString::Replace(char chOld, char chNew) {
  if (chOld == chNew) return 0;
  int nCount = 0;
  for (char& ch : m_str) {
    if (ch == chOld) {
      ch = chNew;
      ++nCount;
    }
  }
  return nCount;
}

int CString::Replace(const char* pszOld, const char* pszNew) {
  const size_t nSourceLen = pszOld == nullptr ? 0 : strlen(pszOld);
  if (nSourceLen == 0) return 0;
  const std::string strOld(pszOld);
  const std::string strNew(pszNew == nullptr ? "" : pszNew);
  std::string result;
  int nCount = 0;
  size_t nFrom = 0;
  for (size_t nAt = m_str.find(strOld); nAt != std::string::npos; nAt = m_str.find(strOld, nFrom)) {
    result.append(m_str, nFrom, nAt - nFrom);
    result += strNew;
    nFrom = nAt + nSourceLen;
    ++nCount;
  }
  if (nCount > 0) {
    result.append(m_str, nFrom, std::string::npos);
    m_str.swap(result);
  }
  return nCount;
}

int CString::Remove(char chRemove) {
  const size_t nOldLength = m_str.size();
  m_str.erase(std::remove(m_str.begin(), m_str.end(), chRemove), m_str.end());
  return static_cast<int>(nOldLength - m_str.size());
}

int CString::Insert(int iIndex, char ch) {
  if (iIndex < 0) iIndex = 0;
  if (iIndex > GetLength()) iIndex = GetLength();
  m_str.insert(static_cast<size_t>(iIndex), 1, ch);
  return GetLength();
}

int CString::Insert(int iIndex, const char* psz) {
  if (iIndex < 0) iIndex = 0;
  if (iIndex > GetLength()) iIndex = GetLength();
  if (psz != nullptr && *psz != '\0') m_str.insert(static_cast<size_t>(iIndex), std::string(psz));
  return GetLength();
}

int CString::Delete(int iIndex, int nCount) {
  if (iIndex < 0) iIndex = 0;
  if (nCount < 0) nCount = 0;
  const int nLength = GetLength();
  if (nCount > nLength - iIndex) nCount = nLength - iIndex;
  if (nCount > 0) m_str.erase(static_cast<size_t>(iIndex), static_cast<size_t>(nCount));
  return GetLength();
}

CString& CString::MakeLower() {
  for (char& ch : m_str) ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
  return *this;
}

CString& CString::MakeUpper() {
  for (char& ch : m_str) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
  return *this;
}

CString& CString::MakeReverse() {
  std::reverse(m_str.begin(), m_str.end());
  return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(const char* pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }

CString& CString::TrimLeft() {
  size_t n = 0;
  while (n < m_str.size() && IsSpace(m_str[n])) ++n;
  m_str.erase(0, n);
  return *this;
}

CString& CString::TrimLeft(char chTarget) {
  m_str.erase(0, std::min(m_str.find_first_not_of(chTarget), m_str.size()));
  return *this;
}

CString& CString::TrimLeft(const char* pszTargets) {
  if (pszTargets == nullptr || *pszTargets == '\0') return *this;
  m_str.erase(0, std::min(m_str.find_first_not_of(pszTargets), m_str.size()));
  return *this;
}

CString& CString::TrimRight() {
  size_t n = m_str.size();
  while (n > 0 && IsSpace(m_str[n - 1])) --n;
  m_str.resize(n);
  return *this;
}

CString& CString::TrimRight(char chTarget) {
  const size_t nLast = m_str.find_last_not_of(chTarget);
  m_str.resize(nLast == std::string::npos ? 0 : nLast + 1);
  return *this;
}

CString& CString::TrimRight(const char* pszTargets) {
  if (pszTargets == nullptr || *pszTargets == '\0') return *this;
  const size_t nLast = m_str.find_last_not_of(pszTargets);
  m_str.resize(nLast == std::string::npos ? 0 : nLast + 1);
  return *this;
}

CString operator+(const CString& str1, const CString& str2) {
  CString result(str1);
  result += str2;
  return result;
}

CString operator+(const CString& str1, const char* psz2) {
  CString result(str1);
  result += psz2;
  return result;
}

CString operator+(const char* psz1, const CString& str2) {
  CString result(psz1);
  result += str2;
  return result;
}

CString operator+(const CString& str1, char ch2) {
  CString result(str1);
  result += ch2;
  return result;
}

CString operator+(char ch1, const CString& str2) {
  CString result(ch1);
  result += str2;
  return result;
}
