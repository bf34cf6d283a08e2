// `olvaren lsp [--encoding NAME] [-I DIR]...`: the language server on
// standard input and output (see LspServer.h).
#include <unistd.h>

#include <memory>

#include "Commands.h"
#include "lsp/LspServer.h"

namespace olvcli {

void AddLspCommand(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<lsp::ServerOptions>();
  CLI::App* cmd = app.add_subcommand(
      "lsp",
      "Serve editors as a language server (JSON-RPC on standard input and output): definitions with CodeJumper, "
      "references and searches with MassFinder, type hierarchies with ClassMate, symbols and diagnostics from "
      "the IDE's outline");
  cmd->add_option("--encoding", options->encoding,
                  "Code page of the files (default: initializationOptions.encoding, OLVAREN_ENCODING, else latin1)");
  cmd->add_option("-I,--include-dir", options->includeDirs, "Folder to search for included libraries (repeatable)")
      ->allow_extra_args(false);
  cmd->callback([options, &result] {
    lsp::Transport transport(STDIN_FILENO, STDOUT_FILENO);
    lsp::Server server(transport, *options);
    result.exitCode = server.Run();
  });
}

}  // namespace olvcli
