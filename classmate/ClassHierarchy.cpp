// ClassMate's report: the selection check, the report lines for one class
// (header, its ancestors, the classes derived from it) and the walk that
// gathers the ancestors.
#include "classmate/ClassMate.h"

#include <string.h>

#include "classmate/IncludeSuffix.h"
#include "host/ErrorBox.h"
#include "host/OlvarenHost.h"
#include "host/RuntimeFunctions.h"

namespace {

// The outline section under which class definitions stand.
const int ITEMTYPE_CLASS_DEFINITIONS = 244;

const char kNoApplication[] = "Not a valid App Object!";
const char kNotOneItem[] =
    "Too much items or no item selected.\nClassmate needs exactly one class definition being selected!";
const char kNotAClass[] = "The selected object is not a class definition!";
const char kRule[] = "--------------------------------------------------------------------";
const char kIndentStep[] = "   ";

}  // namespace

void CClassMate::ShowClassHierarchy()
{
    CGApplication& app = m_pHost->m_app;
    if (!app.IsValid())
    {
        app.ReportMessage(kNoApplication, NULL);
        return;
    }

    CGObjectList marked;
    app.GetMarkedItems(marked);
    if (marked.GetCount() != 1)
    {
        ShowErrorBox(kNotOneItem);
        return;
    }

    CGItem* pSelected = marked.GetHead();
    CGItem parent;
    pSelected->GetParentItem(parent);
    if (parent.GetItemType() != ITEMTYPE_CLASS_DEFINITIONS)
    {
        ShowErrorBox(kNotAClass);
        return;
    }

    if (g_pfnErrorLogOpen != NULL)
        g_pfnErrorLogOpen();
    if (g_pfnErrorLogClear != NULL)
        g_pfnErrorLogClear();

    CGClass selectedClass(pSelected->GetOutline(), pSelected->GetItem());
    ReportClassHierarchy(selectedClass);
}

void CClassMate::ReportClassHierarchy(CGClass& cls)
{
    CGApplication& app = m_pHost->m_app;
    CString line;

    CString includeText;
    GetIncludeText(cls, includeText);
    line.Format("Class: %s (%s)", cls.GetName().GetText(), (LPCSTR)includeText);
    app.ReportMessage(line, &cls);
    app.ReportMessage(kRule, NULL);

    CList<CBaseClassExt*, CBaseClassExt*> bases(10);
    CollectBaseClasses(cls, bases, 0);

    app.ReportMessage("Base Classes: ", NULL);
    POSITION pos = bases.GetHeadPosition();
    while (pos != NULL)
    {
        CBaseClassExt* pRecord = bases.GetNext(pos);
        CString indent;
        for (int i = 0; i < pRecord->m_depth; ++i)
            indent += kIndentStep;
        line.Format("   %s%s%s", (LPCSTR)indent, pRecord->m_pClass->GetName().GetText(),
                    (LPCSTR)GetIncludeSuffix(*pRecord->m_pClass));
        app.ReportMessage(line, pRecord->m_pClass);
        delete pRecord->m_pClass;
        delete pRecord;
    }
    bases.RemoveAll();

    app.ReportMessage("Derived Classes: ", NULL);
    CGItem parent;
    cls.GetParentItem(parent);
    CGObjectList candidates;
    parent.EnumChildObjects(candidates, 0, 0);
    pos = candidates.GetHeadPosition();
    while (pos != NULL)
    {
        CGItem* pChild = candidates.GetNext(pos);
        CGClass candidate(pChild->GetOutline(), pChild->GetItem());
        if (!candidate.IsDerivedFrom(cls.GetName()))
            continue;
        line.Format("   %s%s", pChild->GetName().GetText(), (LPCSTR)GetIncludeSuffix(*pChild));
        app.ReportMessage(line, pChild);
    }
}

void CClassMate::CollectBaseClasses(CGItem& classItem, CList<CBaseClassExt*, CBaseClassExt*>& list, int depth)
{
    CPathStep start = {classItem.GetOutline(), classItem.GetItem(), NULL};
    CollectBaseClassesOnPath(classItem, list, depth, start);
}

// The walk proper. `path` ends at `classItem` and leads back to the class the
// walk started from; an ancestor already on it closes a cycle of base
// classes: it is listed, but its bases are not followed again.
void CClassMate::CollectBaseClassesOnPath(CGItem& classItem, CList<CBaseClassExt*, CBaseClassExt*>& list,
                                          int depth, const CPathStep& path)
{
    CGClass cls(classItem.GetOutline(), classItem.GetItem());
    CGObjectList baseEntries;
    cls.EnumBaseClasses(baseEntries);

    CGItem parent;
    classItem.GetParentItem(parent);
    CGObjectList siblings;
    parent.EnumChildObjects(siblings, 0, 0);

    POSITION basePos = baseEntries.GetHeadPosition();
    while (basePos != NULL)
    {
        CGString baseName = baseEntries.GetNext(basePos)->GetName();
        POSITION pos = siblings.GetHeadPosition();
        while (pos != NULL)
        {
            CGItem* pSibling = siblings.GetNext(pos);
            if (strcmp(pSibling->GetName().GetText(), baseName.GetText()) != 0)
                continue;

            CBaseClassExt* pRecord = new CBaseClassExt;
            pRecord->m_pClass = new CGClass(pSibling->GetOutline(), pSibling->GetItem());
            pRecord->m_depth = depth;
            list.AddTail(pRecord);

            if (!IsOnPath(path, pRecord->m_pClass->GetOutline(), pRecord->m_pClass->GetItem()))
            {
                CPathStep step = {pRecord->m_pClass->GetOutline(), pRecord->m_pClass->GetItem(), &path};
                CollectBaseClassesOnPath(*pRecord->m_pClass, list, depth + 1, step);
            }
            break;
        }
    }
}

BOOL CClassMate::IsOnPath(const CPathStep& path, HOUTLINE hOutline, HITEM hItem)
{
    for (const CPathStep* pStep = &path; pStep != NULL; pStep = pStep->m_pDerived)
    {
        if (pStep->m_hOutline == hOutline && pStep->m_hItem == hItem)
            return TRUE;
    }
    return FALSE;
}
