// The keyboard layout: a US 101/102-key keyboard. Maps virtual keys to
// set-1 scan codes (and the extended-key flag) and to the characters that
// TranslateMessage posts as WM_CHAR / WM_SYSCHAR.
#include "keyboard_layout.h"

#include "internal.h"

namespace olvwin32 {

bool KeyScanCode(UINT vk, BYTE* scan, bool* extended) {
  struct Entry {
    UINT vk;
    BYTE scan;
    bool ext;
  };
  static const Entry table[] = {
      {VK_ESCAPE, 0x01, false}, {VK_BACK, 0x0E, false},    {VK_TAB, 0x0F, false},      {VK_RETURN, 0x1C, false},
      {VK_CONTROL, 0x1D, false}, {VK_LCONTROL, 0x1D, false}, {VK_RCONTROL, 0x1D, true}, {VK_SHIFT, 0x2A, false},
      {VK_LSHIFT, 0x2A, false}, {VK_RSHIFT, 0x36, false},  {VK_MENU, 0x38, false},     {VK_LMENU, 0x38, false},
      {VK_RMENU, 0x38, true},   {VK_SPACE, 0x39, false},   {VK_CAPITAL, 0x3A, false},  {VK_F1, 0x3B, false},
      {VK_F2, 0x3C, false},     {VK_F3, 0x3D, false},      {VK_F4, 0x3E, false},       {VK_F5, 0x3F, false},
      {VK_F6, 0x40, false},     {VK_F7, 0x41, false},      {VK_F8, 0x42, false},       {VK_F9, 0x43, false},
      {VK_F10, 0x44, false},    {VK_F11, 0x57, false},     {VK_F12, 0x58, false},      {VK_NUMLOCK, 0x45, true},
      {VK_SCROLL, 0x46, false}, {VK_PAUSE, 0x45, false},   {VK_SNAPSHOT, 0x37, true},  {VK_MULTIPLY, 0x37, false},
      {VK_SUBTRACT, 0x4A, false}, {VK_ADD, 0x4E, false},   {VK_DIVIDE, 0x35, true},    {VK_DECIMAL, 0x53, false},
      {VK_NUMPAD7, 0x47, false}, {VK_NUMPAD8, 0x48, false}, {VK_NUMPAD9, 0x49, false}, {VK_NUMPAD4, 0x4B, false},
      {VK_NUMPAD5, 0x4C, false}, {VK_NUMPAD6, 0x4D, false}, {VK_NUMPAD1, 0x4F, false}, {VK_NUMPAD2, 0x50, false},
      {VK_NUMPAD3, 0x51, false}, {VK_NUMPAD0, 0x52, false}, {VK_HOME, 0x47, true},     {VK_UP, 0x48, true},
      {VK_PRIOR, 0x49, true},   {VK_LEFT, 0x4B, true},     {VK_RIGHT, 0x4D, true},     {VK_END, 0x4F, true},
      {VK_DOWN, 0x50, true},    {VK_NEXT, 0x51, true},     {VK_INSERT, 0x52, true},    {VK_DELETE, 0x53, true},
      {VK_LWIN, 0x5B, true},    {VK_RWIN, 0x5C, true},     {VK_APPS, 0x5D, true},      {VK_OEM_MINUS, 0x0C, false},
      {VK_OEM_PLUS, 0x0D, false}, {VK_OEM_4, 0x1A, false}, {VK_OEM_6, 0x1B, false},    {VK_OEM_1, 0x27, false},
      {VK_OEM_7, 0x28, false},  {VK_OEM_3, 0x29, false},   {VK_OEM_5, 0x2B, false},    {VK_OEM_COMMA, 0x33, false},
      {VK_OEM_PERIOD, 0x34, false}, {VK_OEM_2, 0x35, false},
  };
  static const BYTE digits[10] = {0x0B, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A};
  static const BYTE letters[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
                                   0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
  *extended = false;
  if (vk >= '0' && vk <= '9') {
    *scan = digits[vk - '0'];
    return true;
  }
  if (vk >= 'A' && vk <= 'Z') {
    *scan = letters[vk - 'A'];
    return true;
  }
  for (const Entry& e : table)
    if (e.vk == vk) {
      *scan = e.scan;
      *extended = e.ext;
      return true;
    }
  return false;
}

int KeyCharacter(UINT vk, bool shift, bool ctrl) {
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) return static_cast<int>(vk - 'A' + 1);
    return shift ? static_cast<int>(vk) : static_cast<int>(vk - 'A' + 'a');
  }
  if (ctrl) {
    switch (vk) {
      case VK_RETURN: return '\n';
      case VK_BACK: return 0x7F;
      case VK_ESCAPE: return 0x1B;
      case VK_SPACE: return ' ';
      case VK_OEM_4: return 0x1B;
      case VK_OEM_5: return 0x1C;
      case VK_OEM_6: return 0x1D;
      default: return -1;
    }
  }
  if (vk >= '0' && vk <= '9') return shift ? ")!@#$%^&*("[vk - '0'] : static_cast<int>(vk);
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return static_cast<int>('0' + vk - VK_NUMPAD0);
  switch (vk) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_TAB: return '\t';
    case VK_BACK: return '\b';
    case VK_ESCAPE: return 0x1B;
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    case VK_OEM_1: return shift ? ':' : ';';
    case VK_OEM_PLUS: return shift ? '+' : '=';
    case VK_OEM_COMMA: return shift ? '<' : ',';
    case VK_OEM_MINUS: return shift ? '_' : '-';
    case VK_OEM_PERIOD: return shift ? '>' : '.';
    case VK_OEM_2: return shift ? '?' : '/';
    case VK_OEM_3: return shift ? '~' : '`';
    case VK_OEM_4: return shift ? '{' : '[';
    case VK_OEM_5: return shift ? '|' : '\\';
    case VK_OEM_6: return shift ? '}' : ']';
    case VK_OEM_7: return shift ? '"' : '\'';
    default: return -1;
  }
}

}  // namespace olvwin32

using namespace olvwin32;

// WM_KEYDOWN / WM_SYSKEYDOWN of a key that types a character posts
// WM_CHAR / WM_SYSCHAR with the same key data. Non-zero for every key
// message, translated or not.
extern "C" BOOL WINAPI TranslateMessage(const MSG* msg) {
  if (!msg) return FALSE;
  switch (msg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      int ch = KeyCharacter(static_cast<UINT>(msg->wParam), KeyIsDown(VK_SHIFT),
                            KeyIsDown(VK_CONTROL) && !KeyIsDown(VK_MENU));
      if (ch >= 0)
        PostMessageA(msg->hwnd, msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, static_cast<WPARAM>(ch),
                     msg->lParam);
      return TRUE;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return TRUE;
    default:
      return FALSE;
  }
}
