// Reading an outline file into memory and turning its bytes into the narrow
// text the reader works on: UTF-16 (with byte-order mark) becomes UTF-8, a
// UTF-8 byte-order mark is skipped, every other byte is kept as it is.
#pragma once

#include <cstddef>
#include <string>

namespace ide {

// A regular file read block by block. Open checks it as ReadWholeFile does;
// Read gives the next bytes, also past the size it had when opened, but
// never more than one byte past `maxBytes`, which is an error.
class FileBlocks {
 public:
  FileBlocks() = default;
  FileBlocks(const FileBlocks&) = delete;
  FileBlocks& operator=(const FileBlocks&) = delete;
  ~FileBlocks();
  bool Open(const std::string& path, size_t maxBytes, std::string& error);
  unsigned long long Size() const { return size_; }  // when opened
  // Reads up to `n` bytes into `dst`: the count, 0 at the end of the file,
  // -1 with `error` set on a read error or when the file grew past the limit.
  long long Read(char* dst, size_t n, std::string& error);

 private:
  int fd_ = -1;
  unsigned long long size_ = 0, got_ = 0;
  size_t maxBytes_ = 0;
};

// Reads the first bytes of an opened file into `out`: what one read gives of
// its first 16 KiB, and at least 4 bytes where the file has them (enough to
// tell its byte-order mark).
bool ReadHead(FileBlocks& file, std::string& out, std::string& error);

// Reads the rest of an opened file onto the end of `out`.
bool ReadRest(FileBlocks& file, std::string& out, std::string& error);

// Reads the whole file into `out`. On failure returns false and sets `error`.
// A file larger than `maxBytes` is refused by its size before any of it is
// read ("file too large: N bytes, the limit is M bytes").
bool ReadWholeFile(const std::string& path, std::string& out, std::string& error,
                   size_t maxBytes = static_cast<size_t>(-1));

// The error of a file or text of `size` bytes above `limit`.
std::string FileTooLarge(unsigned long long size, unsigned long long limit);

// Converts `buffer` in place when it starts with a UTF-16 byte-order mark, and sets
// `start` to the first byte of text (after a byte-order mark). Returns false with
// `error` set for malformed UTF-16 input.
bool DecodeOutlineText(std::string& buffer, size_t& start, std::string& error);

}  // namespace ide
