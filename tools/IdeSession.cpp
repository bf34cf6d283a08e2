// Starting the stand-in IDE for a tool command (see IdeSession.h).
#include "IdeSession.h"

#include <iostream>

#include "Commands.h"

namespace olvcli {

const char kAddinDll[] = "Olvaren.dll";

int StartIdeWithFile(ide::shell::Shell& shell, const char* command, const std::string& file,
                     const std::vector<std::string>& includeDirs, const ide::Outline** outline) {
  *outline = nullptr;
  if (!shell.Start()) {
    std::cerr << command << ": the IDE's windows could not be created\n";
    return kExitFailure;
  }
  if (!shell.LoadTool(kAddinDll)) {
    std::cerr << command << ": " << kAddinDll << ": " << shell.ToolError() << '\n';
    return kExitFailure;
  }

  ide::LoadOptions load;
  load.includeDirs = includeDirs;
  ide::LoadStatus status = shell.OpenFile(file, load);
  for (const std::string& warning : status.warnings) std::cerr << "warning: " << warning << '\n';
  if (!status) {
    std::cerr << status.Message() << '\n';
    return kExitUsage;
  }
  *outline = ide::Ide::Instance().GetOutline(shell.Application());
  if (*outline == nullptr || (*outline)->Count() == 0) {
    std::cerr << file << ": the IDE holds no outline for this file\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace olvcli
