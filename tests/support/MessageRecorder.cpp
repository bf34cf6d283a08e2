// The message recorder of the conformance tests: the recording window
// class, the recording parent, the recording dialog procedure and the
// debug-output filter.
#include "MessageRecorder.h"

#include <standin.h>

#include <map>
#include <ostream>

namespace rec {

namespace {
std::vector<Entry>& Log() {
  static std::vector<Entry> log;
  return log;
}
std::map<UINT, std::function<LRESULT(HWND, WPARAM, LPARAM)>>& Overrides() {
  static std::map<UINT, std::function<LRESULT(HWND, WPARAM, LPARAM)>> o;
  return o;
}
LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Log().push_back({hwnd, msg, wParam, lParam});
  auto it = Overrides().find(msg);
  if (it != Overrides().end()) return it->second(hwnd, wParam, lParam);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}
}  // namespace

const char* ClassName() {
  static bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.cbWndExtra = 16;
    wc.lpszClassName = "RecorderClass";
    return RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return "RecorderClass";
}

HWND Create(const char* title, DWORD style, HWND parent, int id, DWORD exStyle) {
  return CreateWindowExA(exStyle, ClassName(), title, style, 0, 0, 100, 100, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

std::vector<Entry> Take(const std::vector<UINT>& filter) {
  std::vector<Entry> out;
  for (const Entry& e : Log()) {
    if (filter.empty()) {
      out.push_back(e);
      continue;
    }
    for (UINT f : filter)
      if (e.msg == f) out.push_back(e);
  }
  Log().clear();
  return out;
}

void Clear() { Log().clear(); }

void Override(UINT msg, std::function<LRESULT(HWND, WPARAM, LPARAM)> handler) { Overrides()[msg] = std::move(handler); }

void Reset() {
  Overrides().clear();
  Log().clear();
}

std::string Name(UINT msg) {
  static const std::map<UINT, const char*> names = {
      {WM_NULL, "WM_NULL"}, {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_ACTIVATE, "WM_ACTIVATE"},
      {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_KILLFOCUS, "WM_KILLFOCUS"}, {WM_SETTEXT, "WM_SETTEXT"},
      {WM_GETTEXT, "WM_GETTEXT"}, {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_NCCREATE, "WM_NCCREATE"},
      {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_NCACTIVATE, "WM_NCACTIVATE"}, {WM_KEYDOWN, "WM_KEYDOWN"},
      {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"}, {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_SYSKEYUP, "WM_SYSKEYUP"},
      {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"}, {WM_ENABLE, "WM_ENABLE"}, {WM_CANCELMODE, "WM_CANCELMODE"}};
  auto it = names.find(msg);
  return it != names.end() ? it->second : "0x" + std::to_string(msg);
}

void PrintTo(const Entry& e, std::ostream* os) {
  *os << "(" << e.hwnd << ", " << Name(e.msg) << ", " << e.wParam << ", " << e.lParam << ")";
}


// --- Notifications of a recording parent ------------------------------------


LRESULT g_vetoSelChanging = 0;

std::vector<Note>& Notes() {
  static std::vector<Note> notes;
  return notes;
}

namespace {

std::string TextOf(HWND hwnd) {
  char buffer[256] = {};
  GetWindowTextA(hwnd, buffer, sizeof(buffer));
  return buffer;
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) {
    HWND from = reinterpret_cast<HWND>(lParam);
    Note note = {};
    note.msg = msg;
    note.id = LOWORD(wParam);
    note.code = HIWORD(wParam);
    note.from = from;
    note.text = from ? TextOf(from) : "";
    if (from) note.check = SendMessageA(from, BM_GETCHECK, 0, 0);
    Notes().push_back(note);
    return 0;
  }
  if (msg == WM_NOTIFY) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    Note note = {};
    note.msg = msg;
    note.id = static_cast<int>(header->idFrom);
    note.code = static_cast<int>(header->code);
    note.from = header->hwndFrom;
    const UINT code = header->code;
    if (code == TVN_SELCHANGINGA || code == TVN_SELCHANGEDA || code == TVN_DELETEITEMA ||
        code == TVN_ITEMEXPANDINGA || code == TVN_ITEMEXPANDEDA) {
      const NMTREEVIEWA* nm = reinterpret_cast<const NMTREEVIEWA*>(lParam);
      note.oldItem = nm->itemOld.hItem;
      note.newItem = nm->itemNew.hItem;
      note.action = nm->action;
      if (nm->itemNew.pszText) note.text = nm->itemNew.pszText;
    }
    Notes().push_back(note);
    return code == TVN_SELCHANGINGA ? g_vetoSelChanging : 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND CreateRecordingParent() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.lpszClassName = "CtlTestParent";
    RegisterClassA(&wc);
    registered = true;
  }
  return CreateWindowExA(0, "CtlTestParent", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                         nullptr, nullptr, nullptr);
}


Note Command(int id, int code, HWND from) {
  Note note = {};
  note.msg = WM_COMMAND;
  note.id = id;
  note.code = code;
  note.from = from;
  return note;
}


// --- Calls of a recording dialog procedure ----------------------------------


INT_PTR g_initResult = TRUE;
int g_initFocusId = 0;

std::vector<DlgCall>& DlgCalls() {
  static std::vector<DlgCall> calls;
  return calls;
}

INT_PTR CALLBACK RecordingDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      DlgCalls().push_back({msg, wParam, lParam});
      if (g_initFocusId) SetFocus(GetDlgItem(hwnd, g_initFocusId));
      return g_initResult;
    case WM_COMMAND:
    case WM_CREATE:
    case WM_NCCREATE:
    case WM_SETFONT:
      DlgCalls().push_back({msg, wParam, lParam});
      return msg == WM_COMMAND;
    case WM_USER + 5:
      SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 1234);
      return TRUE;
    default:
      return FALSE;
  }
}



std::vector<std::string> TakeDebugLines(const std::string& prefix) {
  std::vector<std::string> lines;
  for (const std::string& line : standin::TakeDebugOutput()) {
    if (line.rfind(prefix, 0) == 0) lines.push_back(line.substr(prefix.size()));
  }
  return lines;
}

}  // namespace rec
