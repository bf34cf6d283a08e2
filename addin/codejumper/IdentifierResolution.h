// From the caret in the inline editor to the item that declares the name
// under it: the identifier is cut out of the editor's text, normalised, and
// searched as a simple name or, part by part, as a dotted name.
#pragma once

#include <afx.h>
#include <windows.h>

#include "cdk/cdk.h"

// One resolution: the editor's text, its selection and the identifier.
struct IdentifierRequest
{
    CString* line;         // the whole text of the inline editor (not owned)
    int selStart;          // the caret: 0-based index of the character after it
    int selEnd;
    CString identifier;    // cut out of the line; then each part of a dotted name in turn
};

// Characters that end an identifier on the caret's left (16) and on its
// right (17: the same and the full stop, so that qualifiers on the left stay
// and member names on the right are cut off).
extern const char g_separatorsBefore[];
extern const char g_separatorsAfter[];

// Nonzero when a definition was found; `result` (passed empty) is then the
// defining item. `edited` is the item whose line is open in `hEditor`.
int ResolveIdentifier(CGItem& result, const CGItem& edited, HWND hEditor);

// Fills request.identifier from request.line and request.selStart.
void ExtractIdentifier(IdentifierRequest& request);

// The nearest position before `position` (tested downwards from position-1)
// and at or after it (tested upwards) whose character is in `separators`;
// -1 when there is none.
int FindSeparatorBefore(int position, const CString& text, const char* separators);
int FindSeparatorAfter(int position, const CString& text, const char* separators);

// Removes the first "hWndItem.", "hWndForm.", "hWndFrame." and "hWndMDI."
// found anywhere in the identifier (case-sensitive), in this order.
void StripWindowPrefixes(CString& identifier);

// Resolves a dotted identifier part by part, each part in the scope that the
// part before it leads to. Nonzero when the whole name was resolved.
int ResolveQualifiedName(CGItem& result, IdentifierRequest& request, const CGItem& edited);
