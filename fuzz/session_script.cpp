// Fuzz target: reading session scripts. The input is a script; it is read
// command by command as `olvaren session` reads it, and every command's
// words go through the key names and the typed characters, and its text
// through the unquoting of TEXT arguments. A script line
// is never longer than the bound nor holds a NUL; words hold no blanks;
// reading stops with an error only at such a line.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>

#include <sstream>
#include <string>

#include "SessionScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::istringstream in(input);
  olvcli::ScriptReader reader(in);
  olvcli::ScriptLine line;
  int last = 0;
  size_t commands = 0;
  while (reader.Next(line)) {
    ++commands;
    if (line.number <= last || line.command.empty() || line.command[0] == '#') abort();
    last = line.number;
    if (line.text.size() > olvcli::kMaxScriptLineBytes) abort();
    for (char c : line.command + line.text)
      if (c == '\0' || c == '\n') abort();
    for (const std::string& word : line.words) {
      if (word.empty() || word.find_first_of(" \t") != std::string::npos) abort();
      UINT vk = 0;
      int modifiers = 0;
      if (olvcli::ParseKeyChord(word, vk, modifiers) && vk == 0) abort();
    }
    // A quoted TEXT comes out shorter than it stands; an unquoted one as it is.
    std::string value, error;
    const bool quoted = !line.text.empty() && line.text[0] == '"';
    if (olvcli::UnquoteText(line.text, value, error)) {
      if (quoted ? value.size() + 2 > line.text.size() : value != line.text) abort();
    } else if (!quoted || error.empty()) {
      abort();
    }
    for (size_t w = 0; w <= line.words.size(); ++w)
      if (olvcli::TextFromWord(line.text, w).size() > line.text.size()) abort();
    for (char c : line.text) {
      UINT vk = 0;
      int modifiers = 0;
      if (olvcli::KeyForCharacter(c, vk, modifiers) && vk == 0) abort();
    }
  }
  // An error names the line it stopped at, and only a NUL or a long line is one.
  if (!reader.Error().empty()) {
    if (reader.Line() <= 0 || reader.Line() < last) abort();
    bool longLine = false;
    size_t start = 0;
    while (start <= input.size()) {
      size_t end = input.find('\n', start);
      if (end == std::string::npos) end = input.size();
      longLine = longLine || end - start > olvcli::kMaxScriptLineBytes;
      start = end + 1;
    }
    if (input.find('\0') == std::string::npos && !longLine) abort();
  }
  // The whole-script reader gives the same commands.
  std::istringstream again(input);
  if (olvcli::ReadScript(again).size() != commands) abort();
  return 0;
}
