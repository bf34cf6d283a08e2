// RunInChild: fork, wait with a deadline, kill on time-out.
#include "ChildProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

namespace testsupport {

ChildResult RunInChild(const std::function<int()>& body, int seconds) {
  ChildResult result;
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return result;
  if (pid == 0) {
    alarm(static_cast<unsigned>(seconds) + 5);  // never outlive a parent that stopped waiting
    const int code = body();
    std::fflush(nullptr);
    _exit(code);
  }
  struct timespec start;
  clock_gettime(CLOCK_MONOTONIC, &start);
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
      return result;
    }
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (now.tv_sec - start.tv_sec >= seconds) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      result.timedOut = true;
      return result;
    }
    usleep(10 * 1000);
  }
}

}  // namespace testsupport
