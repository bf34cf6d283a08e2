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
        // The names met going outwards, innermost first; written outermost
        // first, each as "[name] ".
        m_pathNames.RemoveAll();
        for (;;)
        {
            int type = ancestor.GetItemType();
            if (type == ITEMTYPE_APPLICATION)
                break;
            if (IsPathBreakType(type))
                m_pathNames.RemoveAll();
            CString name(ancestor.GetText().GetText());
            if (name.IsEmpty())
                name = ancestor.GetTitle(1).GetText();
            m_pathNames.Add(name);
            if (!ancestor.GetParentItem(ancestor))
                break;
        }
        for (INT_PTR i = m_pathNames.GetSize(); i-- > 0;)
        {
            body += '[';
            body += m_pathNames[i];
            body += "] ";
        }
        CString itemLine = BuildOutlineLine(item);
        FlattenLine(itemLine);
        body += itemLine;
    }

    CString line;
    CGItem including;
    if (GetIncludingItem(including, item))
    {
        line = '<';
        line += including.GetText().GetText();
        line += "> ";
    }
    line += body;
    m_pHost->m_app.ReportMessage(line, &item);
}
