// The keyboard device (standin::KeyDown & co.) and the key state it keeps
// (GetKeyState, GetAsyncKeyState). Each key event is built as Windows
// builds it: the generic virtual key (VK_SHIFT for either Shift key, ...)
// and the key data: repeat count 1 (bits 0-15), set-1 scan code (16-23),
// extended key (24), Alt down (29), key previously down (30), key being
// released (31). WM_SYSKEYDOWN/WM_SYSKEYUP instead of WM_KEYDOWN/WM_KEYUP
// for F10 and for keys pressed while Alt (without Ctrl) is down; Alt itself
// gives WM_SYSKEYDOWN (not with Ctrl), and WM_SYSKEYUP only when no other
// key came between its press and release. With no focus window, the active
// window receives the key as WM_SYSKEYDOWN/WM_SYSKEYUP.
#include "internal.h"
#include "keyboard_layout.h"
#include "standin.h"

using namespace olvwin32;

namespace {

struct Device {
  BYTE state[256] = {};  // 0x80 down, 0x01 toggled
  bool altAlone = false;  // Alt pressed and nothing else since
};
Device& Dev() {
  static auto* d = new Device;
  return *d;
}

UINT Generic(UINT vk) {
  switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: return vk;
  }
}

// The physical key: a generic modifier means its left-hand key.
UINT Physical(UINT vk) {
  switch (vk) {
    case VK_SHIFT: return VK_LSHIFT;
    case VK_CONTROL: return VK_LCONTROL;
    case VK_MENU: return VK_LMENU;
    default: return vk;
  }
}

void UpdateState(Device& d, UINT key, UINT generic, bool up) {
  if (up) {
    d.state[key] &= ~0x80;
  } else {
    if (!(d.state[key] & 0x80)) d.state[key] ^= 0x01;
    d.state[key] |= 0x80;
  }
  if (key != generic) {
    UINT left = generic == VK_SHIFT ? VK_LSHIFT : generic == VK_CONTROL ? VK_LCONTROL : VK_LMENU;
    bool down = ((d.state[left] | d.state[left + 1]) & 0x80) != 0;
    if (down && !(d.state[generic] & 0x80)) d.state[generic] ^= 0x01;
    d.state[generic] = static_cast<BYTE>((d.state[generic] & 0x01) | (down ? 0x80 : 0));
  }
}

bool KeyEvent(UINT vk, bool up) {
  BYTE scan;
  bool extended;
  if (vk > 0xFF || !KeyScanCode(vk, &scan, &extended)) return false;
  const UINT key = Physical(vk);
  const UINT generic = Generic(vk);
  UINT msg;
  LPARAM data;
  HWND target;
  DWORD thread;
  {
    Guard g(Mutex());
    Device& d = Dev();
    const bool wasDown = (d.state[key] & 0x80) != 0;
    if (up && !wasDown) return false;
    const bool ctrl = (d.state[VK_CONTROL] & 0x80) != 0;
    const bool alt = (d.state[VK_MENU] & 0x80) != 0;
    msg = up ? WM_KEYUP : WM_KEYDOWN;
    if (generic == VK_MENU) {
      if (up) {
        if (d.altAlone) msg = WM_SYSKEYUP;
        d.altAlone = false;
      } else if (!ctrl) {
        msg = WM_SYSKEYDOWN;
        d.altAlone = true;
      }
    } else if (generic == VK_CONTROL) {
      if (!up) d.altAlone = false;
    } else if (generic == VK_F10 || (alt && !ctrl)) {
      msg = up ? WM_SYSKEYUP : WM_SYSKEYDOWN;
      d.altAlone = false;
    }
    UpdateState(d, key, generic, up);
    data = 1 | (static_cast<LPARAM>(scan) << 16);
    if (extended) data |= 1L << 24;
    if (d.state[VK_MENU] & 0x80) data |= 1L << 29;
    if (wasDown) data |= 1L << 30;
    if (up) data |= 1L << 31;
    target = CurrentFocus();
    if (!target) {
      target = CurrentActive();
      if (msg == WM_KEYDOWN) msg = WM_SYSKEYDOWN;
      if (msg == WM_KEYUP) msg = WM_SYSKEYUP;
    }
    Window* w = target ? FindWindowLocked(target) : nullptr;
    thread = w ? w->thread : GetCurrentThreadId();
  }
  if (CallHookChain(WH_KEYBOARD, HC_ACTION, generic, data, thread) != 0) return true;  // swallowed
  if (target) PostMessageA(target, msg, generic, data);
  return true;
}

SHORT StateOf(int vk) {
  if (vk < 0 || vk > 0xFF) return 0;
  Guard g(Mutex());
  BYTE s = Dev().state[vk];
  return static_cast<SHORT>(((s & 0x80) ? 0xFF80 : 0) | (s & 0x01));
}

}  // namespace

namespace olvwin32 {
bool KeyIsDown(int vk) { return StateOf(vk) < 0; }
}  // namespace olvwin32

extern "C" SHORT WINAPI GetKeyState(int vk) { return StateOf(vk); }
extern "C" SHORT WINAPI GetAsyncKeyState(int vk) { return static_cast<SHORT>(StateOf(vk) & 0x8000); }

bool standin::KeyDown(UINT vk) { return KeyEvent(vk, false); }
bool standin::KeyUp(UINT vk) { return KeyEvent(vk, true); }

bool standin::KeyRepeat(UINT vk, int count) {
  if (!KeyIsDown(static_cast<int>(Physical(vk)))) return false;
  for (int i = 0; i < count; ++i)
    if (!KeyEvent(vk, false)) return false;
  return true;
}

bool standin::KeyStroke(UINT vk) { return KeyEvent(vk, false) && KeyEvent(vk, true); }

bool standin::KeyChord(const std::vector<UINT>& keys) {
  BYTE scan;
  bool extended;
  for (UINT vk : keys)
    if (vk > 0xFF || !KeyScanCode(vk, &scan, &extended)) return false;
  for (UINT vk : keys) KeyEvent(vk, false);
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) KeyEvent(*it, true);
  return true;
}

void standin::ReleaseAllKeys() {
  for (UINT vk = 1; vk <= 0xFF; ++vk) {
    if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) continue;  // follow their physical keys
    if (KeyIsDown(static_cast<int>(vk))) KeyEvent(vk, true);
  }
  Guard g(Mutex());
  Dev() = Device{};
}
