// The search walk: which items are visited and in which order, which text of
// each item is tested, and the pattern test itself.
#include "massfinder/MassFinder.h"

#include <mbstring.h>
#include <string.h>

#include "host/OlvarenHost.h"
#include "host/RuntimeFunctions.h"

namespace
{
const char kNothingSelected[] = "Nothing Selected!";

// Word characters of the whole-word test: the letters and digits of the
// runtime's multibyte code page (the system's ANSI code page), and '_'. In a
// code page with letters above 127 those letters are word characters too,
// so "заказ" is no whole word inside "заказов".
BOOL IsWordChar(char ch)
{
    unsigned char c = static_cast<unsigned char>(ch);
    return _ismbcalnum(c) || c == '_';
}
}  // namespace

// Case folding of lines and patterns: the runtime's multibyte lower-casing,
// which follows the system's ANSI code page. It stops at a NUL, so each piece
// of a text holding one is folded on its own.
void LowerCase(CString& text)
{
    int length = text.GetLength();
    char* p = text.GetBuffer(length);
    for (int i = 0; i < length; i += static_cast<int>(strlen(p + i)) + 1)
        _mbslwr(reinterpret_cast<unsigned char*>(p + i));
    text.ReleaseBuffer(length);
}

// Layout and design-time properties: never tested, their children still are.
BOOL IsUnsearchedItemType(int type)
{
    switch (type)
    {
    case ITEMTYPE_LEFT: case ITEMTYPE_TOP: case ITEMTYPE_WIDTH: case ITEMTYPE_HEIGHT:
    case ITEMTYPE_WINDOW_LOCATION: case ITEMTYPE_FONT_NAME: case ITEMTYPE_FONT_SIZE:
    case ITEMTYPE_FONT_ENHANCEMENT: case ITEMTYPE_TEXT_COLOR: case ITEMTYPE_BACKGROUND_COLOR:
    case ITEMTYPE_CHILD_KEY: case ITEMTYPE_RESOURCE_ID: case ITEMTYPE_LINE_COORDINATE:
    case ITEMTYPE_LINE_APPEARANCE: case ITEMTYPE_BORDER_APPEARANCE: case ITEMTYPE_OUTLINE_VERSION:
    case ITEMTYPE_DESIGN_TIME_SETTINGS: case ITEMTYPE_DESIGN_TIME_ENTRY:
    case ITEMTYPE_WINDOW_DEFAULTS: case ITEMTYPE_WINDOW_DEFAULTS_ENTRY: case ITEMTYPE_FORM_SIZE:
    case ITEMTYPE_COORDINATES: case ITEMTYPE_DISPLAY_SETTINGS: case ITEMTYPE_MEMORY_SETTINGS:
    case ITEMTYPE_PICTURE_APPEARANCE: case ITEMTYPE_DOCKING_PROPERTY:
        return TRUE;
    default:
        return FALSE;
    }
}

// Statements and properties written without a colon after their keyword.
BOOL IsColonlessItemType(int type)
{
    switch (type)
    {
    case ITEMTYPE_SET_STATEMENT: case ITEMTYPE_CALL_STATEMENT: case ITEMTYPE_IF_STATEMENT:
    case ITEMTYPE_LOOP_STATEMENT: case ITEMTYPE_JUMP_STATEMENT: case ITEMTYPE_CASE_STATEMENT:
    case ITEMTYPE_MESSAGE_HANDLER: case ITEMTYPE_WHEN_STATEMENT: case ITEMTYPE_YES_NO_PROPERTY:
        return TRUE;
    default:
        return FALSE;
    }
}

CString CMassFinder::BuildOutlineLine(const CGItem& item)
{
    CString line;
    BuildOutlineLine(item, item.GetItemType(), line);
    return line;
}

void CMassFinder::BuildOutlineLine(const CGItem& item, int type, CString& line)
{
    CGString title = item.GetTitle(1);
    CGString text = item.GetText();
    line = title.GetText();
    if (!text.IsEmpty() && !IsColonlessItemType(type))
        line += ':';
    line += ' ';
    line += text.GetText();
}

BOOL CMassFinder::IsIncludedItem(const CGItem& item) const
{
    if (g_pfnCDKIsItemIncluded == NULL)
        return FALSE;
    return g_pfnCDKIsItemIncluded(item.GetOutline(), item.GetItem()) ? TRUE : FALSE;
}

void CMassFinder::SearchOutline(CGApplication& app)
{
    if (!m_onlyMarkedItems)
    {
        SearchItem(app);
        SearchChildren(app);
        return;
    }

    CGItem root;
    if (!app.GetFirstMarked(root))
    {
        app.ReportMessage(kNothingSelected, NULL);
        return;
    }
    do
    {
        SearchItem(root);
        SearchChildren(root);
    } while (app.GetNextMarked(CGItem(root), root));
}

void CMassFinder::SearchItem(CGItem& item)
{
    int type = item.GetItemType();
    if (IsUnsearchedItemType(type))
        return;
    // One line buffer serves every item of the walk (it is not recursive).
    CString& line = m_lineBuffer;
    BuildOutlineLine(item, type, line);
    if (line.GetLength() <= 1)
        return;
    if (MatchLine(line))
    {
        ++m_hitCount;
        ReportHit(item);
    }
}

void CMassFinder::SearchChildren(CGItem& item)
{
    CGObjectList children;
    item.EnumChildObjects(children, 0, 0);
    POSITION pos = children.GetHeadPosition();
    while (pos != NULL)
    {
        CGItem* pChild = children.GetNext(pos);
        if (m_ignoreIncludes && IsIncludedItem(*pChild))
            continue;
        SearchItem(*pChild);
        SearchChildren(*pChild);
    }

    if (m_ignoreComments)
        return;
    item.EnumChildObjects(children, 0, ITEMTYPE_COMMENT);
    pos = children.GetHeadPosition();
    while (pos != NULL)
    {
        CGItem* pComment = children.GetNext(pos);
        if (pComment->GetItemType() != ITEMTYPE_COMMENT)
            continue;
        if (m_ignoreIncludes && IsIncludedItem(*pComment))
            continue;
        CString& text = m_lineBuffer;
        text = pComment->GetText().GetText();
        if (!text.IsEmpty() && MatchLine(text))
        {
            ++m_hitCount;
            ReportHit(*pComment);
        }
    }
}

// A line is a whole-word hit when any occurrence of the pattern stands as a
// whole word, not only the first one: "a" is found in "Set xa = a".
BOOL CMassFinder::MatchLine(CString& line)
{
    if (!m_matchCase)
        LowerCase(line);
    int patternLength = m_pattern.GetLength();
    int found = line.Find(m_pattern, 0);
    if (found < 0)
        return FALSE;
    if (!m_wholeWord)
        return TRUE;

    int lineLength = line.GetLength();
    while (found >= 0)
    {
        int end = found + patternLength;
        BOOL bStartsWord = found == 0 || !IsWordChar(line[found - 1]);
        BOOL bEndsWord = end >= lineLength || !IsWordChar(line[end]);
        if (bStartsWord && bEndsWord)
            return TRUE;
        if (found + 1 > lineLength)
            break;
        found = line.Find(m_pattern, found + 1);
    }
    return FALSE;
}
