// The child of the process tests on Windows: prints back what it was given.
//   ARGS...        each argument followed by a NUL byte on standard output,
//                  "N arguments" on standard error
//   --exit N       exits with N
//   --sleep        sleeps for a minute (the time-limit case)
//   --cwd          prints its working folder
//   --env NAME     prints the variable NAME ("(unset)" when it is not set)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "BinaryStdio.h"

int main(int argc, char** argv) {
  olvcli::UseBinaryStdio();
  const std::string first = argc > 1 ? argv[1] : "";
  if (first == "--exit" && argc > 2) return std::atoi(argv[2]);
  if (first == "--sleep") {
    Sleep(60 * 1000);
    return 0;
  }
  if (first == "--cwd") {
    char folder[MAX_PATH];
    const DWORD n = GetCurrentDirectoryA(MAX_PATH, folder);
    std::fwrite(folder, 1, n, stdout);
    return 0;
  }
  if (first == "--env" && argc > 2) {
    const char* value = std::getenv(argv[2]);
    std::fputs(value ? value : "(unset)", stdout);
    return 0;
  }
  for (int i = 1; i < argc; ++i) std::fwrite(argv[i], 1, std::strlen(argv[i]) + 1, stdout);
  std::fprintf(stderr, "%d arguments\n", argc - 1);
  return 0;
}
