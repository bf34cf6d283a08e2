// Test support for ClassMate: the stand-in IDE started with the add-in loaded
// as a tool DLL and a fresh settings folder, items marked by class name or by
// line, the tool run through its entry, and what the IDE then shows (report
// lines, error boxes) written in the front end's output format.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ide/shell/Shell.h"

// The folder of this suite's own test outlines.
std::string ClassMateDataDir();
// The folder of the real programs ("" when it is absent).
std::string CorpusDir();
// The whole content of a file ("" when it cannot be read).
std::string ReadTextFile(const std::string& path);

class ClassMateTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  ide::shell::Shell& Ide() { return *shell_; }
  // Ends the IDE and starts it afresh with the add-in (for tables of cases).
  void RestartIde();

  // Opens an application; on failure the test fails with the load message.
  void Open(const std::string& path, const std::vector<std::string>& includeDirs = {});
  // Marks the first class definition of that name (outline order); ":N"
  // marks the first item starting on line N of the main file.
  void Select(const std::string& target);
  // Runs the tool entry with that argument string.
  void RunTool(const std::string& arguments = "Tools ClassMate");

  // What the front end prints for the run: one line per report line, lines
  // that lead to an item prefixed "FILE:LINE: " (FILE with `stripFolder`
  // removed), then each error box as "CAPTION: TEXT"; every line ends in "\n".
  std::string Output(const std::string& stripFolder) const;
  std::vector<std::string> ReportTexts() const;
  std::vector<standin::MessageBoxRecord> Boxes() const { return standin::MessageBoxes(); }

private:
  void StartIde();
  void ExitIde();

  std::string folder_;
  std::unique_ptr<ide::shell::Shell> shell_;
};
