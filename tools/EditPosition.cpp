// Items, file columns and the inline editor's caret (see EditPosition.h).
#include "EditPosition.h"

#include <string_view>
#include <utility>
#include <vector>

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
  // The file's first line break tells how its lines end, as the reader
  // takes it: CR alone, else LF (a CR before it is dropped below).
  const size_t firstBreak = buffer.find_first_of("\r\n", start);
  const char lineEnd = firstBreak != std::string::npos && buffer[firstBreak] == '\r' &&
                               (firstBreak + 1 == buffer.size() || buffer[firstBreak + 1] != '\n')
                           ? '\r'
                           : '\n';
  for (int n = 1; start <= buffer.size(); ++n) {
    size_t end = buffer.find(lineEnd, start);
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

namespace {

// The lines of an item's shown text: where each starts and how long it is.
std::vector<std::pair<size_t, size_t>> TextLines(const std::string& text) {
  std::vector<std::pair<size_t, size_t>> lines;
  size_t start = 0;
  for (;;) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) break;
    lines.emplace_back(start, end - start);
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  lines.emplace_back(start, text.size() - start);
  return lines;
}

// Where `shown` stands on `fileLine`: after the blanks or tabs the reader
// dropped, the rest of the line (trailing blanks aside); npos when it does not.
size_t ShownAt(const std::string& fileLine, std::string_view shown) {
  for (size_t at = 0; at <= fileLine.size(); ++at) {
    if (fileLine.compare(at, shown.size(), shown) == 0 &&
        fileLine.find_first_not_of(" \t", at + shown.size()) == std::string::npos)
      return at;
    if (at == fileLine.size() || (fileLine[at] != ' ' && fileLine[at] != '\t')) break;
  }
  return std::string::npos;
}

// The main file's item whose text runs over `line`: the last one starting
// before it (items of the main file keep their file order).
ide::ItemId ItemOverLine(const ide::Outline& outline, int line) {
  const std::string& mainFile = outline.File(outline.Root()).path;
  ide::ItemId found = ide::kNoItem;
  for (ide::ItemId i = 0; i < outline.Count(); ++i) {
    if (outline.IsIncluded(i) || outline.File(i).path != mainFile || outline.Line(i) == 0) continue;
    if (outline.Line(i) < line && (found == ide::kNoItem || outline.Line(i) > outline.Line(found))) found = i;
  }
  return found;
}

}  // namespace

int FindEditPlace(const ide::Outline& outline, const std::string& file, int line, EditPlace& place,
                  std::string& error) {
  place = EditPlace();
  place.line = line;
  const std::string where = file + ':' + std::to_string(line) + ": ";
  std::string readError;
  if (!ReadFileLine(file, line, place.fileLine, readError)) {
    error = where + (FindItemOnLine(outline, line) == ide::kNoItem ? "no outline item starts on this line" : readError);
    return kExitUsage;
  }
  place.item = FindItemOnLine(outline, line);
  if (place.item != ide::kNoItem) {
    const std::string shown = outline.OutlineLine(place.item);
    place.textStart = ItemTextStart(place.fileLine);
    place.segmentLength = static_cast<int>(TextLines(shown).front().second);
    return -1;
  }
  // A continuation line: the line of the item's text it shows, counted from
  // the item's first line (a data block between them shifts it, so the text
  // is matched as well).
  place.item = ItemOverLine(outline, line);
  if (place.item != ide::kNoItem) {
    const std::string shown = outline.OutlineLine(place.item);
    const auto lines = TextLines(shown);
    const size_t guess = static_cast<size_t>(line - outline.Line(place.item));
    for (size_t pass = 0; pass < 2; ++pass) {
      for (size_t k = 1; k < lines.size(); ++k) {
        if (pass == 0 && k != guess) continue;
        const size_t at = ShownAt(place.fileLine, std::string_view(shown).substr(lines[k].first, lines[k].second));
        if (at == std::string::npos) continue;
        place.textStart = at;
        place.segmentStart = static_cast<int>(lines[k].first);
        place.segmentLength = static_cast<int>(lines[k].second);
        return -1;
      }
    }
  }
  place = EditPlace();
  error = where + "no outline item starts or continues on this line";
  return kExitUsage;
}

bool CaretForColumn(const EditPlace& place, const std::string& file, int& column, int& caret, std::string& error) {
  if (column == 0) column = static_cast<int>(place.textStart) + 1;
  if (static_cast<size_t>(column) > place.fileLine.size() + 1) {
    error = file + ':' + std::to_string(place.line) + ':' + std::to_string(column) + ": the line has only " +
            std::to_string(place.fileLine.size()) + " characters";
    return false;
  }
  caret = column - 1 - static_cast<int>(place.textStart);
  caret = caret < 0 ? 0 : (caret > place.segmentLength ? place.segmentLength : caret);
  caret += place.segmentStart;
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
