// The system's code pages (see winnls.h): the ANSI code page, the tables of
// the single-byte code pages, filled from glibc's iconv the first time each
// is used, and MultiByteToWideChar / WideCharToMultiByte over them and UTF-8.
// Locking: the ANSI code page is one atomic value; the tables are built under
// a lock of their own and never change afterwards.
#include <iconv.h>

#include <string.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "internal.h"
#include "standin.h"

using namespace olvwin32;

namespace {

std::atomic<UINT> g_ansiCodePage{20127};

// The iconv name of each single-byte code page the stand-in knows.
const char* IconvName(UINT codePage) {
  switch (codePage) {
    case 437: return "CP437";
    case 850: return "CP850";
    case 866: return "CP866";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1252: return "CP1252";
    case 1253: return "CP1253";
    case 1254: return "CP1254";
    case 1256: return "CP1256";
    case 1257: return "CP1257";
    case 20127: return "ASCII";
    case 20866: return "KOI8-R";
    case 28591: return "ISO-8859-1";
    case 28592: return "ISO-8859-2";
    case 28595: return "ISO-8859-5";
    case 28599: return "ISO-8859-9";
    case 28605: return "ISO-8859-15";
    default: return nullptr;
  }
}

std::unique_ptr<SingleByteCodePage> BuildTable(const char* name) {
  iconv_t cd = iconv_open("UTF-32LE", name);
  if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
  auto table = std::make_unique<SingleByteCodePage>();
  for (int b = 0; b < 256; ++b) {
    char in = static_cast<char>(b);
    unsigned char out[8] = {};
    char* inPtr = &in;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = 1, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && outLeft == 4;
    table->toUnicode[b] = ok ? static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24)
                             : SingleByteCodePage::kUndefined;
  }
  iconv_close(cd);
  return table;
}

UINT Resolve(UINT codePage) { return codePage == CP_ACP ? g_ansiCodePage.load() : codePage; }

// Appends `c` as UTF-16 to `out`.
void PutUtf16(std::u32string::value_type c, std::wstring& out) {
  if (c >= 0x10000) {
    c -= 0x10000;
    out += static_cast<WCHAR>(0xD800 + (c >> 10));
    out += static_cast<WCHAR>(0xDC00 + (c & 0x3FF));
  } else {
    out += static_cast<WCHAR>(c);
  }
}

// Decodes strict UTF-8; false at the first ill-formed sequence when `strict`,
// else each ill-formed sequence becomes U+FFFD.
bool DecodeUtf8(const unsigned char* p, size_t n, bool strict, std::wstring& out) {
  size_t i = 0;
  while (i < n) {
    const unsigned char b = p[i];
    char32_t c = 0;
    size_t len = 0;
    char32_t min = 0;
    if (b < 0x80) { c = b; len = 1; }
    else if (b >= 0xC2 && b <= 0xDF) { c = b & 0x1F; len = 2; min = 0x80; }
    else if (b >= 0xE0 && b <= 0xEF) { c = b & 0x0F; len = 3; min = 0x800; }
    else if (b >= 0xF0 && b <= 0xF4) { c = b & 0x07; len = 4; min = 0x10000; }
    bool ok = len > 0 && i + len <= n;
    for (size_t k = 1; ok && k < len; ++k) {
      ok = (p[i + k] & 0xC0) == 0x80;
      c = c << 6 | (p[i + k] & 0x3F);
    }
    if (ok && len > 1) ok = c >= min && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
    if (!ok) {
      if (strict) return false;
      out += static_cast<WCHAR>(0xFFFD);
      ++i;
      continue;
    }
    PutUtf16(c, out);
    i += len;
  }
  return true;
}

// The output step both conversions share: the length wanted when `size` is
// 0, else the text copied, or ERROR_INSUFFICIENT_BUFFER.
template <typename T, typename S>
int Deliver(const S& text, T* dest, int size) {
  const int length = static_cast<int>(text.size());
  if (size == 0) return length;
  if (length > size) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  for (int i = 0; i < length; ++i) dest[i] = static_cast<T>(text[i]);
  return length;
}

}  // namespace

namespace olvwin32 {

const SingleByteCodePage* SingleByteTable(UINT codePage) {
  static std::mutex lock;
  static std::map<UINT, std::unique_ptr<SingleByteCodePage>> tables;
  const char* name = IconvName(codePage);
  if (name == nullptr) return nullptr;
  std::lock_guard<std::mutex> guard(lock);
  auto it = tables.find(codePage);
  if (it == tables.end()) it = tables.emplace(codePage, BuildTable(name)).first;
  return it->second.get();
}

}  // namespace olvwin32

namespace standin {

bool SetAnsiCodePage(UINT codePage) {
  if (SingleByteTable(codePage) == nullptr) return false;
  g_ansiCodePage = codePage;
  return true;
}

}  // namespace standin

extern "C" UINT WINAPI GetACP(void) { return g_ansiCodePage.load(); }

extern "C" BOOL WINAPI IsValidCodePage(UINT CodePage) {
  return CodePage == CP_UTF8 || SingleByteTable(CodePage) != nullptr;
}

extern "C" int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCCH lpMultiByteStr, int cbMultiByte,
                                          LPWSTR lpWideCharStr, int cchWideChar) {
  const UINT codePage = Resolve(CodePage);
  if (lpMultiByteStr == nullptr || cbMultiByte == 0 || cchWideChar < 0 || (cchWideChar > 0 && !lpWideCharStr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if ((dwFlags & ~static_cast<DWORD>(MB_PRECOMPOSED | MB_ERR_INVALID_CHARS)) != 0 ||
      (codePage == CP_UTF8 && (dwFlags & MB_PRECOMPOSED))) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  const size_t length = cbMultiByte < 0 ? strlen(lpMultiByteStr) + 1 : static_cast<size_t>(cbMultiByte);
  const auto* bytes = reinterpret_cast<const unsigned char*>(lpMultiByteStr);
  const bool strict = (dwFlags & MB_ERR_INVALID_CHARS) != 0;
  std::wstring text;
  if (codePage == CP_UTF8) {
    if (!DecodeUtf8(bytes, length, strict, text)) {
      SetLastError(ERROR_NO_UNICODE_TRANSLATION);
      return 0;
    }
  } else {
    const SingleByteCodePage* table = SingleByteTable(codePage);
    if (table == nullptr) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
    for (size_t i = 0; i < length; ++i) {
      const char32_t c = table->toUnicode[bytes[i]];
      if (c == SingleByteCodePage::kUndefined && strict) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
      }
      text += static_cast<WCHAR>(c == SingleByteCodePage::kUndefined ? 0xFFFD : c);
    }
  }
  return Deliver(text, lpWideCharStr, cchWideChar);
}

extern "C" int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWCH lpWideCharStr, int cchWideChar,
                                          LPSTR lpMultiByteStr, int cbMultiByte, LPCCH lpDefaultChar,
                                          LPBOOL lpUsedDefaultChar) {
  const UINT codePage = Resolve(CodePage);
  if (lpWideCharStr == nullptr || cchWideChar == 0 || cbMultiByte < 0 || (cbMultiByte > 0 && !lpMultiByteStr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (codePage == CP_UTF8 && (lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if ((dwFlags & ~static_cast<DWORD>(WC_NO_BEST_FIT_CHARS)) != 0) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  size_t length = 0;
  if (cchWideChar < 0) {
    while (lpWideCharStr[length] != 0) ++length;
    ++length;
  } else {
    length = static_cast<size_t>(cchWideChar);
  }
  std::string text;
  BOOL usedDefault = FALSE;
  const SingleByteCodePage* table = codePage == CP_UTF8 ? nullptr : SingleByteTable(codePage);
  if (codePage != CP_UTF8 && table == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  for (size_t i = 0; i < length; ++i) {
    char32_t c = static_cast<char32_t>(lpWideCharStr[i]) & 0xFFFF;
    const bool high = c >= 0xD800 && c <= 0xDBFF;
    const bool low = c >= 0xDC00 && c <= 0xDFFF;
    if (high && i + 1 < length && (lpWideCharStr[i + 1] & 0xFC00) == 0xDC00) {
      c = 0x10000 + ((c - 0xD800) << 10) + ((lpWideCharStr[i + 1] & 0xFFFF) - 0xDC00);
      ++i;
    } else if (high || low) {
      c = 0xFFFD;  // a lone surrogate
    }
    if (table == nullptr) {
      if (c < 0x80) {
        text += static_cast<char>(c);
      } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | c >> 6);
        text += static_cast<char>(0x80 | (c & 0x3F));
      } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | c >> 12);
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
      } else {
        text += static_cast<char>(0xF0 | c >> 18);
        text += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
      }
      continue;
    }
    int byte = -1;
    for (int b = 0; b < 256 && byte < 0; ++b)
      if (table->toUnicode[b] == c) byte = b;
    if (byte < 0) {
      usedDefault = TRUE;
      text += lpDefaultChar != nullptr ? *lpDefaultChar : '?';
    } else {
      text += static_cast<char>(byte);
    }
  }
  if (lpUsedDefaultChar != nullptr) *lpUsedDefaultChar = usedDefault;
  return Deliver(text, lpMultiByteStr, cbMultiByte);
}
