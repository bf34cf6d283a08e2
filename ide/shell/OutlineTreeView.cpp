// Filling the outline tree view from the outline and mapping between tree
// items and outline items.
#include "OutlineTreeView.h"

#include <string>

namespace ide::shell {

namespace {
// The outline line with line breaks and tabs as blanks: a tree item has one line.
std::string TreeText(const ide::Outline& outline, ItemId id) {
  std::string text = outline.OutlineLine(id);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
  }
  return out;
}
}  // namespace

void OutlineTreeView::Clear() {
  if (tree_) SendMessageA(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  treeItems_.clear();
  outline_ = 0;
}

HTREEITEM OutlineTreeView::Insert(ItemId id, HTREEITEM parent) {
  const ide::Outline* model = Ide::Instance().GetOutline(outline_);
  std::string text = TreeText(*model, id);
  TVINSERTSTRUCTA ins{};
  ins.hParent = parent;
  ins.hInsertAfter = TVI_LAST;
  ins.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
  ins.item.pszText = text.data();
  ins.item.lParam = static_cast<LPARAM>(ToItemHandle(id));
  ins.item.cChildren = model->FirstChild(id) == kNoItem ? 0 : 1;
  return treeItems_[id] = reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
}

void OutlineTreeView::Fill(OutlineHandle outline) {
  Clear();
  const ide::Outline* model = Ide::Instance().GetOutline(outline);
  if (tree_ == nullptr || model == nullptr) return;
  outline_ = outline;
  treeItems_.assign(model->Count(), nullptr);
  if (model->Count() == 0) return;
  for (ItemId id = 0; id != kNoItem; id = model->NextSibling(id)) Insert(id, TVI_ROOT);
}

void OutlineTreeView::FillChildren(ItemId parent) {
  const ide::Outline* model = Ide::Instance().GetOutline(outline_);
  if (model == nullptr || parent >= treeItems_.size() || treeItems_[parent] == nullptr) return;
  HTREEITEM parentItem = treeItems_[parent];
  if (SendMessageA(tree_, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parentItem)) != 0) return;
  for (ItemId id = model->FirstChild(parent); id != kNoItem; id = model->NextSibling(id)) Insert(id, parentItem);
}

void OutlineTreeView::OnNotify(const NMHDR& header) {
  if (header.code != TVN_ITEMEXPANDINGA || outline_ == 0) return;
  const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
  if (change.action & TVE_EXPAND) FillChildren(ToItemId(static_cast<ItemHandle>(change.itemNew.lParam)));
}

HTREEITEM OutlineTreeView::TreeItemOf(ItemHandle item) const {
  ItemId id = ToItemId(item);
  return id < treeItems_.size() ? treeItems_[id] : nullptr;
}

ItemHandle OutlineTreeView::ItemOf(HTREEITEM treeItem) const {
  if (tree_ == nullptr || treeItem == nullptr) return 0;
  TVITEMA item{};
  item.mask = TVIF_PARAM | TVIF_HANDLE;
  item.hItem = treeItem;
  if (!SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return static_cast<ItemHandle>(item.lParam);
}

ItemHandle OutlineTreeView::CaretItem() const {
  if (tree_ == nullptr) return 0;
  auto caret = reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
  return ItemOf(caret);
}

bool OutlineTreeView::Select(ItemHandle item) {
  const ide::Outline* model = Ide::Instance().GetOutline(outline_);
  const ItemId id = ToItemId(item);
  if (tree_ != nullptr && model != nullptr && id < treeItems_.size() && treeItems_[id] == nullptr) {
    std::vector<ItemId> unfilled;  // the ancestors without tree items, nearest first
    ItemId p = model->Parent(id);
    for (; p != kNoItem && treeItems_[p] == nullptr; p = model->Parent(p)) unfilled.push_back(p);
    if (p != kNoItem) FillChildren(p);
    for (auto a = unfilled.rbegin(); a != unfilled.rend(); ++a) FillChildren(*a);
  }
  HTREEITEM treeItem = TreeItemOf(item);
  if (tree_ == nullptr || treeItem == nullptr) return false;
  return SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(treeItem)) != 0;
}

}  // namespace ide::shell
