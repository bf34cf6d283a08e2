// The table of encoding names and Windows code pages (see CodePageNames.h).
#include "CodePageNames.h"

namespace olvcli {

// Left out: KOI8-U (glibc's has the letters ў and Ў at 0xAE and 0xBE, where
// Windows' code page 21866 has box-drawing characters) and the code pages
// iconv composes or decomposes accents in (cp1255, cp1258).
const CodePageName kCodePageNames[] = {
    {"UTF-8", kCodePageUtf8},   {"UTF8", kCodePageUtf8},
    {"CP1250", 1250},           {"WINDOWS-1250", 1250},
    {"CP1251", 1251},           {"WINDOWS-1251", 1251},
    {"CP1252", 1252},           {"WINDOWS-1252", 1252},
    {"CP1253", 1253},           {"WINDOWS-1253", 1253},
    {"CP1254", 1254},           {"WINDOWS-1254", 1254},
    {"CP1256", 1256},           {"WINDOWS-1256", 1256},
    {"CP1257", 1257},           {"WINDOWS-1257", 1257},
    {"LATIN1", 28591},          {"ISO-8859-1", 28591},  {"ISO8859-1", 28591}, {"ISO_8859-1", 28591},
    {"L1", 28591},              {"CP819", 28591},
    {"LATIN2", 28592},          {"ISO-8859-2", 28592},  {"ISO8859-2", 28592}, {"ISO_8859-2", 28592},
    {"L2", 28592},
    {"ISO-8859-5", 28595},      {"ISO8859-5", 28595},   {"ISO_8859-5", 28595}, {"CYRILLIC", 28595},
    {"LATIN5", 28599},          {"ISO-8859-9", 28599},  {"ISO8859-9", 28599}, {"ISO_8859-9", 28599},
    {"L5", 28599},
    {"LATIN-9", 28605},         {"ISO-8859-15", 28605}, {"ISO8859-15", 28605}, {"ISO_8859-15", 28605},
    {"LATIN9", 28605},
    {"KOI8-R", 20866},
    {"CP437", 437},             {"IBM437", 437},
    {"CP850", 850},             {"IBM850", 850},
    {"CP866", 866},             {"IBM866", 866},
    {"ASCII", 20127},           {"US-ASCII", 20127},
};
const size_t kCodePageNameCount = sizeof kCodePageNames / sizeof kCodePageNames[0];

unsigned CodePageByName(const std::string& name) {
  for (size_t i = 0; i < kCodePageNameCount; ++i) {
    const std::string listed = kCodePageNames[i].name;
    if (listed.size() != name.size()) continue;
    bool same = true;
    for (size_t c = 0; c < name.size() && same; ++c) {
      char ch = name[c];
      if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
      same = ch == listed[c];
    }
    if (same) return kCodePageNames[i].codePage;
  }
  return 0;
}

}  // namespace olvcli
