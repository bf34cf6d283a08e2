// Opening the inline editor the way the front end's commands name a place:
// the line of FILE on which an item starts, and a column of that file line
// for the caret. `olvaren jump` and the session's `edit` and `caret` use it.
#pragma once

#include <string>

#include "ide/shell/Shell.h"

namespace olvcli {

// A positive decimal number of at most nine digits.
bool ParsePositive(const std::string& text, int& value);
// LINE or LINE:COL, both from 1; column 0 when omitted.
bool ParsePosition(const std::string& text, int& line, int& column);

// The item being edited and its file line, which maps file columns to caret
// positions in the editor.
struct EditPlace {
  ide::ItemId item = ide::kNoItem;
  int line = 0;
  std::string fileLine;  // without its line end
  size_t textStart = 0;  // where the item's own text starts on it
  int caretMax = 0;      // the end of the first line of the item's text
};

// Finds the item that starts on `line` of `file` and reads that file line.
// Returns -1, or the exit code after `error` ("FILE:LINE: ...") is set.
int FindEditPlace(const ide::Outline& outline, const std::string& file, int line, EditPlace& place,
                  std::string& error);
// The caret before column `column` of the file line (0: the item's first
// character), clamped to the first line of the item's text. False, with
// `error`, for a column beyond the line's end.
bool CaretForColumn(const EditPlace& place, const std::string& file, int& column, int& caret, std::string& error);
// The user clicks the item in the outline tree and opens it in the inline
// editor with the caret at `caret`. False when the editor would not open.
bool OpenInlineEditor(ide::shell::Shell& shell, const EditPlace& place, int caret);

}  // namespace olvcli
