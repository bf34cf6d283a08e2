// Language-server benchmark: `olvaren lsp` started as an editor starts it,
// a program of the corpus opened, then one textDocument/definition per Call
// and Set statement (the caret on the statement's first name), each timed
// from the request written to the answer read. Prints the count answered
// with a declaration, the median and the 95th percentile per program; then
// the time from an edit to the next definition answered from the outline
// read again: the changed range sent, as the editors do, and (the last
// column) the whole text, as a client without incremental sync does.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "LspClient.h"

namespace {

using lsptest::Json;

// The largest programs of the corpus. They are served as Latin-1 (every
// byte a character), which keeps their bytes whatever their code page.
const char* const kPrograms[] = {"RequestPic.apt", "mtbl.app", "SGH_Facturacion.app"};

constexpr size_t kMaxProbes = 2000;
constexpr int kReloads = 13;   // edits, each answered from the outline read again ...
constexpr int kFullTexts = 3;  // ... the last ones sent as the whole text

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())))];
}

}  // namespace

int main() {
  const std::string corpus = OLVAREN_CORPUS_DIR;
  char home[] = "/tmp/olvaren-bench-XXXXXX";
  if (mkdtemp(home) == nullptr) return 1;
  std::printf("%-22s %8s %8s %10s %10s %12s %12s %12s\n", "program", "probes", "found", "p50 (ms)", "p95 (ms)",
              "edit p50", "edit max", "full text");
  for (const char* file : kPrograms) {
    const std::string path = corpus + "/" + file;
    const std::string bytes = ReadFile(path);
    if (bytes.empty()) {
      std::printf("%-22s (not in the corpus at %s)\n", file, corpus.c_str());
      continue;
    }
    // The probes: the first name after "Call " or "Set " of a statement line.
    std::vector<std::pair<int, int>> probes;
    int line = 0;
    for (size_t start = 0; start < bytes.size() && probes.size() < kMaxProbes; ++line) {
      size_t end = bytes.find('\n', start);
      if (end == std::string::npos) end = bytes.size();
      const std::string text = bytes.substr(start, end - start);
      for (const char* keyword : {"-  Call ", "-  Set "}) {
        const size_t at = text.find(keyword);
        if (text.compare(0, 6, ".head ") == 0 && at != std::string::npos && at < 12) {
          const size_t name = at + std::char_traits<char>::length(keyword);
          probes.emplace_back(line, static_cast<int>(name) + 1);
        }
      }
      start = end + 1;
    }
    lsptest::LspClient client(home);
    client.Request("initialize", {{"processId", nullptr},
                                  {"rootUri", "file://" + corpus},
                                  {"capabilities", Json::object()},
                                  {"initializationOptions", {{"encoding", "latin1"}}}});
    client.Notify("initialized", Json::object());
    client.Notify("textDocument/didOpen", {{"textDocument", {{"uri", "file://" + path}, {"languageId", "gupta"},
                                                             {"version", 1}, {"text", lsptest::Latin1ToUtf8(bytes)}}}});
    client.Request("textDocument/documentSymbol", {{"textDocument", {{"uri", "file://" + path}}}});  // loaded
    std::vector<double> times;
    int found = 0;
    for (const auto& probe : probes) {
      const auto t0 = std::chrono::steady_clock::now();
      Json reply = client.Request("textDocument/definition",
                                  {{"textDocument", {{"uri", "file://" + path}}},
                                   {"position", {{"line", probe.first}, {"character", probe.second}}}});
      const auto t1 = std::chrono::steady_clock::now();
      times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
      if (reply["result"].is_object()) ++found;
    }
    // Edits: each changes the first letter of the first probe's name and
    // puts it back the next time, so the outline stays the same size. The
    // editors send the changed range (incremental sync); a full sync sends
    // the whole text.
    std::vector<double> edits, fullTexts;
    if (!probes.empty()) {
      std::string edited = bytes;
      size_t at = 0;
      for (int l = 0; l < probes.front().first; ++l) at = edited.find('\n', at) + 1;
      at += static_cast<size_t>(probes.front().second) - 1;
      const Json range = {{"start", {{"line", probes.front().first}, {"character", probes.front().second - 1}}},
                          {"end", {{"line", probes.front().first}, {"character", probes.front().second}}}};
      for (int version = 2; version < 2 + kReloads; ++version) {
        edited[at] = edited[at] == 'Z' ? 'Q' : 'Z';
        const bool full = version >= 2 + kReloads - kFullTexts;
        Json change = {{"text", lsptest::Latin1ToUtf8(full ? edited : edited.substr(at, 1))}};
        if (!full) change["range"] = range;
        const auto t0 = std::chrono::steady_clock::now();
        client.Notify("textDocument/didChange", {{"textDocument", {{"uri", "file://" + path}, {"version", version}}},
                                                 {"contentChanges", Json::array({change})}});
        client.Request("textDocument/definition",
                       {{"textDocument", {{"uri", "file://" + path}}},
                        {"position", {{"line", probes.back().first}, {"character", probes.back().second}}}});
        const auto t1 = std::chrono::steady_clock::now();
        (full ? fullTexts : edits).push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
      }
    }
    client.Request("shutdown", nullptr);
    client.Notify("exit", nullptr);
    client.Wait();
    std::printf("%-22s %8zu %8d %10.3f %10.3f %12.1f %12.1f %12.1f\n", file, probes.size(), found,
                Percentile(times, 0.5), Percentile(times, 0.95), Percentile(edits, 0.5),
                edits.empty() ? 0.0 : *std::max_element(edits.begin(), edits.end()), Percentile(fullTexts, 0.5));
  }
  std::string cleanup = std::string("rm -rf ") + home;
  return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
