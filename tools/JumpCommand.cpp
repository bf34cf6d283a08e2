// `olvaren jump FILE LINE[:COL] [-I DIR]... [--no-links] [--back]`: opens an
// application in the stand-in IDE with the add-in loaded, opens the inline
// editor on the item that starts on LINE with the caret before column COL of
// that file line, presses F2 and prints the item the IDE then shows; with
// --back it then presses Ctrl+F2 and prints the line shown after that.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "IdeSession.h"
#include "ItemFormat.h"
#include "ItemLookup.h"
#include "ide/outline/TextDecoding.h"
#include "ide/shell/Shell.h"

namespace olvcli {
namespace {

struct JumpOptions {
  std::string file;
  std::string position;  // LINE or LINE:COL
  std::vector<std::string> includeDirs;
  bool noLinks = false;
  bool back = false;
};

// A positive decimal number of at most nine digits.
bool ParsePositive(const std::string& text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value > 0;
}

// LINE or LINE:COL; column 0 when omitted.
bool ParsePosition(const std::string& text, int& line, int& column) {
  size_t colon = text.find(':');
  column = 0;
  if (colon == std::string::npos) return ParsePositive(text, line);
  return ParsePositive(text.substr(0, colon), line) && ParsePositive(text.substr(colon + 1), column);
}

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

// Counts the items the IDE's outline editor is made to show.
class ShownItems : public ide::IdeObserver {
 public:
  ShownItems() { ide::Ide::Instance().AddObserver(this); }
  ~ShownItems() override { ide::Ide::Instance().RemoveObserver(this); }
  void CurrentItemChanged(ide::OutlineHandle, ide::ItemHandle) override { ++count; }
  int count = 0;
};

// "FILE:LINE: OUTLINE-LINE" of the item the IDE shows (without the location
// when links are off).
std::string ShownLine(bool links) {
  const ide::Ide& ide = ide::Ide::Instance();
  if (!ide.IsValidItem(ide.CurrentOutline(), ide.CurrentItem())) return "(nothing shown)";
  const ide::Outline& outline = *ide.GetOutline(ide.CurrentOutline());
  ide::ItemId item = ide::ToItemId(ide.CurrentItem());
  std::string text;
  if (links) text = outline.File(item).path + ':' + std::to_string(outline.Line(item)) + ": ";
  return text + OneLine(outline.OutlineLine(item));
}

int RunJump(const JumpOptions& options) {
  int line = 0, column = 0;
  if (!ParsePosition(options.position, line, column)) {
    std::cerr << "jump: '" << options.position << "' is no position (expected LINE or LINE:COL, both from 1)\n";
    return kExitUsage;
  }

  ide::shell::Shell shell;
  const ide::Outline* outline = nullptr;
  int failed = OpenInIde(shell, "jump", options.file, options.includeDirs, outline);
  if (failed >= 0) return failed;
  ide::ItemId item = FindItemOnLine(*outline, line);
  if (item == ide::kNoItem) {
    std::cerr << options.file << ':' << line << ": no outline item starts on this line\n";
    return kExitUsage;
  }

  // The caret: before the character at COL of the file line, within the
  // first line of the item's text.
  std::string fileLine, error;
  if (!ReadFileLine(options.file, line, fileLine, error)) {
    std::cerr << options.file << ':' << line << ": " << error << '\n';
    return kExitUsage;
  }
  size_t textStart = ItemTextStart(fileLine);
  if (column == 0) column = static_cast<int>(textStart) + 1;
  if (static_cast<size_t>(column) > fileLine.size() + 1) {
    std::cerr << options.file << ':' << line << ':' << column << ": the line has only " << fileLine.size()
              << " characters\n";
    return kExitUsage;
  }
  std::string editText = outline->OutlineLine(item);
  size_t firstLineEnd = editText.find_first_of("\r\n");
  int caretMax = static_cast<int>(firstLineEnd == std::string::npos ? editText.size() : firstLineEnd);
  int caret = column - 1 - static_cast<int>(textStart);
  caret = caret < 0 ? 0 : (caret > caretMax ? caretMax : caret);

  // The user activates the IDE, clicks the line and opens it for editing.
  shell.Activate();
  ide::ItemHandle start = ide::ToItemHandle(item);
  shell.SelectTreeItem(start);
  if (!shell.BeginEdit(start, caret)) {
    std::cerr << options.file << ':' << line << ": the line cannot be opened in the inline editor\n";
    return kExitFailure;
  }
  shell.PumpMessages();

  ShownItems shown;
  shell.PressKey(VK_F2);
  if (shown.count == 0) {
    std::cerr << options.file << ':' << line << ':' << column << ": no declaration found\n";
    return kExitFailure;
  }
  std::string out = ShownLine(!options.noLinks) + '\n';

  int result = kExitOk;
  if (options.back) {
    shell.PressKey(VK_F2, ide::shell::kModCtrl);
    out += ShownLine(!options.noLinks) + '\n';
    const ide::Ide& ide = ide::Ide::Instance();
    if (ide.CurrentOutline() != shell.Application() || ide.CurrentItem() != start) {
      std::cerr << options.file << ':' << line << ": Ctrl+F2 did not return to the line started from\n";
      result = kExitFailure;
    }
  }
  std::cout << out << std::flush;
  shell.Exit();
  if (!std::cout) return kExitFailure;
  return result;
}

}  // namespace

void AddJumpCommand(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<JumpOptions>();
  CLI::App* cmd = app.add_subcommand(
      "jump", "Press F2 in the inline editor on a line and print the declaration the IDE then shows");
  cmd->add_option("FILE", options->file, "Application or library in text format")->required();
  cmd->add_option("LINE[:COL]", options->position,
                  "Line of FILE on which the edited item starts, and the column of the caret (1-based; "
                  "default: the item's first character)")
      ->required();
  cmd->add_option("-I,--include-dir", options->includeDirs, "Folder to search for included libraries (repeatable)")
      ->allow_extra_args(false);
  cmd->add_flag("--no-links", options->noLinks, "Print the outline lines without their FILE:LINE:");
  cmd->add_flag("--back", options->back, "After the jump press Ctrl+F2 and print the line shown then too");
  cmd->callback([options, &result] { result.exitCode = RunJump(*options); });
}

}  // namespace olvcli
