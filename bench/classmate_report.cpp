// ClassMate benchmark: wall time and peak memory of whole reports, run
// through the stand-in IDE with the add-in loaded, on generated hierarchies:
// a chain of 5,000 classes (report of its leaf and of its root) and classes
// that name the same base twice, 40 levels deep (the report is capped).
// Each report runs in a child process of its own, so each peak is its own.
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "ide/core/Ide.h"
#include "ide/outline/ItemTypes.h"
#include "ide/shell/Shell.h"

namespace {

// Functional classes c0..c<n-1>; c<k> names c<k-1> `times` times.
std::string Chain(int n, int times) {
  std::string text =
      ".head 0 +  Application Description: bench\n.head 1 -  Outline Version - 4.0.28\n"
      ".head 1 +  Global Declarations\n.head 2 +  Class Definitions\n";
  for (int i = 0; i < n; ++i) {
    text += ".head 3 +  Functional Class: c" + std::to_string(i) + "\n";
    if (i == 0) continue;
    text += ".head 4 +  Derived From\n";
    for (int t = 0; t < times; ++t) text += ".head 5 -  Class: c" + std::to_string(i - 1) + "\n";
  }
  return text;
}

int Report(const std::string& path, const std::string& target) {
  ide::shell::Shell shell;
  if (!shell.Start() || !shell.LoadTool("Olvaren.dll")) return 1;
  if (!shell.OpenFile(path)) return 1;
  const ide::Outline* outline = ide::Ide::Instance().GetOutline(shell.Application());
  ide::ItemId found = ide::kNoItem;
  for (ide::ItemId i = 0; i < outline->Count() && found == ide::kNoItem; ++i)
    if (outline->Name(i) == target && ide::IsClassDefinitionType(outline->Type(i))) found = i;
  if (found == ide::kNoItem || !shell.Mark(ide::ToItemHandle(found))) return 1;
  const auto start = std::chrono::steady_clock::now();
  if (!shell.RunTool(0, "Tools ClassMate")) return 1;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  std::printf("  %-12s %8.3f s  %8zu report lines  peak %6ld MB\n", target.c_str(), seconds,
              shell.ReportLines().size(), ru.ru_maxrss / 1024);
  shell.Exit();
  return 0;
}

}  // namespace

int main() {
  char folder[] = "/tmp/olvaren-bench-XXXXXX";
  if (mkdtemp(folder) == nullptr) return 1;
  setenv("XDG_CONFIG_HOME", folder, 1);
  struct Case {
    const char* what;
    int classes, times;
    std::vector<std::string> targets;
  } cases[] = {
      {"chain of 5,000 classes", 5000, 1, {"c4999", "c0"}},
      {"the same base named twice, 40 levels", 41, 2, {"c40"}},
  };
  int failures = 0;
  for (const Case& c : cases) {
    const std::string path = std::string(folder) + "/bench.app";
    FILE* f = std::fopen(path.c_str(), "wb");
    const std::string text = Chain(c.classes, c.times);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    std::printf("%s\n", c.what);
    for (const std::string& target : c.targets) {
      std::fflush(stdout);
      pid_t pid = fork();
      if (pid == 0) {
        const int code = Report(path, target);
        std::fflush(stdout);
        _exit(code);
      }
      int status = 0;
      waitpid(pid, &status, 0);
      if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("  %-12s failed\n", target.c_str());
        ++failures;
      }
    }
  }
  std::system((std::string("rm -rf ") + folder).c_str());
  return failures == 0 ? 0 : 1;
}
