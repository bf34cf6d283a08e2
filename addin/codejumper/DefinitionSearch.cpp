// The definition search: scope walk, declaration sections, globals, base
// classes and object classes, all through the CDK's object model.
#include "codejumper/DefinitionSearch.h"

#include "codejumper/ItemTypeGroups.h"

#include <string.h>

namespace
{
// The class definitions whose bases one SearchBaseClasses walk has entered.
typedef CList<HITEM, HITEM> CVisitedClasses;

// The owner's child of the anchor type, or FALSE when it has none: the
// search through that anchor is then skipped.
BOOL GetAnchor(const CGItem& owner, int anchorType, CGItem& anchor)
{
    return owner.GetChildOfType(anchorType, anchor, 0) && anchor.IsValid();
}

int SearchSectionsOf(const CString& identifier, const CGItem& owner, int anchorType, CGItem& result)
{
    CGItem anchor;
    if (!GetAnchor(owner, anchorType, anchor))
        return result.IsValid();
    return SearchSections(identifier, anchor, result);
}

// A window scope (or child window) met by the walk: its own sections, those
// of its object class and the class's bases, then the globals.
int SearchWindowScope(const CString& identifier, const CGItem& window, CGItem& result)
{
    if (SearchSectionsOf(identifier, window, ITEMTYPE_PROPERTY_TEMPLATE, result))
        return TRUE;
    CGItem classDefinition;
    if (FindObjectClass(window, classDefinition))
    {
        if (SearchSectionsOf(identifier, classDefinition, ITEMTYPE_PROPERTY_TEMPLATE, result))
            return TRUE;
        if (SearchBaseClasses(identifier, classDefinition, result))
            return TRUE;
    }
    return SearchGlobals(identifier, window, result);
}

int SearchBaseClassesOnce(const CString& identifier, const CGItem& classDefinition, CGItem& result,
                          CVisitedClasses& visited)
{
    visited.AddTail(classDefinition.GetItem());

    CGItem baseList;
    CGItem section;
    if (!GetAnchor(classDefinition, ITEMTYPE_DERIVED_FROM, baseList) ||
        !classDefinition.GetParentItem(section))
        return result.IsValid();

    CGObjectList bases;
    baseList.EnumChildObjects(bases, 0, 0);

    // First the members of every direct base, in the order the class names them.
    POSITION pos = bases.GetHeadPosition();
    while (pos != NULL && !result.IsValid())
    {
        CGItem* pEntry = bases.GetNext(pos);
        CGItem baseClass;
        if (section.GetChildObjectByName(pEntry->GetName(), baseClass, 0))
            SearchSectionsOf(identifier, baseClass, ITEMTYPE_DERIVED_FROM, result);
    }

    // Then each base's own ancestry, base by base.
    pos = bases.GetHeadPosition();
    while (pos != NULL && !result.IsValid())
    {
        CGItem* pEntry = bases.GetNext(pos);
        CGItem baseClass;
        if (!section.GetChildObjectByName(pEntry->GetName(), baseClass, 0))
            continue;
        if (visited.Find(baseClass.GetItem()) != NULL)
            continue;
        SearchBaseClassesOnce(identifier, baseClass, result, visited);
    }
    return result.IsValid();
}
}  // namespace

int SearchScopes(const CString& identifier, const CGItem& start, CGItem& result)
{
    CGItem current(start);
    CGItem parent;
    while (current.GetParentItem(parent))
    {
        int type = parent.GetItemType();
        int found = FALSE;
        if (IsSiblingScopeType(type))
            found = SearchSections(identifier, parent, result);
        else if (IsWindowScopeType(type) || IsChildWindowItem(parent))
            found = SearchWindowScope(identifier, parent, result);
        else if (type == ITEMTYPE_INTERNAL_FUNCTIONS)   // global functions, application actions
            found = SearchGlobals(identifier, parent, result);
        else if (IsClassDefinitionType(type))
            found = SearchBaseClasses(identifier, parent, result) || SearchGlobals(identifier, parent, result);
        if (found)
            return TRUE;
        current = parent;
    }
    return result.IsValid();
}

int SearchSections(const CString& identifier, const CGItem& anchor, CGItem& result)
{
    CGItem sibling;
    if (!anchor.GetFirstSibling(sibling))
        return result.IsValid();
    do
    {
        int type = sibling.GetItemType();
        if (type == ITEMTYPE_TOOL_BAR)   // its declarations stand in its Contents child
        {
            CGItem contents;
            if (GetAnchor(sibling, ITEMTYPE_CONTENTS, contents))
                MatchDeclaration(identifier, contents, result);
        }
        else if (IsDeclarationSectionType(type))
        {
            MatchDeclaration(identifier, sibling, result);
        }
        if (result.IsValid())
            return TRUE;
    } while (sibling.GetNextSibling(sibling));
    return result.IsValid();
}

int MatchDeclaration(const CString& identifier, const CGItem& section, CGItem& result)
{
    // Nothing under the caret names nothing: an empty identifier would
    // otherwise match the first unnamed item (a label, a return type). A
    // declaration name ends before any blank or "[", so an identifier with
    // one names nothing either.
    if (identifier.IsEmpty() || identifier.FindOneOf(" [") >= 0)
        return result.IsValid();

    CGObjectList children;
    section.EnumChildObjects(children, 0, 0);
    POSITION pos = children.GetHeadPosition();
    while (pos != NULL)
    {
        CGItem* pChild = children.GetNext(pos);
        if (IsDeclarationOf(*pChild, identifier))
        {
            result.Initialize(pChild->GetOutline(), pChild->GetItem());
            break;
        }
    }
    return result.IsValid();
}

int SearchGlobals(const CString& identifier, const CGItem& anyItem, CGItem& result)
{
    CGApplication app;
    anyItem.GetApp(app);

    CGItem globals;
    if (GetAnchor(app, ITEMTYPE_GLOBAL_DECLARATIONS, globals))
    {
        CGObjectList sections;
        globals.EnumChildObjects(sections, 0, 0);
        POSITION pos = sections.GetHeadPosition();
        while (pos != NULL && !result.IsValid())
        {
            CGItem* pSection = sections.GetNext(pos);
            int type = pSection->GetItemType();
            if (IsGlobalSectionType(type))
            {
                MatchDeclaration(identifier, *pSection, result);
            }
            else if (IsGlobalGroupType(type))
            {
                CGObjectList groupSections;
                pSection->EnumChildObjects(groupSections, 0, 0);
                POSITION groupPos = groupSections.GetHeadPosition();
                while (groupPos != NULL && !result.IsValid())
                    MatchDeclaration(identifier, *groupSections.GetNext(groupPos), result);
            }
        }
    }

    if (!result.IsValid() && app.IsValid())
        app.GetChildObjectByName(identifier, result, 0);
    return result.IsValid();
}

int SearchBaseClasses(const CString& identifier, const CGItem& classDefinition, CGItem& result)
{
    CVisitedClasses visited(10);
    return SearchBaseClassesOnce(identifier, classDefinition, result, visited);
}

int FindObjectClass(const CGItem& source, CGItem& result)
{
    CGApplication app;
    CGItem globals;
    CGItem classes;
    BOOL haveClasses = source.GetApp(app) && GetAnchor(app, ITEMTYPE_GLOBAL_DECLARATIONS, globals) &&
                       GetAnchor(globals, ITEMTYPE_CLASS_DEFINITIONS, classes);

    CGString className;
    source.GetObjectClass(className);

    result.Initialize(0, 0);
    if (!haveClasses)
        return FALSE;
    return classes.GetChildObjectByName(className, result, 0);
}

// Compared in place, without cutting the name out: a search that ends in the
// global sections asks this of every one of their declarations.
BOOL IsDeclarationOf(const CGItem& item, const CString& identifier)
{
    CGString name(item.GetName());
    const char* pszName = name;
    int nLength = identifier.GetLength();
    if (name.GetLength() < nLength)
        return FALSE;
    char next = pszName[nLength];
    if (next != '\0' && next != ' ' && next != '[')
        return FALSE;
    return memcmp(pszName, (LPCTSTR)identifier, nLength) == 0;
}

BOOL IsWindowHandleVariable(const CGItem& item)
{
    return CString(item.GetTitle(1)).Compare("Window Handle") == 0;
}

BOOL IsChildWindowItem(const CGItem& item)
{
    CGChildWindow childWindow(item.GetOutline(), item.GetItem());
    return childWindow.IsTypeAllowed(item.GetItemType()) ? TRUE : FALSE;
}
