// Reading an outline file into memory and turning its bytes into the narrow
// text the reader works on: UTF-16 (with byte-order mark) becomes UTF-8, a
// UTF-8 byte-order mark is skipped, every other byte is kept as it is.
#pragma once

#include <cstddef>
#include <string>

namespace ide {

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
