// The conversions of --encoding on Linux: glibc's iconv, which knows every
// name it lists with `iconv -l` (see TextEncodingBackend.h). A plain
// single-byte code page converts through a table of its 256 bytes that
// iconv fills once per process: a whole file's text in one pass, not
// through iconv's per-character steps.
#include <errno.h>
#include <iconv.h>

#include <map>
#include <memory>
#include <mutex>

#include "CodePageTable.h"
#include "TextEncodingBackend.h"
#include "Utf8.h"

namespace olvcli {
namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// Converts `in` from `from` to `to`. With `replace`, a byte that does not
// convert becomes U+FFFD (the target is UTF-8 then) and the conversion goes
// on; without it the conversion stops and returns false.
bool Convert(const char* to, const char* from, std::string_view in, std::string& out, bool replace) {
  out.clear();
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char buffer[1024];
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, static_cast<size_t>(dst - buffer));
    if (done != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    if (!replace) {
      ok = false;
      break;
    }
    // EILSEQ or EINVAL: one byte that does not convert.
    out += kReplacement;
    ++src;
    --srcLeft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return ok;
}

// Combining marks: a code page with one may have iconv compose it with the
// letter before (cp1255, cp1258), which no byte-by-byte table does.
bool IsCombiningMark(char32_t cp) {
  static const char32_t kRanges[][2] = {{0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05C7}, {0x0610, 0x061A},
                                        {0x064B, 0x065F}, {0x0670, 0x0670}, {0x06D6, 0x06ED}, {0x0E31, 0x0E31},
                                        {0x0E34, 0x0E3A}, {0x0E47, 0x0E4E}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20FF}};
  for (const auto& range : kRanges)
    if (cp >= range[0] && cp <= range[1]) return true;
  return false;
}

// The table of a code page that iconv converts byte by byte: every byte
// alone is one character or invalid (none the start of a longer sequence),
// every character converts back to its byte alone, none is a combining
// mark, and all 256 bytes in one text convert as they do one by one.
// False for any other encoding (UTF-8, multibyte and stateful ones).
bool BuildTable(const std::string& name, CodePageTable& table) {
  iconv_t decode = iconv_open("UTF-8", name.c_str());
  if (decode == reinterpret_cast<iconv_t>(-1)) return false;
  bool single = true;
  std::string all, allUtf8;
  for (int b = 0; b < 256 && single; ++b) {
    table.toUnicode[b] = CodePageTable::kUndefined;
    char byte = static_cast<char>(b);
    char* src = &byte;
    size_t srcLeft = 1;
    char out[16];
    char* dst = out;
    size_t dstLeft = sizeof out;
    iconv(decode, nullptr, nullptr, nullptr, nullptr);
    const size_t done = iconv(decode, &src, &srcLeft, &dst, &dstLeft);
    if (done == static_cast<size_t>(-1)) {
      single = errno == EILSEQ;  // EINVAL: the byte starts a longer sequence
      continue;
    }
    const std::string_view utf8(out, static_cast<size_t>(dst - out));
    size_t pos = 0;
    char32_t cp = 0;
    std::string back;
    if (!ReadUtf8(utf8, pos, cp) || pos != utf8.size() || IsCombiningMark(cp) ||
        !Convert(name.c_str(), "UTF-8", utf8, back, false) || back != std::string(1, byte)) {
      single = false;
      continue;
    }
    table.toUnicode[b] = cp;
    all += byte;
    allUtf8 += utf8;
  }
  iconv_close(decode);
  std::string whole;
  return single && Convert("UTF-8", name.c_str(), all, whole, false) && whole == allUtf8;
}

// The table of `name`, built once per process; nullptr when the encoding
// does not convert byte by byte.
const CodePageTable* TableFor(const std::string& name) {
  static std::mutex lock;
  static std::map<std::string, std::unique_ptr<CodePageTable>> tables;
  std::lock_guard<std::mutex> hold(lock);
  auto found = tables.find(name);
  if (found == tables.end()) {
    auto table = std::make_unique<CodePageTable>();
    if (!BuildTable(name, *table)) table.reset();
    found = tables.emplace(name, std::move(table)).first;
  }
  return found->second.get();
}

}  // namespace

std::string EncodingNameError(const std::string& name) {
  for (bool toUtf8 : {true, false}) {
    iconv_t cd = toUtf8 ? iconv_open("UTF-8", name.c_str()) : iconv_open(name.c_str(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return "unknown encoding '" + name + "' (iconv has no such name)";
    iconv_close(cd);
  }
  return "";
}

std::string EncodedToUtf8(const std::string& name, std::string_view bytes) {
  if (const CodePageTable* table = TableFor(name)) return TableToUtf8(*table, bytes);
  std::string out;
  Convert("UTF-8", name.c_str(), bytes, out, true);
  return out;
}

bool Utf8ToEncoded(const std::string& name, std::string_view utf8, std::string& bytes) {
  // A character without a byte of its own may still be one iconv writes.
  const CodePageTable* table = TableFor(name);
  if (table != nullptr && TableFromUtf8(*table, utf8, bytes)) return true;
  return Convert(name.c_str(), "UTF-8", utf8, bytes, false);
}

}  // namespace olvcli
