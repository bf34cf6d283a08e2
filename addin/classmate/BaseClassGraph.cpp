// CBaseClassGraph: one pass over the class definitions' names, one
// EnumBaseClasses per reachable class, and the line count on the graph.
#include "classmate/BaseClassGraph.h"

#include <afxcoll.h>

namespace
{
const ULONGLONG MOST_LINES = ~static_cast<ULONGLONG>(0);

ULONGLONG SaturatingAdd(ULONGLONG a, ULONGLONG b)
{
    return a > MOST_LINES - b ? MOST_LINES : a + b;
}

// A power of two at least twice `count`: the size of an open-addressing table.
INT_PTR TableSize(INT_PTR count)
{
    INT_PTR size = 16;
    while (size < 2 * count)
        size *= 2;
    return size;
}

UINT HashName(const char* name)
{
    UINT hash = 2166136261u;   // FNV-1a
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(name); *p != 0; ++p)
        hash = (hash ^ *p) * 16777619u;
    return hash;
}

UINT HashItem(HITEM hItem)
{
    return static_cast<UINT>(hItem) * 2654435761u;
}

// The first class definition of each name under one parent.
class CFirstByName
{
public:
    explicit CFirstByName(INT_PTR count)
    {
        m_names.SetSize(TableSize(count));
        m_items.SetSize(m_names.GetSize());
    }
    void AddIfNew(const char* name, HITEM hItem)
    {
        INT_PTR slot = Find(name);
        if (m_items[slot] == 0)
        {
            m_names[slot] = name;
            m_items[slot] = hItem;
        }
    }
    // 0 when no class of that name stands under the parent.
    HITEM Lookup(const char* name) const { return m_items[Find(name)]; }

private:
    // The slot holding `name`, or the free slot where it would go.
    INT_PTR Find(const char* name) const
    {
        const INT_PTR mask = m_items.GetSize() - 1;
        INT_PTR slot = HashName(name) & mask;
        while (m_items[slot] != 0 && m_names[slot] != name)
            slot = (slot + 1) & mask;
        return slot;
    }

    CStringArray m_names;
    CArray<HITEM, HITEM> m_items;   // item handles are never 0
};

// One step of a depth-first walk: a node and the index of its next base.
struct CCountStep
{
    int m_node;
    int m_nextBase;
};
}  // namespace

int CBaseClassGraph::NodeFor(HITEM hItem)
{
    const INT_PTR mask = m_nodeSlots.GetSize() - 1;
    INT_PTR slot = HashItem(hItem) & mask;
    while (m_nodeSlots[slot] != 0)
    {
        int node = m_nodeSlots[slot] - 1;
        if (m_items[node] == hItem)
            return node;
        slot = (slot + 1) & mask;
    }
    int node = static_cast<int>(m_items.Add(hItem));
    m_nodeSlots[slot] = node + 1;
    return node;
}

void CBaseClassGraph::Build(const CGItem& classItem)
{
    m_hOutline = classItem.GetOutline();
    m_items.RemoveAll();
    m_baseIds.RemoveAll();
    m_baseStart.RemoveAll();

    // The index of names. The list of children lives only while it is made.
    CGItem parent;
    classItem.GetParentItem(parent);
    INT_PTR childCount;
    CFirstByName* pFirstByName;
    {
        CGObjectList children;
        parent.EnumChildObjects(children, 0, 0);
        childCount = children.GetCount();
        pFirstByName = new CFirstByName(childCount);
        POSITION pos = children.GetHeadPosition();
        while (pos != NULL)
        {
            CGItem* pChild = children.GetNext(pos);
            pFirstByName->AddIfNew(pChild->GetName().GetText(), pChild->GetItem());
        }
    }

    // Every node is a child of the parent, or the class itself.
    m_nodeSlots.RemoveAll();
    m_nodeSlots.SetSize(TableSize(childCount + 1));
    m_items.SetSize(0, 1024);
    m_baseIds.SetSize(0, 1024);
    m_baseStart.SetSize(0, 1024);
    NodeFor(classItem.GetItem());
    // Nodes are numbered as they are found; each is resolved once, in turn.
    for (int node = 0; node < GetCount(); ++node)
    {
        m_baseStart.Add(static_cast<int>(m_baseIds.GetSize()));
        CGClass cls(m_hOutline, m_items[node]);
        CGObjectList baseEntries;
        cls.EnumBaseClasses(baseEntries);
        POSITION pos = baseEntries.GetHeadPosition();
        while (pos != NULL)
        {
            HITEM hBase = pFirstByName->Lookup(baseEntries.GetNext(pos)->GetName().GetText());
            if (hBase != 0)
                m_baseIds.Add(NodeFor(hBase));
        }
    }
    m_baseStart.Add(static_cast<int>(m_baseIds.GetSize()));
    delete pFirstByName;
}

ULONGLONG CBaseClassGraph::CountLines()
{
    const INT_PTR count = m_items.GetSize();
    CArray<ULONGLONG, ULONGLONG> lines;   // per node, once counted
    CArray<BYTE, BYTE> state;             // 0 not counted, 1 counting (on the stack), 2 counted
    lines.SetSize(count);
    state.SetSize(count);
    CArray<CCountStep, const CCountStep&> stack;
    stack.SetSize(0, 1024);

    CCountStep start = {0, 0};
    stack.Add(start);
    state[0] = 1;
    while (stack.GetSize() > 0)
    {
        CCountStep& top = stack[stack.GetSize() - 1];
        if (top.m_nextBase == GetBaseCount(top.m_node))
        {
            state[top.m_node] = 2;
            stack.SetSize(stack.GetSize() - 1);
            continue;
        }
        int base = GetBase(top.m_node, top.m_nextBase);
        if (state[base] == 0)
        {
            state[base] = 1;
            CCountStep step = {base, 0};
            stack.Add(step);   // `top` is not used after this
            continue;
        }
        // The base's own line, and its ancestry unless it closes a cycle.
        ULONGLONG baseLines = state[base] == 2 ? SaturatingAdd(1, lines[base]) : 1;
        lines[top.m_node] = SaturatingAdd(lines[top.m_node], baseLines);
        ++top.m_nextBase;
    }
    return lines[0];
}
