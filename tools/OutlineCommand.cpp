// `olvaren outline PATH... [-I DIR]...`: loads an application into the IDE
// and lists every item of its outline, included items too, in outline order.
// On folders (or several paths) it lists each program as `find` searches
// them: each application with its libraries, then each library that none of
// them includes; an item of a library reached twice is listed once.
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "Codebase.h"
#include "Commands.h"
#include "ItemFormat.h"
#include "ItemJson.h"
#include "ItemTypeNames.h"
#include "LoadWarnings.h"
#include "OutputFormat.h"
#include "ide/core/Ide.h"

namespace olvcli {
namespace {

struct OutlineOptions {
  std::vector<std::string> paths;
  std::vector<std::string> includeDirs;
  std::vector<std::string> globs;
  OutputOptions output;
};

// FormatItem's line with its outline line (which ends it) in UTF-8.
std::string EncodedItemLine(const ide::Outline& outline, ide::ItemId item, const TextEncoding& encoding) {
  std::string line = FormatItem(outline, item);
  if (!encoding.IsSet()) return line;
  size_t textSize = OneLine(outline.OutlineLine(item)).size();
  return line.substr(0, line.size() - textSize) + encoding.ToUtf8(line.substr(line.size() - textSize));
}

// Lists the items of one program that `listed` does not hold yet (all of
// them when it is null). -1, or the exit code after a message.
int ListProgram(const std::string& file, const OutlineOptions& options, std::set<std::string>* listed,
                std::set<std::string>* loadedFiles) {
  const TextEncoding& encoding = options.output.encoding;
  ide::LoadOptions load;
  load.includeDirs = options.includeDirs;
  ide::Ide& ide = ide::Ide::Instance();
  ide::OutlineHandle handle = 0;
  ide::LoadStatus status = ide.OpenOutline(file, load, &handle);
  PrintLoadWarnings(status.warnings, std::cerr);
  if (!status) {
    std::cerr << status.Message() << '\n';
    return kExitUsage;
  }
  const ide::Outline* outline = ide.GetOutline(handle);
  if (outline == nullptr) {
    std::cerr << file << ": the IDE did not keep the loaded outline\n";
    return kExitFailure;
  }
  if (loadedFiles != nullptr)
    for (size_t i = 0; i < outline->FileCount(); ++i) loadedFiles->insert(FileKey(outline->FileAt(i).path));
  std::string out;
  for (ide::ItemId i = 0; i < outline->Count(); ++i) {
    if (listed != nullptr &&
        !listed->insert(FileKey(outline->File(i).path) + ':' + std::to_string(outline->Line(i))).second)
      continue;
    out += options.output.json ? FormatItemJson(*outline, i, &encoding, ItemTypeName) : EncodedItemLine(*outline, i, encoding);
    out += '\n';
    if (out.size() > (1u << 16)) {
      std::cout << out;
      out.clear();
    }
  }
  std::cout << out << std::flush;
  ide.CloseOutline(handle);
  return std::cout ? -1 : kExitFailure;
}

int RunOutline(OutlineOptions& options) {
  if (!PrepareOutput(options.output)) return kExitUsage;
  Codebase codebase;
  std::string error;
  if (!CollectCodebase(options.paths, options.globs, codebase, error)) {
    std::cerr << "outline: " << error << '\n';
    return kExitUsage;
  }
  if (codebase.singleFile) {
    int failed = ListProgram(options.paths.front(), options, nullptr, nullptr);
    return failed >= 0 ? failed : kExitOk;
  }
  std::set<std::string> listed, loadedFiles;
  int exitCode = kExitOk;
  for (const std::string& file : codebase.applications) {
    int failed = ListProgram(file, options, &listed, &loadedFiles);
    if (failed >= 0) exitCode = failed;
  }
  for (const std::string& file : codebase.libraries) {
    if (loadedFiles.count(FileKey(file)) != 0) continue;
    int failed = ListProgram(file, options, &listed, &loadedFiles);
    if (failed >= 0) exitCode = failed;
  }
  return exitCode;
}

}  // namespace

void AddOutlineCommand(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<OutlineOptions>();
  CLI::App* cmd = app.add_subcommand(
      "outline",
      "List every outline item as FILE:LINE: LEVEL TYPE OUTLINE-LINE, included items too; on folders each "
      "application with its libraries, then each library no application includes, every item once");
  cmd->add_option("PATH", options->paths,
                  "Application or library in text format, or a folder searched for .app, .apt and .apl files "
                  "(one or more)")
      ->required();
  cmd->add_option("-g,--glob", options->globs, "Narrow the folders' files as find's --glob does (repeatable)")
      ->allow_extra_args(false);
  cmd->add_option("-I,--include-dir", options->includeDirs, "Folder to search for included libraries (repeatable)")
      ->allow_extra_args(false);
  cmd->add_flag("--json", options->output.json,
                "One JSON object per item instead: file, line, level, type, type_name, title, text, name, "
                "object_class, included, including (bytes above 127 as the code points of the same value)");
  AddOutputOptions(cmd, options->output, false);
  cmd->callback([options, &result] { result.exitCode = RunOutline(*options); });
}

}  // namespace olvcli
