// The outline editor's inline editor: an "Edit" child of the outline editor
// pane that exists while one item's outline line is open for editing. It
// shows the core's edit state (text and caret) and goes away when the edit
// ends.
#pragma once

#include <windows.h>

#include <string>

#include "ide/core/Ide.h"

namespace ide::shell {

class InlineEditor {
public:
  ~InlineEditor();
  void Attach(HWND pane) { pane_ = pane; }

  // The core opened, changed or closed its edit state.
  void Opened(const EditState& edit);
  void TextChanged(const EditState& edit);
  // Moves the control's selection only: what the user typed stays.
  void SelectionChanged(const EditState& edit);
  void Closed();

  HWND Handle() const { return edit_; }   // nullptr while closed
  bool IsOpen() const { return edit_ != nullptr; }
  std::string Text() const;               // the control's text ("" while closed)
  void Selection(int& start, int& end) const;  // EM_GETSEL of the control (0, 0 while closed)
  // Gives the keyboard focus to the editor (when open).
  void Focus() const;

private:
  HWND pane_ = nullptr;
  HWND edit_ = nullptr;
};

}  // namespace ide::shell
