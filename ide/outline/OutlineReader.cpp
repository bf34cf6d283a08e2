// LoadOutline: reads the main file, loads the libraries its File Include
// items name (depth first on a stack of its own, each once, cycles broken)
// and merges their items into the application's sections, then stores the
// result in outline order.
#include "ide/outline/OutlineReader.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "ide/outline/IncludeResolver.h"
#include "ide/outline/ItemTypes.h"
#include "ide/outline/OutlineParser.h"
#include "ide/outline/TextDecoding.h"

namespace ide {
namespace {

// The include text as one key for every spelling of it: blanks around it
// dropped, backslashes as slashes, letters in lower case.
std::string IncludeKey(std::string_view name) {
  while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
  std::string key(name);
  for (char& c : key) {
    if (c == '\\') c = '/';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}

}  // namespace

std::string LoadStatus::Message() const {
  if (line > 0) return file + ":" + std::to_string(line) + ": " + description;
  return file + ": " + description;
}

class OutlineBuilder {
 public:
  explicit OutlineBuilder(const LoadOptions& options)
      : resolver_(options.includeDirs), overlays_(options.overlays) {}
  LoadStatus Load(const std::string& path, Outline& out);

 private:
  using ItemRec = detail::ItemRec;

  struct RepeatedWarning {
    size_t index = 0;  // in warnings_
    size_t more = 0;   // further includes it stands for
  };
  struct FileLoad {
    bool ok = false;
    std::string description;
    int line = 0;
    ItemId first = 0, end = 0;
    uint16_t file = 0;
  };
  FileLoad LoadFile(const std::string& path);
  ItemId FirstChildOf(ItemId parent) const;
  void SetFirstChild(ItemId parent, ItemId child) {
    if (changedMark_.size() <= parent) changedMark_.resize(o_.items_.size());
    changedMark_[parent] = true;
    firstChanged_[parent] = child;
  }
  // The first child merging gave `parent`; false when it did not change its list.
  bool ChangedFirstChild(ItemId parent, ItemId& child) const {
    if (parent >= changedMark_.size() || !changedMark_[parent]) return false;
    child = firstChanged_.find(parent)->second;
    return true;
  }
  std::vector<ItemId> Children(ItemId parent) const;
  void ProcessIncludes(ItemId first, ItemId end, const std::string& mainPath);
  void EnterChain(const std::string& canon, const std::string& name);
  void LeaveChain();
  std::string ChainText(const std::string& name) const;
  // A warning that is given once per key; a later one with the same key is
  // counted on the first.
  void WarnOnce(std::unordered_map<std::string, RepeatedWarning>& seen, const std::string& key,
                std::string text);
  void FinishWarnings();
  void MergeLibrary(ItemId libRoot);
  void MergeSection(ItemId libSection, ItemId appParent);
  ItemId FindOrCreate(ItemId appParent, ItemId libSection);
  void Insert(ItemId parent, ItemId item);
  ItemId InitialCursor(ItemId parent) const;
  void Renumber();
  std::string Where(ItemId item) const;

  // The overlay's text for `path` into `buffer`; false when it has none.
  bool ReadOverlay(const std::string& path, std::string& buffer) const;

  IncludeResolver resolver_;
  const FileOverlays* overlays_;
  Outline o_;
  // First children of the items whose child lists merging changed; every other
  // item's first child is still the item after it, as its file has it.
  std::unordered_map<ItemId, ItemId> firstChanged_;
  std::vector<bool> changedMark_;  // the items in firstChanged_, one bit per item
  std::unordered_map<ItemId, ItemId> cursor_;
  std::set<std::string> loaded_;
  std::vector<std::string> chain_;  // canonical paths of the files being included, outermost first
  std::vector<std::string> chainNames_;
  std::unordered_set<std::string> onChain_;
  std::unordered_map<std::string, RepeatedWarning> missing_, cycles_;
  std::vector<std::string> warnings_;
  bool merged_ = false;
};

bool OutlineBuilder::ReadOverlay(const std::string& path, std::string& buffer) const {
  if (overlays_ == nullptr || overlays_->empty()) return false;
  auto found = overlays_->find(CanonicalPath(path));
  if (found == overlays_->end()) return false;
  buffer = found->second;
  return true;
}

OutlineBuilder::FileLoad OutlineBuilder::LoadFile(const std::string& path) {
  FileLoad r;
  if (o_.files_.size() >= 0xFFFF) {
    r.description = "too many files";
    return r;
  }
  detail::FileStore store;
  store.source.path = path;
  std::string error;
  // Texts are offsets below the arena bit into their file's store.
  constexpr size_t kMaxBytes = detail::kArenaBit - 1;
  // A file is parsed as it is read; UTF-16 text, and an overlay, are parsed
  // from memory. `text` holds what is at hand.
  std::string text;
  FileBlocks file;
  ParseInput input;
  const bool overlay = ReadOverlay(path, text);
  if (!overlay && (!file.Open(path, kMaxBytes, error) || !ReadHead(file, text, error))) {
    r.description = error;
    return r;
  }
  const bool utf16 = text.size() >= 2 && ((text[0] == '\xFF' && text[1] == '\xFE') ||
                                          (text[0] == '\xFE' && text[1] == '\xFF'));
  if (!overlay && utf16 && !ReadRest(file, text, error)) {
    r.description = error;
    return r;
  }
  size_t start = 0;
  if (!DecodeOutlineText(text, start, error)) {
    r.description = error;
    return r;
  }
  if (text.size() > kMaxBytes) {  // UTF-16 grown into UTF-8
    r.description = FileTooLarge(text.size(), kMaxBytes) + " (as UTF-8 text)";
    return r;
  }
  input.text = std::string_view(text).substr(start);
  if (!overlay && !utf16) input.file = &file;
  const size_t itemsBefore = o_.items_.size(), blocksBefore = o_.dataBlocks_.size();
  const size_t classesBefore = o_.classes_.size(), spansBefore = o_.longSpans_.size();
  const uint16_t fileIndex = static_cast<uint16_t>(o_.files_.size());
  o_.files_.push_back(std::move(store));
  ParseResult pr = ParseOutlineText(input, o_.files_.back(), fileIndex,
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
  ItemId child;
  if (ChangedFirstChild(parent, child)) return child;
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

void OutlineBuilder::EnterChain(const std::string& canon, const std::string& name) {
  chain_.push_back(canon);
  chainNames_.push_back(name);
  onChain_.insert(canon);
}

void OutlineBuilder::LeaveChain() {
  onChain_.erase(chain_.back());
  chain_.pop_back();
  chainNames_.pop_back();
}

// "a.apt -> b.apl -> NAME", the middle of a long chain left out.
std::string OutlineBuilder::ChainText(const std::string& name) const {
  constexpr size_t kEnds = 3;
  std::string text;
  const size_t n = chainNames_.size();
  for (size_t k = 0; k < n; ++k) {
    if (n > 2 * kEnds + 1 && k == kEnds) {
      text += "... (" + std::to_string(n - 2 * kEnds) + " more) -> ";
      k = n - kEnds - 1;
      continue;
    }
    text += chainNames_[k] + " -> ";
  }
  return text + name;
}

void OutlineBuilder::WarnOnce(std::unordered_map<std::string, RepeatedWarning>& seen, const std::string& key,
                              std::string text) {
  auto it = seen.find(key);
  if (it != seen.end()) {
    ++it->second.more;
    return;
  }
  seen.emplace(key, RepeatedWarning{warnings_.size(), 0});
  warnings_.push_back(std::move(text));
}

void OutlineBuilder::FinishWarnings() {
  for (auto* seen : {&missing_, &cycles_})
    for (const auto& entry : *seen)
      if (entry.second.more > 0)
        warnings_[entry.second.index] +=
            " (and " + std::to_string(entry.second.more) + " more include" + (entry.second.more > 1 ? "s" : "") +
            " of it)";
}

// The include walk keeps its own stack, one entry per file being included,
// so the depth of an include chain costs memory, not the program's stack.
void OutlineBuilder::ProcessIncludes(ItemId first, ItemId end, const std::string& mainPath) {
  struct Level {
    ItemId next, end;  // the file's items still to look at
    ItemId root;
    std::string path;
    bool merge;        // a library, merged when its own includes are done
  };
  std::vector<Level> stack;
  stack.push_back({first, end, first, mainPath, false});
  const size_t slash = mainPath.find_last_of('/');
  EnterChain(CanonicalPath(mainPath), slash == std::string::npos ? mainPath : mainPath.substr(slash + 1));
  while (!stack.empty()) {
    Level& top = stack.back();
    if (top.next == top.end) {
      const bool merge = top.merge;
      const ItemId root = top.root;
      LeaveChain();
      stack.pop_back();
      if (merge) {
        MergeLibrary(root);
        merged_ = true;
      }
      continue;
    }
    const ItemId i = top.next++;
    if (o_.items_[i].type != ItemType::FileInclude) continue;
    const std::string name(o_.Text(i));
    const std::string path = resolver_.Resolve(name, top.path);
    if (path.empty()) {
      WarnOnce(missing_, IncludeKey(name), Where(i) + ": included library '" + name + "' not found");
      continue;
    }
    const std::string canon = CanonicalPath(path);
    if (onChain_.count(canon) != 0) {
      WarnOnce(cycles_, canon,
               Where(i) + ": include cycle " + ChainText(name) + "; '" + name + "' is not included again");
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
    EnterChain(canon, name);
    stack.push_back({lib.first, lib.end, lib.first, path, true});
  }
  FinishWarnings();
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
  changedMark_.clear();
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
    loaded_.insert(CanonicalPath(path));
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
