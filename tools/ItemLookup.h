// Finding outline items the way the front end's commands name them: by the
// line on which the item starts, of the main file or of an included library.
#pragma once

#include <string>

#include "ide/outline/Outline.h"

namespace olvcli {

// The first item of the main file that starts on `line`; kNoItem when none.
ide::ItemId FindItemOnLine(const ide::Outline& outline, int line);

// A place as the user names it: LINE (of the main file) or FILE:LINE (of
// the main file or an included library, as the outline lists name it).
struct ItemPlace {
  std::string file;  // "" for the main file
  int line = 0;
};
// False when `text` is neither LINE nor FILE:LINE with a line from 1.
bool ParseItemPlace(const std::string& text, ItemPlace& place);
// The first item that starts on that line of that file: the file as the
// outline names it or any path to the same file. kNoItem when none.
ide::ItemId FindItemAt(const ide::Outline& outline, const ItemPlace& place);
// "FILE:LINE", the main file's name for a place without a file.
std::string PlaceName(const ide::Outline& outline, const ItemPlace& place);

}  // namespace olvcli
