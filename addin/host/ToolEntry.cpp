// The DLL's exports: the design hook, handed on to the CDK library, and the
// tool entry under its two names. These are the only symbols of the module.
// On Windows the export table (names and ordinals) is host/Olvaren.def; in
// the stand-in world it is the table at the end of this file.
#include <afxwin.h>
#ifndef _WIN32
#include <standin.h>
#endif

#include "cdk/cdk.h"
#include "host/OlvarenHost.h"
#include "trace/DebugStream.h"

#ifdef _WIN32
#define OLVAREN_EXPORT extern "C"
#else
#define OLVAREN_EXPORT extern "C" __attribute__((visibility("default")))
#endif

OLVAREN_EXPORT BOOL WINAPI SWinDesignHookSet(HWND hWndMain, DWORD dwReserved)
{
    HMODULE hCdk = GetModuleHandleA("cdki42.dll");
    if (hCdk == NULL)
        return FALSE;
    PFN_SWINDESIGNHOOKSET pfnCdkHookSet = reinterpret_cast<PFN_SWINDESIGNHOOKSET>(
        reinterpret_cast<void (*)(void)>(GetProcAddress(hCdk, MAKEINTRESOURCEA(CDK_ORDINAL_DESIGNHOOKSET))));
    if (pfnCdkHookSet == NULL)
        return FALSE;
    return pfnCdkHookSet(hWndMain, dwReserved);
}

OLVAREN_EXPORT void WINAPI GuptaTool(int toolParameter, const char* arguments)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] GuptaTool/CenturaTool called." << std::endl;
    theHost.DispatchToolCall(toolParameter, arguments);
}

#ifndef _WIN32
// The same body under the older product name (Olvaren.def names it twice).
OLVAREN_EXPORT void WINAPI CenturaTool(int toolParameter, const char* arguments)
    __attribute__((alias("GuptaTool")));

STANDIN_EXPORTS(
    STANDIN_EXPORT(1, SWinDesignHookSet),
    STANDIN_EXPORT(2, GuptaTool),
    STANDIN_EXPORT(3, CenturaTool));
#endif
