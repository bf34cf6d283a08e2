// Creating dialogs from templates: CreateDialogParamA (template from a
// module's RT_DIALOG resource), CreateDialogIndirectParamA, the modal
// DialogBoxParamA / DialogBoxIndirectParamA, and the dialog base units
// (MapDialogRect, GetDialogBaseUnits).
//
// Creation follows Windows: the dialog window is created hidden with the
// template's class ("#32770" unless the template names one), the dialog
// procedure is attached (so it never sees WM_CREATE), the controls are
// created in template order, WM_INITDIALOG is sent with the first tab stop
// as wParam (a non-zero answer lets the dialog manager set the focus to the
// first tab stop), and a template with WS_VISIBLE is then shown.
//
// Dialog units: a template font of N points gives base units of
// round(N*6/8) by round(N*13/8) pixels (6 by 13 for 8 points, as "MS Shell
// Dlg" 8 has at 96 dpi); without a font the system font's 8 by 16.
#include <cstdio>
#include <string>

#include "dialog_internal.h"
#include "dialog_template.h"

namespace standin {
namespace {

constexpr int kSystemBaseX = 8;
constexpr int kSystemBaseY = 16;

int MulDivRound(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

const char* PredefinedClass(WORD ordinal) {
  switch (ordinal) {
    case kDialogClassButton:
      return "Button";
    case kDialogClassEdit:
      return "Edit";
    case kDialogClassStatic:
      return "Static";
    case kDialogClassListBox:
      return "ListBox";
    case kDialogClassScrollBar:
      return "ScrollBar";
    case kDialogClassComboBox:
      return "ComboBox";
    default:
      return nullptr;
  }
}

void Complain(const std::string& what) { std::fprintf(stderr, "olvwin32: %s\n", what.c_str()); }

bool CreateControls(HWND dialog, DialogInfo* info, const DialogTemplateData& tmpl, HINSTANCE instance) {
  HWND defButton = nullptr;
  for (const DialogItemTemplate& item : tmpl.items) {
    std::string className;
    if (item.windowClass.isOrdinal) {
      const char* name = PredefinedClass(item.windowClass.ordinal);
      if (!name) {
        Complain("dialog control " + std::to_string(item.id) + ": unknown class ordinal 0x" +
                 std::to_string(item.windowClass.ordinal));
        if (tmpl.style & DS_NOFAILCREATE) continue;
        return false;
      }
      className = name;
    } else {
      className = item.windowClass.text;
    }
    const char* text = item.title.isOrdinal ? nullptr : item.title.text.c_str();
    const void* creationData = nullptr;
    if (!item.creationData.empty()) creationData = item.creationData.data();
    HWND control = CreateWindowExA(item.exStyle | WS_EX_NOPARENTNOTIFY, className.c_str(), text,
                                   item.style | WS_CHILD, MulDivRound(item.x, info->xBase, 4),
                                   MulDivRound(item.y, info->yBase, 8), MulDivRound(item.cx, info->xBase, 4),
                                   MulDivRound(item.cy, info->yBase, 8), dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance,
                                   const_cast<void*>(creationData));
    if (!control) {
      Complain("dialog control " + std::to_string(item.id) + " of class \"" + className + "\" was not created");
      if (tmpl.style & DS_NOFAILCREATE) continue;
      return false;
    }
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
      // A later default push button takes over from an earlier one.
      if (defButton) SendMessageA(defButton, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
      defButton = control;
      info->defId = item.id;
    }
  }
  return true;
}

}  // namespace

HWND CreateDialogFromTemplate(HINSTANCE instance, const void* data, std::size_t size, HWND owner, DLGPROC proc,
                              LPARAM param) {
  DialogTemplateData tmpl;
  std::string error;
  if (!ParseDialogTemplate(data, size, &tmpl, &error)) {
    Complain(error);
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }

  int xBase = kSystemBaseX, yBase = kSystemBaseY;
  if (tmpl.hasFont && tmpl.pointSize > 0 && tmpl.pointSize < 0x7FFF) {
    xBase = MulDivRound(tmpl.pointSize, 6, 8);
    yBase = MulDivRound(tmpl.pointSize, 13, 8);
  }

  DWORD style = tmpl.style & ~WS_VISIBLE;
  DWORD exStyle = tmpl.exStyle;
  if (tmpl.style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
  if (tmpl.style & DS_CONTROL) {
    style &= ~(WS_CAPTION | WS_SYSMENU);
    exStyle |= WS_EX_CONTROLPARENT;
  }
  if (tmpl.style & DS_CONTEXTHELP) exStyle |= WS_EX_CONTEXTHELP;

  const int cx = MulDivRound(tmpl.cx, xBase, 4);
  const int cy = MulDivRound(tmpl.cy, yBase, 8);
  POINT pos = {MulDivRound(tmpl.x, xBase, 4), MulDivRound(tmpl.y, yBase, 8)};
  if (tmpl.style & DS_CENTER) {
    RECT area = {};
    GetWindowRect(owner ? owner : GetDesktopWindow(), &area);
    pos.x = area.left + (area.right - area.left - cx) / 2;
    pos.y = area.top + (area.bottom - area.top - cy) / 2;
  } else if (!(tmpl.style & (WS_CHILD | DS_ABSALIGN)) && owner) {
    ClientToScreen(owner, &pos);
  }

  std::string className = "#32770";
  LPCSTR classParam = className.c_str();
  if (tmpl.windowClass.isOrdinal) {
    if (tmpl.windowClass.ordinal != 0x8002) classParam = MAKEINTATOM(tmpl.windowClass.ordinal);
  } else if (!tmpl.windowClass.text.empty()) {
    className = tmpl.windowClass.text;
    classParam = className.c_str();
  }

  HWND dialog = CreateWindowExA(exStyle, classParam, tmpl.caption.c_str(), style, pos.x, pos.y, cx, cy, owner,
                                nullptr, instance, nullptr);
  if (!dialog) return nullptr;

  DialogInfo* info = GetDialogInfo(dialog, true);
  if (!info) {
    DestroyWindow(dialog);
    return nullptr;
  }
  info->xBase = xBase;
  info->yBase = yBase;
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));

  if (!CreateControls(dialog, info, tmpl, instance)) {
    DestroyWindow(dialog);
    return nullptr;
  }

  if (proc) {
    HWND focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (!focus) focus = GetNextDlgGroupItem(dialog, nullptr, FALSE);
    if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), param) && IsWindow(dialog) &&
        (!(tmpl.style & DS_CONTROL) || (tmpl.style & WS_VISIBLE))) {
      // The dialog procedure asked for the default focus; WM_INITDIALOG may
      // have changed the controls, so look again.
      focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
      if (!focus) focus = GetNextDlgGroupItem(dialog, nullptr, FALSE);
      if (focus) {
        HWND old = GetFocus();
        SetDialogFocus(focus);
        CheckDefPushButton(dialog, old, focus);
      } else if (!(tmpl.style & WS_CHILD)) {
        SetFocus(dialog);
      }
    }
  }
  if (!IsWindow(dialog)) return nullptr;
  if ((tmpl.style & WS_VISIBLE) && !(GetWindowLongA(dialog, GWL_STYLE) & WS_VISIBLE)) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    UpdateWindow(dialog);
  }
  return IsWindow(dialog) ? dialog : nullptr;
}

namespace {

bool LoadDialogResource(HINSTANCE instance, LPCSTR name, const void** data, DWORD* size) {
  HRSRC found = FindResourceA(instance, name, RT_DIALOG);
  if (!found) {
    if (IS_INTRESOURCE(name))
      Complain("dialog template " + std::to_string(reinterpret_cast<ULONG_PTR>(name)) + " not found");
    else
      Complain(std::string("dialog template \"") + name + "\" not found");
    return false;
  }
  HGLOBAL loaded = LoadResource(instance, found);
  *data = loaded ? LockResource(loaded) : nullptr;
  *size = SizeofResource(instance, found);
  return *data != nullptr;
}

// The modal loop: dispatches the dialog's messages until EndDialog. When the
// queue is empty the owner gets WM_ENTERIDLE (the moment at which a test or
// another part of the program can act on the dialog); if the queue is still
// empty afterwards the loop gives up, since nothing could end the dialog.
INT_PTR RunModal(HWND dialog, HWND owner) {
  DialogInfo* info = GetDialogInfo(dialog, false);
  const bool idleMessages = !(GetWindowLongA(dialog, GWL_STYLE) & DS_NOIDLEMSG);
  bool disabledOwner = false;
  if (owner && IsWindowEnabled(owner)) {
    EnableWindow(owner, FALSE);
    disabledOwner = true;
  }
  if (!(GetWindowLongA(dialog, GWL_STYLE) & WS_VISIBLE)) ShowWindow(dialog, SW_SHOWNORMAL);
  INT_PTR result = -1;
  while (IsWindow(dialog) && !info->ended) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (owner && idleMessages) SendMessageA(owner, WM_ENTERIDLE, 0 /* MSGF_DIALOGBOX */, reinterpret_cast<LPARAM>(dialog));
      if (!IsWindow(dialog) || info->ended) break;
      if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        Complain("modal dialog left without EndDialog: no messages to wait for");
        break;
      }
    }
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (IsWindow(dialog) && info->ended) result = info->result;
  if (disabledOwner) EnableWindow(owner, TRUE);
  if (IsWindow(dialog)) DestroyWindow(dialog);
  return result;
}

}  // namespace
}  // namespace standin

extern "C" {

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return standin::CreateDialogFromTemplate(hInstance, lpTemplate, static_cast<std::size_t>(-1), hWndParent,
                                           lpDialogFunc, dwInitParam);
}

HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  const void* data = nullptr;
  DWORD size = 0;
  if (!standin::LoadDialogResource(hInstance, lpTemplateName, &data, &size)) return nullptr;
  return standin::CreateDialogFromTemplate(hInstance, data, size, hWndParent, lpDialogFunc, dwInitParam);
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  HWND dialog = standin::CreateDialogFromTemplate(hInstance, hDialogTemplate, static_cast<std::size_t>(-1),
                                                  hWndParent, lpDialogFunc, dwInitParam);
  return dialog ? standin::RunModal(dialog, hWndParent) : -1;
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  const void* data = nullptr;
  DWORD size = 0;
  if (!standin::LoadDialogResource(hInstance, lpTemplateName, &data, &size)) return -1;
  HWND dialog =
      standin::CreateDialogFromTemplate(hInstance, data, size, hWndParent, lpDialogFunc, dwInitParam);
  return dialog ? standin::RunModal(dialog, hWndParent) : -1;
}

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
  standin::DialogInfo* info = standin::GetDialogInfo(hDlg, false);
  if (!info || !lpRect) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  lpRect->left = standin::MulDivRound(lpRect->left, info->xBase, 4);
  lpRect->right = standin::MulDivRound(lpRect->right, info->xBase, 4);
  lpRect->top = standin::MulDivRound(lpRect->top, info->yBase, 8);
  lpRect->bottom = standin::MulDivRound(lpRect->bottom, info->yBase, 8);
  return TRUE;
}

LONG WINAPI GetDialogBaseUnits(void) { return MAKELONG(standin::kSystemBaseX, standin::kSystemBaseY); }

}  // extern "C"
