// How the front end writes one line of the IDE's report window: the text,
// preceded by "FILE:LINE: " of the item the line leads to (the file the item
// was read from, an included library too), so that editors and grep-like
// tools can jump to it.
#pragma once

#include <string>

#include "TextEncoding.h"
#include "ide/core/Ide.h"

namespace olvcli {

// `line` as one output line (line breaks and tabs of its text become blanks).
// With `links` and an item that the IDE still holds, the item's location
// comes first. The text goes through `encoding` when one is given.
std::string FormatReportLine(const ide::ReportLine& line, bool links, const TextEncoding* encoding = nullptr);

}  // namespace olvcli
