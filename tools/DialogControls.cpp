// MassFinder's dialog from the user's side (see DialogControls.h).
#include "DialogControls.h"

#include <strings.h>

#include "resources/resource.h"

namespace olvcli {
namespace {

constexpr char kDialogCaption[] = "Mass Finder";

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  int copied = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

// The check boxes in tab order.
const int kCheckBoxes[] = {IDC_MATCH_CASE, IDC_WHOLE_WORD, IDC_IGNORE_INCLUDES, IDC_ONLY_MARKED,
                           IDC_IGNORE_COMMENTS};

}  // namespace

HWND FindMassFinderDialog() { return FindWindowA(nullptr, kDialogCaption); }

HWND DialogControl(HWND dialog, int id) { return GetDlgItem(dialog, id); }

HWND DialogControlByText(HWND dialog, const std::string& text) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (strcasecmp(className, "Button") == 0 && WindowText(child) == text) return child;
  }
  return nullptr;
}

bool IsCheckBox(HWND control) {
  LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

bool IsChecked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetCheckBox(HWND box, bool checked) {
  if (IsChecked(box) != checked) ClickButton(box);
}

void ClickButton(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

void SetPatternText(HWND dialog, const std::string& text) {
  SetWindowTextA(GetDlgItem(dialog, IDC_PATTERN), text.c_str());
}

DialogState ReadDialogState() {
  DialogState state;
  HWND dialog = FindMassFinderDialog();
  if (dialog == nullptr) return state;
  state.exists = true;
  HWND combo = GetDlgItem(dialog, IDC_PATTERN);
  state.edit = WindowText(combo);
  LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::string entry(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<size_t>(length > 0 ? length : 0));
    state.entries.push_back(entry);
  }
  for (int id : kCheckBoxes) {
    HWND box = GetDlgItem(dialog, id);
    state.checks.emplace_back(WindowText(box), IsChecked(box));
  }
  HWND focus = GetFocus();
  if (focus == nullptr)
    state.focus = "none";
  else if (focus == combo || IsChild(combo, focus))
    state.focus = "pattern";
  else if (focus == dialog || IsChild(dialog, focus))
    state.focus = WindowText(focus);
  else
    state.focus = "ide";
  return state;
}

}  // namespace olvcli
