// The outline tree view: one tree item per outline item, in outline order,
// each carrying its item handle (HITEM) as lParam, refilled whenever the
// application outline changes. As the IDE's tree, it fills lazily: an item's
// children are inserted when it is first expanded (TVN_ITEMEXPANDING) or one
// of them is selected; until then an item with children says so through
// cChildren. Also reads and sets the tree's caret.
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

  // Empties the tree and inserts the outline's top-level items (TVM_INSERTITEM
  // per item, lParam = HITEM, text = the item's outline line on one line,
  // cChildren = 1 when it has children). An outline handle of 0 leaves it empty.
  void Fill(OutlineHandle outline);
  void Clear();
  OutlineHandle Outline() const { return outline_; }

  // The tree's parent window passes its notifications here: an item about to
  // be expanded gets its children.
  void OnNotify(const NMHDR& header);

  HTREEITEM TreeItemOf(ItemHandle item) const;   // nullptr when the tree has no such item (yet)
  ItemHandle ItemOf(HTREEITEM treeItem) const;   // the lParam of a tree item; 0 for none
  ItemHandle CaretItem() const;                  // item of the caret (TVGN_CARET); 0 when none
  bool Select(ItemHandle item);                  // moves the caret (TVM_SELECTITEM), filling its ancestors first

private:
  HTREEITEM Insert(ItemId id, HTREEITEM parent);
  void FillChildren(ItemId parent);              // once: the children of an item that has a tree item

  HWND tree_ = nullptr;
  OutlineHandle outline_ = 0;
  std::vector<HTREEITEM> treeItems_;  // by ItemId
};

}  // namespace ide::shell
