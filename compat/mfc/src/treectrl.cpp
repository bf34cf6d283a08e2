// CTreeCtrl: one tree-view message per member.
#include "afxcmn.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace {

LRESULT Send(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ASSERT(::IsWindow(hWnd));
  return ::SendMessage(hWnd, message, wParam, lParam);
}

}  // namespace

UINT CTreeCtrl::GetCount() const { return static_cast<UINT>(Send(m_hWnd, TVM_GETCOUNT, 0, 0)); }

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
  return reinterpret_cast<HTREEITEM>(Send(m_hWnd, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode) {
  return static_cast<BOOL>(Send(m_hWnd, TVM_SELECTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::GetItem(TVITEM* pItem) const {
  return static_cast<BOOL>(Send(m_hWnd, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CTreeCtrl::SetItem(TVITEM* pItem) {
  return static_cast<BOOL>(Send(m_hWnd, TVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
  // Grows the buffer until the text fits, as MFC does.
  CString str;
  for (int nLen = 128;; nLen *= 2) {
    TVITEM item = {};
    item.hItem = hItem;
    item.mask = TVIF_TEXT;
    item.pszText = str.GetBufferSetLength(nLen);
    item.cchTextMax = nLen;
    GetItem(&item);
    const int nRes = static_cast<int>(strnlen(item.pszText, static_cast<size_t>(nLen)));
    if (item.pszText != str.GetString()) {
      str.ReleaseBuffer(0);
      str = item.pszText;
      return str;
    }
    if (nRes < nLen - 1) {
      str.ReleaseBuffer(nRes);
      return str;
    }
  }
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
  TVITEM item = {};
  item.hItem = hItem;
  item.mask = TVIF_PARAM;
  VERIFY(GetItem(&item));
  return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
  return static_cast<BOOL>(Send(m_hWnd, TVM_EXPAND, nCode, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) {
  return static_cast<BOOL>(Send(m_hWnd, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hItem)));
}

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT lpInsertStruct) {
  return reinterpret_cast<HTREEITEM>(Send(m_hWnd, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(lpInsertStruct)));
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
  TVINSERTSTRUCT tvis = {};
  tvis.hParent = hParent;
  tvis.hInsertAfter = hInsertAfter;
  tvis.item.mask = TVIF_TEXT;
  tvis.item.pszText = const_cast<LPTSTR>(lpszItem);
  return InsertItem(&tvis);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) {
  return static_cast<BOOL>(Send(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hItem)));
}
