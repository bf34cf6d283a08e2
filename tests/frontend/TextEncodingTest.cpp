// --encoding's conversions, the same cases on every system: glibc's iconv on
// Linux, the Windows code pages on Windows (run under Wine). Both are held to
// the reference table of what iconv makes of each code page.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "CodePageNames.h"
#include "CodePageReference.h"
#include "CodePageTable.h"
#include "TextEncoding.h"
#include "Utf8.h"

namespace {

using frontendtest::kCodePageReferenceCount;
using frontendtest::kCodePageReferences;

const std::string kFFFD = "\xEF\xBF\xBD";

std::string Utf8Of(char32_t cp) {
  std::string out;
  olvcli::AppendUtf8(out, cp);
  return out;
}

// Every byte of the code page converted alone and all of them in one text;
// every defined character converted back.
TEST(TextEncoding, SingleByteCodePagesConvertAsIconvDoes) {
  for (size_t i = 0; i < kCodePageReferenceCount; ++i) {
    const auto& ref = kCodePageReferences[i];
    SCOPED_TRACE(ref.name);
    olvcli::TextEncoding encoding;
    std::string error;
    ASSERT_TRUE(encoding.Set(ref.name, error)) << error;
    std::string all, allUtf8;
    for (int b = 0; b < 256; ++b) {
      const std::string byte(1, static_cast<char>(b));
      const char32_t cp = b < 0x80 ? static_cast<char32_t>(b) : ref.upper[b - 0x80];
      const std::string utf8 = Utf8Of(cp);
      EXPECT_EQ(encoding.ToUtf8(byte), utf8) << "byte " << b;
      all += byte;
      allUtf8 += utf8;
      if (cp == 0xFFFD) continue;
      std::string back;
      EXPECT_TRUE(encoding.FromUtf8(utf8, back, error)) << "U+" << std::hex << cp;
      EXPECT_EQ(back, byte) << "U+" << std::hex << cp;
    }
    EXPECT_TRUE(encoding.ToUtf8(all) == allUtf8) << "all 256 bytes in one text";
  }
}

// Every name the Windows table lists is one iconv knows, for the same code
// page as the table's first name for it (and either case will do).
TEST(TextEncoding, EveryListedNameMeansItsCodePage) {
  std::string upper;
  for (int b = 0x80; b < 0x100; ++b) upper += static_cast<char>(b);
  for (size_t i = 0; i < olvcli::kCodePageNameCount; ++i) {
    const olvcli::CodePageName& listed = olvcli::kCodePageNames[i];
    SCOPED_TRACE(listed.name);
    size_t first = 0;
    while (olvcli::kCodePageNames[first].codePage != listed.codePage) ++first;
    std::string lower = listed.name;
    for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(olvcli::CodePageByName(lower), listed.codePage);
    olvcli::TextEncoding byName, byFirst;
    std::string error;
    ASSERT_TRUE(byName.Set(lower, error)) << error;
    ASSERT_TRUE(byFirst.Set(olvcli::kCodePageNames[first].name, error)) << error;
    EXPECT_EQ(byName.ToUtf8(upper), byFirst.ToUtf8(upper));
  }
}

TEST(TextEncoding, NamesThatAreRefused) {
  const struct {
    const char* name;
    const char* said;
  } cases[] = {
      {"nope", "unknown encoding 'nope'"},
      {"no-such-code-page", "unknown encoding 'no-such-code-page'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    olvcli::TextEncoding encoding;
    std::string error;
    EXPECT_FALSE(encoding.Set(c.name, error));
    EXPECT_EQ(error.rfind(c.said, 0), 0u) << error;
    EXPECT_FALSE(encoding.IsSet());
    EXPECT_EQ(olvcli::CheckEncodingName(c.name), error);
  }
  // "" is no name to check, though it sets no encoding at all.
  EXPECT_EQ(olvcli::CheckEncodingName(""), "the encoding's name is empty");
}

TEST(TextEncoding, ToUtf8) {
  const struct {
    const char* encoding;
    std::string bytes;
    std::string utf8;
  } cases[] = {
      {"cp1251", "\xc7\xe0\xea\xe0\xe7", "Заказ"},
      {"CP1251", "a\x98" "b", "a" + kFFFD + "b"},  // 0x98 is no character in cp1251
      {"latin1", "Gr\xfc\xdf", "Grüß"},
      {"cp1252", "\x80\x81", "€" + kFFFD},
      {"ASCII", "caf\xe9", "caf" + kFFFD},
      {"UTF-8", "Grüß 日本 \xF0\x9F\x98\x80", "Grüß 日本 \xF0\x9F\x98\x80"},
      {"UTF-8", "a\xff" "b", "a" + kFFFD + "b"},
      {"UTF-8", "\xc0\x80", kFFFD + kFFFD},                          // overlong
      {"UTF-8", "\xe6\x97" "a", kFFFD + kFFFD + "a"},                // cut short
      {"UTF-8", "\xed\xa0\x80", kFFFD + kFFFD + kFFFD},              // a surrogate
      // above U+10FFFF and the old 5-byte form, which glibc's iconv passes on
      {"UTF-8", "\xf4\x90\x80\x80", kFFFD + kFFFD + kFFFD + kFFFD},
      {"UTF-8", "\xf8\x88\x80\x80\x80", kFFFD + kFFFD + kFFFD + kFFFD + kFFFD},
      {"utf8", "\xe6\x97", kFFFD + kFFFD},                           // cut short at the end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.encoding) + ": " + c.bytes);
    olvcli::TextEncoding encoding;
    std::string error;
    ASSERT_TRUE(encoding.Set(c.encoding, error)) << error;
    EXPECT_EQ(encoding.ToUtf8(c.bytes), c.utf8);
    if (olvcli::CodePageByName(c.encoding) == olvcli::kCodePageUtf8) {
      EXPECT_EQ(olvcli::RepairUtf8(c.bytes), c.utf8);
    }
  }
}

TEST(TextEncoding, FromUtf8) {
  const struct {
    const char* encoding;
    std::string utf8;
    bool ok;
    std::string bytes;  // when ok
  } cases[] = {
      {"cp1251", "заказ", true, "\xe7\xe0\xea\xe0\xe7"},
      {"cp1251", "日本", false, ""},
      {"cp1251", "\xff\xfe", false, ""},  // no UTF-8
      {"cp1252", "€", true, "\x80"},
      {"cp1252", "Ā", false, ""},  // no best fit to "A"
      {"latin1", "ü", true, "\xfc"},
      {"latin1", "€", false, ""},
      {"ASCII", "é", false, ""},
      {"UTF-8", "日本", true, "日本"},
      {"UTF-8", "\xc0\x80", false, ""},
      {"UTF-8", "a\xe6\x97", false, ""},
      {"UTF-8", "\xf4\x90\x80\x80", false, ""},  // above U+10FFFF
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.encoding) + ": " + c.utf8);
    olvcli::TextEncoding encoding;
    std::string error, bytes;
    ASSERT_TRUE(encoding.Set(c.encoding, error)) << error;
    EXPECT_EQ(encoding.FromUtf8(c.utf8, bytes, error), c.ok);
    if (c.ok) {
      EXPECT_EQ(bytes, c.bytes);
    } else {
      EXPECT_EQ(error, "'" + c.utf8 + "' cannot be written in " + c.encoding);
    }
    if (olvcli::CodePageByName(c.encoding) == olvcli::kCodePageUtf8) {
      EXPECT_EQ(olvcli::IsValidUtf8(c.utf8), c.ok);
    }
  }
}

// The table conversions on their own, against the system's for every code
// page of the reference.
TEST(TextEncoding, TableConversionsAgreeWithTheSystem) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (size_t i = 0; i < kCodePageReferenceCount; ++i) {
    const auto& ref = kCodePageReferences[i];
    SCOPED_TRACE(ref.name);
    olvcli::CodePageTable table;
    for (int b = 0; b < 256; ++b)
      table.toUnicode[b] = b < 0x80 ? static_cast<char32_t>(b)
                                    : (ref.upper[b - 0x80] == 0xFFFD ? olvcli::CodePageTable::kUndefined
                                                                     : ref.upper[b - 0x80]);
    olvcli::TextEncoding encoding;
    std::string error;
    ASSERT_TRUE(encoding.Set(ref.name, error)) << error;
    const std::string utf8 = encoding.ToUtf8(all);
    EXPECT_TRUE(olvcli::TableToUtf8(table, all) == utf8) << "all 256 bytes in one text";
    std::string fromTable, fromSystem;
    const std::string text = "Az09 " + encoding.ToUtf8("\xc0\xe9\xfe");
    EXPECT_EQ(olvcli::TableFromUtf8(table, text, fromTable), encoding.FromUtf8(text, fromSystem, error));
    EXPECT_EQ(fromTable, fromSystem);
  }
}

}  // namespace
