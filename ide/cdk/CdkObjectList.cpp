// CGObjectList: the ordered list of CDK items that a finder fills; it owns
// its entries. They stand in one array whose places a list filled again
// reuses; a list destroyed leaves its array to a list made later, so a walk
// that lists children item after item allocates only while its lists grow.
#include "CdkAccess.h"

#include <algorithm>
#include <utility>

namespace {
// Arrays of destroyed lists, by capacity, the largest last; when they are
// too many the smallest goes. Never freed, so a list destroyed while statics
// are destroyed still finds them.
constexpr size_t kMaxSpare = 16;
std::vector<std::vector<CGItem>>& Spare() {
  static auto* spare = new std::vector<std::vector<CGItem>>();
  return *spare;
}
}  // namespace

IMPLEMENT_DYNAMIC(CGObjectList, CObject)

// A new list takes the largest spare array: a walk that lists a few
// sections and then each section's many children fills its lists in place
// once the arrays have grown, whatever order the lists are made in, and a
// deep recursion of small lists leaves the large arrays kept.
CGObjectList::CGObjectList() : m_nCount(0) {
  std::vector<std::vector<CGItem>>& spare = Spare();
  if (spare.empty()) return;
  m_entries.swap(spare.back());
  spare.pop_back();
}

CGObjectList::~CGObjectList() {
  std::vector<std::vector<CGItem>>& spare = Spare();
  const size_t capacity = m_entries.capacity();
  if (capacity == 0) return;
  if (spare.size() >= kMaxSpare) {
    if (capacity <= spare.front().capacity()) return;
    spare.erase(spare.begin());
  }
  auto at = std::lower_bound(spare.begin(), spare.end(), capacity,
                             [](const std::vector<CGItem>& a, size_t c) { return a.capacity() < c; });
  spare.insert(at, std::move(m_entries));
}

void CGObjectList::RemoveAll() { m_nCount = 0; }

void CGObjectList::AddTail(CGItem* item) {
  if (item == nullptr) return;
  CGObjectListAccess::Add(*this, item->GetOutline(), item->GetItem());
  delete item;
}
