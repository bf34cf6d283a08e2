// SHGetFolderPathA: the user's folders. CSIDL_APPDATA (the roaming
// application-data folder) is $XDG_CONFIG_HOME, else $HOME/.config;
// CSIDL_LOCAL_APPDATA is $XDG_DATA_HOME, else $HOME/.local/share;
// CSIDL_PERSONAL is $HOME. An unset or empty variable counts as missing;
// with no folder the result is E_FAIL and an empty path. The folder is
// returned without a trailing separator and need not exist.
#include <cstdlib>
#include <cstring>
#include <string>

#include "shlobj.h"

namespace {
std::string FromEnv(const char* name) {
  const char* v = std::getenv(name);
  return v && *v ? std::string(v) : std::string();
}

std::string FolderFor(int csidl) {
  std::string home = FromEnv("HOME");
  std::string dir;
  switch (csidl) {
    case CSIDL_APPDATA:
      dir = FromEnv("XDG_CONFIG_HOME");
      if (dir.empty() && !home.empty()) dir = home + "/.config";
      break;
    case CSIDL_LOCAL_APPDATA:
      dir = FromEnv("XDG_DATA_HOME");
      if (dir.empty() && !home.empty()) dir = home + "/.local/share";
      break;
    case CSIDL_PERSONAL:
      dir = home;
      break;
    default:
      break;
  }
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}
}  // namespace

extern "C" HRESULT WINAPI SHGetFolderPathA(HWND, int csidl, HANDLE, DWORD flags, LPSTR path) {
  if (!path) return E_INVALIDARG;
  path[0] = '\0';
  if (flags != SHGFP_TYPE_CURRENT && flags != SHGFP_TYPE_DEFAULT) return E_INVALIDARG;
  int folder = csidl & ~CSIDL_FLAG_CREATE;
  if (folder != CSIDL_APPDATA && folder != CSIDL_LOCAL_APPDATA && folder != CSIDL_PERSONAL) return E_INVALIDARG;
  std::string dir = FolderFor(folder);
  if (dir.empty() || dir.size() >= MAX_PATH) return E_FAIL;
  std::memcpy(path, dir.c_str(), dir.size() + 1);
  return S_OK;
}
