// CGString: the CDK's string result, NUL-terminated text held in a CString.
#include "CdkAccess.h"

CGString::CGString() {}
CGString::CGString(const char* text) : m_text(text ? text : "") {}
CGString::CGString(const CGString& other) : m_text(other.m_text) {}
CGString& CGString::operator=(const CGString& other) {
  m_text = other.m_text;
  return *this;
}
CGString::~CGString() {}

CGString::operator const char*() const { return static_cast<const char*>(m_text); }
const char* CGString::GetText() const { return static_cast<const char*>(m_text); }
int CGString::GetLength() const { return m_text.GetLength(); }
BOOL CGString::IsEmpty() const { return m_text.IsEmpty() ? TRUE : FALSE; }

CGString CGStringAccess::Make(const char* text, int nLength) {
  CGString result;
  if (nLength > 0) result.m_text = CString(text, nLength);
  return result;
}
