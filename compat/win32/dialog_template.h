// Builder and reader of dialog templates in Windows' binary layout
// (DLGTEMPLATE / DLGTEMPLATEEX with their item lists), so that a module's
// resource table can carry a dialog exactly as a resource compiler would
// have written it, and so that the dialog manager can read one back.
// Strings are ANSI here and UTF-16 in the template; characters map
// byte-for-byte (Latin-1).
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace standin {

// A name-or-ordinal field of a template (menu, class, item class, item text).
struct TemplateName {
  bool isOrdinal = false;
  WORD ordinal = 0;
  std::string text;

  static TemplateName Ordinal(WORD value) { return TemplateName{true, value, std::string()}; }
  static TemplateName Text(std::string value) { return TemplateName{false, 0, std::move(value)}; }
  bool IsEmpty() const { return !isOrdinal && text.empty(); }
};

// The predefined control classes that a template names by ordinal.
enum : WORD {
  kDialogClassButton = 0x0080,
  kDialogClassEdit = 0x0081,
  kDialogClassStatic = 0x0082,
  kDialogClassListBox = 0x0083,
  kDialogClassScrollBar = 0x0084,
  kDialogClassComboBox = 0x0085,
};

struct DialogItemTemplate {
  DWORD helpId = 0;
  DWORD exStyle = 0;
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  int id = 0;  // WORD in a standard template (sign-extended), DWORD in an extended one
  TemplateName windowClass;
  TemplateName title;
  std::vector<unsigned char> creationData;  // bytes after the count word
};

struct DialogTemplateData {
  bool extended = false;
  DWORD helpId = 0;
  DWORD exStyle = 0;
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  TemplateName menu;
  TemplateName windowClass;
  std::string caption;
  bool hasFont = false;  // DS_SETFONT (or DS_SHELLFONT) in style
  WORD pointSize = 0;
  WORD weight = 0;  // extended templates only
  BYTE italic = 0;  // extended templates only
  BYTE charset = 0;  // extended templates only
  std::string faceName;
  std::vector<DialogItemTemplate> items;
};

// Reads a template. `size` bounds the reading (pass SIZE_MAX when unknown,
// as for CreateDialogIndirectParamA). On a malformed template returns false
// and sets *error to a message naming the offset.
bool ParseDialogTemplate(const void* data, std::size_t size, DialogTemplateData* out,
                         std::string* error);

// Writes a template. The font block is written when the style holds
// DS_SETFONT; Font() adds DS_SETFONT.
class DialogTemplateBuilder {
 public:
  explicit DialogTemplateBuilder(bool extended = true) { data_.extended = extended; }

  DialogTemplateBuilder& Caption(const std::string& text);
  DialogTemplateBuilder& Style(DWORD style);
  DialogTemplateBuilder& ExStyle(DWORD exStyle);
  DialogTemplateBuilder& HelpId(DWORD helpId);
  DialogTemplateBuilder& Rect(short x, short y, short cx, short cy);
  DialogTemplateBuilder& Menu(const TemplateName& menu);
  DialogTemplateBuilder& Class(const TemplateName& windowClass);
  DialogTemplateBuilder& Font(WORD pointSize, const std::string& faceName, WORD weight = 400 /* FW_NORMAL */,
                              BYTE italic = 0, BYTE charset = 1 /* DEFAULT_CHARSET */);
  DialogTemplateBuilder& Control(int id, const TemplateName& windowClass, const std::string& text,
                                 short x, short y, short cx, short cy, DWORD style,
                                 DWORD exStyle = 0, DWORD helpId = 0);
  DialogTemplateBuilder& Control(const DialogItemTemplate& item);

  const DialogTemplateData& Data() const { return data_; }
  std::vector<unsigned char> Build() const;

 private:
  DialogTemplateData data_;
};

}  // namespace standin
