// The start of a front-end command that runs a tool: the stand-in IDE with
// its windows, the add-in loaded as the IDE loads its tools (before any file
// is opened), then the application file.
#pragma once

#include <string>
#include <vector>

#include "ide/shell/Shell.h"

namespace olvcli {

// Starts `shell`, loads the add-in and opens `file`. Returns kExitOk and the
// IDE's outline in *outline; otherwise prints why to standard error (tagged
// with `command`) and returns the exit code to end with.
int StartIdeWithFile(ide::shell::Shell& shell, const char* command, const std::string& file,
                     const std::vector<std::string>& includeDirs, const ide::Outline** outline);

// The add-in's file name as the IDE's tool list gives it.
extern const char kAddinDll[];

}  // namespace olvcli
