// Test support for MassFinder: the stand-in IDE started with the add-in
// loaded and a fresh settings folder, items marked by line, the tool invoked
// through its entry, the "Mass Finder" dialog used as a user would (typing,
// check boxes, Find!, Close), and what the IDE then shows in the front end's
// output format.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ide/shell/Shell.h"

// The folder of this suite's own test outlines and expected reports.
std::string MassFinderDataDir();
// The folder of the real programs ("" when it is absent).
std::string MassFinderCorpusDir();
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& text);

// The dialog's options, as its check boxes show them.
struct FindOptions {
  bool matchCase = false;
  bool wholeWord = false;
  bool ignoreIncludes = false;
  bool onlyMarked = false;
  bool ignoreComments = false;
};

class MassFinderTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  ide::shell::Shell& Ide() { return *shell_; }
  // Ends the IDE and starts it afresh with the add-in; the settings folder stays.
  void RestartIde();

  void Open(const std::string& path, const std::vector<std::string>& includeDirs = {});
  // Marks the first item that starts on `line` of the main file.
  void MarkLine(int line);
  void InvokeTool(const std::string& arguments = "Tools MassFinder");

  // The open dialog, nullptr when none.
  HWND Dialog() const;
  HWND Control(int id) const;
  std::string EditText() const;                 // the combo box's edit field
  std::vector<std::string> ComboEntries() const;
  bool IsChecked(int id) const;
  void Type(const std::string& text);           // into the combo box's edit field
  void SetCheck(int id, bool checked);           // clicks the box when it differs
  void SetOptions(const FindOptions& options);
  void ClickFind();
  void ClickClose();
  // Invokes the tool (opening the dialog when needed), types the pattern,
  // sets the options and clicks Find!.
  void Find(const std::string& pattern, const FindOptions& options = FindOptions());

  // The user clicks into the IDE (the dialog loses activation) and back.
  void ActivateIde();
  void ActivateDialog();

  // The report as the front end prints it (FILE with `stripFolder` removed).
  std::string Output(const std::string& stripFolder) const;
  std::vector<std::string> ReportTexts() const;

  std::string SettingsPath() const { return folder_ + "/Olvaren.xml"; }
  std::string Folder() const { return folder_; }

private:
  void StartIde();
  void ExitIde();

  std::string folder_;
  std::unique_ptr<ide::shell::Shell> shell_;
};
