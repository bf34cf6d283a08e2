// The IDE's tool DLLs: loaded with LoadLibraryA, given the main window
// through their SWinDesignHookSet export, run through GuptaTool (or, when a
// DLL has no such export, CenturaTool) and unloaded with FreeLibrary.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ide::shell {

class ToolHost {
public:
  ~ToolHost() { UnloadAll(); }

  // Loads a tool DLL by the name the IDE's tool list gives (e.g. "Olvaren.dll")
  // and calls its SWinDesignHookSet(mainWindow, 0). False when the DLL cannot
  // be loaded (LastError() says why); a DLL without the hook export is kept
  // loaded, as the IDE keeps it for its tool entry.
  bool Load(const std::string& name, HWND mainWindow);
  // Runs a tool: calls the tool entry of the DLL loaded under `name` (the
  // first loaded DLL when empty) with the integer and the argument string,
  // e.g. "Tools ClassMate". False when no such DLL or no tool entry.
  bool Run(int parameter, const std::string& arguments, const std::string& name = "");
  // FreeLibrary for every loaded DLL, the last loaded first.
  void UnloadAll();

  std::vector<std::string> Loaded() const;
  HMODULE Module(const std::string& name) const;  // nullptr when not loaded
  const std::string& LastError() const { return lastError_; }

private:
  struct Tool {
    std::string name;
    HMODULE module;
  };
  const Tool* Find(const std::string& name) const;
  std::vector<Tool> tools_;
  std::string lastError_;
};

}  // namespace ide::shell
