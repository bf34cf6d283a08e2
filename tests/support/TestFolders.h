// Folders for the tests, on Linux and on Windows alike: a fresh temporary
// folder, and the user's settings folder pointed at a test's own folder.
//   Linux:   the settings folder is $XDG_CONFIG_HOME.
//   Windows: the settings folder is the shell folder CSIDL_APPDATA, which
//            follows the "AppData" value of HKCU\...\Explorer\User Shell
//            Folders (no environment variable moves it). The test sets it
//            and puts it back after.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace testsupport {

// A new empty folder named STEM plus a unique suffix, in the system's
// temporary folder ($TMPDIR or /tmp; GetTempPath on Windows); "" when none
// could be made.
inline std::string MakeTempFolder(const std::string& stem) {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) return {};
  // A name nobody holds yet: creating the folder is the test.
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path folder = base / (stem + "-" + std::to_string(random()));
    if (std::filesystem::create_directory(folder, error)) return folder.string();
    if (error) return {};
  }
  return {};
}

#ifdef _WIN32
namespace detail {
constexpr const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
// The user's own value is kept beside it while a test has it changed, so a
// test program that crashed leaves it to be put back by the next one.
constexpr const char kKept[] = "AppData.OlvarenTestKept";

inline bool ReadValue(HKEY key, const char* name, DWORD& type, std::string& value) {
  char buffer[MAX_PATH * 2];
  DWORD size = sizeof buffer - 1;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
    return false;
  buffer[size] = '\0';
  value = buffer;
  return true;
}

inline bool WriteValue(HKEY key, const char* name, DWORD type, const std::string& value) {
  return RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}
}  // namespace detail
#else
namespace detail {
// XDG_CONFIG_HOME as it was before the first SetSettingsFolder.
struct KeptEnv {
  bool saved = false;
  bool had = false;
  std::string value;
};

inline KeptEnv& Kept() {
  static KeptEnv s_kept;
  return s_kept;
}
}  // namespace detail
#endif

// Puts the user's settings folder back as it was before SetSettingsFolder.
inline void RestoreSettingsFolder() {
#ifdef _WIN32
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, detail::kShellFolders, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) !=
      ERROR_SUCCESS)
    return;
  DWORD type;
  std::string kept;
  if (detail::ReadValue(key, detail::kKept, type, kept) && detail::WriteValue(key, "AppData", type, kept))
    RegDeleteValueA(key, detail::kKept);
  RegCloseKey(key);
#else
  const detail::KeptEnv& kept = detail::Kept();
  if (!kept.saved) return;
  if (kept.had)
    setenv("XDG_CONFIG_HOME", kept.value.c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
#endif
}

// Points the user's settings folder (where the add-in keeps Olvaren.xml) at
// FOLDER until RestoreSettingsFolder (on Windows also put back when the
// program ends). FALSE when it could not be set.
inline bool SetSettingsFolder(const std::string& folder) {
#ifdef _WIN32
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, detail::kShellFolders, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) !=
      ERROR_SUCCESS)
    return false;
  DWORD type;
  std::string value;
  bool ok = true;
  if (!detail::ReadValue(key, detail::kKept, type, value)) {  // not changed yet: keep the user's value
    ok = detail::ReadValue(key, "AppData", type, value) && detail::WriteValue(key, detail::kKept, type, value);
    static const bool s_restoreAtExit = std::atexit(RestoreSettingsFolder) == 0;
    static_cast<void>(s_restoreAtExit);
  }
  ok = ok && detail::WriteValue(key, "AppData", REG_SZ, folder);
  RegCloseKey(key);
  return ok;
#else
  detail::KeptEnv& kept = detail::Kept();
  if (!kept.saved) {
    const char* value = std::getenv("XDG_CONFIG_HOME");
    kept = {true, value != nullptr, value != nullptr ? value : ""};
  }
  return setenv("XDG_CONFIG_HOME", folder.c_str(), 1) == 0;
#endif
}

}  // namespace testsupport
