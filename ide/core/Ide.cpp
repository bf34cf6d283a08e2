// The running IDE's state: outline slots, application, marks, report window,
// inline editor, current item and observers.
#include "ide/core/Ide.h"

#include <algorithm>
#include <set>
#include <utility>

namespace ide {

struct Ide::Slot {
  Outline outline;
  std::string path;
  std::set<ItemId> marks;  // ItemIds are in outline order, so the set is too
  void* frame = nullptr;
};

Ide::Ide() = default;
Ide::~Ide() = default;

Ide& Ide::Instance() {
  static Ide ide;
  return ide;
}

// The observers of the moment the change happens are told, in the order they
// came; one removed while others are told is not told any more (its place is
// emptied, and the list closes up once no notification runs), one added is
// told of the next change only.
template <class F>
void Ide::Notify(F f) {
  struct Running {
    Ide& ide;
    explicit Running(Ide& i) : ide(i) { ++ide.notifying_; }
    ~Running() {
      if (--ide.notifying_ != 0 || !ide.emptied_) return;
      ide.observers_.erase(std::remove(ide.observers_.begin(), ide.observers_.end(), nullptr), ide.observers_.end());
      ide.emptied_ = false;
    }
  } running(*this);
  const size_t count = observers_.size();
  for (size_t i = 0; i < count; ++i)
    if (IdeObserver* o = observers_[i]) f(*o);
}

void Ide::Reset() {
  slots_.clear();
  ++outlinesGeneration_;
  application_ = 0;
  report_.clear();
  errorLogOpen_ = false;
  edit_ = EditState();
  currentOutline_ = 0;
  currentItem_ = 0;
  mainWindow_ = nullptr;
}

Ide::Slot* Ide::GetSlot(OutlineHandle h) const {
  if (h == 0 || h > slots_.size()) return nullptr;
  return slots_[h - 1].get();
}

// --- outlines ---------------------------------------------------------------

LoadStatus Ide::OpenOutline(const std::string& path, const LoadOptions& options, OutlineHandle* handle) {
  if (handle) *handle = 0;
  Outline outline;
  LoadStatus status = LoadOutline(path, options, outline);
  if (!status) return status;
  OutlineHandle h = AddOutline(std::move(outline), path);
  if (handle) *handle = h;
  return status;
}

LoadStatus Ide::ReplaceOutline(OutlineHandle replaced, const std::string& path, const LoadOptions& options,
                               OutlineHandle* handle) {
  if (handle) *handle = 0;
  Outline outline;
  LoadStatus status = LoadOutline(path, options, outline);
  if (!status) return status;
  CloseOutline(replaced);
  OutlineHandle h = AddOutline(std::move(outline), path);
  if (handle) *handle = h;
  return status;
}

OutlineHandle Ide::AddOutline(Outline outline, const std::string& path) {
  auto slot = std::make_unique<Slot>();
  slot->outline = std::move(outline);
  slot->path = path;
  slots_.push_back(std::move(slot));
  ++outlinesGeneration_;
  OutlineHandle h = static_cast<OutlineHandle>(slots_.size());
  Notify([h](IdeObserver& o) { o.OutlineOpened(h); });
  SetApplication(h);
  return h;
}

bool Ide::CloseOutline(OutlineHandle h) {
  if (!GetSlot(h)) return false;
  if (edit_.outline == h) EndEdit();
  if (currentOutline_ == h) {
    currentOutline_ = 0;
    currentItem_ = 0;
    Notify([](IdeObserver& o) { o.CurrentItemChanged(0, 0); });
  }
  slots_[h - 1].reset();
  ++outlinesGeneration_;
  for (ReportLine& line : report_)  // lines stay, but no longer lead anywhere
    if (line.outline == h) line.outline = 0, line.item = 0;
  Notify([h](IdeObserver& o) { o.OutlineClosed(h); });
  if (application_ == h) {
    application_ = 0;
    Notify([](IdeObserver& o) { o.ApplicationChanged(0); });
  }
  return true;
}

const Outline* Ide::GetOutline(OutlineHandle h) const {
  Slot* s = GetSlot(h);
  return s ? &s->outline : nullptr;
}

Outline* Ide::GetMutableOutline(OutlineHandle h) {
  Slot* s = GetSlot(h);
  return s ? &s->outline : nullptr;
}

const std::string& Ide::FileName(OutlineHandle h) const {
  static const std::string empty;
  Slot* s = GetSlot(h);
  return s ? s->path : empty;
}

std::vector<OutlineHandle> Ide::Outlines() const {
  std::vector<OutlineHandle> result;
  for (size_t i = 0; i < slots_.size(); ++i)
    if (slots_[i]) result.push_back(static_cast<OutlineHandle>(i + 1));
  return result;
}

bool Ide::SetApplication(OutlineHandle h) {
  if (!GetSlot(h)) return false;
  if (application_ == h) return true;
  application_ = h;
  Notify([h](IdeObserver& o) { o.ApplicationChanged(h); });
  return true;
}

bool Ide::IsValidItem(OutlineHandle h, ItemHandle item) const {
  Slot* s = GetSlot(h);
  return s && item != 0 && item <= s->outline.Count();
}

ItemHandle Ide::RootItem(OutlineHandle h) const {
  Slot* s = GetSlot(h);
  return s ? ToItemHandle(s->outline.Root()) : 0;
}

void Ide::SetFrameWindow(OutlineHandle h, void* hwnd) {
  if (Slot* s = GetSlot(h)) s->frame = hwnd;
}

void* Ide::FrameWindow(OutlineHandle h) const {
  Slot* s = GetSlot(h);
  return s ? s->frame : nullptr;
}

OutlineHandle Ide::OutlineOfFrame(void* hwnd) const {
  if (!hwnd) return 0;
  for (size_t i = 0; i < slots_.size(); ++i)
    if (slots_[i] && slots_[i]->frame == hwnd) return static_cast<OutlineHandle>(i + 1);
  return 0;
}

// --- editing ----------------------------------------------------------------

template <class Map>
void Ide::FollowItems(OutlineHandle h, Map map) {
  Slot* s = GetSlot(h);
  std::set<ItemId> marks;
  for (ItemId id : s->marks)
    if (map(id) != kNoItem) marks.insert(map(id));
  s->marks.swap(marks);
  if (edit_.outline == h) {
    const ItemId id = map(ToItemId(edit_.item));
    if (id == kNoItem)
      EndEdit();
    else
      edit_.item = ToItemHandle(id);
  }
  if (currentOutline_ == h) {
    const ItemId id = map(ToItemId(currentItem_));
    currentItem_ = ToItemHandle(id);
    if (id == kNoItem) {
      currentOutline_ = 0;
      Notify([](IdeObserver& o) { o.CurrentItemChanged(0, 0); });
    }
  }
  for (ReportLine& line : report_) {
    if (line.outline != h) continue;
    const ItemId id = map(ToItemId(line.item));
    line.item = ToItemHandle(id);
    if (id == kNoItem) line.outline = 0;
  }
}

ItemHandle Ide::InsertItem(OutlineHandle h, ItemHandle parent, ItemHandle after, const std::string& line) {
  if (!IsValidItem(h, parent) || (after != 0 && !IsValidItem(h, after))) return 0;
  const ItemId id = GetSlot(h)->outline.InsertItem(ToItemId(parent), ToItemId(after), line);
  if (id == kNoItem) return 0;
  FollowItems(h, [id](ItemId i) { return i < id ? i : i + 1; });
  Notify([h](IdeObserver& o) { o.OutlineChanged(h); });
  return ToItemHandle(id);
}

bool Ide::DeleteItem(OutlineHandle h, ItemHandle item) {
  if (!IsValidItem(h, item)) return false;
  Outline& outline = GetSlot(h)->outline;
  const ItemId first = ToItemId(item);
  const size_t before = outline.Count();
  if (!outline.DeleteItem(first)) return false;
  const ItemId removed = static_cast<ItemId>(before - outline.Count());
  FollowItems(h, [first, removed](ItemId i) {
    return i < first ? i : i < first + removed ? kNoItem : i - removed;
  });
  Notify([h](IdeObserver& o) { o.OutlineChanged(h); });
  return true;
}

bool Ide::SetItemLine(OutlineHandle h, ItemHandle item, const std::string& line) {
  if (!IsValidItem(h, item) || !GetSlot(h)->outline.SetItemLine(ToItemId(item), line)) return false;
  Notify([h](IdeObserver& o) { o.OutlineChanged(h); });
  return true;
}

// --- marks ------------------------------------------------------------------

bool Ide::Mark(OutlineHandle h, ItemHandle item) {
  if (!IsValidItem(h, item)) return false;
  if (GetSlot(h)->marks.insert(ToItemId(item)).second) Notify([h](IdeObserver& o) { o.MarksChanged(h); });
  return true;
}

bool Ide::Unmark(OutlineHandle h, ItemHandle item) {
  if (!IsValidItem(h, item)) return false;
  if (GetSlot(h)->marks.erase(ToItemId(item)) != 0) Notify([h](IdeObserver& o) { o.MarksChanged(h); });
  return true;
}

void Ide::ClearMarks(OutlineHandle h) {
  Slot* s = GetSlot(h);
  if (!s || s->marks.empty()) return;
  s->marks.clear();
  Notify([h](IdeObserver& o) { o.MarksChanged(h); });
}

bool Ide::IsMarked(OutlineHandle h, ItemHandle item) const {
  Slot* s = GetSlot(h);
  return s && item != 0 && s->marks.count(ToItemId(item)) != 0;
}

std::vector<ItemHandle> Ide::MarkedItems(OutlineHandle h) const {
  std::vector<ItemHandle> result;
  if (Slot* s = GetSlot(h))
    for (ItemId id : s->marks) result.push_back(ToItemHandle(id));
  return result;
}

// --- report window ----------------------------------------------------------

void Ide::AddReportLine(const std::string& text, OutlineHandle outline, ItemHandle item) {
  ReportLine line;
  line.text = text;
  if (IsValidItem(outline, item)) {
    line.outline = outline;
    line.item = item;
  }
  report_.push_back(std::move(line));
  size_t index = report_.size() - 1;
  Notify([index](IdeObserver& o) { o.ReportLineAdded(index); });
}

void Ide::ClearReport() {
  report_.clear();
  Notify([](IdeObserver& o) { o.ReportCleared(); });
}

void Ide::SetErrorLogOpen(bool open) {
  if (errorLogOpen_ == open) return;
  errorLogOpen_ = open;
  Notify([open](IdeObserver& o) { o.ErrorLogShown(open); });
}

// --- inline editor ----------------------------------------------------------

bool Ide::BeginEdit(OutlineHandle h, ItemHandle item) {
  if (!IsValidItem(h, item)) return false;
  return BeginEdit(h, item, GetSlot(h)->outline.OutlineLine(ToItemId(item)));
}

bool Ide::BeginEdit(OutlineHandle h, ItemHandle item, const std::string& text) {
  if (!IsValidItem(h, item)) return false;
  EndEdit();
  edit_.outline = h;
  edit_.item = item;
  edit_.text = text;
  edit_.selStart = edit_.selEnd = static_cast<int>(text.size());
  Notify([h, item](IdeObserver& o) { o.EditOpened(h, item); });
  return true;
}

void Ide::SetEditText(const std::string& text) {
  if (!edit_.IsOpen()) return;
  edit_.text = text;
  int size = static_cast<int>(text.size());
  edit_.selStart = std::min(edit_.selStart, size);
  edit_.selEnd = std::min(edit_.selEnd, size);
  Notify([](IdeObserver& o) { o.EditTextChanged(); });
}

void Ide::SetEditSelection(int start, int end) {
  if (!edit_.IsOpen()) return;
  int size = static_cast<int>(edit_.text.size());
  edit_.selStart = std::clamp(start, 0, size);
  edit_.selEnd = std::clamp(end, 0, size);
}

void Ide::EndEdit() {
  if (!edit_.IsOpen()) return;
  OutlineHandle h = edit_.outline;
  ItemHandle item = edit_.item;
  edit_ = EditState();
  Notify([h, item](IdeObserver& o) { o.EditClosed(h, item); });
}

// --- current item, views ----------------------------------------------------

bool Ide::SetCurrentItem(OutlineHandle h, ItemHandle item) {
  if (!IsValidItem(h, item)) return false;
  currentOutline_ = h;
  currentItem_ = item;
  Notify([h, item](IdeObserver& o) { o.CurrentItemChanged(h, item); });
  return true;
}

bool Ide::ActivateView(OutlineHandle h) {
  if (!SetApplication(h)) return false;
  Notify([h](IdeObserver& o) { o.ActivateView(h); });
  return true;
}

// --- observers --------------------------------------------------------------

void Ide::AddObserver(IdeObserver* o) {
  if (o && std::find(observers_.begin(), observers_.end(), o) == observers_.end()) observers_.push_back(o);
}

void Ide::RemoveObserver(IdeObserver* o) {
  if (o == nullptr) return;
  if (notifying_ == 0) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
    return;
  }
  for (IdeObserver*& entry : observers_)
    if (entry == o) entry = nullptr, emptied_ = true;
}

}  // namespace ide
