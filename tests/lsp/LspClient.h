// A language client for the tests: starts the built `olvaren lsp` with its
// standard input and output on pipes and speaks JSON-RPC with
// Content-Length framing to it, as an editor does.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace lsptest {

using Json = nlohmann::json;

class LspClient {
 public:
  // Starts the server with `configHome` as the add-in's settings folder.
  LspClient(const std::string& configHome, const std::vector<std::string>& args = {});
  ~LspClient();

  bool Running() const { return pid_ > 0; }
  // Sends bytes as they are (for framing tests).
  void SendRaw(const std::string& bytes);
  void Notify(const std::string& method, const Json& params);
  // Sends a request and returns its response (the whole message); the
  // notifications that came before it are kept in Notifications().
  Json Request(const std::string& method, const Json& params);
  // The next message of any kind; null after `timeoutMs` without one.
  Json Next(int timeoutMs = 10000);
  // Waits for the server to end; its exit status, -1 when it did not end in time.
  int Wait(int timeoutMs = 10000);
  const std::vector<Json>& Notifications() const { return notifications_; }
  // The last diagnostics published for `uri` (null when none were).
  Json DiagnosticsFor(const std::string& uri) const;

 private:
  pid_t pid_ = -1;
  int in_ = -1;   // the server's standard input
  int out_ = -1;  // its standard output
  int nextId_ = 0;
  std::string buffer_;
  std::vector<Json> notifications_;
};

// Bytes as UTF-8, each byte above 127 taken for the code point of its value (Latin-1).
std::string Latin1ToUtf8(const std::string& bytes);

// file:// URI of a path (only the characters the tests' paths hold).
std::string FileUri(const std::string& path);

}  // namespace lsptest
