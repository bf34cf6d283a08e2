// The runtime function table: binding at start-up, release at unload, and
// the including-item lookup built on it.
#include "host/RuntimeFunctions.h"

HMODULE g_hRuntimeLib = NULL;
HMODULE g_hCdkLib = NULL;

PFN_ERRORLOGOPEN g_pfnErrorLogOpen = NULL;
PFN_ERRORLOGCLEAR g_pfnErrorLogClear = NULL;
PFN_SALOUTLINEGETFILENAME g_pfnSalOutlineGetFileName = NULL;
PFN_SALOUTLINEGETINCLUDINGITEM g_pfnSalOutlineGetIncludingItem = NULL;
PFN_SALOUTLINEOUTLINEOFUIFRAME g_pfnSalOutlineOutlineOfUIFrame = NULL;
PFN_SALOUTLINECURRENT g_pfnSalOutlineCurrent = NULL;
PFN_SALOUTLINEEDITGETITEM g_pfnSalOutlineEditGetItem = NULL;
PFN_SALOUTLINEEDITGETTEXT g_pfnSalOutlineEditGetText = NULL;
PFN_SALOUTLINEEDITSETTEXT g_pfnSalOutlineEditSetText = NULL;
PFN_SALOUTLINEUIFRAMEOFOUTLINE g_pfnSalOutlineUIFrameOfOutline = NULL;
PFN_SALOUTLINEACTIVATEUIVIEW g_pfnSalOutlineActivateUIView = NULL;
PFN_SALOUTLINEISUIVIEWACTIVE g_pfnSalOutlineIsUIViewActive = NULL;
PFN_SALOUTLINEDOUICOMMAND g_pfnSalOutlineDoUICommand = NULL;
PFN_CDKISITEMINCLUDED g_pfnCDKIsItemIncluded = NULL;
PFN_CDKOUTLINECHANGESELECT g_pfnCDKOutlineChangeSelect = NULL;

namespace
{
// GetProcAddress's result as the function type of the caller (null stays null).
template <class PFN>
void Bind(PFN& pfn, HMODULE hLib, const char* name)
{
    pfn = reinterpret_cast<PFN>(reinterpret_cast<void (*)(void)>(GetProcAddress(hLib, name)));
}
}  // namespace

void BindRuntimeFunctions()
{
    if (g_hRuntimeLib == NULL)
    {
        g_hRuntimeLib = LoadLibraryA("cdlli42.dll");
        if (g_hRuntimeLib != NULL)
        {
            Bind(g_pfnErrorLogOpen, g_hRuntimeLib, "_ErrorLogOpen@0");
            Bind(g_pfnErrorLogClear, g_hRuntimeLib, "_ErrorLogClear@0");
            Bind(g_pfnSalOutlineGetFileName, g_hRuntimeLib, "SalOutlineGetFileName");
            Bind(g_pfnSalOutlineGetIncludingItem, g_hRuntimeLib, "SalOutlineGetIncludingItem");
            Bind(g_pfnSalOutlineOutlineOfUIFrame, g_hRuntimeLib, "SalOutlineOutlineOfUIFrame");
            Bind(g_pfnSalOutlineCurrent, g_hRuntimeLib, "SalOutlineCurrent");
            Bind(g_pfnSalOutlineEditGetItem, g_hRuntimeLib, "SalOutlineEditGetItem");
            Bind(g_pfnSalOutlineEditGetText, g_hRuntimeLib, "SalOutlineEditGetText");
            Bind(g_pfnSalOutlineEditSetText, g_hRuntimeLib, "SalOutlineEditSetText");
            Bind(g_pfnSalOutlineUIFrameOfOutline, g_hRuntimeLib, "SalOutlineUIFrameOfOutline");
            Bind(g_pfnSalOutlineActivateUIView, g_hRuntimeLib, "SalOutlineActivateUIView");
            Bind(g_pfnSalOutlineIsUIViewActive, g_hRuntimeLib, "SalOutlineIsUIViewActive");
            Bind(g_pfnSalOutlineDoUICommand, g_hRuntimeLib, "SalOutlineDoUICommand");
        }
    }

    if (g_hCdkLib == NULL)
    {
        g_hCdkLib = LoadLibraryA("cdki42.dll");
        if (g_hCdkLib != NULL)
        {
            Bind(g_pfnCDKIsItemIncluded, g_hCdkLib, "CDKIsItemIncluded");
            Bind(g_pfnCDKOutlineChangeSelect, g_hCdkLib, "CDKOutlineChangeSelect");
        }
    }
}

void ReleaseRuntimeLibraries()
{
    if (g_hRuntimeLib != NULL)
    {
        FreeLibrary(g_hRuntimeLib);
        g_hRuntimeLib = NULL;
    }
    if (g_hCdkLib != NULL)
    {
        FreeLibrary(g_hCdkLib);
        g_hCdkLib = NULL;
    }
}

BOOL GetIncludingItem(CGItem& out, const CGItem& item)
{
    if (g_pfnSalOutlineGetIncludingItem == NULL)
        return FALSE;
    HITEM hIncluding = g_pfnSalOutlineGetIncludingItem(item.GetOutline(), item.GetItem());
    if (hIncluding == 0)
        return FALSE;
    out.Initialize(item.GetOutline(), hIncluding);
    return out.GetItemType() == ITEMTYPE_INCLUDE;
}
