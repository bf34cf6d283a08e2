// Starting the stand-in IDE with the add-in and a file (see IdeSession.h).
#include "IdeSession.h"

#include <iostream>

#include "Commands.h"
#include "ItemLookup.h"
#include "LoadWarnings.h"

namespace olvcli {

const char kAddinDll[] = "Olvaren.dll";

int StartIde(ide::shell::Shell& shell, const char* command) {
  if (!shell.Start()) {
    std::cerr << command << ": the IDE's windows could not be created\n";
    return kExitFailure;
  }
  // The IDE loads its tools when it starts, before any file is opened.
  if (!shell.LoadTool(kAddinDll)) {
    std::cerr << command << ": " << kAddinDll << ": " << shell.ToolError() << '\n';
    return kExitFailure;
  }
  return -1;
}

int OpenProgram(ide::shell::Shell& shell, const std::string& file, const std::vector<std::string>& includeDirs,
                const ide::Outline*& outline) {
  outline = nullptr;
  ide::LoadOptions load;
  load.includeDirs = includeDirs;
  ide::LoadStatus status = shell.OpenFile(file, load);
  PrintLoadWarnings(status.warnings, std::cerr);
  if (!status) {
    std::cerr << status.Message() << '\n';
    return kExitUsage;
  }
  outline = ide::Ide::Instance().GetOutline(shell.Application());
  if (outline == nullptr || outline->Count() == 0) {
    std::cerr << file << ": the IDE holds no outline for this file\n";
    return kExitFailure;
  }
  return -1;
}

int OpenInIde(ide::shell::Shell& shell, const char* command, const std::string& file,
              const std::vector<std::string>& includeDirs, const ide::Outline*& outline) {
  outline = nullptr;
  int failed = StartIde(shell, command);
  return failed >= 0 ? failed : OpenProgram(shell, file, includeDirs, outline);
}

int MarkPlaces(ide::shell::Shell& shell, const ide::Outline& outline, const std::vector<ItemPlace>& places,
               std::string& error) {
  std::vector<ide::ItemId> items;
  for (const ItemPlace& place : places) {
    ide::ItemId item = FindItemAt(outline, place);
    if (item == ide::kNoItem) {
      error = PlaceName(outline, place) + ": no outline item starts on this line";
      return kExitUsage;
    }
    items.push_back(item);
  }
  shell.ClearMarks();
  for (ide::ItemId item : items) shell.Mark(ide::ToItemHandle(item));
  return -1;
}

}  // namespace olvcli
