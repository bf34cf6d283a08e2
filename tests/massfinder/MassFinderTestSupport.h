// Test support for MassFinder: on the add-in fixture (AddinIdeTest.h), items
// marked by line, the tool invoked through its entry, and the "Mass Finder"
// dialog used as a user would (typing, check boxes, Find!, Close).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "AddinIdeTest.h"
#include "ide/shell/Shell.h"

// The folder of this suite's own test outlines and expected reports.
std::string MassFinderDataDir();

// The dialog's options, as its check boxes show them.
struct FindOptions {
  bool matchCase = false;
  bool wholeWord = false;
  bool ignoreIncludes = false;
  bool onlyMarked = false;
  bool ignoreComments = false;
};

class MassFinderTest : public AddinIdeTest {
protected:
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

  std::string Output(const std::string& stripFolder) const { return ReportOutput(stripFolder); }
  std::string SettingsPath() const { return Folder() + "/Olvaren.xml"; }
};
