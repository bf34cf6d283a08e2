// `olvaren classmate PATH CLASS [-I DIR]... [--no-links]`: opens an
// application in the stand-in IDE with the add-in loaded, marks one class
// definition (or the item on a given line) and runs the ClassMate tool; prints
// the report window, and the add-in's error box, if any, to standard error.
// PATH may be a folder: the class is looked for in its programs (as `find`
// takes them) and reported in the first that defines it.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Codebase.h"
#include "Commands.h"
#include "IdeSession.h"
#include "ItemJson.h"
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
  std::vector<std::string> globs;
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

// With JSON, what a report line is in the report's structure, as members
// added to its object: "kind" ("class", "base", "derived", or null for the
// rule, the headings and notes), "level" (a base's: 1 for a direct base, 2
// for its bases ...; 0 for the class, 1 for a derived class) and "class"
// (the class's name).
std::string StructureJson(const ide::ReportLine& line, const char*& section, const TextEncoding& encoding) {
  const ide::Ide& ide = ide::Ide::Instance();
  if (line.text.compare(0, 13, "Base Classes:") == 0) section = "base";
  if (line.text.compare(0, 16, "Derived Classes:") == 0) section = "derived";
  if (!ide.IsValidItem(line.outline, line.item)) return ",\"kind\":null,\"level\":null,\"class\":null";
  const ide::Outline& outline = *ide.GetOutline(line.outline);
  const ide::ItemId item = ide::ToItemId(line.item);
  const char* kind = section == nullptr ? "class" : section;
  int level = 0;
  if (section != nullptr) {
    // The report indents a line three blanks, a base three more per level.
    size_t blanks = line.text.find_first_not_of(' ');
    level = blanks == std::string::npos || blanks < 3 ? 1 : static_cast<int>(blanks / 3);
  }
  return std::string(",\"kind\":\"") + kind + "\",\"level\":" + std::to_string(level) +
         ",\"class\":" + JsonText(outline.Name(item), &encoding);
}

// The first program of the folder that defines the class, opened in `shell`;
// -1, or the exit code after a message.
int OpenDefiningProgram(ide::shell::Shell& shell, const ClassMateOptions& options, const std::string& className,
                        const ide::Outline*& outline, ide::ItemId& item) {
  Codebase codebase;
  std::string error;
  if (!CollectCodebase({options.file}, options.globs, codebase, error)) {
    std::cerr << "classmate: " << error << '\n';
    return kExitUsage;
  }
  int failed = StartIde(shell, "classmate");
  if (failed >= 0) return failed;
  std::vector<std::string> programs = codebase.applications;
  programs.insert(programs.end(), codebase.libraries.begin(), codebase.libraries.end());
  for (const std::string& program : programs) {
    if (OpenProgram(shell, program, options.includeDirs, outline) >= 0) continue;
    item = FindClassDefinition(*outline, className);
    if (item != ide::kNoItem) return -1;
  }
  std::cerr << options.file << ": no class " << options.target << '\n';
  return kExitFailure;
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

  std::string className, error;
  if (!byLine && !options.output.encoding.FromUtf8(options.target, className, error)) {
    std::cerr << "classmate: " << error << '\n';
    return kExitUsage;
  }
  ide::shell::Shell shell;
  const ide::Outline* outline = nullptr;
  ide::ItemId item = ide::kNoItem;
  std::error_code ec;
  if (std::filesystem::is_directory(options.file, ec)) {
    if (byLine) {
      std::cerr << "classmate: " << options.file << ": :N names a line of one file, not of a folder\n";
      return kExitUsage;
    }
    int failed = OpenDefiningProgram(shell, options, className, outline, item);
    if (failed >= 0) return failed;
  } else {
    int failed = OpenInIde(shell, "classmate", options.file, options.includeDirs, outline);
    if (failed >= 0) return failed;
    item = byLine ? FindItemOnLine(*outline, line) : FindClassDefinition(*outline, className);
    if (item == ide::kNoItem) {
      if (byLine) {
        std::cerr << options.file << ':' << line << ": no outline item starts on this line\n";
        return kExitUsage;
      }
      std::cerr << options.file << ": no class " << options.target << '\n';
      return kExitFailure;
    }
  }
  shell.Mark(ide::ToItemHandle(item));

  standin::ClearMessageBoxes();
  if (!shell.RunTool(0, kToolArguments, kAddinDll)) {
    std::cerr << "classmate: " << kAddinDll << " has no tool entry\n";
    return kExitFailure;
  }

  std::string out;
  const char* section = nullptr;
  for (const ide::ReportLine& reportLine : shell.ReportLines()) {
    std::string printed = FormatReportOutput(reportLine, !options.noLinks, options.output);
    if (options.output.json) {
      printed.pop_back();  // the object's '}'
      printed += StructureJson(reportLine, section, options.output.encoding) + '}';
    }
    out += printed + '\n';
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
      "kept, line breaks inside a line as blanks). Exit status 0 with a report, 1 when there is no such class "
      "or the tool shows an error box, 2 on bad input");
  cmd->add_option("PATH", options->file,
                  "Application or library in text format, or a folder: the first of its programs (applications, "
                  "then libraries, sorted by path) that defines CLASS")
      ->required();
  cmd->add_option("CLASS", options->target,
                  "Name of the class definition to report (the first of that name), or :N for the item on line N "
                  "of a file")
      ->required();
  cmd->add_option("-g,--glob", options->globs, "Narrow a folder's files as find's --glob does (repeatable)")
      ->allow_extra_args(false);
  cmd->add_option("-I,--include-dir", options->includeDirs, "Folder to search for included libraries (repeatable)")
      ->allow_extra_args(false);
  cmd->add_flag("--no-links", options->noLinks, "Print the report lines without the FILE:LINE: of their items");
  AddOutputOptions(cmd, options->output);
  cmd->callback([options, &result] { result.exitCode = RunClassMate(*options); });
}

}  // namespace olvcli
