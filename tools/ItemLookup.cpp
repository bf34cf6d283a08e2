// Finding outline items by line (see ItemLookup.h).
#include "ItemLookup.h"

#include <filesystem>
#include <map>

#include "EditPosition.h"

namespace olvcli {

ide::ItemId FindItemOnLine(const ide::Outline& outline, int line) {
  const std::string& mainFile = outline.File(outline.Root()).path;
  for (ide::ItemId i = 0; i < outline.Count(); ++i)
    if (outline.Line(i) == line && outline.File(i).path == mainFile) return i;
  return ide::kNoItem;
}

bool ParseItemPlace(const std::string& text, ItemPlace& place) {
  place = ItemPlace();
  const size_t colon = text.rfind(':');
  if (colon == std::string::npos) return ParsePositive(text, place.line);
  place.file = text.substr(0, colon);
  return !place.file.empty() && ParsePositive(text.substr(colon + 1), place.line);
}

ide::ItemId FindItemAt(const ide::Outline& outline, const ItemPlace& place) {
  if (place.file.empty()) return FindItemOnLine(outline, place.line);
  // The outline's files the place names, each asked once: by its name, or as
  // the same file under another path.
  std::map<const ide::SourceFile*, bool> names;
  for (ide::ItemId i = 0; i < outline.Count(); ++i) {
    if (outline.Line(i) != place.line) continue;
    const ide::SourceFile* file = &outline.File(i);
    auto known = names.find(file);
    if (known == names.end()) {
      std::error_code ignored;
      known = names.emplace(file, file->path == place.file || std::filesystem::equivalent(file->path, place.file, ignored)).first;
    }
    if (known->second) return i;
  }
  return ide::kNoItem;
}

std::string PlaceName(const ide::Outline& outline, const ItemPlace& place) {
  const std::string& file = place.file.empty() ? outline.File(outline.Root()).path : place.file;
  return file + ':' + std::to_string(place.line);
}

}  // namespace olvcli
