// The keyboard hook: installed while an IDE task is active, it offers the
// first key-down of the command keys (F-keys, Enter, keypad operators) and of
// every key pressed with Shift, Ctrl or Alt to every module, and swallows the
// key when a module handled it.
#include "host/OlvarenHost.h"

#include <afxwin.h>

#include "host/OlvarenApp.h"
#include "trace/DebugStream.h"

namespace
{
const LPARAM KEYDATA_CONTEXT_ALT = 0x20000000;   // bit 29: Alt is down
const LPARAM KEYDATA_PREVIOUS_DOWN = 0x40000000; // bit 30: auto-repeat
const LPARAM KEYDATA_TRANSITION_UP = 0x80000000; // bit 31: being released

// Keys that go to the modules even without a modifier.
BOOL IsCommandKey(WPARAM virtualKey)
{
    if (virtualKey >= VK_F1 && virtualKey <= VK_F12)
        return TRUE;
    switch (virtualKey)
    {
    case VK_RETURN:
    case VK_MULTIPLY:
    case VK_ADD:
    case VK_SUBTRACT:
    case VK_DIVIDE:
        return TRUE;
    default:
        return FALSE;
    }
}
}  // namespace

void COlvarenNotificationInterface::StartKeyboardTracking()
{
    m_hKeyboardHook = SetWindowsHookExA(WH_KEYBOARD, KeyboardHookProc, theApp.m_hInstance, 0);
    g_dout << "[Olvaren] CCodeJumper::StartkeyboardTracking(), Hook Installed: "
           << static_cast<const void*>(m_hKeyboardHook) << std::endl;
}

void COlvarenNotificationInterface::StopKeyboardTracking()
{
    if (m_hKeyboardHook == NULL)
        return;
    if (UnhookWindowsHookEx(m_hKeyboardHook))
    {
        m_hKeyboardHook = NULL;
        g_dout << "[Olvaren] CCodeJumper::StopkeyboardTracking(), Hook Uninstalled" << std::endl;
    }
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM virtualKey, LPARAM keyData)
{
    if (code != HC_ACTION)
        return CallNextHookEx(theHost.m_hKeyboardHook, code, virtualKey, keyData);
    if ((keyData & (KEYDATA_TRANSITION_UP | KEYDATA_PREVIOUS_DOWN)) != 0)
        return CallNextHookEx(theHost.m_hKeyboardHook, code, virtualKey, keyData);
    if (virtualKey == VK_SHIFT || virtualKey == VK_CONTROL || virtualKey == VK_MENU)
        return CallNextHookEx(theHost.m_hKeyboardHook, code, virtualKey, keyData);

    int modifiers = 0;
    if (GetKeyState(VK_SHIFT) & 0x8000)
        modifiers |= KEYMOD_SHIFT;
    if (GetKeyState(VK_CONTROL) & 0x8000)
        modifiers |= KEYMOD_CTRL;
    if ((keyData & KEYDATA_CONTEXT_ALT) != 0)
        modifiers |= KEYMOD_ALT;

    if (modifiers == 0 && !IsCommandKey(virtualKey))
        return CallNextHookEx(theHost.m_hKeyboardHook, code, virtualKey, keyData);

    if (theHost.DispatchKeyDown(modifiers, static_cast<int>(virtualKey)))
        return 1;
    return CallNextHookEx(theHost.m_hKeyboardHook, code, virtualKey, keyData);
}
