// The include text and include suffix of a class (see IncludeSuffix.h).
#include "classmate/IncludeSuffix.h"

#include "host/RuntimeFunctions.h"

BOOL GetIncludeText(const CGItem& item, CString& text)
{
    text.Empty();
    CGItem including;
    if (!GetIncludingItem(including, item))
        return FALSE;
    text = including.GetText().GetText();
    return TRUE;
}

CString GetIncludeSuffix(const CGItem& item)
{
    CString suffix;
    CString text;
    if (GetIncludeText(item, text))
        suffix.Format(" (%s)", (LPCSTR)text);
    return suffix;
}
