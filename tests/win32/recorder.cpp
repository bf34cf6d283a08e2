// Recording window class for the Win32 stand-in tests.
#include "recorder.h"

#include <map>
#include <ostream>

namespace rec {
namespace {
std::vector<Entry>& Log() {
  static std::vector<Entry> log;
  return log;
}
std::map<UINT, std::function<LRESULT(HWND, WPARAM, LPARAM)>>& Overrides() {
  static std::map<UINT, std::function<LRESULT(HWND, WPARAM, LPARAM)>> o;
  return o;
}
LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Log().push_back({hwnd, msg, wParam, lParam});
  auto it = Overrides().find(msg);
  if (it != Overrides().end()) return it->second(hwnd, wParam, lParam);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}
}  // namespace

const char* ClassName() {
  static bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.cbWndExtra = 16;
    wc.lpszClassName = "RecorderClass";
    return RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return "RecorderClass";
}

HWND Create(const char* title, DWORD style, HWND parent, int id, DWORD exStyle) {
  return CreateWindowExA(exStyle, ClassName(), title, style, 0, 0, 100, 100, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

std::vector<Entry> Take(const std::vector<UINT>& filter) {
  std::vector<Entry> out;
  for (const Entry& e : Log()) {
    if (filter.empty()) {
      out.push_back(e);
      continue;
    }
    for (UINT f : filter)
      if (e.msg == f) out.push_back(e);
  }
  Log().clear();
  return out;
}

void Clear() { Log().clear(); }

void Override(UINT msg, std::function<LRESULT(HWND, WPARAM, LPARAM)> handler) { Overrides()[msg] = std::move(handler); }

void Reset() {
  Overrides().clear();
  Log().clear();
}

std::string Name(UINT msg) {
  static const std::map<UINT, const char*> names = {
      {WM_NULL, "WM_NULL"}, {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_ACTIVATE, "WM_ACTIVATE"},
      {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_KILLFOCUS, "WM_KILLFOCUS"}, {WM_SETTEXT, "WM_SETTEXT"},
      {WM_GETTEXT, "WM_GETTEXT"}, {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_NCCREATE, "WM_NCCREATE"},
      {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_NCACTIVATE, "WM_NCACTIVATE"}, {WM_KEYDOWN, "WM_KEYDOWN"},
      {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"}, {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_SYSKEYUP, "WM_SYSKEYUP"},
      {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"}, {WM_ENABLE, "WM_ENABLE"}, {WM_CANCELMODE, "WM_CANCELMODE"}};
  auto it = names.find(msg);
  return it != names.end() ? it->second : "0x" + std::to_string(msg);
}

void PrintTo(const Entry& e, std::ostream* os) {
  *os << "(" << e.hwnd << ", " << Name(e.msg) << ", " << e.wParam << ", " << e.lParam << ")";
}

}  // namespace rec
