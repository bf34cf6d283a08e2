// The search command and its report lines: header, one line per hit with its
// include prefix and location path, and the summary with the count.
#include "massfinder/MassFinder.h"

#include <afxwin.h>

#include "host/OlvarenHost.h"
#include "host/RuntimeFunctions.h"

namespace
{
const char kNoApplication[] = "Not a valid App Object!";
const char kCannotLocate[] = "*** Could not evaluate outline properly! ***";

// The location path ends below the application item and starts again at
// the outermost function or message handler.
BOOL IsPathBreakType(int type)
{
    return type == ITEMTYPE_FUNCTION || type == ITEMTYPE_MESSAGE_HANDLER;
}

// Tab, line feed and carriage return each become a blank.
void FlattenLine(CString& line)
{
    line.Replace('\t', ' ');
    line.Replace('\n', ' ');
    line.Replace('\r', ' ');
}
}  // namespace

void CMassFinder::Search(const CString& pattern)
{
    SaveSettings();
    m_pattern = pattern;

    CGApplication app(m_pHost->m_app);
    if (!app.IsValid())
    {
        app.ReportMessage(kNoApplication, NULL);
        return;
    }

    CWaitCursor wait;
    if (g_pfnErrorLogClear != NULL)
        g_pfnErrorLogClear();
    m_hitCount = 0;

    CString line;
    line.Format("Search Results for \"%s\"", (LPCSTR)pattern);
    app.ReportMessage(line, NULL);
    app.ReportMessage("", NULL);

    if (!m_matchCase)
        LowerCase(m_pattern);
    m_matcher.Prepare(m_pattern, m_matchCase, m_wholeWord);
    SearchOutline(app);

    app.ReportMessage("", NULL);
    line.Format("%d Occurrences found for \"%s\"", m_hitCount, (LPCSTR)pattern);
    app.ReportMessage(line, NULL);
}

void CMassFinder::ReportHit(CGItem& item)
{
    CString body;
    CGItem ancestor;
    if (!item.GetParentItem(ancestor))
    {
        body = kCannotLocate;
    }
    else
    {
        CString path;
        for (;;)
        {
            int type = ancestor.GetItemType();
            if (type == ITEMTYPE_APPLICATION)
                break;
            if (IsPathBreakType(type))
                path.Empty();
            CString name(ancestor.GetText().GetText());
            if (name.IsEmpty())
                name = ancestor.GetTitle(1).GetText();
            CString step;
            step.Format("[%s] ", (LPCSTR)name);
            path = step + path;
            if (!ancestor.GetParentItem(ancestor))
                break;
        }
        CString itemLine = BuildOutlineLine(item);
        FlattenLine(itemLine);
        body = path + itemLine;
    }

    CString prefix;
    CGItem including;
    if (GetIncludingItem(including, item))
        prefix.Format("<%s> ", including.GetText().GetText());

    CString line;
    line.Format("%s%s", (LPCSTR)prefix, (LPCSTR)body);
    m_pHost->m_app.ReportMessage(line, &item);
}
