// ASSERT failure reporting and TRACE output.
#include "afx.h"

#include <stdio.h>
#include <stdlib.h>

void AfxAssertFailedLine(const char* lpszFileName, int nLine, const char* lpszExpr) {
  CString message;
  message.Format("%s(%d): ASSERT failed: %s\n", lpszFileName, nLine, lpszExpr);
  ::OutputDebugStringA(message);
  fputs(message, stderr);
  fflush(stderr);
  abort();
}

void AfxTrace(const char* lpszFormat, ...) {
  va_list args;
  va_start(args, lpszFormat);
  CString message;
  message.FormatV(lpszFormat, args);
  va_end(args);
  ::OutputDebugStringA(message);
}
