// Messages: synchronous SendMessageA, per-thread posted-message queues
// (PostMessageA, PostThreadMessageA, PostQuitMessage), retrieval with
// GetMessageA/PeekMessageA (window and range filters, removal flags, the
// WH_GETMESSAGE hooks), DispatchMessageA and CallWindowProcA.
// Posted messages come out in posting order; a quit posted with
// PostQuitMessage comes out only when no posted message matches, whatever
// the filters; after them WM_PAINT for a visible window that needs painting
// (paint.cpp). Headless: GetMessageA never blocks (see standin.h).
// As on Windows (USERPostMessageLimit), a thread's queue holds at most
// 10,000 posted messages: posting more fails with ERROR_NOT_ENOUGH_QUOTA.
#include <deque>
#include <unordered_map>

#include "internal.h"
#include "standin.h"

using namespace olvwin32;

namespace {

constexpr size_t kPostedMessageLimit = 10000;

struct ThreadQueue {
  std::deque<MSG> posted;
  bool quit = false;
  int quitCode = 0;
  DWORD lastTime = 0;
};

std::unordered_map<DWORD, ThreadQueue>& Queues() {
  static auto* q = new std::unordered_map<DWORD, ThreadQueue>;
  return *q;
}

bool MatchesLocked(const MSG& m, HWND filter, UINT lo, UINT hi) {
  if (filter == reinterpret_cast<HWND>(-1)) {
    if (m.hwnd) return false;
  } else if (filter) {
    if (!m.hwnd || !IsDescendantLocked(filter, m.hwnd)) return false;
  }
  if (lo == 0 && hi == 0) return true;
  return m.message >= lo && m.message <= hi;
}

bool Retrieve(MSG* out, HWND filter, UINT lo, UINT hi, UINT flags) {
  DWORD tid = GetCurrentThreadId();
  MSG m{};
  bool found = false;
  {
    Guard g(Mutex());
    ThreadQueue& q = Queues()[tid];
    for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
      if (!MatchesLocked(*it, filter, lo, hi)) continue;
      m = *it;
      if (flags & PM_REMOVE) q.posted.erase(it);
      found = true;
      break;
    }
    if (!found && q.quit) {
      m.message = WM_QUIT;
      m.wParam = static_cast<WPARAM>(q.quitCode);
      m.time = GetTickCount();
      if (flags & PM_REMOVE) q.quit = false;
      found = true;
    }
    if (!found && ((lo == 0 && hi == 0) || (lo <= WM_PAINT && WM_PAINT <= hi))) {
      if (HWND paint = NextPaintWindowLocked(tid, filter)) {  // stays until validated
        m.hwnd = paint;
        m.message = WM_PAINT;
        m.time = GetTickCount();
        found = true;
      }
    }
    if (found) q.lastTime = m.time;
  }
  if (!found) return false;
  CallHookChain(WH_GETMESSAGE, HC_ACTION, flags & PM_REMOVE, reinterpret_cast<LPARAM>(&m), tid);
  *out = m;
  return true;
}

bool BadFilter(HWND filter) {
  if (filter && filter != reinterpret_cast<HWND>(-1) && !IsWindow(filter)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return true;
  }
  return false;
}

}  // namespace

namespace olvwin32 {

LRESULT CallWindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  WNDPROC proc;
  {
    Guard g(Mutex());
    Window* w = CheckedWindowLocked(hwnd);
    if (!w) return 0;
    proc = w->proc;
  }
  if (!proc) return DefWindowProcA(hwnd, msg, wParam, lParam);
  return proc(hwnd, msg, wParam, lParam);
}

bool PostToThread(DWORD thread, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Guard g(Mutex());
  MSG m{};
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = GetTickCount();
  std::deque<MSG>& posted = Queues()[thread].posted;
  if (posted.size() >= kPostedMessageLimit) {
    SetLastError(ERROR_NOT_ENOUGH_QUOTA);
    return false;
  }
  posted.push_back(m);
  return true;
}

}  // namespace olvwin32

extern "C" LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd == HWND_BROADCAST) {
    for (HWND h = GetTopWindow(nullptr), next; h; h = next) {
      next = GetWindow(h, GW_HWNDNEXT);
      CallWindowProcedure(h, msg, wParam, lParam);
    }
    return 1;
  }
  return CallWindowProcedure(hwnd, msg, wParam, lParam);
}

extern "C" LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!proc) return 0;
  return proc(hwnd, msg, wParam, lParam);
}

extern "C" BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return PostToThread(GetCurrentThreadId(), nullptr, msg, wParam, lParam);
  if (hwnd == HWND_BROADCAST) {
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
      PostToThread(GetWindowThreadProcessId(h, nullptr), h, msg, wParam, lParam);
    return TRUE;
  }
  Guard g(Mutex());
  Window* w = CheckedWindowLocked(hwnd);
  if (!w) return FALSE;
  return PostToThread(w->thread, hwnd, msg, wParam, lParam);
}

extern "C" BOOL WINAPI PostThreadMessageA(DWORD thread, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (thread == 0) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  return PostToThread(thread, nullptr, msg, wParam, lParam);
}

extern "C" void WINAPI PostQuitMessage(int code) {
  Guard g(Mutex());
  ThreadQueue& q = Queues()[GetCurrentThreadId()];
  q.quit = true;
  q.quitCode = code;
}

extern "C" BOOL WINAPI PeekMessageA(LPMSG msg, HWND filter, UINT lo, UINT hi, UINT flags) {
  if (!msg || BadFilter(filter)) return FALSE;
  return Retrieve(msg, filter, lo, hi, flags) ? TRUE : FALSE;
}

extern "C" BOOL WINAPI GetMessageA(LPMSG msg, HWND filter, UINT lo, UINT hi) {
  if (!msg) {
    SetLastError(ERROR_NOACCESS);
    return -1;
  }
  if (BadFilter(filter)) return -1;
  if (Retrieve(msg, filter, lo, hi, PM_REMOVE)) return msg->message != WM_QUIT;
  *msg = MSG{};  // nothing to wait for: end the loop
  msg->message = WM_QUIT;
  msg->time = GetTickCount();
  SetLastError(ERROR_NO_MORE_ITEMS);
  return FALSE;
}

extern "C" LRESULT WINAPI DispatchMessageA(const MSG* msg) {
  if (!msg || !msg->hwnd) return 0;
  if (!IsWindow(msg->hwnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return CallWindowProcedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

extern "C" DWORD WINAPI GetMessageTime(void) {
  Guard g(Mutex());
  return Queues()[GetCurrentThreadId()].lastTime;
}

int standin::RunPendingMessages() {
  int count = 0;
  for (;;) {
    {
      Guard g(Mutex());
      if (Queues()[GetCurrentThreadId()].posted.empty()) break;
    }
    MSG m;
    if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) break;
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    TranslateMessage(&m);
    DispatchMessageA(&m);
    ++count;
  }
  return count;
}
