// Runs a piece of a test in a child process with a time limit, so that a
// call that would block for ever (a FIFO opened for reading, a lock never
// released) fails the test instead of hanging the suite.
#pragma once

#include <functional>
#include <string>

namespace testsupport {

struct ChildResult {
  bool timedOut = false;
  int exitCode = -1;  // the body's result; -1 when the child was killed or crashed
};

// Forks; the child runs `body` and exits with its result (0 for success). The
// parent waits at most `seconds` and kills the child when it is not done.
// Windows has no fork: there the body runs on a thread of this process, which
// is suspended when it is not done in time (ChildProcessWin32.cpp).
ChildResult RunInChild(const std::function<int()>& body, int seconds);

}  // namespace testsupport
