// Runs the built front end on Windows: olvaren.exe from the module folder
// (the test program's own folder when the build names none), through
// RunProgram. The settings folder the caller gives is passed as APPDATA and
// XDG_CONFIG_HOME.
#include <windows.h>

#include "ProgramRun.h"
#include "RunOlvaren.h"

namespace testsupport {
namespace {

std::string ProgramFolder() {
  if (OLVAREN_MODULE_DIR[0] != '\0') return OLVAREN_MODULE_DIR;
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (n == 0 || n == MAX_PATH) return ".";
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of("\\/"));
}

}  // namespace

ProgramResult RunOlvaren(const std::vector<std::string>& args, const std::string& dir,
                         const std::string& configHome) {
  std::vector<std::pair<std::string, std::string>> env;
  if (!configHome.empty()) env = {{"APPDATA", configHome}, {"XDG_CONFIG_HOME", configHome}};
  ProgramRun run = RunProgram(ProgramFolder() + "\\olvaren.exe", args, dir, env, 120);
  ProgramResult r;
  r.exitCode = run.timedOut ? -1 : run.exitCode;
  r.out = run.out;
  r.err = run.err;
  return r;
}

}  // namespace testsupport
