// Splits a string at every occurrence of a separator, one token per call of
// Next(); empty tokens are kept, and IsLastToken() tells when the current
// token is the rest of the text after the last separator. With an empty
// separator the whole text is the one token.
#pragma once

#include <afx.h>

class CStringSplitter
{
public:
    CStringSplitter(const CString& text, const CString& separator);

    BOOL Next();
    const CString& GetToken() const { return m_token; }
    BOOL IsLastToken() const { return m_bLastToken; }

private:
    CString m_separator;
    CString m_text;
    CString m_token;
    int m_position;
    BOOL m_bLastToken;
};
