// Test support for the control and dialog conformance tests: a parent
// window that records the notifications it receives (WM_COMMAND, WM_NOTIFY),
// and a message pump that routes keys through IsDialogMessageA.
#pragma once

#include <windows.h>  // first: <commctrl.h> needs its types

#include <commctrl.h>
#include <standin.h>

#include "../support/WineMarks.h"

#include <string>
#include <vector>

namespace ctltest {

struct Note {
  UINT msg;
  int id;      // control id (LOWORD(wParam) or NMHDR::idFrom)
  int code;    // notification code
  HWND from;   // lParam of WM_COMMAND, NMHDR::hwndFrom
  HTREEITEM oldItem = nullptr;  // tree view notifications
  HTREEITEM newItem = nullptr;
  UINT action = 0;
  std::string text;  // window text of the sender when the note was taken
  LRESULT check = 0;  // BM_GETCHECK of the sender when the note was taken
  bool operator==(const Note& o) const { return msg == o.msg && id == o.id && code == o.code && from == o.from; }
};

// Notifications received by recording parents, in order.
std::vector<Note>& Notes();
// The answer a recording parent gives to TVN_SELCHANGING.
extern LRESULT g_vetoSelChanging;

// A visible top-level window of the recording class.
HWND CreateRecordingParent();

// Dispatches every queued message, offering each to IsDialogMessageA for
// `dialog` first (as a modeless dialog's message loop does).
void Pump(HWND dialog);

Note Command(int id, int code, HWND from);

}  // namespace ctltest

#include <dialog_template.h>

namespace ctltest {

// A dialog laid out like a search dialog: Find! (default, 1000), Close
// (IDCANCEL), a label, an editable combo box (1001) and five automatic
// check boxes (1002..1006), all but the label tab stops.
standin::DialogTemplateBuilder SearchDialog(bool extended = true);

}  // namespace ctltest

namespace ctltest {

// What a recording dialog procedure saw.
struct DlgCall {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<DlgCall>& DlgCalls();
// How the recording dialog procedure answers WM_INITDIALOG; when
// g_initFocusId is non-zero it first gives the focus to that control.
extern INT_PTR g_initResult;
extern int g_initFocusId;
INT_PTR CALLBACK RecordingDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The control id of the focus window, counting a combo box's edit field as
// the combo box; 0 when the focus is elsewhere.
int FocusId(HWND dialog);

}  // namespace ctltest
