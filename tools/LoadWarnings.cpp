// Printing the reader's load warnings (see LoadWarnings.h).
#include "LoadWarnings.h"

#include <ostream>
#include <set>

namespace olvcli {
namespace {

bool g_quiet = false;
std::set<std::string> g_printed;  // warnings printed in this run, by their text without location

// Where the location "FILE:LINE" of a warning ends (at the ": " after the
// line number), or npos when it starts with none.
size_t LocationEnd(const std::string& warning) {
  for (size_t colon = warning.find(':'); colon != std::string::npos; colon = warning.find(':', colon + 1)) {
    size_t end = colon + 1;
    while (end < warning.size() && warning[end] >= '0' && warning[end] <= '9') ++end;
    if (end > colon + 1 && warning.compare(end, 2, ": ") == 0) return end;
  }
  return std::string::npos;
}

// What a warning says without where: the text after the location, without
// the reader's count of further includes of the same library, in lower case.
std::string WarningKey(const std::string& warning) {
  size_t end = LocationEnd(warning);
  std::string key = end == std::string::npos ? warning : warning.substr(end + 2);
  size_t more = key.rfind(" (and ");
  if (more != std::string::npos && key.back() == ')') key.erase(more);
  // Library names are compared without regard to case, as on Windows.
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return key;
}

}  // namespace

void AddQuietOption(CLI::App& app) {
  app.add_flag("-q,--quiet", g_quiet, "Print no load warnings (libraries not found, include cycles ...)");
}

std::string CompilerStyleWarning(const std::string& warning) {
  size_t end = LocationEnd(warning);
  if (end == std::string::npos) return "warning: " + warning;
  return warning.substr(0, end) + ": warning: " + warning.substr(end + 2);
}

void PrintLoadWarnings(const std::vector<std::string>& warnings, std::ostream& out) {
  if (g_quiet) return;
  for (const std::string& warning : warnings)
    if (g_printed.insert(WarningKey(warning)).second) out << CompilerStyleWarning(warning) << '\n';
}

}  // namespace olvcli
