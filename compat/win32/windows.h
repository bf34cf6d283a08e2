// Umbrella header of the Win32 stand-in, as <windows.h> is on Windows.
#ifndef OLVAREN_COMPAT_WINDOWS_H
#define OLVAREN_COMPAT_WINDOWS_H

#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "winnls.h"
#include "winuser.h"

#endif  // OLVAREN_COMPAT_WINDOWS_H
