// Marks for the conformance tests that also run on real Win32 (under Wine,
// see docs/windows.md), in the manner of Wine's own tests:
//   STANDIN_ONLY("why");    first in a test that checks what only the
//                           stand-in has (a record, a test hook): skipped on
//                           Windows.
//   POSIX_ONLY("why");      first in a test of something Windows does not
//                           have (FIFOs, fork, file size limits): skipped on
//                           Windows; its body is compiled only elsewhere.
//   TODO_WINE(EXPECT_...);  an expectation that holds on Windows as
//                           documented but not under Wine: under Wine its
//                           failure is reported as "[ TODO_WINE ]" (and as
//                           the test's property "todo_wine" in GoogleTest's
//                           XML/JSON results) and does not fail the test,
//                           while its success does (the mark is then
//                           stale). Elsewhere it is the plain expectation.
#ifndef OLVAREN_TESTS_SUPPORT_WINEMARKS_H
#define OLVAREN_TESTS_SUPPORT_WINEMARKS_H

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#include <string>

namespace winemarks {

inline bool OnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

inline void Todo(bool failed, const char* file, int line, const char* what) {
  if (failed) {
    std::printf("[ TODO_WINE ] %s:%d: %s\n", file, line, what);
    ::testing::Test::RecordProperty("todo_wine", std::string(file) + ":" + std::to_string(line));
  } else
    ADD_FAILURE_AT(file, line) << "marked TODO_WINE but holds under Wine: " << what;
}

}  // namespace winemarks

#define STANDIN_ONLY(why) GTEST_SKIP() << "stand-in only: " << why
#define POSIX_ONLY(why) GTEST_SKIP() << "POSIX only: " << why
#define TODO_WINE(statement)                                                                                   \
  do {                                                                                                         \
    if (::winemarks::OnWine()) {                                                                               \
      ::testing::TestPartResultArray todoWineResults;                                                          \
      {                                                                                                        \
        ::testing::ScopedFakeTestPartResultReporter todoWineReporter(                                          \
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &todoWineResults);     \
        statement;                                                                                             \
      }                                                                                                        \
      ::winemarks::Todo(todoWineResults.size() > 0, __FILE__, __LINE__, #statement);                           \
    } else {                                                                                                   \
      statement;                                                                                               \
    }                                                                                                          \
  } while (0)
#else
#define POSIX_ONLY(why) static_cast<void>(0)
#define STANDIN_ONLY(why) static_cast<void>(0)
#define TODO_WINE(statement) \
  do {                       \
    statement;               \
  } while (0)
#endif

#endif  // OLVAREN_TESTS_SUPPORT_WINEMARKS_H
