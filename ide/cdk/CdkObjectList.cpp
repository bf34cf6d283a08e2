// CGObjectList: the ordered list of CDK items that a finder fills; it owns
// its entries and deletes them when emptied or destroyed.
#include "cdk.h"

IMPLEMENT_DYNAMIC(CGObjectList, CObject)

CGObjectList::CGObjectList() : m_items(10) {}
CGObjectList::~CGObjectList() { RemoveAll(); }

int CGObjectList::GetCount() const { return static_cast<int>(m_items.GetCount()); }
BOOL CGObjectList::IsEmpty() const { return m_items.IsEmpty() ? TRUE : FALSE; }
POSITION CGObjectList::GetHeadPosition() const { return m_items.GetHeadPosition(); }
CGItem* CGObjectList::GetNext(POSITION& pos) const { return m_items.GetNext(pos); }
CGItem* CGObjectList::GetHead() const { return m_items.IsEmpty() ? nullptr : m_items.GetHead(); }

void CGObjectList::RemoveAll() {
  while (!m_items.IsEmpty()) delete m_items.RemoveHead();
}

void CGObjectList::AddTail(CGItem* item) {
  if (item) m_items.AddTail(item);
}
