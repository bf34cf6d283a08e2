// CGString: the CDK's string result, NUL-terminated text held inside the
// object when short, in a heap copy when long.
#include "CdkAccess.h"

#include <string.h>

CGString::CGString() : m_pszText(m_szInline), m_nLength(0) { m_szInline[0] = '\0'; }
CGString::CGString(const char* text) : CGString() {
  if (text != nullptr) Assign(text, static_cast<int>(strlen(text)));
}
CGString::CGString(const CGString& other) : CGString() { Assign(other.m_pszText, other.m_nLength); }
CGString& CGString::operator=(const CGString& other) {
  if (this != &other) Assign(other.m_pszText, other.m_nLength);
  return *this;
}
CGString::~CGString() {
  if (m_pszText != m_szInline) delete[] m_pszText;
}

// The new text is copied before the old heap copy goes, so `text` may point
// into this string.
void CGString::Assign(const char* text, int nLength) {
  if (nLength < 0) nLength = 0;
  char* target = nLength <= kInlineLength ? m_szInline : new char[static_cast<size_t>(nLength) + 1];
  if (nLength > 0) memmove(target, text, static_cast<size_t>(nLength));
  target[nLength] = '\0';
  if (m_pszText != m_szInline && m_pszText != target) delete[] m_pszText;
  m_pszText = target;
  m_nLength = nLength;
}

// A fresh string has no old text to let go of.
CGString CGStringAccess::Make(const char* text, int nLength) {
  CGString result;
  if (nLength <= 0) return result;
  if (nLength > CGString::kInlineLength) result.m_pszText = new char[static_cast<size_t>(nLength) + 1];
  memcpy(result.m_pszText, text, static_cast<size_t>(nLength));
  result.m_pszText[nLength] = '\0';
  result.m_nLength = nLength;
  return result;
}
