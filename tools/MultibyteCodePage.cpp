// The multibyte code page on Linux: the stand-in machine's ANSI code page,
// which the runtime takes its multibyte code page from (see
// MultibyteCodePage.h).
#include "MultibyteCodePage.h"

#include <mbctype.h>
#include <standin.h>

#include "CodePageNames.h"

namespace olvcli {

void UseForMultibyteFunctions(const std::string& encodingName) {
  if (standin::SetAnsiCodePage(CodePageByName(encodingName))) _setmbcp(_MB_CP_ANSI);
}

}  // namespace olvcli
