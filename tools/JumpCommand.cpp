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
#include "EditPosition.h"
#include "OutputFormat.h"
#include "ide/shell/Shell.h"

namespace olvcli {
namespace {

struct JumpOptions {
  std::string file;
  std::string position;  // LINE or LINE:COL
  std::vector<std::string> includeDirs;
  bool noLinks = false;
  bool back = false;
  OutputOptions output;
};

int RunJump(JumpOptions& options) {
  if (!PrepareOutput(options.output)) return kExitUsage;
  int line = 0, column = 0;
  if (!ParsePosition(options.position, line, column)) {
    std::cerr << "jump: '" << options.position << "' is no position (expected LINE or LINE:COL, both from 1)\n";
    return kExitUsage;
  }

  ide::shell::Shell shell;
  const ide::Outline* outline = nullptr;
  int failed = OpenInIde(shell, "jump", options.file, options.includeDirs, outline);
  if (failed >= 0) return failed;
  EditPlace place;
  std::string error;
  failed = FindEditPlace(*outline, options.file, line, place, error);
  int caret = 0;
  if (failed < 0 && !CaretForColumn(place, options.file, column, caret, error)) failed = kExitUsage;
  if (failed >= 0) {
    std::cerr << error << '\n';
    return failed;
  }

  // The user activates the IDE, clicks the line and opens it for editing.
  shell.Activate();
  if (!OpenInlineEditor(shell, place, caret)) {
    std::cerr << options.file << ':' << line << ": the line cannot be opened in the inline editor\n";
    return kExitFailure;
  }

  ShownItems shown;
  shell.PressKey(VK_F2);
  if (shown.count == 0) {
    std::cerr << options.file << ':' << line << ':' << column << ": no declaration found\n";
    return kExitFailure;
  }
  const OutputOptions& output = options.output;
  std::string out, json;
  if (output.json) {
    json = "{\"source\":" + ItemObjectJson(*outline, place.item, output.encoding);
    json.insert(json.size() - 1, ",\"column\":" + std::to_string(column));
    json += ",\"target\":" + FormatShownItem(true, output);
  } else {
    out = FormatShownItem(!options.noLinks, output) + '\n';
  }

  int result = kExitOk;
  if (options.back) {
    shell.PressKey(VK_F2, ide::shell::kModCtrl);
    if (output.json)
      json += ",\"back\":" + FormatShownItem(true, output);
    else
      out += FormatShownItem(!options.noLinks, output) + '\n';
    const ide::Ide& ide = ide::Ide::Instance();
    if (ide.CurrentOutline() != shell.Application() || ide.CurrentItem() != ide::ToItemHandle(place.item)) {
      std::cerr << options.file << ':' << line << ": Ctrl+F2 did not return to the line started from\n";
      result = kExitFailure;
    }
  }
  if (output.json) out = json + "}\n";
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
  AddOutputOptions(cmd, options->output);
  cmd->callback([options, &result] { result.exitCode = RunJump(*options); });
}

}  // namespace olvcli
