// Loader benchmark: loading speed (MB/s) and peak memory of the outline
// reader, on the largest real program when it is present and on a generated
// outline of more than 50 MB.
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>

#include "ide/outline/OutlineReader.h"

namespace {

long MaxRssKb() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  return ru.ru_maxrss;
}

long CurrentRssKb() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

long long FileSize(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

// Writes an outline of at least `minBytes` in the .head format: a realistic mix of
// windows, child windows, functions with statements, multi-line texts, comments
// and data blocks.
bool Generate(const std::string& path, long long minBytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::string chunk;
  auto out = [&](const std::string& s) { chunk += s; };
  out(".head 0 +  Application Description: generated\r\n"
      ".head 1 -  Outline Version - 4.0.28\r\n"
      ".head 1 +  Global Declarations\r\n"
      ".head 2 +  Variables\r\n"
      ".head 3 -  Number: nGlobal\r\n"
      ".head 2 +  Internal Functions\r\n");
  long long written = 0;
  for (int n = 0; written < minBytes; ++n) {
    const std::string id = std::to_string(n);
    out(".head 3 +  Function: Fn" + id + "\r\n"
        ".head 4 -  Description: Computes the value number " + id + "\r\n"
        "for the report, second line of the description\r\n"
        ".head 4 +  Parameters\r\n"
        ".head 5 -  Number: nIn" + id + "\r\n"
        ".head 5 -  Receive String: sOut" + id + "\r\n"
        ".head 4 +  Local variables\r\n"
        ".head 5 -  String: sSql\r\n"
        ".head 5 -  : oObj\r\n"
        ".head 6 -  Class: fcHelper\r\n"
        ".head 4 +  Actions\r\n"
        ".head 5 -  ! Read the row " + id + "\r\n"
        ".head 5 -  Set sSql = 'SELECT a, b FROM t WHERE id = :nIn" + id + "' ||\r\n"
        "   ' AND c = 1'\r\n"
        ".head 5 +  If SqlPrepareAndExecute( hSql, sSql )\r\n"
        ".head 6 -  Call SqlFetchNext( hSql, nIn" + id + " )\r\n"
        ".head 6 -  Set sOut" + id + " = 'done'\r\n"
        ".head 5 +  Else\r\n"
        ".head 6 -  Return FALSE\r\n"
        ".head 5 -  Return TRUE\r\n"
        ".head 4 -  Window Location and Size\r\n"
        ".data VIEWINFO\r\n"
        "0000: 6F00000001000000 FFFF01000D004347 5458566965775374 6174650400010000\r\n"
        ".enddata\r\n"
        ".head 5 -  Left: 1.825\"\r\n"
        ".head 5 -  Visible? Yes\r\n");
    if (chunk.size() > (1 << 20)) {
      written += static_cast<long long>(std::fwrite(chunk.data(), 1, chunk.size(), f));
      chunk.clear();
    }
  }
  written += static_cast<long long>(std::fwrite(chunk.data(), 1, chunk.size(), f));
  return std::fclose(f) == 0 && written >= minBytes;
}

void Measure(const char* label, const std::string& path) {
  long long bytes = FileSize(path);
  if (bytes <= 0) {
    std::printf("%s: %s not found, skipped\n", label, path.c_str());
    return;
  }
  double best = 1e30, bestCpu = 1e30;
  size_t items = 0, files = 0;
  long long total = 0;
  const long rssBefore = CurrentRssKb();
  for (int run = 0; run < 3; ++run) {
    ide::Outline outline;
    const double c0 = CpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    ide::LoadStatus status = ide::LoadOutline(path, ide::LoadOptions{}, outline);
    const auto t1 = std::chrono::steady_clock::now();
    bestCpu = std::min(bestCpu, CpuSeconds() - c0);
    if (!status) {
      std::printf("%s: load failed: %s\n", label, status.Message().c_str());
      return;
    }
    best = std::min(best, std::chrono::duration<double>(t1 - t0).count());
    items = outline.Count();
    files = outline.FileCount();
    total = 0;
    for (size_t i = 0; i < outline.FileCount(); ++i) total += FileSize(outline.FileAt(i).path);
  }
  const long peak = MaxRssKb();
  const double mb = static_cast<double>(total) / (1024.0 * 1024.0);
  std::printf("%s: %s\n  %.2f MiB in %zu file(s), %zu items, best of 3: %.1f ms = %.0f MiB/s wall, %.1f ms = %.0f MiB/s CPU\n"
              "  peak RSS %.1f MiB (%.1f MiB before loading): %.2f x the loaded bytes\n",
              label, path.c_str(), mb, files, items, best * 1000.0, mb / best, bestCpu * 1000.0, mb / bestCpu,
              peak / 1024.0, rssBefore / 1024.0, (peak - rssBefore) * 1024.0 / static_cast<double>(total));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string corpus = argc > 1 ? argv[1] : OLVAREN_CORPUS_DIR;
  Measure("largest real program", corpus + "/SGH_Facturacion.app");

  char tmpl[] = "/tmp/olv_bench_XXXXXX";
  const char* dir = mkdtemp(tmpl);
  if (!dir) return 1;
  const std::string generated = std::string(dir) + "/generated.app";
  if (!Generate(generated, 50LL * 1024 * 1024 + 1)) {
    std::printf("could not write %s\n", generated.c_str());
    return 1;
  }
  Measure("generated outline", generated);
  std::remove(generated.c_str());
  rmdir(dir);
  return 0;
}
