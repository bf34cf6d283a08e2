// Accessors of the outline model.
#include "ide/outline/Outline.h"

#include <algorithm>

#include "ide/outline/ItemTypes.h"
#include "ide/outline/OutlineIndex.h"

namespace ide {

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

ItemId Outline::FirstChild(ItemId i) const {
  // Items are in outline order: a first child directly follows its parent.
  if (!Valid(i) || i + 1 >= items_.size()) return kNoItem;
  return items_[i + 1].parent == i ? i + 1 : kNoItem;
}

ItemId Outline::LastChild(ItemId i) const {
  ItemId c = FirstChild(i);
  if (c == kNoItem) return kNoItem;
  while (items_[c].next != kNoItem) c = items_[c].next;
  return c;
}

std::string_view Outline::Title(ItemId i) const {
  if (!Valid(i)) return {};
  const detail::ItemRec& it = items_[i];
  return files_[it.file].View(it.base, it.titleLen);
}

std::string_view Outline::Text(ItemId i) const {
  if (!Valid(i)) return {};
  const detail::ItemRec& it = items_[i];
  return files_[it.file].View(it.base + it.textRel, it.textLen);
}

std::string_view Outline::Name(ItemId i) const {
  if (!Valid(i)) return {};
  const detail::ItemRec& it = items_[i];
  return it.nameLen ? files_[it.file].View(it.base + it.nameRel, it.nameLen) : std::string_view();
}

std::string_view Outline::ObjectClass(ItemId i) const {
  if (!Valid(i)) return {};
  const detail::ItemRec& it = items_[i];
  return it.classLen ? files_[it.file].View(it.classOff, it.classLen) : std::string_view();
}

std::string Outline::OutlineLine(ItemId i) const {
  const std::string_view title = Title(i), text = Text(i);
  std::string line;
  line.reserve(title.size() + text.size() + 2);
  line.append(title);
  if (!text.empty() && !IsColonLessType(Type(i))) line.push_back(':');
  line.push_back(' ');
  line.append(text);
  return line;
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

void Outline::Clear() {
  index_.reset();
  items_.clear();
  files_.clear();
  dataBlocks_.clear();
}

void Outline::Swap(Outline& other) noexcept {
  // An index refers to the outline it was built for, so neither survives the swap.
  index_.reset();
  other.index_.reset();
  items_.swap(other.items_);
  files_.swap(other.files_);
  dataBlocks_.swap(other.dataBlocks_);
}

}  // namespace ide
