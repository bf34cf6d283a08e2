// JSON lines of outline items (see ItemJson.h).
#include "ItemJson.h"

namespace olvcli {

namespace {

// A JSON string literal; bytes above 127 become \u00XX, or pass as they are
// when `utf8` says the text is UTF-8 already.
std::string WriteJsonString(std::string_view bytes, bool utf8) {
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
        if (c < 0x20 || (c > 0x7F && !utf8)) {
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

}  // namespace

std::string JsonString(std::string_view bytes) { return WriteJsonString(bytes, false); }

std::string JsonUtf8String(std::string_view utf8) { return WriteJsonString(utf8, true); }

std::string JsonText(std::string_view bytes, const TextEncoding* encoding) {
  if (encoding == nullptr || !encoding->IsSet()) return JsonString(bytes);
  return JsonUtf8String(encoding->ToUtf8(bytes));
}

std::string FormatItemJson(const ide::Outline& outline, ide::ItemId item, const TextEncoding* encoding,
                           TypeNameFn typeName) {
  std::string out = "{\"file\":";
  out += JsonString(outline.File(item).path);
  out += ",\"line\":" + std::to_string(outline.Line(item));
  out += ",\"level\":" + std::to_string(outline.Level(item));
  out += ",\"type\":" + std::to_string(outline.Type(item));
  if (typeName != nullptr) {
    const char* name = typeName(outline.Type(item));
    out += ",\"type_name\":" + (name != nullptr ? JsonString(name) : std::string("null"));
  }
  out += ",\"title\":" + JsonText(outline.Title(item), encoding);
  out += ",\"text\":" + JsonText(outline.Text(item), encoding);
  out += ",\"name\":" + JsonText(outline.Name(item), encoding);
  out += ",\"object_class\":" + JsonText(outline.ObjectClass(item), encoding);
  out += ",\"included\":";
  out += outline.IsIncluded(item) ? "true" : "false";
  out += ",\"including\":";
  ide::ItemId including = outline.IncludingItem(item);
  out += outline.IsIncluded(item) && including != ide::kNoItem ? JsonText(outline.Text(including), encoding) : "null";
  out += '}';
  return out;
}

}  // namespace olvcli
