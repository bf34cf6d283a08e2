// Quoting arguments for a Windows command line (see CommandLine.h).
#include "CommandLine.h"

namespace testsupport {

std::string QuoteArgument(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\n\v\"") == std::string::npos) return arg;
  std::string out = "\"";
  for (size_t i = 0;; ++i) {
    size_t backslashes = 0;
    while (i < arg.size() && arg[i] == '\\') {
      ++i;
      ++backslashes;
    }
    if (i == arg.size()) {
      out.append(backslashes * 2, '\\');  // they stand before the closing quote
      break;
    }
    if (arg[i] == '"') {
      out.append(backslashes * 2 + 1, '\\');
    } else {
      out.append(backslashes, '\\');  // backslashes elsewhere are plain characters
    }
    out += arg[i];
  }
  return out + '"';
}

std::string BuildCommandLine(const std::string& program, const std::vector<std::string>& args) {
  std::string line = "\"" + program + "\"";
  for (const std::string& arg : args) line += " " + QuoteArgument(arg);
  return line;
}

}  // namespace testsupport
