// The ancestry of one class as a graph, built once per report: every class
// the base-class walk can reach, each with its direct bases resolved to the
// class definitions they name. The walk and the count of its lines then run
// over this graph instead of asking the CDK again at every level.
// (MFC containers only: a standard-library template instantiated here would
// be exported from the DLL and bound by other modules, which then call into
// it after FreeLibrary.)
#pragma once

#include <afx.h>
#include <afxtempl.h>

#include "cdk/cdk.h"

class CBaseClassGraph
{
public:
    // Node 0 is `classItem`. A base is looked up among the children of
    // `classItem`'s parent (every class the walk reaches stands there): the
    // first child in outline order whose name equals the base's name, exactly
    // and case-sensitively; a base with no such child is left out.
    void Build(const CGItem& classItem);

    int GetCount() const { return static_cast<int>(m_items.GetSize()); }
    HOUTLINE GetOutline() const { return m_hOutline; }
    HITEM GetItem(int node) const { return m_items[node]; }
    // The node's resolved bases, in the order the class names them.
    int GetBaseCount(int node) const { return m_baseStart[node + 1] - m_baseStart[node]; }
    int GetBase(int node, int index) const { return m_baseIds[m_baseStart[node] + index]; }

    // The number of lines the walk from node 0 lists (each base once per path
    // that reaches it; a base already on the path is listed but not
    // followed), saturated at the largest ULONGLONG. Exact for hierarchies
    // without cycles; where bases form a cycle, the cycle is cut where this
    // count first meets it.
    ULONGLONG CountLines();

private:
    int NodeFor(HITEM hItem);

    HOUTLINE m_hOutline;
    CArray<HITEM, HITEM> m_items;
    CArray<int, int> m_baseStart;   // bases of node k: m_baseIds[m_baseStart[k] .. m_baseStart[k + 1])
    CArray<int, int> m_baseIds;
    CArray<int, int> m_nodeSlots;   // open addressing over HITEM: node + 1, 0 for a free slot
};
