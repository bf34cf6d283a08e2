// The "SysTreeView32" window class: a tree of items (text, lParam, state),
// inserted, walked, selected, expanded and deleted through the TVM_
// messages, with TVN_ notifications to the parent through WM_NOTIFY.
// Item handles are checked: an unknown handle fails the message instead of
// crashing. Text callbacks (LPSTR_TEXTCALLBACK) are stored as empty text.
// Items live in blocks of a pool that never move, so a handle is an item's
// address; a deleted item's place is reused by the next insert, and checking
// a handle looks at the blocks only.
#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "controls_register.h"
#include "controls_util.h"

namespace standin {
namespace {

struct TreeNode {
  TreeNode* parent = nullptr;
  TreeNode* firstChild = nullptr;
  TreeNode* lastChild = nullptr;
  TreeNode* next = nullptr;
  TreeNode* prev = nullptr;
  std::string text;
  LPARAM lParam = 0;
  UINT state = 0;
  int image = 0;
  int selectedImage = 0;
  int children = -2;  // -2: not set, computed from the real children
  int integral = 1;
  bool live = false;  // an inserted item, not a free place of the pool
};

// The tree's items: blocks of doubling size, free places chained through `next`.
class NodePool {
public:
  TreeNode* New() {
    if (!free_ && !Grow()) return nullptr;
    TreeNode* node = free_;
    free_ = node->next;
    *node = TreeNode();
    node->live = true;
    ++live_;
    return node;
  }
  void Delete(TreeNode* node) {
    *node = TreeNode();  // gives back the text's memory
    node->next = free_;
    free_ = node;
    --live_;
  }
  // An inserted item of this pool (not a free place, nor an address elsewhere).
  bool Owns(const TreeNode* node) const {
    const auto at = reinterpret_cast<std::uintptr_t>(node);
    for (const Block& b : blocks_) {
      const auto first = reinterpret_cast<std::uintptr_t>(b.nodes.get());
      if (at < first || at >= first + b.size * sizeof(TreeNode)) continue;
      return (at - first) % sizeof(TreeNode) == 0 && node->live;
    }
    return false;
  }
  size_t Live() const { return live_; }
  template <class F>
  TreeNode* Find(F match) const {
    for (const Block& b : blocks_)
      for (size_t i = 0; i < b.size; ++i)
        if (b.nodes[i].live && match(b.nodes[i])) return &b.nodes[i];
    return nullptr;
  }
  template <class F>
  void ForEach(F f) {
    for (Block& b : blocks_)
      for (size_t i = 0; i < b.size; ++i)
        if (b.nodes[i].live) f(b.nodes[i]);
  }

private:
  struct Block {
    std::unique_ptr<TreeNode[]> nodes;
    size_t size;
  };
  bool Grow() {
    const size_t size = size_t{64} << (blocks_.size() < 12 ? blocks_.size() : 12);
    TreeNode* nodes = new (std::nothrow) TreeNode[size];
    if (!nodes) return false;
    blocks_.push_back(Block{std::unique_ptr<TreeNode[]>(nodes), size});
    for (size_t i = size; i-- > 0;) {
      nodes[i].next = free_;
      free_ = &nodes[i];
    }
    return true;
  }
  std::vector<Block> blocks_;
  TreeNode* free_ = nullptr;
  size_t live_ = 0;
};

struct TreeState {
  TreeNode root;  // hidden: its children are the top-level items
  NodePool items;
  TreeNode* selected = nullptr;
  HWND notify = nullptr;
  HFONT font = nullptr;
};

HTREEITEM Handle(TreeNode* node) { return reinterpret_cast<HTREEITEM>(node); }

TreeNode* Lookup(TreeState* s, LPARAM handle) {
  TreeNode* node = reinterpret_cast<TreeNode*>(handle);
  return s->items.Owns(node) ? node : nullptr;
}

void FillItem(TVITEMA* out, TreeNode* node, UINT mask) {
  std::memset(out, 0, sizeof(*out));
  if (!node) return;
  out->mask = mask;
  out->hItem = Handle(node);
  out->state = node->state;
  out->pszText = const_cast<char*>(node->text.c_str());
  out->cchTextMax = static_cast<int>(node->text.size() + 1);
  out->iImage = node->image;
  out->iSelectedImage = node->selectedImage;
  out->cChildren = node->children == -2 ? (node->firstChild ? 1 : 0) : node->children;
  out->lParam = node->lParam;
}

LRESULT SendNotify(HWND hwnd, TreeState* s, NMHDR* header, UINT code) {
  header->hwndFrom = hwnd;
  header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
  header->code = code;
  if (!s->notify) return 0;
  return SendMessageA(s->notify, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

LRESULT NotifyTree(HWND hwnd, TreeState* s, UINT code, UINT action, TreeNode* oldNode, TreeNode* newNode,
                   UINT mask) {
  NMTREEVIEWA nm;
  std::memset(&nm, 0, sizeof(nm));
  nm.action = action;
  FillItem(&nm.itemOld, oldNode, mask);
  FillItem(&nm.itemNew, newNode, mask);
  return SendNotify(hwnd, s, &nm.hdr, code);
}

void Unlink(TreeNode* node) {
  TreeNode* parent = node->parent;
  if (node->prev)
    node->prev->next = node->next;
  else
    parent->firstChild = node->next;
  if (node->next)
    node->next->prev = node->prev;
  else
    parent->lastChild = node->prev;
  node->next = node->prev = nullptr;
}

void LinkAfter(TreeNode* parent, TreeNode* after, TreeNode* node) {
  node->parent = parent;
  node->prev = after;
  node->next = after ? after->next : parent->firstChild;
  if (node->next)
    node->next->prev = node;
  else
    parent->lastChild = node;
  if (after)
    after->next = node;
  else
    parent->firstChild = node;
}

void ApplyItem(TreeNode* node, const TVITEMA* item, bool hasIntegral, int integral) {
  if (item->mask & TVIF_TEXT) {
    if (item->pszText && item->pszText != LPSTR_TEXTCALLBACKA)
      node->text = item->pszText;
    else
      node->text.clear();
  }
  if (item->mask & TVIF_PARAM) node->lParam = item->lParam;
  if (item->mask & TVIF_STATE) node->state = (node->state & ~item->stateMask) | (item->state & item->stateMask);
  if (item->mask & TVIF_IMAGE) node->image = item->iImage;
  if (item->mask & TVIF_SELECTEDIMAGE) node->selectedImage = item->iSelectedImage;
  if (item->mask & TVIF_CHILDREN) node->children = item->cChildren;
  if (hasIntegral && (item->mask & TVIF_INTEGRAL)) node->integral = integral;
}

LRESULT InsertItem(TreeState* s, const TVINSERTSTRUCTA* is) {
  if (!is) return 0;
  TreeNode* parent = &s->root;
  if (is->hParent && is->hParent != TVI_ROOT) {
    parent = Lookup(s, reinterpret_cast<LPARAM>(is->hParent));
    if (!parent) return 0;
  }
  TreeNode* node = s->items.New();
  if (!node) return 0;
  ApplyItem(node, &is->item, true, (is->item.mask & TVIF_INTEGRAL) ? is->itemex.iIntegral : 1);
  node->state &= ~(TVIS_SELECTED | TVIS_EXPANDEDONCE);

  TreeNode* after = parent->lastChild;  // TVI_LAST, and an item that is not a child of the parent
  if (is->hInsertAfter == TVI_FIRST) {
    after = nullptr;
  } else if (is->hInsertAfter == TVI_SORT) {
    after = nullptr;
    for (TreeNode* c = parent->firstChild; c && CompareNoCase(c->text, node->text) <= 0; c = c->next) after = c;
  } else if (is->hInsertAfter != TVI_LAST) {
    TreeNode* sibling = Lookup(s, reinterpret_cast<LPARAM>(is->hInsertAfter));
    if (sibling && sibling->parent == parent) after = sibling;
  }
  LinkAfter(parent, after, node);
  return reinterpret_cast<LRESULT>(Handle(node));
}

bool IsWithin(TreeNode* ancestor, TreeNode* node) {
  for (; node; node = node->parent)
    if (node == ancestor) return true;
  return false;
}

// Removes the item and its subtree, children first, each with TVN_DELETEITEM.
void RemoveItem(HWND hwnd, TreeState* s, TreeNode* node) {
  while (node->firstChild) RemoveItem(hwnd, s, node->firstChild);
  NotifyTree(hwnd, s, TVN_DELETEITEMA, TVC_UNKNOWN, node, nullptr, TVIF_HANDLE | TVIF_PARAM);
  if (s->selected == node) s->selected = nullptr;
  Unlink(node);
  s->items.Delete(node);
}

bool Expand(HWND hwnd, TreeState* s, TreeNode* node, UINT code);

bool DoSelect(HWND hwnd, TreeState* s, TreeNode* node, UINT action) {
  TreeNode* previous = s->selected;
  if (previous == node) return true;
  const UINT mask = TVIF_TEXT | TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
  if (NotifyTree(hwnd, s, TVN_SELCHANGINGA, action, previous, node, mask)) return false;
  if (!IsWindow(hwnd)) return false;
  if (node && !s->items.Owns(node)) return false;  // deleted by the notification
  if (previous && s->items.Owns(previous)) previous->state &= ~TVIS_SELECTED;
  s->selected = node;
  if (node) {
    node->state |= TVIS_SELECTED;
    // The new caret item is made visible: its ancestors are expanded.
    for (TreeNode* p = node->parent; p && p != &s->root; p = p->parent)
      if (!(p->state & TVIS_EXPANDED)) Expand(hwnd, s, p, TVE_EXPAND);
  }
  NotifyTree(hwnd, s, TVN_SELCHANGEDA, action, previous && s->items.Owns(previous) ? previous : nullptr,
             node && s->items.Owns(node) ? node : nullptr, mask);
  return true;
}

LRESULT DeleteItem(HWND hwnd, TreeState* s, LPARAM handle) {
  if (!handle || reinterpret_cast<HTREEITEM>(handle) == TVI_ROOT) {
    while (s->root.firstChild) RemoveItem(hwnd, s, s->root.firstChild);
    s->selected = nullptr;
    return TRUE;
  }
  TreeNode* node = Lookup(s, handle);
  if (!node) return FALSE;
  TreeNode* newSelection = nullptr;
  if (s->selected && IsWithin(node, s->selected)) {
    if (node->next)
      newSelection = node->next;
    else if (node->parent != &s->root)
      newSelection = node->parent;
    else
      newSelection = node->prev;
  }
  RemoveItem(hwnd, s, node);
  if (!s->selected && newSelection && s->items.Owns(newSelection)) DoSelect(hwnd, s, newSelection, TVC_UNKNOWN);
  return TRUE;
}

bool HasChildren(const TreeNode* node) {
  return node->children == -2 ? node->firstChild != nullptr : node->children != 0;
}

// Expands or collapses; the first expansion of an item is announced with
// TVN_ITEMEXPANDING (which can refuse it) and TVN_ITEMEXPANDED.
bool Expand(HWND hwnd, TreeState* s, TreeNode* node, UINT code) {
  UINT action = code & 3;
  if (action == TVE_TOGGLE) action = (node->state & TVIS_EXPANDED) ? TVE_COLLAPSE : TVE_EXPAND;
  if (action == TVE_EXPAND) {
    if (!HasChildren(node)) return false;
    if (node->state & TVIS_EXPANDED) return true;
    const bool announce = !(node->state & TVIS_EXPANDEDONCE);
    const UINT mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE | TVIF_TEXT;
    if (announce && NotifyTree(hwnd, s, TVN_ITEMEXPANDINGA, TVE_EXPAND, nullptr, node, mask)) return false;
    if (!s->items.Owns(node)) return false;
    node->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
    if (announce) NotifyTree(hwnd, s, TVN_ITEMEXPANDEDA, TVE_EXPAND, nullptr, node, mask);
    return true;
  }
  if (action == TVE_COLLAPSE) {
    if (!(node->state & TVIS_EXPANDED)) return false;
    node->state &= ~TVIS_EXPANDED;
    if (code & TVE_COLLAPSERESET) {
      node->state &= ~TVIS_EXPANDEDONCE;
      while (node->firstChild) RemoveItem(hwnd, s, node->firstChild);
    }
    return true;
  }
  return false;
}

bool Expanded(const TreeState* s, const TreeNode* node) {
  return node == &s->root || (node->state & TVIS_EXPANDED);
}

TreeNode* NextVisible(TreeState* s, TreeNode* node) {
  if (node->firstChild && Expanded(s, node)) return node->firstChild;
  for (; node && node != &s->root; node = node->parent)
    if (node->next) return node->next;
  return nullptr;
}

TreeNode* LastVisibleUnder(TreeState* s, TreeNode* node) {
  while (node->lastChild && Expanded(s, node)) node = node->lastChild;
  return node;
}

TreeNode* PreviousVisible(TreeState* s, TreeNode* node) {
  if (node->prev) return LastVisibleUnder(s, node->prev);
  return node->parent == &s->root ? nullptr : node->parent;
}

LRESULT GetNextItem(TreeState* s, WPARAM code, LPARAM handle) {
  switch (code) {
    case TVGN_ROOT:
    case TVGN_FIRSTVISIBLE:
      return reinterpret_cast<LRESULT>(s->root.firstChild);
    case TVGN_CARET:
      return reinterpret_cast<LRESULT>(s->selected);
    case TVGN_DROPHILITE:
      return reinterpret_cast<LRESULT>(
          s->items.Find([](const TreeNode& node) { return (node.state & TVIS_DROPHILITED) != 0; }));
    case TVGN_LASTVISIBLE:
      return s->root.firstChild ? reinterpret_cast<LRESULT>(LastVisibleUnder(s, &s->root)) : 0;
    default:
      break;
  }
  TreeNode* node;
  if (!handle || reinterpret_cast<HTREEITEM>(handle) == TVI_ROOT) {
    if (code != TVGN_CHILD) return 0;
    node = &s->root;
  } else {
    node = Lookup(s, handle);
    if (!node) return 0;
  }
  switch (code) {
    case TVGN_NEXT:
      return reinterpret_cast<LRESULT>(node->next);
    case TVGN_PREVIOUS:
      return reinterpret_cast<LRESULT>(node->prev);
    case TVGN_PARENT:
      return node->parent == &s->root ? 0 : reinterpret_cast<LRESULT>(node->parent);
    case TVGN_CHILD:
      return reinterpret_cast<LRESULT>(node->firstChild);
    case TVGN_NEXTVISIBLE:
      return reinterpret_cast<LRESULT>(NextVisible(s, node));
    case TVGN_PREVIOUSVISIBLE:
      return reinterpret_cast<LRESULT>(PreviousVisible(s, node));
    default:
      return 0;
  }
}

LRESULT SelectItem(HWND hwnd, TreeState* s, WPARAM code, LPARAM handle) {
  TreeNode* node = nullptr;
  if (handle) {
    node = Lookup(s, handle);
    if (!node) return FALSE;
  }
  switch (code & 0xFF) {
    case TVGN_CARET:
      return DoSelect(hwnd, s, node, TVC_UNKNOWN) ? TRUE : FALSE;
    case TVGN_DROPHILITE:
      s->items.ForEach([](TreeNode& other) { other.state &= ~TVIS_DROPHILITED; });
      if (node) node->state |= TVIS_DROPHILITED;
      return TRUE;
    case TVGN_FIRSTVISIBLE:
      return TRUE;
    default:
      return FALSE;
  }
}

LRESULT GetItem(TreeState* s, TVITEMA* item) {
  if (!item) return FALSE;
  TreeNode* node = Lookup(s, reinterpret_cast<LPARAM>(item->hItem));
  if (!node) return FALSE;
  if (item->mask & TVIF_TEXT) CopyTextOut(node->text, item->pszText, item->cchTextMax > 0 ? item->cchTextMax : 0);
  if (item->mask & TVIF_PARAM) item->lParam = node->lParam;
  if (item->mask & TVIF_STATE) item->state = node->state;
  if (item->mask & TVIF_IMAGE) item->iImage = node->image;
  if (item->mask & TVIF_SELECTEDIMAGE) item->iSelectedImage = node->selectedImage;
  if (item->mask & TVIF_CHILDREN) item->cChildren = node->children == -2 ? (node->firstChild ? 1 : 0) : node->children;
  if (item->mask & TVIF_INTEGRAL) reinterpret_cast<TVITEMEXA*>(item)->iIntegral = node->integral;
  return TRUE;
}

LRESULT SetItem(TreeState* s, const TVITEMA* item) {
  if (!item) return FALSE;
  TreeNode* node = Lookup(s, reinterpret_cast<LPARAM>(item->hItem));
  if (!node) return FALSE;
  const int integral = (item->mask & TVIF_INTEGRAL) ? reinterpret_cast<const TVITEMEXA*>(item)->iIntegral : 1;
  ApplyItem(node, item, true, integral);
  return TRUE;
}

// The parent hears of every key first (TVN_KEYDOWN), then the key acts.
void KeyDown(HWND hwnd, TreeState* s, WPARAM vk) {
  NMTVKEYDOWN key;
  std::memset(&key, 0, sizeof(key));
  key.wVKey = static_cast<WORD>(vk);
  SendNotify(hwnd, s, &key.hdr, TVN_KEYDOWN);
  TreeNode* current = s->selected;
  TreeNode* target = nullptr;
  switch (vk) {
    case VK_DOWN:
      target = current ? NextVisible(s, current) : s->root.firstChild;
      break;
    case VK_UP:
      target = current ? PreviousVisible(s, current) : s->root.firstChild;
      break;
    case VK_HOME:
      target = s->root.firstChild;
      break;
    case VK_END:
      target = s->root.firstChild ? LastVisibleUnder(s, &s->root) : nullptr;
      break;
    case VK_RIGHT:
      if (!current) return;
      if (!(current->state & TVIS_EXPANDED))
        Expand(hwnd, s, current, TVE_EXPAND);
      else
        target = current->firstChild;
      break;
    case VK_LEFT:
      if (!current) return;
      if (current->state & TVIS_EXPANDED)
        Expand(hwnd, s, current, TVE_COLLAPSE);
      else if (current->parent != &s->root)
        target = current->parent;
      break;
    default:
      return;
  }
  if (target) DoSelect(hwnd, s, target, TVC_BYKEYBOARD);
}

}  // namespace

LRESULT CALLBACK TreeViewWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TreeState* s = GetControlState<TreeState>(hwnd);
  if (!s && msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wParam, lParam);

  switch (msg) {
    case WM_NCCREATE: {
      TreeState* created = new (std::nothrow) TreeState();
      if (!created) return FALSE;
      const CREATESTRUCTA* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      created->notify = cs ? cs->hwndParent : nullptr;
      created->root.state = TVIS_EXPANDED;
      SetControlState(hwnd, created);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_DESTROY:
      while (s->root.firstChild) RemoveItem(hwnd, s, s->root.firstChild);
      s->selected = nullptr;
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
      SetControlState<TreeState>(hwnd, nullptr);
      delete s;
      return DefWindowProcA(hwnd, msg, wParam, lParam);

    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT:
      s->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(s->font);
    case WM_SETFOCUS: {
      NMHDR header = {};
      SendNotify(hwnd, s, &header, NM_SETFOCUS);
      return 0;
    }
    case WM_KILLFOCUS: {
      NMHDR header = {};
      SendNotify(hwnd, s, &header, NM_KILLFOCUS);
      return 0;
    }
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, s, wParam);
      return 0;

    case TVM_INSERTITEMA:
      return InsertItem(s, reinterpret_cast<const TVINSERTSTRUCTA*>(lParam));
    case TVM_DELETEITEM:
      return DeleteItem(hwnd, s, lParam);
    case TVM_EXPAND: {
      TreeNode* node = Lookup(s, lParam);
      return node && Expand(hwnd, s, node, static_cast<UINT>(wParam)) ? TRUE : FALSE;
    }
    case TVM_GETCOUNT:
      return static_cast<LRESULT>(s->items.Live());
    case TVM_GETNEXTITEM:
      return GetNextItem(s, wParam, lParam);
    case TVM_SELECTITEM:
      return SelectItem(hwnd, s, wParam, lParam);
    case TVM_GETITEMA:
      return GetItem(s, reinterpret_cast<TVITEMA*>(lParam));
    case TVM_SETITEMA:
      return SetItem(s, reinterpret_cast<const TVITEMA*>(lParam));
    case TVM_ENSUREVISIBLE: {
      TreeNode* node = Lookup(s, lParam);
      if (!node) return FALSE;
      for (TreeNode* p = node->parent; p && p != &s->root; p = p->parent)
        if (!(p->state & TVIS_EXPANDED)) Expand(hwnd, s, p, TVE_EXPAND);
      return TRUE;
    }
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace standin
