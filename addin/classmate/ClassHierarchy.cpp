// ClassMate's report: the selection check, the report lines for one class
// (header, its ancestors up to a cap, the classes derived from it) and the
// walk that gathers the ancestors.
#include "classmate/ClassMate.h"

#include "cdk/ItemTypes.h"
#include "classmate/BaseClassGraph.h"
#include "classmate/IncludeSuffix.h"
#include "host/ErrorBox.h"
#include "host/OlvarenHost.h"
#include "host/RuntimeFunctions.h"

namespace {

const char kNoApplication[] = "Not a valid App Object!";
// "Too much items" is the tool's own wording and keeps its spelling.
const char kNotOneItem[] =
    "Too much items or no item selected.\nClassmate needs exactly one class definition being selected!";
const char kNotAClass[] = "The selected object is not a class definition!";
const char kRule[] = "--------------------------------------------------------------------";
// Each level of ancestry indents by three blanks.
const int INDENT_STEP_LENGTH = 3;

// One class on the walk's path and the index of its next base.
struct CWalkStep
{
    int m_node;
    int m_nextBase;
};

// After the cap on base-class lines: how many more the walk would list.
const char kLeftOut[] = "   ... %llu more base class lines left out";

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
    ULONGLONG leftOut = 0;
    CollectBaseClassesBounded(cls, bases, 0, leftOut);

    app.ReportMessage("Base Classes: ", NULL);
    POSITION pos = bases.GetHeadPosition();
    while (pos != NULL)
    {
        CBaseClassExt* pRecord = bases.GetNext(pos);
        // Made in one piece: in a deep chain the indentation is most of the line.
        CString indent(' ', INDENT_STEP_LENGTH * pRecord->m_depth);
        line.Format("   %s%s%s", (LPCSTR)indent, pRecord->m_pClass->GetName().GetText(),
                    (LPCSTR)GetIncludeSuffix(*pRecord->m_pClass));
        app.ReportMessage(line, pRecord->m_pClass);
        delete pRecord->m_pClass;
        delete pRecord;
    }
    bases.RemoveAll();
    if (leftOut > 0)
    {
        line.Format(kLeftOut, static_cast<unsigned long long>(leftOut));
        app.ReportMessage(line, NULL);
    }

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
    ULONGLONG leftOut = 0;
    CollectBaseClassesBounded(classItem, list, depth, leftOut);
}

// The walk proper: depth first, pre-order, each ancestor followed by its own
// ancestors one level deeper, an ancestor reached along two paths listed
// under each. An ancestor already on the path from the start closes a cycle
// of base classes: it is listed, but its bases are not followed again. The
// walk runs over a graph built once (no list of siblings per level) with its
// own stack (no recursion, whatever the depth), and lists at most
// MAX_BASE_CLASS_LINES records; `leftOut` is then the number of further
// lines it would have listed (else 0).
void CClassMate::CollectBaseClassesBounded(CGItem& classItem, CList<CBaseClassExt*, CBaseClassExt*>& list, int depth,
                                           ULONGLONG& leftOut)
{
    leftOut = 0;
    CBaseClassGraph graph;
    graph.Build(classItem);

    CArray<BYTE, BYTE> onPath;
    onPath.SetSize(graph.GetCount());
    CArray<CWalkStep, const CWalkStep&> stack;
    stack.SetSize(0, 1024);
    CWalkStep start = {0, 0};
    stack.Add(start);
    onPath[0] = 1;
    int listed = 0;
    while (stack.GetSize() > 0)
    {
        CWalkStep& top = stack[stack.GetSize() - 1];
        if (top.m_nextBase == graph.GetBaseCount(top.m_node))
        {
            onPath[top.m_node] = 0;
            stack.SetSize(stack.GetSize() - 1);
            continue;
        }
        if (listed == MAX_BASE_CLASS_LINES)
        {
            ULONGLONG total = graph.CountLines();
            leftOut = total > static_cast<ULONGLONG>(listed) ? total - listed : 1;
            return;
        }
        int base = graph.GetBase(top.m_node, top.m_nextBase++);
        CBaseClassExt* pRecord = new CBaseClassExt;
        pRecord->m_pClass = new CGClass(graph.GetOutline(), graph.GetItem(base));
        pRecord->m_depth = depth + static_cast<int>(stack.GetSize()) - 1;
        list.AddTail(pRecord);
        ++listed;
        if (!onPath[base])
        {
            onPath[base] = 1;
            CWalkStep step = {base, 0};
            stack.Add(step);
        }
    }
}
