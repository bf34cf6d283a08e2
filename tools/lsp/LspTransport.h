// The language server's wire: JSON-RPC messages framed by a
// "Content-Length: N" header block, read from and written to file
// descriptors (standard input and output).
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace olvcli::lsp {

// The largest message body accepted: an editor's whole buffer of a large
// application fits many times over.
constexpr size_t kMaxMessageBytes = 256u << 20;

class Transport {
 public:
  Transport(int in, int out) : in_(in), out_(out) {}

  enum class Read { Message, Timeout, Closed, Malformed };
  // Waits up to `timeoutMs` (negative: without a limit) for one whole
  // message and returns its body. Malformed: a header block without a
  // usable Content-Length (it is skipped; `error` says why).
  Read Next(int timeoutMs, std::string& body, std::string& error);
  // Writes one message; false when the output is gone.
  bool Write(const nlohmann::json& message);

 private:
  // A whole message from what has been read so far.
  bool TakeMessage(std::string& body, Read& result, std::string& error);

  int in_;
  int out_;
  std::string buffer_;
  bool closed_ = false;
};

}  // namespace olvcli::lsp
