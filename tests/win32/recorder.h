// Test helper: a window class that records every message it receives, so
// tests can compare message sequences with what Windows sends.
#ifndef OLVAREN_TESTS_WIN32_RECORDER_H
#define OLVAREN_TESTS_WIN32_RECORDER_H

#include <windows.h>

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace rec {

struct Entry {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Entry& o) const {
    return hwnd == o.hwnd && msg == o.msg && wParam == o.wParam && lParam == o.lParam;
  }
};

// The class "RecorderClass" (registered on first use). Its procedure
// records, then runs the override if one is set for the message, else
// DefWindowProcA.
const char* ClassName();
HWND Create(const char* title, DWORD style, HWND parent = nullptr, int id = 0, DWORD exStyle = 0);

// Messages recorded since the last Clear(), keeping only those in FILTER
// (all when empty).
std::vector<Entry> Take(const std::vector<UINT>& filter = {});
void Clear();

// Handles MSG for every recorder window until Reset(); return a value to
// answer the message with.
void Override(UINT msg, std::function<LRESULT(HWND, WPARAM, LPARAM)> handler);
void Reset();  // drops overrides and records

std::string Name(UINT msg);  // "WM_CREATE" etc., for failure messages

// Prints as (hwnd, WM_X, w, l) in gtest failure output.
void PrintTo(const Entry& e, std::ostream* os);

}  // namespace rec

#endif  // OLVAREN_TESTS_WIN32_RECORDER_H
