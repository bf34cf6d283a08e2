// Shared fixture of the shell tests: a fresh IDE state and a started shell
// per test, the sample application's path, and window helpers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ide/shell/Shell.h"

namespace shelltest {

std::string SamplePath();     // samples/Olvaren_Sample.app
std::string SampleLibPath();  // samples/Olvaren_Lib.apl

// An export of a module as the function type its callers use.
template <class F>
F ExportAs(HMODULE module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Class name and text of a window, as GetClassNameA/GetWindowTextA read them.
std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);
// Every window below `parent`, in EnumChildWindows order.
std::vector<HWND> Descendants(HWND parent);

class ShellTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  // Opens the sample application; fails the test when it does not load.
  void OpenSample();
  ide::OutlineHandle app() const { return ide::Ide::Instance().Application(); }
  const ide::Outline& outline() const { return *ide::Ide::Instance().GetOutline(app()); }
  // Handle of the first item whose outline line is `line` (0 when none).
  ide::ItemHandle FindItem(const std::string& line) const;

  ide::shell::Shell shell;
};

}  // namespace shelltest
