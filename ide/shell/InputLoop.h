// The user's keyboard and the IDE's message loop: keystrokes go through the
// Win32 stand-in's keyboard device (so WH_KEYBOARD hooks see them), and the
// loop retrieves and dispatches what is posted to the IDE's thread
// (GetMessageA/PeekMessageA, TranslateMessage, DispatchMessageA, so the
// WH_GETMESSAGE hooks of tools run). The loop notes every key message it
// dispatches: the keys the IDE itself received.
#pragma once

#include <windows.h>

#include <vector>

namespace ide::shell {

// Modifier keys held around a keystroke.
enum KeyModifier { kModShift = 1, kModCtrl = 2, kModAlt = 4 };

class InputLoop {
public:
  // Presses and releases a key with the modifiers held (Shift, Ctrl, Alt
  // down in this order before it, up in reverse after it), then dispatches
  // the messages that resulted. False for a key the device does not have.
  bool PressKey(UINT virtualKey, int modifiers = 0);
  // Holds a key down for `repeats` auto-repeats before releasing it.
  bool HoldKey(UINT virtualKey, int repeats);

  // Dispatches every waiting message without blocking; stops at WM_QUIT,
  // which it takes from the queue (QuitRequested() then tells). Returns the
  // number of messages dispatched.
  int Pump();
  // The IDE's main loop: GetMessageA until it returns 0 (WM_QUIT or, in the
  // headless stand-in, nothing left to do). Returns WM_QUIT's exit code.
  int Run();

  bool QuitRequested() const { return quit_; }

  // Key messages (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP) the loop
  // dispatched, in order.
  const std::vector<MSG>& KeyMessages() const { return keys_; }
  // Virtual keys of the WM_KEYDOWN/WM_SYSKEYDOWN messages among them.
  std::vector<UINT> KeysDown() const;
  void ClearKeys() { keys_.clear(); }

private:
  void Dispatch(const MSG& msg);
  std::vector<MSG> keys_;
  bool quit_ = false;
};

}  // namespace ide::shell
