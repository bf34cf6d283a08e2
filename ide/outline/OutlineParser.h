// Parsing one file of the IDE's text formats into outline items: the ".head N
// +  TEXT" format and the tab-indented format, with continuation lines, data
// blocks and ".winattr" wrappers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ide/outline/Outline.h"
#include "ide/outline/TextDecoding.h"

namespace ide {

struct ParseResult {
  bool ok = false;
  std::string description;
  int line = 0;
};

// Where the parser puts what it reads: items (their ids continue from the
// vector's size) in file order, data blocks, object classes (in item order, a
// later entry for an item replacing an earlier one) and the spans that do not
// fit an item record.
struct ParseTarget {
  detail::ItemVector& items;
  std::vector<detail::DataBlockRec>& blocks;
  std::vector<detail::ClassRec>& classes;
  std::vector<detail::Spans>& longSpans;
};

// What the parser reads: the bytes at hand (all of a text in memory, or the
// first bytes of a file, byte-order mark left out) and, for a file, where the
// rest comes from.
struct ParseInput {
  std::string_view text;
  FileBlocks* file = nullptr;  // nullptr: `text` is all of it
  size_t window = 0;           // bytes read from the file at a time; 0: the parser's own choice
};

// Parses the input into `out`, keeping in `store.buffer` what the items'
// spans refer to. On failure `out` holds a partial result the caller discards.
ParseResult ParseOutlineText(ParseInput& in, detail::FileStore& store, uint16_t fileIndex, const ParseTarget& out);

}  // namespace ide
