// Formatting of outline items for the front end's listings.
#include "ItemFormat.h"

namespace olvcli {

std::string OneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;  // CR LF is one line break
      out += ' ';
    } else if (c == '\r' || c == '\n') {
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

std::string FormatItem(const ide::Outline& outline, ide::ItemId item) {
  std::string line = outline.File(item).path;
  line += ':';
  line += std::to_string(outline.Line(item));
  line += ": ";
  line += std::to_string(outline.Level(item));
  line += ' ';
  line += std::to_string(outline.Type(item));
  line += ' ';
  line += OneLine(outline.OutlineLine(item));
  return line;
}

}  // namespace olvcli
