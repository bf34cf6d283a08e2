// The conversions of --encoding on Linux: glibc's iconv, which knows every
// name it lists with `iconv -l` (see TextEncodingBackend.h).
#include <errno.h>
#include <iconv.h>

#include "TextEncodingBackend.h"

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

std::string EncodingNameError(const std::string& name) {
  for (bool toUtf8 : {true, false}) {
    iconv_t cd = toUtf8 ? iconv_open("UTF-8", name.c_str()) : iconv_open(name.c_str(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return "unknown encoding '" + name + "' (iconv has no such name)";
    iconv_close(cd);
  }
  return "";
}

std::string EncodedToUtf8(const std::string& name, std::string_view bytes) {
  std::string out;
  Convert("UTF-8", name.c_str(), bytes, out, true);
  return out;
}

bool Utf8ToEncoded(const std::string& name, std::string_view utf8, std::string& bytes) {
  return Convert(name.c_str(), "UTF-8", utf8, bytes, false);
}

}  // namespace olvcli
