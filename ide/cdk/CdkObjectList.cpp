// CGObjectList: the ordered list of CDK items that a finder fills; it owns
// its entries and deletes them when emptied or destroyed.
#include "CdkAccess.h"

#include <vector>

namespace {
// Entries of emptied lists, kept for the next list: a plain CGItem is all
// the CDK's finders put into lists, so only those are kept. Never freed, so
// a list emptied while statics are destroyed still finds it.
constexpr size_t kMaxSpare = 1 << 16;
std::vector<CGItem*>& Spare() {
  static std::vector<CGItem*>* spare = new std::vector<CGItem*>();
  return *spare;
}

void Release(CGItem* item) {
  std::vector<CGItem*>& spare = Spare();
  if (item->GetRuntimeClass() == RUNTIME_CLASS(CGItem) && spare.size() < kMaxSpare)
    spare.push_back(item);
  else
    delete item;
}
}  // namespace

CGItem* cdk::NewListEntry(HOUTLINE hOutline, HITEM hItem) {
  std::vector<CGItem*>& spare = Spare();
  if (spare.empty()) return new CGItem(hOutline, hItem);
  CGItem* item = spare.back();
  spare.pop_back();
  *item = CGItem(hOutline, hItem);
  return item;
}

IMPLEMENT_DYNAMIC(CGObjectList, CObject)

CGObjectList::CGObjectList() : m_items(10) {}
CGObjectList::~CGObjectList() { RemoveAll(); }

int CGObjectList::GetCount() const { return static_cast<int>(m_items.GetCount()); }
BOOL CGObjectList::IsEmpty() const { return m_items.IsEmpty() ? TRUE : FALSE; }
POSITION CGObjectList::GetHeadPosition() const { return m_items.GetHeadPosition(); }
CGItem* CGObjectList::GetNext(POSITION& pos) const { return m_items.GetNext(pos); }
CGItem* CGObjectList::GetHead() const { return m_items.IsEmpty() ? nullptr : m_items.GetHead(); }

void CGObjectList::RemoveAll() {
  while (!m_items.IsEmpty()) Release(m_items.RemoveHead());
}

void CGObjectList::AddTail(CGItem* item) {
  if (item) m_items.AddTail(item);
}
