// Driving CodeJumper, MassFinder and ClassMate for the language server (see AddinDriver.h).
#include "lsp/AddinDriver.h"

#include "DialogControls.h"
#include "IdeSession.h"
#include "resources/resource.h"

namespace olvcli::lsp {
namespace {

// ClassMate's report sections, as its lines name them.
constexpr char kBaseClassesLine[] = "Base Classes: ";
constexpr char kDerivedClassesLine[] = "Derived Classes: ";
// A direct base stands indented by three blanks, deeper ones further.
constexpr char kDirectIndent[] = "   ";

}  // namespace

ide::ItemId AddinDriver::JumpFrom(const EditPlace& place, int caret) {
  if (!OpenInlineEditor(m_shell, place, caret)) return ide::kNoItem;
  ide::ItemId target = ide::kNoItem;
  {
    ShownItems shown;
    m_shell.PressKey(VK_F2);
    const ide::Ide& ide = ide::Ide::Instance();
    if (shown.count > 0 && ide.CurrentOutline() == m_shell.Application()) target = ide::ToItemId(ide.CurrentItem());
  }
  if (target != ide::kNoItem) m_shell.PressKey(VK_F2, ide::shell::kModCtrl);
  m_shell.EndEdit();
  m_shell.PumpMessages();
  return target;
}

ide::ItemId AddinDriver::JumpFrom(ide::ItemId item, int caret) {
  EditPlace place;
  place.item = item;
  return JumpFrom(place, caret);
}

bool AddinDriver::Find(const std::string& pattern, const FindOptions& options,
                       const std::vector<ide::ItemId>& marked, std::vector<ReportHit>& hits, std::string& error) {
  hits.clear();
  m_shell.ClearMarks();
  for (ide::ItemId item : marked) m_shell.Mark(ide::ToItemHandle(item));
  HWND dialog = FindMassFinderDialog();
  if (dialog == nullptr) {
    if (!m_shell.RunTool(0, "Tools MassFinder", kAddinDll)) {
      error = std::string(kAddinDll) + " has no tool entry";
      return false;
    }
    m_shell.PumpMessages();
    dialog = FindMassFinderDialog();
  }
  if (dialog == nullptr) {
    error = "the tool opened no \"Mass Finder\" dialog";
    return false;
  }
  SetPatternText(dialog, pattern);
  SetCheckBox(DialogControl(dialog, IDC_MATCH_CASE), options.matchCase);
  SetCheckBox(DialogControl(dialog, IDC_WHOLE_WORD), options.wholeWord);
  SetCheckBox(DialogControl(dialog, IDC_IGNORE_INCLUDES), options.ignoreIncludes);
  SetCheckBox(DialogControl(dialog, IDC_ONLY_MARKED), options.onlyMarked);
  SetCheckBox(DialogControl(dialog, IDC_IGNORE_COMMENTS), options.ignoreComments);
  ClickButton(DialogControl(dialog, IDC_FIND));
  m_shell.PumpMessages();
  for (const ide::ReportLine& line : m_shell.ReportLines())
    if (line.item != 0 && line.outline == m_shell.Application()) hits.push_back({line.text, ide::ToItemId(line.item)});
  ClickButton(DialogControl(dialog, IDCANCEL));
  m_shell.PumpMessages();
  m_shell.ClearMarks();
  return true;
}

bool AddinDriver::ClassHierarchy(ide::ItemId classItem, ClassRelations& relations, std::string& error) {
  relations = ClassRelations();
  m_shell.ClearMarks();
  m_shell.Mark(ide::ToItemHandle(classItem));
  standin::ClearMessageBoxes();
  const bool ran = m_shell.RunTool(0, "Tools ClassMate", kAddinDll);
  m_shell.ClearMarks();
  if (!ran) {
    error = std::string(kAddinDll) + " has no tool entry";
    return false;
  }
  for (const standin::MessageBoxRecord& box : standin::TakeMessageBoxes()) {
    error = box.caption + ": " + box.text;
    return false;
  }
  std::vector<ide::ItemId>* section = nullptr;
  for (const ide::ReportLine& line : m_shell.ReportLines()) {
    if (line.text == kBaseClassesLine) {
      section = &relations.bases;
    } else if (line.text == kDerivedClassesLine) {
      section = &relations.derived;
    } else if (section != nullptr && line.item != 0 && line.text.compare(0, 3, kDirectIndent) == 0 &&
               line.text.size() > 3 && line.text[3] != ' ') {
      section->push_back(ide::ToItemId(line.item));
    }
  }
  return true;
}

}  // namespace olvcli::lsp
