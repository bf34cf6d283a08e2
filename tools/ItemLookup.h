// Finding outline items by where they stand in the main file, for the
// front end's commands that name items by line.
#pragma once

#include "ide/outline/Outline.h"

namespace olvcli {

// The first item of the main file that starts on `line`, kNoItem when none.
ide::ItemId FindItemOnLine(const ide::Outline& outline, int line);

}  // namespace olvcli
