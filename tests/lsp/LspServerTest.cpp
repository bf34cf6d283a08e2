// `olvaren lsp` as an editor sees it: the protocol's life cycle and errors,
// and each capability answered through the add-in, over a pipe to the built
// front end. The sample application and the ClassMate test outline are the
// programs; files the tests write go to a temporary folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "LspClient.h"
#include "TempFolderTest.h"

namespace {

using lsptest::FileUri;
using lsptest::Json;
using lsptest::LspClient;

const std::string kSamples = std::string(OLVAREN_SOURCE_DIR) + "/samples";
const std::string kJumps = kSamples + "/Olvaren_Jumps.app";
const std::string kHierarchy = std::string(OLVAREN_SOURCE_DIR) + "/tests/classmate/data/hierarchy.app";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

Json At(const std::string& path, int line, int character) {
  return {{"textDocument", {{"uri", FileUri(path)}}}, {"position", {{"line", line}, {"character", character}}}};
}

// An application in Cyrillic, as the editor sends it (UTF-8).
const char kCyrillicApp[] =
    ".head 0 +  Application Description: code page\n"
    ".head 1 -  Outline Version - 4.0.28\n"
    ".head 1 +  Global Declarations\n"
    ".head 2 +  Variables\n"
    ".head 3 -  Number: nсчёт\n"
    ".head 2 +  Internal Functions\n"
    ".head 3 +  Function: F\n"
    ".head 4 +  Actions\n"
    ".head 5 -  Set nсчёт = nсчёт + 1\n";

// {start line, start character, end line, end character} as an LSP range.
Json Range(const std::vector<int>& r) {
  return {{"start", {{"line", r[0]}, {"character", r[1]}}}, {"end", {{"line", r[2]}, {"character", r[3]}}}};
}

Json References(const std::string& path, int line, int character, bool withDeclaration) {
  Json params = At(path, line, character);
  params["context"] = {{"includeDeclaration", withDeclaration}};
  return params;
}

// Line and start/end characters of a range.
std::vector<int> Where(const Json& range) {
  return {range["start"]["line"], range["start"]["character"], range["end"]["line"], range["end"]["character"]};
}

class LspServerTest : public testsupport::TempFolderTest {
 protected:
  // Starts the server, initializes it on `root` and opens `file` (Latin-1 text).
  void Start(const std::string& root, const Json& options = Json::object()) {
    client_ = std::make_unique<LspClient>(folder_);
    ASSERT_TRUE(client_->Running());
    Json reply = client_->Request("initialize", {{"processId", nullptr},
                                                 {"rootUri", FileUri(root)},
                                                 {"capabilities", Json::object()},
                                                 {"initializationOptions", options}});
    ASSERT_TRUE(reply.contains("result")) << reply.dump();
    client_->Notify("initialized", Json::object());
  }
  void Open(const std::string& path, const std::string& utf8) {
    client_->Notify("textDocument/didOpen",
                    {{"textDocument", {{"uri", FileUri(path)}, {"languageId", "gupta"}, {"version", 1}, {"text", utf8}}}});
  }
  void End() {
    EXPECT_TRUE(client_->Request("shutdown", nullptr)["result"].is_null());
    client_->Notify("exit", nullptr);
    EXPECT_EQ(client_->Wait(), 0);
  }

  std::unique_ptr<LspClient> client_;
};

TEST_F(LspServerTest, LifeCycleAndErrors) {
  LspClient client(folder_);
  ASSERT_TRUE(client.Running());
  // Before initialize every request is refused with ServerNotInitialized.
  EXPECT_EQ(client.Request("textDocument/definition", At(kJumps, 0, 0))["error"]["code"], -32002);
  Json init = client.Request("initialize", {{"processId", nullptr}, {"rootUri", nullptr}, {"capabilities", Json::object()}});
  const Json& caps = init["result"]["capabilities"];
  EXPECT_EQ(caps["textDocumentSync"]["change"], 2);  // full documents
  for (const char* provider : {"definitionProvider", "referencesProvider", "hoverProvider", "documentSymbolProvider",
                               "workspaceSymbolProvider", "foldingRangeProvider", "typeHierarchyProvider"})
    EXPECT_EQ(caps[provider], true) << provider;
  client.Notify("initialized", Json::object());

  // No JSON: ParseError; a header block without Content-Length is skipped.
  client.SendRaw("Content-Length: 5\r\n\r\n{oops");
  EXPECT_EQ(client.Next()["error"]["code"], -32700);
  client.SendRaw("Content-Type: x\r\n\r\n");
  EXPECT_EQ(client.Request("no/such", Json::object())["error"]["code"], -32601);
  EXPECT_EQ(client.Request("textDocument/definition", {{"textDocument", 3}})["error"]["code"], -32602);
  EXPECT_EQ(client.Request("initialize", Json::object())["error"]["code"], -32600);

  EXPECT_TRUE(client.Request("shutdown", nullptr).contains("result"));
  EXPECT_EQ(client.Request("textDocument/hover", At(kJumps, 0, 0))["error"]["code"], -32600);
  client.Notify("exit", nullptr);
  EXPECT_EQ(client.Wait(), 0);
}

TEST_F(LspServerTest, ExitWithoutShutdownEndsWithOne) {
  LspClient client(folder_);
  client.Request("initialize", {{"processId", nullptr}, {"rootUri", nullptr}, {"capabilities", Json::object()}});
  client.Notify("exit", nullptr);
  EXPECT_EQ(client.Wait(), 1);
}

TEST_F(LspServerTest, DefinitionIsCodeJumpersF2AndFollowsUnsavedText) {
  Start(kSamples);
  std::string text = ReadFile(kJumps);
  Open(kJumps, text);
  // "Set nCount = nCount + pnStep": the local nCount hides the global one.
  Json reply = client_->Request("textDocument/definition", At(kJumps, 29, 16));
  ASSERT_TRUE(reply["result"].is_object()) << reply.dump();
  EXPECT_EQ(reply["result"]["uri"], FileUri(kJumps));
  EXPECT_EQ(Where(reply["result"]["range"]), (std::vector<int>{27, 19, 27, 25}));

  // The local renamed in the editor, not saved: F2 now finds the global.
  const std::string local = ".head 5 -  Number: nCount\n";
  const size_t at = text.find(local, text.find("Local variables"));
  ASSERT_NE(at, std::string::npos);
  text.replace(at, local.size(), ".head 5 -  Number: nOther\n");
  client_->Notify("textDocument/didChange", {{"textDocument", {{"uri", FileUri(kJumps)}, {"version", 2}}},
                                             {"contentChanges", Json::array({{{"text", text}}})}});
  reply = client_->Request("textDocument/definition", At(kJumps, 29, 16));
  EXPECT_EQ(Where(reply["result"]["range"]), (std::vector<int>{14, 19, 14, 25}));
  // Nothing to jump to from a blank.
  EXPECT_TRUE(client_->Request("textDocument/definition", At(kJumps, 29, 14))["result"].is_null());
  End();
}

TEST_F(LspServerTest, ReferencesAreHitsThatLeadBackToTheDeclaration) {
  Start(kSamples);
  Open(kJumps, ReadFile(kJumps));
  Json reply = client_->Request("textDocument/references",
                                References(kJumps, 29, 16, true));
  std::vector<std::vector<int>> found;
  for (const Json& location : reply["result"]) found.push_back(Where(location["range"]));
  // The local's declaration and its three uses in Tally; not the global's.
  EXPECT_EQ(found, (std::vector<std::vector<int>>{{27, 19, 27, 25}, {29, 15, 29, 21}, {29, 24, 29, 30},
                                                  {34, 35, 34, 41}}));
  reply = client_->Request("textDocument/references",
                           References(kJumps, 29, 16, false));
  EXPECT_EQ(reply["result"].size(), 3u);
  End();
}

TEST_F(LspServerTest, SymbolsHoverFoldingAndLinks) {
  Start(kSamples);
  Open(kJumps, ReadFile(kJumps));
  Json symbols = client_->Request("textDocument/documentSymbol", {{"textDocument", {{"uri", FileUri(kJumps)}}}})["result"];
  ASSERT_EQ(symbols.size(), 1u);  // the application
  std::string names;
  std::function<void(const Json&, int)> walk = [&](const Json& list, int depth) {
    for (const Json& s : list) {
      if (s["name"] == "Tally") {
        EXPECT_EQ(s["kind"], 12);
        EXPECT_EQ(depth, 3);  // application, Global Declarations, Internal Functions
      }
      names += s["name"].get<std::string>() + ",";
      if (s.contains("children")) walk(s["children"], depth + 1);
    }
  };
  walk(symbols, 0);
  EXPECT_NE(names.find("fcCounter,"), std::string::npos) << names;
  EXPECT_EQ(names.find("Set "), std::string::npos) << "statements are no symbols: " << names;

  Json found = client_->Request("workspace/symbol", {{"query", "fccount"}})["result"];
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found[0]["name"], "fcCounter");
  EXPECT_EQ(found[0]["kind"], 5);

  Json hover = client_->Request("textDocument/hover", At(kJumps, 29, 16))["result"];
  EXPECT_EQ(hover["contents"]["value"], "```\nNumber: nCount\n```\n\n[Global Declarations] [Internal Functions] [Tally] "
                                        "[Local variables] ");

  Json folds = client_->Request("textDocument/foldingRange", {{"textDocument", {{"uri", FileUri(kJumps)}}}})["result"];
  bool tally = false;
  for (const Json& f : folds) tally = tally || (f["startLine"] == 19 && f["endLine"] == 35);
  EXPECT_TRUE(tally) << folds.dump();

  Json links = client_->Request("textDocument/documentLink", {{"textDocument", {{"uri", FileUri(kJumps)}}}})["result"];
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0]["target"], FileUri(kSamples + "/Olvaren_Lib.apl"));
  EXPECT_EQ(Where(links[0]["range"]), (std::vector<int>{6, 25, 6, 40}));
  End();
}

TEST_F(LspServerTest, TypeHierarchyFromClassMate) {
  Start(std::string(OLVAREN_SOURCE_DIR) + "/tests/classmate/data");
  Open(kHierarchy, ReadFile(kHierarchy));
  Json items = client_->Request("textDocument/prepareTypeHierarchy", At(kHierarchy, 50, 30))["result"];
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0]["name"], "cJoin");
  std::vector<std::string> names;
  Json supertypes = client_->Request("typeHierarchy/supertypes", {{"item", items[0]}});
  ASSERT_TRUE(supertypes.contains("result")) << supertypes.dump();
  for (const Json& t : supertypes["result"])
    names.push_back(t["name"]);
  EXPECT_EQ(names, (std::vector<std::string>{"cLeft", "cRight"}));

  Json root = client_->Request("textDocument/prepareTypeHierarchy", At(kHierarchy, 17, 30))["result"];
  ASSERT_EQ(root.size(), 1u);
  names.clear();
  const Json subtypes = client_->Request("typeHierarchy/subtypes", {{"item", root[0]}});
  for (const Json& t : subtypes["result"]) names.push_back(t["name"]);
  // Only the classes deriving from cRoot itself: not cMid (from cBase), not
  // cLeaf (whose cRoot entry is a comment); cLibUser's other base is a library's.
  EXPECT_EQ(names, (std::vector<std::string>{"cBase", "cLeft", "cRight", "cLibUser"}));
  const Json none = client_->Request("typeHierarchy/supertypes", {{"item", root[0]}});
  EXPECT_TRUE(none["result"].empty());
  End();
}

TEST_F(LspServerTest, FindRequestIsMassFinder) {
  Start(kSamples);
  Open(kJumps, ReadFile(kJumps));
  Json reply = client_->Request("olvaren/find", {{"pattern", "ncount"}, {"wholeWord", true}, {"matchCase", false}});
  const Json& hits = reply["result"]["hits"];
  ASSERT_GE(hits.size(), 4u) << reply.dump();
  EXPECT_EQ(hits[0]["text"], "[Global Declarations] [Variables] Number: nCount");
  EXPECT_EQ(hits[0]["location"]["range"]["start"]["line"], 14);
  reply = client_->Request("olvaren/find", {{"pattern", "NCOUNT"}, {"matchCase", true}});
  EXPECT_TRUE(reply["result"]["hits"].empty());
  EXPECT_EQ(client_->Request("olvaren/find", {{"pattern", ""}})["error"]["code"], -32602);
  End();
  // The search went through the dialog, which keeps its recent patterns in
  // the add-in's settings file, as the front end's searches do.
  const std::string settings = ReadFile(folder_ + "/Olvaren.xml");
  EXPECT_NE(settings.find("ncount"), std::string::npos) << settings;
}

TEST_F(LspServerTest, MissingLibraryIsDiagnosedOnItsFileInclude) {
  const std::string app = folder_ + "/Missing.app";
  WriteFile(app,
            ".head 0 +  Application Description: missing library\n"
            ".head 1 -  Outline Version - 4.0.28\n"
            ".head 1 +  Libraries\n"
            ".head 2 -  File Include: nowhere.apl\n"
            ".head 1 +  Global Declarations\n");
  Start(folder_);
  Open(app, ReadFile(app));
  client_->Request("textDocument/documentSymbol", {{"textDocument", {{"uri", FileUri(app)}}}});
  Json diagnostics = client_->DiagnosticsFor(FileUri(app));
  ASSERT_EQ(diagnostics.size(), 1u) << diagnostics.dump();
  EXPECT_EQ(diagnostics[0]["severity"], 2);
  EXPECT_EQ(diagnostics[0]["range"]["start"]["line"], 3);
  EXPECT_NE(diagnostics[0]["message"].get<std::string>().find("nowhere.apl"), std::string::npos);
  End();
}

TEST_F(LspServerTest, CodePageTextAndUtf16Columns) {
  // cp1251: "Число" and "счёт" in the file's bytes; the editor sends UTF-8.
  const std::string app = folder_ + "/Cyr.app";
  const std::string schet = "\xF1\xF7\xB8\xF2";  // счёт
  WriteFile(app,
            ".head 0 +  Application Description: code page\n"
            ".head 1 -  Outline Version - 4.0.28\n"
            ".head 1 +  Global Declarations\n"
            ".head 2 +  Variables\n"
            ".head 3 -  Number: n" + schet + "\n"
            ".head 2 +  Internal Functions\n"
            ".head 3 +  Function: F\n"
            ".head 4 +  Actions\n"
            ".head 5 -  Set n" + schet + " = n" + schet + " + 1\n");
  Start(folder_, {{"encoding", "cp1251"}});
  Open(app, "ignored until converted");  // replaced below by the real text
  client_->Notify("textDocument/didChange",
                  {{"textDocument", {{"uri", FileUri(app)}, {"version", 2}}},
                   {"contentChanges",
                    Json::array({{{"text", kCyrillicApp}}})}});
  // The second nсчёт: UTF-16 column 23 is byte 23 of the line.
  Json reply = client_->Request("textDocument/definition", At(app, 8, 24));
  ASSERT_TRUE(reply["result"].is_object()) << reply.dump();
  EXPECT_EQ(Where(reply["result"]["range"]), (std::vector<int>{4, 19, 4, 24}));
  Json found = client_->Request("workspace/symbol", {{"query", "СЧЁТ"}})["result"];
  ASSERT_EQ(found.size(), 0u) << "names are compared without case only for ASCII letters";
  found = client_->Request("workspace/symbol", {{"query", "счёт"}})["result"];
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0]["name"], "nсчёт");

  // A character cp1251 lacks: an error on its line; the file on disk serves.
  client_->Notify("textDocument/didChange",
                  {{"textDocument", {{"uri", FileUri(app)}, {"version", 3}}},
                   {"contentChanges", Json::array({{{"text", ".head 0 +  Application Description: x\n"
                                                             ".head 1 -  ! Grüße\n"}}})}});
  reply = client_->Request("textDocument/definition", At(app, 8, 24));
  EXPECT_EQ(Where(reply["result"]["range"]), (std::vector<int>{4, 19, 4, 24}));
  Json diagnostics = client_->DiagnosticsFor(FileUri(app));
  ASSERT_EQ(diagnostics.size(), 1u) << diagnostics.dump();
  EXPECT_EQ(diagnostics[0]["severity"], 1);
  EXPECT_EQ(diagnostics[0]["range"]["start"]["line"], 1);
  EXPECT_EQ(diagnostics[0]["message"], "line 2: a character that cp1251 lacks; the file on disk is read in place of "
                                       "the editor's text");
  End();
}

// Editors send only what changed (incremental sync): each range is taken in
// the text the changes before it left, in UTF-16 columns, and only the
// change is converted to the code page.
TEST_F(LspServerTest, IncrementalChangesEditTheDocumentInPlace) {
  const std::string app = folder_ + "/Inc.app";
  WriteFile(app, ".head 0 +  Application Description: on disk\n");
  Start(folder_, {{"encoding", "cp1251"}});
  Open(app, kCyrillicApp);
  auto change = [&](int version, std::vector<std::pair<std::vector<int>, std::string>> edits) {
    Json changes = Json::array();
    for (const auto& edit : edits)
      changes.push_back({{"range", Range(edit.first)}, {"text", edit.second}});
    client_->Notify("textDocument/didChange",
                    {{"textDocument", {{"uri", FileUri(app)}, {"version", version}}}, {"contentChanges", changes}});
  };
  auto symbols = [&](const std::string& query) {
    std::vector<std::vector<int>> found;
    const Json reply = client_->Request("workspace/symbol", {{"query", query}});
    for (const Json& s : reply["result"]) found.push_back(Where(s["location"]["range"]));
    return found;
  };

  // Three renames in one message; the second use moved right by the first.
  change(2, {{{8, 15, 8, 20}, "nитоги"}, {{8, 24, 8, 29}, "nитоги"}, {{4, 19, 4, 24}, "nитоги"}});
  Json reply = client_->Request("textDocument/definition", At(app, 8, 26));
  ASSERT_TRUE(reply["result"].is_object()) << reply.dump();
  EXPECT_EQ(Where(reply["result"]["range"]), (std::vector<int>{4, 19, 4, 25}));
  EXPECT_TRUE(symbols("nсчёт").empty());

  // A line inserted, then removed again across the line end.
  change(3, {{{4, 25, 4, 25}, "\n.head 3 -  Number: nЛишний"}});
  EXPECT_EQ(symbols("nЛишний"), (std::vector<std::vector<int>>{{5, 19, 5, 26}}));
  reply = client_->Request("textDocument/definition", At(app, 9, 26));
  EXPECT_EQ(Where(reply["result"]["range"]), (std::vector<int>{4, 19, 4, 25}));
  change(4, {{{4, 25, 5, 26}, ""}});
  EXPECT_TRUE(symbols("nЛишний").empty());

  // A character cp1251 lacks: its line is named and the file on disk serves;
  // taken out again, the editor's text serves once more.
  change(5, {{{1, 35, 1, 35}, "\n.head 1 -  ! Grüße"}});
  EXPECT_TRUE(symbols("nитоги").empty());
  Json diagnostics = client_->DiagnosticsFor(FileUri(app));
  ASSERT_EQ(diagnostics.size(), 1u) << diagnostics.dump();
  EXPECT_EQ(diagnostics[0]["message"], "line 3: a character that cp1251 lacks; the file on disk is read in place of "
                                       "the editor's text");
  change(6, {{{1, 35, 2, 18}, ""}});
  EXPECT_EQ(symbols("nитоги"), (std::vector<std::vector<int>>{{4, 19, 4, 25}}));
  EXPECT_TRUE(client_->DiagnosticsFor(FileUri(app)).empty());
  End();
}

TEST_F(LspServerTest, LibraryOpenedAloneIsServedInTheApplicationThatIncludesIt) {
  Start(kSamples);
  const std::string lib = kSamples + "/Olvaren_Lib.apl";
  Open(lib, lsptest::Latin1ToUtf8(ReadFile(lib)));
  // The application's own classes are known: it was loaded around the library.
  Json found = client_->Request("workspace/symbol", {{"query", "fcCounter"}})["result"];
  ASSERT_FALSE(found.empty());
  Json symbols = client_->Request("textDocument/documentSymbol", {{"textDocument", {{"uri", FileUri(lib)}}}})["result"];
  ASSERT_FALSE(symbols.empty());
  for (const Json& s : found) EXPECT_NE(s["location"]["uri"], FileUri(lib)) << "fcCounter is the application's";
  End();
}

}  // namespace
