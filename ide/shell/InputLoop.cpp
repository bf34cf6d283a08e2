// Keystrokes through the stand-in keyboard device, and the message loop.
#include "InputLoop.h"

#include "standin.h"

namespace ide::shell {

namespace {
std::vector<UINT> ModifierKeys(int modifiers) {
  std::vector<UINT> keys;
  if (modifiers & kModShift) keys.push_back(VK_SHIFT);
  if (modifiers & kModCtrl) keys.push_back(VK_CONTROL);
  if (modifiers & kModAlt) keys.push_back(VK_MENU);
  return keys;
}
}  // namespace

bool InputLoop::PressKey(UINT virtualKey, int modifiers) {
  std::vector<UINT> chord = ModifierKeys(modifiers);
  chord.push_back(virtualKey);
  bool ok = standin::KeyChord(chord);
  Pump();
  return ok;
}

bool InputLoop::HoldKey(UINT virtualKey, int repeats) {
  bool ok = standin::KeyDown(virtualKey);
  if (ok && repeats > 0) ok = standin::KeyRepeat(virtualKey, repeats);
  standin::KeyUp(virtualKey);
  Pump();
  return ok;
}

void InputLoop::Dispatch(const MSG& msg) {
  if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_SYSKEYDOWN ||
      msg.message == WM_SYSKEYUP)
    keys_.push_back(msg);
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

int InputLoop::Pump() {
  int count = 0;
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit_ = true;
      break;
    }
    Dispatch(msg);
    ++count;
  }
  return count;
}

int InputLoop::Run() {
  MSG msg{};
  for (;;) {
    SetLastError(0);
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) return -1;
    if (got == 0) break;
    Dispatch(msg);
  }
  // The headless stand-in ends the loop with ERROR_NO_MORE_ITEMS when idle;
  // anything else was a real WM_QUIT.
  if (GetLastError() != ERROR_NO_MORE_ITEMS) quit_ = true;
  return static_cast<int>(msg.wParam);
}

std::vector<UINT> InputLoop::KeysDown() const {
  std::vector<UINT> down;
  for (const MSG& msg : keys_)
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) down.push_back(static_cast<UINT>(msg.wParam));
  return down;
}

}  // namespace ide::shell
