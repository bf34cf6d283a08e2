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

// Parses `store.buffer` from byte `start`. Items are appended to `items` (their ids
// continue from the vector's size) in file order, data blocks to `blocks`. On failure
// the vectors hold a partial result the caller discards.
ParseResult ParseOutlineText(detail::FileStore& store, size_t start, uint16_t fileIndex,
                             detail::ItemVector& items,
                             std::vector<detail::DataBlockRec>& blocks);

}  // namespace ide
