// Code pages: MultiByteToWideChar and WideCharToMultiByte between single-byte
// code pages, UTF-8 and UTF-16 (lengths, buffers, invalid input, the default
// character), CP_ACP following the system's ANSI code page, and the C
// runtime's multibyte code page with _mbslwr and _ismbcalnum.
#include <gtest/gtest.h>
#include <mbctype.h>
#include <mbstring.h>
#include <standin.h>
#include <windows.h>

#include <string>

#include "../support/WineMarks.h"

namespace {

std::wstring Wide(UINT codePage, const std::string& bytes, DWORD flags = 0) {
  WCHAR buffer[64] = {};
  const int n = MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), buffer, 64);
  return std::wstring(buffer, static_cast<size_t>(n > 0 ? n : 0));
}

std::string Narrow(UINT codePage, const std::wstring& text, BOOL* usedDefault = nullptr) {
  char buffer[64] = {};
  const int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), buffer, 64, nullptr,
                                    usedDefault);
  return std::string(buffer, static_cast<size_t>(n > 0 ? n : 0));
}

TEST(CodePages, MultiByteToWideCharMapsEachByte) {
  const struct {
    UINT codePage;
    std::string bytes;
    std::wstring wide;
  } cases[] = {
      {1251, "\xc0\xe0\xa8\xb8", {0x410, 0x430, 0x401, 0x451}},
      {1252, "\xc9\xe9\x80", {0xC9, 0xE9, 0x20AC}},
      {28591, "\xc9\xff", {0xC9, 0xFF}},
      {20866, "\xe1\xc1", {0x410, 0x430}},
      {866, "\x80\xa0", {0x410, 0x430}},
      {CP_UTF8, "A\xd0\x90\xe2\x82\xac", {'A', 0x410, 0x20AC}},
      {CP_UTF8, "\xf0\x9f\x98\x80", {0xD83D, 0xDE00}},  // outside the BMP: a surrogate pair
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.codePage);
    EXPECT_EQ(Wide(c.codePage, c.bytes), c.wide);
    EXPECT_EQ(Narrow(c.codePage, c.wide), c.bytes);
  }
}

TEST(CodePages, LengthsAndBuffers) {
  // -1: up to and with the terminator; size 0: the length wanted.
  EXPECT_EQ(MultiByteToWideChar(1251, 0, "\xc0\xe0", -1, nullptr, 0), 3);
  WCHAR small[1];
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(1251, 0, "\xc0\xe0", 2, small, 1), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  const WCHAR text[] = {0x410, 0};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr), 3);
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(1251, 0, "x", 0, small, 1), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(CodePages, InvalidUtf8) {
  const std::string bad[] = {"\xc0\xaf", "\xed\xa0\x80", "\xe2\x82", "\xff", "\xf4\x90\x80\x80"};
  for (const std::string& bytes : bad) {
    SCOPED_TRACE(bytes);
    WCHAR buffer[8];
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                  buffer, 8),
              0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
    // Without the flag each bad sequence becomes U+FFFD and the call goes on.
    const std::wstring wide = Wide(CP_UTF8, bytes + "A");
    ASSERT_FALSE(wide.empty());
    EXPECT_EQ(wide[0], 0xFFFD);
    EXPECT_EQ(wide.back(), L'A');
  }
}

TEST(CodePages, CharactersTheCodePageLacks) {
  BOOL usedDefault = FALSE;
  EXPECT_EQ(Narrow(1251, {L'a', 0x3B1}, &usedDefault), "a?");  // Greek alpha
  EXPECT_TRUE(usedDefault);
  usedDefault = TRUE;
  EXPECT_EQ(Narrow(1251, {0x430}, &usedDefault), "\xe0");
  EXPECT_FALSE(usedDefault);
  // UTF-8 has every character: asking about the default character is wrong.
  const WCHAR a[] = {L'a'};
  char out[4];
  SetLastError(0);
  TODO_WINE(EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, a, 1, out, 4, nullptr, &usedDefault), 0));
  TODO_WINE(EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)));
}

TEST(CodePages, UndefinedBytesOfTheStandIn) {
  STANDIN_ONLY("Windows maps the bytes its tables leave out to C1 controls");
  EXPECT_EQ(Wide(1251, "\x98"), std::wstring(1, 0xFFFD));
  WCHAR buffer[4];
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(20127, MB_ERR_INVALID_CHARS, "\xe9", 1, buffer, 4), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
}

class AnsiCodePage : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = GetACP(); }
  void TearDown() override {
    standin::SetAnsiCodePage(saved_);
    _setmbcp(_MB_CP_ANSI);
  }
  UINT saved_ = 0;
};

TEST_F(AnsiCodePage, CpAcpIsTheSystemsCodePage) {
  STANDIN_ONLY("the machine's ANSI code page is set by the stand-in's world");
  EXPECT_EQ(GetACP(), 20127u);  // the stand-in's machine: ASCII
  ASSERT_TRUE(standin::SetAnsiCodePage(1251));
  EXPECT_EQ(GetACP(), 1251u);
  EXPECT_EQ(Wide(CP_ACP, "\xc0"), std::wstring(1, 0x410));
  EXPECT_FALSE(standin::SetAnsiCodePage(CP_UTF8));  // single-byte code pages only
  EXPECT_FALSE(standin::SetAnsiCodePage(12345));
  EXPECT_EQ(GetACP(), 1251u);
}

// The multibyte code page follows the ANSI one when asked to (as at start-up).
TEST_F(AnsiCodePage, MultibyteCodePageFollowsIt) {
  STANDIN_ONLY("the machine's ANSI code page is set by the stand-in's world");
  ASSERT_TRUE(standin::SetAnsiCodePage(1251));
  ASSERT_EQ(_setmbcp(_MB_CP_ANSI), 0);
  EXPECT_EQ(_getmbcp(), 1251);
  unsigned char text[] = "\xc0\xc1\xa8Zz";
  EXPECT_STREQ(reinterpret_cast<char*>(_mbslwr(text)), "\xe0\xe1\xb8zz");
}

TEST(MultibyteCodePage, LowerCasingAndLetters) {
  const struct {
    int codePage;
    const char* text;
    const char* lower;
    bool highLetter;  // _ismbcalnum of the first byte above 127
    bool wineLowers;  // Wine's _mbslwr folds only ASCII letters
    bool wineLetter;  // ... and its _ismbcalnum takes a letter above 127 as one in any code page
  } cases[] = {
      {1251, "\xc0\xdf\xa8 QW\x96", "\xe0\xff\xb8 qw\x96", true, false, true},  // the dash is no letter
      {1252, "\xc9\xc0 AB\xd7", "\xe9\xe0 ab\xd7", true, false, true},           // nor the multiplication sign
      {_MB_CP_SBCS, "\xc9 AB", "\xc9 ab", false, true, false},                  // single bytes: ASCII letters only
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.codePage);
    ASSERT_EQ(_setmbcp(c.codePage), 0);
    std::string text = c.text;
    _mbslwr(reinterpret_cast<unsigned char*>(&text[0]));
    if (c.wineLowers)
      EXPECT_EQ(text, c.lower);
    else
      TODO_WINE(EXPECT_EQ(text, c.lower));
    EXPECT_NE(_ismbcalnum('a'), 0);
    EXPECT_NE(_ismbcalnum('7'), 0);
    EXPECT_EQ(_ismbcalnum('_'), 0);
    EXPECT_EQ(_ismbcalnum(' '), 0);
    const bool letter = _ismbcalnum(static_cast<unsigned char>(c.text[0])) != 0;
    if (c.wineLetter)
      EXPECT_EQ(letter, c.highLetter);
    else
      TODO_WINE(EXPECT_EQ(letter, c.highLetter));
  }
  EXPECT_EQ(_setmbcp(12345), -1);
  _setmbcp(_MB_CP_ANSI);
}

}  // namespace
