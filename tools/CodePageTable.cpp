// Conversions through a single-byte code page's table (see CodePageTable.h).
#include "CodePageTable.h"

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
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t cp = 0;
    if (!ReadUtf8(utf8, pos, cp)) return false;
    int found = -1;
    for (int b = 0; b < 256 && found < 0; ++b)
      if (table.toUnicode[b] == cp) found = b;
    if (found < 0) return false;
    bytes += static_cast<char>(found);
  }
  return true;
}

}  // namespace olvcli
