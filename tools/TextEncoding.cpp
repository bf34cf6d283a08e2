// The file's code page chosen by name and the conversions between it and
// UTF-8 (see TextEncoding.h); the conversions themselves are the system's
// (TextEncodingBackend.h). The UTF-8 side is held to strict UTF-8 on every
// system: glibc's iconv lets 5- and 6-byte forms and code points above
// U+10FFFF through from "UTF-8", which no terminal reads.
#include "TextEncoding.h"

#include "TextEncodingBackend.h"
#include "Utf8.h"

namespace olvcli {

std::string CheckEncodingName(const std::string& name) {
  if (name.empty()) return "the encoding's name is empty";
  return EncodingNameError(name);
}

bool TextEncoding::Set(const std::string& name, std::string& error) {
  if (name.empty()) {
    m_name.clear();
    return true;
  }
  error = CheckEncodingName(name);
  if (!error.empty()) return false;
  m_name = name;
  return true;
}

std::string TextEncoding::ToUtf8(std::string_view bytes) const {
  if (m_name.empty()) return std::string(bytes);
  return RepairUtf8(EncodedToUtf8(m_name, bytes));
}

bool TextEncoding::FromUtf8(std::string_view utf8, std::string& bytes, std::string& error) const {
  if (m_name.empty()) {
    bytes.assign(utf8);
    return true;
  }
  if (IsValidUtf8(utf8) && Utf8ToEncoded(m_name, utf8, bytes)) return true;
  error = "'" + std::string(utf8) + "' cannot be written in " + m_name;
  return false;
}

}  // namespace olvcli
