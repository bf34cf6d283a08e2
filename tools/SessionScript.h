// The session language's text: a script read line by line into commands
// with their arguments, and the key names of the stand-in keyboard that the
// `key`, `hold` and `type` commands press.
#pragma once

#include <windows.h>

#include <istream>
#include <string>
#include <vector>

namespace olvcli {

// One command of a script. Blank lines and lines whose first non-blank
// character is '#' hold none.
struct ScriptLine {
  int number = 0;            // 1-based line of the script
  std::string command;       // the first word
  std::string text;          // everything after the first word and the blanks after it
  std::vector<std::string> words;  // `text` split at blanks, up to a word that starts with '#'
};

// The longest script line read (bytes, without its line end).
constexpr size_t kMaxScriptLineBytes = 65536;

// Reads a script one command at a time, so that a script coming through a
// pipe runs while it is written and takes no more memory than its longest
// line (a CR before the line end is dropped). A line holding a NUL byte or
// longer than kMaxScriptLineBytes ends the reading with an error.
class ScriptReader {
 public:
  explicit ScriptReader(std::istream& in) : in_(in) {}
  // The next command; false at the end of the script or at a line that is
  // no script text (Error() then says why, Line() names it).
  bool Next(ScriptLine& line);
  const std::string& Error() const { return error_; }
  int Line() const { return number_; }  // the line read last

 private:
  bool ReadLine(std::string& raw);
  std::istream& in_;
  int number_ = 0;
  std::string error_;
};

// Every command of the script, in order, up to a line ScriptReader refuses.
std::vector<ScriptLine> ReadScript(std::istream& in);

// A TEXT argument as the script gives it. Unquoted, it is the rest of the
// line as it stands. Quoted ("TEXT"), it is what stands between the quotes,
// blanks at either end kept, with \" for a quote and \\ for a backslash;
// after the closing quote only blanks and a comment may follow. False, with
// `error`, for a quote that is not closed or text after it.
bool UnquoteText(const std::string& text, std::string& value, std::string& error);
// `text` from its word `first` on (0: all of it), the blanks before it skipped.
std::string TextFromWord(const std::string& text, size_t first);

// A key or chord as the script names it: "F2", "ctrl+F2", "shift+tab",
// "alt+F4", "enter", "escape", "a", "ctrl+shift+F2" (names ignore case).
// False when the keyboard has no such key or a modifier is unknown.
bool ParseKeyChord(const std::string& name, UINT& virtualKey, int& modifiers);

// The key (and Shift) that types the byte `ch` on the US keyboard; false
// for a character that has no key.
bool KeyForCharacter(char ch, UINT& virtualKey, int& modifiers);

}  // namespace olvcli
