// A tool DLL for the shell tests, built as a module like a real add-in: it
// registers a CDK notification sink when it is attached, hands
// SWinDesignHookSet on to the CDK's design hook entry (ordinal 92), answers
// GuptaTool/CenturaTool, and installs a WH_KEYBOARD hook while the IDE task
// is active. Everything it sees goes to a log the tests read through the
// export FakeToolLog; its unloading shows in the debug output.
#include <string>

#include "cdk.h"
#include "standin.h"

namespace {

std::string g_log;
HINSTANCE g_instance = nullptr;
HHOOK g_keyboardHook = nullptr;
CGApplication g_app;

void Log(const std::string& line) {
  g_log += line;
  g_log += '\n';
}

std::string Handles(const CGItem* item) {
  if (item == nullptr) return "null";
  return std::to_string(item->GetOutline()) + "/" + std::to_string(item->GetItem()) +
         (item->IsValid() ? "" : " invalid");
}

// Swallows F2 key-downs (as a tool that handles the key does); logs every key.
LRESULT CALLBACK KeyboardProc(int code, WPARAM vk, LPARAM keyData) {
  if (code == HC_ACTION) {
    bool up = (static_cast<DWORD>(keyData) & 0x80000000u) != 0;
    bool repeat = (static_cast<DWORD>(keyData) & 0x40000000u) != 0;
    bool modifierKey = vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU;
    bool ctrl = !modifierKey && (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    Log("key " + std::to_string(vk) + (up ? " up" : repeat ? " repeat" : " down") + (ctrl ? " ctrl" : ""));
    if (vk == VK_F2 && !up) return 1;
  }
  return CallNextHookEx(g_keyboardHook, code, vk, keyData);
}

void Unhook() {
  if (g_keyboardHook != nullptr && UnhookWindowsHookEx(g_keyboardHook)) g_keyboardHook = nullptr;
}

class FakeSink : public CGNotificationInterface {
public:
  void OnRegistrationHookSet() override {
    Log("OnRegistrationHookSet");
    CDKStartNotifications();
  }
  void OnItemSelected(CObject* subject) override { Log("OnItemSelected " + Handles(static_cast<CGItem*>(subject))); }
  void OnFileRead(CGItem* item) override {
    Log("OnFileRead " + Handles(item));
    if (item != nullptr) g_app.Initialize(item->GetOutline(), item->GetItem());
  }
  void OnFileClose(CObject*) override { Log("OnFileClose"); }
  void OnRunDesign(CObject*) override { Log("OnRunDesign"); }
  void OnRunUser(CObject*) override { Log("OnRunUser"); }
  void OnTaskActivate(CGItem* app) override {
    Log("OnTaskActivate " + Handles(app));
    if (g_keyboardHook == nullptr) g_keyboardHook = SetWindowsHookExA(WH_KEYBOARD, KeyboardProc, g_instance, 0);
  }
  void OnTaskDeactivate(CObject*) override {
    Log("OnTaskDeactivate");
    Unhook();
  }
  void TaskShutdown() override {
    Log("TaskShutdown");
    Unhook();
  }
};

FakeSink g_sink;

}  // namespace

extern "C" {

STANDIN_VISIBLE BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_instance = instance;
    CDKRegisterNotificationInterface(&g_sink);
  } else if (reason == DLL_PROCESS_DETACH) {
    Unhook();
    OutputDebugStringA("[fake tool] detached\n");
  }
  return TRUE;
}

BOOL WINAPI SWinDesignHookSet(HWND mainWindow, DWORD reserved) {
  char cls[64] = "";
  GetClassNameA(mainWindow, cls, sizeof cls);
  Log(std::string("SWinDesignHookSet ") + cls);
  FARPROC entry = GetProcAddress(GetModuleHandleA("cdki42.dll"), MAKEINTRESOURCE(CDK_ORDINAL_DESIGNHOOKSET));
  auto hook = reinterpret_cast<PFN_SWINDESIGNHOOKSET>(reinterpret_cast<void (*)()>(entry));
  return hook != nullptr ? hook(mainWindow, reserved) : FALSE;
}

// "x Report TEXT" writes TEXT to the report window, leading to the
// application item; "x Box TEXT" shows a message box; anything is logged.
void WINAPI GuptaTool(int parameter, const char* arguments) {
  std::string args = arguments ? arguments : "(null)";
  Log("GuptaTool " + std::to_string(parameter) + " " + args);
  if (args.rfind("x Report ", 0) == 0) {
    CGItem root(g_app.GetOutline(), g_app.GetItem());
    g_app.ReportMessage(args.substr(9).c_str(), &root);
  } else if (args.rfind("x Box ", 0) == 0) {
    MessageBoxA(nullptr, args.substr(6).c_str(), "Fake Tool", MB_OK | MB_ICONSTOP);
  }
}

const char* WINAPI FakeToolLog() { return g_log.c_str(); }
void WINAPI FakeToolClearLog() { g_log.clear(); }

}  // extern "C"

STANDIN_EXPORTS(STANDIN_EXPORT(1, SWinDesignHookSet), STANDIN_EXPORT(2, GuptaTool),
                STANDIN_EXPORT_AS(3, "CenturaTool", GuptaTool), STANDIN_EXPORT(4, FakeToolLog),
                STANDIN_EXPORT(5, FakeToolClearLog));
