// RunInChild on Windows, which cannot fork: the body runs on a thread of its
// own and the caller waits for it with the deadline. A body that is still
// running then is suspended where it blocks (ending a thread from outside
// would leave its locks held) and goes down with the process.
#include <windows.h>

#include "ChildProcess.h"

namespace testsupport {
namespace {

DWORD WINAPI RunBody(LPVOID body) { return static_cast<DWORD>((*static_cast<const std::function<int()>*>(body))()); }

}  // namespace

ChildResult RunInChild(const std::function<int()>& body, int seconds) {
  ChildResult result;
  HANDLE thread = CreateThread(nullptr, 0, RunBody, const_cast<std::function<int()>*>(&body), 0, nullptr);
  if (thread == nullptr) return result;
  if (WaitForSingleObject(thread, static_cast<DWORD>(seconds) * 1000) == WAIT_TIMEOUT) {
    SuspendThread(thread);
    result.timedOut = true;
  } else {
    DWORD code = 0;
    if (GetExitCodeThread(thread, &code)) result.exitCode = static_cast<int>(code);
  }
  CloseHandle(thread);
  return result;
}

}  // namespace testsupport
