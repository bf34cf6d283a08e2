// Splits the first line of an outline item into title and text and gives it
// its type code, declared name and (where the line itself says) object class.
#pragma once

#include <cstdint>
#include <string_view>

namespace ide {

struct ItemContext {
  int parent = 0;       // type of the parent item, 0 for the top-level item
  int grandparent = 0;  // type of the parent's parent, 0 when none
};

struct ClassifiedLine {
  int type = 0;
  uint32_t titleLen = 0;    // title without a trailing colon
  uint32_t colonPos = 0;    // position of the colon after the title (when hasColon)
  bool hasColon = false;    // the title is followed by ':' (kept in the title when the text is empty)
  uint32_t textRel = 0;     // start of the text (after the separator and one blank)
  uint32_t nameRel = 0, nameLen = 0;    // declared name, relative to the line start
  uint32_t classRel = 0, classLen = 0;  // object class written on the line itself
  bool parentClass = false; // a "Class: X" property: its name is the parent's object class
};

// `line` starts at the item's first non-blank character and runs to the end of its
// first line (trailing blanks included, no line break).
ClassifiedLine ClassifyLine(std::string_view line, ItemContext context);

// The window type named by a ".winattr class KIND:" wrapper ("Form Window", "Pushbutton"...),
// or 0 when the kind names no window.
int WindowTypeForKind(std::string_view kind);

}  // namespace ide
