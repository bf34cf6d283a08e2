// Windows hooks: SetWindowsHookExA, UnhookWindowsHookEx, CallNextHookEx
// and the chain runner the rest of the stand-in calls. A chain runs most
// recently installed first; a hook goes on by calling CallNextHookEx (whose
// handle argument, as in Windows, is not needed to find the next hook).
// Hooks for thread 0 cover every thread and need a module handle. Hook
// types called by the stand-in: WH_KEYBOARD (keyboard device), WH_GETMESSAGE
// (GetMessageA/PeekMessageA), WH_CBT (HCBT_CREATEWND, HCBT_DESTROYWND,
// HCBT_SETFOCUS). WH_MOUSE installs as on Windows but never runs: the
// stand-in has no mouse. The stand-in never runs the other types either, so
// installing one fails with ERROR_NOT_SUPPORTED rather than pretending to work.
#include <algorithm>
#include <memory>

#include "internal.h"

using namespace olvwin32;

namespace {

struct Hook {
  HHOOK handle;
  int type;
  HOOKPROC proc;
  DWORD thread;  // 0: every thread
  bool alive = true;
};

struct HookTable {
  std::vector<std::shared_ptr<Hook>> hooks;  // installation order
  uintptr_t next = 0x20001;
};
HookTable& Table() {
  static auto* t = new HookTable;
  return *t;
}

// A chain being run on this thread: its snapshot and the hook now running.
struct ChainCall {
  std::vector<std::shared_ptr<Hook>> chain;
  size_t current;
};
thread_local std::vector<ChainCall*> t_calls;

LRESULT CallFrom(ChainCall& call, size_t start, int code, WPARAM wParam, LPARAM lParam) {
  for (size_t i = start; i < call.chain.size(); ++i) {
    bool alive;
    {
      Guard g(Mutex());
      alive = call.chain[i]->alive;
    }
    if (!alive) continue;
    size_t saved = call.current;
    call.current = i;
    LRESULT r = call.chain[i]->proc(code, wParam, lParam);
    call.current = saved;
    return r;
  }
  return 0;
}

}  // namespace

namespace olvwin32 {

LRESULT CallHookChain(int type, int code, WPARAM wParam, LPARAM lParam, DWORD thread, bool* ran) {
  ChainCall call{{}, 0};
  {
    Guard g(Mutex());
    auto& hooks = Table().hooks;
    for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
      if ((*it)->alive && (*it)->type == type && ((*it)->thread == 0 || (*it)->thread == thread))
        call.chain.push_back(*it);
  }
  if (ran) *ran = !call.chain.empty();
  if (call.chain.empty()) return 0;
  t_calls.push_back(&call);
  LRESULT r = CallFrom(call, 0, code, wParam, lParam);
  t_calls.pop_back();
  return r;
}

}  // namespace olvwin32

extern "C" HHOOK WINAPI SetWindowsHookExA(int type, HOOKPROC proc, HINSTANCE module, DWORD thread) {
  if (type < WH_MIN || type > WH_MAX) {
    SetLastError(ERROR_INVALID_HOOK_FILTER);
    return nullptr;
  }
  if (!proc) {
    SetLastError(ERROR_INVALID_FILTER_PROC);
    return nullptr;
  }
  if (thread == 0 && !module) {
    SetLastError(ERROR_HOOK_NEEDS_HMOD);
    return nullptr;
  }
  if (thread != 0 && (type == WH_JOURNALRECORD || type == WH_JOURNALPLAYBACK || type == WH_KEYBOARD_LL ||
                      type == WH_MOUSE_LL || type == WH_SYSMSGFILTER)) {
    SetLastError(ERROR_GLOBAL_ONLY_HOOK);
    return nullptr;
  }
  if (type != WH_KEYBOARD && type != WH_GETMESSAGE && type != WH_CBT && type != WH_MOUSE) {
    SetLastError(ERROR_NOT_SUPPORTED);
    return nullptr;
  }
  Guard g(Mutex());
  auto hook = std::make_shared<Hook>();
  hook->handle = reinterpret_cast<HHOOK>(Table().next);
  Table().next += 2;
  hook->type = type;
  hook->proc = proc;
  hook->thread = thread;
  Table().hooks.push_back(hook);
  return hook->handle;
}

extern "C" BOOL WINAPI UnhookWindowsHookEx(HHOOK handle) {
  Guard g(Mutex());
  auto& hooks = Table().hooks;
  auto it = std::find_if(hooks.begin(), hooks.end(), [handle](auto& h) { return h->handle == handle; });
  if (it == hooks.end()) {
    SetLastError(ERROR_INVALID_HOOK_HANDLE);
    return FALSE;
  }
  (*it)->alive = false;  // a chain running now skips it
  hooks.erase(it);
  return TRUE;
}

// Outside a hook procedure there is no next hook: the result is 0.
extern "C" LRESULT WINAPI CallNextHookEx(HHOOK, int code, WPARAM wParam, LPARAM lParam) {
  if (t_calls.empty()) return 0;
  ChainCall& call = *t_calls.back();
  return CallFrom(call, call.current + 1, code, wParam, lParam);
}
