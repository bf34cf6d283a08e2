// The lookups by name behind GetChildObjectByName, EnumBaseClasses and
// IsDerivedFrom. Names are found through the outline's index; derivation
// walks the ancestry, each class once.
#include "CdkLookup.h"

#include "CdkAccess.h"
#include "ide/outline/ItemTypes.h"
#include "ide/outline/OutlineIndex.h"

namespace cdk {
namespace {

// The classes a derivation walk has expanded: a few inline, more in an
// open-addressing table, so that the walk stays linear in what it visits.
class VisitedSet {
 public:
  // True when `id` was not in the set (it is now).
  bool Insert(ide::ItemId id) {
    if (table_.empty()) {
      for (size_t i = 0; i < count_; ++i)
        if (inline_[i] == id) return false;
      if (count_ < kInline) {
        inline_[count_++] = id;
        return true;
      }
      table_.assign(4 * kInline, ide::kNoItem);
      for (size_t i = 0; i < count_; ++i) Put(inline_[i]);
    }
    if (!Put(id)) return false;
    if (++count_ * 2 > table_.size()) Grow();
    return true;
  }

 private:
  static constexpr size_t kInline = 32;
  bool Put(ide::ItemId id) {
    const size_t mask = table_.size() - 1;
    for (size_t i = (id * 0x9E3779B1u) & mask;; i = (i + 1) & mask) {
      if (table_[i] == id) return false;
      if (table_[i] == ide::kNoItem) {
        table_[i] = id;
        return true;
      }
    }
  }
  void Grow() {
    std::vector<ide::ItemId> old(table_.size() * 2, ide::kNoItem);
    old.swap(table_);
    for (ide::ItemId id : old)
      if (id != ide::kNoItem) Put(id);
  }
  ide::ItemId inline_[kInline];
  size_t count_ = 0;
  std::vector<ide::ItemId> table_;
};

}  // namespace

ide::ItemId FindChildObjectByName(const ide::Outline& o, ide::ItemId parent, std::string_view name) {
  if (name.empty()) return ide::kNoItem;
  const ide::OutlineIndex& index = o.Index();
  ide::ItemId found = index.NamedChild(parent, name);
  if (found != ide::kNoItem || parent != o.Root()) return found;
  return index.GlobalDeclaration(name);
}

std::vector<ide::ItemId> BaseClassEntries(const ide::Outline& o, ide::ItemId cls) {
  std::vector<ide::ItemId> entries;
  for (ide::ItemId c = o.FirstChild(cls); c != ide::kNoItem; c = o.NextSibling(c)) {
    if (o.Type(c) != kBaseClassListType) continue;
    for (ide::ItemId e = o.FirstChild(c); e != ide::kNoItem; e = o.NextSibling(e))
      if (o.Type(e) != kCommentType) entries.push_back(e);
    break;
  }
  return entries;
}

bool DerivesFrom(const ide::Outline& o, ide::ItemId cls, std::string_view name) {
  if (name.empty() || o.Name(cls) == name) return false;
  ide::ItemId section = o.Parent(cls);
  if (section == ide::kNoItem) return false;
  const ide::OutlineIndex& index = o.Index();
  // Walk the ancestry within the section; every class is expanded once.
  VisitedSet seen;
  seen.Insert(cls);
  std::vector<ide::ItemId> pending{cls};
  while (!pending.empty()) {
    ide::ItemId current = pending.back();
    pending.pop_back();
    for (ide::ItemId entry : BaseClassEntries(o, current)) {
      std::string_view base = o.Name(entry);
      if (base == name) return true;
      ide::ItemId def = index.NamedChild(section, base);
      if (def != ide::kNoItem && seen.Insert(def)) pending.push_back(def);
    }
  }
  return false;
}

}  // namespace cdk
