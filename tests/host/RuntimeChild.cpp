// A helper program for LifecycleTest: loads the probe build of the add-in
// from its own folder and prints which runtime functions the add-in bound
// (one '1' or '0' per function in binding order), or "load failed".
#include <windows.h>

#include <stdio.h>

int main() {
  HMODULE module = LoadLibraryA("OlvarenProbe.dll");
  if (module == nullptr) {
    printf("load failed\n");
    return 1;
  }
  auto bindings = reinterpret_cast<void (*)(char*, int)>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, "ProbeRuntimeBindings")));
  char text[32] = "";
  if (bindings != nullptr) bindings(text, sizeof(text));
  printf("%s\n", text);
  FreeLibrary(module);
  return 0;
}
