// Items, file columns and the inline editor's caret (see EditPosition.h).
#include "EditPosition.h"

#include "Commands.h"
#include "ItemLookup.h"
#include "ide/outline/TextDecoding.h"

namespace olvcli {
namespace {

// Line `number` (1-based) of the file, without its line end; false when the
// file cannot be read or is shorter.
bool ReadFileLine(const std::string& path, int number, std::string& text, std::string& error) {
  std::string buffer;
  size_t start = 0;
  if (!ide::ReadWholeFile(path, buffer, error) || !ide::DecodeOutlineText(buffer, start, error)) return false;
  for (int n = 1; start <= buffer.size(); ++n) {
    size_t end = buffer.find('\n', start);
    if (end == std::string::npos) end = buffer.size();
    if (n == number) {
      text = buffer.substr(start, end - start);
      if (!text.empty() && text.back() == '\r') text.pop_back();
      return true;
    }
    start = end + 1;
  }
  error = "the file has fewer lines";
  return false;
}

// Where the item's own text starts on its file line: after ".head N +  " or,
// in a tab-indented outline, after the indenting tabs.
size_t ItemTextStart(const std::string& fileLine) {
  size_t i = 0;
  if (fileLine.compare(0, 6, ".head ") == 0) {
    i = 6;
    while (i < fileLine.size() && fileLine[i] == ' ') ++i;
    while (i < fileLine.size() && fileLine[i] >= '0' && fileLine[i] <= '9') ++i;
    while (i < fileLine.size() && fileLine[i] == ' ') ++i;
    if (i < fileLine.size() && (fileLine[i] == '+' || fileLine[i] == '-')) ++i;
  }
  while (i < fileLine.size() && (fileLine[i] == ' ' || fileLine[i] == '\t')) ++i;
  return i;
}

}  // namespace

bool ParsePositive(const std::string& text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value > 0;
}

bool ParsePosition(const std::string& text, int& line, int& column) {
  size_t colon = text.find(':');
  column = 0;
  if (colon == std::string::npos) return ParsePositive(text, line);
  return ParsePositive(text.substr(0, colon), line) && ParsePositive(text.substr(colon + 1), column);
}

int FindEditPlace(const ide::Outline& outline, const std::string& file, int line, EditPlace& place,
                  std::string& error) {
  place = EditPlace();
  place.line = line;
  place.item = FindItemOnLine(outline, line);
  if (place.item == ide::kNoItem) {
    error = file + ':' + std::to_string(line) + ": no outline item starts on this line";
    return kExitUsage;
  }
  std::string readError;
  if (!ReadFileLine(file, line, place.fileLine, readError)) {
    error = file + ':' + std::to_string(line) + ": " + readError;
    return kExitUsage;
  }
  place.textStart = ItemTextStart(place.fileLine);
  std::string editText = outline.OutlineLine(place.item);
  size_t firstLineEnd = editText.find_first_of("\r\n");
  place.caretMax = static_cast<int>(firstLineEnd == std::string::npos ? editText.size() : firstLineEnd);
  return -1;
}

bool CaretForColumn(const EditPlace& place, const std::string& file, int& column, int& caret, std::string& error) {
  if (column == 0) column = static_cast<int>(place.textStart) + 1;
  if (static_cast<size_t>(column) > place.fileLine.size() + 1) {
    error = file + ':' + std::to_string(place.line) + ':' + std::to_string(column) + ": the line has only " +
            std::to_string(place.fileLine.size()) + " characters";
    return false;
  }
  caret = column - 1 - static_cast<int>(place.textStart);
  caret = caret < 0 ? 0 : (caret > place.caretMax ? place.caretMax : caret);
  return true;
}

bool OpenInlineEditor(ide::shell::Shell& shell, const EditPlace& place, int caret) {
  ide::ItemHandle item = ide::ToItemHandle(place.item);
  shell.SelectTreeItem(item);
  if (!shell.BeginEdit(item, caret)) return false;
  shell.PumpMessages();
  return true;
}

}  // namespace olvcli
