// How `olvaren outline --json` writes one outline item: one JSON object per
// line with the item's location, level, type and texts. Strings carry the
// item's bytes exactly: every byte above 127 becomes the code point of the
// same value (written as \u00XX), so text in any single-byte code page can be
// recovered byte for byte.
#pragma once

#include <string>
#include <string_view>

#include "ide/outline/Outline.h"

namespace olvcli {

// `bytes` as a JSON string literal, quotes included.
std::string JsonString(std::string_view bytes);

// {"file":..,"line":..,"level":..,"type":..,"title":..,"text":..,"name":..,
//  "object_class":..,"included":..,"including":..} for one item.
std::string FormatItemJson(const ide::Outline& outline, ide::ItemId item);

}  // namespace olvcli
