// Checked standard output and escaped messages (see StandardStreams.h).
#include "StandardStreams.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <streambuf>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "Commands.h"

namespace olvcli {
namespace {

// Writes all of `size` bytes; the errno value of a failure, else 0.
int WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const unsigned chunk = static_cast<unsigned>(size > (1u << 30) ? (1u << 30) : size);
#ifdef _WIN32
    const int n = _write(fd, data, chunk);
#else
    const ssize_t n = write(fd, data, chunk);
#endif
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return 0;
}

// A buffered stream on a descriptor that remembers its first write error
// (and writes nothing after it); `escape` turns control characters into text.
class DescriptorBuf : public std::streambuf {
 public:
  DescriptorBuf(int fd, bool escape) : fd_(fd), escape_(escape) { setp(buffer_, buffer_ + sizeof buffer_); }
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type ch) override {
    if (Flush() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(ch);
      pbump(1);
    }
    return traits_type::not_eof(ch);
  }
  int sync() override { return Flush(); }

 private:
  int Flush() {
    const size_t n = static_cast<size_t>(pptr() - pbase());
    setp(buffer_, buffer_ + sizeof buffer_);
    if (error_ != 0) return -1;
    if (n == 0) return 0;
    if (escape_) {
      const std::string text = EscapeControls(std::string_view(buffer_, n));
      error_ = WriteAll(fd_, text.data(), text.size());
    } else {
      error_ = WriteAll(fd_, buffer_, n);
    }
    return error_ == 0 ? 0 : -1;
  }

  int fd_;
  bool escape_;
  int error_ = 0;
  char buffer_[1 << 14];
};

// Both live until the program ends (the streams flush at exit).
DescriptorBuf* g_out = nullptr;
DescriptorBuf* g_err = nullptr;

}  // namespace

void UseCheckedStreams() {
  if (g_out != nullptr) return;
  g_out = new DescriptorBuf(1, false);
  g_err = new DescriptorBuf(2, true);
  std::cout.flush();
  std::cerr.flush();
  std::cout.rdbuf(g_out);
  std::cerr.rdbuf(g_err);
}

bool OutputWritten(std::string& reason) {
  std::cout.flush();
  const int error = g_out != nullptr ? g_out->Error() : 0;
  if (error == 0 && std::cout) return true;
  reason = error != 0 ? std::strerror(error) : "the output stream failed";
  return false;
}

int ReportWriteError(const std::string& reason) {
  static bool reported = false;  // a command that stopped at the error has said so
  if (!reported) std::cerr << "olvaren: write error: " << reason << '\n' << std::flush;
  reported = true;
  return kExitUsage;
}

std::string EscapeControls(std::string_view text) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  auto escape = [&](unsigned char byte) {
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 15];
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
      escape(c);
    } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      escape(c);
      escape(static_cast<unsigned char>(text[++i]));
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace olvcli
