// Formatting of report-window lines for the front end (see ReportLineFormat.h).
#include "ReportLineFormat.h"

#include "ItemFormat.h"

namespace olvcli {

std::string FormatReportLine(const ide::ReportLine& line, bool links, const TextEncoding* encoding) {
  std::string out;
  const ide::Ide& ide = ide::Ide::Instance();
  if (links && ide.IsValidItem(line.outline, line.item)) {
    const ide::Outline& outline = *ide.GetOutline(line.outline);
    ide::ItemId item = ide::ToItemId(line.item);
    out = outline.File(item).path;
    out += ':';
    out += std::to_string(outline.Line(item));
    out += ": ";
  }
  out += encoding != nullptr ? encoding->ToUtf8(OneLine(line.text)) : OneLine(line.text);
  return out;
}

}  // namespace olvcli
