// Shell folder lookup of the Win32 stand-in (SHGetFolderPathA).
// CSIDL_APPDATA is the user's roaming application-data folder; here that is
// $XDG_CONFIG_HOME, else $HOME/.config. The folder is returned as is (with
// '/' separators); joining a file name to it is the caller's business.
#ifndef OLVAREN_COMPAT_SHLOBJ_H
#define OLVAREN_COMPAT_SHLOBJ_H

#include "windows.h"

#define CSIDL_DESKTOP 0x0000
#define CSIDL_PERSONAL 0x0005
#define CSIDL_APPDATA 0x001a
#define CSIDL_LOCAL_APPDATA 0x001c
#define CSIDL_COMMON_APPDATA 0x0023
#define CSIDL_FLAG_CREATE 0x8000

#define SHGFP_TYPE_CURRENT 0
#define SHGFP_TYPE_DEFAULT 1

extern "C" HRESULT WINAPI SHGetFolderPathA(HWND hwnd, int csidl, HANDLE hToken, DWORD dwFlags, LPSTR pszPath);
#define SHGetFolderPath SHGetFolderPathA

#endif  // OLVAREN_COMPAT_SHLOBJ_H
