// Starting the stand-in IDE for a front-end command the way a user would:
// the IDE's windows, the add-in loaded as a tool, then the application file.
#pragma once

#include <string>
#include <vector>

#include "ItemLookup.h"
#include "ide/shell/Shell.h"

namespace olvcli {

// Counts the items the IDE's outline editor is made to show.
class ShownItems : public ide::IdeObserver {
 public:
  ShownItems() { ide::Ide::Instance().AddObserver(this); }
  ~ShownItems() override { ide::Ide::Instance().RemoveObserver(this); }
  void CurrentItemChanged(ide::OutlineHandle, ide::ItemHandle) override { ++count; }
  int count = 0;
};

// The add-in's tool DLL as the IDE names it.
extern const char kAddinDll[];

// Starts `shell` and loads the add-in. Returns -1, or the exit code after a
// message naming `command`.
int StartIde(ide::shell::Shell& shell, const char* command);
// Opens `file` in the started IDE (in place of the application open);
// load warnings go to standard error as LoadWarnings.h says. Returns -1 with
// `outline` set, or the exit code after a message naming the file.
int OpenProgram(ide::shell::Shell& shell, const std::string& file, const std::vector<std::string>& includeDirs,
                const ide::Outline*& outline);

// Starts `shell`, loads the add-in and opens `file` (libraries found through
// `includeDirs`); load warnings go to standard error. Returns the exit code to
// end the command with (after an error message naming `command` or the file),
// or -1 when the application is open and holds items; `outline` then points to it.
int OpenInIde(ide::shell::Shell& shell, const char* command, const std::string& file,
              const std::vector<std::string>& includeDirs, const ide::Outline*& outline);

// Marks the items that start on those places (lines of the main file or
// FILE:LINE of an included library) after clearing the marks, each as a
// click with Ctrl held would. Returns -1, or the exit code after `error`
// ("FILE:LINE: ...") names the first place with no item; nothing is marked
// then.
int MarkPlaces(ide::shell::Shell& shell, const ide::Outline& outline, const std::vector<ItemPlace>& places,
               std::string& error);

}  // namespace olvcli
