// Identifier resolution: reading the inline editor, cutting out the
// identifier under the caret and resolving dotted names part by part.
#include "codejumper/IdentifierResolution.h"

#include <afxwin.h>
#include <string.h>

#include "codejumper/DefinitionSearch.h"
#include "codejumper/ItemTypeGroups.h"
#include "host/StringSplitter.h"

const char g_separatorsBefore[] = " ,()[]:+-*'/\"\t\r\n";
const char g_separatorsAfter[] = " ,.()[]:+-*'/\"\t\r\n";

namespace
{
const char* const kWindowPrefixes[] = {"hWndItem.", "hWndForm.", "hWndFrame.", "hWndMDI."};

BOOL IsSeparator(char ch, const char* separators)
{
    return ch != '\0' && strchr(separators, ch) != NULL;
}

// The next part of a dotted name among the sections of the scope's owner,
// reached through its anchor child, which becomes the origin. An owner
// without that child is not searched and the origin stays.
int SearchOwnerSections(const CString& identifier, const CGItem& owner, int anchorType, CGItem& origin,
                        CGItem& scope)
{
    scope.Initialize(0, 0);
    CGItem anchor;
    if (!owner.GetChildOfType(anchorType, anchor, 0) || !anchor.IsValid())
        return FALSE;
    origin = anchor;
    return SearchSections(identifier, origin, scope);
}
}  // namespace

int FindSeparatorBefore(int position, const CString& text, const char* separators)
{
    // A caret past the end of the text stands at its end.
    int from = position < text.GetLength() ? position : text.GetLength();
    for (int i = from - 1; i >= 0; --i)
    {
        if (IsSeparator(text.GetAt(i), separators))
            return i;
    }
    return -1;
}

int FindSeparatorAfter(int position, const CString& text, const char* separators)
{
    for (int i = position < 0 ? 0 : position; i < text.GetLength(); ++i)
    {
        if (IsSeparator(text.GetAt(i), separators))
            return i;
    }
    return -1;
}

void StripWindowPrefixes(CString& identifier)
{
    for (size_t i = 0; i < sizeof(kWindowPrefixes) / sizeof(kWindowPrefixes[0]); ++i)
    {
        int at = identifier.Find(kWindowPrefixes[i]);
        if (at >= 0)
            identifier.Delete(at, static_cast<int>(strlen(kWindowPrefixes[i])));
    }
}

void ExtractIdentifier(IdentifierRequest& request)
{
    const CString& line = *request.line;
    int before = FindSeparatorBefore(request.selStart, line, g_separatorsBefore);
    int after = FindSeparatorAfter(request.selStart, line, g_separatorsAfter);
    if (after < 0)
        request.identifier = line.Mid(before + 1);
    else
        request.identifier = line.Mid(before + 1, after - (before + 1));

    request.identifier.Replace("..", ".");
    if (!request.identifier.IsEmpty() && request.identifier.GetAt(0) == '.')
        request.identifier.Delete(0, 1);
    StripWindowPrefixes(request.identifier);
}

int ResolveIdentifier(CGItem& result, const CGItem& edited, HWND hEditor)
{
    CEdit editor;
    if (!editor.Attach(hEditor))
        return FALSE;

    CString line;
    editor.GetWindowText(line);

    IdentifierRequest request;
    request.line = &line;
    request.selStart = 0;
    request.selEnd = 0;
    ::SendMessageA(hEditor, EM_GETSEL, reinterpret_cast<WPARAM>(&request.selStart),
                   reinterpret_cast<LPARAM>(&request.selEnd));
    ExtractIdentifier(request);

    int found;
    if (request.identifier.Find('.') < 0)
        found = SearchScopes(request.identifier, edited, result);
    else
        found = ResolveQualifiedName(result, request, edited);

    editor.Detach();
    return found;
}

int ResolveQualifiedName(CGItem& result, IdentifierRequest& request, const CGItem& edited)
{
    CGItem scope;
    CGItem origin(edited);
    BOOL found = TRUE;
    BOOL repeat = FALSE;
    CStringSplitter splitter(request.identifier, ".");

    for (;;)
    {
        if (!repeat && !splitter.Next())
            break;
        repeat = FALSE;
        request.identifier = splitter.GetToken();
        BOOL last = splitter.IsLastToken();

        // A window handle variable leads nowhere: the part after it is a
        // fresh simple search from the origin.
        if (IsWindowHandleVariable(scope))
            scope.Initialize(0, 0);
        int type = scope.GetItemType();

        if (type == 0)
        {
            found = SearchScopes(request.identifier, origin, scope);
            if (found && !last && !IsQualifyingWindowType(scope.GetItemType()) &&
                !IsWindowHandleVariable(scope) && !IsClassDefinitionType(scope.GetItemType()))
                found = FindObjectClass(scope, scope);
        }
        else if (IsQualifyingWindowType(type))
        {
            CGItem owner(scope);
            found = SearchOwnerSections(request.identifier, owner, ITEMTYPE_MESSAGE_ACTIONS, origin, scope);
            if (!found)
            {
                // Not the window's own: the same part again, inside its class.
                found = FindObjectClass(owner, scope);
                repeat = found;
            }
        }
        else if (IsClassDefinitionType(type))
        {
            CGItem owner(scope);
            found = SearchOwnerSections(request.identifier, owner, ITEMTYPE_DERIVED_FROM, origin, scope);
            if (!found)
                found = SearchBaseClasses(request.identifier, owner, scope);
            if (found && !last)
                found = FindObjectClass(scope, scope);
        }
        else
        {
            // Any other item stays the scope; this part names nothing more.
            continue;
        }

        if (!found)
        {
            result.Initialize(0, 0);
            return result.IsValid();
        }
    }

    result.Initialize(scope.GetOutline(), scope.GetItem());
    return result.IsValid();
}
