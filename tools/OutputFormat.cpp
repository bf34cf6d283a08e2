// Printing what the IDE shows as text or JSON Lines (see OutputFormat.h).
#include "OutputFormat.h"

#include <cstdlib>
#include <iostream>

#include "ItemFormat.h"
#include "ItemJson.h"
#include "ReportLineFormat.h"
#include "MultibyteCodePage.h"
#include "ItemTypeNames.h"

namespace olvcli {

const char kEncodingVariable[] = "OLVAREN_ENCODING";

namespace {

// "item_type" and "type_name" of an item, as JSON members after a comma.
std::string ItemTypeJson(int type) {
  const char* name = ItemTypeName(type);
  return ",\"item_type\":" + std::to_string(type) + ",\"type_name\":" + (name ? JsonString(name) : "null");
}

}  // namespace

void AddOutputOptions(CLI::App* cmd, OutputOptions& options, bool addJson) {
  if (addJson)
    cmd->add_flag("--json", options.json,
                  "Print JSON Lines instead (strings carry the file's bytes, bytes above 127 as the code points "
                  "of the same value, unless --encoding is given)");
  cmd->add_option("--encoding", options.encodingName,
                  "Code page of the file's text (cp1251, cp1252, latin1, UTF-8 ...; on Linux any name iconv knows): its texts are "
                  "printed as UTF-8, and texts typed on the command line or in a script are converted to it; the search "
                  "still runs on the file's bytes, with letter case and words as the code page has them (a single-byte "
                  "code page: the runtime's multibyte code page is set to it). Default: the OLVAREN_ENCODING "
                  "environment variable")
      ->check(CLI::Validator(
          [](std::string& name) { return CheckEncodingName(name); }, "NAME", "a known encoding"));
  AddColorOption(cmd, options.color);
}

bool PrepareOutput(OutputOptions& options) {
  std::string error;
  options.colored = !options.json && options.color.Enabled();
  if (options.encodingName.empty()) {
    const char* fromEnvironment = std::getenv(kEncodingVariable);
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
      std::string name = fromEnvironment;
      std::string problem = CheckEncodingName(name);
      if (problem.empty() && options.encoding.Set(name, error)) {
        UseForMultibyteFunctions(name);
        return true;
      }
      std::cerr << kEncodingVariable << '=' << name << ": " << (problem.empty() ? error : problem) << '\n';
      return false;
    }
  }
  if (options.encoding.Set(options.encodingName, error)) {
    UseForMultibyteFunctions(options.encodingName);
    return true;
  }
  std::cerr << error << '\n';
  return false;
}

std::string LocationText(const std::string& file, int line, int column, bool colored) {
  std::string out = Painted(Paint::Path, file, colored) + ':' + Painted(Paint::Number, std::to_string(line), colored);
  if (column > 0) out += ':' + Painted(Paint::Number, std::to_string(column), colored);
  return out + ": ";
}

std::string ItemObjectJson(const ide::Outline& outline, ide::ItemId item, const TextEncoding& encoding) {
  std::string out = "{\"file\":" + JsonString(outline.File(item).path);
  out += ",\"line\":" + std::to_string(outline.Line(item));
  out += ItemTypeJson(outline.Type(item));
  out += ",\"text\":" + JsonText(outline.OutlineLine(item), &encoding);
  out += '}';
  return out;
}

std::string ItemLineText(const ide::Outline& outline, ide::ItemId item, bool links, const TextEncoding& encoding) {
  std::string text;
  if (links) text = outline.File(item).path + ':' + std::to_string(outline.Line(item)) + ": ";
  return text + encoding.ToUtf8(OneLine(outline.OutlineLine(item)));
}

std::string FormatReportOutput(const ide::ReportLine& line, bool links, const OutputOptions& options,
                               const HitStyle& hit) {
  const ide::Ide& ide = ide::Ide::Instance();
  const ide::Outline* outline = nullptr;
  ide::ItemId item = ide::kNoItem;
  if (ide.IsValidItem(line.outline, line.item)) {
    outline = ide.GetOutline(line.outline);
    item = ide::ToItemId(line.item);
  }
  const TextEncoding& enc = options.encoding;
  const std::string text = OneLine(line.text);
  HitPlace place;
  if (outline != nullptr && hit.rule != nullptr) place = LocateHit(text, *outline, item, *hit.rule);
  // The column counts the bytes printed before the match, as ripgrep's does.
  const int column = place.located ? static_cast<int>(enc.ToUtf8(text.substr(0, place.matchStart)).size()) + 1 : 0;
  if (!options.json) {
    std::string out;
    if (links && outline != nullptr)
      out = LocationText(outline->File(item).path, outline->Line(item),
                         hit.column ? (column > 0 ? column : 1) : 0, options.colored);
    if (!place.located || !options.colored) return out + enc.ToUtf8(text);
    return out + enc.ToUtf8(text.substr(0, place.matchStart)) +
           Painted(Paint::Match, enc.ToUtf8(text.substr(place.matchStart, place.matchLength)), true) +
           enc.ToUtf8(text.substr(place.matchStart + place.matchLength));
  }
  std::string out = "{\"text\":" + JsonText(line.text, &enc);
  if (outline != nullptr) {
    out += ",\"file\":" + JsonString(outline->File(item).path);
    out += ",\"line\":" + std::to_string(outline->Line(item));
    out += ItemTypeJson(outline->Type(item));
  } else {
    out += ",\"file\":null,\"line\":null,\"item_type\":null,\"type_name\":null";
  }
  if (hit.rule != nullptr) {
    out += ",\"column\":" + (column > 0 ? std::to_string(column) : std::string("null"));
    if (outline == nullptr) {
      out += ",\"path\":null";
    } else {
      out += ",\"path\":[";
      for (size_t i = 0; i < place.path.size(); ++i) out += (i ? "," : "") + JsonText(place.path[i], &enc);
      out += ']';
    }
  }
  out += '}';
  return out;
}

bool ShownItem(const ide::Outline*& outline, ide::ItemId& item) {
  const ide::Ide& ide = ide::Ide::Instance();
  if (!ide.IsValidItem(ide.CurrentOutline(), ide.CurrentItem())) return false;
  outline = ide.GetOutline(ide.CurrentOutline());
  item = ide::ToItemId(ide.CurrentItem());
  return outline != nullptr;
}

std::string FormatShownItem(bool links, const OutputOptions& options) {
  const ide::Outline* outline = nullptr;
  ide::ItemId item = ide::kNoItem;
  if (!ShownItem(outline, item)) return options.json ? "null" : "(nothing shown)";
  return options.json ? ItemObjectJson(*outline, item, options.encoding)
                      : ItemLineText(*outline, item, links, options.encoding);
}

std::string FormatEditorState(bool open, const std::string& text, int caret, const OutputOptions& options) {
  if (options.json) {
    if (!open) return "{\"editor\":null}\n";
    return "{\"editor\":{\"text\":" + JsonText(text, &options.encoding) + ",\"caret\":" + std::to_string(caret) +
           "}}\n";
  }
  if (!open) return "editor: closed\n";
  size_t at = caret < 0 ? 0 : static_cast<size_t>(caret);
  if (at > text.size()) at = text.size();
  return "editor: " + options.encoding.ToUtf8(OneLine(text.substr(0, at))) + '|' +
         options.encoding.ToUtf8(OneLine(text.substr(at))) + '\n';
}

std::string FormatDialogState(const DialogState& state, const OutputOptions& options) {
  const TextEncoding& enc = options.encoding;
  std::string out;
  if (!options.json) {
    if (!state.exists) return "dialog: none\n";
    out = "dialog: open\nfocus: " + state.focus + "\nedit: " + enc.ToUtf8(state.edit) + '\n';
    for (const std::string& entry : state.entries) out += "entry: " + enc.ToUtf8(entry) + '\n';
    for (const auto& check : state.checks) out += (check.second ? "[x] " : "[ ] ") + check.first + '\n';
    return out;
  }
  if (!state.exists) return "{\"dialog\":false}\n";
  out = "{\"dialog\":true,\"focus\":" + JsonText(state.focus, &enc) + ",\"edit\":" + JsonText(state.edit, &enc);
  out += ",\"entries\":[";
  for (size_t i = 0; i < state.entries.size(); ++i) out += (i ? "," : "") + JsonText(state.entries[i], &enc);
  out += "],\"checks\":{";
  for (size_t i = 0; i < state.checks.size(); ++i)
    out += (i ? "," : "") + JsonString(state.checks[i].first) + ':' + (state.checks[i].second ? "true" : "false");
  return out + "}}\n";
}

}  // namespace olvcli
