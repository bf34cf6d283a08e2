// The system's converter behind TextEncoding: glibc's iconv on Linux
// (TextEncodingIconv.cpp), the Windows code pages on Windows
// (TextEncodingWin32.cpp). Each of the two is built on its own system only.
#pragma once

#include <string>
#include <string_view>

namespace olvcli {

// "" when the system converts with `name` (not empty) both ways, else the
// message naming the value.
std::string EncodingNameError(const std::string& name);
// The bytes of encoding `name` as UTF-8; a byte that does not convert
// becomes U+FFFD and the conversion goes on.
std::string EncodedToUtf8(const std::string& name, std::string_view bytes);
// UTF-8 as bytes of encoding `name`; false when `utf8` is no valid UTF-8 or
// holds a character the encoding lacks.
bool Utf8ToEncoded(const std::string& name, std::string_view utf8, std::string& bytes);

}  // namespace olvcli
