// The one message recorder of the stand-in conformance tests. It records
// what Windows delivers, in order, so a test can compare the sequence with
// what Windows sends:
// - every message a window of the recording class receives (rec::Take);
// - the notifications (WM_COMMAND, WM_NOTIFY) a recording parent receives,
//   with the sender's state at that moment (rec::Notes);
// - the calls a recording dialog procedure sees (rec::DlgCalls);
// - the debug-output lines of a module, by their prefix (rec::TakeDebugLines).
#ifndef OLVAREN_TESTS_SUPPORT_MESSAGE_RECORDER_H
#define OLVAREN_TESTS_SUPPORT_MESSAGE_RECORDER_H

#include <windows.h>  // first: <commctrl.h> needs its types

#include <commctrl.h>

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace rec {

// --- Every message of a recording window ------------------------------------

struct Entry {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Entry& o) const {
    return hwnd == o.hwnd && msg == o.msg && wParam == o.wParam && lParam == o.lParam;
  }
};

// The class "RecorderClass" (registered on first use). Its procedure
// records, then runs the override if one is set for the message, else
// DefWindowProcA.
const char* ClassName();
HWND Create(const char* title, DWORD style, HWND parent = nullptr, int id = 0, DWORD exStyle = 0);

// Messages recorded since the last Clear(), keeping only those in FILTER
// (all when empty).
std::vector<Entry> Take(const std::vector<UINT>& filter = {});
void Clear();

// Handles MSG for every recorder window until Reset(); return a value to
// answer the message with.
void Override(UINT msg, std::function<LRESULT(HWND, WPARAM, LPARAM)> handler);
void Reset();  // drops overrides and records

std::string Name(UINT msg);  // "WM_CREATE" etc., for failure messages

// Prints as (hwnd, WM_X, w, l) in gtest failure output.
void PrintTo(const Entry& e, std::ostream* os);

// --- Notifications of a recording parent ------------------------------------

struct Note {
  UINT msg;
  int id;      // control id (LOWORD(wParam) or NMHDR::idFrom)
  int code;    // notification code
  HWND from;   // lParam of WM_COMMAND, NMHDR::hwndFrom
  HTREEITEM oldItem = nullptr;  // tree view notifications
  HTREEITEM newItem = nullptr;
  UINT action = 0;
  std::string text;   // window text of the sender when the note was taken
  LRESULT check = 0;  // BM_GETCHECK of the sender when the note was taken
  bool operator==(const Note& o) const { return msg == o.msg && id == o.id && code == o.code && from == o.from; }
};

// Notifications received by recording parents, in order.
std::vector<Note>& Notes();
// The answer a recording parent gives to TVN_SELCHANGING.
extern LRESULT g_vetoSelChanging;

// A visible top-level window of the recording parent class.
HWND CreateRecordingParent();

// The WM_COMMAND note a control sends its parent.
Note Command(int id, int code, HWND from);

// --- Calls of a recording dialog procedure ----------------------------------

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

// --- Debug output of a module -----------------------------------------------

// The debug-output lines since the last take that start with PREFIX, the
// prefix removed; every line taken is dropped from the stand-in's buffer.
std::vector<std::string> TakeDebugLines(const std::string& prefix);

}  // namespace rec

#endif  // OLVAREN_TESTS_SUPPORT_MESSAGE_RECORDER_H
