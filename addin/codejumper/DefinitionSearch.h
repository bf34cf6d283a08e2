// The search for the outline item that declares a simple identifier (a name
// without dots): from the scopes around a starting item, nearest first, out
// to the application's global declarations and its own lookup by name. Every
// search fills a caller's empty result item and returns its validity
// (nonzero = found). Names are compared exactly, letter case included.
#pragma once

#include <afx.h>

#include "cdk/cdk.h"

// The scope walk: the enclosing items of `start` (not `start` itself), nearest
// first; window scopes with their object class and its bases, class
// definitions with their bases, and the globals wherever the walk reaches them.
int SearchScopes(const CString& identifier, const CGItem& start, CGItem& result);

// The declaration sections among the anchor's siblings (the anchor included),
// in outline order; a Tool Bar (270) is searched through its Contents (114).
int SearchSections(const CString& identifier, const CGItem& anchor, CGItem& result);

// The section's first child whose declaration name equals the identifier.
int MatchDeclaration(const CString& identifier, const CGItem& section, CGItem& result);

// The application's global sections and groups, then the application's own
// lookup of its child objects by name.
int SearchGlobals(const CString& identifier, const CGItem& anyItem, CGItem& result);

// The base classes of a class definition: the members of every direct base
// first, then each base's own ancestry, base by base. A class met again in
// the same walk (cyclic or repeated derivation) is not searched again.
int SearchBaseClasses(const CString& identifier, const CGItem& classDefinition, CGItem& result);

// The class definition named by the source's object class. Source and result
// may be the same item.
int FindObjectClass(const CGItem& source, CGItem& result);

// TRUE when the item's declaration name, its name up to the first blank or
// "[", is the identifier (an identifier without blanks and "[").
BOOL IsDeclarationOf(const CGItem& item, const CString& identifier);

// TRUE when the item's title is exactly "Window Handle".
BOOL IsWindowHandleVariable(const CGItem& item);
// TRUE when the CDK allows the item's own type as a child window.
BOOL IsChildWindowItem(const CGItem& item);
