// Fuzz target: the outline reader on a main file. Every input either loads
// or fails with a description; a loaded outline is walked whole.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>

#include "FuzzFiles.h"
#include "ide/outline/OutlineReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::WriteWorkFile("main.app", data, size);
  ide::Outline outline;
  ide::LoadStatus status = ide::LoadOutline(path, ide::LoadOptions{}, outline);
  if (!status) {
    if (status.description.empty() || status.Message().empty()) abort();
    if (outline.Count() != 0) abort();
    return 0;
  }
  size_t total = 0;
  for (ide::ItemId i = 0; i < outline.Count(); ++i) {
    total += outline.Title(i).size() + outline.Text(i).size() + outline.Name(i).size();
    const ide::ItemId parent = outline.Parent(i);
    if (i != outline.Root() && (parent == ide::kNoItem || parent >= i)) abort();
    if (outline.Level(i) > ide::kMaxOutlineLevel) abort();
  }
  return total == static_cast<size_t>(-1);
}
