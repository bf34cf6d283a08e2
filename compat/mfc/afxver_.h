// Build switches of the MFC stand-in: linkage and calling-convention macros
// that the other MFC headers and code written against MFC use.
#pragma once

#ifdef _WIN32
// On Windows the MFC DLL exports everything it defines (the linker's
// automatic exports) and the modules import it the same way; what a
// regular DLL links statically stays inside it.
#define AFX_CLASS_EXPORT
#define AFX_API_EXPORT
#define AFX_DATA_EXPORT
#define AFX_MODULE_PRIVATE
#else
// Classes and functions of libolvmfc (the stand-in for mfc90.dll) are
// visible to the modules that link it, even when a module hides its own.
#define AFX_CLASS_EXPORT __attribute__((visibility("default")))
#define AFX_API_EXPORT __attribute__((visibility("default")))
#define AFX_DATA_EXPORT __attribute__((visibility("default")))
// Per-module parts (linked statically into each MFC regular DLL) stay
// private to that module.
#define AFX_MODULE_PRIVATE __attribute__((visibility("hidden")))
#endif

#define AFXAPI
#define AFX_CDECL
#define AFX_STATIC static
#define AFX_INLINE inline
#define AFX_NOVTABLE

// Marks message handlers in class declarations; expands to nothing.
#define afx_msg

// An opaque iterator of the MFC collections.
struct __POSITION {};
typedef __POSITION* POSITION;

#ifndef BEFORE_START_POSITION
#define BEFORE_START_POSITION ((POSITION)-1L)
#endif
