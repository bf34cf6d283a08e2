// Runs the built front end on Windows: olvaren.exe from the module folder
// (the test program's own folder when the build names none), through
// RunProgram. A settings folder of the caller's own is given to the child
// the way Windows lets a program's settings folder be moved: SHGetFolderPathA
// reads the user's shell folders from the registry, not from the environment
// (APPDATA and USERPROFILE change nothing, also under Wine), so the "AppData"
// shell folder points at it for the child's run (TestFolders.h) and is put
// back after it.
#include <windows.h>

#include "ProgramRun.h"
#include "RunOlvaren.h"
#include "TestFolders.h"

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

// The settings folder pointed at a folder while it lives; then back to what
// it was, which may be a folder the calling test had set.
class ScopedSettingsFolder {
public:
  explicit ScopedSettingsFolder(const std::string& folder) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, detail::kShellFolders, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
      DWORD type;
      std::string ignored;
      m_wasChanged = detail::ReadValue(key, detail::kKept, type, ignored);
      m_hadEarlier = detail::ReadValue(key, "AppData", type, m_earlier);
      RegCloseKey(key);
    }
    m_set = SetSettingsFolder(folder);
  }
  ~ScopedSettingsFolder() {
    if (!m_set) return;
    if (m_wasChanged && m_hadEarlier)
      SetSettingsFolder(m_earlier);
    else
      RestoreSettingsFolder();
  }
  bool IsSet() const { return m_set; }

private:
  bool m_wasChanged = false;  // a test had already moved it
  bool m_hadEarlier = false;
  std::string m_earlier;
  bool m_set = false;
};

}  // namespace

std::string OlvarenProgram() { return ProgramFolder() + "\\olvaren.exe"; }

ProgramResult RunOlvaren(const std::vector<std::string>& args, const std::string& dir,
                         const std::string& configHome) {
  ProgramResult r;
  const std::string program = OlvarenProgram();
  ProgramRun run;
  if (configHome.empty()) {
    run = RunProgram(program, args, dir, {}, 120);
  } else {
    ScopedSettingsFolder settings(configHome);
    if (!settings.IsSet()) {
      r.err = "RunOlvaren: the AppData shell folder could not be pointed at " + configHome + "\n";
      return r;
    }
    run = RunProgram(program, args, dir, {}, 120);
  }
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
