// Folders for the tests, on Linux and on Windows alike: a fresh temporary
// folder, and the user's settings folder pointed at a test's own folder.
//   Linux:   mkdtemp under /tmp; the settings folder is $XDG_CONFIG_HOME.
//   Windows: a new folder in the user's temporary folder; the settings folder
//            is the shell folder CSIDL_APPDATA, which follows the "AppData"
//            value of HKCU\...\Explorer\User Shell Folders. The test sets it
//            and the value it found is put back when the program ends.
#pragma once

#include <string>

#ifdef _WIN32
#include <windows.h>

#include <cstdlib>
#include <cstring>
#else
#include <stdlib.h>
#endif

namespace testsupport {

// A new empty folder named STEM plus a unique suffix; "" when none could be made.
inline std::string MakeTempFolder(const std::string& stem) {
#ifdef _WIN32
  char temp[MAX_PATH];
  DWORD n = GetTempPathA(sizeof temp, temp);
  if (n == 0 || n >= sizeof temp) return {};
  static unsigned s_counter = 0;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::string path = std::string(temp, n) + stem + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount()) + "-" + std::to_string(++s_counter);
    if (CreateDirectoryA(path.c_str(), nullptr)) return path;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return {};
  }
  return {};
#else
  std::string pattern = "/tmp/" + stem + "-XXXXXX";
  return mkdtemp(&pattern[0]) != nullptr ? pattern : std::string();
#endif
}

#ifdef _WIN32
namespace detail {
constexpr const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

struct SavedAppData {
  bool saved = false;
  DWORD type = REG_EXPAND_SZ;
  std::string value;
};

inline SavedAppData& Saved() {
  static SavedAppData s_saved;
  return s_saved;
}

inline void RestoreAppData() {
  SavedAppData& s = Saved();
  HKEY key;
  if (!s.saved || RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegSetValueExA(key, "AppData", 0, s.type, reinterpret_cast<const BYTE*>(s.value.c_str()),
                 static_cast<DWORD>(s.value.size() + 1));
  RegCloseKey(key);
}
}  // namespace detail
#endif

// Points the user's settings folder (where the add-in keeps Olvaren.xml) at
// FOLDER for the rest of the program. FALSE when it could not be set.
inline bool SetSettingsFolder(const std::string& folder) {
#ifdef _WIN32
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, detail::kShellFolders, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) !=
      ERROR_SUCCESS)
    return false;
  detail::SavedAppData& s = detail::Saved();
  if (!s.saved) {
    char value[MAX_PATH * 2];
    DWORD size = sizeof value - 1;
    if (RegQueryValueExA(key, "AppData", nullptr, &s.type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS) {
      value[size] = '\0';
      s.value = value;
      s.saved = true;
      std::atexit(detail::RestoreAppData);
    }
  }
  const bool ok = RegSetValueExA(key, "AppData", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                                 static_cast<DWORD>(folder.size() + 1)) == ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
#else
  return setenv("XDG_CONFIG_HOME", folder.c_str(), 1) == 0;
#endif
}

}  // namespace testsupport
