// The functions of the IDE's runtime library (cdlli42.dll) and the plain
// functions of the CDK library that the add-in binds by name at start-up
// (the list: cdk/RuntimeFunctionList.h). Every pointer is null until bound;
// callers test it before use.
#pragma once

#include <windows.h>

#include "cdk/cdk.h"
#include "cdk/RuntimeFunctionList.h"
#include "cdk/cdlli.h"

extern HMODULE g_hRuntimeLib;   // cdlli42.dll, null when not loaded
extern HMODULE g_hCdkLib;       // cdki42.dll, null when not loaded

// One pointer per function of the list (cdk/RuntimeFunctionList.h).
#define OLVAREN_DECLARE_FUNCTION(ordinal, name, function, type, pointer) extern type pointer;
CDLLI42_FUNCTIONS(OLVAREN_DECLARE_FUNCTION)
CDKI42_FUNCTIONS(OLVAREN_DECLARE_FUNCTION)
#undef OLVAREN_DECLARE_FUNCTION

// Loads the two libraries that are not loaded yet and binds their names.
void BindRuntimeFunctions();
// Releases the libraries loaded by BindRuntimeFunctions (at unload).
void ReleaseRuntimeLibraries();

// Finds the item that includes `item`: TRUE when there is one and it is an
// include item (ITEMTYPE_FILE_INCLUDE); `out` then refers to it. FALSE otherwise (when the
// runtime returned an item of another type, `out` still refers to it).
BOOL GetIncludingItem(CGItem& out, const CGItem& item);
