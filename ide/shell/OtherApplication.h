// Another application: a top-level window on a thread of its own, which the
// shell activates when the user switches away from the IDE. Windows tells
// applications apart by their threads, so only activation moving to this
// window (not to a dialog of the IDE) sends the IDE's windows WM_ACTIVATEAPP.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace ide::shell {

class OtherApplication {
public:
  OtherApplication() = default;
  ~OtherApplication();
  OtherApplication(const OtherApplication&) = delete;
  OtherApplication& operator=(const OtherApplication&) = delete;

  // Starts the thread and creates its window (class `className`, hidden);
  // false when the window could not be created (no thread is left then).
  bool Start(const char* className, HINSTANCE instance);
  // Destroys the window on its thread and ends the thread.
  void Stop();
  HWND Window() const { return window_; }

private:
  void Run(const char* className, HINSTANCE instance);

  std::thread thread_;
  std::mutex lock_;
  std::condition_variable changed_;
  bool started_ = false;  // the window was created, or could not be
  bool quit_ = false;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
};

}  // namespace ide::shell
