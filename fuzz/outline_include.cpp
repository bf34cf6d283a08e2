// Fuzz target: the outline reader on an included library. The main file is
// fixed and includes "lib.apl", whose content is the input; a library that
// fails to load becomes a warning, and the application loads all the same.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>

#include <cstring>

#include "FuzzFiles.h"
#include "ide/outline/OutlineReader.h"

namespace {
const char kMain[] =
    ".head 0 +  Application Description: fuzz\n"
    ".head 1 -  Outline Version - 4.0.28\n"
    ".head 1 +  Libraries\n"
    ".head 2 -  File Include: lib.apl\n"
    ".head 1 +  Global Declarations\n"
    ".head 2 +  Class Definitions\n"
    ".head 3 +  Functional Class: cOwn\n"
    ".head 2 +  Internal Functions\n"
    ".head 3 +  Function: Own\n";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string mainPath = fuzz::WriteWorkFile(
      "main.app", reinterpret_cast<const uint8_t*>(kMain), std::strlen(kMain));
  fuzz::WriteWorkFile("lib.apl", data, size);
  ide::Outline outline;
  ide::LoadStatus status = ide::LoadOutline(mainPath, ide::LoadOptions{}, outline);
  if (!status) abort();  // the main file is fine whatever the library holds
  for (ide::ItemId i = 0; i < outline.Count(); ++i) {
    const ide::ItemId parent = outline.Parent(i);
    if (i != outline.Root() && (parent == ide::kNoItem || parent >= i)) abort();
    (void)outline.Text(i);
  }
  return 0;
}
