// The pattern test of a search: the pattern is prepared once, then tried on
// line after line. Without match case lines are folded as the runtime's
// _mbslwr folds them (the multibyte code page): in a code page of single
// bytes through a table of its small letters taken from _mbslwr itself, in a
// double-byte code page by _mbslwr on a copy of each line. The search moves
// along a line by the bad-character rule (Horspool) on the folded bytes.
#pragma once

#include <afx.h>

class CLineMatcher
{
public:
    CLineMatcher();

    // `pattern` as it is searched: already lower-cased when bMatchCase is
    // FALSE. The code page is the one in use now.
    void Prepare(const CString& pattern, BOOL bMatchCase, BOOL bWholeWord);

    // TRUE when the nLength bytes at pszLine (no NUL among them) hold the
    // pattern; with whole word some occurrence must stand as a word of its
    // own, not only the first one ("a" is found in "Set xa = a").
    BOOL Match(const char* pszLine, int nLength);
    // The same for the line made of the nHead bytes at pszHead (no NUL among
    // them) followed by the text at pszText, nText bytes long or ending at a
    // NUL before: neither is copied whole.
    BOOL Match(const char* pszHead, int nHead, const char* pszText, int nText);

private:
    // The first occurrence at or after iStart, or -1.
    int Find(const unsigned char* line, int nLength, int iStart) const;
    BOOL StandsAsWord(const unsigned char* line, int nLength, int iAt) const;
    BOOL MatchWhole(const unsigned char* line, int nLength) const;

    CString m_pattern;
    BOOL m_bWholeWord;
    BOOL m_bFoldCopy;             // fold a copy of each line with _mbslwr
    unsigned char m_fold[256];    // byte to folded byte (identity with match case)
    // How far the pattern may move on when a line byte stands under its last
    // byte (Horspool): from the last place of that byte's fold in the pattern
    // before the last to the pattern's end, or the pattern's length.
    int m_shift[256];
    BOOL m_bInPattern[256];       // the byte folds to one of the pattern's
    CString m_folded;             // the folded copy of the line
};
