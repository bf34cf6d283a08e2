// Hooks and keyboard: hook chain order and swallowing, installation rules,
// the key data Windows builds for each key event, where key messages go,
// the key state, and WH_GETMESSAGE hooks inside GetMessageA/PeekMessageA.
#include <gtest/gtest.h>
#include <standin.h>
#include <windows.h>

#include <thread>

#include "../support/MessageRecorder.h"
#include "../support/WineMarks.h"

namespace {

struct HookCall {
  int hook;
  int code;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<HookCall> g_calls;
int g_swallowAt = -1;  // the hook (1..3) that returns 1 without passing on
HHOOK g_handles[4];

template <int N>
LRESULT CALLBACK ChainHook(int code, WPARAM w, LPARAM l) {
  g_calls.push_back({N, code, w, l});
  if (N == g_swallowAt) return 1;
  return CallNextHookEx(g_handles[N], code, w, l);
}

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    g_calls.clear();
    g_swallowAt = -1;
    window_ = rec::Create("kbd", WS_OVERLAPPED | WS_VISIBLE);
    Drain();
  }
  void TearDown() override {
    for (HHOOK& h : g_handles)
      if (h) {
        UnhookWindowsHookEx(h);
        h = nullptr;
      }
    standin::ReleaseAllKeys();
    Drain();
    DestroyWindow(window_);
    rec::Reset();
  }
  // The next queued message other than WM_PAINT. The visible window gets
  // WM_PAINT until it is validated, so that one is dispatched (the window's
  // DefWindowProcA validates it) instead of returned.
  static bool Next(MSG* m) {
    while (PeekMessageA(m, nullptr, 0, 0, PM_REMOVE)) {
      if (m->message != WM_PAINT) return true;
      DispatchMessageA(m);
    }
    return false;
  }
  static void Drain() {
    MSG m;
    while (Next(&m)) {
    }
  }
  static std::vector<MSG> Posted() {
    std::vector<MSG> out;
    MSG m;
    while (Next(&m)) out.push_back(m);
    return out;
  }
  HWND window_ = nullptr;
};

// The chain runs most recently installed first; a hook that returns
// non-zero without calling CallNextHookEx ends it and swallows the key.
TEST_F(Keyboard, HookChainOrderAndSwallowing) {
  STANDIN_ONLY("Windows runs WH_KEYBOARD when the key message is read, not at the key event");
  DWORD tid = GetCurrentThreadId();
  g_handles[1] = SetWindowsHookExA(WH_KEYBOARD, ChainHook<1>, nullptr, tid);
  g_handles[2] = SetWindowsHookExA(WH_KEYBOARD, ChainHook<2>, nullptr, tid);
  g_handles[3] = SetWindowsHookExA(WH_KEYBOARD, ChainHook<3>, nullptr, tid);
  ASSERT_TRUE(g_handles[1] && g_handles[2] && g_handles[3]);

  standin::KeyDown(VK_F5);
  ASSERT_EQ(g_calls.size(), 3u);
  EXPECT_EQ(g_calls[0].hook, 3);
  EXPECT_EQ(g_calls[1].hook, 2);
  EXPECT_EQ(g_calls[2].hook, 1);
  for (const HookCall& c : g_calls) {
    EXPECT_EQ(c.code, HC_ACTION);
    EXPECT_EQ(c.wParam, static_cast<WPARAM>(VK_F5));
  }
  EXPECT_EQ(Posted().size(), 1u);

  g_calls.clear();
  g_swallowAt = 2;
  standin::KeyUp(VK_F5);
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].hook, 2);
  EXPECT_TRUE(Posted().empty());

  // An unhooked procedure drops out of the chain.
  g_calls.clear();
  g_swallowAt = -1;
  EXPECT_TRUE(UnhookWindowsHookEx(g_handles[2]));
  g_handles[2] = nullptr;
  standin::KeyStroke(VK_F6);
  ASSERT_EQ(g_calls.size(), 4u);
  EXPECT_EQ(g_calls[0].hook, 3);
  EXPECT_EQ(g_calls[1].hook, 1);
}

TEST_F(Keyboard, InstallationRules) {
  // A hook for every thread names the module that holds the procedure.
  EXPECT_EQ(SetWindowsHookExA(WH_KEYBOARD, ChainHook<1>, nullptr, 0), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOOK_NEEDS_HMOD));
  g_handles[1] = SetWindowsHookExA(WH_KEYBOARD, ChainHook<1>, GetModuleHandleA(nullptr), 0);
  ASSERT_NE(g_handles[1], nullptr);
#ifndef _WIN32  // the stand-in's keyboard device runs the hooks at the key event
  standin::KeyStroke('Q');
  EXPECT_EQ(g_calls.size(), 2u);
#endif
  EXPECT_EQ(SetWindowsHookExA(42, ChainHook<1>, nullptr, GetCurrentThreadId()), nullptr);
  // An unknown hook type is ERROR_INVALID_HOOK_FILTER; Wine answers
  // ERROR_INVALID_PARAMETER.
  TODO_WINE(EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HOOK_FILTER)));
  // A mouse hook for the thread is accepted (the stand-in has no mouse to run it).
  HHOOK mouse = SetWindowsHookExA(WH_MOUSE, ChainHook<1>, nullptr, GetCurrentThreadId());
  EXPECT_NE(mouse, nullptr);
  EXPECT_TRUE(UnhookWindowsHookEx(mouse));

  HHOOK h = g_handles[1];
  EXPECT_TRUE(UnhookWindowsHookEx(h));
  g_handles[1] = nullptr;
  EXPECT_FALSE(UnhookWindowsHookEx(h));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HOOK_HANDLE));
  EXPECT_FALSE(UnhookWindowsHookEx(reinterpret_cast<HHOOK>(0x1234)));
}

// Hooks for another thread do not see this thread's keys.
TEST_F(Keyboard, ThreadHookSeesOnlyItsThread) {
  DWORD otherThread = 0;
  std::thread t([&] { otherThread = GetCurrentThreadId(); });
  t.join();
  ASSERT_NE(otherThread, GetCurrentThreadId());
  g_handles[1] = SetWindowsHookExA(WH_KEYBOARD, ChainHook<1>, nullptr, otherThread);
  standin::KeyStroke(VK_F2);
  EXPECT_TRUE(g_calls.empty());
}

// Key data of each event as Windows builds it, given to the hook and to the
// posted message alike.
TEST_F(Keyboard, KeyDataBits) {
  STANDIN_ONLY("Windows runs WH_KEYBOARD when the key message is read, not at the key event");
  g_handles[1] = SetWindowsHookExA(WH_KEYBOARD, ChainHook<1>, nullptr, GetCurrentThreadId());
  enum Action { Down, Up, Repeat };
  struct Case {
    const char* what;
    Action action;
    UINT vk;
    UINT msg;
    WPARAM wParam;
    LPARAM data;
  };
  const Case cases[] = {
      {"F2 first down", Down, VK_F2, WM_KEYDOWN, VK_F2, 0x003C0001},
      {"F2 repeat", Repeat, VK_F2, WM_KEYDOWN, VK_F2, 0x403C0001},
      {"F2 release", Up, VK_F2, WM_KEYUP, VK_F2, 0xC03C0001},
      {"Ctrl down", Down, VK_CONTROL, WM_KEYDOWN, VK_CONTROL, 0x001D0001},
      {"Ctrl+F2", Down, VK_F2, WM_KEYDOWN, VK_F2, 0x003C0001},
      {"Ctrl+F2 release", Up, VK_F2, WM_KEYUP, VK_F2, 0xC03C0001},
      {"Ctrl release", Up, VK_CONTROL, WM_KEYUP, VK_CONTROL, 0xC01D0001},
      {"Alt down", Down, VK_MENU, WM_SYSKEYDOWN, VK_MENU, 0x20380001},
      {"Alt repeat", Repeat, VK_MENU, WM_SYSKEYDOWN, VK_MENU, 0x60380001},
      {"Alt+F2", Down, VK_F2, WM_SYSKEYDOWN, VK_F2, 0x203C0001},
      {"Alt+F2 release", Up, VK_F2, WM_SYSKEYUP, VK_F2, 0xE03C0001},
      {"Alt release after a key", Up, VK_MENU, WM_KEYUP, VK_MENU, 0xC0380001},
      {"Alt alone down", Down, VK_MENU, WM_SYSKEYDOWN, VK_MENU, 0x20380001},
      {"Alt alone release", Up, VK_MENU, WM_SYSKEYUP, VK_MENU, 0xC0380001},
      {"F10", Down, VK_F10, WM_SYSKEYDOWN, VK_F10, 0x00440001},
      {"F10 release", Up, VK_F10, WM_SYSKEYUP, VK_F10, 0xC0440001},
      {"right Ctrl (extended)", Down, VK_RCONTROL, WM_KEYDOWN, VK_CONTROL, 0x011D0001},
      {"right Ctrl release", Up, VK_RCONTROL, WM_KEYUP, VK_CONTROL, 0xC11D0001},
      {"right Shift", Down, VK_RSHIFT, WM_KEYDOWN, VK_SHIFT, 0x00360001},
      {"keypad *", Down, VK_MULTIPLY, WM_KEYDOWN, VK_MULTIPLY, 0x00370001},
      {"keypad / (extended)", Down, VK_DIVIDE, WM_KEYDOWN, VK_DIVIDE, 0x01350001},
      {"Enter", Down, VK_RETURN, WM_KEYDOWN, VK_RETURN, 0x001C0001},
      {"Delete (extended)", Down, VK_DELETE, WM_KEYDOWN, VK_DELETE, 0x01530001},
      {"letter A", Down, 'A', WM_KEYDOWN, 'A', 0x001E0001},
  };
  for (const Case& c : cases) {
    g_calls.clear();
    bool ok = c.action == Down ? standin::KeyDown(c.vk) : c.action == Up ? standin::KeyUp(c.vk) : standin::KeyRepeat(c.vk);
    ASSERT_TRUE(ok) << c.what;
    ASSERT_EQ(g_calls.size(), 1u) << c.what;
    EXPECT_EQ(g_calls[0].wParam, c.wParam) << c.what;
    EXPECT_EQ(g_calls[0].lParam, c.data) << c.what << std::hex << " got 0x" << g_calls[0].lParam;
    auto posted = Posted();
    ASSERT_EQ(posted.size(), 1u) << c.what;
    EXPECT_EQ(posted[0].hwnd, window_) << c.what;
    EXPECT_EQ(posted[0].message, c.msg) << c.what;
    EXPECT_EQ(posted[0].wParam, c.wParam) << c.what;
    EXPECT_EQ(posted[0].lParam, c.data) << c.what;
  }
}

// Ctrl+Alt+key is not a system key, but the Alt bit is set.
TEST_F(Keyboard, CtrlAltIsNotASystemKey) {
  standin::KeyDown(VK_CONTROL);
  standin::KeyDown(VK_MENU);
  standin::KeyDown('X');
  auto posted = Posted();
  ASSERT_EQ(posted.size(), 3u);
  EXPECT_EQ(posted[1].message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(posted[1].lParam, 0x20380001);
  EXPECT_EQ(posted[2].message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(posted[2].lParam, 0x202D0001);
}

// With no focus window, keys go to the active window as system keys.
TEST_F(Keyboard, NoFocusSendsSystemKeysToActiveWindow) {
  SetFocus(nullptr);
  ASSERT_EQ(GetActiveWindow(), window_);
  standin::KeyStroke('B');
  auto posted = Posted();
  ASSERT_EQ(posted.size(), 2u);
  EXPECT_EQ(posted[0].hwnd, window_);
  EXPECT_EQ(posted[0].message, static_cast<UINT>(WM_SYSKEYDOWN));
  EXPECT_EQ(posted[0].lParam, 0x00300001);  // no Alt bit
  EXPECT_EQ(posted[1].message, static_cast<UINT>(WM_SYSKEYUP));
}

TEST_F(Keyboard, KeyState) {
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
  standin::KeyDown(VK_LSHIFT);
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  EXPECT_LT(GetKeyState(VK_LSHIFT), 0);
  EXPECT_GE(GetKeyState(VK_RSHIFT), 0);
  EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);
  standin::KeyDown(VK_RSHIFT);
  standin::KeyUp(VK_LSHIFT);
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);  // the other Shift is still down
  standin::KeyUp(VK_RSHIFT);
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
  EXPECT_FALSE(standin::KeyUp(VK_F3));        // not held
  EXPECT_FALSE(standin::KeyRepeat(VK_F3));    // not held
  EXPECT_FALSE(standin::KeyDown(0xFF));       // no such key
}

LRESULT CALLBACK NullingMessageHook(int code, WPARAM removal, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  g_calls.push_back({0, code, removal, static_cast<LPARAM>(msg->message)});
  if (code >= 0 && removal == PM_REMOVE && msg->message == WM_KEYDOWN) {
    msg->message = WM_NULL;
    msg->wParam = 0;
    msg->lParam = 0;
  }
  return CallNextHookEx(g_handles[0], code, removal, lParam);
}

// WH_GETMESSAGE hooks see each retrieved message with the removal flag and
// may change the message the caller receives.
TEST_F(Keyboard, GetMessageHookCanTurnMessageIntoNull) {
  g_handles[0] = SetWindowsHookExA(WH_GETMESSAGE, NullingMessageHook, nullptr, GetCurrentThreadId());
  standin::KeyDown('K');
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_KEYDOWN));
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_NULL));
  EXPECT_EQ(m.wParam, 0u);
  EXPECT_EQ(m.lParam, 0);
  EXPECT_EQ(m.hwnd, window_);
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[0].code, HC_ACTION);
  EXPECT_EQ(g_calls[0].wParam, static_cast<WPARAM>(PM_NOREMOVE));
  EXPECT_EQ(g_calls[1].wParam, static_cast<WPARAM>(PM_REMOVE));
  EXPECT_EQ(g_calls[1].lParam, WM_KEYDOWN);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));  // the key-down was removed
}

}  // namespace
