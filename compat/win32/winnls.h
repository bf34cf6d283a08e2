// Code pages of the Win32 stand-in: the system's ANSI code page and the
// conversions between a code page and UTF-16. Implemented in codepages.cpp.
//
// Code pages known: UTF-8 (CP_UTF8) and the single-byte code pages 437, 850,
// 866, 1250-1254, 1256, 1257, 20127 (US-ASCII), 20866 (KOI8-R) and
// 28591-28605 (ISO 8859-1, -2, -5, -9, -15). A byte a code page leaves
// undefined converts to U+FFFD, or fails the call with
// ERROR_NO_UNICODE_TRANSLATION under MB_ERR_INVALID_CHARS. Windows maps a
// few of those bytes to C1 controls instead, and converts characters a code
// page lacks to a look-alike ("best fit") unless WC_NO_BEST_FIT_CHARS is
// given; the stand-in always uses the default character then.
//
// The system's ANSI code page is what the machine is set to (Control Panel,
// "language for non-Unicode programs"): US-ASCII unless the stand-in's
// world sets another one (standin::SetAnsiCodePage).
#ifndef OLVAREN_COMPAT_WINNLS_H
#define OLVAREN_COMPAT_WINNLS_H

#include "windef.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_UTF8 65001

#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_NO_BEST_FIT_CHARS 0x00000400

extern "C" {

UINT WINAPI GetACP(void);
BOOL WINAPI IsValidCodePage(UINT CodePage);
int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCCH lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar);
int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWCH lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCCH lpDefaultChar, LPBOOL lpUsedDefaultChar);

}  // extern "C"

#endif  // OLVAREN_COMPAT_WINNLS_H
