// Accessors of the outline model, its packed item records and the
// renumbering that keeps items in outline order.
#include "ide/outline/Outline.h"

#include <algorithm>

#include "ide/outline/ItemTypes.h"
#include "ide/outline/OutlineIndex.h"
#include "ide/outline/OutlineReader.h"

namespace ide {

namespace detail {

// The packed fields hold every type code and level the reader gives.
static_assert(ItemType::Generic < (1 << 10), "type codes fit ItemRec::type");
static_assert(kMaxOutlineLevel < (1 << 9), "levels fit ItemRec::level");

void PackSpans(ItemRec& it, const Spans& s, std::vector<Spans>& longSpans) {
  const bool fits = s.titleLen <= 0xFF && s.textRel >= s.titleLen && s.textRel - s.titleLen <= 0xF &&
                    (s.nameLen == 0 || (s.nameLen <= 0xFF && s.nameRel >= s.textRel && s.nameRel - s.textRel <= 0xFF));
  if (!fits) {
    if (!it.longSpans) {
      it.longSpans = 1;
      it.textLen = static_cast<uint32_t>(longSpans.size());
      longSpans.push_back(s);
    } else {
      longSpans[it.textLen] = s;
    }
    return;
  }
  it.longSpans = 0;
  it.titleLen = s.titleLen;
  it.textGap = s.textRel - s.titleLen;
  it.textLen = s.textLen;
  it.nameLen = s.nameLen;
  it.nameGap = s.nameLen ? s.nameRel - s.textRel : 0;
}

Spans UnpackSpans(const ItemRec& it, const std::vector<Spans>& longSpans) {
  if (it.longSpans) return longSpans[it.textLen];
  Spans s;
  s.titleLen = it.titleLen;
  s.textRel = it.titleLen + it.textGap;
  s.textLen = it.textLen;
  s.nameLen = it.nameLen;
  s.nameRel = s.textRel + it.nameGap;
  return s;
}

}  // namespace detail

Outline::Outline() = default;
Outline::~Outline() = default;
Outline::Outline(Outline&& other) noexcept { Swap(other); }
Outline& Outline::operator=(Outline&& other) noexcept {
  if (this != &other) {
    Clear();
    Swap(other);
  }
  return *this;
}

const OutlineIndex& Outline::Index() const {
  if (!index_) index_ = std::make_unique<OutlineIndex>(*this);
  return *index_;
}

detail::Spans Outline::SpansOf(const detail::ItemRec& it) const { return detail::UnpackSpans(it, longSpans_); }

ItemId Outline::LastChild(ItemId i) const {
  ItemId c = FirstChild(i);
  if (c == kNoItem) return kNoItem;
  while (items_[c].next != kNoItem) c = items_[c].next;
  return c;
}

ItemId Outline::PrevSibling(ItemId i) const {
  // In outline order the item before `i` is its previous sibling or lies in that
  // sibling's subtree (or is the parent, for a first child).
  if (!Valid(i)) return kNoItem;
  const ItemId parent = items_[i].parent;
  if (parent == kNoItem || parent + 1 == i) return kNoItem;
  ItemId j = i - 1;
  while (items_[j].parent != parent) j = items_[j].parent;
  return j;
}

std::string_view Outline::ObjectClass(ItemId i) const {
  if (!Valid(i)) return {};
  auto it = std::lower_bound(classes_.begin(), classes_.end(), i,
                             [](const detail::ClassRec& c, ItemId id) { return c.item < id; });
  if (it == classes_.end() || it->item != i) return {};
  return files_[it->file].View(it->off, it->len);
}

std::string Outline::OutlineLine(ItemId i) const {
  if (!Valid(i)) return {};
  const detail::ItemRec& it = items_[i];
  const detail::Spans s = SpansOf(it);
  // The title starts the line; the text, trailing blanks dropped, ends it.
  const uint32_t len = s.textLen == 0 ? s.titleLen : s.textRel + s.textLen;
  return std::string(files_[it.file].View(it.base, len));
}

const SourceFile& Outline::File(ItemId i) const {
  static const SourceFile kNone;
  return Valid(i) ? files_[items_[i].file].source : kNone;
}

std::vector<std::string_view> Outline::DataBlocks(ItemId i) const {
  std::vector<std::string_view> out;
  auto it = std::lower_bound(dataBlocks_.begin(), dataBlocks_.end(), i,
                             [](const detail::DataBlockRec& d, ItemId id) { return d.item < id; });
  for (; it != dataBlocks_.end() && it->item == i; ++it)
    out.emplace_back(files_[it->file].buffer.data() + it->off, it->len);
  return out;
}

namespace {

// New ids under sorted runs that cover the old ids: a table gives, per block
// of old ids, the run its first id lies in, so a lookup scans only the few
// runs that start within the block.
class RunMap {
 public:
  RunMap(const std::vector<detail::Run>& runs, size_t n) : runs_(runs) {
    size_t r = 0;
    for (size_t block = 0; (block << kShift) < n; ++block) {
      while (r + 1 < runs_.size() && runs_[r + 1].from <= (block << kShift)) ++r;
      first_.push_back(static_cast<uint32_t>(r));
    }
  }
  ItemId operator()(ItemId id) const {
    size_t r = first_[id >> kShift];
    while (r + 1 < runs_.size() && runs_[r + 1].from <= id) ++r;
    return runs_[r].to + (id - runs_[r].from);
  }

 private:
  static constexpr size_t kShift = 8;
  const std::vector<detail::Run>& runs_;
  std::vector<uint32_t> first_;
};

// Renames the items of a side table sorted by item, drops the entries of
// dropped items and sorts again (entries of one item keep their order).
template <class Rec, class Map>
void RenumberTable(std::vector<Rec>& table, Map map) {
  size_t n = 0;
  for (Rec r : table) {
    r.item = map(r.item);
    if (r.item != kNoItem) table[n++] = r;
  }
  table.resize(n);
  std::stable_sort(table.begin(), table.end(), [](const Rec& a, const Rec& b) { return a.item < b.item; });
}

}  // namespace

void Outline::Renumber(const std::vector<detail::Run>& runs, size_t keep) {
  index_.reset();
  const size_t n = items_.size();
  const RunMap newId(runs, n);
  auto map = [&](ItemId id) {
    if (id == kNoItem) return kNoItem;
    const ItemId to = newId(id);
    return to < keep ? to : kNoItem;
  };
  for (size_t i = 0; i < n; ++i) {
    detail::ItemRec& it = items_[i];
    it.parent = map(it.parent);
    it.next = map(it.next);
  }
  for (detail::FileStore& f : files_) f.including = map(f.including);
  RenumberTable(dataBlocks_, map);
  RenumberTable(classes_, map);
  // Move the records in place, cycle by cycle, so that no second array is needed:
  // `carry` holds the record that came from `from` and goes to its new id.
  std::vector<bool> placed(n, false);
  for (size_t start = 0; start < n; ++start) {
    if (placed[start]) continue;
    detail::ItemRec carry = items_[start];
    for (size_t from = start;;) {
      const size_t to = newId(static_cast<ItemId>(from));
      placed[to] = true;
      if (to == start) {
        items_[start] = carry;
        break;
      }
      std::swap(carry, items_[to]);
      from = to;
    }
  }
  items_.resize(keep);
  for (size_t i = 0; i < keep; ++i) {
    detail::ItemRec& it = items_[i];
    it.level = it.parent == kNoItem ? 0 : items_[it.parent].level + 1;
  }
}

void Outline::Clear() {
  Outline empty;
  Swap(empty);  // gives the memory back, not just the contents
}

void Outline::Swap(Outline& other) noexcept {
  // An index refers to the outline it was built for, so neither survives the swap.
  index_.reset();
  other.index_.reset();
  items_.swap(other.items_);
  files_.swap(other.files_);
  dataBlocks_.swap(other.dataBlocks_);
  classes_.swap(other.classes_);
  longSpans_.swap(other.longSpans_);
}

}  // namespace ide
