// The item type codes that CodeJumper's searches test, and the groups they
// form: which items are scopes, which are declaration sections, which are
// class definitions. The codes are the CDK's (CGItem::GetItemType).
#pragma once

#include <afx.h>

// Single codes with a role of their own.
#define CJ_TYPE_WRAPPED_SECTION      270   // a section whose Contents child (114) holds the declarations
#define CJ_TYPE_CONTENTS             114
#define CJ_TYPE_GLOBAL_DECLARATIONS  124   // the application's child that holds the global sections
#define CJ_TYPE_GLOBAL_ONLY_SCOPE    134   // an enclosing item at which only the global search runs
#define CJ_TYPE_CLASS_DEFINITIONS    244   // the section holding the class definitions
#define CJ_TYPE_BASE_CLASS_LIST      243   // a class definition's list of direct base classes
#define CJ_TYPE_WINDOW_ANCHOR        63    // anchor child of windows and window classes in the scope walk
#define CJ_TYPE_MESSAGE_ACTIONS      173   // anchor child of windows for qualified names

// 1, 2, 19, 66: windows whose own sections form a scope of the walk.
BOOL IsWindowScopeType(int type);
// 1, 2, 3, 19, 66: windows that stay the scope for the next part of a dotted name.
BOOL IsQualifyingWindowType(int type);
// 28, 70, 124, 173, 278, 279: enclosing items whose siblings are the scope's sections.
BOOL IsSiblingScopeType(int type);
// The 29 class definition kinds.
BOOL IsClassDefinitionType(int type);
// Sections whose children are declarations.
BOOL IsDeclarationSectionType(int type);
// 134, 223, 244, 406: children of the global declarations searched as sections.
BOOL IsGlobalSectionType(int type);
// 52, 81: children of the global declarations whose own children are sections.
BOOL IsGlobalGroupType(int type);
