// Opening the inline editor the way the front end's commands name a place:
// a line of FILE that an item starts or continues on, and a column of that
// file line for the caret. The editor holds the item's line as the IDE shows
// it (ide::Outline::OutlineLine), so file columns map through that text.
// `olvaren jump` and the session's `edit` and `caret` use it.
#pragma once

#include <string>

#include "ide/shell/Shell.h"

namespace olvcli {

// A positive decimal number of at most nine digits.
bool ParsePositive(const std::string& text, int& value);
// LINE or LINE:COL, both from 1; column 0 when omitted.
bool ParsePosition(const std::string& text, int& line, int& column);

// The item being edited and one of its file lines, which maps file columns to
// caret positions in the editor.
struct EditPlace {
  ide::ItemId item = ide::kNoItem;
  int line = 0;
  std::string fileLine;  // without its line end
  size_t textStart = 0;  // where the shown text of this line starts on it
  int segmentStart = 0;  // where this line starts in the editor's text
  int segmentLength = 0;  // its length there, without the line end
};

// Finds the item that starts on `line` of `file`, or whose text continues on
// it, and reads that file line. Returns -1, or the exit code after `error`
// ("FILE:LINE: ...") is set.
int FindEditPlace(const ide::Outline& outline, const std::string& file, int line, EditPlace& place,
                  std::string& error);
// The caret before column `column` of the file line (0: the first character
// the IDE shows of it), clamped to that line of the item's text. False, with
// `error`, for a column beyond the line's end.
bool CaretForColumn(const EditPlace& place, const std::string& file, int& column, int& caret, std::string& error);
// The user clicks the item in the outline tree and opens it in the inline
// editor with the caret at `caret`. False when the editor would not open.
bool OpenInlineEditor(ide::shell::Shell& shell, const EditPlace& place, int caret);

}  // namespace olvcli
