// The multibyte code page on Windows: the runtime's own, set to the
// encoding's code page; the system's ANSI code page is the machine's (see
// MultibyteCodePage.h).
#include "MultibyteCodePage.h"

#include <mbctype.h>

#include "CodePageNames.h"

namespace olvcli {

void UseForMultibyteFunctions(const std::string& encodingName) {
  const unsigned codePage = CodePageByName(encodingName);
  if (codePage != 0 && codePage != kCodePageUtf8) _setmbcp(static_cast<int>(codePage));
}

}  // namespace olvcli
