// Kernel odds and ends: the last-error value (per thread), thread and
// process ids, the tick count, and the debug-output channel that
// OutputDebugStringA writes to (one entry per call, read through standin).
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "internal.h"
#include "standin.h"

using namespace olvwin32;

namespace {
thread_local DWORD t_lastError = 0;

std::vector<std::string>& DebugChannel() {
  static auto* v = new std::vector<std::string>;
  return *v;
}
}  // namespace

extern "C" DWORD WINAPI GetLastError(void) { return t_lastError; }
extern "C" void WINAPI SetLastError(DWORD code) { t_lastError = code; }

extern "C" DWORD WINAPI GetCurrentThreadId(void) {
  thread_local DWORD id = static_cast<DWORD>(syscall(SYS_gettid));
  return id;
}

extern "C" DWORD WINAPI GetCurrentProcessId(void) { return static_cast<DWORD>(getpid()); }

extern "C" DWORD WINAPI GetTickCount(void) {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<DWORD>(static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

extern "C" void WINAPI Sleep(DWORD ms) {
  timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
  nanosleep(&ts, nullptr);
}

extern "C" void WINAPI OutputDebugStringA(LPCSTR text) {
  Guard g(Mutex());
  DebugChannel().emplace_back(text ? text : "");
}

std::vector<std::string> standin::DebugOutput() {
  Guard g(Mutex());
  return DebugChannel();
}

std::vector<std::string> standin::TakeDebugOutput() {
  Guard g(Mutex());
  std::vector<std::string> out;
  out.swap(DebugChannel());
  return out;
}

void standin::ClearDebugOutput() {
  Guard g(Mutex());
  DebugChannel().clear();
}
