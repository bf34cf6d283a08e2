// The functions of the Team Developer runtime library (cdlli42.dll) that
// the add-in binds by name, with the arguments and results its callers use.
#pragma once

#include "cdk.h"

typedef BOOL (WINAPI* PFN_ERRORLOGOPEN)(void);                        // "_ErrorLogOpen@0"
typedef BOOL (WINAPI* PFN_ERRORLOGCLEAR)(void);                       // "_ErrorLogClear@0"
typedef BOOL (WINAPI* PFN_SALOUTLINEGETFILENAME)(HOUTLINE, LPSTR, int);
typedef HITEM (WINAPI* PFN_SALOUTLINEGETINCLUDINGITEM)(HOUTLINE, HITEM);
typedef HOUTLINE (WINAPI* PFN_SALOUTLINEOUTLINEOFUIFRAME)(HWND);
typedef HOUTLINE (WINAPI* PFN_SALOUTLINECURRENT)(void);
typedef HITEM (WINAPI* PFN_SALOUTLINEEDITGETITEM)(HOUTLINE);
typedef BOOL (WINAPI* PFN_SALOUTLINEEDITGETTEXT)(HOUTLINE, LPSTR, int);
typedef BOOL (WINAPI* PFN_SALOUTLINEEDITSETTEXT)(HOUTLINE, LPCSTR);
typedef HWND (WINAPI* PFN_SALOUTLINEUIFRAMEOFOUTLINE)(HOUTLINE);
typedef BOOL (WINAPI* PFN_SALOUTLINEACTIVATEUIVIEW)(HOUTLINE);
typedef BOOL (WINAPI* PFN_SALOUTLINEISUIVIEWACTIVE)(HOUTLINE);
typedef int (WINAPI* PFN_SALOUTLINEDOUICOMMAND)(HOUTLINE, HITEM, int, const char*);

// UI command that brings an item into view in the outline editor.
#define SAL_UICMD_SHOWITEM 29
