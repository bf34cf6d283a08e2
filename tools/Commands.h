// The front end's subcommands: each one lives in a file of its own and adds
// itself to the command line with an Add...Command function listed here and
// in main.cpp's command table.
#pragma once

#include <CLI/CLI.hpp>

namespace olvcli {

// Exit codes of the front end.
enum ExitCode {
  kExitOk = 0,
  kExitFailure = 1,  // the command ran but could not do its work
  kExitUsage = 2,    // bad command line or unreadable input
};

// What the subcommand that ran leaves for main(): its exit code.
struct CommandResult {
  int exitCode = kExitOk;
};

// Adds one subcommand to `app`; its callback stores the exit code in `result`.
using AddCommandFn = void (*)(CLI::App& app, CommandResult& result);

void AddOutlineCommand(CLI::App& app, CommandResult& result);
void AddClassMateCommand(CLI::App& app, CommandResult& result);
void AddJumpCommand(CLI::App& app, CommandResult& result);
void AddFindCommand(CLI::App& app, CommandResult& result);
void AddSessionCommand(CLI::App& app, CommandResult& result);
void AddLspCommand(CLI::App& app, CommandResult& result);  // tools/lsp/, where the build has it

}  // namespace olvcli
