// Test module "olvtest_a.so" (olvtest_a.dll to its callers): an entry point
// that reports to the debug output, an export table with a named, a
// decorated and an ordinal-only entry, and a resource table.
#include <standin.h>

namespace {
HINSTANCE g_instance = nullptr;
}  // namespace

// C functions of the module's own (hidden in the stand-in world, where the
// table below exports them; named by the .def file on Windows).
extern "C" int Add(int a, int b) { return a + b; }
extern "C" int Mul(int a, int b) { return a * b; }
extern "C" int Hidden() { return 42; }
extern "C" HINSTANCE Instance() { return g_instance; }

namespace {

const unsigned char kDialog101[] = {1, 2, 3, 4, 5, 6, 7};
const char kSettings[] = "settings-data";
}  // namespace

// Visible, so that a module linked against this one can see it; not listed
// in the export table.
extern "C" STANDIN_VISIBLE int olvtest_a_visible() { return 7; }

extern "C" STANDIN_VISIBLE BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_instance = instance;
    OutputDebugStringA("olvtest_a: attach");
  } else if (reason == DLL_PROCESS_DETACH) {
    OutputDebugStringA("olvtest_a: detach");
  }
  return TRUE;
}

STANDIN_EXPORTS(STANDIN_EXPORT(1, Add), STANDIN_EXPORT_AS(2, "_Mul@8", Mul), STANDIN_EXPORT_NONAME(3, Hidden),
                STANDIN_EXPORT_AS(4, "Instance", Instance));

STANDIN_RESOURCES(STANDIN_RESOURCE(RT_DIALOG, MAKEINTRESOURCE(101), kDialog101),
                  STANDIN_RESOURCE(RT_RCDATA, "Settings", kSettings));
