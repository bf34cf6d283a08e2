// Fuzz target: CodeJumper's cut of the identifier under the caret. The first
// two bytes place the caret, the rest (up to a NUL) is the inline editor's
// text. The cut must not read outside the text and must give a part of it
// (window prefixes and full stops aside) no longer than the text.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "codejumper/IdentifierResolution.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  std::string text(reinterpret_cast<const char*>(data + 2), strnlen(reinterpret_cast<const char*>(data + 2), size - 2));
  CString line(text.c_str());
  const int length = line.GetLength();
  // The caret as EM_GETSEL gives it: 0 to the text's length.
  int caret = (data[0] | (data[1] << 8)) % (length + 1);

  IdentifierRequest request;
  request.line = &line;
  request.selStart = caret;
  request.selEnd = caret;
  ExtractIdentifier(request);
  if (request.identifier.GetLength() > length) abort();
  if (FindSeparatorBefore(caret, line, g_separatorsBefore) >= length) abort();
  int after = FindSeparatorAfter(caret, line, g_separatorsAfter);
  if (after >= length || after < -1) abort();
  return 0;
}
