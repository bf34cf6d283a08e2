// Reading and writing dialog templates in Windows' binary layout: the
// standard DLGTEMPLATE and the extended DLGTEMPLATEEX (signature 0xFFFF),
// WORD-aligned fields, each item starting on a DWORD boundary counted from
// the start of the template.
#include "dialog_template.h"

#include <cstdint>
#include <cstring>

namespace standin {
namespace {

class Reader {
 public:
  Reader(const unsigned char* base, std::size_t size) : base_(base), size_(size) {}

  bool Word(WORD* out, const char* what) {
    if (!Need(2, what)) return false;
    *out = static_cast<WORD>(base_[pos_] | (base_[pos_ + 1] << 8));
    pos_ += 2;
    return true;
  }
  bool Dword(DWORD* out, const char* what) {
    WORD lo = 0, hi = 0;
    if (!Word(&lo, what) || !Word(&hi, what)) return false;
    *out = static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16);
    return true;
  }
  bool Short(short* out, const char* what) {
    WORD w = 0;
    if (!Word(&w, what)) return false;
    *out = static_cast<short>(w);
    return true;
  }
  bool Byte(BYTE* out, const char* what) {
    if (!Need(1, what)) return false;
    *out = base_[pos_++];
    return true;
  }
  // A NUL-terminated UTF-16 string.
  bool String(std::string* out, const char* what) {
    out->clear();
    for (;;) {
      WORD ch = 0;
      if (!Word(&ch, what)) return false;
      if (ch == 0) return true;
      out->push_back(ch < 0x100 ? static_cast<char>(ch) : '?');
    }
  }
  // 0x0000 (none), 0xFFFF followed by an ordinal, or a string.
  bool Name(TemplateName* out, const char* what) {
    *out = TemplateName();
    if (!Need(2, what)) return false;
    WORD first = static_cast<WORD>(base_[pos_] | (base_[pos_ + 1] << 8));
    if (first == 0xFFFF) {
      pos_ += 2;
      out->isOrdinal = true;
      return Word(&out->ordinal, what);
    }
    return String(&out->text, what);
  }
  bool Skip(std::size_t n, const char* what) {
    if (!Need(n, what)) return false;
    pos_ += n;
    return true;
  }
  void AlignDword() { pos_ = (pos_ + 3) & ~static_cast<std::size_t>(3); }
  std::size_t Pos() const { return pos_; }
  const unsigned char* Here() const { return base_ + pos_; }
  const std::string& Error() const { return error_; }

 private:
  bool Need(std::size_t n, const char* what) {
    if (pos_ <= size_ && size_ - pos_ >= n) return true;
    error_ = std::string("dialog template truncated in ") + what + " at offset " +
             std::to_string(pos_);
    return false;
  }

  const unsigned char* base_;
  std::size_t size_;
  std::size_t pos_ = 0;
  std::string error_;
};

class Writer {
 public:
  void Word(WORD w) {
    bytes_.push_back(static_cast<unsigned char>(w & 0xFF));
    bytes_.push_back(static_cast<unsigned char>(w >> 8));
  }
  void Dword(DWORD d) {
    Word(static_cast<WORD>(d & 0xFFFF));
    Word(static_cast<WORD>(d >> 16));
  }
  void Byte(BYTE b) { bytes_.push_back(b); }
  void String(const std::string& s) {
    for (unsigned char c : s) Word(c);
    Word(0);
  }
  void Name(const TemplateName& name) {
    if (name.isOrdinal) {
      Word(0xFFFF);
      Word(name.ordinal);
    } else {
      String(name.text);
    }
  }
  void AlignWord() {
    if (bytes_.size() % 2) bytes_.push_back(0);
  }
  void AlignDword() {
    while (bytes_.size() % 4) bytes_.push_back(0);
  }
  std::vector<unsigned char> Take() { return std::move(bytes_); }

 private:
  std::vector<unsigned char> bytes_;
};

bool ParseItem(Reader& in, bool extended, DialogItemTemplate* item) {
  if (extended) {
    DWORD id = 0;
    if (!in.Dword(&item->helpId, "item help id") || !in.Dword(&item->exStyle, "item extended style") ||
        !in.Dword(&item->style, "item style") || !in.Short(&item->x, "item rectangle") ||
        !in.Short(&item->y, "item rectangle") || !in.Short(&item->cx, "item rectangle") ||
        !in.Short(&item->cy, "item rectangle") || !in.Dword(&id, "item id"))
      return false;
    item->id = static_cast<int>(id);
  } else {
    WORD id = 0;
    if (!in.Dword(&item->style, "item style") || !in.Dword(&item->exStyle, "item extended style") ||
        !in.Short(&item->x, "item rectangle") || !in.Short(&item->y, "item rectangle") ||
        !in.Short(&item->cx, "item rectangle") || !in.Short(&item->cy, "item rectangle") ||
        !in.Word(&id, "item id"))
      return false;
    item->id = static_cast<short>(id);
  }
  if (!in.Name(&item->windowClass, "item class") || !in.Name(&item->title, "item text"))
    return false;
  WORD extra = 0;
  if (!in.Word(&extra, "item creation data")) return false;
  const unsigned char* data = in.Here();
  if (!in.Skip(extra, "item creation data")) return false;
  item->creationData.assign(data, data + extra);
  return true;
}

}  // namespace

bool ParseDialogTemplate(const void* data, std::size_t size, DialogTemplateData* out,
                         std::string* error) {
  *out = DialogTemplateData();
  if (!data) {
    if (error) *error = "dialog template is null";
    return false;
  }
  Reader in(static_cast<const unsigned char*>(data), size);
  auto fail = [&]() {
    if (error) *error = in.Error();
    return false;
  };

  WORD first = 0, second = 0;
  if (size < 4) {
    if (error) *error = "dialog template truncated in header at offset 0";
    return false;
  }
  std::memcpy(&first, data, 2);
  std::memcpy(&second, static_cast<const unsigned char*>(data) + 2, 2);
  out->extended = (first == 1 && second == 0xFFFF);

  WORD count = 0;
  if (out->extended) {
    if (!in.Skip(4, "header") || !in.Dword(&out->helpId, "help id") ||
        !in.Dword(&out->exStyle, "extended style") || !in.Dword(&out->style, "style"))
      return fail();
  } else {
    if (!in.Dword(&out->style, "style") || !in.Dword(&out->exStyle, "extended style"))
      return fail();
  }
  if (!in.Word(&count, "item count") || !in.Short(&out->x, "rectangle") ||
      !in.Short(&out->y, "rectangle") || !in.Short(&out->cx, "rectangle") ||
      !in.Short(&out->cy, "rectangle"))
    return fail();
  if (!in.Name(&out->menu, "menu") || !in.Name(&out->windowClass, "class") ||
      !in.String(&out->caption, "caption"))
    return fail();
  out->hasFont = (out->style & (DS_SETFONT | DS_SHELLFONT)) != 0;
  if (out->hasFont) {
    if (!in.Word(&out->pointSize, "font size")) return fail();
    if (out->extended &&
        (!in.Word(&out->weight, "font weight") || !in.Byte(&out->italic, "font italic") ||
         !in.Byte(&out->charset, "font character set")))
      return fail();
    if (!in.String(&out->faceName, "font face name")) return fail();
  }
  out->items.resize(count);
  for (DialogItemTemplate& item : out->items) {
    in.AlignDword();
    if (!ParseItem(in, out->extended, &item)) return fail();
  }
  return true;
}

DialogTemplateBuilder& DialogTemplateBuilder::Caption(const std::string& text) {
  data_.caption = text;
  return *this;
}
DialogTemplateBuilder& DialogTemplateBuilder::Style(DWORD style) {
  data_.style = style;
  return *this;
}
DialogTemplateBuilder& DialogTemplateBuilder::ExStyle(DWORD exStyle) {
  data_.exStyle = exStyle;
  return *this;
}
DialogTemplateBuilder& DialogTemplateBuilder::HelpId(DWORD helpId) {
  data_.helpId = helpId;
  return *this;
}
DialogTemplateBuilder& DialogTemplateBuilder::Rect(short x, short y, short cx, short cy) {
  data_.x = x;
  data_.y = y;
  data_.cx = cx;
  data_.cy = cy;
  return *this;
}
DialogTemplateBuilder& DialogTemplateBuilder::Menu(const TemplateName& menu) {
  data_.menu = menu;
  return *this;
}
DialogTemplateBuilder& DialogTemplateBuilder::Class(const TemplateName& windowClass) {
  data_.windowClass = windowClass;
  return *this;
}
DialogTemplateBuilder& DialogTemplateBuilder::Font(WORD pointSize, const std::string& faceName,
                                                   WORD weight, BYTE italic, BYTE charset) {
  data_.style |= DS_SETFONT;
  data_.hasFont = true;
  data_.pointSize = pointSize;
  data_.faceName = faceName;
  data_.weight = weight;
  data_.italic = italic;
  data_.charset = charset;
  return *this;
}
DialogTemplateBuilder& DialogTemplateBuilder::Control(int id, const TemplateName& windowClass,
                                                      const std::string& text, short x, short y,
                                                      short cx, short cy, DWORD style,
                                                      DWORD exStyle, DWORD helpId) {
  DialogItemTemplate item;
  item.id = id;
  item.windowClass = windowClass;
  item.title = TemplateName::Text(text);
  item.x = x;
  item.y = y;
  item.cx = cx;
  item.cy = cy;
  item.style = style;
  item.exStyle = exStyle;
  item.helpId = helpId;
  return Control(item);
}
DialogTemplateBuilder& DialogTemplateBuilder::Control(const DialogItemTemplate& item) {
  data_.items.push_back(item);
  return *this;
}

std::vector<unsigned char> DialogTemplateBuilder::Build() const {
  Writer out;
  const bool ex = data_.extended;
  if (ex) {
    out.Word(1);
    out.Word(0xFFFF);
    out.Dword(data_.helpId);
    out.Dword(data_.exStyle);
    out.Dword(data_.style);
  } else {
    out.Dword(data_.style);
    out.Dword(data_.exStyle);
  }
  out.Word(static_cast<WORD>(data_.items.size()));
  out.Word(static_cast<WORD>(data_.x));
  out.Word(static_cast<WORD>(data_.y));
  out.Word(static_cast<WORD>(data_.cx));
  out.Word(static_cast<WORD>(data_.cy));
  out.Name(data_.menu);
  out.Name(data_.windowClass);
  out.String(data_.caption);
  if (data_.style & (DS_SETFONT | DS_SHELLFONT)) {
    out.Word(data_.hasFont ? data_.pointSize : 8);
    if (ex) {
      out.Word(data_.hasFont ? data_.weight : 400);
      out.Byte(data_.hasFont ? data_.italic : 0);
      out.Byte(data_.hasFont ? data_.charset : 1);
    }
    out.String(data_.hasFont ? data_.faceName : std::string("MS Shell Dlg"));
  }
  for (const DialogItemTemplate& item : data_.items) {
    out.AlignDword();
    if (ex) {
      out.Dword(item.helpId);
      out.Dword(item.exStyle);
      out.Dword(item.style);
    } else {
      out.Dword(item.style);
      out.Dword(item.exStyle);
    }
    out.Word(static_cast<WORD>(item.x));
    out.Word(static_cast<WORD>(item.y));
    out.Word(static_cast<WORD>(item.cx));
    out.Word(static_cast<WORD>(item.cy));
    if (ex)
      out.Dword(static_cast<DWORD>(item.id));
    else
      out.Word(static_cast<WORD>(item.id));
    out.Name(item.windowClass);
    out.Name(item.title);
    out.Word(static_cast<WORD>(item.creationData.size()));
    for (unsigned char b : item.creationData) out.Byte(b);
    out.AlignWord();
  }
  return out.Take();
}

}  // namespace standin
