// A Windows command line built from separate arguments, quoted so that the
// child's C runtime (and CommandLineToArgvW) reads back exactly those
// arguments.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

// One argument as it goes on the command line: unchanged when it has no
// blank and no quote; else in quotes, with a quote as \" and the backslashes
// before a quote or before the closing quote doubled.
std::string QuoteArgument(const std::string& arg);

// The program (always in quotes: the first word is read up to the next quote,
// without backslash escapes) and its arguments, each quoted as above.
std::string BuildCommandLine(const std::string& program, const std::vector<std::string>& args);

}  // namespace testsupport
