// Conversions between a file's code page and UTF-8 (see TextEncoding.h).
#include "TextEncoding.h"

#include <errno.h>
#include <iconv.h>

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

}  // namespace

std::string CheckEncodingName(const std::string& name) {
  if (name.empty()) return "the encoding's name is empty";
  for (bool toUtf8 : {true, false}) {
    iconv_t cd = toUtf8 ? iconv_open("UTF-8", name.c_str()) : iconv_open(name.c_str(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return "unknown encoding '" + name + "' (iconv has no such name)";
    iconv_close(cd);
  }
  return "";
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
  std::string out;
  Convert("UTF-8", m_name.c_str(), bytes, out, true);
  return out;
}

bool TextEncoding::FromUtf8(std::string_view utf8, std::string& bytes, std::string& error) const {
  if (m_name.empty()) {
    bytes.assign(utf8);
    return true;
  }
  if (Convert(m_name.c_str(), "UTF-8", utf8, bytes, false)) return true;
  error = "'" + std::string(utf8) + "' cannot be written in " + m_name;
  return false;
}

}  // namespace olvcli
