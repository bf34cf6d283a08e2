// CHandleMap: a module state's HWND -> CWnd map, permanent entries for
// attached objects and temporary ones made by CWnd::FromHandle. Private to
// libolvmfc.
#pragma once

#include <unordered_map>

#include "afxwin.h"

class CHandleMap {
 public:
  CHandleMap() = default;
  ~CHandleMap();
  CHandleMap(const CHandleMap&) = delete;
  CHandleMap& operator=(const CHandleMap&) = delete;

  CWnd* FromHandle(HWND h);  // permanent, else temporary (made on demand); NULL for NULL
  CWnd* LookupPermanent(HWND h) const;
  CWnd* LookupTemporary(HWND h) const;
  void SetPermanent(HWND h, CWnd* pWnd);
  void RemoveHandle(HWND h);  // from the permanent map only
  void DeleteTemp();          // deletes the temporary objects

  int m_nLockCount = 0;

 private:
  std::unordered_map<HWND, CWnd*> m_permanentMap;
  std::unordered_map<HWND, CWnd*> m_temporaryMap;
};

// The window map of the current module state, made when bCreate is set.
CHandleMap* AfxMapHWND(BOOL bCreate = FALSE);

// Attaches the window being created (see AfxHookWindowCreate) to the
// pending CWnd and subclasses it; nothing when none is pending.
void AfxAttachPendingWindow(HWND hWnd);
