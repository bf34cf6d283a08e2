// Finding outline items the way the front end's commands name them: by the
// line of the main file on which the item starts.
#pragma once

#include "ide/outline/Outline.h"

namespace olvcli {

// The first item of the main file that starts on `line`; kNoItem when none.
ide::ItemId FindItemOnLine(const ide::Outline& outline, int line);

}  // namespace olvcli
