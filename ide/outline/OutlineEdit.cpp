// Editing the outline model: inserting, deleting and re-typing items while
// keeping them in outline order. New texts go to the arena of their file.
#include <algorithm>

#include "ide/outline/ItemClassifier.h"
#include "ide/outline/Outline.h"
#include "ide/outline/OutlineIndex.h"
#include "ide/outline/OutlineReader.h"

namespace ide {

namespace {

bool HasLineBreak(std::string_view line) { return line.find_first_of("\r\n") != std::string_view::npos; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

ItemId Outline::SubtreeEnd(ItemId item) const {
  const int level = Level(item);
  ItemId j = item + 1;
  while (j < items_.size() && Level(j) > level) ++j;
  return j;
}

void Outline::DropObjectClass(ItemId item) {
  auto it = std::lower_bound(classes_.begin(), classes_.end(), item,
                             [](const detail::ClassRec& c, ItemId id) { return c.item < id; });
  if (it != classes_.end() && it->item == item) classes_.erase(it);
}

void Outline::SetObjectClass(ItemId item, uint16_t file, uint32_t off, uint32_t len) {
  auto it = std::lower_bound(classes_.begin(), classes_.end(), item,
                             [](const detail::ClassRec& c, ItemId id) { return c.item < id; });
  const detail::ClassRec rec{item, file, off, len};
  if (it != classes_.end() && it->item == item)
    *it = rec;
  else
    classes_.insert(it, rec);
}

bool Outline::StoreLine(detail::ItemRec& it, ItemId item, ItemId parent, std::string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  std::string& arena = files_[it.file].arena;
  if (arena.size() + line.size() >= detail::kArenaBit) return false;
  ItemContext ctx;
  if (parent != kNoItem) {
    ctx.parent = Type(parent);
    ctx.grandparent = Parent(parent) == kNoItem ? 0 : Type(Parent(parent));
  }
  const ClassifiedLine c = ClassifyLine(line, ctx);
  it.base = static_cast<uint32_t>(arena.size()) | detail::kArenaBit;
  arena.append(line);
  // The text runs from after the separator to the end, trailing blanks aside; a
  // keyword written with its colon but nothing after it keeps the colon in its title.
  detail::Spans s;
  s.titleLen = c.titleLen;
  s.textRel = std::min<uint32_t>(c.textRel, static_cast<uint32_t>(line.size()));
  uint32_t end = static_cast<uint32_t>(line.size());
  while (end > s.textRel && IsBlank(line[end - 1])) --end;
  s.textLen = end - s.textRel;
  if (s.textLen == 0 && c.hasColon) s.titleLen = c.colonPos + 1;
  s.nameRel = c.nameRel;
  s.nameLen = c.nameLen;
  detail::PackSpans(it, s, longSpans_);
  it.type = static_cast<uint32_t>(c.type);
  if (c.classLen && c.parentClass && parent != kNoItem)
    SetObjectClass(parent, it.file, it.base + c.classRel, c.classLen);
  else if (c.classLen)
    SetObjectClass(item, it.file, it.base + c.classRel, c.classLen);
  return true;
}

ItemId Outline::InsertItem(ItemId parent, ItemId after, std::string_view line) {
  if (!Valid(parent) || HasLineBreak(line) || Level(parent) + 1 > kMaxOutlineLevel) return kNoItem;
  if (after != kNoItem && (!Valid(after) || Parent(after) != parent)) return kNoItem;
  if (files_.empty() || items_.size() >= 0x7FFFFFFFu) return kNoItem;
  // The new record goes to the end first (id n), then moves to its place.
  const ItemId n = static_cast<ItemId>(items_.size());
  const ItemId pos = after == kNoItem ? parent + 1 : SubtreeEnd(after);
  detail::ItemRec it;
  it.parent = parent;
  it.next = after == kNoItem ? FirstChild(parent) : NextSibling(after);
  it.file = 0;
  if (!StoreLine(it, n, parent, line)) return kNoItem;
  items_.push_back(it);
  if (after != kNoItem) items_[after].next = n;
  // Items before `pos` stay, those from `pos` on move one on, the new one comes to `pos`.
  std::vector<detail::Run> runs{{0, 0, pos}};
  if (pos < n) runs.push_back({pos, pos + 1, n - pos});
  runs.push_back({n, pos, 1});
  Renumber(runs, n + 1);
  return pos;
}

bool Outline::DeleteItem(ItemId item) {
  if (!Valid(item) || item == Root()) return false;
  const ItemId end = SubtreeEnd(item), n = static_cast<ItemId>(items_.size());
  const ItemId prev = PrevSibling(item);
  if (prev != kNoItem) items_[prev].next = items_[item].next;
  // The subtree goes last and is dropped; what follows it moves back.
  const ItemId removed = end - item;
  std::vector<detail::Run> runs{{0, 0, item}, {item, n - removed, removed}};
  if (end < n) runs.push_back({end, item, n - end});
  Renumber(runs, n - removed);
  return true;
}

bool Outline::SetItemLine(ItemId item, std::string_view line) {
  if (!Valid(item) || HasLineBreak(line)) return false;
  detail::ItemRec it = items_[item];
  if (files_[it.file].arena.size() + line.size() >= detail::kArenaBit) return false;
  index_.reset();
  DropObjectClass(item);
  StoreLine(it, item, Parent(item), line);
  items_[item] = it;
  return true;
}

}  // namespace ide
