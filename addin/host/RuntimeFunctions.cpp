// The runtime function table: binding at start-up, release at unload, and
// the including-item lookup built on it.
#include "host/RuntimeFunctions.h"

#include "cdk/ItemTypes.h"

HMODULE g_hRuntimeLib = NULL;
HMODULE g_hCdkLib = NULL;

#define OLVAREN_DEFINE_FUNCTION(ordinal, name, function, type, pointer) type pointer = NULL;
CDLLI42_FUNCTIONS(OLVAREN_DEFINE_FUNCTION)
CDKI42_FUNCTIONS(OLVAREN_DEFINE_FUNCTION)
#undef OLVAREN_DEFINE_FUNCTION

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
#define OLVAREN_BIND_FUNCTION(ordinal, name, function, type, pointer) Bind(pointer, hLib, name);
    if (g_hRuntimeLib == NULL)
    {
        g_hRuntimeLib = LoadLibraryA("cdlli42.dll");
        HMODULE hLib = g_hRuntimeLib;
        if (hLib != NULL)
        {
            CDLLI42_FUNCTIONS(OLVAREN_BIND_FUNCTION)
        }
    }

    if (g_hCdkLib == NULL)
    {
        g_hCdkLib = LoadLibraryA("cdki42.dll");
        HMODULE hLib = g_hCdkLib;
        if (hLib != NULL)
        {
            CDKI42_FUNCTIONS(OLVAREN_BIND_FUNCTION)
        }
    }
#undef OLVAREN_BIND_FUNCTION
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
    return out.GetItemType() == ITEMTYPE_FILE_INCLUDE;
}
