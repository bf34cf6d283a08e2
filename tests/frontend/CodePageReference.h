// What glibc's iconv makes of the upper half of each single-byte code page
// the front end can name on Windows (CodePageReference.cpp).
#pragma once

#include <cstddef>

namespace frontendtest {

struct CodePageReference {
  const char* name;        // as --encoding takes it
  char32_t upper[128];     // the code points of the bytes 0x80..0xFF; U+FFFD: undefined
};

extern const CodePageReference kCodePageReferences[];
extern const size_t kCodePageReferenceCount;

}  // namespace frontendtest
