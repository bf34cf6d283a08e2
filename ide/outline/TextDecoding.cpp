// File reading and byte-order-mark handling for the outline reader.
#include "ide/outline/TextDecoding.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ide {
namespace {

#ifdef _WIN32
// Windows' C runtime opens in text mode unless told otherwise, which would
// turn CR LF into LF and stop at a Ctrl+Z; there are no FIFOs to stall on.
constexpr int kOpenFlags = O_RDONLY | O_BINARY;
#else
constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
#endif

}  // namespace

std::string FileTooLarge(unsigned long long size, unsigned long long limit) {
  return "file too large: " + std::to_string(size) + " bytes, the limit is " + std::to_string(limit) + " bytes";
}

FileBlocks::~FileBlocks() {
  if (fd_ >= 0) close(fd_);
}

bool FileBlocks::Open(const std::string& path, size_t maxBytes, std::string& error) {
  // Only a regular file is read. The name is checked first and opened without
  // blocking, so a FIFO or a device put in its place between the check and the
  // open cannot stall the reader; the opened descriptor is checked again.
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    error = std::string("cannot open file: ") + std::strerror(errno);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    error = "cannot read file: not a regular file";
    return false;
  }
  fd_ = open(path.c_str(), kOpenFlags);
  if (fd_ < 0) {
    error = std::string("cannot open file: ") + std::strerror(errno);
    return false;
  }
  if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = "cannot read file: not a regular file";
    return false;
  }
  // The size is known before anything is read or allocated: a file too
  // large is refused at once.
  size_ = static_cast<unsigned long long>(st.st_size);
  maxBytes_ = maxBytes;
  if (size_ > maxBytes) {
    error = FileTooLarge(size_, maxBytes);
    return false;
  }
  return true;
}

long long FileBlocks::Read(char* dst, size_t n, std::string& error) {
  // One byte past the limit tells that the file grew too large.
  const unsigned long long room = maxBytes_ == static_cast<size_t>(-1) ? n : maxBytes_ + 1 - got_;
  n = static_cast<size_t>(std::min<unsigned long long>({n, room, 1u << 30}));
  for (;;) {
    const auto r = n == 0 ? 0 : read(fd_, dst, static_cast<unsigned>(n));
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) {
      error = "cannot read file: read error";
      return -1;
    }
    got_ += static_cast<unsigned long long>(r);
    if (got_ > maxBytes_) {
      error = FileTooLarge(got_, maxBytes_);
      return -1;
    }
    return r;
  }
}

namespace {

// Reads onto the end of `out` until it holds `enough` bytes or the file ends,
// in room of `room` bytes at first, doubled when it is filled.
bool ReadOnto(FileBlocks& file, std::string& out, size_t room, size_t enough, std::string& error) {
  size_t got = out.size();
  out.resize(std::max(room, got + 1));
  while (got < enough) {
    if (got == out.size()) out.resize(out.size() * 2);
    const long long n = file.Read(&out[got], out.size() - got, error);
    if (n < 0) return false;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  out.resize(got);
  return true;
}

}  // namespace

bool ReadHead(FileBlocks& file, std::string& out, std::string& error) {
  out.clear();
  const size_t room = static_cast<size_t>(std::min<unsigned long long>(file.Size(), 16 * 1024)) + 4;
  return ReadOnto(file, out, room, 4, error);
}

bool ReadRest(FileBlocks& file, std::string& out, std::string& error) {
  return ReadOnto(file, out, static_cast<size_t>(file.Size()) + 1, static_cast<size_t>(-1), error);
}

bool ReadWholeFile(const std::string& path, std::string& out, std::string& error, size_t maxBytes) {
  FileBlocks file;
  std::string data;
  if (!file.Open(path, maxBytes, error) || !ReadRest(file, data, error)) return false;
  out.swap(data);
  return true;
}

namespace {

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

bool DecodeOutlineText(std::string& buffer, size_t& start, std::string& error) {
  start = 0;
  const auto* b = reinterpret_cast<const unsigned char*>(buffer.data());
  const size_t n = buffer.size();
  if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
    start = 3;
    return true;
  }
  const bool le = n >= 2 && b[0] == 0xFF && b[1] == 0xFE;
  const bool be = n >= 2 && b[0] == 0xFE && b[1] == 0xFF;
  if (!le && !be) return true;
  if (n % 2 != 0) {
    error = "malformed UTF-16 text (odd number of bytes)";
    return false;
  }
  std::string out;
  out.reserve(n);
  for (size_t i = 2; i < n; i += 2) {
    uint32_t u = le ? (b[i] | (b[i + 1] << 8)) : ((b[i] << 8) | b[i + 1]);
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 3 >= n) {
        error = "malformed UTF-16 text (unpaired surrogate)";
        return false;
      }
      uint32_t v = le ? (b[i + 2] | (b[i + 3] << 8)) : ((b[i + 2] << 8) | b[i + 3]);
      if (v < 0xDC00 || v > 0xDFFF) {
        error = "malformed UTF-16 text (unpaired surrogate)";
        return false;
      }
      u = 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00);
      i += 2;
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      error = "malformed UTF-16 text (unpaired surrogate)";
      return false;
    }
    AppendUtf8(out, u);
  }
  buffer.swap(out);
  return true;
}

}  // namespace ide
