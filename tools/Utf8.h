// UTF-8 read and written one code point at a time, as strictly as glibc's
// iconv reads it: no overlong forms, no surrogates, nothing above U+10FFFF.
// The Windows conversions of --encoding use it where iconv is not there.
#pragma once

#include <string>
#include <string_view>

namespace olvcli {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Reads the code point that starts at `pos` and moves `pos` past it; false,
// with `pos` unchanged, when the bytes there are no complete, valid sequence.
bool ReadUtf8(std::string_view text, size_t& pos, char32_t& codePoint);
// Appends `codePoint` (at most U+10FFFF, no surrogate) as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);

// `text` with every byte that starts no valid sequence replaced by U+FFFD,
// one replacement per byte, the rest kept.
std::string RepairUtf8(std::string_view text);
// True when all of `text` is valid UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace olvcli
