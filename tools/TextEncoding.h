// The front end's --encoding: the code page an application's text is written
// in, and the conversions between it and the UTF-8 of the terminal (the
// system's: iconv on Linux, the code pages on Windows). Without an encoding
// every text passes byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace olvcli {

class TextEncoding {
 public:
  // Chooses the file's code page by its iconv name ("cp1251", "latin1" ...);
  // "" means none. False, with `error` naming the value, for a name the
  // system does not know or that cannot convert to and from UTF-8.
  bool Set(const std::string& name, std::string& error);
  bool IsSet() const { return !m_name.empty(); }
  const std::string& Name() const { return m_name; }

  // The file's bytes as UTF-8 for printing (unchanged without an encoding).
  // A byte the code page does not define becomes U+FFFD.
  std::string ToUtf8(std::string_view bytes) const;
  // Text the user typed (UTF-8) as the file's bytes, so that it is searched
  // for or typed in the file's code page (unchanged without an encoding).
  // False, with `error` saying why, when the text is no UTF-8 or holds a
  // character the code page lacks.
  bool FromUtf8(std::string_view utf8, std::string& bytes, std::string& error) const;

 private:
  std::string m_name;
};

// Checks an encoding's name: "" when the system converts with it both ways,
// else the message naming the value.
std::string CheckEncodingName(const std::string& name);

}  // namespace olvcli
