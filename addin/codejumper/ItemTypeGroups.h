// The item type groups that CodeJumper's searches test: which items are
// scopes, which are declaration sections, which are class definitions. The
// codes are the CDK's (cdk/ItemTypes.h). Single codes with a role in the
// searches:
//   ITEMTYPE_PROPERTY_TEMPLATE    anchor child of windows and window classes in the scope walk
//   ITEMTYPE_MESSAGE_ACTIONS      anchor child of windows for qualified names
//   ITEMTYPE_DERIVED_FROM         a class definition's list of direct base classes
//   ITEMTYPE_TOOL_BAR             a section whose Contents child holds the declarations
//   ITEMTYPE_GLOBAL_DECLARATIONS  the application's child that holds the global sections
//   ITEMTYPE_INTERNAL_FUNCTIONS   an enclosing item at which only the global search runs
//   ITEMTYPE_CLASS_DEFINITIONS    the section holding the class definitions
#pragma once

#include <afx.h>

#include "cdk/ItemTypes.h"

// Form window, dialog box, table window, MDI window: windows whose own
// sections form a scope of the walk.
BOOL IsWindowScopeType(int type);
// Those and the child table: windows that stay the scope for the next part
// of a dotted name.
BOOL IsQualifyingWindowType(int type);
// Actions, functions, global declarations, message actions, class and window
// functions: enclosing items whose siblings are the scope's sections.
BOOL IsSiblingScopeType(int type);
// The 29 class definition kinds.
BOOL IsClassDefinitionType(int type);
// Sections whose children are declarations.
BOOL IsDeclarationSectionType(int type);
// Internal functions, variables, named items, class definitions: children of
// the global declarations searched as sections.
BOOL IsGlobalSectionType(int type);
// Constants, external functions: children of the global declarations whose
// own children are sections.
BOOL IsGlobalGroupType(int type);
