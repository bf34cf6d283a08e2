// The functions the add-in binds by name at start-up (GetProcAddress): the
// one list of them, read by several builds. The add-in declares, defines and
// binds its function pointers from it (host/RuntimeFunctions); the stand-in
// runtime and CDK modules build their export tables from it
// (ide/runtime/RuntimeExports.cpp, ide/cdk/CdkExports.cpp); the Windows build
// writes the two modules' .def files from it (windows/Ide.cmake); the host
// tests' probe reports the bindings in its order (tests/host/HostProbe.cpp).
//
// Plain preprocessor definitions only. One list per library, each row
//     X(ordinal, name, function, type, pointer)
// name: the exported name the add-in binds; function: the C name of the
// function (for a decorated name such as "_ErrorLogOpen@0", the name without
// the decoration); type: its pointer type (cdk.h, cdlli.h); pointer: the
// add-in's pointer to it, null until bound; ordinal: its ordinal in the
// module's export table. windows/Ide.cmake reads the rows as text: a row's
// "X(ordinal, name, function," stands on one line, written as below.
#ifndef OLVAREN_CDK_RUNTIMEFUNCTIONLIST_H
#define OLVAREN_CDK_RUNTIMEFUNCTIONLIST_H

// The runtime library, cdlli42.dll.
#define CDLLI42_FUNCTIONS(X) \
    X(1, "_ErrorLogOpen@0", ErrorLogOpen, PFN_ERRORLOGOPEN, g_pfnErrorLogOpen) \
    X(2, "_ErrorLogClear@0", ErrorLogClear, PFN_ERRORLOGCLEAR, g_pfnErrorLogClear) \
    X(3, "SalOutlineGetFileName", SalOutlineGetFileName, PFN_SALOUTLINEGETFILENAME, g_pfnSalOutlineGetFileName) \
    X(4, "SalOutlineGetIncludingItem", SalOutlineGetIncludingItem, PFN_SALOUTLINEGETINCLUDINGITEM, \
      g_pfnSalOutlineGetIncludingItem) \
    X(5, "SalOutlineOutlineOfUIFrame", SalOutlineOutlineOfUIFrame, PFN_SALOUTLINEOUTLINEOFUIFRAME, \
      g_pfnSalOutlineOutlineOfUIFrame) \
    X(6, "SalOutlineCurrent", SalOutlineCurrent, PFN_SALOUTLINECURRENT, g_pfnSalOutlineCurrent) \
    X(7, "SalOutlineEditGetItem", SalOutlineEditGetItem, PFN_SALOUTLINEEDITGETITEM, g_pfnSalOutlineEditGetItem) \
    X(8, "SalOutlineEditGetText", SalOutlineEditGetText, PFN_SALOUTLINEEDITGETTEXT, g_pfnSalOutlineEditGetText) \
    X(9, "SalOutlineEditSetText", SalOutlineEditSetText, PFN_SALOUTLINEEDITSETTEXT, g_pfnSalOutlineEditSetText) \
    X(10, "SalOutlineUIFrameOfOutline", SalOutlineUIFrameOfOutline, PFN_SALOUTLINEUIFRAMEOFOUTLINE, \
      g_pfnSalOutlineUIFrameOfOutline) \
    X(11, "SalOutlineActivateUIView", SalOutlineActivateUIView, PFN_SALOUTLINEACTIVATEUIVIEW, \
      g_pfnSalOutlineActivateUIView) \
    X(12, "SalOutlineIsUIViewActive", SalOutlineIsUIViewActive, PFN_SALOUTLINEISUIVIEWACTIVE, \
      g_pfnSalOutlineIsUIViewActive) \
    X(13, "SalOutlineDoUICommand", SalOutlineDoUICommand, PFN_SALOUTLINEDOUICOMMAND, g_pfnSalOutlineDoUICommand)

// The CDK library's plain functions, cdki42.dll (its classes are linked;
// its design hook entry is bound by ordinal, CDK_ORDINAL_DESIGNHOOKSET).
#define CDKI42_FUNCTIONS(X) \
    X(90, "CDKIsItemIncluded", CDKIsItemIncluded, PFN_CDKISITEMINCLUDED, g_pfnCDKIsItemIncluded) \
    X(91, "CDKOutlineChangeSelect", CDKOutlineChangeSelect, PFN_CDKOUTLINECHANGESELECT, g_pfnCDKOutlineChangeSelect)

#endif  // OLVAREN_CDK_RUNTIMEFUNCTIONLIST_H
