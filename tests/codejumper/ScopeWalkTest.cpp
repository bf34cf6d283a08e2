// The scope walk from the inside out, through F2 in the IDE: tables of lines
// (caret at '^') and the declaration the IDE then shows ("" = no jump), on
// the samples, on a test outline with cyclic derivation and missing anchors,
// and on real programs.
#include "JumpTestSupport.h"

namespace {

struct JumpCase {
  const char* marked;    // the edited line, the caret at '^'
  const char* within;    // "" or the outline line of an ancestor that makes it unique
  const char* expected;  // what the IDE shows after F2; "" when F2 did not jump
};

class ScopeWalkTest : public JumpTest {
protected:
  void Run(const JumpCase* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
      const JumpCase& c = cases[i];
      SCOPED_TRACE(std::string(c.marked) + (c.within[0] ? std::string(" in ") + c.within : std::string()));
      EXPECT_EQ(JumpFrom(c.marked, c.within), c.expected);
    }
  }
  template <size_t N>
  void Run(const JumpCase (&cases)[N]) { Run(cases, N); }
};

TEST_F(ScopeWalkTest, SampleApplication) {
  Open(SamplesDir() + "/Olvaren_Sample.app");
  const JumpCase cases[] = {
      // Function scope: parameters and locals, then the globals.
      {"Set nArea = 3.14159 * pnSize * ^pnSize", "", "Olvaren_Sample.app:106: Number: pnSize"},
      {"Return ^nArea", "", "Olvaren_Sample.app:109: Number: nArea"},
      {"Case ^SHAPE_Circle", "", "Olvaren_Sample.app:85: Number: SHAPE_Circle = 1"},
      {"Set hWndEditor = ^hWndNew", "", "Olvaren_Sample.app:129: Window Handle: hWndNew"},
      {"Set ^nOpenForms = nOpenForms + 1", "Function: OpenEditor", "Olvaren_Sample.app:94: Number: nOpenForms"},
      {"Call oAppLog.^Log( LOG_Error, 'cannot open ' || psTitle )", "", "Olvaren_Lib.apl:113: Function: Log"},
      {"Call oAppLog.Log( ^LOG_Error, 'cannot open ' || psTitle )", "", "Olvaren_Lib.apl:39: Number: LOG_Error = 2"},
      {"Call ^MessageBeep( 0 )", "", "Olvaren_Sample.app:66: Function: MessageBeep"},
      // Found only through the application's lookup: a top-level window.
      {"Set hWndNew = SalCreateWindow( ^frmMain, hWndNULL )", "", "Olvaren_Sample.app:368: Form Window: frmMain"},
      {"Call SalModalDialog( dlg^About, hWndForm, APP_TITLE )", "", "Olvaren_Sample.app:578: Dialog Box: dlgAbout"},
      // Class functions: own members, then the bases (direct ones first), then the globals.
      {"Set nSize = ^nOld * pnFactor", "", "Olvaren_Sample.app:185: Number: nOld"},
      {"Set ^nKind = SHAPE_Circle", "", "Olvaren_Sample.app:166: Number: nKind"},
      {"Set ^nSize = pnRadius", "", "Olvaren_Sample.app:167: Number: nSize"},
      {"Set sLine = ^Serialize( ) || ';' || SalNumberToStrX( Area( ), 2 )", "", "Olvaren_Lib.apl:95: Function: Serialize"},
      {"Set sLine = Serialize( ) || ';' || SalNumberToStrX( ^Area( ), 2 )", "", "Olvaren_Sample.app:169: Function: Area"},
      {"Return sCaption || ' (' || SalNumberToStrX( ^nColor, 0 ) || ')'", "", "Olvaren_Sample.app:243: Number: nColor"},
      {"Return ^sCaption || ' (' || SalNumberToStrX( nColor, 0 ) || ')'", "", "Olvaren_Sample.app:235: String: sCaption"},
      {"Call ^SetDirty( TRUE )", "", "Olvaren_Lib.apl:158: Function: SetDirty"},
      {"Call ^Clicked( )", "", "Olvaren_Lib.apl:189: Function: Clicked"},
      {"Return ^ShapeArea( nKind, nSize )", "", "Olvaren_Sample.app:100: Function: ShapeArea"},
      // Dotted names through objects of classes and their bases.
      {"Set oCurrent.^nKind = pnKind", "", "Olvaren_Sample.app:166: Number: nKind"},
      {"Set ^oCurrent.nKind = pnKind", "", "Olvaren_Sample.app:298: FunctionalVar: oCurrent"},
      // A window scope with its object class: window children, the class's
      // members, the class's bases.
      {"Call oCurrent.^SetColor( 0 )", "", ""},  // fcStoredShape has no SetColor
      {"Call ^oCurrent.SetColor( 0 )", "", "Olvaren_Sample.app:298: FunctionalVar: oCurrent"},
      {"Call ^AddShape( SHAPE_Circle, dfRadius )", "", "Olvaren_Sample.app:302: Function: AddShape"},
      {"Call AddShape( SHAPE_Circle, ^dfRadius )", "", "Olvaren_Sample.app:429: Data Field: dfRadius"},
      {"Set tblShapes.^colName = dfName", "", "Olvaren_Sample.app:510: Column: colName"},
      {"Set ^tblShapes.colName = dfName", "", "Olvaren_Sample.app:490: Child Table: tblShapes"},
      {"Set tblShapes.colName = ^dfName", "", "Olvaren_Sample.app:404: Data Field: dfName"},
      {"Set tblShapes.colArea = ShapeArea( SHAPE_Circle, hWndForm.frmMain.^dfRadius )", "",
       "Olvaren_Sample.app:429: Data Field: dfRadius"},
      {"Set tblShapes.colArea = ShapeArea( SHAPE_Circle, hWndForm.^frmMain.dfRadius )", "",
       "Olvaren_Sample.app:368: Form Window: frmMain"},
      {"Call SalMessageBox( SalNumberToStrX( ^colArea, 2 ), 'Area', MB_Ok )", "", "Olvaren_Sample.app:525: Column: colArea"},
      {"Set nTotal = nTotal + tblShapes.^colArea", "", "Olvaren_Sample.app:525: Column: colArea"},
      {"Set ^nSelected = 0", "", "Olvaren_Sample.app:567: Number: nSelected"},
      {"Call SalEndDialog( hWndForm, ^nCloseCount )", "", "Olvaren_Sample.app:651: Number: nCloseCount"},
      {"Call SalSetWindowText( hWndForm, ^psCaption )", "", "Olvaren_Sample.app:649: String: psCaption"},
      {"Set dfBuild = ^SAMPLE_BUILD", "", "Olvaren_Sample.app:82: Number: SAMPLE_BUILD = 7"},
      {"Set ^dfBuild = SAMPLE_BUILD", "", "Olvaren_Sample.app:609: Data Field: dfBuild"},
      // Nothing under the caret names nothing.
      {"Call SalSetWindowText(^ hWndForm, APP_TITLE )", "Form Window: frmMain", ""},
  };
  Run(cases);
}

TEST_F(ScopeWalkTest, JumpSample) {
  Open(SamplesDir() + "/Olvaren_Jumps.app");
  const JumpCase cases[] = {
      // A local hides the global of the same name; other names reach the globals.
      {"Set nCount = ^nCount + pnStep", "", "Olvaren_Jumps.app:28: Number: nCount"},
      {"Set ^sStatus = 'tallied'", "", "Olvaren_Jumps.app:16: String: sStatus"},
      {"Set nOrders = ^nCount", "", "Olvaren_Jumps.app:15: Number: nCount"},
      // Dotted names through objects: the class, then its (library) base.
      {"Call oCounter.^Increment( pnStep )", "", "Olvaren_Jumps.app:46: Function: Increment"},
      {"Set oCounter.^nId = MAX_ITEMS", "", "Olvaren_Lib.apl:64: Number: nId"},
      {"Set oCounter.nId = ^MAX_ITEMS", "", "Olvaren_Jumps.app:12: Number: MAX_ITEMS = 100"},
      // Only the application's lookup knows a top-level window.
      {"Call SalShowWindow( ^frmOrders )", "", "Olvaren_Jumps.app:72: Form Window: frmOrders"},
      // Through a window: its children and its variables.
      {"Set frmOrders.^dfTotal = nCount", "", "Olvaren_Jumps.app:77: Data Field: dfTotal"},
      {"Return frmOrders.^nOrders", "", "Olvaren_Jumps.app:94: Number: nOrders"},
      {"Call oLog.Log( LOG_Info, frmOrders.^dfTotal )", "", "Olvaren_Jumps.app:77: Data Field: dfTotal"},
      // Class functions: own members, then the library base.
      {"Set nValue = ^nValue + pnBy", "", "Olvaren_Jumps.app:44: Number: nValue"},
      {"Call ^Init( 'counter' )", "", "Olvaren_Lib.apl:67: Function: Init"},
      // Window scopes with object classes: the window class's members and its base.
      {"Set dfTotal = ^oTotal.nValue", "", "Olvaren_Jumps.app:64: FunctionalVar: oTotal"},
      {"Set dfTotal = oTotal.^nValue", "", "Olvaren_Jumps.app:44: Number: nValue"},
      {"Set hWndForm.dfTotal = oTotal.^nId", "", "Olvaren_Lib.apl:64: Number: nId"},
      {"Call ^SetDirty( TRUE )", "", "Olvaren_Lib.apl:158: Function: SetDirty"},
      {"Call ^oLog.Log( LOG_Info, frmOrders.dfTotal )", "", "Olvaren_Lib.apl:155: FunctionalVar: oLog"},
      {"Call oLog.^Log( LOG_Info, 'no oLog outside a form' )", "", ""},
      {"Set ^nClicks = nClicks + 1", "", "Olvaren_Lib.apl:187: Number: nClicks"},
      {"Set ^nOrders = nCount", "", "Olvaren_Jumps.app:94: Number: nOrders"},
      // The window prefix goes; a window handle variable makes the next part a fresh search.
      {"Set hWndForm.^dfTotal = oTotal.nId", "", "Olvaren_Jumps.app:77: Data Field: dfTotal"},
      {"Set hWndMain.^dfTotal = hWndMain.nCount", "", "Olvaren_Jumps.app:77: Data Field: dfTotal"},
      {"Set hWndMain.dfTotal = hWndMain.^nCount", "", "Olvaren_Jumps.app:15: Number: nCount"},
      {"Set ^hWndMain.dfTotal = hWndMain.nCount", "", "Olvaren_Jumps.app:17: Window Handle: hWndMain"},
  };
  Run(cases);
}

// Cyclic derivation ends; an owner without its anchor child skips that search.
TEST_F(ScopeWalkTest, CyclicDerivationAndMissingAnchors) {
  Open(JumpDataDir() + "/faults.app");
  const JumpCase cases[] = {
      {"Set nGlobal = oLoop.^nDeep", "", "faults.app:47: Number: nDeep"},
      {"Set ^nglobal = 0", "", ""},  // letter case counts
      {"Set nGlobal = oLoop.^nNothing", "", ""},
      {"Set nGlobal = oSelf.^nNothing", "", ""},
      {"Set nUnknown = ^nB", "", "faults.app:36: Number: nB"},
      {"Set ^nUnknown = nB", "", ""},
      {"Set nMissing = ^nGlobal", "", "faults.app:5: Number: nGlobal"},
      {"Set ^nMissing = nGlobal", "", ""},
      // A class without a base-class list, a window without message actions:
      // the search through the missing anchor is skipped.
      {"Set nGlobal = oBare.^nBare", "", ""},
      {"Set nGlobal = frmQuiet.^dfQuiet", "", ""},
      // A window without a property template: its own sections are not reached
      // by the walk, but a qualified name reaches them through its message actions.
      {"Set ^dfPlain = nGlobal", "", ""},
      {"Set dfPlain = ^nGlobal", "", "faults.app:5: Number: nGlobal"},
      {"Set ^nPlain = frmPlain.dfPlain", "", "faults.app:58: Number: nPlain"},
      {"Set nPlain = frmPlain.^dfPlain", "", "faults.app:53: Data Field: dfPlain"},
  };
  Run(cases);
}

// Real programs: every "Set NAME = ..." statement of a program's own file
// whose NAME is declared somewhere jumps to an item that declares NAME.
TEST_F(ScopeWalkTest, RealProgramsJumpToDeclarationsOfTheName) {
  std::string corpus = CorpusDir();
  if (corpus.empty()) GTEST_SKIP() << "no corpus folder";
  const char* files[] = {"mtbl.apl", "anri_lib.apl", "RequestPic.apt", "Leitz.apl"};
  for (const char* file : files) {
    SCOPED_TRACE(file);
    RestartIde();
    Open(corpus + "/" + file, {corpus});
    const ide::Outline& o = *ide::Ide::Instance().GetOutline(Ide().Application());
    int jumps = 0, tried = 0;
    for (ide::ItemId i = 0; i < o.Count() && tried < 200; ++i) {
      if (o.IsIncluded(i) || o.Title(i) != "Set") continue;
      std::string text(o.Text(i));
      size_t end = text.find_first_of(" .=[(");
      if (end == 0 || end == std::string::npos || text[end] != ' ') continue;
      std::string name = text.substr(0, end);
      ++tried;
      Ide().SelectTreeItem(ide::ToItemHandle(i));
      ASSERT_TRUE(Ide().BeginEdit(ide::ToItemHandle(i), 5));
      std::string shown = Press(VK_F2);
      if (shown.empty()) continue;
      ++jumps;
      ide::ItemId target = ide::ToItemId(Ide().CurrentItem());
      std::string declared(o.Name(target));
      EXPECT_EQ(declared.substr(0, declared.find_first_of(" [")), name) << o.OutlineLine(i) << " -> " << shown;
      EXPECT_EQ(Press(VK_F2, ide::shell::kModCtrl), ItemLocation(Ide().Application(), ide::ToItemHandle(i)));
    }
    EXPECT_GT(jumps, tried / 2) << jumps << " of " << tried;
  }
}

}  // namespace
