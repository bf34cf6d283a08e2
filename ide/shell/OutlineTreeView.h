// The outline tree view: one tree item per outline item, in outline order,
// each carrying its item handle (HITEM) as lParam, refilled whenever the
// application outline changes. Also reads and sets the tree's caret.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ide/core/Ide.h"

namespace ide::shell {

class OutlineTreeView {
public:
  void Attach(HWND tree) { tree_ = tree; }
  HWND Handle() const { return tree_; }

  // Empties the tree and inserts every item of the outline (TVM_INSERTITEM
  // per item, children under their parent, lParam = HITEM, text = the item's
  // outline line on one line). An outline handle of 0 leaves it empty.
  void Fill(OutlineHandle outline);
  void Clear();
  OutlineHandle Outline() const { return outline_; }
  size_t Count() const { return treeItems_.size(); }

  HTREEITEM TreeItemOf(ItemHandle item) const;   // nullptr when the tree has no such item
  ItemHandle ItemOf(HTREEITEM treeItem) const;   // the lParam of a tree item; 0 for none
  ItemHandle CaretItem() const;                  // item of the caret (TVGN_CARET); 0 when none
  bool Select(ItemHandle item);                  // moves the caret (TVM_SELECTITEM)

private:
  HWND tree_ = nullptr;
  OutlineHandle outline_ = 0;
  std::vector<HTREEITEM> treeItems_;  // by ItemId
};

}  // namespace ide::shell
