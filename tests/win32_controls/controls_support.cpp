// The control tests' own helpers: a dialog laid out like a search dialog,
// a message pump that routes keys through IsDialogMessageA, and the focus.
#include "controls_support.h"

namespace ctltest {

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


int FocusId(HWND dialog) {
  HWND focus = GetFocus();
  if (!focus || !IsChild(dialog, focus)) return 0;
  if (GetParent(focus) != dialog) focus = GetParent(focus);
  return GetDlgCtrlID(focus);
}

}  // namespace ctltest
