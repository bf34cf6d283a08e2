// The functions of the IDE's runtime library (cdlli42.dll) and the two plain
// functions of the CDK library that the add-in binds by name at start-up.
// Every pointer is null until bound; callers test it before use.
#pragma once

#include <windows.h>

#include "cdk/cdk.h"
#include "cdk/cdlli.h"

extern HMODULE g_hRuntimeLib;   // cdlli42.dll, null when not loaded
extern HMODULE g_hCdkLib;       // cdki42.dll, null when not loaded

extern PFN_ERRORLOGOPEN g_pfnErrorLogOpen;
extern PFN_ERRORLOGCLEAR g_pfnErrorLogClear;
extern PFN_SALOUTLINEGETFILENAME g_pfnSalOutlineGetFileName;
extern PFN_SALOUTLINEGETINCLUDINGITEM g_pfnSalOutlineGetIncludingItem;
extern PFN_SALOUTLINEOUTLINEOFUIFRAME g_pfnSalOutlineOutlineOfUIFrame;
extern PFN_SALOUTLINECURRENT g_pfnSalOutlineCurrent;
extern PFN_SALOUTLINEEDITGETITEM g_pfnSalOutlineEditGetItem;
extern PFN_SALOUTLINEEDITGETTEXT g_pfnSalOutlineEditGetText;
extern PFN_SALOUTLINEEDITSETTEXT g_pfnSalOutlineEditSetText;
extern PFN_SALOUTLINEUIFRAMEOFOUTLINE g_pfnSalOutlineUIFrameOfOutline;
extern PFN_SALOUTLINEACTIVATEUIVIEW g_pfnSalOutlineActivateUIView;
extern PFN_SALOUTLINEISUIVIEWACTIVE g_pfnSalOutlineIsUIViewActive;
extern PFN_SALOUTLINEDOUICOMMAND g_pfnSalOutlineDoUICommand;
extern PFN_CDKISITEMINCLUDED g_pfnCDKIsItemIncluded;
extern PFN_CDKOUTLINECHANGESELECT g_pfnCDKOutlineChangeSelect;

// Loads the two libraries that are not loaded yet and binds their names.
void BindRuntimeFunctions();
// Releases the libraries loaded by BindRuntimeFunctions (at unload).
void ReleaseRuntimeLibraries();

// The item type of an item that includes a file.
#define ITEMTYPE_INCLUDE 131

// Finds the item that includes `item`: TRUE when there is one and it is an
// include item (type 131); `out` then refers to it. FALSE otherwise (when the
// runtime returned an item of another type, `out` still refers to it).
BOOL GetIncludingItem(CGItem& out, const CGItem& item);
