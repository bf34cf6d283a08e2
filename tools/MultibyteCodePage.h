// The code page the C runtime's multibyte functions follow (lower-casing,
// letters and digits), chosen with --encoding so that the add-in folds case
// and finds whole words in the file's code page. On Linux the stand-in
// machine's ANSI code page is set to it, as if the machine had been set so
// before the program started (MultibyteCodePage.cpp); on Windows the
// system's ANSI code page stays and only the runtime's code page changes
// (MultibyteCodePageWin32.cpp).
#pragma once

#include <string>

namespace olvcli {

// Encoding names that are no single-byte code page (CodePageNames.h)
// change nothing.
void UseForMultibyteFunctions(const std::string& encodingName);

}  // namespace olvcli
