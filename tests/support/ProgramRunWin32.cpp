// RunProgram on Windows: CreateProcessA with a quoted command line, one
// pipe each for standard output and error (read on threads of their own, so
// that neither fills up while the other is read), TerminateProcess at the
// time limit.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <thread>

#include "CommandLine.h"
#include "ProgramRun.h"

namespace testsupport {
namespace {

bool SameName(const std::string& entry, const std::string& name) {
  if (entry.size() <= name.size() || entry[name.size()] != '=') return false;
  return _strnicmp(entry.c_str(), name.c_str(), name.size()) == 0;
}

// This process's environment with `env` set on top, as CreateProcessA takes
// it: NAME=VALUE strings sorted by name (ignoring case), then an empty one.
std::string EnvironmentBlock(const std::vector<std::pair<std::string, std::string>>& env) {
  std::vector<std::string> entries;
  if (char* block = GetEnvironmentStringsA()) {
    for (const char* p = block; *p; p += std::strlen(p) + 1) {
      const std::string entry = p;
      bool replaced = false;
      for (const auto& var : env) replaced = replaced || SameName(entry, var.first);
      if (!replaced) entries.push_back(entry);
    }
    FreeEnvironmentStringsA(block);
  }
  for (const auto& var : env) entries.push_back(var.first + "=" + var.second);
  std::stable_sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    return _stricmp(a.substr(0, a.find('=', 1)).c_str(), b.substr(0, b.find('=', 1)).c_str()) < 0;
  });
  std::string block;
  for (const std::string& entry : entries) block += entry + '\0';
  return block + '\0';
}

// A pipe whose write end the child inherits.
bool ChildOutputPipe(HANDLE& read, HANDLE& write) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  if (!CreatePipe(&read, &write, &inherit, 0)) return false;
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  return true;
}

void ReadAll(HANDLE pipe, std::string& into) {
  char buffer[65536];
  DWORD n = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) into.append(buffer, n);
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& dir,
                      const std::vector<std::pair<std::string, std::string>>& env, int seconds) {
  ProgramRun run;
  HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
  if (!ChildOutputPipe(outRead, outWrite)) return run;
  if (!ChildOutputPipe(errRead, errWrite)) {
    CloseHandle(outRead);
    CloseHandle(outWrite);
    return run;
  }
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE nul = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                           nullptr);

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nul;
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  PROCESS_INFORMATION process = {};
  std::string commandLine = BuildCommandLine(program, args);
  std::string environment = EnvironmentBlock(env);
  run.started = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                               environment.data(), dir.empty() ? nullptr : dir.c_str(), &startup, &process) != 0;
  // Only the child holds the write ends now: the reads end when it does.
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
  if (run.started) {
    std::thread outReader(ReadAll, outRead, std::ref(run.out));
    std::thread errReader(ReadAll, errRead, std::ref(run.err));
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(seconds) * 1000) == WAIT_TIMEOUT) {
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, INFINITE);
      run.timedOut = true;
    } else {
      DWORD code = 0;
      if (GetExitCodeProcess(process.hProcess, &code)) run.exitCode = static_cast<int>(code);
    }
    outReader.join();
    errReader.join();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(outRead);
  CloseHandle(errRead);
  return run;
}

}  // namespace testsupport
