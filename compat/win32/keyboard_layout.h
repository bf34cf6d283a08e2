// The stand-in's keyboard layout (US): scan codes and typed characters.
#ifndef OLVAREN_COMPAT_WIN32_KEYBOARD_LAYOUT_H
#define OLVAREN_COMPAT_WIN32_KEYBOARD_LAYOUT_H

#include "windows.h"

namespace olvwin32 {
// False for a key the keyboard does not have.
bool KeyScanCode(UINT vk, BYTE* scan, bool* extended);
// The character a key types, -1 for none.
int KeyCharacter(UINT vk, bool shift, bool ctrl);
}  // namespace olvwin32

#endif  // OLVAREN_COMPAT_WIN32_KEYBOARD_LAYOUT_H
