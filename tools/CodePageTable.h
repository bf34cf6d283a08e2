// A single-byte code page as the code point of each of its 256 bytes, and
// the conversions between such a code page and UTF-8 that --encoding needs
// where iconv is not there (Windows fills the table from its own code pages).
#pragma once

#include <string>
#include <string_view>

namespace olvcli {

struct CodePageTable {
  static constexpr char32_t kUndefined = 0xFFFFFFFF;
  char32_t toUnicode[256];  // kUndefined for a byte the code page does not define
};

// The bytes as UTF-8; a byte the code page does not define becomes U+FFFD.
std::string TableToUtf8(const CodePageTable& table, std::string_view bytes);
// UTF-8 as the code page's bytes; false when `utf8` is no valid UTF-8 or
// holds a character the code page lacks (`bytes` is then incomplete).
bool TableFromUtf8(const CodePageTable& table, std::string_view utf8, std::string& bytes);

}  // namespace olvcli
