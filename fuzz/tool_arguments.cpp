// Fuzz target: the tool entry's argument splitting. The input is a tool
// argument string (up to its first NUL, as the IDE passes a C string); the
// first byte picks a separator of one to four of the following bytes, an
// empty one, or a blank as the tool entry uses. The tokens, joined with the separator, must
// give the text back, and only the last token is flagged as the last.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "host/StringSplitter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
  std::string separator = " ";
  if (!input.empty()) {
    const size_t length = static_cast<unsigned char>(input[0]) % 6;
    input.erase(0, 1);
    if (length == 5) {
      separator.clear();
    } else if (length > 0 && input.size() >= length) {
      separator = input.substr(0, length);
      input.erase(0, length);
    }
  }
  CStringSplitter splitter(CString(input.c_str()), CString(separator.c_str()));
  std::string joined;
  int tokens = 0;
  BOOL sawLast = FALSE;
  while (splitter.Next()) {
    if (sawLast) abort();  // nothing after the last token
    if (tokens++ > 0) joined += separator;
    joined += (const char*)splitter.GetToken();
    sawLast = splitter.IsLastToken();
  }
  if (!sawLast || joined != input) abort();
  if (separator.empty() && tokens != 1) abort();
  return 0;
}
