// Common controls of the Win32 stand-in (the counterpart of the SDK's
// commctrl.h): the class names of the standard controls, the tree view's
// messages, structures and notifications, and InitCommonControls(Ex).
// Names and numbers are those of the real header (ANSI build).
#ifndef OLVAREN_COMPAT_COMMCTRL_H
#define OLVAREN_COMPAT_COMMCTRL_H

#include "windows.h"

// ---- Initialisation -------------------------------------------------------

typedef struct tagINITCOMMONCONTROLSEX {
  DWORD dwSize;
  DWORD dwICC;
} INITCOMMONCONTROLSEX, *LPINITCOMMONCONTROLSEX;

#define ICC_LISTVIEW_CLASSES 0x00000001
#define ICC_TREEVIEW_CLASSES 0x00000002
#define ICC_BAR_CLASSES 0x00000004
#define ICC_TAB_CLASSES 0x00000008
#define ICC_UPDOWN_CLASS 0x00000010
#define ICC_PROGRESS_CLASS 0x00000020
#define ICC_HOTKEY_CLASS 0x00000040
#define ICC_ANIMATE_CLASS 0x00000080
#define ICC_WIN95_CLASSES 0x000000FF
#define ICC_DATE_CLASSES 0x00000100
#define ICC_USEREX_CLASSES 0x00000200
#define ICC_COOL_CLASSES 0x00000400
#define ICC_INTERNET_CLASSES 0x00000800
#define ICC_PAGESCROLLER_CLASS 0x00001000
#define ICC_NATIVEFNTCTL_CLASS 0x00002000
#define ICC_STANDARD_CLASSES 0x00004000
#define ICC_LINK_CLASS 0x00008000

extern "C" {
void WINAPI InitCommonControls(void);
BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce);
}

// ---- Class names ------------------------------------------------------------

#define WC_BUTTONA "Button"
#define WC_BUTTON WC_BUTTONA
#define WC_STATICA "Static"
#define WC_STATIC WC_STATICA
#define WC_EDITA "Edit"
#define WC_EDIT WC_EDITA
#define WC_COMBOBOXA "ComboBox"
#define WC_COMBOBOX WC_COMBOBOXA
#define WC_TREEVIEWA "SysTreeView32"
#define WC_TREEVIEW WC_TREEVIEWA

// ---- Notification codes shared by the common controls -----------------------

#define NM_FIRST (0U - 0U)
#define NM_OUTOFMEMORY (NM_FIRST - 1)
#define NM_CLICK (NM_FIRST - 2)
#define NM_DBLCLK (NM_FIRST - 3)
#define NM_RETURN (NM_FIRST - 4)
#define NM_RCLICK (NM_FIRST - 5)
#define NM_RDBLCLK (NM_FIRST - 6)
#define NM_SETFOCUS (NM_FIRST - 7)
#define NM_KILLFOCUS (NM_FIRST - 8)

// ---- Tree view ----------------------------------------------------------------

#define TVS_HASBUTTONS 0x0001
#define TVS_HASLINES 0x0002
#define TVS_LINESATROOT 0x0004
#define TVS_EDITLABELS 0x0008
#define TVS_DISABLEDRAGDROP 0x0010
#define TVS_SHOWSELALWAYS 0x0020
#define TVS_RTLREADING 0x0040
#define TVS_NOTOOLTIPS 0x0080
#define TVS_CHECKBOXES 0x0100
#define TVS_TRACKSELECT 0x0200
#define TVS_SINGLEEXPAND 0x0400
#define TVS_INFOTIP 0x0800
#define TVS_FULLROWSELECT 0x1000
#define TVS_NOSCROLL 0x2000
#define TVS_NONEVENHEIGHT 0x4000

struct _TREEITEM;
typedef struct _TREEITEM* HTREEITEM;

#define TVI_ROOT ((HTREEITEM)(ULONG_PTR)-0x10000)
#define TVI_FIRST ((HTREEITEM)(ULONG_PTR)-0x0FFFF)
#define TVI_LAST ((HTREEITEM)(ULONG_PTR)-0x0FFFE)
#define TVI_SORT ((HTREEITEM)(ULONG_PTR)-0x0FFFD)

#define TVIF_TEXT 0x0001
#define TVIF_IMAGE 0x0002
#define TVIF_PARAM 0x0004
#define TVIF_STATE 0x0008
#define TVIF_HANDLE 0x0010
#define TVIF_SELECTEDIMAGE 0x0020
#define TVIF_CHILDREN 0x0040
#define TVIF_INTEGRAL 0x0080

#define TVIS_SELECTED 0x0002
#define TVIS_CUT 0x0004
#define TVIS_DROPHILITED 0x0008
#define TVIS_BOLD 0x0010
#define TVIS_EXPANDED 0x0020
#define TVIS_EXPANDEDONCE 0x0040
#define TVIS_EXPANDPARTIAL 0x0080
#define TVIS_OVERLAYMASK 0x0F00
#define TVIS_STATEIMAGEMASK 0xF000
#define TVIS_USERMASK 0xF000

#define I_CHILDRENCALLBACK (-1)
#define I_IMAGECALLBACK (-1)
#define LPSTR_TEXTCALLBACKA ((LPSTR)-1L)
#define LPSTR_TEXTCALLBACK LPSTR_TEXTCALLBACKA

typedef struct tagTVITEMA {
  UINT mask;
  HTREEITEM hItem;
  UINT state;
  UINT stateMask;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
  int iSelectedImage;
  int cChildren;
  LPARAM lParam;
} TVITEMA, *LPTVITEMA;
typedef TVITEMA TVITEM;
typedef LPTVITEMA LPTVITEM;
typedef TVITEMA TV_ITEMA;
typedef TVITEMA TV_ITEM;

typedef struct tagTVITEMEXA {
  UINT mask;
  HTREEITEM hItem;
  UINT state;
  UINT stateMask;
  LPSTR pszText;
  int cchTextMax;
  int iImage;
  int iSelectedImage;
  int cChildren;
  LPARAM lParam;
  int iIntegral;
} TVITEMEXA, *LPTVITEMEXA;
typedef TVITEMEXA TVITEMEX;
typedef LPTVITEMEXA LPTVITEMEX;

typedef struct tagTVINSERTSTRUCTA {
  HTREEITEM hParent;
  HTREEITEM hInsertAfter;
  union {
    TVITEMEXA itemex;
    TVITEMA item;
  };
} TVINSERTSTRUCTA, *LPTVINSERTSTRUCTA;
typedef TVINSERTSTRUCTA TVINSERTSTRUCT;
typedef LPTVINSERTSTRUCTA LPTVINSERTSTRUCT;
typedef TVINSERTSTRUCTA TV_INSERTSTRUCTA;
typedef TVINSERTSTRUCTA TV_INSERTSTRUCT;

#define TV_FIRST 0x1100
#define TVM_INSERTITEMA (TV_FIRST + 0)
#define TVM_INSERTITEM TVM_INSERTITEMA
#define TVM_DELETEITEM (TV_FIRST + 1)
#define TVM_EXPAND (TV_FIRST + 2)
#define TVM_GETITEMRECT (TV_FIRST + 4)
#define TVM_GETCOUNT (TV_FIRST + 5)
#define TVM_GETINDENT (TV_FIRST + 6)
#define TVM_SETINDENT (TV_FIRST + 7)
#define TVM_GETIMAGELIST (TV_FIRST + 8)
#define TVM_SETIMAGELIST (TV_FIRST + 9)
#define TVM_GETNEXTITEM (TV_FIRST + 10)
#define TVM_SELECTITEM (TV_FIRST + 11)
#define TVM_GETITEMA (TV_FIRST + 12)
#define TVM_GETITEM TVM_GETITEMA
#define TVM_SETITEMA (TV_FIRST + 13)
#define TVM_SETITEM TVM_SETITEMA
#define TVM_EDITLABELA (TV_FIRST + 14)
#define TVM_GETEDITCONTROL (TV_FIRST + 15)
#define TVM_GETVISIBLECOUNT (TV_FIRST + 16)
#define TVM_HITTEST (TV_FIRST + 17)
#define TVM_ENSUREVISIBLE (TV_FIRST + 20)
#define TVM_INSERTITEMW (TV_FIRST + 50)
#define TVM_GETITEMW (TV_FIRST + 62)
#define TVM_SETITEMW (TV_FIRST + 63)

#define TVE_COLLAPSE 0x0001
#define TVE_EXPAND 0x0002
#define TVE_TOGGLE 0x0003
#define TVE_EXPANDPARTIAL 0x4000
#define TVE_COLLAPSERESET 0x8000

#define TVGN_ROOT 0x0000
#define TVGN_NEXT 0x0001
#define TVGN_PREVIOUS 0x0002
#define TVGN_PARENT 0x0003
#define TVGN_CHILD 0x0004
#define TVGN_FIRSTVISIBLE 0x0005
#define TVGN_NEXTVISIBLE 0x0006
#define TVGN_PREVIOUSVISIBLE 0x0007
#define TVGN_DROPHILITE 0x0008
#define TVGN_CARET 0x0009
#define TVGN_LASTVISIBLE 0x000A

#define TVC_UNKNOWN 0x0000
#define TVC_BYMOUSE 0x0001
#define TVC_BYKEYBOARD 0x0002

typedef struct tagNMTREEVIEWA {
  NMHDR hdr;
  UINT action;
  TVITEMA itemOld;
  TVITEMA itemNew;
  POINT ptDrag;
} NMTREEVIEWA, *LPNMTREEVIEWA;

#pragma pack(push, 1)
typedef struct tagTVKEYDOWN {
  NMHDR hdr;
  WORD wVKey;
  UINT flags;
} NMTVKEYDOWN, *LPNMTVKEYDOWN;
#pragma pack(pop)
typedef NMTREEVIEWA NMTREEVIEW;
typedef LPNMTREEVIEWA LPNMTREEVIEW;
typedef NMTREEVIEWA NM_TREEVIEW;

typedef struct tagTVDISPINFOA {
  NMHDR hdr;
  TVITEMA item;
} NMTVDISPINFOA, *LPNMTVDISPINFOA;
typedef NMTVDISPINFOA NMTVDISPINFO;
typedef NMTVDISPINFOA TV_DISPINFO;

#define TVN_FIRST (0U - 400U)
#define TVN_LAST (0U - 499U)
#define TVN_SELCHANGINGA (TVN_FIRST - 1)
#define TVN_SELCHANGEDA (TVN_FIRST - 2)
#define TVN_GETDISPINFOA (TVN_FIRST - 3)
#define TVN_SETDISPINFOA (TVN_FIRST - 4)
#define TVN_ITEMEXPANDINGA (TVN_FIRST - 5)
#define TVN_ITEMEXPANDEDA (TVN_FIRST - 6)
#define TVN_BEGINDRAGA (TVN_FIRST - 7)
#define TVN_BEGINRDRAGA (TVN_FIRST - 8)
#define TVN_DELETEITEMA (TVN_FIRST - 9)
#define TVN_BEGINLABELEDITA (TVN_FIRST - 10)
#define TVN_ENDLABELEDITA (TVN_FIRST - 11)
#define TVN_KEYDOWN (TVN_FIRST - 12)
#define TVN_SELCHANGINGW (TVN_FIRST - 50)
#define TVN_SELCHANGEDW (TVN_FIRST - 51)
#define TVN_ITEMEXPANDINGW (TVN_FIRST - 54)
#define TVN_ITEMEXPANDEDW (TVN_FIRST - 55)
#define TVN_DELETEITEMW (TVN_FIRST - 58)
#define TVN_SELCHANGING TVN_SELCHANGINGA
#define TVN_SELCHANGED TVN_SELCHANGEDA
#define TVN_GETDISPINFO TVN_GETDISPINFOA
#define TVN_ITEMEXPANDING TVN_ITEMEXPANDINGA
#define TVN_ITEMEXPANDED TVN_ITEMEXPANDEDA
#define TVN_DELETEITEM TVN_DELETEITEMA

// Message wrappers with the SDK's names and meaning (inline functions here
// rather than macros, so that an unused result draws no warning).
inline HTREEITEM TreeView_InsertItem(HWND hwnd, const TVINSERTSTRUCTA* is) {
  return (HTREEITEM)SendMessageA(hwnd, TVM_INSERTITEMA, 0, (LPARAM)is);
}
inline BOOL TreeView_DeleteItem(HWND hwnd, HTREEITEM item) {
  return (BOOL)SendMessageA(hwnd, TVM_DELETEITEM, 0, (LPARAM)item);
}
inline BOOL TreeView_DeleteAllItems(HWND hwnd) { return (BOOL)SendMessageA(hwnd, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT); }
inline BOOL TreeView_Expand(HWND hwnd, HTREEITEM item, UINT code) {
  return (BOOL)SendMessageA(hwnd, TVM_EXPAND, (WPARAM)code, (LPARAM)item);
}
inline UINT TreeView_GetCount(HWND hwnd) { return (UINT)SendMessageA(hwnd, TVM_GETCOUNT, 0, 0); }
inline HTREEITEM TreeView_GetNextItem(HWND hwnd, HTREEITEM item, UINT code) {
  return (HTREEITEM)SendMessageA(hwnd, TVM_GETNEXTITEM, (WPARAM)code, (LPARAM)item);
}
inline HTREEITEM TreeView_GetChild(HWND hwnd, HTREEITEM item) { return TreeView_GetNextItem(hwnd, item, TVGN_CHILD); }
inline HTREEITEM TreeView_GetNextSibling(HWND hwnd, HTREEITEM item) {
  return TreeView_GetNextItem(hwnd, item, TVGN_NEXT);
}
inline HTREEITEM TreeView_GetPrevSibling(HWND hwnd, HTREEITEM item) {
  return TreeView_GetNextItem(hwnd, item, TVGN_PREVIOUS);
}
inline HTREEITEM TreeView_GetParent(HWND hwnd, HTREEITEM item) { return TreeView_GetNextItem(hwnd, item, TVGN_PARENT); }
inline HTREEITEM TreeView_GetFirstVisible(HWND hwnd) { return TreeView_GetNextItem(hwnd, NULL, TVGN_FIRSTVISIBLE); }
inline HTREEITEM TreeView_GetNextVisible(HWND hwnd, HTREEITEM item) {
  return TreeView_GetNextItem(hwnd, item, TVGN_NEXTVISIBLE);
}
inline HTREEITEM TreeView_GetPrevVisible(HWND hwnd, HTREEITEM item) {
  return TreeView_GetNextItem(hwnd, item, TVGN_PREVIOUSVISIBLE);
}
inline HTREEITEM TreeView_GetSelection(HWND hwnd) { return TreeView_GetNextItem(hwnd, NULL, TVGN_CARET); }
inline HTREEITEM TreeView_GetRoot(HWND hwnd) { return TreeView_GetNextItem(hwnd, NULL, TVGN_ROOT); }
inline BOOL TreeView_Select(HWND hwnd, HTREEITEM item, UINT code) {
  return (BOOL)SendMessageA(hwnd, TVM_SELECTITEM, (WPARAM)code, (LPARAM)item);
}
inline BOOL TreeView_SelectItem(HWND hwnd, HTREEITEM item) { return TreeView_Select(hwnd, item, TVGN_CARET); }
inline BOOL TreeView_GetItem(HWND hwnd, TVITEMA* item) {
  return (BOOL)SendMessageA(hwnd, TVM_GETITEMA, 0, (LPARAM)item);
}
inline BOOL TreeView_SetItem(HWND hwnd, const TVITEMA* item) {
  return (BOOL)SendMessageA(hwnd, TVM_SETITEMA, 0, (LPARAM)item);
}

#endif  // OLVAREN_COMPAT_COMMCTRL_H
