// Where a MassFinder hit stands in its report line, for --column, colours and
// JSON: the report line is "[<LIBRARY>] [A] [B] ... ITEM-LINE", the item's
// line as the tool searched it ("Title: text", a comment's text) with tabs
// and line breaks as blanks. The first match is found in the item's line by
// the tool's own rules (ASCII letters folded unless Match Case, Whole Word
// as the tool tests it), so the column is that of the text as shown.
#pragma once

#include <string>
#include <vector>

#include "ide/outline/Outline.h"

namespace olvcli {

// The pattern (in the file's bytes) and the search's options.
struct MatchRule {
  std::string pattern;
  bool matchCase = false;
  bool wholeWord = false;
};

struct HitPlace {
  bool located = false;      // the match was found in the item's line
  size_t matchStart = 0;     // in the report line's bytes
  size_t matchLength = 0;
  std::vector<std::string> path;  // the location's names, [A] [B] ... without brackets (file bytes)
};

// The first match of `rule` in `text` from `from` on, by the tool's rules;
// npos when there is none.
size_t FindMatch(const std::string& text, size_t from, const MatchRule& rule);

// Locates the hit of `item` in its report line `reportText`.
HitPlace LocateHit(const std::string& reportText, const ide::Outline& outline, ide::ItemId item,
                   const MatchRule& rule);

}  // namespace olvcli
