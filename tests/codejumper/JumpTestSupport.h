// Test support for CodeJumper: the stand-in IDE started and activated with
// the add-in loaded and a fresh settings folder; lines opened in the inline
// editor with the caret at a '^' in the line's text; F2 and Ctrl+F2 pressed
// on the keyboard; and what the IDE's outline editor then shows.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AddinIdeTest.h"
#include "ide/shell/Shell.h"

// The samples/ folder and this suite's data folder.
std::string SamplesDir();
std::string JumpDataDir();

// "FILE:LINE: OUTLINE-LINE" of an item, FILE without its folder.
std::string ItemLocation(ide::OutlineHandle outline, ide::ItemHandle item);

// Counts how often the IDE is made to show an item.
class ShowCounter : public ide::IdeObserver {
public:
  ShowCounter();
  ~ShowCounter() override;
  void CurrentItemChanged(ide::OutlineHandle, ide::ItemHandle) override { ++count; }
  int count = 0;
};

class JumpTest : public AddinIdeTest {
protected:
  // Opens an application (fails the test when it does not load) and activates the IDE.
  void Open(const std::string& path, const std::vector<std::string>& includeDirs = {});

  // The first item whose outline line is `line`, below the first item whose
  // outline line is `within` when that is given; 0 when none.
  ide::ItemHandle Item(const std::string& line, const std::string& within = "") const;
  // Clicks the item of `markedLine` (the line with a '^' where the caret
  // goes) and opens it in the inline editor.
  void EditAt(const std::string& markedLine, const std::string& within = "");
  // EditAt, then F2: ItemLocation of what the IDE shows, "" when F2 showed nothing.
  std::string JumpFrom(const std::string& markedLine, const std::string& within = "");
  // Presses a key; "" when nothing was shown, else ItemLocation of what was.
  std::string Press(UINT key, int modifiers = 0);
  std::string Shown() const;
  bool KeyReachedIde(UINT key) const;
  const std::string& SettingsFolder() const { return Folder(); }
};
