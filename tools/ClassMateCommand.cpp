// `olvaren classmate FILE CLASS [-I DIR]... [--no-links]`: opens an
// application in the stand-in IDE with the add-in loaded, marks one class
// definition (or the item on a given line) and runs the ClassMate tool; prints
// the report window, and the add-in's error box, if any, to standard error.
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "IdeSession.h"
#include "ItemLookup.h"
#include "OutputFormat.h"
#include "ide/outline/ItemTypes.h"
#include "ide/shell/Shell.h"
#include "standin.h"

namespace olvcli {
namespace {

// The tool entry's argument string: the tool module is named by its second token.
constexpr char kToolArguments[] = "Tools ClassMate";

struct ClassMateOptions {
  std::string file;
  std::string target;  // a class name, or ":N" for the item on line N of FILE
  std::vector<std::string> includeDirs;
  bool noLinks = false;
  OutputOptions output;
};

// ":N" with N a positive decimal number: true and the number. A target that
// starts with ':' but is no such number is an error, reported by the caller.
bool ParseLineTarget(const std::string& target, int& line) {
  if (target.size() < 2 || target.size() > 10) return false;
  long value = 0;
  for (size_t i = 1; i < target.size(); ++i) {
    if (target[i] < '0' || target[i] > '9') return false;
    value = value * 10 + (target[i] - '0');
  }
  if (value <= 0 || value > 0x7FFFFFFF) return false;
  line = static_cast<int>(value);
  return true;
}

// The first class definition named `name`, in outline order.
ide::ItemId FindClassDefinition(const ide::Outline& outline, const std::string& name) {
  for (ide::ItemId i = 0; i < outline.Count(); ++i) {
    if (!ide::IsClassDefinitionType(outline.Type(i)) || outline.Name(i) != name) continue;
    ide::ItemId parent = outline.Parent(i);
    if (parent != ide::kNoItem && outline.Type(parent) == ide::ItemType::ClassDefinitions) return i;
  }
  return ide::kNoItem;
}

int RunClassMate(ClassMateOptions& options) {
  if (!PrepareOutput(options.output)) return kExitUsage;
  if (options.target.empty()) {
    std::cerr << "classmate: CLASS is empty (expected a class name or :N)\n";
    return kExitUsage;
  }
  int line = 0;
  bool byLine = !options.target.empty() && options.target[0] == ':';
  if (byLine && !ParseLineTarget(options.target, line)) {
    std::cerr << "classmate: '" << options.target << "' is no line number (expected :N with N from 1)\n";
    return kExitUsage;
  }

  ide::shell::Shell shell;
  const ide::Outline* outline = nullptr;
  int failed = OpenInIde(shell, "classmate", options.file, options.includeDirs, outline);
  if (failed >= 0) return failed;

  std::string className, error;
  if (!byLine && !options.output.encoding.FromUtf8(options.target, className, error)) {
    std::cerr << "classmate: " << error << '\n';
    return kExitUsage;
  }
  ide::ItemId item = byLine ? FindItemOnLine(*outline, line) : FindClassDefinition(*outline, className);
  if (item == ide::kNoItem) {
    if (byLine)
      std::cerr << options.file << ':' << line << ": no outline item starts on this line\n";
    else
      std::cerr << options.file << ": no class definition named '" << options.target << "'\n";
    return kExitUsage;
  }
  shell.Mark(ide::ToItemHandle(item));

  standin::ClearMessageBoxes();
  if (!shell.RunTool(0, kToolArguments, kAddinDll)) {
    std::cerr << "classmate: " << kAddinDll << " has no tool entry\n";
    return kExitFailure;
  }

  std::string out;
  for (const ide::ReportLine& reportLine : shell.ReportLines()) {
    out += FormatReportOutput(reportLine, !options.noLinks, options.output);
    out += '\n';
  }
  std::cout << out << std::flush;
  std::vector<standin::MessageBoxRecord> boxes = standin::TakeMessageBoxes();
  for (const standin::MessageBoxRecord& box : boxes) std::cerr << box.caption << ": " << box.text << '\n';
  shell.Exit();
  if (!std::cout) return kExitFailure;
  return boxes.empty() ? kExitOk : kExitFailure;
}

}  // namespace

void AddClassMateCommand(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<ClassMateOptions>();
  CLI::App* cmd = app.add_subcommand(
      "classmate",
      "Run ClassMate on one class definition and print its class-hierarchy report as FILE:LINE: TEXT (tabs "
      "kept, line breaks inside a line as blanks)");
  cmd->add_option("FILE", options->file, "Application or library in text format")->required();
  cmd->add_option("CLASS", options->target,
                  "Name of the class definition to report (the first of that name), or :N for the item on line N")
      ->required();
  cmd->add_option("-I,--include-dir", options->includeDirs, "Folder to search for included libraries (repeatable)")
      ->allow_extra_args(false);
  cmd->add_flag("--no-links", options->noLinks, "Print the report lines without the FILE:LINE: of their items");
  AddOutputOptions(cmd, options->output);
  cmd->callback([options, &result] { result.exitCode = RunClassMate(*options); });
}

}  // namespace olvcli
