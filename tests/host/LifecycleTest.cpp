// The add-in's life cycle in the IDE beyond what other tests cover: the
// runtime functions it binds, its error box, and an unload while the
// keyboard hook is still installed.
#include <stdio.h>

#include <filesystem>
#include <string>

#include "HostTestSupport.h"
#include "cdk/RuntimeFunctionList.h"
#include "ide/cdk/CdkEvents.h"
#include "ide/shell/ToolHost.h"
#include "standin.h"

namespace {

using LifecycleTest = HostTest;

// What ProbeRuntimeBindings reports: one character per function of the
// list, cdlli42's first.
std::string Bindings(char runtimeMark, char cdkMark) {
  std::string marks;
#define RUNTIME_MARK(ordinal, name, function, type, pointer) marks += runtimeMark;
#define CDK_MARK(ordinal, name, function, type, pointer) marks += cdkMark;
  CDLLI42_FUNCTIONS(RUNTIME_MARK)
  CDKI42_FUNCTIONS(CDK_MARK)
#undef RUNTIME_MARK
#undef CDK_MARK
  return marks;
}

TEST_F(LifecycleTest, BindsEveryRuntimeFunction) {
  StartIde("OlvarenProbe.dll");
  char bindings[32] = "";
  Probe<void (*)(char*, int)>("ProbeRuntimeBindings")(bindings, sizeof(bindings));
  EXPECT_EQ(std::string(bindings), Bindings('1', '1'));
}

// The add-in loaded from a module folder without the runtime library: run in
// a child process from a copy of the module folder that lacks the runtime module.
TEST_F(LifecycleTest, MissingRuntimeLibraryLeavesItsFunctionsUnbound) {
  namespace fs = std::filesystem;
#ifdef _WIN32
  const std::string moduleDir = standin::ModuleFolder(), extension = ".dll", program = "host_runtime_child.exe";
#else
  const std::string moduleDir = OLVAREN_MODULE_DIR, extension = ".so", program = "host_runtime_child";
#endif
  fs::path modules = Folder() + "/modules";
  fs::create_directory(modules);
  for (const fs::directory_entry& entry : fs::directory_iterator(moduleDir)) {
    std::string name = entry.path().filename().string();
    if ((entry.path().extension() == extension && name != "cdlli42" + extension) || name == program)
      fs::copy_file(entry.path(), modules / name);
  }
#ifdef _WIN32
  // Windows also looks for a DLL in the current folder: run the child there.
  const std::string command = "cd /d \"" + fs::path(modules).make_preferred().string() + "\" && " + program;
  FILE* child = _popen(command.c_str(), "r");
#else
  FILE* child = popen((modules / program).c_str(), "r");
#endif
  ASSERT_NE(child, nullptr);
  char line[64] = "";
  ASSERT_NE(fgets(line, sizeof(line), child), nullptr);
#ifdef _WIN32
  _pclose(child);
#else
  pclose(child);
#endif
  EXPECT_EQ(std::string(line), Bindings('0', '1') + "\n");
}

TEST_F(LifecycleTest, ErrorBox) {
  StartIde("OlvarenProbe.dll");
  EXPECT_EQ(Probe<int (*)(const char*)>("ProbeShowErrorBox")("Nothing Selected!"), 0);
  std::vector<standin::MessageBoxRecord> boxes = standin::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].owner, nullptr);
  EXPECT_EQ(boxes[0].text, "Nothing Selected!");
  EXPECT_EQ(boxes[0].caption, "An Error Occured!");
  EXPECT_EQ(boxes[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

TEST_F(LifecycleTest, UnloadWithTheHookInstalledRemovesIt) {
  WriteFile(SettingsFile(),
            "<everything><module_host><property name=\"debug_mode\" value=\"1\"/></module_host></everything>");
  standin::ClearDebugOutput();
  {
    // The tool DLL alone, unloaded without a deactivation or shutdown first.
    ide::shell::ToolHost tools;
    ASSERT_TRUE(tools.Load("Olvaren.dll", nullptr)) << tools.LastError();
    CdkNotifyTask(CDK_TASK_ACTIVATE, 0);
    tools.UnloadAll();
  }
  EXPECT_EQ(GetModuleHandleA("Olvaren.dll"), nullptr);
  std::vector<std::string> lines = TraceLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "[Olvaren] CCodeJumper::StopkeyboardTracking(), Hook Uninstalled");
  // No hook procedure of the unloaded DLL runs any more.
  EXPECT_TRUE(standin::KeyStroke(VK_F2));
}

}  // namespace
