// Jump benchmark: the time of one F2 in the stand-in IDE with the add-in
// loaded, from the key press to the item the IDE shows, over many
// identifiers of a generated outline (deep scopes, long chains of base
// classes, large global sections). Prints the median and the 99th percentile
// per kind of identifier and over all of them, in wall time and in this
// thread's CPU time (steadier on a shared machine; the target is a p99 of at
// most 2 ms CPU), and what one declaration of the global sections costs a
// search for a name found only there.
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "ide/shell/Shell.h"

namespace {

constexpr int kGlobals = 40000;        // global variables
constexpr int kConstants = 20000;      // user constants
constexpr int kFunctions = 1000;       // internal functions
constexpr int kChains = 40;            // chains of classes ...
constexpr int kChainLength = 50;       // ... each class derived from the one before
constexpr int kForms = 100;            // form windows, each of the last class of a chain
constexpr int kFieldsPerForm = 30;
constexpr int kNesting = 12;           // nested statements in each window function

// A probe line: the statement to edit, the caret in it, and its kind.
struct Probe {
  std::string kind;
  std::string head;  // the statement's text, unique in the outline
  int caret;
};

std::string Head(int level, const std::string& text) {
  return ".head " + std::to_string(level) + " " + "-  " + text + "\r\n";
}

void Generate(const std::string& path, std::vector<Probe>& probes) {
  std::string s;
  s += ".head 0 +  Application Description: jump benchmark\r\n";
  s += Head(1, "Outline Version - 4.0.28");
  s += Head(1, "Global Declarations");
  s += Head(2, "Constants");
  s += Head(3, "System");
  s += Head(3, "User");
  for (int i = 0; i < kConstants; ++i) s += Head(4, "Number: CONST_" + std::to_string(i) + " = " + std::to_string(i));
  s += Head(2, "Variables");
  for (int i = 0; i < kGlobals; ++i) s += Head(3, "Number: nGlobal" + std::to_string(i));
  s += Head(2, "Internal Functions");
  for (int i = 0; i < kFunctions; ++i) {
    std::string f = std::to_string(i);
    s += Head(3, "Function: GlobalFn" + f);
    s += Head(4, "Parameters");
    s += Head(5, "Number: pnArg" + f);
    s += Head(4, "Local variables");
    s += Head(5, "Number: nLocal" + f);
    s += Head(4, "Actions");
    s += Head(5, "Set nLocal" + f + " = pnArg" + f + " + nGlobal" + std::to_string(kGlobals - 1 - i % 100));
  }
  s += Head(2, "Class Definitions");
  for (int c = 0; c < kChains; ++c) {
    for (int d = 0; d < kChainLength; ++d) {
      std::string name = "fc" + std::to_string(c) + "_" + std::to_string(d);
      s += Head(3, (d == kChainLength - 1 ? "Form Window Class: " : "Functional Class: ") + name);
      s += Head(4, "Property Template:");
      s += Head(4, "Derived From");
      if (d > 0) s += Head(5, "Class: fc" + std::to_string(c) + "_" + std::to_string(d - 1));
      s += Head(4, "Instance Variables");
      for (int v = 0; v < 5; ++v) s += Head(5, "Number: n" + name + "_" + std::to_string(v));
      s += Head(4, "Functions");
      s += Head(5, "Function: Do" + name);
      s += Head(6, "Actions");
      s += Head(7, "Set n" + name + "_0 = n" + name + "_1");
    }
  }
  for (int w = 0; w < kForms; ++w) {
    std::string form = "frm" + std::to_string(w);
    std::string cls = "fc" + std::to_string(w % kChains) + "_" + std::to_string(kChainLength - 1);
    std::string root = "fc" + std::to_string(w % kChains) + "_0";
    s += Head(1, "Form Window: " + form);
    s += Head(2, "Class: " + cls);
    s += Head(2, "Property Template:");
    s += Head(2, "Contents");
    for (int f = 0; f < kFieldsPerForm; ++f) s += Head(3, "Data Field: df" + form + "_" + std::to_string(f));
    s += Head(2, "Functions");
    s += Head(3, "Function: Work" + form);
    s += Head(4, "Local variables");
    s += Head(5, "Number: nWork" + form);
    s += Head(4, "Actions");
    int level = 5;
    for (int n = 0; n < kNesting; ++n) s += Head(level++, "If nWork" + form + " > " + std::to_string(n));
    auto statement = [&](const std::string& kind, const std::string& text, const std::string& name) {
      s += Head(level, text);
      probes.push_back({kind, text, static_cast<int>(text.find(name)) + 1});
    };
    statement("local", "Set nWork" + form + " = 1", "nWork");
    statement("window child", "Set df" + form + "_" + std::to_string(kFieldsPerForm - 1) + " = 2", "df");
    statement("class member", "Set n" + cls + "_4 = nWork" + form, "n" + cls);
    statement("deepest base member", "Set n" + root + "_4 = nWork" + form, "n" + root);
    statement("global (last)", "Set nGlobal" + std::to_string(kGlobals - 1 - w) + " = 5", "nGlobal");
    statement("constant", "Set nWork" + form + " = CONST_" + std::to_string(kConstants - 1 - w), "CONST_");
    statement("application lookup", "Call SalShowWindow( frm" + std::to_string(kForms - 1 - w) + " )", "frm");
    statement("dotted through object class", "Set " + form + ".n" + root + "_3 = 6", "n" + root);
    statement("not declared", "Set nUnknown" + form + " = 7", "nUnknown");
    s += Head(2, "Window Variables");
    s += Head(3, "Number: nForm" + form);
  }
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return;
  std::fwrite(s.data(), 1, s.size(), out);
  std::fclose(out);
}

double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  size_t i = static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
  char folder[] = "/tmp/olvaren-bench-jump-XXXXXX";
  if (mkdtemp(folder) == nullptr) return 1;
  setenv("XDG_CONFIG_HOME", folder, 1);
  std::string path = std::string(folder) + "/generated.app";
  std::vector<Probe> probes;
  Generate(path, probes);

  ide::shell::Shell shell;
  if (!shell.Start() || !shell.LoadTool("Olvaren.dll")) {
    std::fprintf(stderr, "jump bench: the IDE or the add-in did not start: %s\n", shell.ToolError().c_str());
    return 1;
  }
  ide::LoadStatus status = shell.OpenFile(path);
  if (!status) {
    std::fprintf(stderr, "%s\n", status.Message().c_str());
    return 1;
  }
  shell.Activate();
  const ide::Outline& outline = *ide::Ide::Instance().GetOutline(shell.Application());
  std::printf("outline: %zu items, %zu probe lines, %d rounds\n", outline.Count(), probes.size(), rounds);

  // The item of every probe line.
  std::vector<ide::ItemHandle> items(probes.size(), 0);
  {
    std::vector<std::pair<std::string, size_t>> byText;
    for (size_t p = 0; p < probes.size(); ++p) byText.emplace_back(probes[p].head, p);
    std::sort(byText.begin(), byText.end());
    for (ide::ItemId i = 0; i < outline.Count(); ++i) {
      auto it = std::lower_bound(byText.begin(), byText.end(), std::make_pair(outline.OutlineLine(i), size_t(0)));
      if (it != byText.end() && it->first == outline.OutlineLine(i)) items[it->second] = ide::ToItemHandle(i);
    }
  }

  std::vector<std::string> kinds;
  std::vector<std::vector<double>> times, cpuTimes;
  std::vector<int> jumped;
  std::vector<double> all, allCpu;
  for (int round = 0; round < rounds; ++round) {
    for (size_t p = 0; p < probes.size(); ++p) {
      if (items[p] == 0) continue;
      size_t k = std::find(kinds.begin(), kinds.end(), probes[p].kind) - kinds.begin();
      if (k == kinds.size()) {
        kinds.push_back(probes[p].kind);
        times.emplace_back();
        cpuTimes.emplace_back();
        jumped.push_back(0);
      }
      shell.BeginEdit(items[p], probes[p].caret);
      ide::ItemHandle before = shell.CurrentItem();
      const double cpu0 = ThreadCpuMs();
      auto start = std::chrono::steady_clock::now();
      shell.PressKey(VK_F2);
      auto end = std::chrono::steady_clock::now();
      const double cpu = ThreadCpuMs() - cpu0;
      double ms = std::chrono::duration<double, std::milli>(end - start).count();
      times[k].push_back(ms);
      all.push_back(ms);
      cpuTimes[k].push_back(cpu);
      allCpu.push_back(cpu);
      if (shell.CurrentItem() != before) {
        if (round == 0) ++jumped[k];
        shell.PressKey(VK_F2, ide::shell::kModCtrl);  // back, so the history stays short
      }
    }
  }
  std::printf("%-30s %8s %8s %10s %10s %10s %10s\n", "identifier", "jumps", "runs", "median ms", "p99 ms",
              "CPU med", "CPU p99");
  for (size_t k = 0; k < kinds.size(); ++k)
    std::printf("%-30s %8d %8zu %10.3f %10.3f %10.3f %10.3f\n", kinds[k].c_str(), jumped[k], times[k].size(),
                Percentile(times[k], 0.5), Percentile(times[k], 0.99), Percentile(cpuTimes[k], 0.5),
                Percentile(cpuTimes[k], 0.99));
  std::printf("%-30s %8s %8zu %10.3f %10.3f %10.3f %10.3f\n", "all", "", all.size(), Percentile(all, 0.5),
              Percentile(all, 0.99), Percentile(allCpu, 0.5), Percentile(allCpu, 0.99));
  const double p99 = Percentile(allCpu, 0.99);
  std::printf("CPU p99 over all jumps: %.3f ms (target <= 2 ms: %s)\n", p99, p99 <= 2.0 ? "met" : "NOT met");
  // A name found only in the globals is compared with every declaration of
  // the global sections on the way.
  const size_t globalKind = std::find(kinds.begin(), kinds.end(), "global (last)") - kinds.begin();
  if (globalKind < kinds.size())
    std::printf("global search: %.1f ns CPU per declaration of the global sections (%d declarations)\n",
                Percentile(cpuTimes[globalKind], 0.5) * 1e6 / (kGlobals + kConstants), kGlobals + kConstants);
  shell.Exit();
  unlink(path.c_str());
  std::string settings = std::string(folder) + "/Olvaren.xml";
  unlink(settings.c_str());
  rmdir(folder);
  return 0;
}
