// The test support's Windows branches, run under Wine: the quoted command
// line read back by CommandLineToArgvW and by a real child's C runtime, the
// child process runner (output, exit code, folder, environment, time limit),
// RunInChild on a thread, and the temporary folder.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "CommandLine.h"
#include "ProgramRun.h"
#include "RunOlvaren.h"
#include "TempFolderTest.h"
#include "TestFolders.h"

namespace {

// Arguments that need each of the quoting rules (ASCII: CommandLineToArgvW
// works on UTF-16, reached through the ANSI code page).
const std::vector<std::string> kArguments = {
    "plain", "", "a b", "a\tb", "say \"hi\"", "C:\\dir\\", "C:\\my dir\\", "a\\\\\"b", "a\\b c", "\"", "\\", "\\\\ \"",
};

std::string OwnFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of("\\/"));
}

// A folder's path for comparing: no trailing separator, one case.
std::string FolderKey(std::string path) {
  while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  for (char& c : path) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return path;
}

std::string EchoProgram() { return OwnFolder() + "\\frontend_echo.exe"; }

std::string Narrow(const wchar_t* wide) {
  const int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
  if (n > 1) WideCharToMultiByte(CP_ACP, 0, wide, -1, out.data(), n, nullptr, nullptr);
  return out;
}

TEST(CommandLineWin32, CommandLineToArgvWReadsBackEveryArgument) {
  const std::string program = "C:\\some dir\\prog.exe";
  const std::string line = testsupport::BuildCommandLine(program, kArguments);
  std::wstring wide(line.size() + 1, L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, wide.data(),
                                                      static_cast<int>(wide.size())) - 1));
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(wide.c_str(), &count);
  ASSERT_NE(argv, nullptr);
  std::vector<std::string> read;
  for (int i = 0; i < count; ++i) read.push_back(Narrow(argv[i]));
  LocalFree(argv);
  std::vector<std::string> want = {program};
  want.insert(want.end(), kArguments.begin(), kArguments.end());
  EXPECT_EQ(read, want) << line;
}

// The quoted arguments and UTF-8 text (the tests type patterns in UTF-8),
// whose bytes pass the ANSI code page both ways.
TEST(CommandLineWin32, ChildReceivesEveryArgument) {
  std::vector<std::string> args = kArguments;
  args.push_back("заказ 日本");
  testsupport::ProgramRun run = testsupport::RunProgram(EchoProgram(), args, "", {}, 30);
  ASSERT_TRUE(run.started);
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0);
  std::string want;
  for (const std::string& arg : args) want += arg + '\0';
  EXPECT_EQ(run.out, want);
  EXPECT_EQ(run.err, std::to_string(args.size()) + " arguments\n");
}

TEST(CommandLineWin32, RunProgram) {
  const std::string temp = std::filesystem::temp_directory_path().string();
  const struct {
    const char* what;
    std::vector<std::string> args;
    std::string dir;
    std::vector<std::pair<std::string, std::string>> env;
    int seconds;
    bool timedOut;
    int exitCode;
    std::string out;  // checked unless the program was ended
  } cases[] = {
      {"exit code", {"--exit", "7"}, "", {}, 30, false, 7, ""},
      {"working folder", {"--cwd"}, temp, {}, 30, false, 0, ""},
      {"variable added", {"--env", "OLVAREN_TEST_VALUE"}, "", {{"OLVAREN_TEST_VALUE", "x y"}}, 30, false, 0, "x y"},
      {"variable replaced, any case", {"--env", "Path"}, "", {{"PATH", "C:\\only"}}, 30, false, 0, "C:\\only"},
      {"time limit", {"--sleep"}, "", {}, 1, true, -1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testsupport::ProgramRun run = testsupport::RunProgram(EchoProgram(), c.args, c.dir, c.env, c.seconds);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.timedOut, c.timedOut);
    EXPECT_EQ(run.exitCode, c.exitCode);
    if (!c.dir.empty()) {
      EXPECT_EQ(FolderKey(run.out), FolderKey(c.dir));
    } else if (!c.timedOut) {
      EXPECT_EQ(run.out, c.out);
    }
  }
  EXPECT_FALSE(testsupport::RunProgram(OwnFolder() + "\\no_such_program.exe", {}, "", {}, 5).started);
}

TEST(CommandLineWin32, RunInChild) {
  testsupport::ChildResult done = testsupport::RunInChild([] { return 3; }, 10);
  EXPECT_FALSE(done.timedOut);
  EXPECT_EQ(done.exitCode, 3);
  testsupport::ChildResult blocked = testsupport::RunInChild(
      [] {
        Sleep(30 * 1000);
        return 0;
      },
      1);
  EXPECT_TRUE(blocked.timedOut);
  EXPECT_EQ(blocked.exitCode, -1);
}

// A settings folder for the child moves the user's "AppData" shell folder
// for that run only: afterwards the value is back as it was, raw and with its
// type (REG_EXPAND_SZ), and no kept copy is left beside it.
TEST(CommandLineWin32, RunOlvarenMovesTheSettingsFolderForTheRunOnly) {
  auto raw = [](const char* name, DWORD& type) {
    std::string value;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, testsupport::detail::kShellFolders, 0, KEY_QUERY_VALUE, &key) ==
        ERROR_SUCCESS) {
      if (!testsupport::detail::ReadValue(key, name, type, value)) value = "(none)";
      RegCloseKey(key);
    }
    return value;
  };
  const std::string folder = testsupport::MakeTempFolder("olvaren-run-settings");
  ASSERT_NE(folder, "");
  DWORD typeBefore = 0, typeAfter = 0, keptType = 0;
  const std::string before = raw("AppData", typeBefore);
  testsupport::ProgramResult r = testsupport::RunOlvaren({"--help"}, "", folder);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("Settings file of the add-in: " + folder), std::string::npos) << r.out;
  EXPECT_EQ(raw("AppData", typeAfter), before);
  EXPECT_EQ(typeAfter, typeBefore);
  EXPECT_EQ(raw(testsupport::detail::kKept, keptType), "(none)");
  std::filesystem::remove_all(folder);
}

class TempFolderWin32 : public testsupport::TempFolderTest {};

TEST_F(TempFolderWin32, IsAnEmptyFolderOfItsOwnInTheTemporaryFolder) {
  namespace fs = std::filesystem;
  ASSERT_TRUE(fs::is_directory(folder_));
  EXPECT_TRUE(fs::is_empty(folder_));
  EXPECT_EQ(FolderKey(fs::path(folder_).parent_path().string()), FolderKey(fs::temp_directory_path().string()));
  EXPECT_NE(folder_.find('\\'), std::string::npos) << folder_;  // a Windows path
}

}  // namespace
