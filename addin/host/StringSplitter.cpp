// The string splitter used by the tool entry (blank) and CodeJumper (dot).
#include "host/StringSplitter.h"

CStringSplitter::CStringSplitter(const CString& text, const CString& separator)
    : m_separator(separator),
      m_text(text),
      m_position(0),
      m_bLastToken(FALSE)
{
}

BOOL CStringSplitter::Next()
{
    // An empty separator splits nothing (it would match at every position
    // without advancing): the text is one token.
    int found = m_separator.IsEmpty() ? -1 : m_text.Find(m_separator, m_position);
    if (found >= 0)
    {
        m_token = m_text.Mid(m_position, found - m_position);
        m_position = found + m_separator.GetLength();
        m_bLastToken = FALSE;
        return TRUE;
    }
    if (m_position <= m_text.GetLength())
    {
        m_token = m_text.Mid(m_position);
        m_position = m_text.GetLength() + 1;
        m_bLastToken = TRUE;
        return TRUE;
    }
    m_token.Empty();
    m_bLastToken = FALSE;
    return FALSE;
}
