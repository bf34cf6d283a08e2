// MFC's common-control wrappers of the stand-in: CTreeCtrl. Each member
// sends the one tree-view message it names (the window must exist).
#pragma once

#include "afxwin.h"  // <windows.h> first: the real <commctrl.h> needs it

#include <commctrl.h>

class AFX_CLASS_EXPORT CTreeCtrl : public CWnd {
  DECLARE_DYNAMIC(CTreeCtrl)

 public:
  UINT GetCount() const;                                    // TVM_GETCOUNT
  HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const; // TVM_GETNEXTITEM
  HTREEITEM GetRootItem() const { return GetNextItem(NULL, TVGN_ROOT); }
  HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
  HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
  HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
  HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
  HTREEITEM GetSelectedItem() const { return GetNextItem(NULL, TVGN_CARET); }
  BOOL Select(HTREEITEM hItem, UINT nCode);                 // TVM_SELECTITEM
  BOOL SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
  BOOL GetItem(TVITEM* pItem) const;                        // TVM_GETITEM
  BOOL SetItem(TVITEM* pItem);                              // TVM_SETITEM
  CString GetItemText(HTREEITEM hItem) const;
  DWORD_PTR GetItemData(HTREEITEM hItem) const;
  BOOL Expand(HTREEITEM hItem, UINT nCode);                 // TVM_EXPAND
  BOOL EnsureVisible(HTREEITEM hItem);                      // TVM_ENSUREVISIBLE
  HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct);    // TVM_INSERTITEM
  HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
  BOOL DeleteItem(HTREEITEM hItem);                         // TVM_DELETEITEM
  BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
};
