// On Linux --encoding converts plain single-byte code pages through a table
// that iconv fills, and every other encoding through iconv itself: both
// must give iconv's own result, for every byte and for mixed texts, in
// encodings of every kind (single-byte, with combining marks, EBCDIC,
// multibyte, stateful, UTF-16).
#include <errno.h>
#include <iconv.h>

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "TextEncoding.h"
#include "Utf8.h"

namespace {

const char* const kEncodings[] = {"cp1251", "cp1252", "latin1", "ISO-8859-15", "KOI8-R", "cp866",   "cp437",
                                  "cp1250", "cp1255", "cp1258", "TIS-620",     "IBM037", "SHIFT_JIS", "UTF-16",
                                  "ISO-2022-JP", "UTF-7", "ASCII"};

// iconv on its own: each byte that does not convert is U+FFFD (as
// TextEncoding::ToUtf8 says), or the whole conversion fails.
bool Iconv(const char* to, const char* from, const std::string& in, std::string& out, bool replace) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string room(in.size() * 8 + 16, '\0');  // room for any of these encodings' output at once
  char* src = const_cast<char*>(in.data());
  char* dst = &room[0];
  size_t left = in.size(), free = room.size();
  bool ok = true;
  while (iconv(cd, &src, &left, &dst, &free) == static_cast<size_t>(-1)) {
    if (!replace || free < 3) {
      ok = false;
      break;
    }
    // The byte that does not convert: U+FFFD in its place, the state reset.
    memcpy(dst, "\xEF\xBF\xBD", 3);
    dst += 3;
    free -= 3;
    ++src;
    --left;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  out.assign(room.data(), static_cast<size_t>(dst - room.data()));
  return ok;
}

TEST(TextEncodingIconv, EveryEncodingConvertsAsIconvDoes) {
  std::mt19937 random(7);
  for (const char* name : kEncodings) {
    SCOPED_TRACE(name);
    olvcli::TextEncoding encoding;
    std::string error;
    ASSERT_TRUE(encoding.Set(name, error)) << error;
    // Every byte alone, then texts of random bytes, ASCII-heavy as programs are.
    std::vector<std::string> texts;
    for (int b = 0; b < 256; ++b) texts.emplace_back(1, static_cast<char>(b));
    for (int n = 0; n < 40; ++n) {
      std::string text;
      for (int k = 0; k < 64; ++k)
        text += static_cast<char>(random() % 3 == 0 ? 0x80 + random() % 128 : 0x20 + random() % 95);
      texts.push_back(text);
    }
    // Every letter and every upper byte before every upper byte: where iconv
    // composes a letter with the mark after it (cp1258, cp1255).
    std::string pairs;
    for (int first = 'A'; first < 0x100; ++first) {
      if (first > 'z' && first < 0x80) continue;
      for (int second = 0x80; second < 0x100; ++second) {
        pairs += static_cast<char>(first);
        pairs += static_cast<char>(second);
      }
    }
    texts.push_back(pairs);
    for (const std::string& bytes : texts) {
      std::string expected;
      Iconv("UTF-8", name, bytes, expected, true);
      ASSERT_EQ(encoding.ToUtf8(bytes), olvcli::RepairUtf8(expected)) << "bytes " << testing::PrintToString(bytes);
      // Back: iconv's UTF-8 of the text (where it converted), with and
      // without a character most code pages lack.
      for (const std::string& utf8 : {olvcli::RepairUtf8(expected), olvcli::RepairUtf8(expected) + "日"}) {
        std::string ours, theirs;
        const bool converted = Iconv(name, "UTF-8", utf8, theirs, false);
        ASSERT_EQ(encoding.FromUtf8(utf8, ours, error), converted) << utf8;
        if (converted) {
          EXPECT_EQ(ours, theirs) << utf8;
        }
      }
    }
  }
}

}  // namespace
