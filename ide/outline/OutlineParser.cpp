// The line-level reader of both text formats. The tree is built from the
// level numbers (or tab counts) alone, item texts stay in the file buffer,
// and only texts that have to be rebuilt go to the file's arena.
#include "ide/outline/OutlineParser.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "ide/outline/ItemClassifier.h"
#include "ide/outline/ItemTypes.h"
#include "ide/outline/OutlineReader.h"

namespace ide {
namespace {

using detail::DataBlockRec;
using detail::FileStore;
using detail::ItemRec;
using detail::kArenaBit;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool Is(std::string_view line, std::string_view word) {
  // `line` equals the directive `word`, trailing blanks aside.
  if (line.size() < word.size() || line.compare(0, word.size(), word) != 0) return false;
  for (size_t i = word.size(); i < line.size(); ++i)
    if (!IsBlank(line[i])) return false;
  return true;
}

bool StartsWith(std::string_view line, std::string_view prefix) {
  return line.size() >= prefix.size() && line.compare(0, prefix.size(), prefix) == 0;
}

class Parser {
 public:
  Parser(FileStore& store, size_t start, uint16_t file, const ParseTarget& out)
      : store_(store), buf_(store.buffer), pos_(start), file_(file), items_(out.items), blocks_(out.blocks),
        classes_(out.classes), longSpans_(out.longSpans), first_(static_cast<ItemId>(out.items.size())) {}

  ParseResult Run();

 private:
  bool NextLine();
  void ChooseLineEnd();
  bool CheckText();
  bool CheckLoneCr();
  bool Fail(const std::string& d, uint32_t line) {
    result_.ok = false;
    result_.description = d;
    result_.line = static_cast<int>(line);
    return false;
  }
  bool AddItem(int level, size_t textStart);
  void AddContinuation(size_t from);
  void MoveCurrentToArena();
  void Finish();
  void Winattr(std::string_view line);

  FileStore& store_;
  const std::string& buf_;
  size_t pos_;
  uint16_t file_;
  detail::ItemVector& items_;
  std::vector<DataBlockRec>& blocks_;
  std::vector<detail::ClassRec>& classes_;
  std::vector<detail::Spans>& longSpans_;
  ItemId first_;
  ParseResult result_;

  // The current line: [ls_, le_) without its line break; next_ is the following line.
  size_t ls_ = 0, le_ = 0, next_ = 0;
  uint32_t lineNo_ = 0;
  std::string eol_ = "\n";
  char breakChar_ = '\n';      // '\r' in a file whose lines end in CR alone

  std::vector<ItemId> stack_;   // stack_[l]: the open item at level l
  ItemId cur_ = kNoItem;        // the item continuation lines belong to
  detail::Spans curSpans_;      // its spans, packed into its record when it is finished
  bool curOwnClass_ = false;    // its own line names its object class
  uint32_t curEnd_ = 0;         // end of its text so far (store offset, arena bit aside)
  size_t curNextLine_ = 0;      // buffer offset of the line after its last text line
  bool indented_ = false;
  uint32_t curColonEnd_ = 0;    // title length with its colon, 0 when written without
};

bool Parser::NextLine() {
  if (pos_ >= buf_.size()) return false;
  const char* base = buf_.data();
  const void* nl = std::memchr(base + pos_, breakChar_, buf_.size() - pos_);
  size_t end = nl ? static_cast<const char*>(nl) - base : buf_.size();
  ls_ = pos_;
  next_ = nl ? end + 1 : end;
  if (breakChar_ == '\r') {
    if (next_ < buf_.size() && base[next_] == '\n') ++next_;  // a CR LF among CR line ends
  } else if (end > ls_ && base[end - 1] == '\r') {
    --end;
  }
  le_ = end;
  pos_ = next_;
  ++lineNo_;
  return true;
}

// The first line break tells how the file's lines end: LF, CR LF, or CR alone.
void Parser::ChooseLineEnd() {
  for (size_t i = pos_; i < buf_.size(); ++i) {
    if (buf_[i] == '\n') return;
    if (buf_[i] == '\r') {
      if (i + 1 < buf_.size() && buf_[i + 1] == '\n') return;
      breakChar_ = '\r';
      eol_ = "\r";
      return;
    }
  }
}

// Rejects what is no outline text at all, naming the line and the reason.
bool Parser::CheckText() {
  const auto* b = reinterpret_cast<const unsigned char*>(buf_.data()) + pos_;
  const size_t n = buf_.size() - pos_;
  if (n == 0) return Fail("not a text-format outline: the file is empty", 0);
  const void* nul = std::memchr(b, '\0', n);
  if (!nul) return CheckLoneCr();
  auto text = [](unsigned char c) { return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\r' || c == '\n'; };
  if (n >= 4 && ((b[1] == 0 && b[3] == 0 && text(b[0]) && text(b[2])) ||
                 (b[0] == 0 && b[2] == 0 && text(b[1]) && text(b[3]))))
    return Fail("not a text-format outline: UTF-16 text without a byte-order mark", 1);
  const size_t at = static_cast<const unsigned char*>(nul) - b;
  const uint32_t line = 1 + static_cast<uint32_t>(std::count(b, b + at, static_cast<unsigned char>(breakChar_)));
  return Fail("not a text-format outline: a NUL byte (binary data, not text)", line);
}

// Where lines end in LF or CR LF, a CR alone would join two lines into one
// item's text without a trace: it is refused, naming its line. (A CR at the
// very end of the file ends the last line.)
bool Parser::CheckLoneCr() {
  if (breakChar_ == '\r') return true;
  const char* b = buf_.data();
  const size_t n = buf_.size();
  for (const void* cr = std::memchr(b + pos_, '\r', n - pos_); cr != nullptr;) {
    const size_t at = static_cast<const char*>(cr) - b;
    if (at + 1 < n && b[at + 1] != '\n') {
      const uint32_t line = 1 + static_cast<uint32_t>(std::count(b + pos_, b + at, '\n'));
      return Fail("a CR without LF inside a line (this file's lines end in LF or CR LF)", line);
    }
    cr = at + 2 < n ? std::memchr(b + at + 2, '\r', n - at - 2) : nullptr;
  }
  return true;
}

void Parser::MoveCurrentToArena() {
  ItemRec& it = items_[cur_];
  if (it.base & kArenaBit) return;
  const uint32_t oldBase = it.base;
  const uint32_t newBase = static_cast<uint32_t>(store_.arena.size());
  store_.arena.append(buf_, oldBase, curEnd_ - oldBase);
  it.base = newBase | kArenaBit;
  curEnd_ = static_cast<uint32_t>(store_.arena.size());
}

void Parser::AddContinuation(size_t from) {
  if (cur_ == kNoItem) return;
  ItemRec& it = items_[cur_];
  if (!indented_ && !(it.base & kArenaBit) && ls_ == curNextLine_ && from == ls_) {
    curEnd_ = static_cast<uint32_t>(le_);
  } else {
    MoveCurrentToArena();
    store_.arena.append(eol_);
    store_.arena.append(buf_, from, le_ - from);
    curEnd_ = static_cast<uint32_t>(store_.arena.size());
  }
  curNextLine_ = next_;
}

void Parser::Finish() {
  ItemRec& it = items_[cur_];
  detail::Spans& sp = curSpans_;
  const std::string& s = (it.base & kArenaBit) ? store_.arena : buf_;
  const uint32_t b = it.base & ~kArenaBit;
  uint32_t start = b + sp.textRel;
  uint32_t end = curEnd_;
  if (start > end) start = end;
  while (end > start && (IsBlank(s[end - 1]) || s[end - 1] == '\r' || s[end - 1] == '\n')) --end;
  sp.textLen = end - start;
  sp.textRel = start - b;
  // A keyword written with its colon but nothing after it keeps the colon in its title.
  if (sp.textLen == 0 && curColonEnd_) sp.titleLen = curColonEnd_;
  detail::PackSpans(it, sp, longSpans_);
  cur_ = kNoItem;
}

bool Parser::AddItem(int level, size_t textStart) {
  const uint32_t line = lineNo_;
  if (level > kMaxOutlineLevel)
    return Fail("level " + std::to_string(level) + " is deeper than the limit of " +
                    std::to_string(kMaxOutlineLevel),
                line);
  if (items_.size() == first_) {
    if (level != 0) return Fail("the first item has level " + std::to_string(level) + ", not 0", line);
  } else {
    if (level == 0) return Fail("a second top-level item", line);
    const int prev = static_cast<int>(stack_.size()) - 1;
    if (level > prev + 1)
      return Fail("level jumps from " + std::to_string(prev) + " to " + std::to_string(level), line);
  }
  if (cur_ != kNoItem) Finish();
  if (items_.size() >= 0x7FFFFFFFu) return Fail("too many items", line);

  const ItemId id = static_cast<ItemId>(items_.size());
  ItemRec it;
  it.level = static_cast<uint16_t>(level);
  it.line = line;
  it.file = file_;
  ItemContext ctx;
  if (level > 0) {
    it.parent = stack_[level - 1];
    ctx.parent = items_[it.parent].type;
    if (level > 1) ctx.grandparent = items_[stack_[level - 2]].type;
  }
  if (static_cast<int>(stack_.size()) > level) {
    items_[stack_[level]].next = id;
    stack_.resize(level + 1);
    stack_[level] = id;
  } else {
    stack_.push_back(id);
  }
  while (textStart < le_ && IsBlank(buf_[textStart])) ++textStart;
  const std::string_view raw(buf_.data() + textStart, le_ - textStart);
  const ClassifiedLine c = ClassifyLine(raw, ctx);
  it.type = static_cast<uint16_t>(c.type);
  it.base = static_cast<uint32_t>(textStart);
  curSpans_ = detail::Spans();
  curSpans_.titleLen = c.titleLen;
  curSpans_.textRel = c.textRel;
  curSpans_.nameRel = c.nameRel;
  curSpans_.nameLen = c.nameLen;
  curOwnClass_ = false;
  if (c.classLen) {
    // The buffer never changes, so the span stays valid if the text moves to the arena.
    const uint32_t off = it.base + c.classRel;
    if (c.parentClass && level > 0) {
      classes_.push_back({it.parent, file_, off, c.classLen});
    } else {
      classes_.push_back({id, file_, off, c.classLen});
      curOwnClass_ = true;
    }
  }
  items_.push_back(it);
  cur_ = id;
  curColonEnd_ = c.hasColon ? c.colonPos + 1 : 0;
  curEnd_ = static_cast<uint32_t>(le_);
  curNextLine_ = next_;
  return true;
}

void Parser::Winattr(std::string_view line) {
  // ".winattr class Form Window:" after an item written "cClass: name" tells its kind.
  if (cur_ == kNoItem) return;
  std::string_view rest = line.substr(8);
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  if (!StartsWith(rest, "class")) return;
  rest.remove_prefix(5);
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  const size_t colon = rest.find(':');
  if (colon == std::string_view::npos) return;
  const int type = WindowTypeForKind(rest.substr(0, colon));
  ItemRec& it = items_[cur_];
  if (type != 0 && it.type == ItemType::Generic && curOwnClass_) {
    it.type = static_cast<uint16_t>(type);
    const std::string& s = (it.base & kArenaBit) ? store_.arena : buf_;
    const uint32_t b = it.base & ~kArenaBit;
    uint32_t i = curSpans_.textRel;
    while (b + i < s.size() && IsBlank(s[b + i])) ++i;
    uint32_t e = i;
    while (b + e < s.size() && !IsBlank(s[b + e]) && s[b + e] != '\r' && s[b + e] != '\n' &&
           s[b + e] != '=' && s[b + e] != '!')
      ++e;
    curSpans_.nameRel = i;
    curSpans_.nameLen = e - i;
  }
}

ParseResult Parser::Run() {
  ChooseLineEnd();
  if (!CheckText() || !NextLine()) return result_;
  const std::string_view first(buf_.data() + ls_, le_ - ls_);
  if (breakChar_ == '\n' && next_ > le_ + 1) eol_ = "\r\n";
  if (StartsWith(first, ".head ")) {
    indented_ = false;
  } else if (StartsWith(first, "Application Description")) {
    indented_ = true;
  } else if (StartsWith(first, ".data ") || Is(first, ".data")) {
    return Fail("not a text-format outline: a data block before the first item", 1), result_;
  } else {
    return Fail("not a text-format outline: the first line is neither a '.head' line nor "
                "'Application Description'",
                1),
           result_;
  }

  bool inData = false;
  size_t dataStart = 0;
  uint32_t dataLine = 0;
  int winattr = 0;
  uint32_t winattrLine = 0;
  bool more = true;
  while (more) {
    const std::string_view line(buf_.data() + ls_, le_ - ls_);
    if (inData) {
      if (Is(line, ".enddata")) {
        inData = false;
        blocks_.push_back({cur_, file_,
                           static_cast<uint32_t>(dataStart), static_cast<uint32_t>(le_ - dataStart)});
      }
    } else if (!line.empty() && line[0] == '.' && StartsWith(line, ".head ")) {
      if (indented_) return Fail("a .head line in a tab-indented outline", lineNo_), result_;
      size_t p = ls_ + 6;
      int level = 0;
      bool digits = false;
      while (p < le_ && buf_[p] >= '0' && buf_[p] <= '9') {
        if (level <= kMaxOutlineLevel) level = level * 10 + (buf_[p] - '0');
        digits = true;
        ++p;
      }
      if (!digits || p + 2 > le_ || buf_[p] != ' ' || (buf_[p + 1] != '+' && buf_[p + 1] != '-'))
        return Fail("malformed .head line", lineNo_), result_;
      if (level > kMaxOutlineLevel)  // named as written: the number need not fit an int
        return Fail("level " + std::string(buf_, ls_ + 6, p - (ls_ + 6)) + " is deeper than the limit of " +
                        std::to_string(kMaxOutlineLevel),
                    lineNo_),
               result_;
      if (!AddItem(level, p + 2)) return result_;
    } else if (!line.empty() && line[0] == '.' && (StartsWith(line, ".data ") || Is(line, ".data"))) {
      if (items_.size() == first_) return Fail("a data block before the first item", lineNo_), result_;
      inData = true;
      dataStart = ls_;
      dataLine = lineNo_;
    } else if (!line.empty() && line[0] == '.' && Is(line, ".enddata")) {
      return Fail("'.enddata' without '.data'", lineNo_), result_;
    } else if (!line.empty() && line[0] == '.' && (Is(line, ".winattr") || StartsWith(line, ".winattr "))) {
      if (winattr++ == 0) winattrLine = lineNo_;
      Winattr(line);
    } else if (!line.empty() && line[0] == '.' && Is(line, ".end")) {
      if (winattr == 0) return Fail("'.end' without '.winattr'", lineNo_), result_;
      --winattr;
    } else if (!indented_) {
      AddContinuation(ls_);
    } else {
      size_t tabs = 0;
      while (ls_ + tabs < le_ && buf_[ls_ + tabs] == '\t') ++tabs;
      const int level = cur_ == kNoItem ? -1 : items_[cur_].level;
      if (line.empty() && level >= 0) {
        AddContinuation(ls_);
      } else if (level >= 0 && static_cast<int>(tabs) >= level + 2) {
        AddContinuation(ls_ + level + 2);
      } else {
        if (!AddItem(static_cast<int>(tabs), ls_ + tabs)) return result_;
      }
    }
    more = NextLine();
  }
  if (inData) return Fail("data block not closed by '.enddata'", dataLine), result_;
  if (winattr != 0) return Fail("'.winattr' not closed by '.end'", winattrLine), result_;
  if (items_.size() == first_) return Fail("not a text-format outline: no item", 0), result_;
  if (cur_ != kNoItem) Finish();
  result_.ok = true;
  return result_;
}

}  // namespace

ParseResult ParseOutlineText(detail::FileStore& store, size_t start, uint16_t fileIndex, const ParseTarget& out) {
  const size_t classesBefore = out.classes.size();
  Parser p(store, start, fileIndex, out);
  ParseResult r = p.Run();
  // One object class per item, the last one given (a "Class:" line below an item
  // names its class after the item itself may have).
  auto first = out.classes.begin() + static_cast<std::ptrdiff_t>(classesBefore);
  std::stable_sort(first, out.classes.end(),
                   [](const detail::ClassRec& a, const detail::ClassRec& b) { return a.item < b.item; });
  auto kept = first;
  for (auto it = first; it != out.classes.end(); ++it) {
    if (kept != first && (kept - 1)->item == it->item)
      *(kept - 1) = *it;
    else
      *kept++ = *it;
  }
  out.classes.erase(kept, out.classes.end());
  return r;
}

}  // namespace ide
