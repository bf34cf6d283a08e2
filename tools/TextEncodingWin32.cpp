// The conversions of --encoding on Windows, where there is no iconv: the
// names of CodePageNames.h, each a Windows code page. A single-byte code page
// becomes a table of its 256 bytes (MultiByteToWideChar), kept for the
// process; UTF-8 is read and checked as iconv reads it (Utf8.h).
#include <windows.h>

#include <map>
#include <mutex>

#include "CodePageNames.h"
#include "CodePageTable.h"
#include "TextEncodingBackend.h"
#include "Utf8.h"

namespace olvcli {
namespace {

// The "ANSI" code pages: their gaps at 0x80..0x9F are undefined in the
// published tables (and to iconv), but Windows fills them with the C1
// control of the same value.
bool HasControlFilledGaps(UINT codePage) { return codePage == 874 || (codePage >= 1250 && codePage <= 1258); }

// A byte is defined when it converts to one UTF-16 unit that converts back
// to the same byte without a best-fit or default character.
bool BuildTable(UINT codePage, CodePageTable& table) {
  bool any = false;
  for (int b = 0; b < 256; ++b) {
    table.toUnicode[b] = CodePageTable::kUndefined;
    const char byte = static_cast<char>(b);
    wchar_t wide[2] = {};
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, &byte, 1, wide, 2) != 1) continue;
    any = true;
    char back[8] = {};
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, 1, back, sizeof back, nullptr,
                                      &usedDefault);
    if (n != 1 || usedDefault || back[0] != byte) continue;
    if (HasControlFilledGaps(codePage) && b >= 0x80 && b <= 0x9F && wide[0] == static_cast<wchar_t>(b)) continue;
    if (wide[0] >= 0xD800 && wide[0] <= 0xDFFF) continue;
    table.toUnicode[b] = wide[0];
  }
  return any;
}

// The table of `codePage`, built once; nullptr when Windows cannot convert
// with the code page (not installed).
const CodePageTable* TableFor(UINT codePage) {
  static std::mutex lock;
  static std::map<UINT, CodePageTable> tables;
  std::lock_guard<std::mutex> hold(lock);
  auto found = tables.find(codePage);
  if (found != tables.end()) return &found->second;
  CodePageTable table;
  if (!BuildTable(codePage, table)) return nullptr;
  return &tables.emplace(codePage, table).first->second;
}

}  // namespace

std::string EncodingNameError(const std::string& name) {
  const unsigned codePage = CodePageByName(name);
  if (codePage == 0) return "unknown encoding '" + name + "' (Windows has no code page by that name)";
  if (codePage != kCodePageUtf8 && TableFor(codePage) == nullptr)
    return "unknown encoding '" + name + "' (code page " + std::to_string(codePage) + " is not installed)";
  return "";
}

std::string EncodedToUtf8(const std::string& name, std::string_view bytes) {
  const unsigned codePage = CodePageByName(name);
  if (codePage == kCodePageUtf8) return RepairUtf8(bytes);
  const CodePageTable* table = TableFor(codePage);
  return table != nullptr ? TableToUtf8(*table, bytes) : std::string();
}

bool Utf8ToEncoded(const std::string& name, std::string_view utf8, std::string& bytes) {
  const unsigned codePage = CodePageByName(name);
  if (codePage == kCodePageUtf8) {
    bytes.assign(utf8);
    return IsValidUtf8(utf8);
  }
  const CodePageTable* table = TableFor(codePage);
  return table != nullptr && TableFromUtf8(*table, utf8, bytes);
}

}  // namespace olvcli
