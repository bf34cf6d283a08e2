// The shell tests' fixture and window helpers.
#include "ShellTestSupport.h"

namespace shelltest {

std::string SamplePath() { return std::string(OLVAREN_SOURCE_DIR) + "/samples/Olvaren_Sample.app"; }
std::string SampleLibPath() { return std::string(OLVAREN_SOURCE_DIR) + "/samples/Olvaren_Lib.apl"; }

std::string ClassOf(HWND hwnd) {
  char buffer[256] = "";
  GetClassNameA(hwnd, buffer, sizeof buffer);
  return buffer;
}

std::string TextOf(HWND hwnd) {
  std::vector<char> buffer(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
  return buffer.data();
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> all;
  EnumChildWindows(
      parent,
      [](HWND hwnd, LPARAM param) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  return all;
}

void ShellTest::SetUp() {
  ide::Ide::Instance().Reset();
  standin::ClearDebugOutput();
  standin::ClearMessageBoxes();
  ASSERT_TRUE(shell.Start());
}

void ShellTest::TearDown() {
  shell.Exit();
  standin::ReleaseAllKeys();
  standin::RunPendingMessages();
  ide::Ide::Instance().Reset();
}

void ShellTest::OpenSample() {
  ide::LoadStatus status = shell.OpenFile(SamplePath());
  ASSERT_TRUE(status) << status.Message();
}

ide::ItemHandle ShellTest::FindItem(const std::string& line) const {
  const ide::Outline& o = outline();
  for (ide::ItemId i = 0; i < o.Count(); ++i)
    if (o.OutlineLine(i) == line) return ide::ToItemHandle(i);
  return 0;
}

}  // namespace shelltest
