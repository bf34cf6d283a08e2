// The other application's thread (see OtherApplication.h). On Windows the
// thread runs a message loop, which the activation messages sent to its
// window need, until WM_QUIT; the Win32 stand-in delivers every message on
// the sending thread, so there the thread only waits to be told to quit.
#include "OtherApplication.h"

namespace ide::shell {

OtherApplication::~OtherApplication() { Stop(); }

bool OtherApplication::Start(const char* className, HINSTANCE instance) {
  if (thread_.joinable()) return window_ != nullptr;
  started_ = false;
  quit_ = false;
  thread_ = std::thread([this, className, instance] { Run(className, instance); });
  std::unique_lock<std::mutex> lock(lock_);
  changed_.wait(lock, [this] { return started_; });
  const bool created = window_ != nullptr;
  lock.unlock();
  if (!created) thread_.join();
  return created;
}

void OtherApplication::Run(const char* className, HINSTANCE instance) {
  HWND window = CreateWindowExA(0, className, "Another application", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                nullptr, instance, nullptr);
  {
    std::lock_guard<std::mutex> lock(lock_);
    window_ = window;
    threadId_ = GetCurrentThreadId();
    started_ = true;
  }
  changed_.notify_all();
  if (window == nullptr) return;
#ifdef _WIN32
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
#else
  std::unique_lock<std::mutex> lock(lock_);
  changed_.wait(lock, [this] { return quit_; });
  lock.unlock();
#endif
  DestroyWindow(window);
}

void OtherApplication::Stop() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(lock_);
    quit_ = true;
  }
#ifdef _WIN32
  PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
#endif
  changed_.notify_all();
  thread_.join();
  window_ = nullptr;
}

}  // namespace ide::shell
