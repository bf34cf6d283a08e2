// The stand-in IDE's outline model: the items of one loaded application (its
// own items and those merged in from included libraries), in outline order,
// with their tree links, type codes, texts and source positions.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ide {

using ItemId = uint32_t;  // index into the outline's item array
constexpr ItemId kNoItem = 0xFFFFFFFFu;

struct SourceFile {
  std::string path;  // path as given (main file) or as found (libraries)
};

namespace detail {
// Where an item's texts lie, relative to its base offset: the title, the text
// after the separator, the declared name.
struct Spans {
  uint32_t titleLen = 0;
  uint32_t textRel = 0;
  uint32_t textLen = 0;
  uint32_t nameRel = 0;
  uint32_t nameLen = 0;
};

// One outline item in 28 bytes. Texts are spans into the store of the item's
// file: the file buffer, or (bit 31 of `base` set) the file's arena of rebuilt
// texts. The spans are packed into small fields; an item whose spans do not fit
// them (a title longer than 255 bytes, a name far into its line...) keeps them in
// the outline's table of long spans, and `textLen` holds its index there.
struct ItemRec {
  ItemRec()
      : type(0), level(0), nameLen(0), textGap(0), longSpans(0), file(0), titleLen(0), nameGap(0) {}
  ItemId parent = kNoItem;
  ItemId next = kNoItem;
  uint32_t line = 0;
  uint32_t base = 0;     // store offset of the title
  uint32_t textLen = 0;  // or the index of the item's long spans
  uint32_t type : 10;
  uint32_t level : 9;
  uint32_t nameLen : 8;
  uint32_t textGap : 4;  // textRel - titleLen
  uint32_t longSpans : 1;
  uint32_t file : 16;
  uint32_t titleLen : 8;
  uint32_t nameGap : 8;  // nameRel - textRel
};
static_assert(sizeof(ItemRec) == 28, "item records stay compact");
constexpr uint32_t kArenaBit = 0x80000000u;

// A run of items that keep their order when the outline is renumbered: old ids
// from..from+count-1 become to..to+count-1.
struct Run {
  ItemId from, to, count;
};

// Stores `spans` in the record's small fields, or in `longSpans` when they do
// not fit (an item that had long spans keeps its entry there).
void PackSpans(ItemRec& it, const Spans& spans, std::vector<Spans>& longSpans);
Spans UnpackSpans(const ItemRec& it, const std::vector<Spans>& longSpans);

// The item array, in fixed-size chunks: it grows without moving what it holds,
// so loading never needs room for two copies of it.
class ItemVector {
 public:
  ItemRec& operator[](size_t i) { return chunks_[i >> kShift][i & kMask]; }
  const ItemRec& operator[](size_t i) const { return chunks_[i >> kShift][i & kMask]; }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  ItemRec& back() { return (*this)[size_ - 1]; }
  void push_back(const ItemRec& r) {
    if ((size_ >> kShift) == chunks_.size()) chunks_.emplace_back(new ItemRec[kChunk]);
    (*this)[size_++] = r;
  }
  void resize(size_t n) {  // shrinking only
    if (n >= size_) return;
    size_ = n;
    chunks_.resize((n + kChunk - 1) >> kShift);
  }
  void clear() { resize(0); }
  void swap(ItemVector& o) noexcept {
    chunks_.swap(o.chunks_);
    std::swap(size_, o.size_);
  }

 private:
  static constexpr size_t kShift = 11;  // 2048 items, 56 KiB: little room left unused at the end
  static constexpr size_t kChunk = size_t(1) << kShift;
  static constexpr size_t kMask = kChunk - 1;
  std::vector<std::unique_ptr<ItemRec[]>> chunks_;
  size_t size_ = 0;
};

// What a file's items refer to, as the file has it: one block that grows in
// place where the allocator can (realloc), to a size the reader estimates,
// and gives back the room it did not use when the file has been read.
class TextStore {
 public:
  TextStore() = default;
  TextStore(TextStore&& o) noexcept : data_(o.data_), size_(o.size_), capacity_(o.capacity_) {
    o.data_ = nullptr;
    o.size_ = o.capacity_ = 0;
  }
  TextStore& operator=(TextStore&& o) noexcept {
    std::swap(data_, o.data_);
    std::swap(size_, o.size_);
    std::swap(capacity_, o.capacity_);
    return *this;
  }
  TextStore(const TextStore&) = delete;
  TextStore& operator=(const TextStore&) = delete;
  ~TextStore() { std::free(data_); }

  const char* data() const { return data_; }
  size_t size() const { return size_; }
  size_t capacity() const { return capacity_; }
  char operator[](size_t i) const { return data_[i]; }
  void append(const char* p, size_t n) {
    if (n > capacity_ - size_) reserve(std::max(size_ + n, capacity_ + capacity_ / 4 + 4096));
    std::memcpy(data_ + size_, p, n);
    size_ += n;
  }
  // Sets the room to `n` bytes (never below the size).
  void reserve(size_t n) {
    n = std::max(n, size_);
    if (n == capacity_) return;
    void* p = std::realloc(data_, n == 0 ? 1 : n);
    if (p == nullptr) throw std::bad_alloc();
    data_ = static_cast<char*>(p);
    capacity_ = n;
  }
  void shrink_to_fit() { reserve(size_); }

 private:
  char* data_ = nullptr;
  size_t size_ = 0, capacity_ = 0;
};

struct FileStore {
  SourceFile source;
  ItemId including = kNoItem;  // the File Include item that loaded a library (kNoItem: main file)
  // The lines of the file that items refer to (UTF-8 after conversion of UTF-16
  // input): each item's from the first character of its text, with the line
  // breaks, and the data blocks; no ".head" prefixes or directives.
  TextStore buffer;
  std::string arena;   // texts that had to be rebuilt
  std::string_view View(uint32_t off, uint32_t len) const {
    const char* s = (off & kArenaBit) ? arena.data() : buffer.data();
    return std::string_view(s + (off & ~kArenaBit), len);
  }
};

// The object class of an item, where it differs from none: a span in the store
// of `file` (the item's own line, or the "Class:" line below it).
struct ClassRec {
  ItemId item;
  uint16_t file;
  uint32_t off;
  uint32_t len;
};

struct DataBlockRec {
  ItemId item;
  uint16_t file;
  uint32_t off;  // raw ".data ..." through ".enddata" in the file buffer
  uint32_t len;
};
}  // namespace detail

class OutlineIndex;

class Outline {
 public:
  Outline();
  Outline(Outline&& other) noexcept;
  Outline& operator=(Outline&& other) noexcept;
  ~Outline();

  size_t Count() const { return items_.size(); }
  ItemId Root() const { return items_.empty() ? kNoItem : 0; }
  ItemId Parent(ItemId i) const { return Valid(i) ? items_[i].parent : kNoItem; }
  // Items are in outline order: a first child directly follows its parent.
  ItemId FirstChild(ItemId i) const {
    return Valid(i) && i + 1 < items_.size() && items_[i + 1].parent == i ? i + 1 : kNoItem;
  }
  ItemId NextSibling(ItemId i) const { return Valid(i) ? items_[i].next : kNoItem; }
  ItemId PrevSibling(ItemId i) const;
  ItemId LastChild(ItemId i) const;
  int Level(ItemId i) const { return Valid(i) ? items_[i].level : -1; }
  int Type(ItemId i) const { return Valid(i) ? items_[i].type : 0; }
  std::string_view Title(ItemId i) const;  // inline, below: the search asks every item
  std::string_view Text(ItemId i) const;
  std::string_view Name(ItemId i) const;   // inline too: F2 asks every declaration
  std::string_view ObjectClass(ItemId i) const;
  // The item's line as the IDE shows it (in the tree, the inline editor): the
  // file's text after its ".head N +  " prefix or its indenting tabs, through the
  // end of the text, continuation lines and their line ends included; blanks
  // around it aside. For every item but comments it is Title + (":" unless Text
  // is empty or the type is colon-less) + " " + Text; a comment shows as "! text",
  // an item under it as the file has it.
  std::string OutlineLine(ItemId i) const;
  const SourceFile& File(ItemId i) const;
  int Line(ItemId i) const { return Valid(i) ? static_cast<int>(items_[i].line) : 0; }
  // Items of libraries are included; their including item is the File Include
  // item that loaded their file.
  bool IsIncluded(ItemId i) const { return Valid(i) && items_[i].file != 0; }
  ItemId IncludingItem(ItemId i) const { return Valid(i) ? files_[items_[i].file].including : kNoItem; }
  // The item's ".data NAME" ... ".enddata" blocks as the file has them, in file order.
  std::vector<std::string_view> DataBlocks(ItemId i) const;

  // The source files of the outline: the main file first, then the libraries in load order.
  size_t FileCount() const { return files_.size(); }
  const SourceFile& FileAt(size_t index) const { return files_[index].source; }

  void Clear();
  void Swap(Outline& other) noexcept;

  // --- editing, as the IDE's outline editor does it. Items stay in outline
  // order, so the ids after the edited place change; each edit drops the index.
  // Inserts an item with the outline line `line` (one line, read as the reader
  // reads a line below `parent`) as a child of `parent`, after its child `after`
  // (kNoItem: as the first child). The item belongs to the main file, at line 0.
  // Returns its id; kNoItem when `parent` is unknown, `after` is not a child of
  // it, `line` holds a line break or the item would lie deeper than the level limit.
  ItemId InsertItem(ItemId parent, ItemId after, std::string_view line);
  // Deletes an item and everything below it. False for the root or an unknown item.
  bool DeleteItem(ItemId item);
  // Gives an item a new outline line: its type, title, text, name and object
  // class follow from it; its place, file and line stay. False for an unknown
  // item or a line with a line break.
  bool SetItemLine(ItemId item, std::string_view line);

  // The lookup index (ide/outline/OutlineIndex.h), built at the first call after
  // the outline was loaded or changed; every change of the outline drops it.
  const OutlineIndex& Index() const;

 private:
  friend class OutlineBuilder;
  bool Valid(ItemId i) const { return i < items_.size(); }
  detail::Spans SpansOf(const detail::ItemRec& it) const;
  // Classifies `line` below `parent` into `it` (type, base in the arena of
  // it.file, spans) and records its object class for `item`; false when it does not fit.
  bool StoreLine(detail::ItemRec& it, ItemId item, ItemId parent, std::string_view line);
  void SetObjectClass(ItemId item, uint16_t file, uint32_t off, uint32_t len);
  void DropObjectClass(ItemId item);
  ItemId SubtreeEnd(ItemId item) const;  // the first item after `item`'s subtree
  // Moves every item to its new id, given as runs sorted by old id that cover
  // 0..Count()-1 once (a permutation), and keeps the first `keep` items; links,
  // side tables and including items follow, links to dropped items become
  // kNoItem; levels are recomputed. Needs one bit per item besides the runs.
  void Renumber(const std::vector<detail::Run>& runs, size_t keep);

  detail::ItemVector items_;
  std::vector<detail::FileStore> files_;
  std::vector<detail::DataBlockRec> dataBlocks_;  // sorted by item
  std::vector<detail::ClassRec> classes_;         // sorted by item, one per item
  std::vector<detail::Spans> longSpans_;          // spans that do not fit an item record
  mutable std::unique_ptr<OutlineIndex> index_;   // built on demand
};

// The spans of an item record that keeps them in its own fields are read
// here; those in the table of long spans through SpansOf.
inline std::string_view Outline::Title(ItemId i) const {
  if (!Valid(i)) return {};
  const detail::ItemRec& it = items_[i];
  return files_[it.file].View(it.base, it.longSpans ? SpansOf(it).titleLen : it.titleLen);
}

inline std::string_view Outline::Text(ItemId i) const {
  if (!Valid(i)) return {};
  const detail::ItemRec& it = items_[i];
  if (it.longSpans) {
    const detail::Spans s = SpansOf(it);
    return files_[it.file].View(it.base + s.textRel, s.textLen);
  }
  return files_[it.file].View(it.base + it.titleLen + it.textGap, it.textLen);
}

inline std::string_view Outline::Name(ItemId i) const {
  if (!Valid(i)) return {};
  const detail::ItemRec& it = items_[i];
  if (!it.longSpans) {
    if (it.nameLen == 0) return {};
    return files_[it.file].View(it.base + it.titleLen + it.textGap + it.nameGap, it.nameLen);
  }
  const detail::Spans s = SpansOf(it);
  return s.nameLen ? files_[it.file].View(it.base + s.nameRel, s.nameLen) : std::string_view();
}

}  // namespace ide
