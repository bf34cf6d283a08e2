// The recording parent window and the dialog message pump of the control tests.
#include "recorder.h"

namespace ctltest {

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

void Pump(HWND dialog) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) break;
    if (!dialog || !IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

Note Command(int id, int code, HWND from) {
  Note note = {};
  note.msg = WM_COMMAND;
  note.id = id;
  note.code = code;
  note.from = from;
  return note;
}

}  // namespace ctltest

namespace ctltest {

standin::DialogTemplateBuilder SearchDialog(bool extended) {
  using standin::TemplateName;
  const TemplateName button = TemplateName::Ordinal(standin::kDialogClassButton);
  const DWORD check = BS_AUTOCHECKBOX | WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  standin::DialogTemplateBuilder b(extended);
  b.Caption("Mass Finder")
      .Style(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS)
      .ExStyle(WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE)
      .Rect(0, 0, 308, 86)
      .Font(8, "MS Shell Dlg", 400, 0, 1)
      .Control(1000, button, "Find!", 251, 18, 50, 14, BS_DEFPUSHBUTTON | WS_CHILD | WS_VISIBLE | WS_TABSTOP)
      .Control(IDCANCEL, button, "Close", 251, 65, 50, 14, BS_PUSHBUTTON | WS_CHILD | WS_VISIBLE | WS_TABSTOP)
      .Control(-1, TemplateName::Ordinal(standin::kDialogClassStatic), "Find What:", 7, 7, 36, 8,
               SS_LEFT | WS_CHILD | WS_VISIBLE | WS_GROUP)
      .Control(1001, TemplateName::Ordinal(standin::kDialogClassComboBox), "", 7, 18, 239, 96,
               CBS_DROPDOWN | WS_VSCROLL | WS_CHILD | WS_VISIBLE | WS_TABSTOP)
      .Control(1002, button, "Match Case", 7, 38, 53, 10, check)
      .Control(1003, button, "Match Whole Word", 73, 38, 77, 10, check)
      .Control(1004, button, "Ignore Included Items", 159, 38, 87, 10, check)
      .Control(1005, button, "Search Only Selected Items", 7, 56, 104, 10, check)
      .Control(1006, button, "Ignore Comments", 159, 56, 73, 10, check);
  return b;
}

}  // namespace ctltest

namespace ctltest {

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

int FocusId(HWND dialog) {
  HWND focus = GetFocus();
  if (!focus || !IsChild(dialog, focus)) return 0;
  if (GetParent(focus) != dialog) focus = GetParent(focus);
  return GetDlgCtrlID(focus);
}

}  // namespace ctltest
