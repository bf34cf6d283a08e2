// Test support for ClassMate: on the add-in fixture (AddinIdeTest.h), items
// marked by class name or by line, the tool run through its entry, and what
// the IDE then shows (report lines, error boxes) written in the front end's
// output format.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AddinIdeTest.h"
#include "ide/shell/Shell.h"

// The folder of this suite's own test outlines.
std::string ClassMateDataDir();

class ClassMateTest : public AddinIdeTest {
protected:
  // Marks the first class definition of that name (outline order); ":N"
  // marks the first item starting on line N of the main file.
  void Select(const std::string& target);
  // Runs the tool entry with that argument string.
  void RunTool(const std::string& arguments = "Tools ClassMate");

  // What the front end prints for the run: one line per report line, lines
  // that lead to an item prefixed "FILE:LINE: " (FILE with `stripFolder`
  // removed), then each error box as "CAPTION: TEXT"; every line ends in "\n".
  std::string Output(const std::string& stripFolder) const;
  std::vector<standin::MessageBoxRecord> Boxes() const { return standin::MessageBoxes(); }
};
