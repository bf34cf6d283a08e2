// `olvaren lsp`: a language server on standard input and output. One
// stand-in IDE runs for the whole session with the add-in loaded; the
// editor's requests are answered by the add-in's tools driven through it
// (CodeJumper for definitions, hover and references, MassFinder for
// references and the olvaren/find request, ClassMate for type hierarchies)
// and by the IDE's outline (symbols, folding ranges, links, diagnostics).
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "TextEncoding.h"
#include "lsp/AddinDriver.h"
#include "lsp/LspTransport.h"
#include "lsp/LspWorkspace.h"
#include "ide/shell/Shell.h"

namespace olvcli::lsp {

struct ServerOptions {
  std::string encoding;  // the files' code page ("" : OLVAREN_ENCODING, else Latin-1)
  std::vector<std::string> includeDirs;
  int debounceMs = 200;  // from a change to the outline read again
};

class Server {
 public:
  Server(Transport& transport, ServerOptions options);
  ~Server();
  // Serves until `exit` or the end of input; returns the process's exit code.
  int Run();

 private:
  using Json = nlohmann::json;
  struct Position {
    std::string path;
    int line = 0;       // from 0, as the editor counts
    int character = 0;  // UTF-16 units
  };

  void Dispatch(const Json& message);
  Json Handle(const std::string& method, const Json& params);
  void Notify(const std::string& method, const Json& params);
  void Publish();

  Json Initialize(const Json& params);
  void DidOpen(const Json& params);
  void DidChange(const Json& params);
  void DidSave(const Json& params);
  void DidClose(const Json& params);
  Json Definition(const Json& params);
  Json References(const Json& params);
  Json Hover(const Json& params);
  Json DocumentSymbols(const Json& params);
  Json WorkspaceSymbols(const Json& params);
  Json FoldingRanges(const Json& params);
  Json DocumentLinks(const Json& params);
  Json PrepareTypeHierarchy(const Json& params);
  Json TypeHierarchy(const Json& params, bool supertypes);
  Json Find(const Json& params);

  // The file of a document, its application loaded; false when none serves it.
  bool Serve(const std::string& path);
  bool ReadPosition(const Json& params, Position& position);
  // The declaration F2 shows from the position; kNoItem when none.
  ide::ItemId DeclarationAt(const Position& position, ide::ItemId* itemThere = nullptr);
  Json ItemRange(ide::ItemId item, bool nameOnly);
  Json ItemLocation(ide::ItemId item);
  Json SymbolTree(ide::ItemId item, const std::string& path);
  Json TypeItem(ide::ItemId item);
  std::string Utf8(std::string_view bytes) const { return m_encoding.ToUtf8(bytes); }

  Transport& m_transport;
  ServerOptions m_options;
  TextEncoding m_encoding;
  std::unique_ptr<ide::shell::Shell> m_shell;
  std::unique_ptr<Workspace> m_workspace;
  std::unique_ptr<AddinDriver> m_addin;
  bool m_initialized = false;
  bool m_shutdown = false;
  bool m_exit = false;
  bool m_changePending = false;
  std::string m_lastChanged;
  std::chrono::steady_clock::time_point m_reloadAt;
  std::map<std::string, bool> m_published;  // uri -> has diagnostics
};

}  // namespace olvcli::lsp
