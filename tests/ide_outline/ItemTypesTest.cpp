// The type table: what type code, title, text, name and object class the IDE
// gives each construct of a real program, and the code groups the tools test.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "OutlineTestUtil.h"
#include "ide/outline/ItemTypes.h"
#include "ide/outline/OutlineReader.h"

using ide::ItemId;
using ide::Outline;

namespace {

const char* const kProgram[] = {
    ".head 0 +  Application Description: demo",                     // 1
    ".head 1 -  Outline Version - 4.0.28",                          // 2
    ".head 1 +  Design-time Settings",                              // 3
    ".head 2 -  Visible? Yes",                                      // 4
    ".head 2 -  Left: 4.15\"",                                      // 5
    ".head 1 +  Libraries",                                         // 6
    ".head 2 -  File Include: lib.apl",                             // 7
    ".head 2 -  ! File Include: old.apl",                           // 8
    ".head 1 +  Global Declarations",                               // 9
    ".head 2 +  Formats",                                           // 10
    ".head 3 -  Number: #0",                                        // 11
    ".head 2 +  External Functions",                                // 12
    ".head 3 +  Library name: USER32.DLL",                          // 13
    ".head 4 +  Function: GetTickCount",                            // 14
    ".head 5 -  Returns",                                           // 15
    ".head 6 -  Number: DWORD",                                     // 16
    ".head 5 +  Parameters",                                        // 17
    ".head 6 -  Receive String: LPSTR",                             // 18
    ".head 2 +  Constants",                                         // 19
    ".head 3 +  System",                                            // 20
    ".head 4 -  Number: WM_USER = 0x0400",                          // 21
    ".head 3 +  User",                                              // 22
    ".head 4 -  String: CAPTION\t= 'x'",                            // 23
    ".head 2 +  Variables",                                         // 24
    ".head 3 -  Long String: sa[*]",                                // 25
    ".head 3 -  : oReg",                                            // 26
    ".head 4 -  Class: fcRegistry",                                 // 27
    ".head 2 +  Internal Functions",                                // 28
    ".head 3 +  Function: Foo",                                     // 29
    ".head 4 -  Description: does foo",                             // 30
    ".head 4 +  Parameters",                                        // 31
    ".head 5 -  Number: nCount\t\t! how many",                      // 32
    ".head 4 -  Static Variables",                                  // 33
    ".head 4 +  Local variables",                                   // 34
    ".head 5 -  Window Handle: hWnd",                               // 35
    ".head 4 +  Actions",                                           // 36
    ".head 5 +  If nCount > 0",                                     // 37
    ".head 6 -  Set nCount = nCount - 1",                           // 38
    ".head 5 +  Else If nCount = 0",                                // 39
    ".head 6 -  Call SalQuit()",                                    // 40
    ".head 5 +  Else",                                              // 41
    ".head 6 -  Return FALSE",                                      // 42
    ".head 5 +  Select Case nCount",                                // 43
    ".head 6 +  Case 1",                                            // 44
    ".head 7 -  Break",                                             // 45
    ".head 6 +  Default",                                           // 46
    ".head 5 +  While TRUE",                                        // 47
    ".head 5 -  When SqlError",                                     // 48
    ".head 2 +  Named Menus",                                       // 49
    ".head 3 -  Menu: menuEdit",                                    // 50
    ".head 2 +  Class Definitions",                                 // 51
    ".head 3 +  Functional Class: fcBase",                          // 52
    ".head 4 -  Derived From",                                      // 53
    ".head 4 -  Instance Variables",                                // 54
    ".head 3 +  Form Window Class: cfwMain",                        // 55
    ".head 4 -  Property Template:",                                // 56
    ".head 4 +  Derived From",                                      // 57
    ".head 5 -  Class: fcBase",                                     // 58
    ".head 5 -  ! Class: fcOld",                                    // 59
    ".head 4 +  Class Variables",                                   // 60
    ".head 4 +  Functions",                                         // 61
    ".head 4 +  Message Actions",                                   // 62
    ".head 2 +  Default Classes",                                   // 63
    ".head 3 -  MDI Window: cBaseMDI",                              // 64
    ".head 2 +  Application Actions",                               // 65
    ".head 3 +  On SAM_AppStartup",                                 // 66
    ".head 1 +  Form Window: frmMain",                              // 67
    ".head 2 -  Class: cfwMain",                                    // 68
    ".head 2 -  Property Template:",                                // 69
    ".head 2 -  Title: Main",                                       // 70
    ".head 2 +  Tool Bar",                                          // 71
    ".head 3 +  Contents",                                          // 72
    ".head 4 +  Pushbutton: pbOk",                                  // 73
    ".head 2 +  Contents",                                          // 74
    ".head 3 +  Data Field: dfName",                                // 75
    ".head 4 -  Class: cdfText",                                    // 76
    ".head 3 -  Background Text: Name:",                            // 77
    ".head 3 +  Child Table: tbl1",                                 // 78
    ".head 4 +  Contents",                                          // 79
    ".head 5 -  Column: colId",                                     // 80
    ".head 2 +  Functions",                                         // 81
    ".head 2 -  Window Parameters",                                 // 82
    ".head 2 -  Window Variables",                                  // 83
    ".head 2 +  Message Actions",                                   // 84
    ".head 3 +  On SAM_Create",                                     // 85
    ".head 4 +  ! If bOld",                                         // 86
    ".head 5 -  Call Old()",                                        // 87
    ".head 1 +  Dialog Box: dlgAbout",                              // 88
    ".head 1 +  Table Window: tblList",                             // 89
    ".head 1 +  MDI Window: mdiMain",                               // 90
    ".head 1 +  cfwMain: frmSecond",                                // 91
    ".winattr class Form Window:",                                  // 92
    ".head 2 -  Class: cfwMain",                                    // 93
    ".end",                                                         // 94
    ".head 1 -  Mystery Keyword: what",                             // 95
    ".head 1 -  Something else entirely",                           // 96
};

struct Want {
  int line;
  int type;
  const char* title;
  const char* text;
  const char* name;
  const char* objectClass;
};

TEST(ItemTypes, EachConstructGetsItsTypeTitleTextNameAndClass) {
  namespace T = ide::ItemType;
  std::string file;
  for (const char* l : kProgram) file += std::string(l) + "\r\n";
  Outline o;
  ide::LoadStatus s = ide_test::LoadText(file, o);
  ASSERT_TRUE(s) << s.Message();
  std::map<int, ItemId> byLine;
  for (ItemId i = 0; i < o.Count(); ++i) byLine[o.Line(i)] = i;
  const Want want[] = {
      {1, T::Application, "Application Description", "demo", "", ""},
      {2, T::OutlineVersion, "Outline Version - 4.0.28", "", "", ""},
      {3, T::DesignTimeSettings, "Design-time Settings", "", "", ""},
      {4, T::YesNoProperty, "Visible?", "Yes", "", ""},
      {5, T::Left, "Left", "4.15\"", "", ""},
      {6, T::Libraries, "Libraries", "", "", ""},
      {7, T::FileInclude, "File Include", "lib.apl", "", ""},
      {8, T::Comment, "!", "File Include: old.apl", "", ""},
      {9, T::GlobalDeclarations, "Global Declarations", "", "", ""},
      {10, T::Formats, "Formats", "", "", ""},
      {11, T::FormatItem, "Number", "#0", "", ""},
      {12, T::ExternalFunctions, "External Functions", "", "", ""},
      {13, T::ExternalLibrary, "Library name", "USER32.DLL", "USER32.DLL", ""},
      {14, T::Function, "Function", "GetTickCount", "GetTickCount", ""},
      {15, T::Returns, "Returns", "", "", ""},
      {16, T::TypeOnlyItem, "Number", "DWORD", "", ""},
      {17, T::ExternalParameters, "Parameters", "", "", ""},
      {18, T::TypeOnlyItem, "Receive String", "LPSTR", "", ""},
      {19, T::Constants, "Constants", "", "", ""},
      {20, T::ConstantsSystem, "System", "", "", ""},
      {21, T::ConstantDecl, "Number", "WM_USER = 0x0400", "WM_USER", ""},
      {22, T::ConstantsUser, "User", "", "", ""},
      {23, T::ConstantDecl, "String", "CAPTION\t= 'x'", "CAPTION", ""},
      {24, T::GlobalVariables, "Variables", "", "", ""},
      {25, T::VariableDecl, "Long String", "sa[*]", "sa[*]", ""},
      {26, T::ObjectVariable, "", "oReg", "oReg", "fcRegistry"},
      {27, T::ClassProperty, "Class", "fcRegistry", "", ""},
      {28, T::InternalFunctions, "Internal Functions", "", "", ""},
      {29, T::Function, "Function", "Foo", "Foo", ""},
      {30, T::Description, "Description", "does foo", "", ""},
      {31, T::Parameters, "Parameters", "", "", ""},
      {32, T::VariableDecl, "Number", "nCount\t\t! how many", "nCount", ""},
      {33, T::StaticVariables, "Static Variables", "", "", ""},
      {34, T::LocalVariables, "Local variables", "", "", ""},
      {35, T::VariableDecl, "Window Handle", "hWnd", "hWnd", ""},
      {36, T::Actions, "Actions", "", "", ""},
      {37, T::IfStatement, "If", "nCount > 0", "", ""},
      {38, T::SetStatement, "Set", "nCount = nCount - 1", "", ""},
      {39, T::IfStatement, "Else If", "nCount = 0", "", ""},
      {40, T::CallStatement, "Call", "SalQuit()", "", ""},
      {41, T::IfStatement, "Else", "", "", ""},
      {42, T::JumpStatement, "Return", "FALSE", "", ""},
      {43, T::CaseStatement, "Select Case", "nCount", "", ""},
      {44, T::CaseStatement, "Case", "1", "", ""},
      {45, T::JumpStatement, "Break", "", "", ""},
      {46, T::CaseStatement, "Default", "", "", ""},
      {47, T::LoopStatement, "While", "TRUE", "", ""},
      {48, T::WhenStatement, "When SqlError", "", "", ""},
      {49, T::GlobalNamed, "Named Menus", "", "", ""},
      {50, T::MenuItem, "Menu", "menuEdit", "menuEdit", ""},
      {51, T::ClassDefinitions, "Class Definitions", "", "", ""},
      {52, T::FunctionalClass, "Functional Class", "fcBase", "fcBase", ""},
      {53, T::DerivedFrom, "Derived From", "", "", ""},
      {54, T::InstanceVariables, "Instance Variables", "", "", ""},
      {55, T::FormWindowClass, "Form Window Class", "cfwMain", "cfwMain", ""},
      {56, T::PropertyTemplate, "Property Template:", "", "", ""},
      {57, T::DerivedFrom, "Derived From", "", "", ""},
      {58, T::BaseClassEntry, "Class", "fcBase", "fcBase", ""},
      {59, T::Comment, "!", "Class: fcOld", "", ""},
      {60, T::ClassVariables, "Class Variables", "", "", ""},
      {61, T::ClassFunctions, "Functions", "", "", ""},
      {62, T::MessageActions, "Message Actions", "", "", ""},
      {63, T::DefaultClasses, "Default Classes", "", "", ""},
      {64, T::DefaultClassEntry, "MDI Window", "cBaseMDI", "", "cBaseMDI"},
      {65, T::InternalFunctions, "Application Actions", "", "", ""},
      {66, T::MessageHandler, "On", "SAM_AppStartup", "", ""},
      {67, T::FormWindow, "Form Window", "frmMain", "frmMain", "cfwMain"},
      {68, T::ClassProperty, "Class", "cfwMain", "", ""},
      {69, T::PropertyTemplate, "Property Template:", "", "", ""},
      {70, T::Property, "Title", "Main", "", ""},
      {71, T::ToolBar, "Tool Bar", "", "", ""},
      {72, T::Contents, "Contents", "", "", ""},
      {73, T::Pushbutton, "Pushbutton", "pbOk", "pbOk", ""},
      {74, T::Contents, "Contents", "", "", ""},
      {75, T::DataField, "Data Field", "dfName", "dfName", "cdfText"},
      {77, T::BackgroundText, "Background Text", "Name:", "", ""},
      {78, T::ChildTable, "Child Table", "tbl1", "tbl1", ""},
      {80, T::Column, "Column", "colId", "colId", ""},
      {81, T::WindowFunctions, "Functions", "", "", ""},
      {82, T::WindowParameters, "Window Parameters", "", "", ""},
      {83, T::WindowVariables, "Window Variables", "", "", ""},
      {84, T::MessageActions, "Message Actions", "", "", ""},
      {85, T::MessageHandler, "On", "SAM_Create", "", ""},
      {86, T::Comment, "!", "If bOld", "", ""},
      {87, T::Comment, "", "Call Old()", "", ""},  // under a comment: commented out too
      {88, T::DialogBox, "Dialog Box", "dlgAbout", "dlgAbout", ""},
      {89, T::TableWindow, "Table Window", "tblList", "tblList", ""},
      {90, T::MdiWindow, "MDI Window", "mdiMain", "mdiMain", ""},
      {91, T::FormWindow, "cfwMain", "frmSecond", "frmSecond", "cfwMain"},
      {95, T::Generic, "Mystery Keyword", "what", "", ""},
      {96, T::Generic, "Something else entirely", "", "", ""},
  };
  for (const Want& w : want) {
    SCOPED_TRACE("line " + std::to_string(w.line));
    ASSERT_TRUE(byLine.count(w.line));
    const ItemId i = byLine[w.line];
    EXPECT_EQ(o.Type(i), w.type);
    EXPECT_EQ(o.Title(i), w.title);
    EXPECT_EQ(o.Text(i), w.text);
    EXPECT_EQ(o.Name(i), w.name);
    EXPECT_EQ(o.ObjectClass(i), w.objectClass);
  }
}

// The IDE shows an item's line as the file has it: colon-less types without a
// colon, comments as "! text", an item under a comment as it was written.
TEST(ItemTypes, OutlineLineIsTheLineAsTheFileHasIt) {
  Outline o;
  ASSERT_TRUE(ide_test::LoadText(".head 0 +  Application Description: a\n"
                                 ".head 1 -  Set x = 1\n"
                                 ".head 1 -  On SAM_Create\n"
                                 ".head 1 -  Function: F\n"
                                 ".head 1 -  Derived From \n"
                                 ".head 1 -  Visible? No\n"
                                 ".head 1 +  !  Function: Old\n"
                                 ".head 2 -  Actions\n"
                                 ".head 3 -  Set y = 2\n",
                                 o));
  EXPECT_EQ(o.OutlineLine(1), "Set x = 1");
  EXPECT_EQ(o.OutlineLine(2), "On SAM_Create");
  EXPECT_EQ(o.OutlineLine(3), "Function: F");
  EXPECT_EQ(o.OutlineLine(4), "Derived From");
  EXPECT_EQ(o.OutlineLine(5), "Visible? No");
  EXPECT_EQ(o.OutlineLine(6), "!  Function: Old");
  EXPECT_EQ(o.OutlineLine(7), "Actions");
  EXPECT_EQ(o.OutlineLine(8), "Set y = 2");
  EXPECT_EQ(o.Type(8), ide::ItemType::Comment);
}

// Keywords are matched whole and as written: a word that differs from one by
// a letter, its case, a character more or less is no keyword.
TEST(ItemTypes, OnlyTheKeywordItselfGetsItsType) {
  namespace T = ide::ItemType;
  const struct {
    const char* line;
    int type;
  } cases[] = {
      {"Libraries", T::Libraries},          {"libraries", T::Generic},
      {"Librarie", T::Generic},             {"Librariess", T::Generic},
      {"Librarias", T::Generic},            {"Constants", T::Constants},
      {"Constant", T::Generic},             {"Dialog Box: d", T::DialogBox},
      {"Dialog Bax: d", T::Generic},        {"Dialog Boxes: d", T::Generic},
      {"dialog box: d", T::Generic},        {"Functional Class: c", T::FunctionalClass},
      {"Functional Clas: c", T::Generic},   {"Column: c", T::Column},
      {"Colunm: c", T::Generic},            {"Line", T::Line},
      {"Lines", T::Generic},                {"Title: x", T::Property},
      {"Titel: x", T::Generic},             {"Outline Version - 4.0.28", T::OutlineVersion},
  };
  std::string file = ".head 0 +  Application Description: demo\n";
  for (const auto& c : cases) file += std::string(".head 1 -  ") + c.line + "\n";
  Outline o;
  ide::LoadStatus s = ide_test::LoadText(file, o);
  ASSERT_TRUE(s) << s.Message();
  ASSERT_EQ(o.Count(), 1 + sizeof cases / sizeof cases[0]);
  for (size_t k = 0; k < sizeof cases / sizeof cases[0]; ++k)
    EXPECT_EQ(o.Type(static_cast<ItemId>(k + 1)), cases[k].type) << cases[k].line;
}

TEST(ItemTypes, CodeGroupsHaveTheSizesTheToolsRelyOn) {
  int cls = 0, decl = 0, colonLess = 0, unsearched = 0;
  for (int t = 0; t < 1000; ++t) {
    cls += ide::IsClassDefinitionType(t);
    decl += ide::IsDeclarationSectionType(t);
    colonLess += ide::IsColonLessType(t);
    unsearched += ide::IsUnsearchedType(t);
  }
  EXPECT_EQ(cls, 29);
  EXPECT_EQ(decl, 15);
  EXPECT_EQ(colonLess, 9);
  EXPECT_EQ(unsearched, 26);
  for (int t : {1, 2, 3, 19, 66}) EXPECT_TRUE(ide::IsWindowScopeType(t)) << t;
  for (int t : {3, 4, 7, 16, 23, 24}) EXPECT_TRUE(ide::IsChildWindowType(t)) << t;
  for (int t : {1, 2, 19, 66, 28, 29, 173}) EXPECT_FALSE(ide::IsChildWindowType(t)) << t;
}

}  // namespace
