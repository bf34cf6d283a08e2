// The reader's rules for the IDE's two text formats: tree from levels,
// continuation lines, data blocks, .winattr wrappers, line ends, encodings,
// and the errors for input that is not a well-formed text outline.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>

#include "ChildProcess.h"
#endif
#include "OutlineTestUtil.h"
#include "WineMarks.h"
#include "ide/outline/ItemTypes.h"
#include "ide/outline/OutlineReader.h"
#include "ide/outline/TextDecoding.h"

using ide::ItemId;
using ide::kNoItem;
using ide::LoadStatus;
using ide::Outline;
using ide_test::LoadText;

namespace {

// AddressSanitizer reserves more address space than any limit a test sets.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

std::string Lines(std::initializer_list<const char*> lines, const char* eol = "\n") {
  std::string s;
  for (const char* l : lines) s += std::string(l) + eol;
  return s;
}

TEST(OutlineReader, TreeComesFromLevelsNotFromFlags) {
  Outline o;
  LoadStatus s = LoadText(Lines({".head 0 +  Application Description: demo",
                                 ".head 1 -  Outline Version - 4.0.28",
                                 ".head 1 -  Global Declarations",
                                 ".head 2 -  Variables",
                                 ".head 3 +  Number: nCount",
                                 ".head 3 -  String: sName",
                                 ".head 1 +  Form Window: frmMain",
                                 ".head 2 +  Window Variables"}),
                          o);
  ASSERT_TRUE(s) << s.Message();
  ASSERT_EQ(o.Count(), 8u);
  const struct { ItemId parent, first, last, next, prev; int level, line; } want[] = {
      {kNoItem, 1, 6, kNoItem, kNoItem, 0, 1}, {0, kNoItem, kNoItem, 2, kNoItem, 1, 2},
      {0, 3, 3, 6, 1, 1, 3},                   {2, 4, 5, kNoItem, kNoItem, 2, 4},
      {3, kNoItem, kNoItem, 5, kNoItem, 3, 5}, {3, kNoItem, kNoItem, kNoItem, 4, 3, 6},
      {0, 7, 7, kNoItem, 2, 1, 7},             {6, kNoItem, kNoItem, kNoItem, kNoItem, 2, 8}};
  for (ItemId i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(o.Parent(i), want[i].parent);
    EXPECT_EQ(o.FirstChild(i), want[i].first);
    EXPECT_EQ(o.LastChild(i), want[i].last);
    EXPECT_EQ(o.NextSibling(i), want[i].next);
    EXPECT_EQ(o.PrevSibling(i), want[i].prev);
    EXPECT_EQ(o.Level(i), want[i].level);
    EXPECT_EQ(o.Line(i), want[i].line);
    EXPECT_FALSE(o.IsIncluded(i));
    EXPECT_EQ(o.IncludingItem(i), kNoItem);
  }
  EXPECT_EQ(o.Root(), 0u);
  EXPECT_EQ(o.File(4).path.substr(o.File(4).path.size() - 7), "app.apt");
}

TEST(OutlineReader, ContinuationLinesBelongToThePreviousItem) {
  for (const char* eol : {"\n", "\r\n"}) {
    SCOPED_TRACE(eol[0] == '\r' ? "CRLF" : "LF");
    Outline o;
    LoadStatus s = LoadText(Lines({".head 0 +  Application Description: first",
                                   "",
                                   "\tsecond",
                                   ".not a directive",
                                   ".header",
                                   ".head 1 -  Set s = 'a' ||",
                                   "   'b'",
                                   ".head 1 -  Call F()   "},
                                  eol),
                            o);
    ASSERT_TRUE(s) << s.Message();
    ASSERT_EQ(o.Count(), 3u);
    const std::string e = eol;
    EXPECT_EQ(o.Text(0), "first" + e + e + "\tsecond" + e + ".not a directive" + e + ".header");
    EXPECT_EQ(o.Text(1), "s = 'a' ||" + e + "   'b'");
    EXPECT_EQ(o.Text(2), "F()");
    EXPECT_EQ(o.Line(2), 8);
  }
}

TEST(OutlineReader, DataBlocksStayWithTheirItemAndWinattrWrapsOrdinaryItems) {
  Outline o;
  const std::string data = ".data CLASSPROPS\n0000: 4F4C45\n.head 9 -  not an item\n.enddata";
  LoadStatus s = LoadText(".head 0 +  Application Description: x\n" + data +
                              "\n.head 1 -  Outline Version - 4.0.34\n"
                              ".head 1 +  ! fcRegistry: fcVar\n"
                              ".winattr class FunctionalVar:\n"
                              ".head 2 -  Class: fcRegistry\n"
                              ".end\n"
                              ".data VIEWINFO\n0000: 00\n.enddata\n"
                              ".data VIEWSIZE\n0000: D000\n.enddata\n"
                              ".head 1 -  Libraries\n",
                          o);
  ASSERT_TRUE(s) << s.Message();
  ASSERT_EQ(o.Count(), 5u);
  EXPECT_EQ(o.Text(0), "x");
  ASSERT_EQ(o.DataBlocks(0).size(), 1u);
  EXPECT_EQ(o.DataBlocks(0)[0], data);
  EXPECT_TRUE(o.DataBlocks(1).empty());
  // The wrapped property line is an ordinary item (here under a comment, so commented out too).
  EXPECT_EQ(o.Type(3), ide::ItemType::Comment);
  EXPECT_EQ(o.Text(3), "Class: fcRegistry");
  EXPECT_EQ(o.Parent(3), 2u);
  ASSERT_EQ(o.DataBlocks(3).size(), 2u);
  EXPECT_EQ(o.DataBlocks(3)[1], ".data VIEWSIZE\n0000: D000\n.enddata");
  EXPECT_EQ(o.Title(4), "Libraries");
  EXPECT_EQ(o.Line(4), 17);
}

TEST(OutlineReader, BlanksAroundTextsAndKeywordsAreNotPartOfThem) {
  Outline o;
  LoadStatus s = LoadText(Lines({".head 0 +  Application Description: ",
                                 ".head 1 -    Derived From ",
                                 ".head 1 -  Width:  8.013\"",
                                 ".head 1 -  Message Actions \t",
                                 ".head 1 -  Class:"}),
                          o);
  ASSERT_TRUE(s) << s.Message();
  EXPECT_EQ(o.Text(0), "");
  EXPECT_EQ(o.Title(1), "Derived From");
  EXPECT_EQ(o.Title(2), "Width");
  EXPECT_EQ(o.Text(2), " 8.013\"");  // the second blank is the item's own
  EXPECT_EQ(o.OutlineLine(2), "Width:  8.013\"");
  EXPECT_EQ(o.Title(3), "Message Actions");
  // A keyword written with its colon and nothing after it keeps the colon.
  EXPECT_EQ(o.Title(4), "Class:");
  EXPECT_EQ(o.OutlineLine(4), "Class:");
}

TEST(OutlineReader, BytesAreKeptAndByteOrderMarksHandled) {
  struct Case {
    const char* what;
    std::string file;
    std::string text;  // expected text of the Description item
  };
  const std::string cp1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";
  const std::string ctrl = "#0\x01\x02\x03\x0F\x10";
  auto utf16 = [](const std::u16string& s, bool le) {
    std::string out = le ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t c : s) {
      const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
      out += le ? std::string{lo, hi} : std::string{hi, lo};
    }
    return out;
  };
  const std::u16string u = u".head 0 +  Application Description: x\r\n.head 1 -  Description: \u00e9\u041f\U0001F600\r\n";
  const Case cases[] = {
      {"8-bit code page", ".head 0 +  Application Description: x\n.head 1 -  Description: " + cp1251 + "\n", cp1251},
      {"control bytes", ".head 0 +  Application Description: x\n.head 1 -  Description: " + ctrl + "\n", ctrl},
      {"UTF-8 BOM", "\xEF\xBB\xBF.head 0 +  Application Description: x\n.head 1 -  Description: \xC3\xA9\n", "\xC3\xA9"},
      {"UTF-16LE", utf16(u, true), "\xC3\xA9\xD0\x9F\xF0\x9F\x98\x80"},
      {"UTF-16BE", utf16(u, false), "\xC3\xA9\xD0\x9F\xF0\x9F\x98\x80"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Outline o;
    LoadStatus s = LoadText(c.file, o);
    ASSERT_TRUE(s) << s.Message();
    ASSERT_EQ(o.Count(), 2u);
    EXPECT_EQ(o.Title(0), "Application Description");
    EXPECT_EQ(o.Text(1), c.text);
  }
}

TEST(OutlineReader, ReadsTheTabIndentedFormat) {
  Outline o;
  LoadStatus s = LoadText(Lines({"Application Description: demo",
                                 "\t\tsecond line",
                                 "\tOutline Version - 4.0.27",
                                 ".data VIEWINFO",
                                 "0000: 00",
                                 ".enddata",
                                 "\tGlobal Declarations",
                                 "\t\tVariables",
                                 "\t\t\tNumber: n",
                                 "\t\t\tIf a",
                                 "\t\t\t\t\t  and b",
                                 "\t\t\t\t\t",
                                 "\t\t\t\tReturn 1"},
                                "\r\n"),
                          o);
  ASSERT_TRUE(s) << s.Message();
  ASSERT_EQ(o.Count(), 7u);
  EXPECT_EQ(o.Text(0), "demo\r\nsecond line");
  EXPECT_EQ(o.DataBlocks(1).size(), 1u);
  EXPECT_EQ(o.Level(4), 3);
  EXPECT_EQ(o.Name(4), "n");
  EXPECT_EQ(o.Text(5), "a\r\n  and b");
  EXPECT_EQ(o.Parent(6), 5u);
  EXPECT_EQ(o.Line(6), 13);
}

TEST(OutlineReader, BadInputIsRejectedWithFileAndLine) {
  const char* const kNul = "not a text-format outline: a NUL byte (binary data, not text)";
  const char* const kUtf16 = "not a text-format outline: UTF-16 text without a byte-order mark";
  const char* const kLoneCr = "a CR without LF inside a line (this file's lines end in LF or CR LF)";
  const std::string head = ".head 0 +  Application Description: x\n";
  std::string deep = head;
  for (int l = 1; l <= ide::kMaxOutlineLevel + 1; ++l)
    deep += ".head " + std::to_string(l) + " +  Actions\n";
  const struct {
    const char* what;
    std::string file;
    std::string description;
    int line;
  } cases[] = {
      {"binary outline", std::string("\x07\x00\x1A\x00binary", 10), kNul, 1},
      {"NUL byte in text", head + std::string(".head 1 -  A\0B\n", 15), kNul, 2},
      {"NUL byte after CR line ends", ".head 0 +  A\r.head 1 -  B\r" + std::string("\0", 1), kNul, 3},
      {"UTF-16 LE without byte-order mark", std::string(".\0h\0e\0a\0d\0 \0000\0", 14), kUtf16, 1},
      {"UTF-16 BE without byte-order mark", std::string("\0.\0h\0e\0a\0d\0 \0000", 14), kUtf16, 1},
      {"starts with a data block", ".data VIEWINFO\n0000: 00\n.enddata\n",
       "not a text-format outline: a data block before the first item", 1},
      {"other text file", "hello world\n",
       "not a text-format outline: the first line is neither a '.head' line nor 'Application Description'", 1},
      {"empty file", "", "not a text-format outline: the file is empty", 0},
      {"level beyond any integer", head + ".head 99999999999999999999999999 +  A\n",
       "level 99999999999999999999999999 is deeper than the limit of 256", 2},
      {"level jump", head + ".head 1 +  Libraries\n.head 3 -  File Include: x\n", "level jumps from 1 to 3", 3},
      {"second top-level item", head + ".head 1 -  A\n.head 0 +  Application Description: y\n",
       "a second top-level item", 3},
      {"first item not at level 0", ".head 1 -  Outline Version - 4.0.28\n", "the first item has level 1, not 0", 1},
      {"too deep", deep, "level 257 is deeper than the limit of 256", 258},
      {"malformed .head", head + ".head x -  A\n", "malformed .head line", 2},
      {"data block not closed", head + ".data VIEWINFO\n0000: 00\n", "data block not closed by '.enddata'", 2},
      {"stray .enddata", head + ".enddata\n", "'.enddata' without '.data'", 2},
      {"stray .end", head + ".end\n", "'.end' without '.winattr'", 2},
      {"winattr not closed", head + ".winattr\n.head 1 -  A\n", "'.winattr' not closed by '.end'", 2},
      {"indented item after .head", "Application Description: x\n.head 1 -  A\n",
       "a .head line in a tab-indented outline", 2},
      {"malformed UTF-16", "\xFF\xFE.", "malformed UTF-16 text (odd number of bytes)", 0},
      // A CR alone where lines end in CR LF or LF would join two items silently.
      {"CR alone in a CR LF file", ".head 0 +  Application Description: x\r\n.head 1 -  A\r.head 1 -  B\r\n",
       kLoneCr, 2},
      {"CR alone in an LF file", head + ".head 1 -  A\n.head 1 -  B\r.head 1 -  C\n", kLoneCr, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ide_test::TempDir dir;
    const std::string path = dir.Write("bad.apl", c.file);
    Outline o;
    LoadStatus s = ide::LoadOutline(path, ide::LoadOptions{}, o);
    EXPECT_FALSE(s);
    EXPECT_EQ(s.description, c.description);
    EXPECT_EQ(s.file, path);
    EXPECT_EQ(s.line, c.line);
    EXPECT_EQ(s.Message(), c.line ? path + ":" + std::to_string(c.line) + ": " + c.description
                                  : path + ": " + c.description);
    EXPECT_EQ(o.Count(), 0u);
  }
}

TEST(OutlineReader, UnreadableFilesAndFailedLoadsLeaveTheOutlineUntouched) {
  ide_test::TempDir dir;
  Outline o;
  ASSERT_TRUE(ide::LoadOutline(dir.Write("good.apt", ".head 0 +  Application Description: x\n.head 1 -  A\n"),
                               ide::LoadOptions{}, o));
  ASSERT_EQ(o.Count(), 2u);
  LoadStatus missing = ide::LoadOutline(dir.path() + "/missing.apt", ide::LoadOptions{}, o);
  EXPECT_FALSE(missing);
  EXPECT_EQ(missing.description, "cannot open file: No such file or directory");
  LoadStatus folder = ide::LoadOutline(dir.path(), ide::LoadOptions{}, o);
  EXPECT_FALSE(folder);
  EXPECT_EQ(folder.description, "cannot read file: not a regular file");
  LoadStatus bad = ide::LoadOutline(dir.Write("bad.apt", ".head 0 +  A\n.head 2 -  B\n"), ide::LoadOptions{}, o);
  EXPECT_FALSE(bad);
  EXPECT_EQ(o.Count(), 2u);
  EXPECT_EQ(o.Title(1), "A");
}

// Lines end in LF, CR LF or CR alone; the first line break tells which. A
// continued text keeps the file's own line break between its lines.
TEST(OutlineReader, EveryLineEndStyleGivesTheSameOutline) {
  const struct {
    const char* what;
    std::string eol;
  } styles[] = {{"LF", "\n"}, {"CR LF", "\r\n"}, {"CR", "\r"}};
  for (const auto& style : styles) {
    SCOPED_TRACE(style.what);
    const std::string& e = style.eol;
    Outline o;
    LoadStatus s = ide_test::LoadText(".head 0 +  Application Description: x" + e + ".head 1 +  Libraries" + e +
                                          ".head 2 -  File Include: a.apl" + e + ".head 1 -  Comment: one" + e +
                                          "two" + e + ".data X" + e + "0000: 00" + e + ".enddata" + e,
                                      o);
    ASSERT_TRUE(s) << s.Message();
    ASSERT_EQ(o.Count(), 4u);
    EXPECT_EQ(o.Parent(2), 1u);
    EXPECT_EQ(o.Line(3), 4);
    EXPECT_EQ(o.Text(2), "a.apl");
    EXPECT_EQ(o.Text(3), "one" + e + "two");
  }
}

// A FIFO (or anything else that is not a regular file) is refused before it
// is opened for reading, so the reader never waits for a writer.
TEST(OutlineReader, FifoIsRefusedWithoutBlocking) {
#ifdef _WIN32
  POSIX_ONLY("Windows has no FIFOs in its file system");
#else
  ide_test::TempDir dir;
  const std::string fifo = dir.path() + "/f.apl";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string app = dir.Write("app.apt", ".head 0 +  Application Description: x\n.head 1 +  Libraries\n"
                                               ".head 2 -  File Include: f.apl\n");
  const struct {
    const char* what;
    std::string path;
    bool ok;
    std::string said;  // the description, or the one warning
  } cases[] = {
      {"main file", fifo, false, "cannot read file: not a regular file"},
      // the lookup passes over what is not a regular file
      {"included library", app, true, app + ":3: included library 'f.apl' not found"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testsupport::ChildResult r = testsupport::RunInChild(
        [&] {
          Outline o;
          LoadStatus s = ide::LoadOutline(c.path, ide::LoadOptions{}, o);
          if (s.ok != c.ok) return 1;
          if (!c.ok) return s.description == c.said && s.file == c.path ? 0 : 2;
          return s.warnings == std::vector<std::string>{c.said} ? 0 : 3;
        },
        10);
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(r.exitCode, 0);
  }
#endif
}

// A file's size is checked before anything of it is read: a file the
// outline cannot address (2 GiB and more) is refused at once, naming the
// limit, without the memory to hold it.
TEST(OutlineReader, FileTooLargeIsRefusedBeforeReading) {
  ide_test::TempDir dir;
  const std::string small = dir.Write("small.apl", "0123456789");
  std::string text, error;
  EXPECT_TRUE(ide::ReadWholeFile(small, text, error, 10)) << error;
  EXPECT_EQ(text, "0123456789");
  EXPECT_FALSE(ide::ReadWholeFile(small, text, error, 9));
  EXPECT_EQ(error, "file too large: 10 bytes, the limit is 9 bytes");
#ifdef _WIN32
  POSIX_ONLY("a sparse 3 GB file and an address-space limit (setrlimit) are POSIX's");
#else
  const std::string big = dir.path() + "/big.apl";
  FILE* f = std::fopen(big.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(ftruncate(fileno(f), 3LL << 30), 0);  // sparse: takes no disk space
  std::fclose(f);
  testsupport::ChildResult r = testsupport::RunInChild(
      [&] {
        struct rlimit limit = {256u << 20, 256u << 20};  // far below the file's size
        if (!kSanitized && setrlimit(RLIMIT_AS, &limit) != 0) return 1;
        Outline o;
        LoadStatus s = ide::LoadOutline(big, ide::LoadOptions{}, o);
        return !s.ok && s.description == "file too large: 3221225472 bytes, the limit is 2147483647 bytes" ? 0 : 2;
      },
      20);
  EXPECT_FALSE(r.timedOut);
  EXPECT_EQ(r.exitCode, 0);
#endif
}

}  // namespace
