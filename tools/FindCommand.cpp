// `olvaren find PATH... PATTERN [-I DIR]... [options]`: opens each program
// in the stand-in IDE with the add-in loaded, marks the items on the given
// lines (one file only), opens the MassFinder dialog through the tool entry
// and uses it as a user would (pattern typed into the combo box, check boxes
// set, Find! clicked, the dialog closed); prints the report window. On one
// file the report is printed as the tool writes it; on several programs
// (folders searched for .app .apt .apl) each application is searched with
// its libraries, then each library that none of them includes, and every
// item's hit is printed once, sorted by file and then in the tools' walk
// order under one header and one count. Exit status as grep: 0 with at least
// one hit, 1 with none, 2 on bad input.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Codebase.h"
#include "Commands.h"
#include "DialogControls.h"
#include "EditPosition.h"
#include "IdeSession.h"
#include "ItemJson.h"
#include "OutputFormat.h"
#include "ide/shell/Shell.h"
#include "resources/resource.h"
#include "standin.h"

namespace olvcli {
namespace {

constexpr char kToolArguments[] = "Tools MassFinder";

struct FindOptions {
  std::vector<std::string> paths;
  std::string pattern;
  std::vector<std::string> includeDirs;
  std::vector<std::string> globs;
  std::vector<std::string> markedLines;  // as given: LINE or FILE:LINE
  bool matchCase = false;
  bool wholeWord = false;
  bool ignoreIncludes = false;
  bool ignoreComments = false;
  bool noLinks = false;
  bool column = false;
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

// One hit of a search over several programs, printed already.
struct Hit {
  std::string file;  // as printed, the first sort key
  size_t order;      // in the walks, the second
  std::string output;
};

class Search {
 public:
  explicit Search(FindOptions& options) : m_options(options) {}

  // Parses the pattern and the marks; -1, or the exit code after a message.
  int Prepare() {
    if (!PrepareOutput(m_options.output)) return kExitUsage;
    std::string error;
    if (!m_options.output.encoding.FromUtf8(m_options.pattern, m_rule.pattern, error)) {
      std::cerr << "find: " << error << '\n';
      return kExitUsage;
    }
    if (m_options.pattern.empty()) {
      std::cerr << "find: the pattern is empty\n";
      return kExitUsage;
    }
    m_rule.matchCase = m_options.matchCase;
    m_rule.wholeWord = m_options.wholeWord;
    m_style.rule = &m_rule;
    m_style.column = m_options.column;
    for (const std::string& text : m_options.markedLines) {
      ItemPlace place;
      if (!ParseItemPlace(text, place)) {
        std::cerr << "find: --marked " << text << ": no line number (LINE or FILE:LINE, lines count from 1)\n";
        return kExitUsage;
      }
      m_markedLines.push_back(place);
    }
    return -1;
  }

  // The report of one file, printed as the tool writes it.
  int RunOnFile(const std::string& file) {
    const ide::Outline* outline = nullptr;
    int started = OpenInIde(m_shell, "find", file, m_options.includeDirs, outline);
    if (started >= 0) return started;
    std::string error;
    started = MarkPlaces(m_shell, *outline, m_markedLines, error);
    if (started >= 0) {
      std::cerr << error << '\n';
      return started;
    }
    int failed = RunDialog();
    if (failed >= 0) return failed;
    const std::vector<ide::ReportLine>& lines = m_shell.ReportLines();
    int hits = SummaryCount(lines);
    std::string out;
    for (const ide::ReportLine& reportLine : lines) {
      out += Format(reportLine);
      out += '\n';
    }
    std::cout << out << std::flush;
    CloseDialog();
    m_shell.Exit();
    if (!std::cout || hits < 0) return kExitUsage;
    return hits > 0 ? kExitOk : kExitFailure;
  }

  // The hits in every program of the codebase, each once.
  int RunOnCodebase(const Codebase& codebase) {
    if (!m_markedLines.empty()) {
      std::cerr << "find: --marked needs one FILE (lines are lines of one file)\n";
      return kExitUsage;
    }
    int failed = StartIde(m_shell, "find");
    if (failed >= 0) return failed;
    const size_t total = codebase.applications.size() + codebase.libraries.size();
    size_t done = 0;
    ProgressLine progress;
    for (const std::string& file : codebase.applications) {
      progress.Show(++done, total, file);
      if ((failed = SearchProgram(file, progress)) >= 0) return failed;
      progress.Show(done, total, file);
    }
    for (const std::string& file : codebase.libraries) {
      progress.Show(++done, total, file);
      if (m_searchedFiles.count(FileKey(file)) != 0) continue;  // searched with an application
      if ((failed = SearchProgram(file, progress)) >= 0) return failed;
      progress.Show(done, total, file);
    }
    progress.Clear();
    m_shell.Exit();

    std::stable_sort(m_hits.begin(), m_hits.end(),
                     [](const Hit& a, const Hit& b) { return a.file != b.file ? a.file < b.file : a.order < b.order; });
    std::string out = Summary("Search Results for \"" + m_rule.pattern + "\"") + '\n' + Summary("") + '\n';
    for (const Hit& hit : m_hits) out += hit.output + '\n';
    out += Summary("") + '\n';
    out += Summary(std::to_string(m_hits.size()) + " Occurrences found for \"" + m_rule.pattern + "\"") + '\n';
    std::cout << out << std::flush;
    // As grep: a program that could not be read makes the run fail, hits or not.
    if (!std::cout || m_unreadable) return kExitUsage;
    return m_hits.empty() ? kExitFailure : kExitOk;
  }

 private:
  std::string Format(const ide::ReportLine& line) const {
    return FormatReportOutput(line, !m_options.noLinks, m_options.output, m_style);
  }

  // A report line that leads to no item, as the single-file report prints it.
  std::string Summary(const std::string& text) const {
    ide::ReportLine line;
    line.text = text;
    return Format(line);
  }

  // Opens the MassFinder dialog, types the pattern, sets the options and
  // clicks Find!; -1, or the exit code after a message.
  int RunDialog() {
    m_shell.Activate();
    if (!m_shell.RunTool(0, kToolArguments, kAddinDll)) {
      std::cerr << "find: " << kAddinDll << " has no tool entry\n";
      return kExitFailure;
    }
    m_shell.PumpMessages();
    m_dialog = FindMassFinderDialog();
    if (m_dialog == nullptr) {
      std::cerr << "find: the tool opened no \"Mass Finder\" dialog\n";
      return kExitFailure;
    }
    // The dialog has been activated (which set its controls from the
    // settings); now the user types the pattern, sets the options and clicks.
    SetPatternText(m_dialog, m_rule.pattern);
    SetCheckBox(DialogControl(m_dialog, IDC_MATCH_CASE), m_options.matchCase);
    SetCheckBox(DialogControl(m_dialog, IDC_WHOLE_WORD), m_options.wholeWord);
    SetCheckBox(DialogControl(m_dialog, IDC_IGNORE_INCLUDES), m_options.ignoreIncludes);
    SetCheckBox(DialogControl(m_dialog, IDC_ONLY_MARKED), !m_markedLines.empty());
    SetCheckBox(DialogControl(m_dialog, IDC_IGNORE_COMMENTS), m_options.ignoreComments);
    ClickButton(DialogControl(m_dialog, IDC_FIND));
    m_shell.PumpMessages();
    return -1;
  }

  void CloseDialog() {
    ClickButton(DialogControl(m_dialog, IDCANCEL));
    m_shell.PumpMessages();
  }

  // Opens one program and keeps its hits that no program before had; a
  // program that cannot be read is reported and skipped.
  int SearchProgram(const std::string& file, ProgressLine& progress) {
    progress.Clear();
    const ide::Outline* outline = nullptr;
    if (OpenProgram(m_shell, file, m_options.includeDirs, outline) >= 0) {
      m_unreadable = true;
      return -1;
    }
    int failed = -1;
    for (size_t i = 0; i < outline->FileCount(); ++i) m_searchedFiles.insert(FileKey(outline->FileAt(i).path));
    if ((failed = RunDialog()) >= 0) return failed;
    const ide::Ide& ide = ide::Ide::Instance();
    for (const ide::ReportLine& line : m_shell.ReportLines()) {
      if (!ide.IsValidItem(line.outline, line.item)) continue;
      const ide::ItemId item = ide::ToItemId(line.item);
      const std::string& path = outline->File(item).path;
      if (!m_reported.insert(FileKey(path) + ':' + std::to_string(outline->Line(item))).second) continue;
      m_hits.push_back({path, m_hits.size(), Format(line)});
    }
    CloseDialog();
    return -1;
  }

  FindOptions& m_options;
  MatchRule m_rule;
  HitStyle m_style;
  std::vector<ItemPlace> m_markedLines;
  ide::shell::Shell m_shell;
  HWND m_dialog = nullptr;
  std::set<std::string> m_searchedFiles;  // every file of the programs searched so far
  std::set<std::string> m_reported;       // FILE:LINE of the items reported
  std::vector<Hit> m_hits;
  bool m_unreadable = false;
};

int RunFind(FindOptions& options) {
  options.pattern = options.paths.back();
  options.paths.pop_back();
  Search search(options);
  int failed = search.Prepare();
  if (failed >= 0) return failed;
  Codebase codebase;
  std::string error;
  if (!CollectCodebase(options.paths, options.globs, codebase, error)) {
    std::cerr << "find: " << error << '\n';
    return kExitUsage;
  }
  if (codebase.singleFile) return search.RunOnFile(options.paths.front());
  return search.RunOnCodebase(codebase);
}

}  // namespace

void AddFindCommand(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<FindOptions>();
  CLI::App* cmd = app.add_subcommand(
      "find",
      "Search programs with MassFinder's dialog and print its report as FILE:LINE: TEXT. PATH is an "
      "application or library, or a folder searched recursively for .app, .apt and .apl files: each "
      "application is searched with its libraries, then each library that no searched application includes, "
      "and every hit is printed once, sorted by file. Exit status 0 with hits, 1 without, 2 on bad input. As the "
      "tool does, the search skips the items under a commented-out item (the comment itself is the hit). The "
      "search runs through the dialog, so it writes the recent patterns and the options to the add-in's "
      "settings file. A report line keeps its tabs; line breaks inside it become blanks");
  // One list whose last word is the pattern (CLI11 gives a list positional
  // every word, leaving none for a positional after it).
  cmd->add_option("PATH...PATTERN", options->paths,
                  "One or more applications, libraries or folders, then the text to search for")
      ->required()
      ->expected(2, -1);
  cmd->add_option("-I,--include-dir", options->includeDirs,
                  "Folder to search for included libraries after the including file's folder (repeatable)")
      ->allow_extra_args(false);
  cmd->add_option("-g,--glob", options->globs,
                  "Search only the folders' files that match GLOB, or skip those matching !GLOB (repeatable; "
                  "a GLOB without / matches file and folder names, one with / the path below PATH; "
                  "* ** ? [a-z])")
      ->allow_extra_args(false);
  cmd->add_flag("-s,--match-case", options->matchCase, "Match Case: letters must agree in case");
  cmd->add_flag("-w,--whole-word", options->wholeWord,
                "Match Whole Word: an occurrence must not touch a letter, digit or _ on either side");
  cmd->add_flag("--ignore-includes", options->ignoreIncludes,
                "Ignore Included Items: skip the items of included libraries");
  cmd->add_flag("--ignore-comments", options->ignoreComments, "Ignore Comments: skip comment items");
  cmd->add_option("--marked", options->markedLines,
                  "Mark the item that starts on this line of FILE, or on FILE:LINE of an included library (repeatable), and search "
                  "only the marked items")
      ->allow_extra_args(false);
  cmd->add_flag("--column", options->column,
                "Hit lines as FILE:LINE:COL: TEXT, COL the 1-based column of the first match in TEXT as printed "
                "(bytes, as ripgrep counts them; 1 when the match is not in the text shown)");
  cmd->add_flag("--no-links", options->noLinks, "Print the report lines without the FILE:LINE: of their items");
  AddOutputOptions(cmd, options->output);
  cmd->callback([options, &result] { result.exitCode = RunFind(*options); });
}

}  // namespace olvcli
