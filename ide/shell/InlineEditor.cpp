// The inline editor's edit control: created on an open edit, kept in step
// with the core's text and caret, destroyed when the edit ends.
#include "InlineEditor.h"

#include <vector>

#include "MainWindow.h"

namespace ide::shell {

InlineEditor::~InlineEditor() { Closed(); }

void InlineEditor::Opened(const EditState& edit) {
  Closed();
  if (pane_ == nullptr) return;
  edit_ = CreateWindowExA(0, "Edit", edit.text.c_str(),
                          WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL, 0, 0,
                          400, 20, pane_, nullptr, ShellInstance(), nullptr);
  if (edit_ == nullptr) return;
  SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(edit.selStart), static_cast<LPARAM>(edit.selEnd));
  Focus();
}

void InlineEditor::TextChanged(const EditState& edit) {
  if (edit_ == nullptr) return;
  SetWindowTextA(edit_, edit.text.c_str());
  SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(edit.selStart), static_cast<LPARAM>(edit.selEnd));
}

void InlineEditor::SelectionChanged(const EditState& edit) {
  if (edit_ == nullptr) return;
  SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(edit.selStart), static_cast<LPARAM>(edit.selEnd));
}

void InlineEditor::Closed() {
  if (edit_ != nullptr) {
    HWND edit = edit_;
    edit_ = nullptr;
    if (IsWindow(edit)) {
      if (GetFocus() == edit && pane_ != nullptr && IsWindow(pane_)) SetFocus(pane_);
      DestroyWindow(edit);
    }
  }
}

std::string InlineEditor::Text() const {
  if (edit_ == nullptr) return {};
  int length = GetWindowTextLengthA(edit_);
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(edit_, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

void InlineEditor::Selection(int& start, int& end) const {
  DWORD s = 0, e = 0;
  if (edit_ != nullptr)
    SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  start = static_cast<int>(s);
  end = static_cast<int>(e);
}

void InlineEditor::Focus() const {
  // Only while the IDE is the active application: focusing a window of an
  // inactive application would activate it.
  if (edit_ != nullptr && GetActiveWindow() == GetAncestor(edit_, GA_ROOT)) SetFocus(edit_);
}

}  // namespace ide::shell
