// CGObjectList: the ordered list of CDK items that a finder fills; it owns
// its entries. They stand in one array whose places a list filled again
// reuses, so a walk that lists children item after item allocates only
// while its lists grow.
#include "CdkAccess.h"

IMPLEMENT_DYNAMIC(CGObjectList, CObject)

CGObjectList::CGObjectList() : m_nCount(0) {}
CGObjectList::~CGObjectList() {}

void CGObjectList::RemoveAll() { m_nCount = 0; }

void CGObjectList::AddTail(CGItem* item) {
  if (item == nullptr) return;
  CGObjectListAccess::Add(*this, item->GetOutline(), item->GetItem());
  delete item;
}

void CGObjectListAccess::Add(CGObjectList& list, HOUTLINE hOutline, HITEM hItem) {
  const size_t index = static_cast<size_t>(list.m_nCount);
  if (index < list.m_entries.size())
    list.m_entries[index] = CGItem(hOutline, hItem);
  else
    list.m_entries.emplace_back(hOutline, hItem);
  ++list.m_nCount;
}
