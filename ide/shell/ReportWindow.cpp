// The report window: its class, and the copy of the core's report lines it
// shows.
#include "ReportWindow.h"

#include "MainWindow.h"

namespace ide::shell {

void ReportWindow::RegisterWindowClass() {
  WNDCLASSA wc{};
  if (GetClassInfoA(ShellInstance(), kReportClass, &wc)) return;
  wc.lpfnWndProc = &ReportWindow::Proc;
  wc.hInstance = ShellInstance();
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kReportClass;
  RegisterClassA(&wc);
}

ReportWindow::~ReportWindow() { Detach(); }

void ReportWindow::Attach(HWND hwnd) {
  Detach();
  hwnd_ = hwnd;
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  lines_ = Ide::Instance().ReportLines();
  Shown(Ide::Instance().IsErrorLogOpen());
}

void ReportWindow::Detach() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  lines_.clear();
}

void ReportWindow::LineAdded(const ReportLine& line) {
  lines_.push_back(line);
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void ReportWindow::Cleared() {
  lines_.clear();
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void ReportWindow::Shown(bool open) {
  if (hwnd_) ShowWindow(hwnd_, open ? SW_SHOWNA : SW_HIDE);
}

// Shown as far as the report window itself goes (WS_VISIBLE), whether or not
// the main window is on screen.
bool ReportWindow::IsShown() const {
  return hwnd_ != nullptr && (static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)) & WS_VISIBLE) != 0;
}

LRESULT CALLBACK ReportWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace ide::shell
