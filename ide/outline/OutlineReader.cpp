// LoadOutline: reads the main file, loads the libraries its File Include
// items name (recursively, each once, cycles broken) and merges their items
// into the application's sections, then stores the result in outline order.
#include "ide/outline/OutlineReader.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <unordered_map>

#include "ide/outline/IncludeResolver.h"
#include "ide/outline/ItemTypes.h"
#include "ide/outline/OutlineParser.h"
#include "ide/outline/TextDecoding.h"

namespace ide {

std::string LoadStatus::Message() const {
  if (line > 0) return file + ":" + std::to_string(line) + ": " + description;
  return file + ": " + description;
}

class OutlineBuilder {
 public:
  explicit OutlineBuilder(const LoadOptions& options) : options_(options) {}
  LoadStatus Load(const std::string& path, Outline& out);

 private:
  using ItemRec = detail::ItemRec;

  struct FileLoad {
    bool ok = false;
    std::string description;
    int line = 0;
    ItemId first = 0, end = 0;
  };
  FileLoad LoadFile(const std::string& path);
  void ComputeChildren(ItemId first, ItemId end);
  std::vector<ItemId> Children(ItemId parent) const;
  void ProcessIncludes(ItemId first, ItemId end, const std::string& includingPath);
  void MergeLibrary(ItemId libRoot);
  void MergeSection(ItemId libSection, ItemId appParent);
  ItemId FindOrCreate(ItemId appParent, ItemId libSection);
  void Insert(ItemId parent, ItemId item);
  ItemId InitialCursor(ItemId parent) const;
  void Renumber();
  std::string Where(ItemId item) const;

  const LoadOptions& options_;
  Outline o_;
  std::vector<ItemId> first_, last_, prev_;  // child lists while merging (compact, for speed)
  std::unordered_map<ItemId, ItemId> cursor_;
  std::set<std::string> loaded_;
  std::vector<std::string> chain_;  // canonical paths of the files being included, outermost first
  std::vector<std::string> chainNames_;
  std::vector<std::string> warnings_;
  bool merged_ = false;
};

OutlineBuilder::FileLoad OutlineBuilder::LoadFile(const std::string& path) {
  FileLoad r;
  if (o_.files_.size() >= 0xFFFF) {
    r.description = "too many files";
    return r;
  }
  detail::FileStore store;
  store.source.path = path;
  std::string error;
  if (!ReadWholeFile(path, store.buffer, error)) {
    r.description = error;
    return r;
  }
  size_t start = 0;
  if (!DecodeOutlineText(store.buffer, start, error)) {
    r.description = error;
    return r;
  }
  if (store.buffer.size() >= detail::kArenaBit) {
    r.description = "file too large";
    return r;
  }
  const size_t itemsBefore = o_.items_.size(), blocksBefore = o_.dataBlocks_.size();
  const uint16_t fileIndex = static_cast<uint16_t>(o_.files_.size());
  o_.files_.push_back(std::move(store));
  ParseResult pr = ParseOutlineText(o_.files_.back(), start, fileIndex, o_.items_, o_.dataBlocks_);
  if (!pr.ok) {
    o_.items_.resize(itemsBefore);
    o_.dataBlocks_.resize(blocksBefore);
    o_.files_.pop_back();
    r.description = pr.description;
    r.line = pr.line;
    return r;
  }
  r.ok = true;
  r.first = static_cast<ItemId>(itemsBefore);
  r.end = static_cast<ItemId>(o_.items_.size());
  return r;
}

void OutlineBuilder::ComputeChildren(ItemId first, ItemId end) {
  first_.resize(end, kNoItem);
  last_.resize(end, kNoItem);
  prev_.resize(end, kNoItem);
  for (ItemId i = first; i < end; ++i) {
    prev_[i] = o_.items_[i].prev;
    const ItemId p = o_.items_[i].parent;
    if (p == kNoItem) continue;
    if (first_[p] == kNoItem) first_[p] = i;
    last_[p] = i;
  }
}

std::vector<ItemId> OutlineBuilder::Children(ItemId parent) const {
  std::vector<ItemId> out;
  for (ItemId c = first_[parent]; c != kNoItem; c = o_.items_[c].next) out.push_back(c);
  return out;
}

std::string OutlineBuilder::Where(ItemId item) const {
  const ItemRec& it = o_.items_[item];
  return o_.files_[it.file].source.path + ":" + std::to_string(it.line);
}

void OutlineBuilder::ProcessIncludes(ItemId first, ItemId end, const std::string& includingPath) {
  for (ItemId i = first; i < end; ++i) {
    if (o_.items_[i].type != ItemType::FileInclude) continue;
    const std::string name(o_.Text(i));
    const std::string path = ResolveInclude(name, includingPath, options_.includeDirs);
    if (path.empty()) {
      warnings_.push_back(Where(i) + ": included library '" + name + "' not found");
      continue;
    }
    const std::string canon = CanonicalPath(path);
    if (std::find(chain_.begin(), chain_.end(), canon) != chain_.end()) {
      std::string cycle;
      for (const std::string& n : chainNames_) cycle += n + " -> ";
      warnings_.push_back(Where(i) + ": include cycle " + cycle + name + "; '" + name +
                          "' is not included again");
      continue;
    }
    if (!loaded_.insert(canon).second) continue;  // merged already through another include
    FileLoad lib = LoadFile(path);
    if (!lib.ok) {
      warnings_.push_back(Where(i) + ": included library '" + name + "' (" + path + ") skipped: " +
                          (lib.line > 0 ? "line " + std::to_string(lib.line) + ": " : std::string()) +
                          lib.description);
      continue;
    }
    ComputeChildren(lib.first, lib.end);
    for (ItemId j = lib.first; j < lib.end; ++j) {
      o_.items_[j].flags |= detail::kIncludedFlag;
      o_.items_[j].including = i;
    }
    chain_.push_back(canon);
    chainNames_.push_back(name);
    ProcessIncludes(lib.first, lib.end, path);
    chain_.pop_back();
    chainNames_.pop_back();
    MergeLibrary(lib.first);
    merged_ = true;
  }
}

void OutlineBuilder::MergeLibrary(ItemId libRoot) {
  namespace T = ItemType;
  for (ItemId c : Children(libRoot)) {
    switch (o_.items_[c].type) {
      case T::OutlineVersion:
      case T::DesignTimeSettings:
        break;
      case T::Libraries:
        MergeSection(c, o_.Root());
        break;
      case T::GlobalDeclarations: {
        const std::vector<ItemId> sections = Children(c);
        const ItemId gd = FindOrCreate(o_.Root(), c);
        for (ItemId s : sections) {
          const int t = o_.items_[s].type;
          if (t == T::WindowDefaults || t == T::DefaultClasses || t == T::Formats || t == T::Comment)
            continue;
          if (t == T::Constants) {
            const std::vector<ItemId> subs = Children(s);
            const ItemId constants = FindOrCreate(gd, s);
            for (ItemId sub : subs)
              if (o_.items_[sub].type != T::Comment) MergeSection(sub, constants);
          } else {
            MergeSection(s, gd);
          }
        }
        break;
      }
      default:
        Insert(o_.Root(), c);
        break;
    }
  }
}

void OutlineBuilder::MergeSection(ItemId libSection, ItemId appParent) {
  const std::vector<ItemId> kids = Children(libSection);
  const ItemId target = FindOrCreate(appParent, libSection);
  for (ItemId k : kids) Insert(target, k);
}

static bool SameTitle(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

ItemId OutlineBuilder::FindOrCreate(ItemId appParent, ItemId libSection) {
  const int type = o_.items_[libSection].type;
  const std::string_view title = o_.Title(libSection);
  for (ItemId c = first_[appParent]; c != kNoItem; c = o_.items_[c].next)
    if (o_.items_[c].type == type && SameTitle(o_.Title(c), title)) return c;
  // The application lacks the section: the library's own section item comes in,
  // marked as included, and receives the merged items.
  first_[libSection] = last_[libSection] = kNoItem;
  Insert(appParent, libSection);
  return libSection;
}

ItemId OutlineBuilder::InitialCursor(ItemId parent) const {
  if (parent != o_.Root()) return kNoItem;
  // At the top, included items go after the application's header sections.
  namespace T = ItemType;
  ItemId cursor = kNoItem;
  for (ItemId c = first_[parent]; c != kNoItem; c = o_.items_[c].next) {
    const int t = o_.items_[c].type;
    if (t == T::OutlineVersion || t == T::DesignTimeSettings || t == T::Libraries ||
        t == T::GlobalDeclarations)
      cursor = c;
    else if (t != T::Comment)
      break;
  }
  return cursor;
}

void OutlineBuilder::Insert(ItemId parent, ItemId item) {
  auto cur = cursor_.find(parent);
  const ItemId after = cur != cursor_.end() ? cur->second : InitialCursor(parent);
  ItemRec& it = o_.items_[item];
  it.parent = parent;
  if (after == kNoItem) {
    it.prev = kNoItem;
    it.next = first_[parent];
    first_[parent] = item;
  } else {
    it.prev = after;
    it.next = o_.items_[after].next;
    o_.items_[after].next = item;
  }
  prev_[item] = it.prev;
  if (it.next != kNoItem) {
    o_.items_[it.next].prev = item;
    prev_[it.next] = item;
  } else {
    last_[parent] = item;
  }
  cursor_[parent] = item;
}

void OutlineBuilder::Renumber() {
  // The items reachable from the root, in outline order; library sections that were
  // not merged are left out.
  const size_t n = o_.items_.size();
  std::vector<ItemId> order;
  order.reserve(n);
  std::vector<ItemId> stack{o_.Root()};
  while (!stack.empty()) {
    const ItemId old = stack.back();
    stack.pop_back();
    order.push_back(old);
    for (ItemId c = last_[old]; c != kNoItem; c = prev_[c]) stack.push_back(c);
  }
  std::vector<ItemId>().swap(first_);
  std::vector<ItemId>().swap(last_);
  std::vector<ItemId>().swap(prev_);
  std::vector<ItemId> newId(n, kNoItem);
  std::vector<uint32_t> left((n >> 13) + 1, 0);  // items still to copy, per chunk of the old array
  for (size_t k = 0; k < order.size(); ++k) {
    newId[order[k]] = static_cast<ItemId>(k);
    ++left[order[k] >> 13];
  }
  auto map = [&](ItemId id) { return id == kNoItem ? kNoItem : newId[id]; };
  // Copy in outline order, freeing each old chunk once its last item is copied, so
  // that the two arrays never both exist in full.
  detail::ItemVector out;
  for (ItemId old : order) {
    ItemRec it = o_.items_[old];
    if (--left[old >> 13] == 0) o_.items_.ReleaseChunkOf(old);
    it.parent = map(it.parent);
    it.next = map(it.next);
    it.prev = map(it.prev);
    it.including = map(it.including);
    it.level = it.parent == kNoItem ? 0 : static_cast<uint16_t>(out[it.parent].level + 1);
    out.push_back(it);
  }
  o_.items_.swap(out);
  std::vector<detail::DataBlockRec> blocks;
  for (detail::DataBlockRec b : o_.dataBlocks_) {
    b.item = map(b.item);
    if (b.item != kNoItem) blocks.push_back(b);
  }
  std::stable_sort(blocks.begin(), blocks.end(),
                   [](const detail::DataBlockRec& a, const detail::DataBlockRec& b) { return a.item < b.item; });
  o_.dataBlocks_.swap(blocks);
}

LoadStatus OutlineBuilder::Load(const std::string& path, Outline& out) {
  LoadStatus status;
  status.file = path;
  FileLoad main = LoadFile(path);
  if (!main.ok) {
    status.description = main.description;
    status.line = main.line;
    return status;
  }
  bool anyInclude = false;
  for (ItemId i = main.first; i < main.end && !anyInclude; ++i)
    anyInclude = o_.items_[i].type == ItemType::FileInclude;
  if (anyInclude) {
    ComputeChildren(main.first, main.end);
    const std::string canon = CanonicalPath(path);
    loaded_.insert(canon);
    chain_.push_back(canon);
    const size_t slash = path.find_last_of('/');
    chainNames_.push_back(slash == std::string::npos ? path : path.substr(slash + 1));
    ProcessIncludes(main.first, main.end, path);
    if (merged_) Renumber();
    std::vector<ItemId>().swap(first_);
    std::vector<ItemId>().swap(last_);
    std::vector<ItemId>().swap(prev_);
  }
  status.ok = true;
  status.warnings = std::move(warnings_);
  out.Swap(o_);
  return status;
}

LoadStatus LoadOutline(const std::string& path, const LoadOptions& options, Outline& out) {
  OutlineBuilder builder(options);
  return builder.Load(path, out);
}

}  // namespace ide
