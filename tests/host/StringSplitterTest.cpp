// CStringSplitter: tokens, empty tokens and the last-token flag.
#include <gtest/gtest.h>

#include "host/StringSplitter.h"

namespace {

std::string Split(const char* text, const char* separator) {
  CStringSplitter splitter{CString(text), CString(separator)};
  std::string out;
  while (splitter.Next()) {
    out += "[" + std::string(splitter.GetToken().GetString()) + (splitter.IsLastToken() ? "]$" : "]");
  }
  EXPECT_TRUE(splitter.GetToken().IsEmpty());
  EXPECT_FALSE(splitter.IsLastToken());
  return out;
}

TEST(StringSplitterTest, Tokens) {
  EXPECT_EQ(Split("hWnd.Child.Value", "."), "[hWnd][Child][Value]$");
  EXPECT_EQ(Split("a.", "."), "[a][]$");
  EXPECT_EQ(Split(".a", "."), "[][a]$");
  EXPECT_EQ(Split("..", "."), "[][][]$");
  EXPECT_EQ(Split("", "."), "[]$");
  EXPECT_EQ(Split("noSeparator", "."), "[noSeparator]$");
  EXPECT_EQ(Split("a::b::", "::"), "[a][b][]$");
  EXPECT_EQ(Split("a.b", ""), "[a.b]$");  // an empty separator once looped for ever
  EXPECT_EQ(Split("", ""), "[]$");
}

}  // namespace
