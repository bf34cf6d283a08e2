// Item types to symbol kinds (see SymbolKinds.h).
#include "lsp/SymbolKinds.h"

#include "cdk/ItemTypes.h"

namespace olvcli::lsp {
namespace {

struct KindRow {
  int type;
  int kind;
};

// Items that are symbols by their own type.
const KindRow kOwnKinds[] = {
    {ITEMTYPE_APPLICATION, kSymbolFile},
    {ITEMTYPE_FILE_INCLUDE, kSymbolModule},
    {ITEMTYPE_FORM_WINDOW, kSymbolObject},
    {ITEMTYPE_DIALOG_BOX, kSymbolObject},
    {ITEMTYPE_CHILD_TABLE, kSymbolObject},
    {ITEMTYPE_TABLE_WINDOW, kSymbolObject},
    {ITEMTYPE_MDI_WINDOW, kSymbolObject},
    {ITEMTYPE_FUNCTION, kSymbolFunction},
    {ITEMTYPE_MESSAGE_HANDLER, kSymbolEvent},
    {ITEMTYPE_GLOBAL_DECLARATIONS, kSymbolNamespace},
    {ITEMTYPE_CONSTANTS, kSymbolNamespace},
    {ITEMTYPE_CONSTANTS_SYSTEM, kSymbolNamespace},
    {ITEMTYPE_CONSTANTS_USER, kSymbolNamespace},
    {ITEMTYPE_ENUMERATIONS, kSymbolNamespace},
    {ITEMTYPE_EXTERNAL_FUNCTIONS, kSymbolNamespace},
    {ITEMTYPE_INTERNAL_FUNCTIONS, kSymbolNamespace},
    {ITEMTYPE_GLOBAL_VARIABLES, kSymbolNamespace},
    {ITEMTYPE_CLASS_DEFINITIONS, kSymbolNamespace},
    {ITEMTYPE_CONTENTS, kSymbolNamespace},
    {ITEMTYPE_WINDOW_VARIABLES, kSymbolNamespace},
    {ITEMTYPE_WINDOW_PARAMETERS, kSymbolNamespace},
    {ITEMTYPE_WINDOW_FUNCTIONS, kSymbolNamespace},
    {ITEMTYPE_CLASS_VARIABLES, kSymbolNamespace},
    {ITEMTYPE_INSTANCE_VARIABLES, kSymbolNamespace},
    {ITEMTYPE_CLASS_FUNCTIONS, kSymbolNamespace},
    {ITEMTYPE_MESSAGE_ACTIONS, kSymbolNamespace},
};

// Declarations, by the section they stand in.
const KindRow kSectionKinds[] = {
    {ITEMTYPE_CONSTANTS_SYSTEM, kSymbolConstant},
    {ITEMTYPE_CONSTANTS_USER, kSymbolConstant},
    {ITEMTYPE_GLOBAL_VARIABLES, kSymbolVariable},
    {ITEMTYPE_PARAMETERS, kSymbolVariable},
    {ITEMTYPE_STATIC_VARIABLES, kSymbolVariable},
    {ITEMTYPE_LOCAL_VARIABLES, kSymbolVariable},
    {ITEMTYPE_WINDOW_VARIABLES, kSymbolVariable},
    {ITEMTYPE_WINDOW_PARAMETERS, kSymbolVariable},
    {ITEMTYPE_CLASS_VARIABLES, kSymbolVariable},
    {ITEMTYPE_INSTANCE_VARIABLES, kSymbolVariable},
    {ITEMTYPE_CONTENTS, kSymbolField},
};

// Class definitions, all of them.
const int kClassTypes[] = {
    ITEMTYPE_FUNCTIONAL_CLASS, ITEMTYPE_GENERAL_WINDOW_CLASS, ITEMTYPE_FORM_WINDOW_CLASS,
    ITEMTYPE_DIALOG_BOX_CLASS, ITEMTYPE_TABLE_WINDOW_CLASS, ITEMTYPE_MDI_WINDOW_CLASS,
    ITEMTYPE_DATA_FIELD_CLASS, ITEMTYPE_MULTILINE_FIELD_CLASS, ITEMTYPE_SPIN_FIELD_CLASS,
    ITEMTYPE_PUSHBUTTON_CLASS, ITEMTYPE_RADIO_BUTTON_CLASS, ITEMTYPE_OPTION_BUTTON_CLASS,
    ITEMTYPE_CHECK_BOX_CLASS, ITEMTYPE_CHILD_TABLE_CLASS, ITEMTYPE_LIST_BOX_CLASS,
    ITEMTYPE_COMBO_BOX_CLASS, ITEMTYPE_PICTURE_CLASS, ITEMTYPE_VERT_SCROLL_BAR_CLASS,
    ITEMTYPE_HORZ_SCROLL_BAR_CLASS, ITEMTYPE_COLUMN_CLASS, ITEMTYPE_BACKGROUND_TEXT_CLASS,
    ITEMTYPE_GROUP_BOX_CLASS, ITEMTYPE_LINE_CLASS, ITEMTYPE_FRAME_CLASS,
    ITEMTYPE_CUSTOM_CONTROL_CLASS, ITEMTYPE_ACTIVEX_CLASS, ITEMTYPE_QUEST_WINDOW_CLASS,
    ITEMTYPE_QUEST_CHILD_WINDOW_CLASS, ITEMTYPE_COM_PROXY_CLASS,
};

// Code: the outline of symbols stops at these.
const int kCodeTypes[] = {
    ITEMTYPE_ACTIONS, ITEMTYPE_MESSAGE_HANDLER, ITEMTYPE_SET_STATEMENT, ITEMTYPE_CALL_STATEMENT,
    ITEMTYPE_IF_STATEMENT, ITEMTYPE_LOOP_STATEMENT, ITEMTYPE_JUMP_STATEMENT, ITEMTYPE_CASE_STATEMENT,
    ITEMTYPE_WHEN_STATEMENT, ITEMTYPE_COMMENT,
};

template <size_t N>
int KindIn(const KindRow (&rows)[N], int type) {
  for (const KindRow& row : rows)
    if (row.type == type) return row.kind;
  return 0;
}

template <size_t N>
bool IsIn(const int (&types)[N], int type) {
  for (int t : types)
    if (t == type) return true;
  return false;
}

}  // namespace

int SymbolKindOf(const ide::Outline& outline, ide::ItemId item) {
  const int type = outline.Type(item);
  if (IsIn(kClassTypes, type)) return kSymbolClass;
  if (IsIn(kCodeTypes, type) && type != ITEMTYPE_MESSAGE_HANDLER) return 0;
  if (int kind = KindIn(kOwnKinds, type)) return kind;
  if (outline.Name(item).empty()) return 0;
  if (int kind = KindIn(kSectionKinds, outline.Type(outline.Parent(item)))) return kind;
  return kSymbolField;
}

bool HoldsSymbols(const ide::Outline& outline, ide::ItemId item) { return !IsIn(kCodeTypes, outline.Type(item)); }

}  // namespace olvcli::lsp
