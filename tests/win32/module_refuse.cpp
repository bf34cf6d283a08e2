// Test module "olvtest_refuse.so": its entry point refuses to load.
#include <standin.h>

extern "C" STANDIN_VISIBLE BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    OutputDebugStringA("olvtest_refuse: attach");
    return FALSE;
  }
  if (reason == DLL_PROCESS_DETACH) OutputDebugStringA("olvtest_refuse: detach");
  return TRUE;
}
