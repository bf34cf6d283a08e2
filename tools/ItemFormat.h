// How the front end writes one outline item: "FILE:LINE: LEVEL TYPE TEXT",
// the location first so that editors and grep-like tools can jump to it.
#pragma once

#include <string>
#include <string_view>

#include "ide/outline/Outline.h"

namespace olvcli {

// The text with every line break (CR LF, LF or CR) turned into one blank, so
// that a multi-line item or report line stays on one output line; tabs stay.
std::string OneLine(std::string_view text);

// "FILE:LINE: LEVEL TYPE OUTLINE-LINE" for one item; FILE is the path of the
// file the item was read from (as given for the main file, as found for a
// library).
std::string FormatItem(const ide::Outline& outline, ide::ItemId item);

}  // namespace olvcli
