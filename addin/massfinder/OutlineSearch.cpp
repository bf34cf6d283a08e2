// The search walk: which items are visited and in which order, and which
// text of each item is tested (the test itself is CLineMatcher's).
#include "massfinder/MassFinder.h"

#include <mbstring.h>
#include <string.h>

#include "host/OlvarenHost.h"
#include "host/RuntimeFunctions.h"

namespace
{
const char kNothingSelected[] = "Nothing Selected!";

// Copies a CDK text as a C string (a CDK string is NUL-terminated, and may
// hold a NUL before its end); returns the bytes copied.
int CopyText(char* pDest, const CGString& text)
{
    size_t nLength = strlen(text.GetText());
    memcpy(pDest, text.GetText(), nLength);
    return static_cast<int>(nLength);
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
        SearchChildren(app, 0);
        FreeChildLists();
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
        SearchChildren(root, 0);
    } while (app.GetNextMarked(CGItem(root), root));
    FreeChildLists();
}

// The same line as BuildOutlineLine, written into the walk's buffer, which
// serves every item of the walk (it is not recursive) and keeps its room.
int CMassFinder::BuildSearchLine(const CGItem& item, int type)
{
    CGString title = item.GetTitle(1);
    CGString text = item.GetText();
    int nRoom = title.GetLength() + 2 + text.GetLength();
    if (nRoom > m_lineBuffer.GetLength())
        m_lineBuffer.GetBufferSetLength(nRoom * 2);
    char* pLine = m_lineBuffer.GetBuffer();
    char* p = pLine + CopyText(pLine, title);
    if (!text.IsEmpty() && !IsColonlessItemType(type))
        *p++ = ':';
    *p++ = ' ';
    p += CopyText(p, text);
    return static_cast<int>(p - pLine);
}

void CMassFinder::SearchItem(CGItem& item)
{
    int type = item.GetItemType();
    if (IsUnsearchedItemType(type))
        return;
    int length = BuildSearchLine(item, type);
    if (length <= 1)
        return;
    if (m_matcher.Match(m_lineBuffer.GetString(), length))
    {
        ++m_hitCount;
        ReportHit(item);
    }
}

// The list of children at one depth of the walk: a list serves every item at
// its depth and keeps its entries' room from item to item.
CGObjectList& CMassFinder::ChildList(int nDepth)
{
    while (m_childLists.GetSize() <= nDepth)
        m_childLists.Add(new CGObjectList);
    return *m_childLists[nDepth];
}

void CMassFinder::FreeChildLists()
{
    for (INT_PTR i = 0; i < m_childLists.GetSize(); ++i)
        delete m_childLists[i];
    m_childLists.RemoveAll();
}

void CMassFinder::SearchChildren(CGItem& item, int nDepth)
{
    CGObjectList& children = ChildList(nDepth);
    item.EnumChildObjects(children, 0, 0);
    POSITION pos = children.GetHeadPosition();
    while (pos != NULL)
    {
        CGItem* pChild = children.GetNext(pos);
        if (m_ignoreIncludes && IsIncludedItem(*pChild))
            continue;
        SearchItem(*pChild);
        SearchChildren(*pChild, nDepth + 1);
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
        CGString text = pComment->GetText();
        int length = static_cast<int>(strlen(text.GetText()));
        if (length != 0 && m_matcher.Match(text.GetText(), length))
        {
            ++m_hitCount;
            ReportHit(*pComment);
        }
    }
}
