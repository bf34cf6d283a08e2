// The searches for the IDE's outline tree view and in-place edit control,
// run by the probe build over window trees built here and over the stand-in
// IDE's own window tree.
#include <windows.h>  // before commctrl.h, which needs its types
#include <commctrl.h>

#include "HostTestSupport.h"

namespace {

class WindowSearchTest : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    InitCommonControls();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "AfxWnd42";
    RegisterClassA(&wc);
    wc.lpszClassName = "EditBox";  // not an edit control, but begins with "Edit"
    RegisterClassA(&wc);
    wc.lpszClassName = "TestFrame";
    RegisterClassA(&wc);
    StartIde("OlvarenProbe.dll");
    top_ = CreateWindowExA(0, "TestFrame", "top", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(top_);
    HostTest::TearDown();
  }
  HWND Child(HWND parent, const char* cls, const char* text) {
    return CreateWindowExA(0, cls, text, WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
  }
  HWND FindTree(HWND parent) { return Probe<HWND (*)(HWND)>("ProbeFindOutlineTree")(parent); }
  HWND FindEdit(HWND parent, const char* text) {
    return Probe<HWND (*)(HWND, const char*)>("ProbeFindEditWindowByText")(parent, text);
  }
  HWND top_ = nullptr;
};

TEST_F(WindowSearchTest, TreeBeforeTheMarkerWins) {
  HWND pane = Child(top_, "TestFrame", "pane");
  HWND before = Child(pane, WC_TREEVIEWA, "");
  Child(top_, "Static", "SWStat");
  Child(top_, WC_TREEVIEWA, "");
  EXPECT_EQ(FindTree(top_), before);
}

TEST_F(WindowSearchTest, MarkerFirstTakesTheNextTree) {
  Child(top_, "AfxWnd42", "SWStat");
  HWND pane = Child(top_, "TestFrame", "pane");
  HWND after = Child(pane, WC_TREEVIEWA, "");
  Child(top_, WC_TREEVIEWA, "");
  EXPECT_EQ(FindTree(top_), after);
}

TEST_F(WindowSearchTest, WithoutMarkerTheLastTreeWins) {
  Child(top_, WC_TREEVIEWA, "");
  // "SWStatus" is no marker: the window is searched like any other.
  HWND status = Child(top_, "Static", "SWStatus");
  HWND inside = Child(status, WC_TREEVIEWA, "");
  Child(top_, "Static", "swstat");
  EXPECT_EQ(FindTree(top_), inside);
  EXPECT_EQ(FindTree(Child(top_, "TestFrame", "empty")), nullptr);
}

TEST_F(WindowSearchTest, EditWindowByText) {
  Child(top_, "Static", "Set nCount = 1");
  HWND pane = Child(top_, "TestFrame", "pane");
  HWND first = Child(pane, "Edit", "other text");
  HWND prefixed = Child(pane, "EditBox", "Set nCount = 1");
  EXPECT_EQ(FindEdit(top_, "nCount"), prefixed);
  EXPECT_EQ(FindEdit(top_, ""), first);
  EXPECT_EQ(FindEdit(top_, "ncount"), nullptr);
}

TEST_F(WindowSearchTest, OutlineTreeOfTheIdeIsFoundAndForgottenAtFileRead) {
  OpenSampleApp();
  HWND tree = Probe<HWND (*)()>("ProbeGetOutlineTreeCtrl")();
  EXPECT_EQ(tree, Ide().Windows().outlineTree);
  EXPECT_NE(HostState().find("tree=1"), std::string::npos);
  OpenSampleApp();
  EXPECT_NE(HostState().find("tree=0"), std::string::npos);
}

}  // namespace
