// The inline editor, the report window, marking, and the IDE's current item
// following the tree caret and UI command 29.
#include "ShellTestSupport.h"
#include "cdlli.h"

namespace shelltest {
namespace {

TEST_F(ShellTest, InlineEditorIsAnEditChildHoldingTheLineAndCaret) {
  OpenSample();
  ide::ItemHandle item = FindItem("Set nSize = nOld * pnFactor");
  ASSERT_NE(item, 0u);
  ASSERT_TRUE(shell.BeginEdit(item, 4));

  HWND edit = FindWindowExA(shell.Windows().outlineView, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit, shell.Editor().Handle());
  EXPECT_EQ(TextOf(edit), "Set nSize = nOld * pnFactor");
  DWORD start = 99, end = 99;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 4u);
  EXPECT_EQ(end, 4u);
  EXPECT_EQ(ide::Ide::Instance().Edit().item, item);

  // Tools find it from the main window by the item's text.
  HWND found = nullptr;
  for (HWND hwnd : Descendants(shell.MainWindowHandle()))
    if (found == nullptr && TextOf(hwnd).find("nOld * pnFactor") != std::string::npos) found = hwnd;
  EXPECT_EQ(found, edit);

  shell.EndEdit();
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_EQ(shell.Editor().Handle(), nullptr);
  EXPECT_EQ(FindWindowExA(shell.Windows().outlineView, nullptr, "Edit", nullptr), nullptr);
}

TEST_F(ShellTest, InlineEditorFollowsCaretChangesAndReopening) {
  OpenSample();
  ide::ItemHandle first = FindItem("Set nOld = nSize");
  ide::ItemHandle second = FindItem("Return nArea");
  ASSERT_TRUE(shell.BeginEdit(first));
  int start = -1, end = -1;
  shell.Editor().Selection(start, end);
  EXPECT_EQ(start, static_cast<int>(std::string("Set nOld = nSize").size()));  // caret at the end
  ASSERT_TRUE(shell.SetEditCaret(4, 8));
  shell.Editor().Selection(start, end);
  EXPECT_EQ(start, 4);
  EXPECT_EQ(end, 8);

  HWND firstEdit = shell.Editor().Handle();
  ASSERT_TRUE(shell.BeginEdit(second, 0));
  EXPECT_FALSE(IsWindow(firstEdit));
  EXPECT_EQ(shell.Editor().Text(), "Return nArea");
  EXPECT_FALSE(shell.BeginEdit(0));
}

TEST_F(ShellTest, ReportWindowMirrorsTheCoresLinesWithTheirLinks) {
  OpenSample();
  ide::Ide& ide = ide::Ide::Instance();
  ide::ItemHandle cls = FindItem("Functional Class: fcShape");
  EXPECT_FALSE(shell.IsReportShown());
  ide.SetErrorLogOpen(true);
  EXPECT_TRUE(shell.IsReportShown());
  ide.AddReportLine("Class: fcShape ()", app(), cls);
  ide.AddReportLine("----");
  ASSERT_EQ(shell.ReportLines().size(), 2u);
  EXPECT_EQ(shell.ReportLines()[0].text, "Class: fcShape ()");
  EXPECT_EQ(shell.ReportLines()[0].outline, app());
  EXPECT_EQ(shell.ReportLines()[0].item, cls);
  EXPECT_EQ(shell.ReportLines()[1].item, 0u);

  EXPECT_TRUE(shell.OpenReportLine(0));  // a line with an item leads to it
  EXPECT_EQ(shell.CurrentItem(), cls);
  EXPECT_FALSE(shell.OpenReportLine(1));
  EXPECT_FALSE(shell.OpenReportLine(2));

  ide.ClearReport();
  EXPECT_TRUE(shell.ReportLines().empty());
  ide.SetErrorLogOpen(false);
  EXPECT_FALSE(shell.IsReportShown());
}

TEST_F(ShellTest, CurrentItemFollowsTheTreeCaret) {
  OpenSample();
  HWND tree = shell.Windows().outlineTree;
  ide::ItemHandle item = FindItem("Functional Class: fcCircle");
  ASSERT_TRUE(shell.SelectTreeItem(item));
  EXPECT_EQ(shell.TreeCaretItem(), item);
  EXPECT_EQ(shell.CurrentItem(), item);

  // A tool selecting the root item through the tree view's messages.
  HTREEITEM root = TreeView_GetRoot(tree);
  ASSERT_TRUE(TreeView_Select(tree, root, TVGN_CARET));
  EXPECT_EQ(TreeView_GetSelection(tree), root);
  EXPECT_EQ(shell.TreeCaretItem(), ide::ToItemHandle(0));
  EXPECT_EQ(shell.CurrentItem(), ide::ToItemHandle(0));
}

TEST_F(ShellTest, CurrentItemFollowsUiCommand29) {
  OpenSample();
  HMODULE runtime = LoadLibraryA("cdlli42.dll");
  ASSERT_NE(runtime, nullptr) << standin::LastModuleError();
  auto doUiCommand = ExportAs<PFN_SALOUTLINEDOUICOMMAND>(runtime, "SalOutlineDoUICommand");
  ASSERT_NE(doUiCommand, nullptr);
  ide::ItemHandle item = FindItem("Number: nRadius");
  ASSERT_NE(item, 0u);
  doUiCommand(app(), item, SAL_UICMD_SHOWITEM, "");
  EXPECT_EQ(shell.CurrentItem(), item);
  EXPECT_EQ(shell.TreeCaretItem(), item);  // the tree view follows what the editor shows
  FreeLibrary(runtime);
}

// UI command 29 while a line is open in the inline editor: the outline editor
// shows the item, the tree view selects it (expanding its ancestors), and the
// inline editor stays open on its line with the caret where the user left it.
TEST_F(ShellTest, UiCommand29ShowsTheItemAndLeavesTheInlineEditorAlone) {
  OpenSample();
  HMODULE runtime = LoadLibraryA("cdlli42.dll");
  ASSERT_NE(runtime, nullptr) << standin::LastModuleError();
  auto doUiCommand = ExportAs<PFN_SALOUTLINEDOUICOMMAND>(runtime, "SalOutlineDoUICommand");
  ASSERT_NE(doUiCommand, nullptr);
  ide::ItemHandle edited = FindItem("Set nOld = nSize");
  ide::ItemHandle shown = FindItem("Number: nColor");
  ASSERT_TRUE(shell.SelectTreeItem(edited));
  ASSERT_TRUE(shell.BeginEdit(edited, 4));
  HWND editor = shell.Editor().Handle();

  struct Changes : ide::IdeObserver {
    std::vector<ide::ItemHandle> items;
    void CurrentItemChanged(ide::OutlineHandle, ide::ItemHandle item) override { items.push_back(item); }
  } changes;
  ide::Ide::Instance().AddObserver(&changes);
  EXPECT_EQ(doUiCommand(app(), shown, SAL_UICMD_SHOWITEM, ""), 1);
  ide::Ide::Instance().RemoveObserver(&changes);
  EXPECT_EQ(changes.items, std::vector<ide::ItemHandle>{shown});  // the tree following reports nothing more
  EXPECT_EQ(shell.CurrentItem(), shown);
  EXPECT_EQ(shell.TreeCaretItem(), shown);
  HWND tree = shell.Windows().outlineTree;
  HTREEITEM parent = TreeView_GetParent(tree, shell.Tree().TreeItemOf(shown));
  ASSERT_NE(parent, nullptr);
  TVITEMA state{};
  state.mask = TVIF_STATE | TVIF_HANDLE;
  state.hItem = parent;
  ASSERT_TRUE(SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&state)));
  EXPECT_TRUE(state.state & TVIS_EXPANDED);
  EXPECT_EQ(shell.Editor().Handle(), editor);
  EXPECT_EQ(shell.Editor().Text(), "Set nOld = nSize");
  int start = -1, end = -1;
  shell.Editor().Selection(start, end);
  EXPECT_EQ(start, 4);
  EXPECT_EQ(end, 4);
  EXPECT_EQ(ide::Ide::Instance().Edit().item, edited);

  // Showing the item that is shown already changes nothing; an invalid one is refused.
  EXPECT_EQ(doUiCommand(app(), shown, SAL_UICMD_SHOWITEM, ""), 1);
  EXPECT_EQ(shell.TreeCaretItem(), shown);
  EXPECT_EQ(doUiCommand(app(), 0, SAL_UICMD_SHOWITEM, ""), 0);
  EXPECT_EQ(shell.CurrentItem(), shown);
  FreeLibrary(runtime);
}

TEST_F(ShellTest, MarkingSelectsItemsOfTheApplication) {
  OpenSample();
  ide::ItemHandle a = FindItem("Functional Class: fcNamed");
  ide::ItemHandle b = FindItem("Functional Class: fcColoured");
  EXPECT_TRUE(shell.Mark(b));
  EXPECT_TRUE(shell.Mark(a));
  EXPECT_EQ(ide::Ide::Instance().MarkedItems(app()), (std::vector<ide::ItemHandle>{a, b}));
  EXPECT_TRUE(shell.Unmark(b));
  EXPECT_EQ(ide::Ide::Instance().MarkedItems(app()), std::vector<ide::ItemHandle>{a});
  shell.ClearMarks();
  EXPECT_TRUE(ide::Ide::Instance().MarkedItems(app()).empty());
  EXPECT_FALSE(shell.Mark(0));
}

}  // namespace
}  // namespace shelltest
