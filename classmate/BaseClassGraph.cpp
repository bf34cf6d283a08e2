// CBaseClassGraph: one pass over the class definitions' names, one
// EnumBaseClasses per reachable class, and the memoised line count.
#include "classmate/BaseClassGraph.h"

#include <limits>
#include <utility>

namespace
{
ULONGLONG SaturatingAdd(ULONGLONG a, ULONGLONG b)
{
    const ULONGLONG most = std::numeric_limits<ULONGLONG>::max();
    return a > most - b ? most : a + b;
}
}  // namespace

int CBaseClassGraph::NodeFor(HITEM hItem)
{
    std::unordered_map<HITEM, int>::iterator found = m_nodeOf.find(hItem);
    if (found != m_nodeOf.end())
        return found->second;
    int node = static_cast<int>(m_items.size());
    m_items.push_back(hItem);
    m_bases.push_back(std::vector<int>());
    m_nodeOf[hItem] = node;
    return node;
}

void CBaseClassGraph::Build(const CGItem& classItem)
{
    m_hOutline = classItem.GetOutline();
    m_items.clear();
    m_bases.clear();
    m_nodeOf.clear();
    m_lines.clear();
    m_state.clear();

    // The first class definition of each name under the parent. The list of
    // children lives only while the index is made.
    std::unordered_map<std::string, HITEM> firstByName;
    {
        CGItem parent;
        classItem.GetParentItem(parent);
        CGObjectList children;
        parent.EnumChildObjects(children, 0, 0);
        POSITION pos = children.GetHeadPosition();
        while (pos != NULL)
        {
            CGItem* pChild = children.GetNext(pos);
            firstByName.insert(std::make_pair(std::string(pChild->GetName().GetText()), pChild->GetItem()));
        }
    }

    NodeFor(classItem.GetItem());
    // Nodes are numbered as they are found; each is resolved once, in turn.
    for (int node = 0; node < GetCount(); ++node)
    {
        CGClass cls(m_hOutline, m_items[node]);
        CGObjectList baseEntries;
        cls.EnumBaseClasses(baseEntries);
        std::vector<int> bases;
        POSITION pos = baseEntries.GetHeadPosition();
        while (pos != NULL)
        {
            std::unordered_map<std::string, HITEM>::const_iterator found =
                firstByName.find(baseEntries.GetNext(pos)->GetName().GetText());
            if (found != firstByName.end())
                bases.push_back(NodeFor(found->second));
        }
        m_bases[node].swap(bases);
    }
}

ULONGLONG CBaseClassGraph::CountLines(int start)
{
    m_lines.resize(m_items.size(), 0);
    m_state.resize(m_items.size(), 0);
    if (m_state[start] == 2)
        return m_lines[start];

    // Depth first, without recursion: (node, index of its next base).
    std::vector<std::pair<int, size_t> > stack;
    stack.push_back(std::make_pair(start, size_t(0)));
    m_state[start] = 1;
    while (!stack.empty())
    {
        std::pair<int, size_t>& top = stack.back();
        const std::vector<int>& bases = m_bases[top.first];
        if (top.second == bases.size())
        {
            m_state[top.first] = 2;
            stack.pop_back();
            continue;
        }
        int base = bases[top.second];
        if (m_state[base] == 0)
        {
            m_state[base] = 1;
            stack.push_back(std::make_pair(base, size_t(0)));   // `top` is not used after this
            continue;
        }
        // The base's own line, and its ancestry unless it closes a cycle.
        ULONGLONG lines = m_state[base] == 2 ? SaturatingAdd(1, m_lines[base]) : 1;
        m_lines[top.first] = SaturatingAdd(m_lines[top.first], lines);
        ++top.second;
    }
    return m_lines[start];
}
