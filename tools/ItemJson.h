// How `olvaren outline --json` writes one outline item: one JSON object per
// line with the item's location, level, type and texts. Strings carry the
// item's bytes exactly: every byte above 127 becomes the code point of the
// same value (written as \u00XX), so text in any single-byte code page can be
// recovered byte for byte.
#pragma once

#include <string>
#include <string_view>

#include "TextEncoding.h"
#include "ide/outline/Outline.h"

namespace olvcli {

// `bytes` as a JSON string literal, quotes included.
std::string JsonString(std::string_view bytes);

// `utf8` as a JSON string literal with its characters as they are (only
// quotes, backslashes and control characters escaped).
std::string JsonUtf8String(std::string_view utf8);
// A text of the file as a JSON string literal: byte for byte as JsonString,
// or converted to UTF-8 when an encoding is set.
std::string JsonText(std::string_view bytes, const TextEncoding* encoding);

// {"file":..,"line":..,"level":..,"type":..,"title":..,"text":..,"name":..,
//  "object_class":..,"included":..,"including":..} for one item, with
// "type_name" after "type" when `typeName` is given (it names a type code,
// or gives nullptr for null). The texts go through `encoding` when one is
// given and set.
using TypeNameFn = const char* (*)(int type);
std::string FormatItemJson(const ide::Outline& outline, ide::ItemId item, const TextEncoding* encoding = nullptr,
                           TypeNameFn typeName = nullptr);

}  // namespace olvcli
