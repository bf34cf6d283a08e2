// Loading, running and unloading tool DLLs.
#include "ToolHost.h"

#include <strings.h>

#include "cdk.h"
#include "standin.h"

namespace ide::shell {

namespace {
typedef void(WINAPI* PFN_TOOLENTRY)(int parameter, const char* arguments);

// An export as the function type its callers know it by.
template <class F>
F ExportAs(HMODULE module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
}  // namespace

bool ToolHost::Load(const std::string& name, HWND mainWindow) {
  HMODULE module = LoadLibraryA(name.c_str());
  if (module == nullptr) {
    lastError_ = standin::LastModuleError();
    if (lastError_.empty()) lastError_ = name + ": cannot be loaded";
    // Windows' loader says why but not which module: name it.
    else if (lastError_.find(name) == std::string::npos) lastError_ = name + ": " + lastError_;
    return false;
  }
  tools_.push_back(Tool{name, module});
  lastError_.clear();
  auto hookSet = ExportAs<PFN_SWINDESIGNHOOKSET>(module, "SWinDesignHookSet");
  if (hookSet != nullptr) hookSet(mainWindow, 0);
  return true;
}

const ToolHost::Tool* ToolHost::Find(const std::string& name) const {
  if (tools_.empty()) return nullptr;
  if (name.empty()) return &tools_.front();
  for (const Tool& tool : tools_)
    if (strcasecmp(tool.name.c_str(), name.c_str()) == 0) return &tool;
  return nullptr;
}

bool ToolHost::Run(int parameter, const std::string& arguments, const std::string& name) {
  const Tool* tool = Find(name);
  if (tool == nullptr) {
    lastError_ = name.empty() ? "no tool DLL loaded" : name + ": not loaded";
    return false;
  }
  auto entry = ExportAs<PFN_TOOLENTRY>(tool->module, "GuptaTool");
  if (entry == nullptr) entry = ExportAs<PFN_TOOLENTRY>(tool->module, "CenturaTool");
  if (entry == nullptr) {
    lastError_ = tool->name + ": no tool entry (GuptaTool/CenturaTool)";
    return false;
  }
  entry(parameter, arguments.c_str());
  return true;
}

void ToolHost::UnloadAll() {
  while (!tools_.empty()) {
    HMODULE module = tools_.back().module;
    tools_.pop_back();
    FreeLibrary(module);
  }
}

std::vector<std::string> ToolHost::Loaded() const {
  std::vector<std::string> names;
  for (const Tool& tool : tools_) names.push_back(tool.name);
  return names;
}

HMODULE ToolHost::Module(const std::string& name) const {
  const Tool* tool = Find(name);
  return tool && !name.empty() ? tool->module : nullptr;
}

}  // namespace ide::shell
