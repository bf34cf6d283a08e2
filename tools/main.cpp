// olvaren: the command-line front end of the stand-in IDE. Each subcommand
// comes from its own file; main() only builds the command line and runs it,
// and ends every command the same way on a write error or when memory runs
// out.
#include <iostream>
#include <new>

#include "BinaryStdio.h"
#include "Commands.h"
#include "LoadWarnings.h"
#include "StandardStreams.h"
#include "TraceOption.h"

namespace {

// Every subcommand of the front end, in the order `--help` lists them.
const olvcli::AddCommandFn kCommands[] = {
    olvcli::AddOutlineCommand,
    olvcli::AddClassMateCommand,
    olvcli::AddJumpCommand,
    olvcli::AddFindCommand,
    olvcli::AddSessionCommand,
#ifdef OLVAREN_LSP
    olvcli::AddLspCommand,
#endif
};

int Run(int argc, char** argv) {
  CLI::App app{"Olvaren front end: runs Team Developer outlines through the stand-in IDE", "olvaren"};
  // Options are "-x" and "--x" on every system: a path beginning with "/"
  // stays a path, also on Windows (where CLI11 would take "/x" for an option).
  // Set before the subcommands are added, which copy it.
  app.allow_windows_style_options(false);
  app.require_subcommand(1);
  // The front end's own options may also follow the command's.
  app.fallthrough();
  app.set_version_flag("-V,--version", "olvaren " OLVAREN_VERSION);
  olvcli::CommandResult result;
  for (olvcli::AddCommandFn add : kCommands) add(app, result);
  bool trace = false;
  olvcli::AddTraceOption(app, trace);
  olvcli::AddQuietOption(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);  // prints the message and the usage hint to stderr
    return olvcli::kExitUsage;
  }
  if (trace)
    olvcli::PrintTrace(std::cerr);
  else
    olvcli::PrintSettingsMessages(std::cerr);
  return result.exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  olvcli::UseBinaryStdio();
  olvcli::UseCheckedStreams();
  int exitCode = olvcli::kExitUsage;
  try {
    exitCode = Run(argc, argv);
  } catch (const std::bad_alloc&) {
    // An input that needs more memory than the program may have.
    std::cout.flush();
    std::cerr << "olvaren: out of memory (the input needs more than the memory this program may use)\n";
    return olvcli::kExitUsage;
  }
  std::string reason;
  if (!olvcli::OutputWritten(reason)) return olvcli::ReportWriteError(reason);
  return exitCode;
}
