// CGObjectList: the ordered list of CDK items that a finder fills; it owns
// its entries. They stand in one array whose places a list filled again
// reuses; a list destroyed leaves its array to a list made later, so a walk
// that lists children item after item allocates only while its lists grow.
#include "CdkAccess.h"

#include <utility>

namespace {
// Arrays of destroyed lists; one put back goes below the last unless it is
// larger, so the last is the largest of those put back since it was taken.
// Never freed, so a list destroyed while statics are destroyed still finds it.
constexpr size_t kMaxSpare = 16;
std::vector<std::vector<CGItem>>& Spare() {
  static auto* spare = new std::vector<std::vector<CGItem>>();
  return *spare;
}
}  // namespace

IMPLEMENT_DYNAMIC(CGObjectList, CObject)

// A new list takes the last spare array, a large one: a walk that lists a
// few sections and then each section's many children fills its lists in
// place once two arrays have grown, whatever order the lists are made in.
CGObjectList::CGObjectList() : m_nCount(0) {
  std::vector<std::vector<CGItem>>& spare = Spare();
  if (spare.empty()) return;
  m_entries.swap(spare.back());
  spare.pop_back();
}

CGObjectList::~CGObjectList() {
  std::vector<std::vector<CGItem>>& spare = Spare();
  if (m_entries.capacity() == 0 || spare.size() >= kMaxSpare) return;
  spare.push_back(std::move(m_entries));
  const size_t n = spare.size();
  if (n >= 2 && spare[n - 1].capacity() < spare[n - 2].capacity()) spare[n - 1].swap(spare[n - 2]);
}

void CGObjectList::RemoveAll() { m_nCount = 0; }

void CGObjectList::AddTail(CGItem* item) {
  if (item == nullptr) return;
  CGObjectListAccess::Add(*this, item->GetOutline(), item->GetItem());
  delete item;
}
