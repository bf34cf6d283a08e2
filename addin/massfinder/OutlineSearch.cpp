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

// The head of an item's outline line (as BuildOutlineLine makes it): the
// title up to a NUL inside it if any, then ":" unless the text is empty or
// the type colon-less, and a blank, written into the walk's buffer, which
// serves every item of the walk (it is not recursive) and keeps its room.
// The text follows the head in the line; it is tested where it is.
int CMassFinder::BuildLineHead(const CGString& title, const CGString& text, int type)
{
    if (m_lineBuffer.GetLength() < title.GetLength() + 2)
        m_lineBuffer.GetBufferSetLength((title.GetLength() + 2) * 2);
    char* pHead = m_lineBuffer.GetBuffer();
    const char* pTitle = title.GetText();
    int n = 0;
    while (pTitle[n] != '\0')   // titles are short: a loop beats strlen and memcpy
    {
        pHead[n] = pTitle[n];
        ++n;
    }
    if (!text.IsEmpty() && !IsColonlessItemType(type))
        pHead[n++] = ':';
    pHead[n++] = ' ';
    return n;
}

void CMassFinder::SearchItem(CGItem& item)
{
    int type = item.GetItemType();
    if (IsUnsearchedItemType(type))
        return;
    CGString title = item.GetTitle(1);
    CGString text = item.GetText();
    int nHead = BuildLineHead(title, text, type);
    if (nHead <= 1 && text.GetText()[0] == '\0')
        return;   // the line is a lone blank
    if (m_matcher.Match(m_lineBuffer.GetString(), nHead, text.GetText(), text.GetLength()))
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
    return *m_childLists.GetData()[nDepth];
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
        if (text.GetText()[0] != '\0' && m_matcher.Match("", 0, text.GetText(), text.GetLength()))
        {
            ++m_hitCount;
            ReportHit(*pComment);
        }
    }
}
