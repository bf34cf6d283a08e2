// Terminal detection, colours and the progress line (see Terminal.h).
#include "Terminal.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#define OLV_ISATTY(fd) (_isatty(fd) != 0)
#else
#include <unistd.h>
#define OLV_ISATTY(fd) (isatty(fd) != 0)
#endif

namespace olvcli {

bool StdoutIsTerminal() { return OLV_ISATTY(1); }
bool StderrIsTerminal() { return OLV_ISATTY(2); }

bool ColorOption::Enabled() const {
  if (when == "always") return true;
  if (when == "never") return false;
  return StdoutIsTerminal();
}

void AddColorOption(CLI::App* cmd, ColorOption& option) {
  cmd->add_option("--color", option.when,
                  "When to colour paths, line numbers and matches: auto (when standard output is a terminal, "
                  "the default), always or never")
      ->check(CLI::IsMember({"auto", "always", "never"}));
}

std::string Painted(Paint paint, const std::string& text, bool on) {
  if (!on || text.empty()) return text;
  static const char* const kStart[] = {"\x1b[35m", "\x1b[32m", "\x1b[1;31m"};
  return kStart[static_cast<int>(paint)] + text + "\x1b[0m";
}

ProgressLine::ProgressLine() : m_start(std::chrono::steady_clock::now()), m_terminal(StderrIsTerminal()) {}

ProgressLine::~ProgressLine() { Clear(); }

void ProgressLine::Show(size_t done, size_t total, const std::string& file) {
  if (!m_terminal) return;
  if (!m_shown && std::chrono::steady_clock::now() - m_start < std::chrono::seconds(1)) return;
  m_shown = true;
  std::cerr << "\r\x1b[Ksearching " << done << '/' << total << ": " << file << std::flush;
}

void ProgressLine::Clear() {
  if (!m_shown) return;
  m_shown = false;
  std::cerr << "\r\x1b[K" << std::flush;
}

}  // namespace olvcli
