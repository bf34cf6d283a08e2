// Runs the built `olvaren` front end as a user would, and collects what it
// printed and how it ended.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

struct ProgramResult {
  int exitCode = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs olvaren with the arguments (each quoted for the shell), in `dir` when
// it is not empty, with XDG_CONFIG_HOME set to `configHome` when that is not
// empty (the add-in's settings folder). On Windows (RunOlvarenWin32.cpp) the
// settings folder is the "AppData" shell folder, pointed at `configHome` for
// the run and put back after it.
// The built front end's path (olvaren, or olvaren.exe on Windows).
std::string OlvarenProgram();

ProgramResult RunOlvaren(const std::vector<std::string>& args, const std::string& dir = "",
                         const std::string& configHome = "");

}  // namespace testsupport
