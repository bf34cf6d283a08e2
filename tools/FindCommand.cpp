// `olvaren find FILE PATTERN [-I DIR]... [options]`: opens an application in
// the stand-in IDE with the add-in loaded, marks the items on the given
// lines, opens the MassFinder dialog through the tool entry and uses it as a
// user would (pattern typed into the combo box, check boxes set, Find!
// clicked, the dialog closed); prints the report window. Exit status as
// grep: 0 with at least one hit, 1 with none, 2 on bad input.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "IdeSession.h"
#include "DialogControls.h"
#include "EditPosition.h"
#include "OutputFormat.h"
#include "ide/shell/Shell.h"
#include "resources/resource.h"
#include "standin.h"

namespace olvcli {
namespace {

constexpr char kToolArguments[] = "Tools MassFinder";

struct FindOptions {
  std::string file;
  std::string pattern;
  std::vector<std::string> includeDirs;
  std::vector<std::string> markedLines;  // as given: LINE or FILE:LINE
  bool matchCase = false;
  bool wholeWord = false;
  bool ignoreIncludes = false;
  bool ignoreComments = false;
  bool noLinks = false;
  OutputOptions output;
};

// The count of the report's summary line ("N Occurrences found for ..."),
// -1 when the report has none.
int SummaryCount(const std::vector<ide::ReportLine>& lines) {
  if (lines.empty()) return -1;
  int count = -1;
  char rest[32] = {};
  if (std::sscanf(lines.back().text.c_str(), "%d Occurrences foun%1s", &count, rest) != 2) return -1;
  return count;
}

int RunFind(FindOptions& options) {
  if (!PrepareOutput(options.output)) return kExitUsage;
  std::string pattern, error;
  if (!options.output.encoding.FromUtf8(options.pattern, pattern, error)) {
    std::cerr << "find: " << error << '\n';
    return kExitUsage;
  }
  if (options.pattern.empty()) {
    std::cerr << "find: the pattern is empty\n";
    return kExitUsage;
  }
  std::vector<ItemPlace> marked;
  for (const std::string& text : options.markedLines) {
    ItemPlace place;
    if (!ParseItemPlace(text, place)) {
      std::cerr << "find: --marked " << text << ": no line number (LINE or FILE:LINE, lines count from 1)\n";
      return kExitUsage;
    }
    marked.push_back(place);
  }

  ide::shell::Shell shell;
  const ide::Outline* outline = nullptr;
  int started = OpenInIde(shell, "find", options.file, options.includeDirs, outline);
  if (started >= 0) return started;
  started = MarkPlaces(shell, *outline, marked, error);
  if (started >= 0) {
    std::cerr << error << '\n';
    return started;
  }

  shell.Activate();
  if (!shell.RunTool(0, kToolArguments, kAddinDll)) {
    std::cerr << "find: " << kAddinDll << " has no tool entry\n";
    return kExitFailure;
  }
  shell.PumpMessages();
  HWND dialog = FindMassFinderDialog();
  if (dialog == nullptr) {
    std::cerr << "find: the tool opened no \"Mass Finder\" dialog\n";
    return kExitFailure;
  }

  // The dialog has been activated (which set its controls from the
  // settings); now the user types the pattern, sets the options and clicks.
  SetPatternText(dialog, pattern);
  SetCheckBox(DialogControl(dialog, IDC_MATCH_CASE), options.matchCase);
  SetCheckBox(DialogControl(dialog, IDC_WHOLE_WORD), options.wholeWord);
  SetCheckBox(DialogControl(dialog, IDC_IGNORE_INCLUDES), options.ignoreIncludes);
  SetCheckBox(DialogControl(dialog, IDC_ONLY_MARKED), !options.markedLines.empty());
  SetCheckBox(DialogControl(dialog, IDC_IGNORE_COMMENTS), options.ignoreComments);
  ClickButton(DialogControl(dialog, IDC_FIND));
  shell.PumpMessages();

  const std::vector<ide::ReportLine>& lines = shell.ReportLines();
  int hits = SummaryCount(lines);
  std::string out;
  for (const ide::ReportLine& reportLine : lines) {
    out += FormatReportOutput(reportLine, !options.noLinks, options.output);
    out += '\n';
  }
  std::cout << out << std::flush;

  ClickButton(DialogControl(dialog, IDCANCEL));
  shell.PumpMessages();
  shell.Exit();
  if (!std::cout || hits < 0) return kExitUsage;
  return hits > 0 ? kExitOk : kExitFailure;
}

}  // namespace

void AddFindCommand(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<FindOptions>();
  CLI::App* cmd = app.add_subcommand(
      "find",
      "Search the outline with MassFinder's dialog and print its report as FILE:LINE: TEXT. Exit status 0 with "
      "hits, 1 without, 2 on bad input. The search runs through the dialog, so, as the tool does, it writes the "
      "recent patterns and the options to the add-in's settings file. A report line keeps its tabs; line breaks "
      "inside it become blanks");
  cmd->add_option("FILE", options->file, "Application or library in text format")->required();
  cmd->add_option("PATTERN", options->pattern, "The text to search for")->required();
  cmd->add_option("-I,--include-dir", options->includeDirs, "Folder to search for included libraries (repeatable)")
      ->allow_extra_args(false);
  cmd->add_flag("--match-case", options->matchCase, "Match Case: letters must agree in case");
  cmd->add_flag("--whole-word", options->wholeWord,
                "Match Whole Word: an occurrence must not touch a letter, digit or _ on either side");
  cmd->add_flag("--ignore-includes", options->ignoreIncludes,
                "Ignore Included Items: skip the items of included libraries");
  cmd->add_flag("--ignore-comments", options->ignoreComments, "Ignore Comments: skip comment items");
  cmd->add_option("--marked", options->markedLines,
                  "Mark the item that starts on this line of FILE, or on FILE:LINE of an included library (repeatable), and search "
                  "only the marked items")
      ->allow_extra_args(false);
  cmd->add_flag("--no-links", options->noLinks, "Print the report lines without the FILE:LINE: of their items");
  AddOutputOptions(cmd, options->output);
  cmd->callback([options, &result] { result.exitCode = RunFind(*options); });
}

}  // namespace olvcli
