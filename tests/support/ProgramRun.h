// Runs a program as a child process on Windows: separate arguments, a
// working folder, extra environment variables, standard output and error
// read through pipes, a time limit. (On Linux the tests go through the
// shell: RunOlvaren.cpp.)
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

struct ProgramRun {
  bool started = false;   // false when the program could not be started
  bool timedOut = false;  // the program was ended after `seconds`
  int exitCode = -1;      // its exit code; -1 when it was ended
  std::string out;
  std::string err;
};

// Runs `program` with `args` (each reaches the program as it is), in `dir`
// when it is not empty, with the variables of `env` (NAME, VALUE) set on top
// of this process's environment. Standard input is empty. Waits at most
// `seconds`, then ends the program.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& dir,
                      const std::vector<std::pair<std::string, std::string>>& env, int seconds);

}  // namespace testsupport
