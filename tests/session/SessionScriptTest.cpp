// The session script reader, the keyboard's key names and characters, and
// the code-page conversions behind --encoding, on their own.
#include <gtest/gtest.h>

#include <sstream>

#include "ItemJson.h"
#include "SessionScript.h"
#include "TextEncoding.h"
#include "ide/shell/InputLoop.h"

namespace {

using olvcli::ScriptLine;

TEST(SessionScriptTest, ReadsCommandsTextAndWords) {
  std::istringstream in(
      "# a comment\n"
      "\n"
      "   mark 12 14   # trailing words after '#' are a comment\r\n"
      "\tpattern  a # b \n"
      "expect\n");
  std::vector<ScriptLine> lines = olvcli::ReadScript(in);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].number, 3);
  EXPECT_EQ(lines[0].command, "mark");
  EXPECT_EQ(lines[0].words, (std::vector<std::string>{"12", "14"}));
  EXPECT_EQ(lines[1].number, 4);
  EXPECT_EQ(lines[1].text, "a # b ");  // free text runs to the line's end
  EXPECT_EQ(lines[1].words, (std::vector<std::string>{"a"}));
  EXPECT_EQ(lines[2].command, "expect");
  EXPECT_TRUE(lines[2].words.empty());
}

// A TEXT argument: as it stands, or quoted with its blanks kept.
TEST(SessionScriptTest, QuotedText) {
  struct Case {
    const char* text;
    bool ok;
    const char* value;  // or part of the error
  } cases[] = {
      {"abc  ", true, "abc  "},  // unquoted: the rest of the line as it is
      {"a \"b\"", true, "a \"b\""},
      {"", true, ""},
      {"\"  abc \"", true, "  abc "},
      {"\"\"", true, ""},
      {"\"a\\\"b\\\\c\\d\"", true, "a\"b\\c\\d"},  // \" and \\; any other backslash stays
      {"\"x\"   # a comment", true, "x"},
      {"\"x\"\t", true, "x"},
      {"\"abc", false, "no closing quote"},
      {"\"abc\\\"", false, "no closing quote"},
      {"\"a\" b", false, "text after the closing quote"},
      {"\"a\"# b", false, "text after the closing quote"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string value, error;
    EXPECT_EQ(olvcli::UnquoteText(c.text, value, error), c.ok);
    if (c.ok)
      EXPECT_EQ(value, c.value);
    else
      EXPECT_NE(error.find(c.value), std::string::npos) << error;
  }
  EXPECT_EQ(olvcli::TextFromWord("30  \"a b\" c", 1), "\"a b\" c");
  EXPECT_EQ(olvcli::TextFromWord("30", 1), "");
  EXPECT_EQ(olvcli::TextFromWord("  x", 0), "x");
}

TEST(SessionScriptTest, KeyChords) {
  using ide::shell::kModAlt;
  using ide::shell::kModCtrl;
  using ide::shell::kModShift;
  struct Case {
    const char* name;
    bool known;
    UINT vk;
    int modifiers;
  } cases[] = {
      {"F2", true, VK_F2, 0},
      {"f12", true, VK_F12, 0},
      {"ctrl+F2", true, VK_F2, kModCtrl},
      {"Ctrl+Shift+F2", true, VK_F2, kModCtrl | kModShift},
      {"shift+tab", true, VK_TAB, kModShift},
      {"alt+F4", true, VK_F4, kModAlt},
      {"enter", true, VK_RETURN, 0},
      {"Escape", true, VK_ESCAPE, 0},
      {"a", true, 'A', 0},
      {"7", true, '7', 0},
      {"F13", false, 0, 0},
      {"F0", false, 0, 0},
      {"meta+F2", false, 0, 0},
      {"ctrl+", false, 0, 0},
      {"", false, 0, 0},
      {"é", false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UINT vk = 0;
    int modifiers = -1;
    ASSERT_EQ(olvcli::ParseKeyChord(c.name, vk, modifiers), c.known);
    if (!c.known) continue;
    EXPECT_EQ(vk, c.vk);
    EXPECT_EQ(modifiers, c.modifiers);
  }
}

TEST(SessionScriptTest, CharactersOnTheUsKeyboard) {
  using ide::shell::kModShift;
  struct Case {
    char ch;
    bool typed;
    UINT vk;
    int modifiers;
  } cases[] = {
      {'a', true, 'A', 0},         {'Z', true, 'Z', kModShift},         {'0', true, '0', 0},
      {')', true, '0', kModShift}, {'(', true, '9', kModShift},         {' ', true, VK_SPACE, 0},
      {'.', true, VK_OEM_PERIOD, 0}, {'_', true, VK_OEM_MINUS, kModShift}, {'\'', true, VK_OEM_7, 0},
      {'"', true, VK_OEM_7, kModShift}, {'\t', false, 0, 0},           {'\xe9', false, 0, 0},
      {'\0', false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.ch));
    UINT vk = 0;
    int modifiers = -1;
    ASSERT_EQ(olvcli::KeyForCharacter(c.ch, vk, modifiers), c.typed);
    if (!c.typed) continue;
    EXPECT_EQ(vk, c.vk);
    EXPECT_EQ(modifiers, c.modifiers);
  }
}

TEST(SessionScriptTest, Encodings) {
  std::string error;
  olvcli::TextEncoding none;
  EXPECT_EQ(none.ToUtf8("\xe7\xe0"), "\xe7\xe0");  // bytes pass as they are

  olvcli::TextEncoding cp1251;
  ASSERT_TRUE(cp1251.Set("cp1251", error)) << error;
  EXPECT_EQ(cp1251.ToUtf8("\xc7\xe0\xea\xe0\xe7"), "Заказ");
  // 0x98 is no character in cp1251: it becomes U+FFFD and the rest follows.
  EXPECT_EQ(cp1251.ToUtf8("a\x98" "b"), "a\xEF\xBF\xBD" "b");
  std::string bytes;
  ASSERT_TRUE(cp1251.FromUtf8("заказ", bytes, error));
  EXPECT_EQ(bytes, "\xe7\xe0\xea\xe0\xe7");
  EXPECT_FALSE(cp1251.FromUtf8("日本", bytes, error));
  EXPECT_NE(error.find("cannot be written in cp1251"), std::string::npos);
  EXPECT_FALSE(cp1251.FromUtf8("\xff\xfe", bytes, error));  // no UTF-8

  olvcli::TextEncoding latin1;
  ASSERT_TRUE(latin1.Set("latin1", error));
  EXPECT_EQ(latin1.ToUtf8("Gr\xfc\xdf"), "Grüß");

  olvcli::TextEncoding unknown;
  EXPECT_FALSE(unknown.Set("no-such-code-page", error));
  EXPECT_NE(error.find("'no-such-code-page'"), std::string::npos);
  EXPECT_FALSE(unknown.IsSet());
}

TEST(SessionScriptTest, JsonStrings) {
  // The file's bytes: above 127 as the code point of the same value.
  EXPECT_EQ(olvcli::JsonString("a\"\xe7\n"), "\"a\\\"\\u00e7\\n\"");
  // Converted text: UTF-8 as it is, control characters still escaped.
  EXPECT_EQ(olvcli::JsonUtf8String("з\t\x01"), "\"з\\t\\u0001\"");
  olvcli::TextEncoding cp1251;
  std::string error;
  ASSERT_TRUE(cp1251.Set("cp1251", error));
  EXPECT_EQ(olvcli::JsonText("\xe7", &cp1251), "\"з\"");
  EXPECT_EQ(olvcli::JsonText("\xe7", nullptr), "\"\\u00e7\"");
}

}  // namespace
