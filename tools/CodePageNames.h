// The encoding names --encoding accepts where the system has no iconv
// (Windows), spelt as iconv spells them, and the Windows code page each one
// names. Only code pages whose bytes convert as iconv converts them are
// listed (tests compare both against the same reference).
#pragma once

#include <string>

namespace olvcli {

constexpr unsigned kCodePageUtf8 = 65001;  // CP_UTF8

struct CodePageName {
  const char* name;
  unsigned codePage;
};

// Every accepted name, the first one of each code page its usual name.
extern const CodePageName kCodePageNames[];
extern const size_t kCodePageNameCount;

// The code page `name` names, ignoring case; 0 for a name not listed.
unsigned CodePageByName(const std::string& name);

}  // namespace olvcli
