// Conversions through a single-byte code page's table (see CodePageTable.h).
#include "CodePageTable.h"

#include <algorithm>
#include <utility>

#include "Utf8.h"

namespace olvcli {

std::string TableToUtf8(const CodePageTable& table, std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const char32_t cp = table.toUnicode[static_cast<unsigned char>(ch)];
    AppendUtf8(out, cp == CodePageTable::kUndefined ? kReplacementCharacter : cp);
  }
  return out;
}

bool TableFromUtf8(const CodePageTable& table, std::string_view utf8, std::string& bytes) {
  bytes.clear();
  bytes.reserve(utf8.size());
  // The bytes by code point, the lowest byte first where two share one.
  std::pair<char32_t, unsigned char> byCodePoint[256];
  int count = 0;
  int asciiByte[128];  // the byte of each ASCII character, -1 for none
  std::fill(asciiByte, asciiByte + 128, -1);
  for (int b = 0; b < 256; ++b) {
    const char32_t cp = table.toUnicode[b];
    if (cp == CodePageTable::kUndefined) continue;
    byCodePoint[count++] = {cp, static_cast<unsigned char>(b)};
    if (cp < 128 && asciiByte[cp] < 0) asciiByte[cp] = b;
  }
  std::stable_sort(byCodePoint, byCodePoint + count,
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t pos = 0; pos < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[pos]);
    if (c < 0x80 && asciiByte[c] >= 0) {
      bytes += static_cast<char>(asciiByte[c]);
      ++pos;
      continue;
    }
    char32_t cp = 0;
    if (!ReadUtf8(utf8, pos, cp)) return false;
    const auto* found = std::lower_bound(byCodePoint, byCodePoint + count, cp,
                                         [](const auto& entry, char32_t value) { return entry.first < value; });
    if (found == byCodePoint + count || found->first != cp) return false;
    bytes += static_cast<char>(found->second);
  }
  return true;
}

}  // namespace olvcli
