// The reader's load warnings as the front end prints them: in the compilers'
// form "FILE:LINE: warning: TEXT" that editors' problem matchers read, each
// once per run (a library missing from several programs is named once), and
// none at all with the front end's -q/--quiet.
#pragma once

#include <CLI/CLI.hpp>

#include <iosfwd>
#include <string>
#include <vector>

namespace olvcli {

// Adds -q,--quiet to the front end's command line.
void AddQuietOption(CLI::App& app);

// "FILE:LINE: TEXT" (as the reader writes a warning) as
// "FILE:LINE: warning: TEXT"; a warning without a location as "warning: TEXT".
std::string CompilerStyleWarning(const std::string& warning);

// Prints the warnings of one load to `out` unless --quiet was given or the
// same warning (the same text about the same library, wherever it stands)
// was printed before in this run.
void PrintLoadWarnings(const std::vector<std::string>& warnings, std::ostream& out);

}  // namespace olvcli
