// How the front end's commands print what the IDE shows: as text lines
// ("FILE:LINE: TEXT") or, with --json, as JSON Lines; with --encoding the
// file's texts are converted to UTF-8 on the way. Also the two options
// themselves, which every command offers.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "DialogControls.h"
#include "HitPlace.h"
#include "Terminal.h"
#include "TextEncoding.h"
#include "ide/core/Ide.h"

namespace olvcli {

struct OutputOptions {
  bool json = false;
  std::string encodingName;  // as given with --encoding
  TextEncoding encoding;     // set from encodingName by PrepareOutput
  ColorOption color;
  bool colored = false;      // set from color by PrepareOutput (never with JSON)
};

// The environment variable that names the code page when --encoding is not given.
extern const char kEncodingVariable[];

// Adds --encoding NAME (checked by the system's converter while the command line is
// parsed), --color and, unless the command has its own, --json to `cmd`.
void AddOutputOptions(CLI::App* cmd, OutputOptions& options, bool addJson = true);
// Sets the encoding from its name (or from OLVAREN_ENCODING without one) and
// whether to colour; false (after a message to standard error naming the
// value) when the encoding cannot be used.
bool PrepareOutput(OutputOptions& options);

// A search's report line: the pattern and options its hits were found with,
// and whether a hit line carries its column.
struct HitStyle {
  const MatchRule* rule = nullptr;
  bool column = false;
};

// One report-window line: "FILE:LINE: TEXT" (no location without links or
// without a linked item), or {"text":..,"file":..,"line":..,"item_type":..,
// "type_name":..} with null for a line that leads nowhere. With a rule
// (MassFinder's report) a hit line is "FILE:LINE:COL: TEXT" when asked for
// its column, its match is coloured, and the JSON adds "column" (1-based, in
// the text as printed; null when the match is not in the item's line) and
// "path" (the location's names).
std::string FormatReportOutput(const ide::ReportLine& line, bool links, const OutputOptions& options,
                               const HitStyle& hit = HitStyle());

// "FILE:LINE: " (or "FILE:LINE:COL: " with a column from 1) of an item,
// coloured when `colored`.
std::string LocationText(const std::string& file, int line, int column, bool colored);

// {"file":..,"line":..,"item_type":..,"text":..} of one item (text: its
// outline line).
std::string ItemObjectJson(const ide::Outline& outline, ide::ItemId item, const TextEncoding& encoding);
// "FILE:LINE: OUTLINE-LINE" of one item (without the location when links are
// off), the outline line on one line.
std::string ItemLineText(const ide::Outline& outline, ide::ItemId item, bool links, const TextEncoding& encoding);

// The item the IDE's outline editor shows; false when it shows none.
bool ShownItem(const ide::Outline*& outline, ide::ItemId& item);
// The shown item as ItemLineText, or "(nothing shown)"; with JSON its object,
// or null.
std::string FormatShownItem(bool links, const OutputOptions& options);

// The inline editor: "editor: closed", or "editor: TEXT" with a '|' at the
// caret (the text on one line); with JSON {"editor":null} or
// {"editor":{"text":..,"caret":N}}.
std::string FormatEditorState(bool open, const std::string& text, int caret, const OutputOptions& options);

// The dialog's state: "dialog: none", or the lines "dialog: open",
// "focus: ...", "edit: ...", one "entry: ..." per list entry and "[x] NAME" /
// "[ ] NAME" per check box; with JSON one object {"dialog":false} or
// {"dialog":true,"focus":..,"edit":..,"entries":[..],"checks":{NAME:bool,..}}.
std::string FormatDialogState(const DialogState& state, const OutputOptions& options);

}  // namespace olvcli
