// `olvaren outline FILE [-I DIR]...`: loads an application into the IDE and
// lists every item of its outline, included items too, in outline order.
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"
#include "ItemFormat.h"
#include "ItemJson.h"
#include "OutputFormat.h"
#include "ide/core/Ide.h"

namespace olvcli {
namespace {

struct OutlineOptions {
  std::string file;
  std::vector<std::string> includeDirs;
  OutputOptions output;
};

// FormatItem's line with its outline line (which ends it) in UTF-8.
std::string EncodedItemLine(const ide::Outline& outline, ide::ItemId item, const TextEncoding& encoding) {
  std::string line = FormatItem(outline, item);
  if (!encoding.IsSet()) return line;
  size_t textSize = OneLine(outline.OutlineLine(item)).size();
  return line.substr(0, line.size() - textSize) + encoding.ToUtf8(line.substr(line.size() - textSize));
}

int RunOutline(OutlineOptions& options) {
  if (!PrepareOutput(options.output)) return kExitUsage;
  const TextEncoding& encoding = options.output.encoding;
  ide::LoadOptions load;
  load.includeDirs = options.includeDirs;
  ide::Ide& ide = ide::Ide::Instance();
  ide::OutlineHandle handle = 0;
  ide::LoadStatus status = ide.OpenOutline(options.file, load, &handle);
  for (const std::string& warning : status.warnings) std::cerr << "warning: " << warning << '\n';
  if (!status) {
    std::cerr << status.Message() << '\n';
    return kExitUsage;
  }
  const ide::Outline* outline = ide.GetOutline(handle);
  if (outline == nullptr) {
    std::cerr << options.file << ": the IDE did not keep the loaded outline\n";
    return kExitFailure;
  }
  std::string out;
  for (ide::ItemId i = 0; i < outline->Count(); ++i) {
    out += options.output.json ? FormatItemJson(*outline, i, &encoding) : EncodedItemLine(*outline, i, encoding);
    out += '\n';
    if (out.size() > (1u << 16)) {
      std::cout << out;
      out.clear();
    }
  }
  std::cout << out << std::flush;
  ide.CloseOutline(handle);
  return std::cout ? kExitOk : kExitFailure;
}

}  // namespace

void AddOutlineCommand(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<OutlineOptions>();
  CLI::App* cmd = app.add_subcommand(
      "outline", "List every outline item as FILE:LINE: LEVEL TYPE OUTLINE-LINE, included items too");
  cmd->add_option("FILE", options->file, "Application or library in text format")->required();
  cmd->add_option("-I,--include-dir", options->includeDirs, "Folder to search for included libraries (repeatable)")
      ->allow_extra_args(false);
  cmd->add_flag("--json", options->output.json,
                "One JSON object per item instead: file, line, level, type, title, text, name, object_class, "
                "included, including (bytes above 127 as the code points of the same value)");
  AddOutputOptions(cmd, options->output, false);
  cmd->callback([options, &result] { result.exitCode = RunOutline(*options); });
}

}  // namespace olvcli
