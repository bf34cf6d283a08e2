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
    for (int b = 0; b < 256; ++b)
        m_shift[b] = nPattern - 1 - last[m_fold[b]];
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

BOOL CLineMatcher::Match(const char* pszLine, int nLength)
{
    const unsigned char* line = reinterpret_cast<const unsigned char*>(pszLine);
    if (m_bFoldCopy)
    {
        m_folded.SetString(pszLine, nLength);
        LowerCase(m_folded);
        line = reinterpret_cast<const unsigned char*>(m_folded.GetString());
    }
    for (int at = Find(line, nLength, 0); at >= 0; at = Find(line, nLength, at + 1))
    {
        if (!m_bWholeWord || StandsAsWord(line, nLength, at))
            return TRUE;
    }
    return FALSE;
}
