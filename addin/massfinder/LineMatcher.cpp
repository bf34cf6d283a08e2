// The pattern test of a search (see LineMatcher.h).
#include "massfinder/LineMatcher.h"

#include <mbctype.h>
#include <mbstring.h>
#include <string.h>

#include "massfinder/MassFinder.h"

namespace
{
// The runtime's double-byte code pages: there _mbslwr reads a lead byte and
// its trail byte as one character, so no table of single bytes folds a line.
BOOL IsDoubleByteCodePage(int codePage)
{
    switch (codePage)
    {
    case 932: case 936: case 949: case 950: case 1361:
        return TRUE;
    default:
        return FALSE;
    }
}

// Word characters of the whole-word test: the letters and digits of the
// runtime's multibyte code page (the system's ANSI code page), and '_'. In a
// code page with letters above 127 those letters are word characters too,
// so "заказ" is no whole word inside "заказов".
BOOL IsWordChar(unsigned char c)
{
    return _ismbcalnum(c) || c == '_';
}
}  // namespace

CLineMatcher::CLineMatcher()
    : m_pattern(""),
      m_bWholeWord(FALSE),
      m_bFoldCopy(FALSE)
{
    for (int b = 0; b < 256; ++b)
    {
        m_fold[b] = static_cast<unsigned char>(b);
        m_shift[b] = 1;
        m_bInPattern[b] = FALSE;
    }
}

void CLineMatcher::Prepare(const CString& pattern, BOOL bMatchCase, BOOL bWholeWord)
{
    m_pattern = pattern;
    m_bWholeWord = bWholeWord;
    BOOL bTable = !bMatchCase && !IsDoubleByteCodePage(_getmbcp());
    m_bFoldCopy = !bMatchCase && !bTable;
    for (int b = 0; b < 256; ++b)
    {
        unsigned char one[2] = { static_cast<unsigned char>(b), 0 };
        if (bTable && b != 0)
            _mbslwr(one);
        m_fold[b] = one[0];
    }

    int nPattern = m_pattern.GetLength();
    const unsigned char* pat = reinterpret_cast<const unsigned char*>(m_pattern.GetString());
    int last[256];   // by folded byte: its last place before the pattern's end
    for (int b = 0; b < 256; ++b)
        last[b] = -1;
    for (int k = 0; k + 1 < nPattern; ++k)
        last[pat[k]] = k;
    BOOL bInPattern[256] = { FALSE };
    for (int k = 0; k < nPattern; ++k)
        bInPattern[pat[k]] = TRUE;
    for (int b = 0; b < 256; ++b)
    {
        m_shift[b] = nPattern - 1 - last[m_fold[b]];
        m_bInPattern[b] = bInPattern[m_fold[b]];
    }
}

int CLineMatcher::Find(const unsigned char* line, int nLength, int iStart) const
{
    const unsigned char* pat = reinterpret_cast<const unsigned char*>(m_pattern.GetString());
    int nPattern = m_pattern.GetLength();
    if (iStart > nLength)
        return -1;
    if (nPattern == 0)
        return iStart;
    int iLast = nLength - nPattern;
    int iPatternLast = nPattern - 1;
    unsigned char lastByte = pat[iPatternLast];
    for (int i = iStart; i <= iLast; i += m_shift[line[i + iPatternLast]])
    {
        if (m_fold[line[i + iPatternLast]] != lastByte)
            continue;
        int k = 0;
        while (k < iPatternLast && m_fold[line[i + k]] == pat[k])
            ++k;
        if (k == iPatternLast)
            return i;
    }
    return -1;
}

BOOL CLineMatcher::StandsAsWord(const unsigned char* line, int nLength, int iAt) const
{
    int iEnd = iAt + m_pattern.GetLength();
    BOOL bStartsWord = iAt == 0 || !IsWordChar(m_fold[line[iAt - 1]]);
    BOOL bEndsWord = iEnd >= nLength || !IsWordChar(m_fold[line[iEnd]]);
    return bStartsWord && bEndsWord;
}

BOOL CLineMatcher::MatchWhole(const unsigned char* line, int nLength) const
{
    for (int at = Find(line, nLength, 0); at >= 0; at = Find(line, nLength, at + 1))
    {
        if (!m_bWholeWord || StandsAsWord(line, nLength, at))
            return TRUE;
    }
    return FALSE;
}

BOOL CLineMatcher::Match(const char* pszLine, int nLength)
{
    return Match(pszLine, nLength, "", 0);
}

BOOL CLineMatcher::Match(const char* pszHead, int nHead, const char* pszText, int nText)
{
    if (m_bFoldCopy)
    {
        m_folded.SetString(pszHead, nHead);
        m_folded.Append(pszText, nText);
        LowerCase(m_folded);
        return MatchWhole(reinterpret_cast<const unsigned char*>(m_folded.GetString()), m_folded.GetLength());
    }

    // Occurrences that start in the head: the head's bytes from there on,
    // then the text's first bytes, compared with the pattern's. When the
    // pattern has no byte like the head's last (the blank after the title),
    // only those wholly before that byte are possible.
    const unsigned char* head = reinterpret_cast<const unsigned char*>(pszHead);
    const unsigned char* text = reinterpret_cast<const unsigned char*>(pszText);
    const unsigned char* pat = reinterpret_cast<const unsigned char*>(m_pattern.GetString());
    int nPattern = m_pattern.GetLength();
    int iHeadEnd = nHead;
    if (nHead > 0 && !m_bInPattern[head[nHead - 1]])
        iHeadEnd = nHead - nPattern;
    for (int i = 0; i < iHeadEnd; ++i)
    {
        if (nPattern != 0 && m_fold[head[i]] != pat[0])
            continue;
        int k = 0;
        while (k < nPattern && i + k < nHead && m_fold[head[i + k]] == pat[k])
            ++k;
        if (k < nPattern && i + k < nHead)
            continue;
        for (int t = 0; k < nPattern && t < nText && text[t] != 0 && m_fold[text[t]] == pat[k]; ++t)
            ++k;
        if (k < nPattern)
            continue;
        if (!m_bWholeWord)
            return TRUE;
        int iEnd = i + nPattern;
        unsigned char before = i > 0 ? head[i - 1] : 0;
        unsigned char after = iEnd < nHead ? head[iEnd] : iEnd - nHead < nText ? text[iEnd - nHead] : 0;
        if (!IsWordChar(m_fold[before]) && !IsWordChar(m_fold[after]))
            return TRUE;
    }

    // Occurrences inside the text, which ends at a NUL before nText if it
    // holds one: an occurrence reaching past such a NUL, and every one after
    // it, is no occurrence.
    for (int at = Find(text, nText, 0); at >= 0; at = Find(text, nText, at + 1))
    {
        if (memchr(text, 0, static_cast<size_t>(at + nPattern)) != NULL)
            return FALSE;
        if (!m_bWholeWord)
            return TRUE;
        unsigned char before = at > 0 ? text[at - 1] : nHead > 0 ? static_cast<unsigned char>(pszHead[nHead - 1]) : 0;
        unsigned char after = at + nPattern < nText ? text[at + nPattern] : 0;
        if (!IsWordChar(m_fold[before]) && !IsWordChar(m_fold[after]))
            return TRUE;
    }
    return FALSE;
}
