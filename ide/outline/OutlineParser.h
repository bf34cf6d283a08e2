// Parsing one file of the IDE's text formats into outline items: the ".head N
// +  TEXT" format and the tab-indented format, with continuation lines, data
// blocks and ".winattr" wrappers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ide/outline/Outline.h"

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

// Parses `store.buffer` from byte `start` into `out`. On failure `out` holds a
// partial result the caller discards.
ParseResult ParseOutlineText(detail::FileStore& store, size_t start, uint16_t fileIndex, const ParseTarget& out);

}  // namespace ide
