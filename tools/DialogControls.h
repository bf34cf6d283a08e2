// MassFinder's dialog as the user at the screen sees and uses it: found by
// its caption, its controls named by their texts ("Match Case", "Find!",
// "Close"), the combo box's edit field, and what the dialog shows.
// `olvaren find` and the session's dialog commands use it.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace olvcli {

// The open "Mass Finder" dialog, nullptr when there is none.
HWND FindMassFinderDialog();
// The dialog's button or check box whose text is exactly `text`, nullptr
// when none has it.
HWND DialogControlByText(HWND dialog, const std::string& text);
// The dialog's control with `id`.
HWND DialogControl(HWND dialog, int id);
bool IsCheckBox(HWND control);
bool IsChecked(HWND box);
// Clicks the check box when its state differs from `checked`.
void SetCheckBox(HWND box, bool checked);
// Clicks a button (BM_CLICK, as a mouse click does).
void ClickButton(HWND button);
// Puts `text` into the combo box's edit field, as typing over it does.
void SetPatternText(HWND dialog, const std::string& text);

// What the dialog shows.
struct DialogState {
  bool exists = false;
  std::string focus;  // "pattern", a control's text, "ide" or "none"
  std::string edit;   // the combo box's edit field
  std::vector<std::string> entries;                  // the combo box's list, top first
  std::vector<std::pair<std::string, bool>> checks;  // each check box's text and state, in tab order
};
DialogState ReadDialogState();

}  // namespace olvcli
