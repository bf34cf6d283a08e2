// Finding outline items by line (see ItemLookup.h).
#include "ItemLookup.h"

namespace olvcli {

ide::ItemId FindItemOnLine(const ide::Outline& outline, int line) {
  const std::string& mainFile = outline.File(outline.Root()).path;
  for (ide::ItemId i = 0; i < outline.Count(); ++i)
    if (outline.Line(i) == line && outline.File(i).path == mainFile) return i;
  return ide::kNoItem;
}

}  // namespace olvcli
