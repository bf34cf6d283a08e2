// The CDK's item type codes (CGItem::GetItemType) that the add-in tests:
// the one list of them for the host, ClassMate, CodeJumper and MassFinder.
// Each tool forms its own groups from these names.
//
// CDK_ITEM_TYPES(X) expands X once per code:
//     X(name, code, construct)
// name is the add-in's constant (an enumerator ITEMTYPE_...), construct the
// outline construct the code stands for, as the IDE's own type table names
// it (the tests compare every row against that table).
#pragma once

#define CDK_ITEM_TYPES(X) \
    /* top-level windows and the child table */ \
    X(ITEMTYPE_FORM_WINDOW, 1, FormWindow) \
    X(ITEMTYPE_DIALOG_BOX, 2, DialogBox) \
    X(ITEMTYPE_CHILD_TABLE, 3, ChildTable) \
    X(ITEMTYPE_TABLE_WINDOW, 19, TableWindow) \
    X(ITEMTYPE_MDI_WINDOW, 66, MdiWindow) \
    /* application structure */ \
    X(ITEMTYPE_APPLICATION, 29, Application) \
    X(ITEMTYPE_GLOBAL_DECLARATIONS, 124, GlobalDeclarations) \
    X(ITEMTYPE_FILE_INCLUDE, 131, FileInclude) \
    X(ITEMTYPE_WINDOW_DEFAULTS, 328, WindowDefaults) \
    X(ITEMTYPE_WINDOW_DEFAULTS_ENTRY, 329, WindowDefaultsEntry) \
    X(ITEMTYPE_CONSTANTS, 52, Constants) \
    X(ITEMTYPE_CONSTANTS_SYSTEM, 281, ConstantsSystem) \
    X(ITEMTYPE_CONSTANTS_USER, 299, ConstantsUser) \
    X(ITEMTYPE_ENUMERATIONS, 401, Enumerations) \
    X(ITEMTYPE_EXTERNAL_FUNCTIONS, 81, ExternalFunctions) \
    X(ITEMTYPE_INTERNAL_FUNCTIONS, 134, InternalFunctions) \
    X(ITEMTYPE_GLOBAL_VARIABLES, 223, GlobalVariables) \
    X(ITEMTYPE_GLOBAL_NAMED, 406, GlobalNamed) \
    X(ITEMTYPE_CLASS_DEFINITIONS, 244, ClassDefinitions) \
    /* declarations and sections */ \
    X(ITEMTYPE_FUNCTION, 70, Function) \
    X(ITEMTYPE_PARAMETERS, 157, Parameters) \
    X(ITEMTYPE_STATIC_VARIABLES, 137, StaticVariables) \
    X(ITEMTYPE_LOCAL_VARIABLES, 136, LocalVariables) \
    X(ITEMTYPE_ACTIONS, 28, Actions) \
    X(ITEMTYPE_MESSAGE_ACTIONS, 173, MessageActions) \
    X(ITEMTYPE_MESSAGE_HANDLER, 174, MessageHandler) \
    X(ITEMTYPE_CONTENTS, 114, Contents) \
    X(ITEMTYPE_TOOL_BAR, 270, ToolBar) \
    X(ITEMTYPE_WINDOW_VARIABLES, 118, WindowVariables) \
    X(ITEMTYPE_WINDOW_PARAMETERS, 159, WindowParameters) \
    X(ITEMTYPE_WINDOW_FUNCTIONS, 279, WindowFunctions) \
    X(ITEMTYPE_WINDOW_NAMED_MENUS, 280, WindowNamedMenus) \
    X(ITEMTYPE_CLASS_VARIABLES, 211, ClassVariables) \
    X(ITEMTYPE_INSTANCE_VARIABLES, 265, InstanceVariables) \
    X(ITEMTYPE_CLASS_FUNCTIONS, 278, ClassFunctions) \
    X(ITEMTYPE_DERIVED_FROM, 243, DerivedFrom) \
    X(ITEMTYPE_PROPERTY_TEMPLATE, 63, PropertyTemplate) \
    X(ITEMTYPE_COMMENT, 188, Comment) \
    /* statements and properties written without a colon after the keyword */ \
    X(ITEMTYPE_SET_STATEMENT, 72, SetStatement) \
    X(ITEMTYPE_CALL_STATEMENT, 73, CallStatement) \
    X(ITEMTYPE_IF_STATEMENT, 123, IfStatement) \
    X(ITEMTYPE_LOOP_STATEMENT, 129, LoopStatement) \
    X(ITEMTYPE_JUMP_STATEMENT, 139, JumpStatement) \
    X(ITEMTYPE_CASE_STATEMENT, 141, CaseStatement) \
    X(ITEMTYPE_WHEN_STATEMENT, 190, WhenStatement) \
    X(ITEMTYPE_YES_NO_PROPERTY, 201, YesNoProperty) \
    /* the 29 class definitions */ \
    X(ITEMTYPE_FUNCTIONAL_CLASS, 245, FunctionalClass) \
    X(ITEMTYPE_GENERAL_WINDOW_CLASS, 246, GeneralWindowClass) \
    X(ITEMTYPE_FORM_WINDOW_CLASS, 247, FormWindowClass) \
    X(ITEMTYPE_DIALOG_BOX_CLASS, 248, DialogBoxClass) \
    X(ITEMTYPE_TABLE_WINDOW_CLASS, 249, TableWindowClass) \
    X(ITEMTYPE_MDI_WINDOW_CLASS, 250, MdiWindowClass) \
    X(ITEMTYPE_DATA_FIELD_CLASS, 251, DataFieldClass) \
    X(ITEMTYPE_MULTILINE_FIELD_CLASS, 252, MultilineFieldClass) \
    X(ITEMTYPE_SPIN_FIELD_CLASS, 253, SpinFieldClass) \
    X(ITEMTYPE_PUSHBUTTON_CLASS, 254, PushbuttonClass) \
    X(ITEMTYPE_RADIO_BUTTON_CLASS, 255, RadioButtonClass) \
    X(ITEMTYPE_OPTION_BUTTON_CLASS, 256, OptionButtonClass) \
    X(ITEMTYPE_CHECK_BOX_CLASS, 257, CheckBoxClass) \
    X(ITEMTYPE_CHILD_TABLE_CLASS, 258, ChildTableClass) \
    X(ITEMTYPE_LIST_BOX_CLASS, 259, ListBoxClass) \
    X(ITEMTYPE_COMBO_BOX_CLASS, 260, ComboBoxClass) \
    X(ITEMTYPE_PICTURE_CLASS, 282, PictureClass) \
    X(ITEMTYPE_VERT_SCROLL_BAR_CLASS, 283, VertScrollBarClass) \
    X(ITEMTYPE_HORZ_SCROLL_BAR_CLASS, 284, HorzScrollBarClass) \
    X(ITEMTYPE_COLUMN_CLASS, 288, ColumnClass) \
    X(ITEMTYPE_BACKGROUND_TEXT_CLASS, 289, BackgroundTextClass) \
    X(ITEMTYPE_GROUP_BOX_CLASS, 290, GroupBoxClass) \
    X(ITEMTYPE_LINE_CLASS, 324, LineClass) \
    X(ITEMTYPE_FRAME_CLASS, 325, FrameClass) \
    X(ITEMTYPE_CUSTOM_CONTROL_CLASS, 326, CustomControlClass) \
    X(ITEMTYPE_ACTIVEX_CLASS, 327, ActiveXClass) \
    X(ITEMTYPE_QUEST_WINDOW_CLASS, 456, QuestWindowClass) \
    X(ITEMTYPE_QUEST_CHILD_WINDOW_CLASS, 494, QuestChildWindowClass) \
    X(ITEMTYPE_COM_PROXY_CLASS, 514, ComProxyClass) \
    /* layout and design-time properties */ \
    X(ITEMTYPE_LEFT, 304, Left) \
    X(ITEMTYPE_TOP, 305, Top) \
    X(ITEMTYPE_WIDTH, 306, Width) \
    X(ITEMTYPE_HEIGHT, 307, Height) \
    X(ITEMTYPE_WINDOW_LOCATION, 308, WindowLocation) \
    X(ITEMTYPE_FONT_NAME, 309, FontName) \
    X(ITEMTYPE_FONT_SIZE, 310, FontSize) \
    X(ITEMTYPE_FONT_ENHANCEMENT, 311, FontEnhancement) \
    X(ITEMTYPE_TEXT_COLOR, 312, TextColor) \
    X(ITEMTYPE_BACKGROUND_COLOR, 313, BackgroundColor) \
    X(ITEMTYPE_CHILD_KEY, 314, ChildKey) \
    X(ITEMTYPE_RESOURCE_ID, 315, ResourceId) \
    X(ITEMTYPE_LINE_COORDINATE, 316, LineCoordinate) \
    X(ITEMTYPE_LINE_APPEARANCE, 317, LineAppearance) \
    X(ITEMTYPE_BORDER_APPEARANCE, 318, BorderAppearance) \
    X(ITEMTYPE_OUTLINE_VERSION, 319, OutlineVersion) \
    X(ITEMTYPE_DESIGN_TIME_SETTINGS, 320, DesignTimeSettings) \
    X(ITEMTYPE_DESIGN_TIME_ENTRY, 321, DesignTimeEntry) \
    X(ITEMTYPE_FORM_SIZE, 330, FormSize) \
    X(ITEMTYPE_COORDINATES, 331, Coordinates) \
    X(ITEMTYPE_DISPLAY_SETTINGS, 370, DisplaySettings) \
    X(ITEMTYPE_MEMORY_SETTINGS, 371, MemorySettings) \
    X(ITEMTYPE_PICTURE_APPEARANCE, 372, PictureAppearance) \
    X(ITEMTYPE_DOCKING_PROPERTY, 495, DockingProperty)

#define CDK_ITEM_TYPE_ENUMERATOR(name, code, construct) name = code,
enum CDK_ITEMTYPE
{
    CDK_ITEM_TYPES(CDK_ITEM_TYPE_ENUMERATOR)
};
#undef CDK_ITEM_TYPE_ENUMERATOR
