// The tests' language client (see LspClient.h).
#include "LspClient.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "RunOlvaren.h"

namespace lsptest {

std::string FileUri(const std::string& path) { return "file://" + path; }

std::string Latin1ToUtf8(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

LspClient::LspClient(const std::string& configHome, const std::vector<std::string>& args) {
  int toServer[2], fromServer[2];
  if (pipe(toServer) != 0 || pipe(fromServer) != 0) return;
  const std::string program = testsupport::OlvarenProgram();
  pid_ = fork();
  if (pid_ == 0) {
    dup2(toServer[0], 0);
    dup2(fromServer[1], 1);
    close(toServer[1]);
    close(fromServer[0]);
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    unsetenv("OLVAREN_ENCODING");
    std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>("lsp")};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(toServer[0]);
  close(fromServer[1]);
  in_ = toServer[1];
  out_ = fromServer[0];
  signal(SIGPIPE, SIG_IGN);
}

LspClient::~LspClient() {
  if (in_ >= 0) close(in_);
  if (pid_ > 0 && Wait(5000) == -1) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (out_ >= 0) close(out_);
}

void LspClient::SendRaw(const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(in_, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

void LspClient::Notify(const std::string& method, const Json& params) {
  const std::string body = Json{{"jsonrpc", "2.0"}, {"method", method}, {"params", params}}.dump();
  SendRaw("Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
}

Json LspClient::Request(const std::string& method, const Json& params) {
  const int id = ++nextId_;
  const std::string body = Json{{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", params}}.dump();
  SendRaw("Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
  for (;;) {
    Json message = Next();
    if (message.is_null()) return message;
    if (message.contains("id") && message["id"] == id && !message.contains("method")) return message;
    notifications_.push_back(message);
  }
}

Json LspClient::Next(int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const size_t end = buffer_.find("\r\n\r\n");
    if (end != std::string::npos) {
      const size_t at = buffer_.find("Content-Length: ");
      const size_t length = std::strtoul(buffer_.c_str() + at + 16, nullptr, 10);
      if (buffer_.size() >= end + 4 + length) {
        Json message = Json::parse(buffer_.substr(end + 4, length));
        buffer_.erase(0, end + 4 + length);
        return message;
      }
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return nullptr;
    pollfd fd{out_, POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) return nullptr;
    char chunk[65536];
    const ssize_t n = read(out_, chunk, sizeof chunk);
    if (n <= 0) return nullptr;
    buffer_.append(chunk, static_cast<size_t>(n));
  }
}

int LspClient::Wait(int timeoutMs) {
  if (pid_ <= 0) return -1;
  for (int waited = 0; waited <= timeoutMs; waited += 10) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return -1;
}

Json LspClient::DiagnosticsFor(const std::string& uri) const {
  Json found;
  for (const Json& message : notifications_)
    if (message.value("method", "") == "textDocument/publishDiagnostics" && message["params"]["uri"] == uri)
      found = message["params"]["diagnostics"];
  return found;
}

}  // namespace lsptest
