// The pattern test on single lines: match case, whole word (any occurrence
// standing as a word is enough), the outline line as title, separator and
// text, and one hit per line however often the pattern occurs in it.
#include <mbctype.h>

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

}  // namespace
