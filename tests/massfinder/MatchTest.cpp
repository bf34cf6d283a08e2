// The pattern test on single lines: match case, whole word (any occurrence
// standing as a word is enough), the outline line as title, separator and
// text, and one hit per line however often the pattern occurs in it.
#include <mbctype.h>
#include <mbstring.h>

#include <random>
#include <string>
#include <vector>

#include "MassFinderTestSupport.h"
#include "WineMarks.h"

namespace {

struct MatchCase {
  const char* name;
  const char* item;      // the outline text of the one statement searched
  const char* pattern;
  bool matchCase;
  bool wholeWord;
  bool hit;
  bool todoWine = false;  // Wine's runtime: _mbslwr folds ASCII only, _ismbcalnum follows the ANSI code page
};

// An application whose only searched line of interest is `item`, on line 6.
std::string OutlineWith(const std::string& item) {
  return ".head 0 +  Application Description: t\n"
         ".head 1 +  Global Declarations\n"
         ".head 2 +  Internal Functions\n"
         ".head 3 +  Function: F\n"
         ".head 4 +  Actions\n"
         ".head 5 -  " + item + "\n";
}

class MatchTest : public MassFinderTest {};

TEST_F(MatchTest, Lines) {
  const MatchCase cases[] = {
      {"first occurrence inside a word, a later one alone", "Set xa = a", "a", false, true, true},
      {"every occurrence inside a word", "Set xa = ab", "a", false, true, false},
      {"underscore is a word character", "Set x = foo_bar", "foo", false, true, false},
      {"dot is a boundary", "Set x = foo.bar", "foo", false, true, true},
      {"parenthesis is a boundary", "Call foo(x)", "foo", false, true, true},
      {"at the end of the line", "Return foo", "foo", false, true, true},
      {"digit is a word character", "Set x = foo2", "foo", false, true, false},
      {"byte above 127 is a boundary (ASCII letters only)", "Set x = \xe9" "foo\xe9", "foo", false, true, true, true},
      {"inside a word without whole word", "Set x = foo_bar", "foo", false, false, true},
      {"case folded: lower line, upper pattern", "Set x = abc", "ABC", false, false, true},
      {"case folded: mixed line", "Set x = Abc", "ABC", false, false, true},
      {"match case: other case", "Set x = Abc", "ABC", true, false, false},
      {"match case: same case", "Set x = ABC", "ABC", true, false, true},
      {"colon-less type has no colon", "Set nA = 1", "Set nA", false, false, true},
      {"colon-less type: colon pattern fails", "Set nA = 1", "Set: nA", false, false, false},
      {"pattern spans title and text", "Number: nCount", "number: nc", false, false, true},
      {"whole word across the separator", "Number: nCount", "Number", false, true, true},
  };
  ASSERT_EQ(_setmbcp(_MB_CP_SBCS), 0);
  for (const MatchCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string file = Folder() + "/match.app";
    WriteTextFile(file, OutlineWith(c.item));
    Open(file);
    FindOptions options;
    options.matchCase = c.matchCase;
    options.wholeWord = c.wholeWord;
    Find(c.pattern, options);
    std::string out = Output(Folder());
    const bool hit = out.find("match.app:6: [Global Declarations] [Internal Functions] [F] ") != std::string::npos;
    if (c.todoWine)
      TODO_WINE(EXPECT_EQ(hit, c.hit) << out);
    else
      EXPECT_EQ(hit, c.hit) << out;
    ClickClose();
    RestartIde();
  }
  _setmbcp(_MB_CP_ANSI);
}

// Case folding and word characters follow the runtime's multibyte code
// page: in cp1251 Cyrillic capitals fold and Cyrillic letters are word
// characters; in the default code page only ASCII letters are.
TEST_F(MatchTest, LinesInTheCodePage) {
  const struct {
    int codePage;
    MatchCase match;
  } cases[] = {
      {1251, {"Cyrillic capitals fold", "Set s = '\xd2\xce\xcb\xdc\xca\xce'", "\xf2\xee\xeb\xfc\xea\xee", false, false, true, true}},
      {1251, {"Cyrillic small pattern, capital line", "Set s = '\xc7\xc0\xca\xc0\xc7'", "\xe7\xe0\xea\xe0\xe7", false, false, true, true}},
      {1251, {"match case keeps them apart", "Set s = '\xc7\xc0\xca\xc0\xc7'", "\xe7\xe0\xea\xe0\xe7", true, false, false}},
      {1251, {"a Cyrillic letter is a word character", "Set s = '\xe7\xe0\xea\xe0\xe7\xee\xe2'", "\xe7\xe0\xea\xe0\xe7", false, true, false}},
      {1251, {"a Cyrillic word alone", "Set s = '\xe7\xe0\xea\xe0\xe7 1'", "\xe7\xe0\xea\xe0\xe7", false, true, true}},
      {1251, {"the dash is no letter", "Set s = 'a\x96" "foo'", "foo", false, true, true}},
      {_MB_CP_SBCS, {"single bytes: no folding above 127", "Set s = '\xc7\xc0'", "\xe7\xe0", false, false, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.match.name);
    ASSERT_EQ(_setmbcp(c.codePage), 0);
    std::string file = Folder() + "/match.app";
    WriteTextFile(file, OutlineWith(c.match.item));
    Open(file);
    FindOptions options;
    options.matchCase = c.match.matchCase;
    options.wholeWord = c.match.wholeWord;
    Find(c.match.pattern, options);
    std::string out = Output(Folder());
    const bool hit = out.find("match.app:6: ") != std::string::npos;
    if (c.match.todoWine)
      TODO_WINE(EXPECT_EQ(hit, c.match.hit) << out);
    else
      EXPECT_EQ(hit, c.match.hit) << out;
    ClickClose();
    RestartIde();
  }
  _setmbcp(_MB_CP_ANSI);
}

TEST_F(MatchTest, ALineWithThreeOccurrencesCountsOnce) {
  std::string file = Folder() + "/match.app";
  WriteTextFile(file, OutlineWith("Set nA = nA + nA"));
  Open(file);
  Find("nA", FindOptions{true, false, false, false, false});
  EXPECT_EQ(ReportTexts(), (std::vector<std::string>{"Search Results for \"nA\"", "",
                                                      "[Global Declarations] [Internal Functions] [F] Set nA = nA + nA", "",
                                                      "1 Occurrences found for \"nA\""}));
}

// The runtime's own answer for one line: some occurrence of the pattern in
// the line folded by _mbslwr (without match case), standing as a word of
// its own (letters and digits of the code page, and '_') when asked.
bool RuntimeFinds(std::string line, std::string pattern, const FindOptions& options) {
  if (!options.matchCase) {
    _mbslwr(reinterpret_cast<unsigned char*>(&line[0]));
    _mbslwr(reinterpret_cast<unsigned char*>(&pattern[0]));
  }
  auto word = [](char ch) { return _ismbcalnum(static_cast<unsigned char>(ch)) || ch == '_'; };
  for (size_t at = line.find(pattern); at != std::string::npos; at = line.find(pattern, at + 1)) {
    const size_t end = at + pattern.size();
    if (!options.wholeWord || ((at == 0 || !word(line[at - 1])) && (end >= line.size() || !word(line[end]))))
      return true;
  }
  return false;
}

// Many lines of letters of both cases (ASCII and the code page's own), digits,
// '_' and boundaries, searched for pieces of them in other cases: every hit
// and every miss agrees with the runtime's folding and word characters, in
// each code page and with every combination of match case and whole word.
TEST_F(MatchTest, EveryLineAgreesWithTheRuntime) {
  const char alphabet[] = "aAbBsSqQlL_1 .(=\xc0\xe0\xc7\xe7\xd2\xf2\xe9\xc9\x96";
  std::mt19937 random(7);
  auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  std::vector<std::string> lines;
  for (int i = 0; i < 300; ++i) {
    std::string text(1, 'x');
    for (size_t n = 1 + pick(24); n > 0; --n) text += alphabet[pick(sizeof alphabet - 1)];
    if (text.back() == ' ') text.back() = '.';  // the reader drops trailing blanks
    lines.push_back("Set " + text);
  }
  std::string outline = OutlineWith(lines[0]);
  for (size_t i = 1; i < lines.size(); ++i) outline += ".head 5 -  " + lines[i] + "\n";

  std::vector<std::string> patterns = {"s", "Q", "_", "ab", "Set x", "\xe0", "\xc7\xe7", "a a", "l_1", "xs"};
  for (int i = 0; i < 10; ++i) {  // pieces of the lines, some in the other case
    const std::string& line = lines[pick(lines.size())];
    const size_t from = pick(line.size()), length = 1 + pick(6);
    std::string piece = line.substr(from, length);
    for (char& c : piece)
      if (pick(2) == 0) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    patterns.push_back(piece);
  }

  const std::string prefix = "[Global Declarations] [Internal Functions] [F] ";
  for (int codePage : {1251, 1252, _MB_CP_SBCS}) {
    ASSERT_EQ(_setmbcp(codePage), 0);
    std::string file = Folder() + "/lines.app";
    WriteTextFile(file, outline);
    Open(file);
    for (const std::string& pattern : patterns) {
      if (pattern.find_first_not_of(' ') == std::string::npos) continue;  // the dialog trims blanks
      for (int flags = 0; flags < 4; ++flags) {
        FindOptions options;
        options.matchCase = (flags & 1) != 0;
        options.wholeWord = (flags & 2) != 0;
        SCOPED_TRACE("code page " + std::to_string(codePage) + ", pattern \"" + pattern + "\", flags " +
                     std::to_string(flags));
        std::vector<std::string> expected;
        for (const std::string& line : lines)
          if (RuntimeFinds(line, pattern, options)) expected.push_back(prefix + line);
        Find(pattern, options);
        std::vector<std::string> report = ReportTexts();
        ASSERT_FALSE(report.empty());
        std::vector<std::string> hits;  // the statements' lines (the other items may hit too)
        size_t lines = 0;
        for (size_t i = report.size() - 1; i-- > 0 && report[i].rfind("Search Results for ", 0) != 0;) {
          if (report[i].empty()) continue;
          ++lines;
          if (report[i].rfind(prefix + "Set ", 0) == 0) hits.insert(hits.begin(), report[i]);
        }
        EXPECT_EQ(hits, expected);
        EXPECT_EQ(report.back(), std::to_string(lines) + " Occurrences found for \"" + pattern + "\"");
      }
    }
    ClickClose();
    RestartIde();
  }
  _setmbcp(_MB_CP_ANSI);
}

}  // namespace
