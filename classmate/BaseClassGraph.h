// The ancestry of one class as a graph, built once per report: every class
// the base-class walk can reach, each with its direct bases resolved to the
// class definitions they name. The walk and the count of its lines then run
// over this graph instead of asking the CDK again at every level.
#pragma once

#include <afx.h>
#include <afxtempl.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "cdk/cdk.h"

class CBaseClassGraph
{
public:
    // Node 0 is `classItem`. A base is looked up among the children of
    // `classItem`'s parent (every class the walk reaches stands there): the
    // first child in outline order whose name equals the base's name, exactly
    // and case-sensitively; a base with no such child is left out.
    void Build(const CGItem& classItem);

    int GetCount() const { return static_cast<int>(m_items.size()); }
    HOUTLINE GetOutline() const { return m_hOutline; }
    HITEM GetItem(int node) const { return m_items[node]; }
    // The node's resolved bases, in the order the class names them.
    const std::vector<int>& GetBases(int node) const { return m_bases[node]; }

    // The number of lines the walk from `node` lists (each base once per path
    // that reaches it; a base already on the path is listed but not
    // followed), saturated at the largest ULONGLONG. Exact for hierarchies
    // without cycles; where bases form a cycle, the cycle is cut where this
    // count first meets it.
    ULONGLONG CountLines(int node);

private:
    int NodeFor(HITEM hItem);

    HOUTLINE m_hOutline = 0;
    std::vector<HITEM> m_items;
    std::vector<std::vector<int> > m_bases;
    std::unordered_map<HITEM, int> m_nodeOf;
    std::vector<ULONGLONG> m_lines;   // CountLines' memo
    std::vector<char> m_state;        // 0 not counted, 1 counting, 2 counted
};
