// Diagnostics of the MFC stand-in: ASSERT, VERIFY, TRACE and friends.
//
// The stand-in behaves like MFC's debug build: a failed ASSERT (or VERIFY)
// reports "File(Line): ASSERT failed: expression" on standard error and on
// the debug output, then aborts the process. Misuse of a class that MFC's
// debug build catches with an ASSERT (RemoveHead on an empty list, an array
// index out of range, ...) therefore ends the program; tests observe it with
// death tests. TRACE writes to the debug output (OutputDebugStringA).
#pragma once

#include "afxver_.h"

AFX_API_EXPORT void AFXAPI AfxAssertFailedLine(const char* lpszFileName, int nLine, const char* lpszExpr);
AFX_API_EXPORT void AFX_CDECL AfxTrace(const char* lpszFormat, ...) __attribute__((format(printf, 1, 2)));

#define ASSERT(f) \
  do { if (!(f)) AfxAssertFailedLine(__FILE__, __LINE__, #f); } while (0)
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(pOb) ASSERT((pOb) != NULL)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define ASSERT_POINTER(p, type) ASSERT((p) != NULL)
#define ASSERT_NULL_OR_POINTER(p, type) ((void)0)
#define DEBUG_ONLY(f) (f)

#define TRACE AfxTrace
#define TRACE0(sz) AfxTrace("%s", sz)
#define TRACE1(sz, p1) AfxTrace(sz, p1)
#define TRACE2(sz, p1, p2) AfxTrace(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) AfxTrace(sz, p1, p2, p3)

#ifndef UNUSED_ALWAYS
#define UNUSED_ALWAYS(x) (void)(x)
#endif
#ifndef UNREFERENCED_PARAMETER
#define UNREFERENCED_PARAMETER(P) (void)(P)
#endif
