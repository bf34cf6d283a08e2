// The line-level reader of both text formats. The tree is built from the
// level numbers (or tab counts) alone. The file is read block by block; what
// the items refer to (their lines as the file has them, from the first
// character of the text, and the data blocks) is kept in the file's store,
// the ".head" prefixes and directives are not; only texts that have to be
// rebuilt go to the file's arena.
#include "ide/outline/OutlineParser.h"

#include <algorithm>
#include <cstring>
#include <memory>
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

// The window of a file read block by block: small beside the file, so that
// the peak of a load is its store and its items.
constexpr size_t kWindow = 64 * 1024;

class Parser {
 public:
  Parser(ParseInput& in, FileStore& store, uint16_t file, const ParseTarget& out)
      : in_(in), store_(store), kept_(store.buffer), file_(file), items_(out.items), blocks_(out.blocks),
        classes_(out.classes), longSpans_(out.longSpans), first_(static_cast<ItemId>(out.items.size())) {}

  ParseResult Run();

 private:
  bool ParseLines();
  bool NextLine();
  bool Refill();
  void Scan(size_t from);
  void Drain();
  void EstimateStore();
  void ChooseLineEnd();
  bool LookingForLoneCr() const { return breakChar_ != '\r' && !loneCr_; }
  void Keep(size_t from) {  // the current line from `from` on, with its line break
    kept_.append(buf_ + from, next_ - from);
  }
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

  ParseInput& in_;
  FileStore& store_;
  detail::TextStore& kept_;  // what the items' spans refer to
  size_t consumed_ = 0;      // bytes before the window
  bool estimated_ = false;   // the store has room for the whole file, as estimated
  // The bytes read and not yet parsed: buf_[pos_, n_), the window of the
  // input; `window_` holds it when it is read from a file.
  const char* buf_ = nullptr;
  size_t n_ = 0, pos_ = 0;
  std::unique_ptr<char[]> window_;
  size_t windowSize_ = 0;
  bool eof_ = false;
  // Problems of the file as a whole, found as its bytes come in; they are
  // told before anything the parse finds (a NUL byte before a lone CR).
  bool nul_ = false, loneCr_ = false, readFailed_ = false;
  uint32_t nulLine_ = 0, loneCrLine_ = 0;
  std::string readError_;
  bool scanning_ = false;       // the line end is known: new bytes are looked at
  unsigned char head_[4] = {};  // the first bytes of the text
  size_t headSize_ = 0;
  uint32_t breaksBefore_ = 0;   // line breaks in the bytes before the window
  uint32_t windowLine_ = 0;     // lines parsed when the window was last moved
  size_t crFrom_ = 0;           // where the search for a lone CR goes on
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
  uint32_t curNextLine_ = 0;    // number of the line after its last text line
  bool indented_ = false;
  uint32_t curColonEnd_ = 0;    // title length with its colon, 0 when written without
};

// The next line into ls_, le_ and next_, reading on where the window holds
// no complete line. False at the end of the input, or once the file as a
// whole is found to be no outline text.
bool Parser::NextLine() {
  for (;;) {
    if (nul_ || loneCr_ || readFailed_) return false;
    if (pos_ >= n_ && eof_) return false;
    const void* nl = pos_ < n_ ? std::memchr(buf_ + pos_, breakChar_, n_ - pos_) : nullptr;
    size_t end = nl ? static_cast<const char*>(nl) - buf_ : n_;
    // A line is complete when its break is in the window (a CR with the byte
    // after it, which may be the LF of a CR LF) or the input has ended.
    const bool complete = nl ? (breakChar_ == '\n' || end + 1 < n_ || eof_) : eof_;
    if (!complete) {
      Refill();
      continue;
    }
    ls_ = pos_;
    next_ = nl ? end + 1 : end;
    if (breakChar_ == '\r') {
      if (next_ < n_ && buf_[next_] == '\n') ++next_;  // a CR LF among CR line ends
    } else if (end > ls_ && buf_[end - 1] == '\r') {
      --end;
    }
    le_ = end;
    pos_ = next_;
    ++lineNo_;
    return true;
  }
}

// Moves the unparsed bytes to the front of the window and reads more after
// them; the window grows when one line fills it. Only file input has more to read.
bool Parser::Refill() {
  if (eof_) return false;
  const size_t rest = n_ - pos_;
  breaksBefore_ += lineNo_ - windowLine_;
  windowLine_ = lineNo_;
  if (rest * 2 > windowSize_) {
    std::unique_ptr<char[]> bigger(new char[windowSize_ * 2]);
    std::memcpy(bigger.get(), buf_ + pos_, rest);
    window_.swap(bigger);
    windowSize_ *= 2;
  } else if (pos_ > 0) {
    std::memmove(window_.get(), buf_ + pos_, rest);
  }
  crFrom_ -= std::min(crFrom_, pos_);
  consumed_ += pos_;
  EstimateStore();
  buf_ = window_.get();
  pos_ = 0;
  n_ = rest;
  const long long got = in_.file->Read(window_.get() + n_, windowSize_ - n_, readError_);
  if (got < 0) {
    readFailed_ = true;
    return false;
  }
  if (got == 0) eof_ = true;
  const size_t from = n_;
  n_ += static_cast<size_t>(got);
  if (scanning_) Scan(from);
  return true;
}

// Once a first part of a file is parsed, the store gets the room the whole
// file will need at the rate that part kept (a little more), so that it
// grows by copying rarely if at all.
void Parser::EstimateStore() {
  if (estimated_ || in_.file == nullptr || consumed_ < kWindow / 2) return;
  estimated_ = true;
  const double rate = static_cast<double>(kept_.size()) / static_cast<double>(consumed_);
  const double total = static_cast<double>(in_.file->Size());
  kept_.reserve(static_cast<size_t>(std::min(total, total * rate * 1.04 + 4096.0)));
}

// Looks at the window's bytes from `from` on for what makes the whole file no
// outline text: a NUL byte, or (where lines end in LF or CR LF) a CR alone,
// which would join two lines into one item's text without a trace. (A CR at
// the very end of the file ends the last line.)
void Parser::Scan(size_t from) {
  if (nul_) return;
  if (const void* nul = std::memchr(buf_ + from, '\0', n_ - from)) {
    const size_t at = static_cast<const char*>(nul) - buf_;
    nul_ = true;
    nulLine_ = 1 + breaksBefore_ + static_cast<uint32_t>(std::count(buf_, buf_ + at, breakChar_));
    return;
  }
  if (LookingForLoneCr()) {
    for (const void* cr = std::memchr(buf_ + crFrom_, '\r', n_ - crFrom_); cr != nullptr;) {
      const size_t at = static_cast<const char*>(cr) - buf_;
      if (at + 1 == n_ && !eof_) {
        crFrom_ = at;  // told by the byte after it, still to be read
        return;
      }
      if (at + 1 < n_ && buf_[at + 1] != '\n') {
        loneCr_ = true;
        loneCrLine_ = 1 + breaksBefore_ + static_cast<uint32_t>(std::count(buf_, buf_ + at, '\n'));
        return;
      }
      cr = at + 2 < n_ ? std::memchr(buf_ + at + 2, '\r', n_ - at - 2) : nullptr;
    }
    crFrom_ = n_;
  }
}

// After the parse, the rest of the file is read only to look for a NUL byte or
// a lone CR, which are told in place of what the parse found.
void Parser::Drain() {
  while (!eof_ && !nul_ && !readFailed_) {
    // All of the window has been looked at but a CR at its very end, which
    // stays for the byte after it.
    const size_t keep = LookingForLoneCr() && crFrom_ < n_ ? 1 : 0;
    breaksBefore_ += static_cast<uint32_t>(std::count(buf_, buf_ + n_ - keep, breakChar_));
    if (keep) window_[0] = '\r';
    n_ = pos_ = keep;
    crFrom_ = 0;
    const long long got = in_.file->Read(window_.get() + n_, windowSize_ - n_, readError_);
    if (got < 0) {
      readFailed_ = true;
      return;
    }
    if (got == 0) eof_ = true;
    const size_t from = n_;
    n_ += static_cast<size_t>(got);
    Scan(from);
  }
}

// The first line break tells how the file's lines end: LF, CR LF, or CR alone.
void Parser::ChooseLineEnd() {
  for (size_t i = 0;; ++i) {
    while (i + 1 >= n_ && !eof_)
      if (!Refill()) break;
    if (i >= n_) return;
    if (buf_[i] == '\n') return;
    if (buf_[i] == '\r') {
      if (i + 1 < n_ && buf_[i + 1] == '\n') return;
      breakChar_ = '\r';
      eol_ = "\r";
      return;
    }
  }
}

void Parser::MoveCurrentToArena() {
  ItemRec& it = items_[cur_];
  if (it.base & kArenaBit) return;
  const uint32_t oldBase = it.base;
  const uint32_t newBase = static_cast<uint32_t>(store_.arena.size());
  store_.arena.append(kept_.data() + oldBase, curEnd_ - oldBase);
  it.base = newBase | kArenaBit;
  curEnd_ = static_cast<uint32_t>(store_.arena.size());
}

void Parser::AddContinuation(size_t from) {
  if (cur_ == kNoItem) return;
  ItemRec& it = items_[cur_];
  if (!indented_ && !(it.base & kArenaBit) && lineNo_ == curNextLine_ && from == ls_) {
    // The line right after the item's last one: the store holds that line and
    // its break, this line follows them as in the file.
    curEnd_ = static_cast<uint32_t>(kept_.size() + (le_ - ls_));
    Keep(ls_);
  } else {
    MoveCurrentToArena();
    store_.arena.append(eol_);
    store_.arena.append(buf_ + from, le_ - from);
    curEnd_ = static_cast<uint32_t>(store_.arena.size());
  }
  curNextLine_ = lineNo_ + 1;
}

void Parser::Finish() {
  ItemRec& it = items_[cur_];
  detail::Spans& sp = curSpans_;
  const char* s = (it.base & kArenaBit) ? store_.arena.data() : kept_.data();
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
  const std::string_view raw(buf_ + textStart, le_ - textStart);
  const ClassifiedLine c = ClassifyLine(raw, ctx);
  it.type = static_cast<uint16_t>(c.type);
  it.base = static_cast<uint32_t>(kept_.size());
  curSpans_ = detail::Spans();
  curSpans_.titleLen = c.titleLen;
  curSpans_.textRel = c.textRel;
  curSpans_.nameRel = c.nameRel;
  curSpans_.nameLen = c.nameLen;
  curOwnClass_ = false;
  if (c.classLen) {
    // The store is only appended to, so the span stays valid if the text moves to the arena.
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
  curEnd_ = static_cast<uint32_t>(kept_.size() + (le_ - textStart));
  curNextLine_ = lineNo_ + 1;
  Keep(textStart);
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
    const bool arena = (it.base & kArenaBit) != 0;
    const char* s = arena ? store_.arena.data() : kept_.data();
    const size_t size = arena ? store_.arena.size() : kept_.size();
    const uint32_t b = it.base & ~kArenaBit;
    uint32_t i = curSpans_.textRel;
    while (b + i < size && IsBlank(s[b + i])) ++i;
    uint32_t e = i;
    while (b + e < size && !IsBlank(s[b + e]) && s[b + e] != '\r' && s[b + e] != '\n' &&
           s[b + e] != '=' && s[b + e] != '!')
      ++e;
    curSpans_.nameRel = i;
    curSpans_.nameLen = e - i;
  }
}

bool Parser::ParseLines() {
  if (!NextLine()) return false;
  const std::string_view first(buf_ + ls_, le_ - ls_);
  if (breakChar_ == '\n' && next_ > le_ + 1) eol_ = "\r\n";
  if (StartsWith(first, ".head ")) {
    indented_ = false;
  } else if (StartsWith(first, "Application Description")) {
    indented_ = true;
  } else if (StartsWith(first, ".data ") || Is(first, ".data")) {
    return Fail("not a text-format outline: a data block before the first item", 1);
  } else {
    return Fail("not a text-format outline: the first line is neither a '.head' line nor "
                "'Application Description'",
                1);
  }

  bool inData = false;
  size_t dataStart = 0;
  uint32_t dataLine = 0;
  int winattr = 0;
  uint32_t winattrLine = 0;
  bool more = true;
  while (more) {
    const std::string_view line(buf_ + ls_, le_ - ls_);
    if (inData) {
      if (Is(line, ".enddata")) {
        inData = false;
        blocks_.push_back({cur_, file_, static_cast<uint32_t>(dataStart),
                           static_cast<uint32_t>(kept_.size() + (le_ - ls_) - dataStart)});
      }
      Keep(ls_);
    } else if (!line.empty() && line[0] == '.' && StartsWith(line, ".head ")) {
      if (indented_) return Fail("a .head line in a tab-indented outline", lineNo_);
      size_t p = ls_ + 6;
      int level = 0;
      bool digits = false;
      while (p < le_ && buf_[p] >= '0' && buf_[p] <= '9') {
        if (level <= kMaxOutlineLevel) level = level * 10 + (buf_[p] - '0');
        digits = true;
        ++p;
      }
      if (!digits || p + 2 > le_ || buf_[p] != ' ' || (buf_[p + 1] != '+' && buf_[p + 1] != '-'))
        return Fail("malformed .head line", lineNo_);
      if (level > kMaxOutlineLevel)  // named as written: the number need not fit an int
        return Fail("level " + std::string(buf_ + ls_ + 6, p - (ls_ + 6)) + " is deeper than the limit of " +
                        std::to_string(kMaxOutlineLevel),
                    lineNo_);
      if (!AddItem(level, p + 2)) return false;
    } else if (!line.empty() && line[0] == '.' && (StartsWith(line, ".data ") || Is(line, ".data"))) {
      if (items_.size() == first_) return Fail("a data block before the first item", lineNo_);
      inData = true;
      dataStart = kept_.size();
      dataLine = lineNo_;
      Keep(ls_);
    } else if (!line.empty() && line[0] == '.' && Is(line, ".enddata")) {
      return Fail("'.enddata' without '.data'", lineNo_);
    } else if (!line.empty() && line[0] == '.' && (Is(line, ".winattr") || StartsWith(line, ".winattr "))) {
      if (winattr++ == 0) winattrLine = lineNo_;
      Winattr(line);
    } else if (!line.empty() && line[0] == '.' && Is(line, ".end")) {
      if (winattr == 0) return Fail("'.end' without '.winattr'", lineNo_);
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
        if (!AddItem(static_cast<int>(tabs), ls_ + tabs)) return false;
      }
    }
    more = NextLine();
  }
  if (inData) return Fail("data block not closed by '.enddata'", dataLine);
  if (winattr != 0) return Fail("'.winattr' not closed by '.end'", winattrLine);
  if (items_.size() == first_) return Fail("not a text-format outline: no item", 0);
  if (cur_ != kNoItem) Finish();
  result_.ok = true;
  return true;
}

ParseResult Parser::Run() {
  if (in_.file == nullptr) {  // all of the text is at hand
    buf_ = in_.text.data();
    n_ = in_.text.size();
    eof_ = true;
  } else {
    windowSize_ = std::max<size_t>({in_.window != 0 ? in_.window : kWindow, 2 * in_.text.size(), 1});
    window_.reset(new char[windowSize_]);
    if (!in_.text.empty()) std::memcpy(window_.get(), in_.text.data(), in_.text.size());
    buf_ = window_.get();
    n_ = in_.text.size();
    while (n_ < sizeof head_ && !eof_)
      if (!Refill()) break;
  }
  if (!readFailed_) {
    headSize_ = std::min(sizeof head_, n_);
    if (headSize_ != 0) std::memcpy(head_, buf_, headSize_);
    if (n_ == 0) return Fail("not a text-format outline: the file is empty", 0), result_;
    ChooseLineEnd();
    scanning_ = true;
    Scan(0);
  }
  if (!readFailed_) ParseLines();
  if (in_.file != nullptr && !readFailed_) Drain();
  // What concerns the file as a whole comes first.
  if (readFailed_) return Fail(readError_, 0), result_;
  if (nul_) {
    const unsigned char* b = head_;
    auto text = [](unsigned char c) { return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\r' || c == '\n'; };
    if (headSize_ >= 4 && ((b[1] == 0 && b[3] == 0 && text(b[0]) && text(b[2])) ||
                           (b[0] == 0 && b[2] == 0 && text(b[1]) && text(b[3]))))
      return Fail("not a text-format outline: UTF-16 text without a byte-order mark", 1), result_;
    return Fail("not a text-format outline: a NUL byte (binary data, not text)", nulLine_), result_;
  }
  if (loneCr_) return Fail("a CR without LF inside a line (this file's lines end in LF or CR LF)", loneCrLine_), result_;
  return result_;
}

}  // namespace

ParseResult ParseOutlineText(ParseInput& in, detail::FileStore& store, uint16_t fileIndex, const ParseTarget& out) {
  const size_t classesBefore = out.classes.size();
  // The store never holds more than the text; a file's store starts with the
  // room of the parser's window and is then sized by estimate.
  store.buffer.reserve(in.file != nullptr ? std::min<size_t>(kWindow, static_cast<size_t>(in.file->Size()))
                                          : in.text.size());
  Parser p(in, store, fileIndex, out);
  ParseResult r = p.Run();
  store.buffer.shrink_to_fit();
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
