// The C runtime's multibyte code page and the functions that follow it
// (mbctype.h, mbstring.h): for the code page in use, a table of small
// letters and one of letters and digits, from the code page's characters and
// Unicode's letter case (glibc's C.UTF-8 locale).
// Locking: the tables of the code page in use are one immutable object, set
// with an atomic pointer; tables once made are kept for the process.
#include <errno.h>
#include <locale.h>
#include <wctype.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>

#include "internal.h"
#include "mbctype.h"
#include "mbstring.h"

using namespace olvwin32;

namespace {

struct CaseTables {
  int codePage;
  unsigned char lower[256];
  bool alnum[256];
};

std::unique_ptr<CaseTables> Build(int codePage, const SingleByteCodePage* table) {
  auto t = std::make_unique<CaseTables>();
  t->codePage = codePage;
  for (int b = 0; b < 256; ++b) {
    const bool ascii = b < 128;
    t->lower[b] = static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
    t->alnum[b] = ascii && ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9'));
  }
  static locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  if (table == nullptr || unicode == static_cast<locale_t>(nullptr)) return t;
  for (int b = 128; b < 256; ++b) {
    const char32_t c = table->toUnicode[b];
    if (c == SingleByteCodePage::kUndefined) continue;
    t->alnum[b] = iswalnum_l(static_cast<wint_t>(c), unicode) != 0;
    const char32_t small = static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), unicode));
    if (small == c) continue;
    for (int s = 128; s < 256; ++s)
      if (table->toUnicode[s] == small) {
        t->lower[b] = static_cast<unsigned char>(s);
        break;
      }
  }
  return t;
}

// The tables of `codePage` (0 for single bytes with ASCII letters only);
// null for a code page the system does not have.
const CaseTables* TablesFor(int codePage) {
  static std::mutex lock;
  static std::map<int, std::unique_ptr<CaseTables>> made;
  const SingleByteCodePage* table = nullptr;
  if (codePage != 0) {
    table = SingleByteTable(static_cast<UINT>(codePage));
    if (table == nullptr) return nullptr;
  }
  std::lock_guard<std::mutex> guard(lock);
  auto it = made.find(codePage);
  if (it == made.end()) it = made.emplace(codePage, Build(codePage, table)).first;
  return it->second.get();
}

std::atomic<const CaseTables*> g_current{nullptr};

const CaseTables& Current() {
  const CaseTables* t = g_current.load();
  if (t == nullptr) {
    // As at start-up: the ANSI code page.
    t = TablesFor(static_cast<int>(GetACP()));
    const CaseTables* expected = nullptr;
    if (!g_current.compare_exchange_strong(expected, t)) t = expected;
  }
  return *t;
}

}  // namespace

extern "C" int _setmbcp(int codepage) {
  int wanted = codepage;
  if (codepage == _MB_CP_ANSI || codepage == _MB_CP_LOCALE) wanted = static_cast<int>(GetACP());
  if (codepage == _MB_CP_OEM) wanted = 437;
  const CaseTables* t = wanted >= 0 ? TablesFor(wanted) : nullptr;
  if (t == nullptr) {
    errno = EINVAL;
    return -1;
  }
  g_current = t;
  return 0;
}

extern "C" int _getmbcp(void) { return Current().codePage; }

extern "C" unsigned char* _mbslwr(unsigned char* str) {
  if (str == nullptr) return nullptr;
  const CaseTables& t = Current();
  for (unsigned char* p = str; *p != 0; ++p) *p = t.lower[*p];
  return str;
}

extern "C" int _ismbcalnum(unsigned int c) { return c < 256 && Current().alnum[c] ? 1 : 0; }
