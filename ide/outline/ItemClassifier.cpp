// The keyword table of the outline: which keyword gets which type code in
// which context, and how a line splits into title, text and name.
#include "ide/outline/ItemClassifier.h"

#include <cstdlib>
#include <cstring>

#include "ide/outline/ItemTypes.h"

namespace ide {
namespace {

namespace T = ItemType;

// How a keyword's type depends on where the item stands.
enum class Rule : uint8_t {
  Fixed,         // always `type`
  DataType,      // variable / constant / format / bare type, by section
  Receive,       // "Receive Number: x"
  Window,        // window or child window; "Default Classes" entries are not windows
  ClassKw,       // "Class: X": base class under "Derived From", else the object class property
  Functions,     // class or window "Functions"
  Parameters,    // function or external function "Parameters"
  NamedMenus,    // global or window "Named Menus"
  ConstSection,  // "System", "User", "Enumerations" under Constants
  MenuDecl,      // "Menu: name" etc: named only in a named-menu or resource section
};

struct Keyword {
  int type;
  Rule rule;
  bool named;  // the text after the title is a declared name
};

// The keywords of one kind, in an open-addressed table of fixed size. A
// keyword is found by its length and three of its characters, which tell the
// keywords of the outline apart well enough that a lookup mostly compares one
// entry; a line's first word is looked up for every item, so this is the
// reader's innermost table.
class Table {
 public:
  // Gives `word` its keyword (a word given twice keeps the later one).
  Keyword& operator[](std::string_view word) {
    size_t slot = Hash(word);
    while (slots_[slot].len != 0 && !Same(slots_[slot], word)) slot = (slot + 1) & kMask;
    Slot& s = slots_[slot];
    if (s.len == 0) {
      if (++count_ > kSize / 2) std::abort();  // the table is sized for the keywords below
      s.word = word.data();
      s.len = static_cast<uint32_t>(word.size());
    }
    return s.keyword;
  }
  // The keyword `word` is, or nullptr.
  const Keyword* Find(std::string_view word) const {
    if (word.empty()) return nullptr;
    for (size_t slot = Hash(word);; slot = (slot + 1) & kMask) {
      const Slot& s = slots_[slot];
      if (s.len == 0) return nullptr;
      if (Same(s, word)) return &s.keyword;
    }
  }

 private:
  struct Slot {
    const char* word = nullptr;  // a literal of the tables below
    uint32_t len = 0;            // 0: free
    Keyword keyword{};
  };
  static constexpr size_t kSize = 512;
  static constexpr size_t kMask = kSize - 1;
  static size_t Hash(std::string_view w) {
    const size_t n = w.size();
    const auto c = [&](size_t i) { return static_cast<size_t>(static_cast<unsigned char>(w[i])); };
    return (n * 97 + c(0) * 13 + c(n / 2) * 31 + c(n - 1) * 7) & kMask;
  }
  static bool Same(const Slot& s, std::string_view w) {
    return s.len == w.size() && std::memcmp(s.word, w.data(), w.size()) == 0;
  }
  Slot slots_[kSize];
  size_t count_ = 0;
};

const Table& ColonKeywords() {
  static const Table table = [] {
    Table t;
    for (const char* k : {"Number", "String", "Long String", "Boolean", "Date/Time", "Window Handle",
                          "File Handle", "Sql Handle", "Session Handle", "Functional Class Object",
                          "Structure", "Input"})
      t[k] = {T::VariableDecl, Rule::DataType, true};
    for (const char* k : {"Receive Number", "Receive String", "Receive Long String", "Receive Boolean",
                          "Receive Date/Time", "Receive Window Handle", "Receive File Handle",
                          "Receive Sql Handle", "Receive Session Handle"})
      t[k] = {T::ReceiveParam, Rule::Receive, true};
    t["FunctionalVar"] = {T::ObjectVariable, Rule::Fixed, true};
    t["Application Description"] = {T::Application, Rule::Fixed, false};
    t["File Include"] = {T::FileInclude, Rule::Fixed, false};
    t["Dynalib"] = {T::Dynalib, Rule::Fixed, false};
    t["Library name"] = {T::ExternalLibrary, Rule::Fixed, true};
    t["Function"] = {T::Function, Rule::Fixed, true};
    t["Class"] = {T::ClassProperty, Rule::ClassKw, true};
    t["Description"] = {T::Description, Rule::Fixed, false};
    t["Property Template"] = {T::PropertyTemplate, Rule::Fixed, false};
    const std::pair<const char*, int> windows[] = {
        {"Form Window", T::FormWindow},     {"Dialog Box", T::DialogBox},
        {"Table Window", T::TableWindow},   {"Quest Window", T::TableWindow},
        {"MDI Window", T::MdiWindow},       {"Child Table", T::ChildTable},
        {"Quest Child Window", T::ChildTable}, {"Data Field", T::DataField},
        {"Multiline Field", T::MultilineField}, {"Spin Field", T::SpinField},
        {"Pushbutton", T::Pushbutton},      {"Radio Button", T::RadioButton},
        {"Option Button", T::OptionButton}, {"Check Box", T::CheckBox},
        {"List Box", T::ListBox},           {"Combo Box", T::ComboBox},
        {"Picture", T::Picture},            {"Vertical Scroll Bar", T::VertScrollBar},
        {"Horizontal Scroll Bar", T::HorzScrollBar}, {"Column", T::Column},
        {"Background Text", T::BackgroundText}, {"Group Box", T::GroupBox},
        {"Line", T::Line},                  {"Frame", T::Frame},
        {"Custom Control", T::CustomControl}, {"ActiveX", T::ActiveX}};
    for (const auto& w : windows)
      t[w.first] = {w.second, Rule::Window,
                    w.second != T::BackgroundText && w.second != T::GroupBox};
    const std::pair<const char*, int> classes[] = {
        {"Functional Class", T::FunctionalClass},       {"General Window Class", T::GeneralWindowClass},
        {"Form Window Class", T::FormWindowClass},      {"Dialog Box Class", T::DialogBoxClass},
        {"Table Window Class", T::TableWindowClass},    {"MDI Window Class", T::MdiWindowClass},
        {"Data Field Class", T::DataFieldClass},        {"Multiline Field Class", T::MultilineFieldClass},
        {"Spin Field Class", T::SpinFieldClass},        {"Pushbutton Class", T::PushbuttonClass},
        {"Radio Button Class", T::RadioButtonClass},    {"Option Button Class", T::OptionButtonClass},
        {"Check Box Class", T::CheckBoxClass},          {"Child Table Class", T::ChildTableClass},
        {"List Box Class", T::ListBoxClass},            {"Combo Box Class", T::ComboBoxClass},
        {"Picture Class", T::PictureClass},             {"Vertical Scroll Bar Class", T::VertScrollBarClass},
        {"Horizontal Scroll Bar Class", T::HorzScrollBarClass}, {"Column Class", T::ColumnClass},
        {"Background Text Class", T::BackgroundTextClass}, {"Group Box Class", T::GroupBoxClass},
        {"Line Class", T::LineClass},                   {"Frame Class", T::FrameClass},
        {"Custom Control Class", T::CustomControlClass}, {"ActiveX Class", T::ActiveXClass},
        {"Quest Window Class", T::QuestWindowClass},    {"Quest Child Window Class", T::QuestChildWindowClass},
        {"COM Proxy Class", T::ComProxyClass}};
    for (const auto& c : classes) t[c.first] = {c.second, Rule::Fixed, true};
    for (const char* k : {"Menu", "Named Menu", "Popup Menu", "Menu Item", "Windows Menu", "Icon",
                          "Bitmap", "Cursor"})
      t[k] = {T::MenuItem, Rule::MenuDecl, true};
    const std::pair<const char*, int> layout[] = {
        {"Left", T::Left}, {"Top", T::Top}, {"Width", T::Width}, {"Height", T::Height},
        {"Font Name", T::FontName}, {"Font Size", T::FontSize}, {"Font Enhancement", T::FontEnhancement},
        {"Text Color", T::TextColor}, {"Background Color", T::BackgroundColor},
        {"Class Child Ref Key", T::ChildKey}, {"Class ChildKey", T::ChildKey},
        {"Next Class Child Key", T::ChildKey}, {"Resource Id", T::ResourceId},
        {"Begin X", T::LineCoordinate}, {"Begin Y", T::LineCoordinate}, {"End X", T::LineCoordinate},
        {"End Y", T::LineCoordinate}, {"Line Color", T::LineAppearance}, {"Line Style", T::LineAppearance},
        {"Line Thickness", T::LineAppearance}, {"Border Color", T::BorderAppearance},
        {"Border Style", T::BorderAppearance}, {"Border Thickness", T::BorderAppearance},
        {"Corners", T::BorderAppearance}, {"Outline Window State", T::DesignTimeEntry},
        {"Number of Pages", T::FormSize}, {"Size", T::FormSize},
        {"Maximum Rows in Memory", T::MemorySettings}, {"Picture Transparent Color", T::PictureAppearance},
        {"Image Style", T::PictureAppearance}, {"Button Appearance", T::PictureAppearance},
        {"Docking Orientation", T::DockingProperty}, {"Toolbar Docking Orientation", T::DockingProperty}};
    for (const auto& l : layout) t[l.first] = {l.second, Rule::Fixed, false};
    for (const char* k : {"Title", "Icon File", "Class DLL Name", "Justify", "Maximum Data Length",
                          "Input Mask", "Format", "Data Type", "Country", "Keyboard Accelerator",
                          "Export Ordinal", "Menu Item Name", "Enabled when", "Checked when",
                          "Status Text", "String Type", "View", "Lines Per Row", "Type of Dialog",
                          "Initial State", "Text", "DLL Name", "MS Windows Class Name", "Style",
                          "ExStyle", "Picture File Name", "File Name", "Storage", "Fit", "Check Value",
                          "Uncheck Value", "Button Style", "Enum"})
      t[k] = {T::Property, Rule::Fixed, false};
    return t;
  }();
  return table;
}

const Table& BareKeywords() {
  static const Table table = [] {
    Table t;
    const std::pair<const char*, int> fixed[] = {
        {"Global Declarations", T::GlobalDeclarations}, {"Libraries", T::Libraries},
        {"Formats", T::Formats}, {"External Functions", T::ExternalFunctions},
        {"Constants", T::Constants}, {"Resources", T::GlobalNamed},
        {"Variables", T::GlobalVariables}, {"Internal Functions", T::InternalFunctions},
        {"Application Actions", T::InternalFunctions}, {"Class Definitions", T::ClassDefinitions},
        {"Default Classes", T::DefaultClasses}, {"Window Defaults", T::WindowDefaults},
        {"Design-time Settings", T::DesignTimeSettings}, {"Derived From", T::DerivedFrom},
        {"Class Variables", T::ClassVariables}, {"Instance Variables", T::InstanceVariables},
        {"Message Actions", T::MessageActions}, {"Actions", T::Actions}, {"Menu Actions", T::Actions},
        {"Returns", T::Returns}, {"Static Variables", T::StaticVariables},
        {"Local variables", T::LocalVariables}, {"Window Parameters", T::WindowParameters},
        {"Window Variables", T::WindowVariables}, {"Contents", T::Contents}, {"Tool Bar", T::ToolBar},
        {"Display Settings", T::DisplaySettings}, {"Window Location and Size", T::WindowLocation},
        {"Form Size", T::FormSize}, {"Memory Settings", T::MemorySettings},
        {"Coordinates", T::Coordinates}, {"Line", T::Line}, {"Frame", T::Frame},
        {"structPointer", T::ExternalParameters}};
    for (const auto& f : fixed) t[f.first] = {f.second, Rule::Fixed, false};
    for (const char* k : {"Menu", "Data", "Menu Settings", "Menu Separator", "List Values",
                          "List Initialization", "Cell Options", "Cell DropDownList", "Cell CheckBox",
                          "DLL Settings", "Scaling", "Object Menu"})
      t[k] = {T::Section, Rule::Fixed, false};
    t["Functions"] = {T::WindowFunctions, Rule::Functions, false};
    t["Parameters"] = {T::Parameters, Rule::Parameters, false};
    t["Named Menus"] = {T::WindowNamedMenus, Rule::NamedMenus, false};
    t["System"] = {T::ConstantsSystem, Rule::ConstSection, false};
    t["User"] = {T::ConstantsUser, Rule::ConstSection, false};
    t["Enumerations"] = {T::Enumerations, Rule::ConstSection, false};
    return t;
  }();
  return table;
}

struct Statement {
  std::string_view word;
  int type;
};

constexpr Statement kStatements[] = {
    {"Else If", T::IfStatement},     {"Select Case", T::CaseStatement},
    {"When SqlError", T::WhenStatement}, {"Set", T::SetStatement},
    {"Call", T::CallStatement},      {"If", T::IfStatement},
    {"Else", T::IfStatement},        {"While", T::LoopStatement},
    {"Loop", T::LoopStatement},      {"Break", T::JumpStatement},
    {"Return", T::JumpStatement},    {"Case", T::CaseStatement},
    {"Default", T::CaseStatement},   {"On", T::MessageHandler}};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool IsIdentifier(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '_' || static_cast<unsigned char>(c) >= 0x80;
    if (!ok) return false;
  }
  return true;
}

// The first word of the text: up to a blank, '=' or '!' (an inline comment).
void SetName(ClassifiedLine& r, std::string_view line) {
  uint32_t i = r.textRel;
  while (i < line.size() && IsBlank(line[i])) ++i;
  uint32_t e = i;
  while (e < line.size() && !IsBlank(line[e]) && line[e] != '=' && line[e] != '!' && line[e] != '\r') ++e;
  r.nameRel = i;
  r.nameLen = e - i;
}

bool IsDeclarationContext(int parent) {
  return IsDeclarationSectionType(parent) || parent == T::GlobalVariables;
}

int DataTypeIn(int parent, bool& named) {
  named = true;
  switch (parent) {
    case T::Formats: named = false; return T::FormatItem;
    case T::ConstantsSystem: case T::ConstantsUser: case T::Enumerations: return T::ConstantDecl;
    case T::Returns: case T::ExternalParameters: named = false; return T::TypeOnlyItem;
    default: return T::VariableDecl;
  }
}

}  // namespace

int WindowTypeForKind(std::string_view kind) {
  const Keyword* k = ColonKeywords().Find(TrimRight(kind));
  if (k == nullptr || k->rule != Rule::Window) return 0;
  return k->type;
}

ClassifiedLine ClassifyLine(std::string_view raw, ItemContext ctx) {
  ClassifiedLine r;
  const std::string_view line = TrimRight(raw);
  const uint32_t n = static_cast<uint32_t>(line.size());

  // Comments, and everything standing under a comment.
  if (ctx.parent == T::Comment || (n > 0 && line[0] == '!')) {
    r.type = T::Comment;
    if (n > 0 && line[0] == '!') {
      r.titleLen = 1;
      r.textRel = (n > 1 && line[1] == ' ') ? 2 : 1;
    }
    return r;
  }

  // Statements: keyword, blank, text; no colon.
  const char c0 = n > 0 ? line[0] : '\0';
  const bool maybeStatement = c0 == 'S' || c0 == 'C' || c0 == 'I' || c0 == 'E' || c0 == 'W' ||
                              c0 == 'L' || c0 == 'B' || c0 == 'R' || c0 == 'D' || c0 == 'O';
  for (const Statement& s : kStatements) {
    if (!maybeStatement || s.word[0] != c0) continue;
    const uint32_t w = static_cast<uint32_t>(s.word.size());
    if (n < w || line.compare(0, w, s.word) != 0) continue;
    if (n > w && !IsBlank(line[w])) continue;
    if (s.type == T::MessageHandler && n == w) continue;             // "On" alone is no handler
    if (s.word == "Default" && n > w) continue;                      // "Default Classes" etc.
    r.type = s.type;
    r.titleLen = w;
    r.textRel = n > w ? w + 1 : w;
    return r;
  }

  // "Title: text" or "Title? text".
  uint32_t p = 0;
  while (p < n && line[p] != ':' && line[p] != '?') ++p;
  if (p < n && line[p] == '?') {
    r.type = T::YesNoProperty;
    r.titleLen = p + 1;
    r.textRel = (p + 1 < raw.size() && raw[p + 1] == ' ') ? p + 2 : p + 1;
    return r;
  }
  if (p < n) {
    std::string_view kw = TrimRight(line.substr(0, p));
    r.hasColon = true;
    r.colonPos = p;
    r.titleLen = static_cast<uint32_t>(kw.size());
    r.textRel = (p + 1 < raw.size() && raw[p + 1] == ' ') ? p + 2 : p + 1;
    if (ctx.parent == T::DefaultClasses) {
      r.type = T::DefaultClassEntry;
      SetName(r, raw);
      r.classRel = r.nameRel;
      r.classLen = r.nameLen;
      r.nameLen = 0;
      return r;
    }
    if (ctx.parent == T::WindowDefaults) { r.type = T::WindowDefaultsEntry; return r; }
    if (ctx.parent == T::DesignTimeSettings || ctx.parent == T::DesignTimeEntry) {
      const Keyword* k = ColonKeywords().Find(kw);
      r.type = (k != nullptr && IsUnsearchedType(k->type)) ? k->type : T::DesignTimeEntry;
      return r;
    }
    const Keyword* found = ColonKeywords().Find(kw);
    if (found == nullptr) {
      // ": name" with a "Class:" child, or "cClass: name": an object of a class.
      if (kw.empty() && IsDeclarationContext(ctx.parent)) {
        r.type = T::ObjectVariable;
        SetName(r, raw);
      } else if (IsIdentifier(kw) && IsDeclarationContext(ctx.parent) && ctx.parent != T::Contents) {
        r.type = T::ObjectVariable;
        SetName(r, raw);
        r.classLen = r.titleLen;
      } else if (IsIdentifier(kw) && ctx.parent == T::Contents) {
        r.type = T::ClassChildWindow;
        SetName(r, raw);
        r.classLen = r.titleLen;
      } else if (kw.empty()) {
        r.type = T::ObjectVariable;
        SetName(r, raw);
      } else {
        r.type = T::Generic;
        if (IsIdentifier(kw)) r.classLen = r.titleLen;  // "cClass: name" elsewhere: kind told by .winattr
      }
      return r;
    }
    const Keyword& k = *found;
    bool named = k.named;
    r.type = k.type;
    switch (k.rule) {
      case Rule::DataType: r.type = DataTypeIn(ctx.parent, named); break;
      case Rule::Receive:
        if (ctx.parent == T::Returns || ctx.parent == T::ExternalParameters) {
          r.type = T::TypeOnlyItem;
          named = false;
        }
        break;
      case Rule::ClassKw:
        if (ctx.parent == T::DerivedFrom) {
          r.type = T::BaseClassEntry;
        } else {
          r.parentClass = true;
        }
        break;
      case Rule::MenuDecl:
        named = ctx.parent == T::GlobalNamed || ctx.parent == T::WindowNamedMenus;
        break;
      default: break;
    }
    if (named || r.parentClass) SetName(r, raw);
    if (r.parentClass) {
      r.classRel = r.nameRel;
      r.classLen = r.nameLen;
      r.nameLen = 0;
    }
    return r;
  }

  // Keyword without a text.
  if (ctx.parent == T::WindowDefaults) { r.type = T::WindowDefaultsEntry; r.titleLen = n; r.textRel = n; return r; }
  if (ctx.parent == T::DesignTimeSettings || ctx.parent == T::DesignTimeEntry) {
    r.type = T::DesignTimeEntry; r.titleLen = n; r.textRel = n; return r;
  }
  r.titleLen = n;
  r.textRel = static_cast<uint32_t>(raw.size());
  const Keyword* found = BareKeywords().Find(line);
  if (found == nullptr) {
    r.type = line.compare(0, 15, "Outline Version") == 0 ? T::OutlineVersion : T::Generic;
    return r;
  }
  const Keyword& k = *found;
  r.type = k.type;
  switch (k.rule) {
    case Rule::Functions:
      r.type = IsClassDefinitionType(ctx.parent) ? T::ClassFunctions : T::WindowFunctions;
      break;
    case Rule::Parameters:
      r.type = ctx.grandparent == T::ExternalLibrary ? T::ExternalParameters : T::Parameters;
      break;
    case Rule::NamedMenus:
      r.type = ctx.parent == T::GlobalDeclarations ? T::GlobalNamed : T::WindowNamedMenus;
      break;
    case Rule::ConstSection:
      if (ctx.parent != T::Constants) r.type = T::Section;
      break;
    default: break;
  }
  return r;
}

}  // namespace ide
