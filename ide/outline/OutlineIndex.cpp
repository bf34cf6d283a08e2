// The outline's lookup index: two hash tables of item ids, one keyed by
// (parent, name) over every named item, one keyed by name over the
// application's global declarations.
#include "ide/outline/OutlineIndex.h"

#include "ide/outline/ItemTypes.h"

namespace ide {
namespace {

// The classes a derivation walk has expanded: a few inline, more in an
// open-addressing table, so that the walk stays linear in what it visits.
class VisitedSet {
 public:
  // True when `id` was not in the set (it is now).
  bool Insert(ItemId id) {
    if (table_.empty()) {
      for (size_t i = 0; i < count_; ++i)
        if (inline_[i] == id) return false;
      if (count_ < kInline) {
        inline_[count_++] = id;
        return true;
      }
      table_.assign(4 * kInline, kNoItem);
      for (size_t i = 0; i < count_; ++i) Put(inline_[i]);
    }
    if (!Put(id)) return false;
    if (++count_ * 2 > table_.size()) Grow();
    return true;
  }

 private:
  static constexpr size_t kInline = 32;
  bool Put(ItemId id) {
    const size_t mask = table_.size() - 1;
    for (size_t i = (id * 0x9E3779B1u) & mask;; i = (i + 1) & mask) {
      if (table_[i] == id) return false;
      if (table_[i] == kNoItem) {
        table_[i] = id;
        return true;
      }
    }
  }
  void Grow() {
    std::vector<ItemId> old(table_.size() * 2, kNoItem);
    old.swap(table_);
    for (ItemId id : old)
      if (id != kNoItem) Put(id);
  }
  ItemId inline_[kInline];
  size_t count_ = 0;
  std::vector<ItemId> table_;
};

}  // namespace

void OutlineIndex::Table::Reserve(size_t entries) {
  size_t capacity = 16;
  while (capacity < entries * 2) capacity <<= 1;  // load factor at most 1/2
  slots_.assign(capacity, Slot());
  mask_ = capacity - 1;
}

template <class Same>
void OutlineIndex::Table::Insert(uint32_t hash, ItemId item, Same same) {
  for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
    Slot& s = slots_[i];
    if (s.item == 0) {
      s.item = item + 1;
      s.hash = hash;
      return;
    }
    if (s.hash == hash && same(s.item - 1)) return;  // an earlier item has the key
  }
}

template <class Same>
ItemId OutlineIndex::Table::Find(uint32_t hash, Same same) const {
  if (slots_.empty()) return kNoItem;
  for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
    const Slot& s = slots_[i];
    if (s.item == 0) return kNoItem;
    if (s.hash == hash && same(s.item - 1)) return s.item - 1;
  }
}

uint32_t OutlineIndex::Hash(std::string_view name, uint32_t seed) {
  uint32_t h = 2166136261u ^ (seed * 0x9E3779B1u);  // FNV-1a, seeded with the parent
  for (unsigned char c : name) h = (h ^ c) * 16777619u;
  return h ^ (h >> 15);
}

OutlineIndex::OutlineIndex(const Outline& outline) : o_(outline) {
  const size_t n = o_.Count();
  size_t named = 0;
  for (ItemId i = 0; i < n; ++i)
    if (!o_.Name(i).empty() && o_.Type(i) != ItemType::Comment) ++named;
  children_.Reserve(named);
  // Items are in outline order, so the first child with a name is inserted first.
  for (ItemId i = 0; i < n; ++i) {
    const std::string_view name = o_.Name(i);
    const ItemId parent = o_.Parent(i);
    if (name.empty() || parent == kNoItem || o_.Type(i) == ItemType::Comment) continue;
    children_.Insert(Hash(name, parent), i, [&](ItemId e) { return o_.Parent(e) == parent && o_.Name(e) == name; });
  }

  ItemId globals = kNoItem;
  const ItemId root = o_.Root();
  for (ItemId c = o_.FirstChild(root); c != kNoItem && globals == kNoItem; c = o_.NextSibling(c))
    if (o_.Type(c) == ItemType::GlobalDeclarations) globals = c;
  if (globals == kNoItem) return;
  size_t declared = 0;
  for (ItemId s = o_.FirstChild(globals); s != kNoItem; s = o_.NextSibling(s)) {
    const int type = o_.Type(s);
    if (IsGlobalSectionType(type)) {
      for (ItemId c = o_.FirstChild(s); c != kNoItem; c = o_.NextSibling(c)) ++declared;
    } else if (IsGlobalGroupType(type)) {
      for (ItemId g = o_.FirstChild(s); g != kNoItem; g = o_.NextSibling(g))
        for (ItemId c = o_.FirstChild(g); c != kNoItem; c = o_.NextSibling(c)) ++declared;
    }
  }
  globals_.Reserve(declared);
  for (ItemId s = o_.FirstChild(globals); s != kNoItem; s = o_.NextSibling(s)) {
    const int type = o_.Type(s);
    if (IsGlobalSectionType(type)) {
      AddChildren(s);
    } else if (IsGlobalGroupType(type)) {
      for (ItemId g = o_.FirstChild(s); g != kNoItem; g = o_.NextSibling(g))
        if (o_.Type(g) != ItemType::Comment) AddChildren(g);
    }
  }
}

void OutlineIndex::AddChildren(ItemId parent) {
  for (ItemId c = o_.FirstChild(parent); c != kNoItem; c = o_.NextSibling(c)) {
    const std::string_view name = o_.Name(c);
    if (name.empty() || o_.Type(c) == ItemType::Comment) continue;
    globals_.Insert(Hash(name, 0), c, [&](ItemId e) { return o_.Name(e) == name; });
  }
}

ItemId OutlineIndex::NamedChild(ItemId parent, std::string_view name) const {
  if (name.empty()) {
    for (ItemId c = o_.FirstChild(parent); c != kNoItem; c = o_.NextSibling(c))
      if (o_.Type(c) != ItemType::Comment && o_.Name(c).empty()) return c;
    return kNoItem;
  }
  return children_.Find(Hash(name, parent), [&](ItemId e) { return o_.Parent(e) == parent && o_.Name(e) == name; });
}

ItemId OutlineIndex::GlobalDeclaration(std::string_view name) const {
  if (name.empty()) return kNoItem;
  return globals_.Find(Hash(name, 0), [&](ItemId e) { return o_.Name(e) == name; });
}

template <class F>
void OutlineIndex::ForEachBaseEntry(ItemId cls, F f) const {
  for (ItemId c = o_.FirstChild(cls); c != kNoItem; c = o_.NextSibling(c)) {
    if (o_.Type(c) != ItemType::DerivedFrom) continue;
    for (ItemId e = o_.FirstChild(c); e != kNoItem; e = o_.NextSibling(e))
      if (o_.Type(e) != ItemType::Comment && !f(e)) return;
    return;
  }
}

std::vector<ItemId> OutlineIndex::BaseEntries(ItemId cls) const {
  std::vector<ItemId> entries;
  ForEachBaseEntry(cls, [&](ItemId e) {
    entries.push_back(e);
    return true;
  });
  return entries;
}

void OutlineIndex::ForgetDerivation(std::string_view name) const {
  if (reaches_.empty()) reaches_.assign(o_.Count(), kUnknown);
  if (derivedName_ == name) return;
  for (ItemId id : learnt_) reaches_[id] = kUnknown;
  learnt_.clear();
  derivedName_.assign(name.data(), name.size());
}

bool OutlineIndex::DerivesFrom(ItemId cls, std::string_view name) const {
  if (cls >= o_.Count() || name.empty() || o_.Name(cls) == name) return false;
  const ItemId section = o_.Parent(cls);
  if (section == kNoItem) return false;
  ForgetDerivation(name);
  if (reaches_[cls] != kUnknown) return reaches_[cls] == kReaches;
  // Walk the ancestry within the section, every class once. A class known to
  // reach the name ends the walk; one known not to is not expanded again.
  VisitedSet seen;
  seen.Insert(cls);
  std::vector<ItemId> pending{cls}, expanded;
  bool found = false;
  while (!pending.empty() && !found) {
    const ItemId current = pending.back();
    pending.pop_back();
    expanded.push_back(current);
    ForEachBaseEntry(current, [&](ItemId entry) {
      const std::string_view base = o_.Name(entry);
      if (base == name) return !(found = true);
      const ItemId def = NamedChild(section, base);
      if (def == kNoItem || reaches_[def] == kReachesNot) return true;
      if (reaches_[def] == kReaches) return !(found = true);
      if (seen.Insert(def)) pending.push_back(def);
      return true;
    });
  }
  if (found) {
    reaches_[cls] = kReaches;
    learnt_.push_back(cls);
  } else {
    // The walk saw the whole ancestry of every class it expanded.
    for (ItemId id : expanded) {
      reaches_[id] = kReachesNot;
      learnt_.push_back(id);
    }
  }
  return found;
}

size_t OutlineIndex::Bytes() const {
  return sizeof(*this) + children_.Bytes() + globals_.Bytes() + reaches_.capacity() + learnt_.capacity() * sizeof(ItemId);
}

}  // namespace ide
