// Message maps: the entry and map structures, DECLARE_MESSAGE_MAP,
// BEGIN_MESSAGE_MAP/END_MESSAGE_MAP and the ON_... entry macros.
//
// Each entry keeps its handler in a union whose member matches the
// handler's signature (nSig), so that dispatch calls the handler through
// exactly the pointer-to-member type it was stored as.
#pragma once

#include <windows.h>

#include "afxver_.h"

class CCmdTarget;
class CWnd;

typedef void (CCmdTarget::*AFX_PMSG)();
typedef void (CWnd::*AFX_PMSGW)();

// Handler signatures.
enum AfxSig : UINT_PTR {
  AfxSig_end = 0,
  AfxSigCmd_v,     // void (CCmdTarget::*)()                          ON_COMMAND, ON_CONTROL
  AfxSigNotify_v,  // void (CCmdTarget::*)(NMHDR*, LRESULT*)          ON_NOTIFY
  AfxSig_vv,       // void (CWnd::*)()                                ON_WM_CLOSE, ...
  AfxSig_vwWb,     // void (CWnd::*)(UINT, CWnd*, BOOL)               ON_WM_ACTIVATE
  AfxSig_vW,       // void (CWnd::*)(CWnd*)                           ON_WM_SETFOCUS/KILLFOCUS
  AfxSig_is,       // int (CWnd::*)(LPCREATESTRUCT)                   ON_WM_CREATE
  AfxSig_vbw,      // void (CWnd::*)(BOOL, UINT)                      ON_WM_SHOWWINDOW
  AfxSig_lwl,      // LRESULT (CWnd::*)(WPARAM, LPARAM)               ON_MESSAGE
};

union AFX_CLASS_EXPORT AFX_MSGMAP_FN {
  constexpr AFX_MSGMAP_FN() : pfn(nullptr) {}
  constexpr AFX_MSGMAP_FN(void (CCmdTarget::*p)()) : pfn(p) {}
  constexpr AFX_MSGMAP_FN(void (CCmdTarget::*p)(NMHDR*, LRESULT*)) : pfnNotify(p) {}
  constexpr AFX_MSGMAP_FN(void (CWnd::*p)()) : pfn_vv(p) {}
  constexpr AFX_MSGMAP_FN(void (CWnd::*p)(UINT, CWnd*, BOOL)) : pfn_vwWb(p) {}
  constexpr AFX_MSGMAP_FN(void (CWnd::*p)(CWnd*)) : pfn_vW(p) {}
  constexpr AFX_MSGMAP_FN(int (CWnd::*p)(LPCREATESTRUCT)) : pfn_is(p) {}
  constexpr AFX_MSGMAP_FN(void (CWnd::*p)(BOOL, UINT)) : pfn_vbw(p) {}
  constexpr AFX_MSGMAP_FN(LRESULT (CWnd::*p)(WPARAM, LPARAM)) : pfn_lwl(p) {}

  AFX_PMSG pfn;
  void (CCmdTarget::*pfnNotify)(NMHDR*, LRESULT*);
  void (CWnd::*pfn_vv)();
  void (CWnd::*pfn_vwWb)(UINT, CWnd*, BOOL);
  void (CWnd::*pfn_vW)(CWnd*);
  int (CWnd::*pfn_is)(LPCREATESTRUCT);
  void (CWnd::*pfn_vbw)(BOOL, UINT);
  LRESULT (CWnd::*pfn_lwl)(WPARAM, LPARAM);
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;   // window message
  UINT nCode;      // control notification code (WM_COMMAND, WM_NOTIFY)
  UINT nID;        // control id, 0 for window messages
  UINT nLastID;    // last id of a range
  UINT_PTR nSig;   // AfxSig
  AFX_MSGMAP_FN pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// The first entry of lpEntry with this message, code and id, or NULL.
AFX_API_EXPORT const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg,
                                                                 UINT nCode, UINT nID);

#define CN_COMMAND 0

#define DECLARE_MESSAGE_MAP()                                   \
 protected:                                                     \
  static const AFX_MSGMAP* GetThisMessageMap();                 \
  virtual const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                     \
      {0, 0, 0, 0, AfxSig_end, AFX_MSGMAP_FN()}};                             \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap,   \
                                          &_messageEntries[0]};               \
    return &messageMap;                                                       \
  }

// Commands and control notifications (WM_COMMAND), handlers void f().
#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_v, static_cast<AFX_PMSG>(memberFxn)},
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
  {WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigCmd_v, static_cast<AFX_PMSG>(memberFxn)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)

// WM_NOTIFY, handlers void f(NMHDR*, LRESULT*).
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                 \
  {WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigNotify_v, \
   static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(memberFxn)},

// Window messages, handlers with MFC's fixed names and signatures.
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, 0, AfxSig_vv, static_cast<void (CWnd::*)()>(&ThisClass::OnClose)},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, AfxSig_vv, static_cast<void (CWnd::*)()>(&ThisClass::OnDestroy)},
#define ON_WM_NCDESTROY() \
  {WM_NCDESTROY, 0, 0, 0, AfxSig_vv, static_cast<void (CWnd::*)()>(&ThisClass::OnNcDestroy)},
#define ON_WM_ACTIVATE()                  \
  {WM_ACTIVATE, 0, 0, 0, AfxSig_vwWb,    \
   static_cast<void (CWnd::*)(UINT, CWnd*, BOOL)>(&ThisClass::OnActivate)},
#define ON_WM_SETFOCUS() \
  {WM_SETFOCUS, 0, 0, 0, AfxSig_vW, static_cast<void (CWnd::*)(CWnd*)>(&ThisClass::OnSetFocus)},
#define ON_WM_KILLFOCUS() \
  {WM_KILLFOCUS, 0, 0, 0, AfxSig_vW, static_cast<void (CWnd::*)(CWnd*)>(&ThisClass::OnKillFocus)},
#define ON_WM_CREATE() \
  {WM_CREATE, 0, 0, 0, AfxSig_is, static_cast<int (CWnd::*)(LPCREATESTRUCT)>(&ThisClass::OnCreate)},
#define ON_WM_SHOWWINDOW() \
  {WM_SHOWWINDOW, 0, 0, 0, AfxSig_vbw, static_cast<void (CWnd::*)(BOOL, UINT)>(&ThisClass::OnShowWindow)},

// Any message, handler LRESULT f(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
  {message, 0, 0, 0, AfxSig_lwl, static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(memberFxn)},
