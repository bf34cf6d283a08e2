// URIs, lines and columns of the language server (see LspText.h).
#include "lsp/LspText.h"

#include <cctype>

namespace olvcli::lsp {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// UTF-16 code units of a UTF-8 text: one per code point, two above U+FFFF.
int Utf16Units(std::string_view utf8) {
  int units = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++units;  // a lead byte or ASCII
    if (c >= 0xF0) ++units;           // four bytes: a surrogate pair
  }
  return units;
}

bool IsWordByte(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace

std::string PathFromUri(const std::string& uri) {
  static const char kScheme[] = "file://";
  if (uri.compare(0, 7, kScheme) != 0) return {};
  size_t start = 7;
  if (uri.compare(start, 9, "localhost") == 0) start += 9;
  std::string path;
  for (size_t i = start; i < uri.size(); ++i) {
    if (uri[i] == '%' && i + 2 < uri.size() && HexValue(uri[i + 1]) >= 0 && HexValue(uri[i + 2]) >= 0) {
      path += static_cast<char>(HexValue(uri[i + 1]) * 16 + HexValue(uri[i + 2]));
      i += 2;
    } else {
      path += uri[i];
    }
  }
  return path;
}

std::string UriFromPath(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string uri = "file://";
  for (unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 15];
    }
  }
  return uri;
}

std::vector<std::string_view> LineViews(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (;;) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
    lines.push_back(text.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
  const std::vector<std::string_view> views = LineViews(text);
  return std::vector<std::string>(views.begin(), views.end());
}

int Utf16Column(std::string_view line, size_t byteColumn, const TextEncoding& encoding) {
  if (byteColumn > line.size()) byteColumn = line.size();
  return Utf16Units(encoding.ToUtf8(line.substr(0, byteColumn)));
}

size_t ByteColumn(std::string_view line, int column, const TextEncoding& encoding) {
  // The code pages are single-byte ones: a byte is one character, which is
  // one UTF-16 unit or two; count them byte by byte.
  int units = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if (units >= column) return i;
    units += Utf16Units(encoding.ToUtf8(line.substr(i, 1)));
  }
  return line.size();
}

size_t TextOffset(std::string_view text, int line, int column, const TextEncoding* encoding) {
  size_t start = 0;
  for (int n = 0; n < line; ++n) {
    const size_t end = text.find('\n', start);
    if (end == std::string_view::npos) return text.size();
    start = end + 1;
  }
  size_t end = text.find('\n', start);
  if (end == std::string_view::npos) end = text.size();
  if (end > start && text[end - 1] == '\r') --end;
  const std::string_view lineText = text.substr(start, end - start);
  if (encoding != nullptr) return start + ByteColumn(lineText, column, *encoding);
  // UTF-8: a code point is one UTF-16 unit, two for four bytes.
  int units = 0;
  for (size_t i = 0; i < lineText.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(lineText[i]);
    if ((c & 0xC0) == 0x80) continue;  // inside a code point
    if (units >= column) return start + i;
    units += c >= 0xF0 ? 2 : 1;
  }
  return end;
}

size_t FindWord(std::string_view text, std::string_view word, size_t from) {
  if (word.empty()) return std::string_view::npos;
  for (size_t at = from; at + word.size() <= text.size(); ++at) {
    bool same = true;
    for (size_t k = 0; k < word.size() && same; ++k)
      same = std::tolower(static_cast<unsigned char>(text[at + k])) == std::tolower(static_cast<unsigned char>(word[k]));
    if (!same) continue;
    if (at > 0 && IsWordByte(text[at - 1])) continue;
    if (at + word.size() < text.size() && IsWordByte(text[at + word.size()])) continue;
    return at;
  }
  return std::string_view::npos;
}

}  // namespace olvcli::lsp
