// Content-Length framing over file descriptors (see LspTransport.h).
#include "lsp/LspTransport.h"

#include <poll.h>
#include <strings.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace olvcli::lsp {

bool Transport::TakeMessage(std::string& body, Read& result, std::string& error) {
  const size_t end = buffer_.find("\r\n\r\n");
  if (end == std::string::npos) {
    if (buffer_.size() > 64 * 1024) {  // no header block is that long
      buffer_.clear();
      error = "a header block longer than 64 KiB";
      result = Read::Malformed;
      return true;
    }
    return false;
  }
  long long length = -1;
  size_t start = 0;
  while (start < end) {
    size_t eol = buffer_.find("\r\n", start);
    const std::string line = buffer_.substr(start, eol - start);
    start = eol + 2;
    const size_t colon = line.find(':');
    if (colon == std::string::npos || strncasecmp(line.c_str(), "Content-Length", colon) != 0 || colon != 14)
      continue;
    char* stop = nullptr;
    const std::string value = line.substr(colon + 1);
    length = std::strtoll(value.c_str(), &stop, 10);
    if (stop == value.c_str() || *stop != '\0' || length < 0) length = -2;
  }
  if (length < 0 || static_cast<unsigned long long>(length) > kMaxMessageBytes) {
    buffer_.erase(0, end + 4);
    error = length == -1 ? "a message without Content-Length"
                         : (length == -2 ? "a Content-Length that is no number" : "a message larger than 256 MiB");
    result = Read::Malformed;
    return true;
  }
  if (buffer_.size() < end + 4 + static_cast<size_t>(length)) return false;
  body = buffer_.substr(end + 4, static_cast<size_t>(length));
  buffer_.erase(0, end + 4 + static_cast<size_t>(length));
  result = Read::Message;
  return true;
}

Transport::Read Transport::Next(int timeoutMs, std::string& body, std::string& error) {
  Read result = Read::Timeout;
  for (;;) {
    if (TakeMessage(body, result, error)) return result;
    if (closed_) return Read::Closed;
    pollfd fd{in_, POLLIN, 0};
    const int ready = poll(&fd, 1, timeoutMs);
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) return Read::Timeout;
    char chunk[65536];
    const ssize_t n = read(in_, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      closed_ = true;
      continue;
    }
    buffer_.append(chunk, static_cast<size_t>(n));
  }
}

bool Transport::Write(const nlohmann::json& message) {
  const std::string body = message.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  const std::string frame = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
  size_t done = 0;
  while (done < frame.size()) {
    const ssize_t n = write(out_, frame.data() + done, frame.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace olvcli::lsp
