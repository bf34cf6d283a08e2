// A test fixture for the add-in's tools: the stand-in IDE started with the
// add-in loaded as a tool DLL and a settings folder of the test's own (fresh
// for every test, kept across restarts of the IDE), plus file helpers.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ide/shell/Shell.h"

// The folder of the real programs ("" when it is absent).
std::string CorpusDir();
// The whole content of a file ("" when it cannot be read).
std::string ReadTextFile(const std::string& path);
void WriteTextFile(const std::string& path, const std::string& text);

class AddinIdeTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  ide::shell::Shell& Ide() { return *shell_; }
  const ide::shell::Shell& Ide() const { return *shell_; }
  // Ends the IDE and starts it afresh with the add-in (for tables of cases);
  // with `settings`, that text is written as the settings file in between.
  void RestartIde(const std::string& settings = "");

  // Opens an application; on failure the test fails with the load message.
  void Open(const std::string& path, const std::vector<std::string>& includeDirs = {});
  // The settings folder (XDG_CONFIG_HOME while the test runs).
  const std::string& Folder() const { return folder_; }

  // The report window as the front end prints it: one line per report line,
  // lines that lead to an item prefixed "FILE:LINE: " (FILE with
  // `stripFolder` removed); every line ends in "\n".
  std::string ReportOutput(const std::string& stripFolder) const;
  std::vector<std::string> ReportTexts() const;

private:
  void StartIde();
  void ExitIde();

  std::string folder_;
  std::unique_ptr<ide::shell::Shell> shell_;
};
