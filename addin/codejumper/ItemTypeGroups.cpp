// The type groups of CodeJumper's searches (see ItemTypeGroups.h).
#include "codejumper/ItemTypeGroups.h"

namespace
{
BOOL IsOneOf(int type, const int* codes, int count)
{
    for (int i = 0; i < count; ++i)
    {
        if (codes[i] == type)
            return TRUE;
    }
    return FALSE;
}

const int kWindowScopeTypes[] = {1, 2, 19, 66};
const int kQualifyingWindowTypes[] = {1, 2, 3, 19, 66};
const int kSiblingScopeTypes[] = {28, 70, 124, 173, 278, 279};
const int kClassDefinitionTypes[] = {
    494, 245, 246, 247, 248, 249, 250, 251, 252, 253, 254, 255, 256, 257, 258,
    259, 260, 282, 283, 284, 288, 289, 290, 324, 325, 326, 327, 456, 514};
const int kDeclarationSectionTypes[] = {
    114, 118, 134, 136, 137, 157, 159, 211, 265, 278, 279, 280, 281, 299, 401};
const int kGlobalSectionTypes[] = {134, 223, 244, 406};
const int kGlobalGroupTypes[] = {52, 81};

#define CJ_COUNT(a) static_cast<int>(sizeof(a) / sizeof((a)[0]))
}  // namespace

BOOL IsWindowScopeType(int type)
{
    return IsOneOf(type, kWindowScopeTypes, CJ_COUNT(kWindowScopeTypes));
}

BOOL IsQualifyingWindowType(int type)
{
    return IsOneOf(type, kQualifyingWindowTypes, CJ_COUNT(kQualifyingWindowTypes));
}

BOOL IsSiblingScopeType(int type)
{
    return IsOneOf(type, kSiblingScopeTypes, CJ_COUNT(kSiblingScopeTypes));
}

BOOL IsClassDefinitionType(int type)
{
    return IsOneOf(type, kClassDefinitionTypes, CJ_COUNT(kClassDefinitionTypes));
}

BOOL IsDeclarationSectionType(int type)
{
    return IsOneOf(type, kDeclarationSectionTypes, CJ_COUNT(kDeclarationSectionTypes));
}

BOOL IsGlobalSectionType(int type)
{
    return IsOneOf(type, kGlobalSectionTypes, CJ_COUNT(kGlobalSectionTypes));
}

BOOL IsGlobalGroupType(int type)
{
    return IsOneOf(type, kGlobalGroupTypes, CJ_COUNT(kGlobalGroupTypes));
}
