// The language server's requests and notifications (see LspServer.h).
#include "lsp/LspServer.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>

#include "IdeSession.h"
#include "ItemFormat.h"
#include "lsp/LspText.h"
#include "lsp/SymbolKinds.h"
#include "ide/outline/IncludeResolver.h"
#include "ide/outline/ItemTypes.h"

namespace olvcli::lsp {
namespace {

using Json = nlohmann::json;

// JSON-RPC's and the protocol's error codes.
enum ErrorCode {
  kParseError = -32700,
  kInvalidRequest = -32600,
  kMethodNotFound = -32601,
  kInvalidParams = -32602,
  kServerNotInitialized = -32002,
  kRequestFailed = -32803,
};

struct RpcError {
  int code;
  std::string message;
};

// LSP's DiagnosticSeverity.
constexpr int kSeverityError = 1;
constexpr int kSeverityWarning = 2;

// The custom request of MassFinder's search.
constexpr char kFindMethod[] = "olvaren/find";

Json Pos(int line, int character) { return {{"line", line}, {"character", character}}; }
Json Range(int line, int start, int endLine, int end) { return {{"start", Pos(line, start)}, {"end", Pos(endLine, end)}}; }

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// "FILE:LINE: text" split into its parts; false when it names no line.
bool SplitLocated(const std::string& message, std::string& file, int& line, std::string& text) {
  for (size_t colon = message.find(':'); colon != std::string::npos; colon = message.find(':', colon + 1)) {
    size_t end = colon + 1;
    while (end < message.size() && std::isdigit(static_cast<unsigned char>(message[end]))) ++end;
    if (end == colon + 1 || message.compare(end, 2, ": ") != 0) continue;
    file = message.substr(0, colon);
    line = std::atoi(message.substr(colon + 1, end - colon - 1).c_str());
    text = message.substr(end + 2);
    return true;
  }
  return false;
}

// The number of lines an item's shown text runs over.
int ShownLineCount(const ide::Outline& outline, ide::ItemId item) {
  const std::string shown = outline.OutlineLine(item);
  int lines = 1;
  for (size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == '\n' || (shown[i] == '\r' && (i + 1 == shown.size() || shown[i + 1] != '\n'))) ++lines;
  }
  return lines;
}

// Each item's last line (from 0) in its file: the deepest line that it or an
// item below it among `items` (one file's) runs over.
std::map<ide::ItemId, int> LastLines(const ide::Outline& outline, const std::vector<ide::ItemId>& items) {
  std::map<ide::ItemId, int> lastLine;
  for (ide::ItemId item : items) {
    const int last = outline.Line(item) - 2 + ShownLineCount(outline, item);
    for (ide::ItemId up = item; up != ide::kNoItem; up = outline.Parent(up)) {
      int& value = lastLine[up];
      if (value >= last) break;
      value = last;
    }
  }
  return lastLine;
}

bool IsClassDefinition(const ide::Outline& outline, ide::ItemId item) {
  return item != ide::kNoItem && ide::IsClassDefinitionType(outline.Type(item)) &&
         outline.Type(outline.Parent(item)) == ide::ItemType::ClassDefinitions;
}

// True when a "Derived From" entry of the class names `base` (in the same
// capitals: ClassMate finds no base written otherwise).
bool DerivesDirectly(const ide::Outline& outline, ide::ItemId cls, std::string_view base) {
  for (ide::ItemId section = outline.FirstChild(cls); section != ide::kNoItem; section = outline.NextSibling(section)) {
    if (outline.Type(section) != ide::ItemType::DerivedFrom) continue;
    for (ide::ItemId entry = outline.FirstChild(section); entry != ide::kNoItem; entry = outline.NextSibling(entry))
      if (outline.Type(entry) != ide::ItemType::Comment && outline.Name(entry) == base)
        return true;
  }
  return false;
}

}  // namespace

Server::Server(Transport& transport, ServerOptions options) : m_transport(transport), m_options(std::move(options)) {}

Server::~Server() {
  if (m_shell) m_shell->Exit();
}

int Server::Run() {
  std::string body, error;
  while (!m_exit) {
    int timeout = -1;
    if (m_changePending) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_reloadAt - std::chrono::steady_clock::now());
      timeout = static_cast<int>(std::max<long long>(0, left.count()));
    }
    const Transport::Read read = m_transport.Next(timeout, body, error);
    if (read == Transport::Read::Closed) break;
    if (read == Transport::Read::Timeout) {
      m_changePending = false;
      if (m_workspace) {
        Serve(m_lastChanged);
        Publish();  // what reading it found, also when it failed
      }
      continue;
    }
    if (read == Transport::Read::Malformed) {
      std::cerr << "lsp: skipped " << error << '\n';
      continue;
    }
    Json message;
    try {
      message = Json::parse(body);
    } catch (const Json::parse_error& e) {
      m_transport.Write({{"jsonrpc", "2.0"}, {"id", nullptr},
                         {"error", {{"code", kParseError}, {"message", std::string("no JSON: ") + e.what()}}}});
      continue;
    }
    Dispatch(message);
  }
  if (m_shell) m_shell->Exit();
  return m_shutdown ? 0 : 1;
}

void Server::Dispatch(const Json& message) {
  const bool isRequest = message.is_object() && message.contains("id") && message.contains("method");
  if (!message.is_object() || !message.contains("method") || !message["method"].is_string()) {
    if (message.is_object() && message.contains("id") && !message.contains("method")) return;  // a response to us
    m_transport.Write({{"jsonrpc", "2.0"}, {"id", message.is_object() && message.contains("id") ? message["id"] : Json()},
                       {"error", {{"code", kInvalidRequest}, {"message", "a message without a method"}}}});
    return;
  }
  const std::string method = message["method"];
  const Json params = message.value("params", Json::object());
  Json reply = {{"jsonrpc", "2.0"}};
  if (isRequest) reply["id"] = message["id"];
  try {
    if (method == "exit") {
      m_exit = true;
      return;
    }
    if (!m_initialized && method != "initialize") {
      if (!isRequest) return;
      throw RpcError{kServerNotInitialized, "the server is not initialized yet"};
    }
    if (m_shutdown && isRequest) throw RpcError{kInvalidRequest, "the server has been shut down"};
    Json result = Handle(method, params);
    // What reading the application found goes out before the answer.
    if (method != "initialize") Publish();
    if (!isRequest) return;
    reply["result"] = result;
  } catch (const RpcError& e) {
    if (!isRequest) {
      std::cerr << "lsp: " << method << ": " << e.message << '\n';
      return;
    }
    reply["error"] = {{"code", e.code}, {"message", e.message}};
  } catch (const Json::exception& e) {
    if (!isRequest) {
      std::cerr << "lsp: " << method << ": bad parameters: " << e.what() << '\n';
      return;
    }
    reply["error"] = {{"code", kInvalidParams}, {"message", std::string("bad parameters: ") + e.what()}};
  }
  m_transport.Write(reply);
}

void Server::Notify(const std::string& method, const Json& params) {
  m_transport.Write({{"jsonrpc", "2.0"}, {"method", method}, {"params", params}});
}

Server::Json Server::Handle(const std::string& method, const Json& params) {
  if (method == "initialize") return Initialize(params);
  if (method == "initialized") return nullptr;
  if (method == "shutdown") {
    m_shutdown = true;
    return nullptr;
  }
  if (method == "textDocument/didOpen") DidOpen(params);
  else if (method == "textDocument/didChange") DidChange(params);
  else if (method == "textDocument/didSave") DidSave(params);
  else if (method == "textDocument/didClose") DidClose(params);
  else if (method == "workspace/didChangeWatchedFiles") {
    m_workspace->FileChanged();
    m_workspace->ReloadIfDirty();
  }
  else if (method == "textDocument/definition") return Definition(params);
  else if (method == "textDocument/references") return References(params);
  else if (method == "textDocument/hover") return Hover(params);
  else if (method == "textDocument/documentSymbol") return DocumentSymbols(params);
  else if (method == "workspace/symbol") return WorkspaceSymbols(params);
  else if (method == "textDocument/foldingRange") return FoldingRanges(params);
  else if (method == "textDocument/documentLink") return DocumentLinks(params);
  else if (method == "textDocument/prepareTypeHierarchy") return PrepareTypeHierarchy(params);
  else if (method == "typeHierarchy/supertypes") return TypeHierarchy(params, true);
  else if (method == "typeHierarchy/subtypes") return TypeHierarchy(params, false);
  else if (method == kFindMethod) return Find(params);
  else if (method.compare(0, 2, "$/") == 0) return nullptr;
  else throw RpcError{kMethodNotFound, "no such method: " + method};
  return nullptr;
}

// ---------------------------------------------------------------- life cycle

Server::Json Server::Initialize(const Json& params) {
  if (m_initialized) throw RpcError{kInvalidRequest, "initialize was sent twice"};
  const Json options = params.value("initializationOptions", Json::object());
  std::string encoding = m_options.encoding;
  if (options.is_object() && options.contains("encoding")) encoding = options["encoding"].get<std::string>();
  if (encoding.empty() && std::getenv("OLVAREN_ENCODING") != nullptr) encoding = std::getenv("OLVAREN_ENCODING");
  if (encoding.empty()) encoding = "latin1";
  std::string error;
  if (!m_encoding.Set(encoding, error)) throw RpcError{kInvalidParams, "encoding: " + error};

  m_shell = std::make_unique<ide::shell::Shell>();
  if (!m_shell->Start()) throw RpcError{kRequestFailed, "the IDE's windows could not be created"};
  if (!m_shell->LoadTool(kAddinDll)) throw RpcError{kRequestFailed, std::string(kAddinDll) + ": " + m_shell->ToolError()};
  m_workspace = std::make_unique<Workspace>(*m_shell, m_encoding);
  m_addin = std::make_unique<AddinDriver>(*m_shell);

  std::vector<std::string> roots;
  if (params.contains("workspaceFolders") && params["workspaceFolders"].is_array()) {
    for (const Json& folder : params["workspaceFolders"]) roots.push_back(PathFromUri(folder.value("uri", "")));
  } else if (params.contains("rootUri") && params["rootUri"].is_string()) {
    roots.push_back(PathFromUri(params["rootUri"]));
  }
  roots.erase(std::remove(roots.begin(), roots.end(), std::string()), roots.end());
  m_workspace->SetRoots(roots);
  std::vector<std::string> includeDirs = m_options.includeDirs;
  if (options.is_object()) {
    for (const Json& dir : options.value("includeDirs", Json::array())) includeDirs.push_back(dir.get<std::string>());
    m_workspace->SetApplication(options.value("application", ""));
    m_options.debounceMs = options.value("debounceMs", m_options.debounceMs);
  }
  m_workspace->SetIncludeDirs(includeDirs);
  m_initialized = true;

  Json capabilities = {
      {"textDocumentSync", {{"openClose", true}, {"change", 2}, {"save", {{"includeText", false}}}}},
      {"definitionProvider", true},
      {"referencesProvider", true},
      {"hoverProvider", true},
      {"documentSymbolProvider", true},
      {"workspaceSymbolProvider", true},
      {"foldingRangeProvider", true},
      {"documentLinkProvider", {{"resolveProvider", false}}},
      {"typeHierarchyProvider", true},
      {"experimental", {{"olvarenFind", true}}},
  };
  return {{"capabilities", capabilities}, {"serverInfo", {{"name", "olvaren"}}}};
}

// ---------------------------------------------------------------- documents

void Server::DidOpen(const Json& params) {
  const Json& doc = params.at("textDocument");
  const std::string path = ide::CanonicalPath(PathFromUri(doc.at("uri")));
  if (path.empty()) return;  // no file of ours: nothing on disk to serve it
  std::string error;
  m_workspace->SetDocument(path, doc.at("text"), error);  // an error is published as the document's diagnostic
  m_lastChanged = path;
  Serve(path);
}

void Server::DidChange(const Json& params) {
  const std::string path = ide::CanonicalPath(PathFromUri(params.at("textDocument").at("uri")));
  const Json& changes = params.at("contentChanges");
  if (path.empty() || changes.empty()) return;
  // In order: each change's range is in the text the ones before it left.
  for (const Json& change : changes) {
    std::string error;
    const std::string& text = change.at("text").get_ref<const std::string&>();
    if (!change.contains("range")) {
      m_workspace->SetDocument(path, text, error);
      continue;
    }
    const Json& start = change.at("range").at("start");
    const Json& end = change.at("range").at("end");
    if (!m_workspace->EditDocument(path, start.at("line"), start.at("character"), end.at("line"),
                                   end.at("character"), text, error) &&
        m_workspace->EncodingErrors().count(path) == 0)  // those are the document's diagnostics
      std::cerr << "lsp: " << error << '\n';
  }
  m_lastChanged = path;
  m_changePending = true;
  m_reloadAt = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_options.debounceMs);
}

void Server::DidSave(const Json& params) {
  const std::string path = ide::CanonicalPath(PathFromUri(params.at("textDocument").at("uri")));
  m_workspace->FileChanged();
  if (!path.empty()) Serve(path);
}

void Server::DidClose(const Json& params) {
  const std::string path = ide::CanonicalPath(PathFromUri(params.at("textDocument").at("uri")));
  m_workspace->CloseDocument(path);
}

bool Server::Serve(const std::string& path) {
  if (path.empty()) return false;
  return m_workspace->Ensure(m_workspace->ApplicationFor(path));
}

void Server::Publish() {
  if (!m_workspace || !m_workspace->TakeStatusChanged()) return;
  const ide::LoadStatus& status = m_workspace->LastStatus();
  std::map<std::string, Json> byUri;
  auto add = [&](const std::string& file, int line, const std::string& text, int severity) {
    std::string path = ide::CanonicalPath(file);
    if (path.empty()) path = file;
    const std::vector<std::string_view>& lines = m_workspace->Lines(path);
    const int at = line > 0 ? line - 1 : 0;
    const int end = static_cast<size_t>(at) < lines.size() ? Utf16Column(lines[at], lines[at].size(), m_encoding) : 0;
    Json& list = byUri[UriFromPath(path)];
    if (list.is_null()) list = Json::array();
    list.push_back({{"range", Range(at, 0, at, end)}, {"severity", severity}, {"source", "olvaren"},
                    {"message", Utf8(text)}});
  };
  for (const std::string& warning : status.warnings) {
    std::string file, text;
    int line = 0;
    if (SplitLocated(warning, file, line, text))
      add(file, line, text, kSeverityWarning);
    else
      add(m_workspace->LoadedApplication(), 0, warning, kSeverityWarning);
  }
  if (!status) add(status.file, status.line, status.description, kSeverityError);
  for (const auto& entry : m_workspace->EncodingErrors()) {
    Json& list = byUri[UriFromPath(entry.first)];
    if (list.is_null()) list = Json::array();
    const int line = entry.second.first - 1;
    list.push_back({{"range", Range(line, 0, line, 0)}, {"severity", kSeverityError}, {"source", "olvaren"},
                    {"message", entry.second.second}});
  }
  for (auto& entry : m_published) {
    if (entry.second && byUri.count(entry.first) == 0) byUri[entry.first] = Json::array();
  }
  for (auto& entry : byUri) {
    m_published[entry.first] = !entry.second.empty();
    Notify("textDocument/publishDiagnostics", {{"uri", entry.first}, {"diagnostics", entry.second}});
  }
}

// ---------------------------------------------------------------- positions and items

bool Server::ReadPosition(const Json& params, Position& position) {
  position.path = ide::CanonicalPath(PathFromUri(params.at("textDocument").at("uri")));
  position.line = params.at("position").at("line");
  position.character = params.at("position").at("character");
  return Serve(position.path);
}

ide::ItemId Server::DeclarationAt(const Position& position, ide::ItemId* itemThere) {
  EditPlace place;
  if (itemThere) *itemThere = ide::kNoItem;
  if (!m_workspace->PlaceOnLine(position.path, position.line + 1, place)) return ide::kNoItem;
  if (itemThere) *itemThere = place.item;
  int column = static_cast<int>(ByteColumn(place.fileLine, position.character, m_encoding)) + 1;
  int caret = 0;
  std::string error;
  if (!CaretForColumn(place, position.path, column, caret, error)) return ide::kNoItem;
  return m_addin->JumpFrom(place, caret);
}

Server::Json Server::ItemRange(ide::ItemId item, bool nameOnly) {
  const ide::Outline& outline = *m_workspace->CurrentOutline();
  const std::vector<std::string_view>& lines = m_workspace->Lines(m_workspace->CanonicalFile(item));
  const int line = outline.Line(item) - 1;
  if (line < 0 || static_cast<size_t>(line) >= lines.size()) return Range(line < 0 ? 0 : line, 0, line < 0 ? 0 : line, 0);
  const std::string_view text = lines[line];
  size_t start = text.find_first_not_of(" \t");
  size_t end = text.size();
  if (start == std::string::npos) start = 0;
  const std::string_view name = outline.Name(item);
  if (nameOnly && !name.empty()) {
    const size_t at = FindWord(text, name);
    if (at != std::string::npos) {
      start = at;
      end = at + name.size();
    }
  }
  return Range(line, Utf16Column(text, start, m_encoding), line, Utf16Column(text, end, m_encoding));
}

Server::Json Server::ItemLocation(ide::ItemId item) {
  return {{"uri", UriFromPath(m_workspace->CanonicalFile(item))}, {"range", ItemRange(item, true)}};
}

Server::Json Server::Definition(const Json& params) {
  Position position;
  if (!ReadPosition(params, position)) return nullptr;
  const ide::ItemId target = DeclarationAt(position);
  if (target == ide::kNoItem) return nullptr;
  return ItemLocation(target);
}

Server::Json Server::Hover(const Json& params) {
  Position position;
  if (!ReadPosition(params, position)) return nullptr;
  ide::ItemId there = ide::kNoItem;
  ide::ItemId target = DeclarationAt(position, &there);
  if (target == ide::kNoItem) return nullptr;
  const ide::Outline& outline = *m_workspace->CurrentOutline();
  std::string path;
  for (ide::ItemId up = outline.Parent(target); up != ide::kNoItem && outline.Type(up) != ide::ItemType::Application;
       up = outline.Parent(up)) {
    std::string_view step = outline.Text(up).empty() ? outline.Title(up) : outline.Text(up);
    path = "[" + Utf8(step) + "] " + path;
  }
  std::string description;
  for (ide::ItemId child = outline.FirstChild(target); child != ide::kNoItem; child = outline.NextSibling(child))
    if (outline.Type(child) == ide::ItemType::Description) description = Utf8(OneLine(outline.Text(child)));
  std::string value = "```\n" + Utf8(OneLine(outline.OutlineLine(target))) + "\n```";
  if (!path.empty()) value += "\n\n" + path;
  if (!description.empty()) value += "\n\n" + description;
  return {{"contents", {{"kind", "markdown"}, {"value", value}}}};
}

Server::Json Server::References(const Json& params) {
  Position position;
  if (!ReadPosition(params, position)) return Json::array();
  const bool withDeclaration = params.value("context", Json::object()).value("includeDeclaration", true);
  ide::ItemId there = ide::kNoItem;
  ide::ItemId declaration = DeclarationAt(position, &there);
  const ide::Outline& outline = *m_workspace->CurrentOutline();
  if (declaration == ide::kNoItem && there != ide::kNoItem && !outline.Name(there).empty()) declaration = there;
  if (declaration == ide::kNoItem) return Json::array();
  const std::string name(outline.Name(declaration));
  if (name.empty()) return Json::array();

  // The declaring scope: a function's parameters and variables are seen only
  // inside it; everything else may be named from anywhere.
  std::vector<ide::ItemId> scope;
  const int section = outline.Type(outline.Parent(declaration));
  if (section == ide::ItemType::Parameters || section == ide::ItemType::LocalVariables ||
      section == ide::ItemType::StaticVariables) {
    const ide::ItemId owner = outline.Parent(outline.Parent(declaration));
    if (owner != ide::kNoItem) scope.push_back(owner);
  }
  FindOptions options;
  options.wholeWord = true;
  options.ignoreComments = true;
  options.onlyMarked = !scope.empty();
  std::vector<ReportHit> hits;
  std::string error;
  if (!m_addin->Find(name, options, scope, hits, error)) throw RpcError{kRequestFailed, error};

  Json result = Json::array();
  std::vector<ide::ItemId> seen;
  for (const ReportHit& hit : hits) {
    if (std::find(seen.begin(), seen.end(), hit.item) != seen.end()) continue;
    seen.push_back(hit.item);
    const std::string shown = outline.OutlineLine(hit.item);
    const std::string& file = m_workspace->CanonicalFile(hit.item);
    const std::vector<std::string_view>& lines = m_workspace->Lines(file);
    for (size_t at = FindWord(shown, name); at != std::string::npos; at = FindWord(shown, name, at + name.size())) {
      const bool isDeclaration = hit.item == declaration && outline.Name(hit.item) == name;
      if (isDeclaration ? !withDeclaration : m_addin->JumpFrom(hit.item, static_cast<int>(at)) != declaration) continue;
      if (isDeclaration && at != shown.find(name)) continue;
      // The file line that shows this part of the text, and the column there.
      size_t lineStart = shown.find_last_of("\r\n", at == 0 ? 0 : at - 1);
      lineStart = lineStart == std::string::npos || at == 0 ? 0 : lineStart + 1;
      const int k = static_cast<int>(std::count(shown.begin(), shown.begin() + static_cast<long>(lineStart), '\n'));
      const size_t lineEnd = shown.find_first_of("\r\n", at);
      const std::string segment = shown.substr(lineStart, (lineEnd == std::string::npos ? shown.size() : lineEnd) - lineStart);
      const int line = outline.Line(hit.item) - 1 + k;
      if (line < 0 || static_cast<size_t>(line) >= lines.size()) continue;
      const size_t inLine = lines[line].rfind(segment);
      if (inLine == std::string::npos) continue;
      const size_t column = inLine + (at - lineStart);
      result.push_back({{"uri", UriFromPath(file)},
                        {"range", Range(line, Utf16Column(lines[line], column, m_encoding), line,
                                        Utf16Column(lines[line], column + name.size(), m_encoding))}});
    }
  }
  return result;
}

// ---------------------------------------------------------------- outline

Server::Json Server::DocumentSymbols(const Json& params) {
  const std::string path = ide::CanonicalPath(PathFromUri(params.at("textDocument").at("uri")));
  if (!Serve(path)) return Json::array();
  const ide::Outline& outline = *m_workspace->CurrentOutline();
  const std::vector<ide::ItemId>& items = m_workspace->ItemsOf(path);
  const std::vector<std::string_view>& lines = m_workspace->Lines(path);
  std::map<ide::ItemId, int> lastLine = LastLines(outline, items);
  struct Node {
    Json symbol;
    std::vector<size_t> children;
  };
  std::vector<Node> nodes;
  std::vector<size_t> roots;
  std::map<ide::ItemId, size_t> nodeOf;
  for (ide::ItemId item : items) {
    const int kind = SymbolKindOf(outline, item);
    if (kind == 0) continue;
    bool inCode = false;
    ide::ItemId parentNode = ide::kNoItem;
    for (ide::ItemId up = outline.Parent(item); up != ide::kNoItem && !inCode; up = outline.Parent(up)) {
      inCode = !HoldsSymbols(outline, up);
      if (parentNode == ide::kNoItem && nodeOf.count(up) != 0) parentNode = up;
    }
    if (inCode) continue;
    const std::string_view name = outline.Name(item).empty() ? outline.Title(item) : outline.Name(item);
    const int first = outline.Line(item) - 1;
    int last = std::max(first, lastLine[item]);
    if (static_cast<size_t>(last) >= lines.size()) last = lines.empty() ? 0 : static_cast<int>(lines.size()) - 1;
    const int lastEnd = static_cast<size_t>(last) < lines.size() ? Utf16Column(lines[last], lines[last].size(), m_encoding) : 0;
    Json selection = ItemRange(item, true);
    Json symbol = {{"name", name.empty() ? std::string("(unnamed)") : Utf8(name)},
                   {"detail", Utf8(OneLine(outline.Title(item)))},
                   {"kind", kind},
                   {"range", {{"start", Pos(first, 0)}, {"end", Pos(last, lastEnd)}}},
                   {"selectionRange", selection}};
    nodes.push_back({symbol, {}});
    nodeOf[item] = nodes.size() - 1;
    if (parentNode == ide::kNoItem)
      roots.push_back(nodes.size() - 1);
    else
      nodes[nodeOf[parentNode]].children.push_back(nodes.size() - 1);
  }
  // Children are written before their parents: nodes come in outline order.
  for (size_t n = nodes.size(); n-- > 0;) {
    if (nodes[n].children.empty()) continue;
    Json children = Json::array();
    for (size_t child : nodes[n].children) children.push_back(std::move(nodes[child].symbol));
    nodes[n].symbol["children"] = std::move(children);
  }
  Json result = Json::array();
  for (size_t root : roots) result.push_back(std::move(nodes[root].symbol));
  return result;
}

Server::Json Server::WorkspaceSymbols(const Json& params) {
  constexpr size_t kMaxSymbols = 1000;
  Json result = Json::array();
  if (m_workspace->LoadedApplication().empty()) return result;
  Serve(m_workspace->LoadedApplication());
  const ide::Outline* outline = m_workspace->CurrentOutline();
  if (outline == nullptr) return result;
  std::string query;
  std::string error;
  if (!m_encoding.FromUtf8(params.value("query", ""), query, error)) return result;
  query = Lower(query);
  for (ide::ItemId i = 0; i < outline->Count() && result.size() < kMaxSymbols; ++i) {
    const std::string_view name = outline->Name(i);
    if (name.empty() || outline->Line(i) == 0) continue;
    const int kind = SymbolKindOf(*outline, i);
    if (kind == 0 || Lower(std::string(name)).find(query) == std::string::npos) continue;
    const ide::ItemId parent = outline->Parent(i);
    Json symbol = {{"name", Utf8(name)}, {"kind", kind}, {"location", ItemLocation(i)}};
    if (parent != ide::kNoItem) {
      const ide::ItemId owner = outline->Name(parent).empty() ? outline->Parent(parent) : parent;
      if (owner != ide::kNoItem && !outline->Name(owner).empty()) symbol["containerName"] = Utf8(outline->Name(owner));
    }
    result.push_back(symbol);
  }
  return result;
}

Server::Json Server::FoldingRanges(const Json& params) {
  const std::string path = ide::CanonicalPath(PathFromUri(params.at("textDocument").at("uri")));
  Json result = Json::array();
  if (!Serve(path)) return result;
  const ide::Outline& outline = *m_workspace->CurrentOutline();
  const std::vector<ide::ItemId>& items = m_workspace->ItemsOf(path);
  std::map<ide::ItemId, int> lastLine = LastLines(outline, items);
  for (ide::ItemId item : items) {
    const int first = outline.Line(item) - 1;
    if (lastLine[item] > first) result.push_back({{"startLine", first}, {"endLine", lastLine[item]}});
  }
  return result;
}

Server::Json Server::DocumentLinks(const Json& params) {
  const std::string path = ide::CanonicalPath(PathFromUri(params.at("textDocument").at("uri")));
  Json result = Json::array();
  if (!Serve(path)) return result;
  const ide::Outline& outline = *m_workspace->CurrentOutline();
  const std::vector<std::string_view>& lines = m_workspace->Lines(path);
  for (ide::ItemId item : m_workspace->ItemsOf(path)) {
    if (outline.Type(item) != ide::ItemType::FileInclude) continue;
    const std::string library = m_workspace->IncludedFile(item);
    const int line = outline.Line(item) - 1;
    if (library.empty() || static_cast<size_t>(line) >= lines.size()) continue;
    const std::string_view name = outline.Text(item);
    const size_t at = name.empty() ? std::string::npos : lines[line].rfind(name);
    const size_t start = at == std::string::npos ? 0 : at;
    const size_t end = at == std::string::npos ? lines[line].size() : at + name.size();
    result.push_back({{"range", Range(line, Utf16Column(lines[line], start, m_encoding), line,
                                      Utf16Column(lines[line], end, m_encoding))},
                      {"target", UriFromPath(library)}});
  }
  return result;
}

// ---------------------------------------------------------------- type hierarchy

Server::Json Server::TypeItem(ide::ItemId item) {
  const ide::Outline& outline = *m_workspace->CurrentOutline();
  const std::string& file = m_workspace->CanonicalFile(item);
  Json range = ItemRange(item, false);
  Json selection = ItemRange(item, true);
  return {{"name", Utf8(outline.Name(item))},
          {"kind", kSymbolClass},
          {"detail", Utf8(OneLine(outline.Title(item)))},
          {"uri", UriFromPath(file)},
          {"range", range},
          {"selectionRange", selection},
          {"data", {{"file", file}, {"line", outline.Line(item)}}}};
}

Server::Json Server::PrepareTypeHierarchy(const Json& params) {
  Position position;
  if (!ReadPosition(params, position)) return nullptr;
  ide::ItemId there = ide::kNoItem;
  EditPlace place;
  const ide::Outline* outline = m_workspace->CurrentOutline();
  if (m_workspace->PlaceOnLine(position.path, position.line + 1, place) && IsClassDefinition(*outline, place.item))
    return Json::array({TypeItem(place.item)});
  const ide::ItemId target = DeclarationAt(position, &there);
  if (!IsClassDefinition(*outline, target)) return nullptr;
  return Json::array({TypeItem(target)});
}

Server::Json Server::TypeHierarchy(const Json& params, bool supertypes) {
  const Json& data = params.at("item").at("data");
  const std::string file = data.at("file");
  const int line = data.at("line");
  if (!Serve(file)) return Json::array();
  const ide::Outline& outline = *m_workspace->CurrentOutline();
  ide::ItemId cls = ide::kNoItem;
  for (ide::ItemId item : m_workspace->ItemsOf(file))
    if (outline.Line(item) == line && IsClassDefinition(outline, item)) cls = item;
  if (cls == ide::kNoItem) return Json::array();
  ClassRelations relations;
  std::string error;
  if (!m_addin->ClassHierarchy(cls, relations, error)) throw RpcError{kRequestFailed, error};
  Json result = Json::array();
  for (ide::ItemId item : supertypes ? relations.bases : relations.derived) {
    // ClassMate lists every class below this one; a subtype derives from it directly.
    if (!supertypes && !DerivesDirectly(outline, item, outline.Name(cls))) continue;
    result.push_back(TypeItem(item));
  }
  return result;
}

// ---------------------------------------------------------------- MassFinder

Server::Json Server::Find(const Json& params) {
  std::string app = m_workspace->LoadedApplication();
  if (params.contains("textDocument"))
    app = m_workspace->ApplicationFor(ide::CanonicalPath(PathFromUri(params["textDocument"].at("uri"))));
  if (app.empty()) throw RpcError{kRequestFailed, "no application is open"};
  if (!m_workspace->Ensure(app)) throw RpcError{kRequestFailed, "the application could not be read"};
  std::string pattern, error;
  const std::string typed = params.at("pattern");
  if (typed.empty()) throw RpcError{kInvalidParams, "the pattern is empty"};
  if (!m_encoding.FromUtf8(typed, pattern, error)) throw RpcError{kInvalidParams, "pattern: " + error};
  FindOptions options;
  options.matchCase = params.value("matchCase", false);
  options.wholeWord = params.value("wholeWord", false);
  options.ignoreIncludes = params.value("ignoreIncludes", false);
  options.ignoreComments = params.value("ignoreComments", false);
  std::vector<ide::ItemId> marked;
  for (const Json& place : params.value("marked", Json::array())) {
    const std::string path = ide::CanonicalPath(PathFromUri(place.at("uri")));
    EditPlace edit;
    if (!m_workspace->PlaceOnLine(path, place.at("line").get<int>() + 1, edit))
      throw RpcError{kInvalidParams, path + ":" + std::to_string(place.at("line").get<int>() + 1) +
                                         ": no outline item starts or continues on this line"};
    marked.push_back(edit.item);
  }
  options.onlyMarked = !marked.empty();
  std::vector<ReportHit> hits;
  if (!m_addin->Find(pattern, options, marked, hits, error)) throw RpcError{kRequestFailed, error};
  Json list = Json::array();
  for (const ReportHit& hit : hits)
    list.push_back({{"text", Utf8(OneLine(hit.text))},
                    {"location", {{"uri", UriFromPath(m_workspace->CanonicalFile(hit.item))},
                                  {"range", ItemRange(hit.item, false)}}}});
  return {{"hits", list}};
}

}  // namespace olvcli::lsp
