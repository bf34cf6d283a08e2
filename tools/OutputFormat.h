// How the front end's commands print what the IDE shows: as text lines
// ("FILE:LINE: TEXT") or, with --json, as JSON Lines; with --encoding the
// file's texts are converted to UTF-8 on the way. Also the two options
// themselves, which every command offers.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "DialogControls.h"
#include "TextEncoding.h"
#include "ide/core/Ide.h"

namespace olvcli {

struct OutputOptions {
  bool json = false;
  std::string encodingName;  // as given with --encoding
  TextEncoding encoding;     // set from encodingName by PrepareOutput
};

// Adds --encoding NAME (checked by the system's converter while the command line is
// parsed) and, unless the command has its own, --json to `cmd`.
void AddOutputOptions(CLI::App* cmd, OutputOptions& options, bool addJson = true);
// Sets the encoding from its name; false (after a message to standard error)
// when it cannot be used.
bool PrepareOutput(OutputOptions& options);

// One report-window line: "FILE:LINE: TEXT" (no location without links or
// without a linked item), or {"text":..,"file":..,"line":..,"item_type":..}
// with null for a line that leads nowhere.
std::string FormatReportOutput(const ide::ReportLine& line, bool links, const OutputOptions& options);

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
