// Item type codes of the stand-in IDE's outline, and the predicates the tools
// use on them. docs/outline-types.md explains every code and why it was chosen.
#pragma once

namespace ide {
namespace ItemType {

// Top-level windows (window scopes).
constexpr int FormWindow = 1;
constexpr int DialogBox = 2;
constexpr int ChildTable = 3;            // "Child Table:" / "Quest Child Window:" (a child window that is a table)
constexpr int TableWindow = 19;          // "Table Window:" / "Quest Window:" (top level)
constexpr int MdiWindow = 66;

// Child windows.
constexpr int DataField = 4;
constexpr int MultilineField = 5;
constexpr int SpinField = 6;
constexpr int Pushbutton = 7;
constexpr int RadioButton = 8;
constexpr int OptionButton = 9;
constexpr int CheckBox = 10;
constexpr int ListBox = 11;
constexpr int ComboBox = 12;
constexpr int Picture = 13;
constexpr int VertScrollBar = 14;
constexpr int HorzScrollBar = 15;
constexpr int Column = 16;
constexpr int BackgroundText = 17;
constexpr int GroupBox = 18;
constexpr int Line = 20;
constexpr int Frame = 21;
constexpr int CustomControl = 22;
constexpr int ActiveX = 23;
constexpr int ClassChildWindow = 24;     // child window written "cClass: name" (kind unknown)

// Application structure.
constexpr int Application = 29;          // the top-level "Application Description" item
constexpr int GlobalDeclarations = 124;
constexpr int Libraries = 47;
constexpr int FileInclude = 131;
constexpr int Dynalib = 48;
constexpr int Formats = 45;
constexpr int FormatItem = 34;
constexpr int WindowDefaults = 328;
constexpr int WindowDefaultsEntry = 329;
constexpr int DefaultClasses = 46;
constexpr int DefaultClassEntry = 37;
constexpr int Constants = 52;            // group: System / User / Enumerations
constexpr int ConstantsSystem = 281;
constexpr int ConstantsUser = 299;
constexpr int Enumerations = 401;
constexpr int ConstantDecl = 33;
constexpr int ExternalFunctions = 81;    // group: one "Library name:" per DLL
constexpr int ExternalLibrary = 39;
constexpr int ExternalParameters = 41;
constexpr int TypeOnlyItem = 42;         // data type without a name (returns, external parameters)
constexpr int InternalFunctions = 134;   // also "Application Actions"
constexpr int GlobalVariables = 223;
constexpr int GlobalNamed = 406;         // "Named Menus" and "Resources" under Global Declarations
constexpr int ClassDefinitions = 244;

// Declarations and sections.
constexpr int VariableDecl = 30;
constexpr int ReceiveParam = 31;
constexpr int ObjectVariable = 32;
constexpr int ClassProperty = 35;        // "Class: X" of a window or object variable
constexpr int BaseClassEntry = 36;       // "Class: X" under "Derived From"
constexpr int Function = 70;
constexpr int Returns = 40;
constexpr int Parameters = 157;
constexpr int StaticVariables = 137;
constexpr int LocalVariables = 136;
constexpr int Actions = 28;              // function "Actions", "Menu Actions"
constexpr int MessageActions = 173;
constexpr int MessageHandler = 174;      // "On SAM_Create"
constexpr int Contents = 114;
constexpr int ToolBar = 270;
constexpr int WindowVariables = 118;
constexpr int WindowParameters = 159;
constexpr int WindowFunctions = 279;
constexpr int WindowNamedMenus = 280;
constexpr int ClassVariables = 211;
constexpr int InstanceVariables = 265;
constexpr int ClassFunctions = 278;
constexpr int DerivedFrom = 243;
constexpr int PropertyTemplate = 63;     // present in every window and window class: the scope anchor
constexpr int Description = 44;
constexpr int Property = 43;             // other known properties "Keyword: value"
constexpr int Section = 49;              // other known keyword-only items ("Menu", "Data", ...)
constexpr int MenuItem = 50;             // "Popup Menu:", "Menu Item:", "Named Menu:", "Menu:", resources
constexpr int Comment = 188;
constexpr int Generic = 900;             // unknown keyword

// Statements (written without a colon after their keyword).
constexpr int SetStatement = 72;
constexpr int CallStatement = 73;
constexpr int IfStatement = 123;         // If / Else If / Else
constexpr int LoopStatement = 129;       // While / Loop
constexpr int JumpStatement = 139;       // Return / Break
constexpr int CaseStatement = 141;       // Select Case / Case / Default
constexpr int WhenStatement = 190;       // When SqlError
constexpr int YesNoProperty = 201;       // "Keyword? value"

// Class definitions (29 kinds).
constexpr int FunctionalClass = 245;
constexpr int GeneralWindowClass = 246;
constexpr int FormWindowClass = 247;
constexpr int DialogBoxClass = 248;
constexpr int TableWindowClass = 249;
constexpr int MdiWindowClass = 250;
constexpr int DataFieldClass = 251;
constexpr int MultilineFieldClass = 252;
constexpr int SpinFieldClass = 253;
constexpr int PushbuttonClass = 254;
constexpr int RadioButtonClass = 255;
constexpr int OptionButtonClass = 256;
constexpr int CheckBoxClass = 257;
constexpr int ChildTableClass = 258;
constexpr int ListBoxClass = 259;
constexpr int ComboBoxClass = 260;
constexpr int PictureClass = 282;
constexpr int VertScrollBarClass = 283;
constexpr int HorzScrollBarClass = 284;
constexpr int ColumnClass = 288;
constexpr int BackgroundTextClass = 289;
constexpr int GroupBoxClass = 290;
constexpr int LineClass = 324;
constexpr int FrameClass = 325;
constexpr int CustomControlClass = 326;
constexpr int ActiveXClass = 327;
constexpr int QuestWindowClass = 456;
constexpr int QuestChildWindowClass = 494;
constexpr int ComProxyClass = 514;

// Layout and design-time properties (never searched).
constexpr int Left = 304;
constexpr int Top = 305;
constexpr int Width = 306;
constexpr int Height = 307;
constexpr int WindowLocation = 308;      // "Window Location and Size"
constexpr int FontName = 309;
constexpr int FontSize = 310;
constexpr int FontEnhancement = 311;
constexpr int TextColor = 312;
constexpr int BackgroundColor = 313;
constexpr int ChildKey = 314;            // "Class Child Ref Key", "Class ChildKey", "Next Class Child Key"
constexpr int ResourceId = 315;
constexpr int LineCoordinate = 316;      // "Begin X/Y", "End X/Y"
constexpr int LineAppearance = 317;      // "Line Color/Style/Thickness"
constexpr int BorderAppearance = 318;    // "Border Color/Style/Thickness", "Corners"
constexpr int OutlineVersion = 319;
constexpr int DesignTimeSettings = 320;
constexpr int DesignTimeEntry = 321;     // everything under Design-time Settings
constexpr int FormSize = 330;            // "Form Size", "Number of Pages", tool bar "Size"
constexpr int Coordinates = 331;
constexpr int DisplaySettings = 370;
constexpr int MemorySettings = 371;      // "Memory Settings", "Maximum Rows in Memory"
constexpr int PictureAppearance = 372;   // "Picture Transparent Color", "Image Style", "Button Appearance"
constexpr int DockingProperty = 495;     // "Docking Orientation", "Toolbar Docking Orientation"

}  // namespace ItemType

constexpr int kClassDefinitionTypeCount = 29;
constexpr int kDeclarationSectionTypeCount = 15;
constexpr int kColonLessTypeCount = 9;
constexpr int kUnsearchedTypeCount = 26;

bool IsClassDefinitionType(int type);
bool IsDeclarationSectionType(int type);
bool IsColonLessType(int type);
bool IsUnsearchedType(int type);
bool IsChildWindowType(int type);        // items that may stand in a window's Contents
bool IsTopLevelWindowType(int type);     // 1, 2, 19, 66
bool IsWindowScopeType(int type);        // 1, 2, 3, 19, 66
bool IsSiblingScopeType(int type);       // 28, 70, 124, 173, 278, 279
bool IsGlobalSectionType(int type);      // 134, 223, 244, 406
bool IsGlobalGroupType(int type);        // 52, 81
bool IsPathBreakType(int type);          // 70, 174
bool IsWindowType(int type);             // top-level or child window: has an object class from "Class:"

}  // namespace ide
