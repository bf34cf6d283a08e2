// The Windows command line the test support builds from separate arguments:
// the quoting rules of CommandLineToArgvW (checked against the real one and
// a real child process under Wine: CommandLineWin32Test.cpp).
#include <gtest/gtest.h>

#include "CommandLine.h"

namespace {

TEST(CommandLine, QuoteArgument) {
  const struct {
    const char* what;
    std::string arg;
    std::string quoted;
  } cases[] = {
      {"plain", "outline", "outline"},
      {"empty", "", "\"\""},
      {"blank", "a b", "\"a b\""},
      {"tab", "a\tb", "\"a\tb\""},
      {"quote", "say \"hi\"", "\"say \\\"hi\\\"\""},
      {"backslashes without quote or blank", "C:\\dir\\", "C:\\dir\\"},
      {"backslash before the closing quote", "C:\\my dir\\", "\"C:\\my dir\\\\\""},
      {"backslashes before a quote", "a\\\\\"b", "\"a\\\\\\\\\\\"b\""},
      {"backslashes inside", "a\\b c", "\"a\\b c\""},
      {"UTF-8 bytes", "заказ", "заказ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(testsupport::QuoteArgument(c.arg), c.quoted);
  }
}

TEST(CommandLine, ProgramIsQuotedWithoutEscapes) {
  EXPECT_EQ(testsupport::BuildCommandLine("C:\\bin dir\\olvaren.exe", {"find", "a b", ""}),
            "\"C:\\bin dir\\olvaren.exe\" find \"a b\" \"\"");
}

}  // namespace
