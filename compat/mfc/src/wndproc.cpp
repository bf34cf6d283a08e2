// Message routing: AfxWndProc and AfxCallWndProc, the window-creation hook
// that attaches a CWnd before its window's first message, message-map
// lookup and dispatch (CWnd::OnWndMsg, OnCommand, OnNotify,
// CCmdTarget::OnCmdMsg).
#include "handlemap.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, AFX_MSGMAP_FN()}};
  static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
  return &messageMap;
}

CCmdTarget::CCmdTarget() : m_pModuleState(AfxGetModuleState()) {}

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID) {
  for (; lpEntry->nSig != AfxSig_end; lpEntry++) {
    if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID && nID <= lpEntry->nLastID) {
      return lpEntry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* /*pHandlerInfo*/) {
  UINT nMsg = HIWORD(static_cast<UINT>(nCode));
  const UINT nNotifyCode = LOWORD(static_cast<UINT>(nCode));
  if (nMsg == 0) nMsg = WM_COMMAND;
  for (const AFX_MSGMAP* pMessageMap = GetMessageMap(); pMessageMap->pfnGetBaseMap != nullptr;
       pMessageMap = (*pMessageMap->pfnGetBaseMap)()) {
    const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMessageMap->lpEntries, nMsg, nNotifyCode, nID);
    if (lpEntry == nullptr) continue;
    switch (lpEntry->nSig) {
      case AfxSigCmd_v:
        (this->*lpEntry->pfn.pfn)();
        return TRUE;
      case AfxSigNotify_v: {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        ASSERT(pNotify != nullptr);
        (this->*lpEntry->pfn.pfnNotify)(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
      }
      default:
        ASSERT(FALSE);  // a command entry with a window-message signature
        return FALSE;
    }
  }
  return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT nID = LOWORD(wParam);
  const HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
  const int nCode = HIWORD(wParam);
  if (hWndCtrl != nullptr) {
    // Control notifications are held back while UpdateData runs.
    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd) return TRUE;
    if (nID == 0) return FALSE;
  }
  return OnCmdMsg(nID, hWndCtrl == nullptr ? CN_COMMAND : nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM /*wParam*/, LPARAM lParam, LRESULT* pResult) {
  NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  const HWND hWndCtrl = pNMHDR->hwndFrom;
  const UINT nID = static_cast<UINT>(pNMHDR->idFrom);
  const int nCode = static_cast<int>(pNMHDR->code);
  if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd) return TRUE;
  if (hWndCtrl == nullptr) return FALSE;
  AFX_NOTIFY notify;
  notify.pResult = pResult;
  notify.pNMHDR = pNMHDR;
  return OnCmdMsg(nID, static_cast<int>(MAKELONG(static_cast<WORD>(nCode), WM_NOTIFY)), &notify, nullptr);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT lResult = 0;
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    lResult = 1;
  } else if (message == WM_NOTIFY) {
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult)) return FALSE;
  } else {
    const AFX_MSGMAP_ENTRY* lpEntry = nullptr;
    for (const AFX_MSGMAP* pMessageMap = GetMessageMap(); lpEntry == nullptr && pMessageMap->pfnGetBaseMap != nullptr;
         pMessageMap = (*pMessageMap->pfnGetBaseMap)()) {
      lpEntry = AfxFindMessageEntry(pMessageMap->lpEntries, message, 0, 0);
    }
    if (lpEntry == nullptr) return FALSE;
    const AFX_MSGMAP_FN& mmf = lpEntry->pfn;
    switch (lpEntry->nSig) {
      case AfxSig_vv:
        (this->*mmf.pfn_vv)();
        break;
      case AfxSig_vwWb:
        (this->*mmf.pfn_vwWb)(LOWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),
                              static_cast<BOOL>(HIWORD(wParam)));
        break;
      case AfxSig_vW:
        (this->*mmf.pfn_vW)(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
        break;
      case AfxSig_is:
        lResult = (this->*mmf.pfn_is)(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
      case AfxSig_vbw:
        (this->*mmf.pfn_vbw)(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        break;
      case AfxSig_lwl:
        lResult = (this->*mmf.pfn_lwl)(wParam, lParam);
        break;
      default:
        ASSERT(FALSE);  // a window-message entry with a command signature
        return FALSE;
    }
  }
  if (pResult != nullptr) *pResult = lResult;
  return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT lResult = 0;
  if (!OnWndMsg(message, wParam, lParam, &lResult)) lResult = DefWindowProc(message, wParam, lParam);
  return lResult;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProc(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
  WNDPROC pfnWndProc = *GetSuperWndProcAddr();
  if (pfnWndProc == nullptr) return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
  return ::CallWindowProc(pfnWndProc, m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
  const MSG oldState = pThreadState->m_lastSentMsg;  // save for nesting
  pThreadState->m_lastSentMsg.hwnd = hWnd;
  pThreadState->m_lastSentMsg.message = nMsg;
  pThreadState->m_lastSentMsg.wParam = wParam;
  pThreadState->m_lastSentMsg.lParam = lParam;
  const LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);
  pThreadState->m_lastSentMsg = oldState;
  return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if (nMsg == WM_QUERYAFXWNDPROC) return 1;
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  ASSERT(pWnd != nullptr);
  ASSERT(pWnd == nullptr || pWnd->m_hWnd == hWnd);
  if (pWnd == nullptr || pWnd->m_hWnd != hWnd) return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
  return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

// Attaches the window being created to the pending CWnd and routes its
// messages through the module's AfxWndProc.
void AfxAttachPendingWindow(HWND hWnd) {
  _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
  CWnd* pWndInit = pThreadState->m_pWndInit;
  if (pWndInit == nullptr) return;
  pWndInit->Attach(hWnd);
  pWndInit->PreSubclassWindow();
  WNDPROC* pOldWndProc = pWndInit->GetSuperWndProcAddr();
  WNDPROC afxWndProc = AfxGetAfxWndProc();
  WNDPROC oldWndProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(afxWndProc)));
  if (oldWndProc != afxWndProc) *pOldWndProc = oldWndProc;
  pThreadState->m_pWndInit = nullptr;
}

namespace {

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
  _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
  if (code == HCBT_CREATEWND && pThreadState->m_pWndInit != nullptr) {
    AfxAttachPendingWindow(reinterpret_cast<HWND>(wParam));
  }
  return ::CallNextHookEx(pThreadState->m_hHookOldCbtFilter, code, wParam, lParam);
}

}  // namespace

void AfxHookWindowCreate(CWnd* pWnd) {
  _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
  if (pThreadState->m_pWndInit == pWnd) return;
  if (pThreadState->m_hHookOldCbtFilter == nullptr) {
    pThreadState->m_hHookOldCbtFilter =
        ::SetWindowsHookEx(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
  }
  ASSERT(pWnd != nullptr);
  ASSERT(pWnd->m_hWnd == nullptr);              // only do once
  ASSERT(pThreadState->m_pWndInit == nullptr);  // hook not already in progress
  pThreadState->m_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
  _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
  if (pThreadState->m_hHookOldCbtFilter != nullptr) {
    ::UnhookWindowsHookEx(pThreadState->m_hHookOldCbtFilter);
    pThreadState->m_hHookOldCbtFilter = nullptr;
  }
  if (pThreadState->m_pWndInit != nullptr) {
    pThreadState->m_pWndInit = nullptr;
    return FALSE;  // was not successfully hooked
  }
  return TRUE;
}
