// JSON lines of outline items (see ItemJson.h).
#include "ItemJson.h"

namespace olvcli {

std::string JsonString(std::string_view bytes) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() + 2);
  out += '"';
  for (char ch : bytes) {
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (c < 0x20 || c > 0x7F) {
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 15];
        } else {
          out += ch;
        }
    }
  }
  out += '"';
  return out;
}

std::string FormatItemJson(const ide::Outline& outline, ide::ItemId item) {
  std::string out = "{\"file\":";
  out += JsonString(outline.File(item).path);
  out += ",\"line\":" + std::to_string(outline.Line(item));
  out += ",\"level\":" + std::to_string(outline.Level(item));
  out += ",\"type\":" + std::to_string(outline.Type(item));
  out += ",\"title\":" + JsonString(outline.Title(item));
  out += ",\"text\":" + JsonString(outline.Text(item));
  out += ",\"name\":" + JsonString(outline.Name(item));
  out += ",\"object_class\":" + JsonString(outline.ObjectClass(item));
  out += ",\"included\":";
  out += outline.IsIncluded(item) ? "true" : "false";
  out += ",\"including\":";
  ide::ItemId including = outline.IncludingItem(item);
  out += outline.IsIncluded(item) && including != ide::kNoItem ? JsonString(outline.Text(including)) : "null";
  out += '}';
  return out;
}

}  // namespace olvcli
