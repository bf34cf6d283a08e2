// The runtime library's functions: the error log is the report window, the
// inline editor and current item are the IDE's, UI command 29 shows an item.
#include "RuntimeFunctions.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ide/core/Ide.h"

namespace runtime {
namespace {

ide::Ide& TheIde() { return ide::Ide::Instance(); }

// Copies text into a caller's buffer, cut to fit and always terminated.
// FALSE when there is no room at all or the text had to be cut.
BOOL CopyOut(const std::string& text, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return FALSE;
  size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return n == text.size() ? TRUE : FALSE;
}

bool EditingIn(HOUTLINE hOutline) {
  const ide::EditState& edit = TheIde().Edit();
  return hOutline != 0 && edit.IsOpen() && edit.outline == hOutline;
}

}  // namespace

// Opening the error log shows the report window.
BOOL WINAPI ErrorLogOpen() {
  TheIde().SetErrorLogOpen(true);
  return TRUE;
}

// Clearing the error log empties the report window.
BOOL WINAPI ErrorLogClear() {
  TheIde().ClearReport();
  return TRUE;
}

BOOL WINAPI SalOutlineGetFileName(HOUTLINE hOutline, LPSTR buffer, int size) {
  if (TheIde().GetOutline(hOutline) == nullptr) {
    CopyOut(std::string(), buffer, size);
    return FALSE;
  }
  return CopyOut(TheIde().FileName(hOutline), buffer, size);
}

// The nearest File Include item that brought the item in; 0 for an item of
// the application's own file.
HITEM WINAPI SalOutlineGetIncludingItem(HOUTLINE hOutline, HITEM hItem) {
  if (!TheIde().IsValidItem(hOutline, hItem)) return 0;
  return ide::ToItemHandle(TheIde().GetOutline(hOutline)->IncludingItem(ide::ToItemId(hItem)));
}

HOUTLINE WINAPI SalOutlineOutlineOfUIFrame(HWND hWnd) { return TheIde().OutlineOfFrame(hWnd); }

HOUTLINE WINAPI SalOutlineCurrent() { return TheIde().Application(); }

HITEM WINAPI SalOutlineEditGetItem(HOUTLINE hOutline) {
  return EditingIn(hOutline) ? TheIde().Edit().item : 0;
}

BOOL WINAPI SalOutlineEditGetText(HOUTLINE hOutline, LPSTR buffer, int size) {
  if (!EditingIn(hOutline)) {
    CopyOut(std::string(), buffer, size);
    return FALSE;
  }
  return CopyOut(TheIde().Edit().text, buffer, size);
}

BOOL WINAPI SalOutlineEditSetText(HOUTLINE hOutline, LPCSTR text) {
  if (!EditingIn(hOutline) || text == nullptr) return FALSE;
  TheIde().SetEditText(text);
  return TRUE;
}

HWND WINAPI SalOutlineUIFrameOfOutline(HOUTLINE hOutline) {
  return static_cast<HWND>(TheIde().FrameWindow(hOutline));
}

BOOL WINAPI SalOutlineActivateUIView(HOUTLINE hOutline) { return TheIde().ActivateView(hOutline) ? TRUE : FALSE; }

BOOL WINAPI SalOutlineIsUIViewActive(HOUTLINE hOutline) { return TheIde().IsViewActive(hOutline) ? TRUE : FALSE; }

// Command 29 brings the item into view: it becomes the IDE's current item.
// Returns non-zero when the command was carried out; other commands are not
// carried out by this IDE.
int WINAPI SalOutlineDoUICommand(HOUTLINE hOutline, HITEM hItem, int command, const char* /*text*/) {
  if (command == SAL_UICMD_SHOWITEM) return TheIde().SetCurrentItem(hOutline, hItem) ? 1 : 0;
  return 0;
}

}  // namespace runtime
