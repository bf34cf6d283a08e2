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
    uint16_t file = 0;
  };
  FileLoad LoadFile(const std::string& path);
  ItemId FirstChildOf(ItemId parent) const;
  void SetFirstChild(ItemId parent, ItemId child) { firstChanged_[parent] = child; }
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
  // First children of the items whose child lists merging changed; every other
  // item's first child is still the item after it, as its file has it.
  std::unordered_map<ItemId, ItemId> firstChanged_;
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
  const size_t classesBefore = o_.classes_.size(), spansBefore = o_.longSpans_.size();
  const uint16_t fileIndex = static_cast<uint16_t>(o_.files_.size());
  o_.files_.push_back(std::move(store));
  ParseResult pr = ParseOutlineText(o_.files_.back(), start, fileIndex,
                                    ParseTarget{o_.items_, o_.dataBlocks_, o_.classes_, o_.longSpans_});
  if (!pr.ok) {
    o_.items_.resize(itemsBefore);
    o_.dataBlocks_.resize(blocksBefore);
    o_.classes_.resize(classesBefore);
    o_.longSpans_.resize(spansBefore);
    o_.files_.pop_back();
    r.description = pr.description;
    r.line = pr.line;
    return r;
  }
  r.ok = true;
  r.file = fileIndex;
  r.first = static_cast<ItemId>(itemsBefore);
  r.end = static_cast<ItemId>(o_.items_.size());
  return r;
}

ItemId OutlineBuilder::FirstChildOf(ItemId parent) const {
  auto changed = firstChanged_.find(parent);
  if (changed != firstChanged_.end()) return changed->second;
  // Merging moves whole child lists only, so an item whose list it did not
  // change either still has its first child right after it or has none left.
  const ItemId next = parent + 1;
  return next < o_.items_.size() && o_.items_[next].parent == parent ? next : kNoItem;
}

std::vector<ItemId> OutlineBuilder::Children(ItemId parent) const {
  std::vector<ItemId> out;
  for (ItemId c = FirstChildOf(parent); c != kNoItem; c = o_.items_[c].next) out.push_back(c);
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
    o_.files_[lib.file].including = i;  // its items are included (file != 0), by this item
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
  for (ItemId c = FirstChildOf(appParent); c != kNoItem; c = o_.items_[c].next)
    if (o_.items_[c].type == type && SameTitle(o_.Title(c), title)) return c;
  // The application lacks the section: the library's own section item comes in,
  // marked as included, and receives the merged items.
  SetFirstChild(libSection, kNoItem);
  Insert(appParent, libSection);
  return libSection;
}

ItemId OutlineBuilder::InitialCursor(ItemId parent) const {
  if (parent != o_.Root()) return kNoItem;
  // At the top, included items go after the application's header sections.
  namespace T = ItemType;
  ItemId cursor = kNoItem;
  for (ItemId c = FirstChildOf(parent); c != kNoItem; c = o_.items_[c].next) {
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
    it.next = FirstChildOf(parent);
    SetFirstChild(parent, item);
  } else {
    it.next = o_.items_[after].next;
    o_.items_[after].next = item;
  }
  cursor_[parent] = item;
}

void OutlineBuilder::Renumber() {
  // New ids in outline order: a walk from the root through the first children and
  // next links. The new order is made of runs of items that keep their order (a
  // merged section's items, the application's own between them), so the walk
  // notes runs, not one id per item. Library items that were not merged are not
  // reached; they go last, in their order, and are dropped.
  std::vector<detail::Run> runs;
  std::vector<ItemId> resume;  // per open level: the next sibling to go on with
  ItemId k = 0;
  for (ItemId cur = o_.Root(); cur != kNoItem; ++k) {
    if (!runs.empty() && runs.back().from + runs.back().count == cur)
      ++runs.back().count;
    else
      runs.push_back({cur, k, 1});
    const ItemId child = FirstChildOf(cur);
    ItemId next = o_.items_[cur].next;
    if (child != kNoItem) {
      resume.push_back(next);
      next = child;
    }
    while (next == kNoItem && !resume.empty()) {
      next = resume.back();
      resume.pop_back();
    }
    cur = next;
  }
  firstChanged_.clear();
  const size_t keep = k;
  std::sort(runs.begin(), runs.end(), [](const detail::Run& a, const detail::Run& b) { return a.from < b.from; });
  std::vector<detail::Run> all;  // the reached runs and the gaps between them, by old id
  ItemId old = 0;
  for (const detail::Run& r : runs) {
    if (r.from > old) all.push_back({old, k, r.from - old}), k += r.from - old;
    all.push_back(r);
    old = r.from + r.count;
  }
  const ItemId n = static_cast<ItemId>(o_.items_.size());
  if (n > old) all.push_back({old, k, n - old});
  o_.Renumber(all, keep);
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
    const std::string canon = CanonicalPath(path);
    loaded_.insert(canon);
    chain_.push_back(canon);
    const size_t slash = path.find_last_of('/');
    chainNames_.push_back(slash == std::string::npos ? path : path.substr(slash + 1));
    ProcessIncludes(main.first, main.end, path);
    if (merged_) Renumber();
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
