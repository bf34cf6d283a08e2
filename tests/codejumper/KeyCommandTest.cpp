// F2 and Ctrl+F2 on the stand-in keyboard: which keys CodeJumper takes, when
// F2 does nothing, the stack of return points, the events that empty it, the
// tree view's selection on the way, and the two trace lines.
#include <fstream>

#include "JumpTestSupport.h"
#include "standin.h"

namespace {

using ide::shell::kModAlt;
using ide::shell::kModCtrl;
using ide::shell::kModShift;

class KeyCommandTest : public JumpTest {
protected:
  void SetUp() override {
    JumpTest::SetUp();
    Open(SamplesDir() + "/Olvaren_Sample.app");
  }
};

const char kResize[] = "Set nSize = nOld * ^pnFactor";
const char kResizeTarget[] = "Olvaren_Sample.app:182: Number: pnFactor";
const char kResizeLine[] = "Olvaren_Sample.app:188: Set nSize = nOld * pnFactor";

TEST_F(KeyCommandTest, F2JumpsAndCtrlF2ReturnsWithoutReachingTheIde) {
  EXPECT_EQ(JumpFrom(kResize), kResizeTarget);
  EXPECT_FALSE(KeyReachedIde(VK_F2));
  // The inline editor keeps its line and caret.
  EXPECT_EQ(Ide().Editor().Text(), "Set nSize = nOld * pnFactor");
  int start = -1, end = -1;
  Ide().Editor().Selection(start, end);
  EXPECT_EQ(start, 19);
  EXPECT_EQ(Ide().TreeCaretItem(), Ide().CurrentItem());

  EXPECT_EQ(Press(VK_F2, kModCtrl), kResizeLine);
  EXPECT_FALSE(KeyReachedIde(VK_F2));
  EXPECT_EQ(Ide().TreeCaretItem(), Ide().CurrentItem());
}

TEST_F(KeyCommandTest, WhichKeysCodeJumperTakes) {
  struct Case {
    const char* name;
    int modifiers;
    bool takenByCodeJumper;
  } cases[] = {
      {"F2", 0, true},
      {"Ctrl+F2", kModCtrl, true},
      {"Shift+F2", kModShift, false},
      {"Alt+F2", kModAlt, false},
      {"Ctrl+Shift+F2", kModCtrl ^ kModShift, false},
      {"Ctrl+Alt+F2", kModCtrl ^ kModAlt, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditAt(kResize);
    std::string shown = Press(VK_F2, c.modifiers);
    EXPECT_EQ(KeyReachedIde(VK_F2), !c.takenByCodeJumper);
    if (!c.takenByCodeJumper) {
      EXPECT_EQ(shown, "");
    }
  }
  // Other keys are never taken.
  for (UINT key : {static_cast<UINT>(VK_F3), static_cast<UINT>(VK_RETURN), static_cast<UINT>('B')}) {
    EXPECT_EQ(Press(key, 0), "");
    EXPECT_TRUE(KeyReachedIde(key));
    EXPECT_EQ(Press(key, kModCtrl), "");
    EXPECT_TRUE(KeyReachedIde(key));
  }
}

TEST_F(KeyCommandTest, F2DoesNothingButIsTakenWhenItCannotJump) {
  // A marked item.
  EditAt(kResize);
  ASSERT_TRUE(Ide().Mark(Item("Functional Class: fcCircle")));
  EXPECT_EQ(Press(VK_F2), "");
  EXPECT_FALSE(KeyReachedIde(VK_F2));
  Ide().ClearMarks();
  // No line in edit.
  Ide().EndEdit();
  EXPECT_EQ(Press(VK_F2), "");
  EXPECT_FALSE(KeyReachedIde(VK_F2));
  // A name that nothing declares, and nothing under the caret.
  EXPECT_EQ(JumpFrom("Return ShapeArea( nKind, nSize ^)"), "");
  EXPECT_EQ(JumpFrom("Call SalTblReset( ^hWndItem )"), "");
  EXPECT_FALSE(KeyReachedIde(VK_F2));
  // None of these left a return point.
  EXPECT_EQ(Press(VK_F2, kModCtrl), "");
  EXPECT_FALSE(KeyReachedIde(VK_F2));
}

TEST_F(KeyCommandTest, HoldingF2JumpsOnceAndTheRepeatsReachTheIde) {
  EditAt(kResize);
  ShowCounter shown;
  Ide().ClearKeysReceived();
  ASSERT_TRUE(Ide().HoldKey(VK_F2, 3));
  EXPECT_EQ(Shown(), kResizeTarget);
  std::vector<UINT> keys = Ide().KeysReceived();
  EXPECT_EQ(std::count(keys.begin(), keys.end(), static_cast<UINT>(VK_F2)), 3);
  // One jump, one return point.
  EXPECT_EQ(Press(VK_F2, kModCtrl), kResizeLine);
  EXPECT_EQ(Press(VK_F2, kModCtrl), "");
}

TEST_F(KeyCommandTest, ThreeJumpsReturnInReverseOrder) {
  const char* starts[] = {"Set nArea = 3.14159 * pnSize * ^pnSize", "Set nRadius = ^pnRadius",
                          "Set nColor = pn^Color"};
  const char* returns[] = {"Olvaren_Sample.app:113: Set nArea = 3.14159 * pnSize * pnSize",
                           "Olvaren_Sample.app:205: Set nRadius = pnRadius",
                           "Olvaren_Sample.app:253: Set nColor = pnColor"};
  for (const char* start : starts) EXPECT_NE(JumpFrom(start), "") << start;
  Ide().EndEdit();
  for (int i = 2; i >= 0; --i) EXPECT_EQ(Press(VK_F2, kModCtrl), returns[i]);
  EXPECT_EQ(Press(VK_F2, kModCtrl), "");
  EXPECT_FALSE(KeyReachedIde(VK_F2));
}

TEST_F(KeyCommandTest, TreeSelectionOnTheWayThereAndBack) {
  ide::ItemHandle root = ide::ToItemHandle(0);
  ide::ItemHandle elsewhere = Item("Functional Class: fcLabel");
  EditAt(kResize);
  // The user's tree caret stands elsewhere when F2 is pressed.
  Ide().SelectTreeItem(elsewhere);
  ShowCounter shown;
  std::vector<ide::ItemHandle> selected;
  struct Recorder : ide::IdeObserver {
    std::vector<ide::ItemHandle>* items;
    void CurrentItemChanged(ide::OutlineHandle, ide::ItemHandle item) override { items->push_back(item); }
  } recorder;
  recorder.items = &selected;
  ide::Ide::Instance().AddObserver(&recorder);
  Ide().PressKey(VK_F2);
  ide::ItemHandle target = Ide().CurrentItem();
  // There: the tree's root item first, then the declaration.
  EXPECT_EQ(selected, (std::vector<ide::ItemHandle>{root, target}));
  selected.clear();
  Ide().PressKey(VK_F2, kModCtrl);
  // Back: the tree item that was the caret at the jump, then the edited line.
  EXPECT_EQ(selected, (std::vector<ide::ItemHandle>{elsewhere, Item("Set nSize = nOld * pnFactor")}));

  // No tree caret at the jump: the return selects the tree's first root item.
  Ide().EndEdit();
  Open(SamplesDir() + "/Olvaren_Sample.app");  // a fresh tree without a caret
  ASSERT_EQ(Ide().TreeCaretItem(), 0u);
  ide::ItemHandle edited = Item("Set nSize = nOld * pnFactor");
  ASSERT_TRUE(Ide().BeginEdit(edited, 19));
  Ide().PressKey(VK_F2);
  selected.clear();
  Ide().PressKey(VK_F2, kModCtrl);
  EXPECT_EQ(selected, (std::vector<ide::ItemHandle>{root, edited}));
  ide::Ide::Instance().RemoveObserver(&recorder);
}

TEST_F(KeyCommandTest, FileReadRunDesignAndRunUserEmptyTheHistory) {
  struct Case {
    const char* name;
    void (*event)(JumpTest&, ide::shell::Shell&);
    bool empties;
  } cases[] = {
      {"file read", [](JumpTest&, ide::shell::Shell& s) { s.OpenFile(SamplesDir() + "/Olvaren_Sample.app"); }, true},
      {"run design", [](JumpTest&, ide::shell::Shell& s) { s.RunDesign(); }, true},
      {"run user", [](JumpTest&, ide::shell::Shell& s) { s.RunUser(); }, true},
      {"deactivate and activate", [](JumpTest&, ide::shell::Shell& s) { s.Deactivate(); s.Activate(); }, false},
      {"item selected", [](JumpTest&, ide::shell::Shell& s) { s.Mark(1); s.ClearMarks(); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(JumpFrom(kResize), kResizeTarget);
    Ide().EndEdit();
    c.event(*this, Ide());
    Ide().Activate();
    EXPECT_EQ(Press(VK_F2, kModCtrl), c.empties ? "" : kResizeLine);
    EXPECT_EQ(Press(VK_F2, kModCtrl), "");
  }
}

TEST_F(KeyCommandTest, ReturnPointWhoseItemHasGoneIsDroppedQuietly) {
  // One return point early in the outline, one late.
  ASSERT_EQ(JumpFrom("Set nOld = ^nSize"), "Olvaren_Sample.app:167: Number: nSize");
  ASSERT_NE(JumpFrom("Set nCloseCount = ^nCloseCount + 1", "Dialog Box: dlgAbout"), "");
  Ide().EndEdit();
  // The outline loses its last items (as after an edit elsewhere): the late
  // line is gone, the early one stays.
  ide::Outline& outline = *ide::Ide::Instance().GetMutableOutline(Ide().Application());
  ide::Outline shorter;
  std::string cut = std::string(SettingsFolder()) + "/cut.app";
  {
    std::string text = ReadTextFile(SamplesDir() + "/Olvaren_Sample.app");
    std::ofstream(cut, std::ios::binary) << text.substr(0, text.find(".head 1 +  Dialog Box: dlgAbout"));
  }
  ide::LoadOptions options;
  options.includeDirs = {SamplesDir()};
  ASSERT_TRUE(ide::LoadOutline(cut, options, shorter));
  ASSERT_LT(shorter.Count(), outline.Count());
  outline.Swap(shorter);

  EXPECT_EQ(Press(VK_F2, kModCtrl), "");
  EXPECT_FALSE(KeyReachedIde(VK_F2));
  EXPECT_EQ(Press(VK_F2, kModCtrl), "cut.app:187: Set nOld = nSize");
  EXPECT_EQ(Press(VK_F2, kModCtrl), "");
  outline.Swap(shorter);
}

TEST_F(KeyCommandTest, TraceLinesOfTheTwoCommands) {
  RestartIde("<everything><module_host><property name=\"debug_mode\" value=\"true\"/></module_host></everything>");
  Open(SamplesDir() + "/Olvaren_Sample.app");
  standin::ClearDebugOutput();
  JumpFrom(kResize);
  Press(VK_F2, kModCtrl);
  Press(VK_F2, kModCtrl);
  std::string trace;
  for (const std::string& piece : standin::DebugOutput()) trace += piece;
  EXPECT_NE(trace.find("[Olvaren] CCodeJumper::JumpForward()\n"), std::string::npos) << trace;
  size_t first = trace.find("[Olvaren] CCodeJumper::Jumpbackward()\n");
  ASSERT_NE(first, std::string::npos) << trace;
  EXPECT_NE(trace.find("[Olvaren] CCodeJumper::Jumpbackward()\n", first + 1), std::string::npos) << trace;
}

}  // namespace
