// Reading session scripts and naming keys (see SessionScript.h).
#include "SessionScript.h"

#include <strings.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ide/shell/InputLoop.h"

namespace olvcli {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

struct NamedKey {
  const char* name;
  UINT vk;
};

const NamedKey kNamedKeys[] = {
    {"enter", VK_RETURN},   {"return", VK_RETURN}, {"escape", VK_ESCAPE}, {"esc", VK_ESCAPE},
    {"tab", VK_TAB},        {"space", VK_SPACE},   {"backspace", VK_BACK}, {"delete", VK_DELETE},
    {"insert", VK_INSERT},  {"home", VK_HOME},     {"end", VK_END},       {"left", VK_LEFT},
    {"right", VK_RIGHT},    {"up", VK_UP},         {"down", VK_DOWN},     {"pageup", VK_PRIOR},
    {"pagedown", VK_NEXT},  {"multiply", VK_MULTIPLY}, {"add", VK_ADD},  {"subtract", VK_SUBTRACT},
    {"divide", VK_DIVIDE},
};

const struct {
  const char* name;
  int modifier;
} kModifiers[] = {{"ctrl", ide::shell::kModCtrl}, {"shift", ide::shell::kModShift}, {"alt", ide::shell::kModAlt}};

// One key without modifiers: a name, F1..F12, a letter or a digit.
bool ParseKey(const std::string& name, UINT& vk) {
  for (const NamedKey& key : kNamedKeys)
    if (strcasecmp(name.c_str(), key.name) == 0) {
      vk = key.vk;
      return true;
    }
  if (name.size() == 1) {
    char c = name[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      vk = static_cast<UINT>(c);
      return true;
    }
    return false;
  }
  if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
    int n = 0;
    for (size_t i = 1; i < name.size(); ++i) {
      if (name[i] < '0' || name[i] > '9') return false;
      n = n * 10 + (name[i] - '0');
    }
    if (n >= 1 && n <= 12) {
      vk = static_cast<UINT>(VK_F1 + n - 1);
      return true;
    }
  }
  return false;
}

}  // namespace

bool ScriptReader::ReadLine(std::string& raw) {
  raw.clear();
  std::streambuf* in = in_.rdbuf();
  int ch = in != nullptr ? in->sbumpc() : EOF;
  if (ch == EOF) return false;
  ++number_;
  for (; ch != EOF && ch != '\n'; ch = in->sbumpc()) {
    if (ch == '\0') {
      error_ = "a NUL byte (a script is text)";
      return false;
    }
    if (raw.size() == kMaxScriptLineBytes) {
      error_ = "the line is longer than " + std::to_string(kMaxScriptLineBytes) + " bytes";
      return false;
    }
    raw.push_back(static_cast<char>(ch));
  }
  if (!raw.empty() && raw.back() == '\r') raw.pop_back();
  return true;
}

bool ScriptReader::Next(ScriptLine& line) {
  std::string raw;
  while (error_.empty() && ReadLine(raw)) {
    size_t i = 0;
    while (i < raw.size() && IsBlank(raw[i])) ++i;
    if (i == raw.size() || raw[i] == '#') continue;
    line = ScriptLine();
    line.number = number_;
    size_t end = i;
    while (end < raw.size() && !IsBlank(raw[end])) ++end;
    line.command = raw.substr(i, end - i);
    while (end < raw.size() && IsBlank(raw[end])) ++end;
    line.text = raw.substr(end);
    for (size_t w = end; w < raw.size();) {
      size_t stop = w;
      while (stop < raw.size() && !IsBlank(raw[stop])) ++stop;
      if (raw[w] == '#') break;
      line.words.push_back(raw.substr(w, stop - w));
      while (stop < raw.size() && IsBlank(raw[stop])) ++stop;
      w = stop;
    }
    return true;
  }
  return false;
}

std::vector<ScriptLine> ReadScript(std::istream& in) {
  std::vector<ScriptLine> lines;
  ScriptReader reader(in);
  ScriptLine line;
  while (reader.Next(line)) lines.push_back(line);
  return lines;
}

bool UnquoteText(const std::string& text, std::string& value, std::string& error) {
  value.clear();
  if (text.empty() || text[0] != '"') {
    value = text;
    return true;
  }
  size_t i = 1;
  for (;; ++i) {
    if (i >= text.size()) {
      error = "the quoted text has no closing quote";
      return false;
    }
    if (text[i] == '"') break;
    if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '"' || text[i + 1] == '\\')) ++i;
    value.push_back(text[i]);
  }
  for (++i; i < text.size() && IsBlank(text[i]);) ++i;
  if (i < text.size() && (text[i] != '#' || !IsBlank(text[i - 1]))) {
    error = "text after the closing quote (a quote inside is written \\\")";
    return false;
  }
  return true;
}

std::string TextFromWord(const std::string& text, size_t first) {
  size_t i = 0;
  for (size_t word = 0; word < first; ++word) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
  }
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.substr(i);
}

bool ParseKeyChord(const std::string& name, UINT& virtualKey, int& modifiers) {
  modifiers = 0;
  size_t start = 0;
  for (;;) {
    size_t plus = name.find('+', start);
    // "ctrl++" or a lone "+" name the plus key itself: not on this keyboard's list.
    if (plus == std::string::npos || plus == name.size() - 1) break;
    std::string part = name.substr(start, plus - start);
    bool known = false;
    for (const auto& m : kModifiers)
      if (strcasecmp(part.c_str(), m.name) == 0) {
        modifiers |= m.modifier;
        known = true;
      }
    if (!known) return false;
    start = plus + 1;
  }
  return ParseKey(name.substr(start), virtualKey);
}

bool KeyForCharacter(char ch, UINT& virtualKey, int& modifiers) {
  modifiers = 0;
  if (ch >= 'a' && ch <= 'z') {
    virtualKey = static_cast<UINT>(ch - 'a' + 'A');
    return true;
  }
  if (ch >= 'A' && ch <= 'Z') {
    virtualKey = static_cast<UINT>(ch);
    modifiers = ide::shell::kModShift;
    return true;
  }
  if (ch >= '0' && ch <= '9') {
    virtualKey = static_cast<UINT>(ch);
    return true;
  }
  if (ch == ' ') {
    virtualKey = VK_SPACE;
    return true;
  }
  // The punctuation keys of the US layout: unshifted, then shifted.
  static const struct {
    UINT vk;
    char plain, shifted;
  } kPunctuation[] = {
      {VK_OEM_1, ';', ':'},      {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},
      {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},    {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},
      {VK_OEM_5, '\\', '|'},     {VK_OEM_6, ']', '}'},    {VK_OEM_7, '\'', '"'},
  };
  for (const auto& key : kPunctuation) {
    if (ch == key.plain || ch == key.shifted) {
      virtualKey = key.vk;
      modifiers = ch == key.shifted ? ide::shell::kModShift : 0;
      return true;
    }
  }
  static const char kShiftedDigits[] = ")!@#$%^&*(";
  const char* digit = ch != '\0' ? std::strchr(kShiftedDigits, ch) : nullptr;
  if (digit != nullptr) {
    virtualKey = static_cast<UINT>('0' + (digit - kShiftedDigits));
    modifiers = ide::shell::kModShift;
    return true;
  }
  return false;
}

}  // namespace olvcli
