// The IDE's report window: the lines the IDE core holds (text plus the item
// a line leads to), mirrored into a window of the report class. Hidden until
// the error log is opened.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ide/core/Ide.h"

namespace ide::shell {

class ReportWindow {
public:
  ReportWindow() = default;
  ~ReportWindow();
  ReportWindow(const ReportWindow&) = delete;
  ReportWindow& operator=(const ReportWindow&) = delete;

  // Registers the report window class (once per process).
  static void RegisterWindowClass();

  // Takes over a window of the report class; its lines start as the core's.
  void Attach(HWND hwnd);
  void Detach();
  HWND Handle() const { return hwnd_; }

  // Mirroring of the core's report model.
  void LineAdded(const ReportLine& line);
  void Cleared();
  void Shown(bool open);

  const std::vector<ReportLine>& Lines() const { return lines_; }
  bool IsShown() const;

private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
  std::vector<ReportLine> lines_;
};

}  // namespace ide::shell
