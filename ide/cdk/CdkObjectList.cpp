// CGObjectList: the ordered list of CDK items that a finder fills; it owns
// its entries. They stand in one array whose places a list filled again
// reuses; a list destroyed leaves its array to a list made later, so a walk
// that lists children item after item allocates only while its lists grow.
#include "CdkAccess.h"

#include <utility>

namespace {
// Arrays of destroyed lists, the most recent last (nested walks make and
// destroy lists in stack order). Never freed, so a list destroyed while
// statics are destroyed still finds it.
constexpr size_t kMaxSpare = 16;
std::vector<std::vector<CGItem>>& Spare() {
  static auto* spare = new std::vector<std::vector<CGItem>>();
  return *spare;
}
}  // namespace

IMPLEMENT_DYNAMIC(CGObjectList, CObject)

// A new list takes the largest spare array: a walk that lists a few
// sections and then each section's many children then fills every list in
// place once the arrays have grown, whatever order the lists were made in.
CGObjectList::CGObjectList() : m_nCount(0) {
  std::vector<std::vector<CGItem>>& spare = Spare();
  if (spare.empty()) return;
  size_t largest = 0;
  for (size_t i = 1; i < spare.size(); ++i)
    if (spare[i].capacity() > spare[largest].capacity()) largest = i;
  m_entries.swap(spare[largest]);
  spare.erase(spare.begin() + static_cast<std::ptrdiff_t>(largest));
}

CGObjectList::~CGObjectList() {
  std::vector<std::vector<CGItem>>& spare = Spare();
  if (m_entries.capacity() != 0 && spare.size() < kMaxSpare) spare.push_back(std::move(m_entries));
}

void CGObjectList::RemoveAll() { m_nCount = 0; }

void CGObjectList::AddTail(CGItem* item) {
  if (item == nullptr) return;
  CGObjectListAccess::Add(*this, item->GetOutline(), item->GetItem());
  delete item;
}
