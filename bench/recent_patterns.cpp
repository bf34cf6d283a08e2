// Recent-patterns benchmark: the time MassFinder's dialog takes to open
// when the settings file holds 250,000, 500,000 and 1,000,000 recent
// patterns (the dialog's first activation loads them all). Linear loading
// shows as a time ratio of about 2 per doubling.
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "ide/shell/Shell.h"
#include "resources/resource.h"
#include "standin.h"

namespace {

using Clock = std::chrono::steady_clock;

bool WriteSettings(const std::string& path, int count) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::fputs("<?xml version=\"1.0\"?>\n<everything progID=\"Olvaren\">\n\t<massfinder>\n\t\t<recent_patterns>\n", f);
  for (int i = 1; i <= count; ++i) std::fprintf(f, "\t\t\t<pattern id=\"%d\" value=\"pattern %d\" />\n", i, i);
  std::fputs("\t\t</recent_patterns>\n\t</massfinder>\n</everything>\n", f);
  return std::fclose(f) == 0;
}

// Seconds from the tool call to the open dialog, or a negative value.
double OpenDialog(const std::string& outline) {
  ide::shell::Shell shell;
  if (!shell.Start() || !shell.LoadTool("Olvaren.dll") || !shell.OpenFile(outline)) return -1;
  shell.Activate();
  auto t0 = Clock::now();
  shell.RunTool(0, "Tools MassFinder");
  shell.PumpMessages();
  double seconds = std::chrono::duration<double>(Clock::now() - t0).count();
  SendMessageA(GetDlgItem(FindWindowA(nullptr, "Mass Finder"), IDCANCEL), BM_CLICK, 0, 0);
  shell.Exit();
  ide::Ide::Instance().Reset();
  return seconds;
}

}  // namespace

int main() {
  char tmpl[] = "/tmp/olv_patterns_bench_XXXXXX";
  const char* dir = mkdtemp(tmpl);
  if (!dir) return 1;
  setenv("XDG_CONFIG_HOME", dir, 1);
  const std::string settings = std::string(dir) + "/Olvaren.xml";
  const std::string outline = std::string(OLVAREN_SOURCE_DIR) + "/samples/Olvaren_Sample.app";
  double previous = 0;
  for (int count : {250000, 500000, 1000000}) {
    if (!WriteSettings(settings, count)) return 1;
    double seconds = OpenDialog(outline);
    if (seconds < 0) {
      std::printf("the IDE or the add-in could not be started\n");
      return 1;
    }
    std::printf("%8d patterns: dialog open in %.0f ms", count, seconds * 1000.0);
    if (previous > 0) std::printf(" (x%.2f for twice the patterns)", seconds / previous);
    std::printf("\n");
    previous = seconds;
  }
  std::string cleanup = std::string("rm -rf '") + dir + "'";
  return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
