// The window handle map of each module state and the CWnd operations that
// use it: FromHandle, FromHandlePermanent, Attach, Detach, temporary maps.
#include "handlemap.h"

CHandleMap::~CHandleMap() { DeleteTemp(); }

CWnd* CHandleMap::FromHandle(HWND h) {
  if (h == nullptr) return nullptr;
  if (CWnd* pWnd = LookupPermanent(h)) return pWnd;
  if (CWnd* pWnd = LookupTemporary(h)) return pWnd;
  CWnd* pTemp = new CWnd;
  pTemp->m_hWnd = h;
  m_temporaryMap[h] = pTemp;
  return pTemp;
}

CWnd* CHandleMap::LookupPermanent(HWND h) const {
  auto it = m_permanentMap.find(h);
  return it == m_permanentMap.end() ? nullptr : it->second;
}

CWnd* CHandleMap::LookupTemporary(HWND h) const {
  auto it = m_temporaryMap.find(h);
  return it == m_temporaryMap.end() ? nullptr : it->second;
}

void CHandleMap::SetPermanent(HWND h, CWnd* pWnd) { m_permanentMap[h] = pWnd; }

void CHandleMap::RemoveHandle(HWND h) { m_permanentMap.erase(h); }

void CHandleMap::DeleteTemp() {
  std::unordered_map<HWND, CWnd*> temps;
  temps.swap(m_temporaryMap);
  for (auto& entry : temps) {
    entry.second->m_hWnd = nullptr;  // a temporary object never destroys its window
    delete entry.second;
  }
}

CHandleMap* AfxMapHWND(BOOL bCreate) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  if (pState->m_pmapHWND == nullptr && bCreate) pState->m_pmapHWND = new CHandleMap;
  return pState->m_pmapHWND;
}

CWnd* CWnd::FromHandle(HWND hWnd) { return AfxMapHWND(TRUE)->FromHandle(hWnd); }

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  CHandleMap* pMap = AfxMapHWND();
  return pMap == nullptr || hWnd == nullptr ? nullptr : pMap->LookupPermanent(hWnd);
}

BOOL CWnd::Attach(HWND hWndNew) {
  ASSERT(m_hWnd == nullptr);                       // only attach once, detach on destroy
  ASSERT(FromHandlePermanent(hWndNew) == nullptr);  // must not already be in permanent map
  if (hWndNew == nullptr) return FALSE;
  AfxMapHWND(TRUE)->SetPermanent(m_hWnd = hWndNew, this);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (hWnd != nullptr) {
    if (CHandleMap* pMap = AfxMapHWND()) pMap->RemoveHandle(hWnd);
    m_hWnd = nullptr;
  }
  return hWnd;
}

void AfxLockTempMaps() { AfxMapHWND(TRUE)->m_nLockCount++; }

BOOL AfxUnlockTempMaps(BOOL bDeleteTemps) {
  CHandleMap* pMap = AfxMapHWND();
  if (pMap == nullptr) return FALSE;
  if (pMap->m_nLockCount > 0) pMap->m_nLockCount--;
  if (pMap->m_nLockCount != 0 || !bDeleteTemps) return FALSE;
  pMap->DeleteTemp();
  return TRUE;
}

void AfxWinTerm() {
  if (CHandleMap* pMap = AfxMapHWND()) pMap->DeleteTemp();
}

void AfxTermModuleState(AFX_MODULE_STATE* pModuleState) {
  ASSERT(pModuleState != nullptr);
  delete pModuleState->m_pmapHWND;
  pModuleState->m_pmapHWND = nullptr;
}
