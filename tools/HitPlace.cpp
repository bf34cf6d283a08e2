// Locating a hit in its report line (see HitPlace.h).
#include "HitPlace.h"

#include <mbstring.h>

#include "ide/outline/ItemTypes.h"

namespace olvcli {
namespace {

// Letter case and word characters as the add-in's search has them: the
// runtime's multibyte code page (see MultibyteCodePage.h).
char Folded(char c) {
  unsigned char pair[2] = {static_cast<unsigned char>(c), 0};
  _mbslwr(pair);
  return static_cast<char>(pair[0]);
}

bool IsWordChar(char ch) {
  unsigned char c = static_cast<unsigned char>(ch);
  return _ismbcalnum(c) || c == '_';
}

// The report's form of a text: tabs and line breaks as blanks.
std::string Flattened(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return out;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// "[A] [B] " as the names A, B.
std::vector<std::string> PathNames(const std::string& path) {
  std::vector<std::string> names;
  size_t at = 0;
  while (at < path.size() && path[at] == '[') {
    size_t end = path.find("] [", at);
    if (end == std::string::npos) end = path.size() >= 2 ? path.size() - 2 : path.size();
    if (end < at + 1) break;
    names.push_back(path.substr(at + 1, end - at - 1));
    at = end + 2;
  }
  return names;
}

}  // namespace

size_t FindMatch(const std::string& text, size_t from, const MatchRule& rule) {
  const std::string& p = rule.pattern;
  if (p.empty() || text.size() < p.size()) return std::string::npos;
  for (size_t at = from; at + p.size() <= text.size(); ++at) {
    size_t k = 0;
    while (k < p.size() && (rule.matchCase ? text[at + k] == p[k] : Folded(text[at + k]) == Folded(p[k]))) ++k;
    if (k < p.size()) continue;
    if (!rule.wholeWord) return at;
    size_t end = at + p.size();
    if ((at == 0 || !IsWordChar(text[at - 1])) && (end >= text.size() || !IsWordChar(text[end]))) return at;
  }
  return std::string::npos;
}

HitPlace LocateHit(const std::string& reportText, const ide::Outline& outline, ide::ItemId item,
                   const MatchRule& rule) {
  HitPlace place;
  const std::string title(outline.Title(item));
  const std::string text(outline.Text(item));
  const std::string tail = ' ' + Flattened(text);
  // The item's line: "Title: text", or "Title text" for the types the tool
  // writes without a colon.
  size_t lineStart = std::string::npos;
  if (EndsWith(reportText, title + ':' + tail))
    lineStart = reportText.size() - title.size() - 1 - tail.size();
  else if (EndsWith(reportText, title + tail))
    lineStart = reportText.size() - title.size() - tail.size();
  if (lineStart == std::string::npos) return place;
  // A comment is searched in its text alone.
  size_t from = outline.Type(item) == ide::ItemType::Comment ? reportText.size() - tail.size() + 1 : lineStart;
  size_t found = FindMatch(reportText, from, rule);
  if (found != std::string::npos) {
    place.located = true;
    place.matchStart = found;
    place.matchLength = rule.pattern.size();
  }
  size_t pathStart = 0;
  if (outline.IsIncluded(item) && reportText.compare(0, 1, "<") == 0) {
    size_t close = reportText.find("> ");
    if (close != std::string::npos && close < lineStart) pathStart = close + 2;
  }
  place.path = PathNames(reportText.substr(pathStart, lineStart - pathStart));
  return place;
}

}  // namespace olvcli
