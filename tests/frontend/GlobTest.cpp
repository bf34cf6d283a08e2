// --glob's patterns as ripgrep users write them: a table of patterns, names
// and whether each pattern takes the name.
#include <gtest/gtest.h>

#include "Codebase.h"

namespace {

TEST(GlobTest, MatchesAsRipgrepGlobs) {
  struct Case {
    const char* glob;
    const char* name;
    bool matches;
  } cases[] = {
      {"*.apl", "lib.apl", true},
      {"*.apl", "lib.APL", false},  // globs keep case, as ripgrep's -g does
      {"*.apl", "old/lib.apl", false},  // '*' stops at '/'
      {"**/*.apl", "old/lib.apl", true},
      {"**/*.apl", "lib.apl", true},  // "**/" also stands for no folder
      {"old/**", "old/a/b.app", true},
      {"lib?.apl", "lib1.apl", true},
      {"lib?.apl", "lib.apl", false},
      {"[a-c]*.app", "billing.app", true},
      {"[a-c]*.app", "orders.app", false},
      {"[!a-c]*.app", "orders.app", true},
      {"orders.app", "orders.app", true},
      {"orders.app", "orders.apt", false},
      {"", "", true},
      {"*", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.glob) + " ~ " + c.name);
    EXPECT_EQ(olvcli::GlobMatches(c.glob, c.name), c.matches);
  }
}

}  // namespace
