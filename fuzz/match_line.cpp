// Fuzz target: MassFinder's pattern test on one line. The first byte picks
// match case and whole word, the bytes up to the next NUL are the pattern,
// the rest (up to a NUL) the line. The answer must agree with a plain
// reference: some occurrence of the (case-folded) pattern in the
// (case-folded) line, standing as a whole word when that is asked for.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "massfinder/LineMatcher.h"

namespace {

bool IsWord(char ch) {
  unsigned char c = static_cast<unsigned char>(ch);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

std::string Folded(std::string text, bool matchCase) {
  if (!matchCase)
    for (char& c : text)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool Expected(const std::string& line, const std::string& pattern, bool wholeWord) {
  for (size_t at = line.find(pattern); at != std::string::npos; at = line.find(pattern, at + 1)) {
    if (!wholeWord) return true;
    size_t end = at + pattern.size();
    if ((at == 0 || !IsWord(line[at - 1])) && (end >= line.size() || !IsWord(line[end]))) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const bool matchCase = data[0] & 1, wholeWord = data[0] & 2;
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  size_t cut = rest.find('\0');
  std::string pattern = rest.substr(0, cut);
  std::string line = cut == std::string::npos ? std::string() : rest.substr(cut + 1);
  line = line.substr(0, line.find('\0'));
  if (pattern.empty()) return 0;  // the dialog never searches an empty pattern

  CLineMatcher matcher;
  matcher.Prepare(Folded(pattern, matchCase).c_str(), matchCase, wholeWord);  // the search folds the pattern once
  BOOL hit = matcher.Match(line.data(), static_cast<int>(line.size()));
  if ((hit != FALSE) != Expected(Folded(line, matchCase), Folded(pattern, matchCase), wholeWord)) abort();
  return 0;
}
