// Runs the built front end on Windows: olvaren.exe from the module folder
// (the test program's own folder when the build names none), through
// RunProgram. A settings folder of the caller's own cannot be given here:
// SHGetFolderPathA reads the user's shell folders from the registry, not from
// the environment (APPDATA and USERPROFILE change nothing, also under Wine),
// so such a run fails saying so rather than share the user's settings.
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
  ProgramResult r;
  if (!configHome.empty()) {
    r.err = "RunOlvaren: on Windows the settings folder is the user's application-data folder; " + configHome +
            " cannot take its place\n";
    return r;
  }
  const std::string program = ProgramFolder() + "\\olvaren.exe";
  ProgramRun run = RunProgram(program, args, dir, {}, 120);
  if (!run.started) {
    r.err = "RunOlvaren: " + program + " could not be started\n";
    return r;
  }
  r.exitCode = run.timedOut ? -1 : run.exitCode;
  r.out = run.out;
  r.err = run.err;
  return r;
}

}  // namespace testsupport
