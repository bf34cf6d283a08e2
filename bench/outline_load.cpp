// Loader benchmark: loading speed (MB/s) and peak memory of the outline
// reader, on the largest real program when it is present, on a generated
// outline of more than 50 MB, and a table of generated outlines of 1x, 2x, 4x
// and 8x 12.5 MiB. Each file is loaded in a fresh process of its own, so
// that each peak is that load's.
#include <malloc.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>

#include "ide/outline/OutlineIndex.h"
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

struct Result {
  bool ok = false;
  char error[512] = {};
  size_t items = 0, files = 0;
  long long total = 0;       // bytes of every file loaded
  double bestWall = 0, bestCpu = 0;  // seconds, best of the runs
  long rssBefore = 0, peak = 0;      // KiB, of the loads
  double indexMs = 0;                // building the lookup index after the last load
  long long indexBytes = 0;
};

// A small outline each measuring process loads first, so that the loader's code
// and tables are resident before the resident size is taken as the base.
std::string g_warmUp;

// The measuring process: loads `path` `runs` times and prints its figures as
// one line on standard output.
int MeasureHere(const std::string& path, int runs, const std::string& warmUp) {
  Result c;
  c.bestWall = c.bestCpu = 1e30;
  if (!warmUp.empty()) {
    ide::Outline warm;
    ide::LoadOutline(warmUp, ide::LoadOptions{}, warm);
  }
  malloc_trim(0);  // what the warm-up freed does not count as room for the loads
  c.rssBefore = CurrentRssKb();
  ide::Outline last;  // the last run's outline, for the index
  for (int run = 0; run < runs; ++run) {
    ide::Outline outline;
    const double c0 = CpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    ide::LoadStatus status = ide::LoadOutline(path, ide::LoadOptions{}, outline);
    const auto t1 = std::chrono::steady_clock::now();
    if (!status) {
      std::printf("error %s\n", status.Message().c_str());
      return 1;
    }
    c.bestCpu = std::min(c.bestCpu, CpuSeconds() - c0);
    c.bestWall = std::min(c.bestWall, std::chrono::duration<double>(t1 - t0).count());
    c.items = outline.Count();
    c.files = outline.FileCount();
    c.total = 0;
    for (size_t i = 0; i < outline.FileCount(); ++i) c.total += FileSize(outline.FileAt(i).path);
    if (run + 1 == runs) last = std::move(outline);
  }
  c.peak = MaxRssKb();
  const auto i0 = std::chrono::steady_clock::now();
  c.indexBytes = static_cast<long long>(last.Index().Bytes());
  c.indexMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - i0).count();
  std::printf("ok %zu %zu %lld %.9f %.9f %ld %ld %.6f %lld\n", c.items, c.files, c.total, c.bestWall, c.bestCpu,
              c.rssBefore, c.peak, c.indexMs, c.indexBytes);
  return 0;
}

// Loads `path` `runs` times in a fresh process of its own (this program run
// again), so that the peak resident size is this load's alone.
Result MeasureInChild(const std::string& path, int runs) {
  Result r;
  const std::string command = "'/proc/" + std::to_string(getpid()) + "/exe' --measure '" + path + "' " +
                              std::to_string(runs) + " '" + g_warmUp + "'";
  FILE* p = popen(command.c_str(), "r");
  if (!p) return r;
  char line[sizeof r.error] = {};
  if (std::fgets(line, sizeof line, p)) {
    if (std::sscanf(line, "ok %zu %zu %lld %lf %lf %ld %ld %lf %lld", &r.items, &r.files, &r.total, &r.bestWall,
                    &r.bestCpu, &r.rssBefore, &r.peak, &r.indexMs, &r.indexBytes) == 9)
      r.ok = true;
    else
      std::snprintf(r.error, sizeof r.error, "%s", line);
  }
  pclose(p);
  return r;
}

double MiB(long long bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }
double PeakRatio(const Result& r) { return (r.peak - r.rssBefore) * 1024.0 / static_cast<double>(r.total); }

void Measure(const char* label, const std::string& path) {
  if (FileSize(path) <= 0) {
    std::printf("%s: %s not found, skipped\n", label, path.c_str());
    return;
  }
  const Result r = MeasureInChild(path, 3);
  if (!r.ok) {
    std::printf("%s: load failed: %s\n", label, r.error);
    return;
  }
  const double mb = MiB(r.total);
  std::printf("%s: %s\n  %.2f MiB in %zu file(s), %zu items, best of 3: %.1f ms = %.0f MiB/s wall, %.1f ms = %.0f MiB/s CPU\n"
              "  peak RSS %.1f MiB (%.1f MiB before loading): %.2f x the loaded bytes\n"
              "  lookup index, built after loading: %.1f ms, %.2f MiB (%.2f x the loaded bytes)\n",
              label, path.c_str(), mb, r.files, r.items, r.bestWall * 1000.0, mb / r.bestWall, r.bestCpu * 1000.0,
              mb / r.bestCpu, r.peak / 1024.0, r.rssBefore / 1024.0, PeakRatio(r), r.indexMs, MiB(r.indexBytes),
              static_cast<double>(r.indexBytes) / static_cast<double>(r.total));
}

// The generated outline at 1x, 2x, 4x and 8x of `unit` bytes: size against load
// time, speed and peak memory.
bool SizeTable(const std::string& dir, long long unit) {
  std::printf("\ngenerated outlines, size against time (best of 3 loads each, in a process of its own)\n");
  std::printf("%5s %10s %10s %10s %10s %10s %10s %9s\n", "size", "MiB", "items", "wall ms", "MiB/s", "CPU ms",
              "MiB/s CPU", "peak x");
  for (int factor : {1, 2, 4, 8}) {
    const std::string path = dir + "/generated_" + std::to_string(factor) + "x.app";
    if (!Generate(path, unit * factor)) {
      std::printf("could not write %s\n", path.c_str());
      return false;
    }
    const Result r = MeasureInChild(path, 3);
    std::remove(path.c_str());
    if (!r.ok) {
      std::printf("%dx: load failed: %s\n", factor, r.error);
      return false;
    }
    const double mb = MiB(r.total);
    std::printf("%4dx %10.2f %10zu %10.1f %10.0f %10.1f %10.0f %9.2f\n", factor, mb, r.items, r.bestWall * 1000.0,
                mb / r.bestWall, r.bestCpu * 1000.0, mb / r.bestCpu, PeakRatio(r));
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--measure") return MeasureHere(argv[2], std::atoi(argv[3]), argv[4]);
  const std::string corpus = argc > 1 ? argv[1] : OLVAREN_CORPUS_DIR;
  std::printf("(wall times on a machine that may be shared with other jobs; the CPU column is this process's own time;\n"
              " peaks are taken above the resident size after loading a small outline once)\n");
  char tmpl[] = "/tmp/olv_bench_XXXXXX";
  const char* dir = mkdtemp(tmpl);
  if (!dir) return 1;
  g_warmUp = std::string(dir) + "/warm.app";
  if (!Generate(g_warmUp, 1)) g_warmUp.clear();
  Measure("largest real program", corpus + "/SGH_Facturacion.app");

  const std::string generated = std::string(dir) + "/generated.app";
  if (!Generate(generated, 50LL * 1024 * 1024 + 1)) {
    std::printf("could not write %s\n", generated.c_str());
    return 1;
  }
  Measure("generated outline", generated);
  std::remove(generated.c_str());
  const bool ok = SizeTable(dir, 25LL * 1024 * 1024 / 2);
  if (!g_warmUp.empty()) std::remove(g_warmUp.c_str());
  rmdir(dir);
  return ok ? 0 : 1;
}
