// Shell folders, message boxes, the debug-output channel, cursors and the
// per-thread last error.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <standin.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "../support/WineMarks.h"

namespace {

#ifdef _WIN32
// Windows takes the folder from the user's profile.
TEST(ShellFolders, AppData) {
  char path[MAX_PATH] = "";
  EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path), S_OK);
  EXPECT_NE(path[0], '\0');
}
#else
class EnvGuard {
 public:
  explicit EnvGuard(const char* name) : name_(name) {
    const char* v = std::getenv(name);
    had_ = v != nullptr;
    if (had_) old_ = v;
  }
  ~EnvGuard() {
    if (had_)
      setenv(name_, old_.c_str(), 1);
    else
      unsetenv(name_);
  }
  void Set(const char* value) {
    if (value)
      setenv(name_, value, 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  std::string old_;
};

// CSIDL_APPDATA: $XDG_CONFIG_HOME, else $HOME/.config; an empty variable
// counts as unset; nothing at all is a failure.
TEST(ShellFolders, AppData) {
  EnvGuard xdg("XDG_CONFIG_HOME"), home("HOME");
  struct Case {
    const char* xdg;
    const char* home;
    HRESULT result;
    const char* path;
  };
  const Case cases[] = {
      {"/cfg", "/home/u", S_OK, "/cfg"},
      {"/cfg/", "/home/u", S_OK, "/cfg"},
      {nullptr, "/home/u", S_OK, "/home/u/.config"},
      {"", "/home/u", S_OK, "/home/u/.config"},
      {nullptr, nullptr, E_FAIL, ""},
  };
  for (const Case& c : cases) {
    xdg.Set(c.xdg);
    home.Set(c.home);
    char path[MAX_PATH] = "junk";
    EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path), c.result)
        << (c.xdg ? c.xdg : "-");
    EXPECT_STREQ(path, c.path);
  }
}
#endif

// Headless message boxes are recorded and answered with the default button
// (on Windows by the test helpers' hook, so that no box waits for a user).
TEST(MessageBoxes, RecordedAndAnsweredWithDefaultButton) {
  standin::ClearMessageBoxes();
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "OlvBoxOwner";
  RegisterClassA(&wc);
  HWND owner = CreateWindowExA(0, "OlvBoxOwner", "owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
  ASSERT_NE(owner, nullptr);
  struct Case {
    UINT style;
    int answer;
  };
  const Case cases[] = {{MB_OK, IDOK},
                        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
                        {MB_YESNO | MB_ICONQUESTION, IDYES},
                        {MB_YESNO | MB_DEFBUTTON2, IDNO},
                        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
                        {MB_RETRYCANCEL, IDRETRY}};
  for (const Case& c : cases) EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", c.style), c.answer) << c.style;
  standin::QueueMessageBoxAnswer(IDNO);
  EXPECT_EQ(MessageBoxA(owner, "An Error Occured!", "Olvaren", MB_OK | MB_ICONERROR), IDNO);
  auto boxes = standin::TakeMessageBoxes();
  ASSERT_EQ(boxes.size(), 7u);
  EXPECT_EQ(boxes.front().owner, nullptr);
  EXPECT_EQ(boxes.back().owner, owner);
  EXPECT_EQ(boxes.back().text, "An Error Occured!");
  EXPECT_EQ(boxes.back().caption, "Olvaren");
  EXPECT_EQ(boxes.back().style, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_TRUE(standin::MessageBoxes().empty());
  DestroyWindow(owner);
  UnregisterClassA("OlvBoxOwner", wc.hInstance);
}

TEST(DebugOutput, OneEntryPerCall) {
  standin::ClearDebugOutput();
  OutputDebugStringA("[Olvaren] one");
  OutputDebugStringA("two\nlines");
  OutputDebugStringA("");
  EXPECT_EQ(standin::DebugOutput().size(), 3u);
  EXPECT_EQ(standin::TakeDebugOutput(), (std::vector<std::string>{"[Olvaren] one", "two\nlines", ""}));
  EXPECT_TRUE(standin::DebugOutput().empty());
}

// The wait cursor of a long operation is observable and put back.
TEST(Cursor, SetCursorReturnsPrevious) {
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
  ASSERT_TRUE(arrow && wait);
  EXPECT_NE(arrow, wait);
  EXPECT_EQ(LoadCursorA(nullptr, IDC_WAIT), wait);
  SetCursor(arrow);
  int changes = standin::CursorChanges();
  HCURSOR previous = SetCursor(wait);
  EXPECT_EQ(previous, arrow);
  EXPECT_EQ(GetCursor(), wait);
  const bool standIn = standin::CursorChanges() != 0;  // Windows keeps no record of cursor changes
  if (standIn) {
    EXPECT_EQ(standin::CurrentCursorId(), 32514);
  }
  SetCursor(previous);
  if (standIn) {
    EXPECT_EQ(standin::CurrentCursorId(), 32512);
    EXPECT_EQ(standin::CursorChanges(), changes + 2);
  }
  EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
}

TEST(Kernel, LastErrorIsPerThread) {
  SetLastError(ERROR_FILE_NOT_FOUND);
  DWORD seen = 1, otherId = 0;
  std::thread t([&] {
    seen = GetLastError();
    otherId = GetCurrentThreadId();
    SetLastError(ERROR_ACCESS_DENIED);
  });
  t.join();  // may itself set this thread's code on Windows, but never to the other thread's
  EXPECT_EQ(seen, 0u);
  EXPECT_NE(otherId, GetCurrentThreadId());
  EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

}  // namespace
