// The parser reads a file block by block: whatever the size of the blocks,
// and wherever a line, a line break or a bad byte falls between two of them,
// it gives what it gives for the same text in memory, errors and their lines
// included.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "OutlineTestUtil.h"
#include "ide/outline/OutlineParser.h"
#include "ide/outline/TextDecoding.h"

using namespace std::string_literals;

namespace {

using ide::ParseInput;
using ide::ParseResult;
using ide::detail::FileStore;

// Everything a parse gives, as one text to compare.
std::string Parse(ParseInput& in) {
  FileStore store;
  ide::detail::ItemVector items;
  std::vector<ide::detail::DataBlockRec> blocks;
  std::vector<ide::detail::ClassRec> classes;
  std::vector<ide::detail::Spans> longSpans;
  const ParseResult r = ide::ParseOutlineText(in, store, 0, ide::ParseTarget{items, blocks, classes, longSpans});
  std::string out = (r.ok ? "ok" : "error " + std::to_string(r.line) + ": " + r.description) + "\n";
  if (!r.ok) return out;
  for (size_t i = 0; i < items.size(); ++i) {
    const ide::detail::ItemRec& it = items[i];
    const ide::detail::Spans s = ide::detail::UnpackSpans(it, longSpans);
    out += std::to_string(i) + " p" + std::to_string(static_cast<int>(it.parent)) + " n" +
           std::to_string(static_cast<int>(it.next)) + " t" + std::to_string(it.type) + " l" +
           std::to_string(it.line) + " [" + std::string(store.View(it.base, s.titleLen)) + "|" +
           std::string(store.View(it.base + s.textRel, s.textLen)) + "|" +
           std::string(s.nameLen ? store.View(it.base + s.nameRel, s.nameLen) : std::string_view()) + "]\n";
  }
  for (const auto& b : blocks) out += "data " + std::to_string(b.item) + " " + std::string(store.View(b.off, b.len)) + "\n";
  for (const auto& c : classes) out += "class " + std::to_string(c.item) + " " + std::string(store.View(c.off, c.len)) + "\n";
  return out;
}

std::string ParseInMemory(const std::string& text) {
  ParseInput in;
  in.text = text;
  return Parse(in);
}

std::string ParseFromFile(const std::string& path, size_t window) {
  ide::FileBlocks file;
  std::string error;
  if (!file.Open(path, static_cast<size_t>(-1), error)) return "open: " + error;
  ParseInput in;
  in.file = &file;
  in.window = window;
  return Parse(in);
}

// A program of some kilobytes with what the parser keeps apart: continuation
// lines, data blocks, ".winattr" wrappers, comments.
std::string Program(const std::string& eol) {
  std::string s = ".head 0 +  Application Description: blocks" + eol + ".head 1 +  Global Declarations" + eol +
                  ".head 2 +  Internal Functions" + eol;
  for (int k = 0; k < 40; ++k) {
    const std::string n = std::to_string(k);
    s += ".head 3 +  Function: F" + n + eol + ".head 4 -  Description: line one" + eol + "line two of " + n + eol +
         ".head 4 +  Actions" + eol + ".head 5 -  Set s = 'a' ||" + eol + "   'b" + n + "'" + eol +
         ".data VIEWINFO" + eol + "0000: 6F00000001000000 FFFF01000D004347" + eol + ".enddata" + eol +
         "  after the data" + eol + ".head 5 -  ! note " + n + eol;
  }
  s += ".head 1 +  cfwMain: frmMain" + eol + ".winattr class Form Window:" + eol + ".head 2 -  Class: cfwMain" + eol +
       ".end" + eol;
  return s;
}

std::string Indented() {
  std::string s = "Application Description: tabs\r\n\tGlobal Declarations\r\n\t\tInternal Functions\r\n";
  for (int k = 0; k < 60; ++k)
    s += "\t\t\tFunction: G" + std::to_string(k) + "\r\n\t\t\t\tDescription: one\r\n\t\t\t\t\t\ttwo\r\n\r\n";
  return s;
}

TEST(BlockReading, AnyBlockSizeGivesWhatTheTextInMemoryGives) {
  const std::string program = Program("\r\n");
  std::string badLate = program;  // a NUL far after a level error near the start
  badLate.insert(program.find(".head 4 +  Actions"), ".head 9 -  Deep\r\n");
  badLate += "x\0y\r\n"s;
  std::string crLate = program;  // a lone CR far after a level error
  crLate.insert(program.find(".head 4 +  Actions"), ".head 9 -  Deep\r\n");
  crLate += "x\ry\r\n";
  std::string crBadLate = Program("\r");  // the same in a file of CR line ends
  crBadLate.insert(crBadLate.find(".head 4 +  Actions"), ".head 9 -  Deep\r");
  crBadLate += "x\0y\r"s;
  std::string crThenNul = program;  // a lone CR near the start, a NUL at the end
  crThenNul.insert(program.find(".head 4 +  Actions"), "a\rb\r\n");
  crThenNul += "x\0y\r\n"s;
  const std::vector<std::pair<std::string, std::string>> texts = {
      {"CR LF", program},
      {"LF", Program("\n")},
      {"CR", Program("\r")},
      {"CR with a CR LF", Program("\r").insert(200, "\r\n")},
      {"no final line break", program.substr(0, program.size() - 2)},
      {"LF, CR as the last byte", Program("\n") + "\r"},
      {"tab-indented", Indented()},
      {"NUL after a parse error", badLate},
      {"lone CR after a parse error", crLate},
      {"NUL after a lone CR", program + "a\rb\r\n" + "c\0d\r\n"s},
      {"CR, NUL after a parse error", crBadLate},
      {"NUL long after a lone CR", crThenNul},
      {"lone CR just before the end", program + "a\r" + "b"},
      {"empty", ""},
  };
  ide_test::TempDir dir;
  for (const auto& t : texts) {
    const std::string expected = ParseInMemory(t.second);
    const std::string path = dir.Write("blocks.apt", t.second);
    for (size_t window : {1, 2, 3, 7, 64, 1000, 1 << 16})
      ASSERT_EQ(ParseFromFile(path, window), expected) << t.first << ", blocks of " << window;
  }
}

TEST(BlockReading, ProblemsOfTheWholeFileComeBeforeWhatTheParseFinds) {
  const std::string program = Program("\r\n");
  const int lines = static_cast<int>(std::count(program.begin(), program.end(), '\n'));
  std::string early = program;
  early.insert(program.find(".head 4 +  Actions"), ".head 9 -  Deep\r\n");
  const int earlyLine = 1 + static_cast<int>(std::count(early.begin(), early.begin() + early.find(".head 9"), '\n'));
  const struct {
    std::string text;
    std::string want;
  } cases[] = {
      {early, "error " + std::to_string(earlyLine) + ": level jumps from 4 to 9\n"},
      {early + "x\0y\r\n"s,
       "error " + std::to_string(lines + 2) + ": not a text-format outline: a NUL byte (binary data, not text)\n"},
      {early + "x\ry\r\n",
       "error " + std::to_string(lines + 2) + ": a CR without LF inside a line (this file's lines end in LF or CR LF)\n"},
      {program + "a\rb\r\n" + "c\0d\r\n"s,
       "error " + std::to_string(lines + 2) + ": not a text-format outline: a NUL byte (binary data, not text)\n"},
  };
  ide_test::TempDir dir;
  for (const auto& c : cases) {
    EXPECT_EQ(ParseInMemory(c.text), c.want);
    EXPECT_EQ(ParseFromFile(dir.Write("bad.apt", c.text), 5), c.want);
  }
}

}  // namespace
