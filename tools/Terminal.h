// What the front end does differently on a terminal: --color (hits and
// paths coloured, by default only when standard output is a terminal) and
// the progress line of a long search (only when standard error is one).
#pragma once

#include <CLI/CLI.hpp>

#include <chrono>
#include <string>

namespace olvcli {

bool StdoutIsTerminal();
bool StderrIsTerminal();

// --color auto|always|never.
struct ColorOption {
  std::string when = "auto";
  // Whether the output is coloured (auto: standard output is a terminal).
  bool Enabled() const;
};
void AddColorOption(CLI::App* cmd, ColorOption& option);

// The colours of a hit line, as ripgrep's: the path, the line and column
// numbers, the matched text.
enum class Paint { Path, Number, Match };
// `text` in the colour (or as it is when `on` is false).
std::string Painted(Paint paint, const std::string& text, bool on);

// "searching N/M: FILE" on one line of standard error, rewritten in place;
// shown once a run has taken more than a second, and only on a terminal.
class ProgressLine {
 public:
  ProgressLine();
  ~ProgressLine();
  void Show(size_t done, size_t total, const std::string& file);
  // Clears the line (before anything else is printed to standard error).
  void Clear();

 private:
  std::chrono::steady_clock::time_point m_start;
  bool m_terminal;
  bool m_shown = false;
};

}  // namespace olvcli
