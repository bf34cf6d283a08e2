// The shell's window tree as tools search it, and the outline tree view as a
// mirror of the outline.
#include "ShellTestSupport.h"

namespace shelltest {
namespace {

// The depth-first search tools run over the IDE's windows: children in
// FindWindowExA order; a tree view is taken (the last one wins) and not
// entered; a "Static"/"AfxWnd42" whose text (read into 10 characters) is
// "SWStat" is the marker; the search stops once both are taken.
struct TreeSearch {
  HWND tree = nullptr;
  HWND marker = nullptr;
  bool useMarker = true;
  bool Walk(HWND parent) {
    for (HWND child = FindWindowExA(parent, nullptr, nullptr, nullptr); child != nullptr;
         child = FindWindowExA(parent, child, nullptr, nullptr)) {
      char cls[100] = "";
      char text[10] = "";
      GetClassNameA(child, cls, sizeof cls);
      GetWindowTextA(child, text, sizeof text);
      std::string c = cls;
      if (c == "SysTreeView32") {
        tree = child;
      } else if (useMarker && (c == "Static" || c == "AfxWnd42") && std::string(text) == "SWStat") {
        marker = child;
      } else if (Walk(child)) {
        return true;
      }
      if (tree != nullptr && marker != nullptr) return true;
    }
    return false;
  }
};

TEST_F(ShellTest, MainWindowIsATopLevelWindowOfItsOwnClass) {
  HWND main = shell.MainWindowHandle();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(ClassOf(main), ide::shell::kMainFrameClass);
  EXPECT_EQ(GetParent(main), nullptr);
  EXPECT_EQ(GetAncestor(main, GA_ROOT), main);
  EXPECT_EQ(ide::Ide::Instance().MainWindow(), main);
  EXPECT_EQ(TextOf(main), "Team Developer");
}

TEST_F(ShellTest, WindowTreeHoldsSeveralTreeViewsAndOneMarker) {
  int trees = 0, markers = 0;
  for (HWND hwnd : Descendants(shell.MainWindowHandle())) {
    if (ClassOf(hwnd) == "SysTreeView32") ++trees;
    if (ClassOf(hwnd) == "Static" && TextOf(hwnd) == "SWStat") ++markers;
  }
  EXPECT_GE(trees, 3);
  EXPECT_EQ(markers, 1);
  const ide::shell::WindowTree& t = shell.Windows();
  EXPECT_EQ(ClassOf(t.outlineTree), "SysTreeView32");
  EXPECT_EQ(ClassOf(t.statusMarker), "Static");
  EXPECT_EQ(GetParent(t.outlineTree), t.outlineFrame);
  EXPECT_EQ(GetParent(t.outlineView), t.outlineFrame);
}

// Only the marker rule finds the outline tree: without it the search ends
// at the project explorer's tree, and the first tree view met is the
// palette's.
TEST_F(ShellTest, DepthFirstSearchWithMarkerFindsTheOutlineTree) {
  const ide::shell::WindowTree& t = shell.Windows();
  TreeSearch withMarker;
  EXPECT_TRUE(withMarker.Walk(shell.MainWindowHandle()));
  EXPECT_EQ(withMarker.tree, t.outlineTree);
  EXPECT_EQ(withMarker.marker, t.statusMarker);

  TreeSearch withoutMarker;
  withoutMarker.useMarker = false;
  withoutMarker.Walk(shell.MainWindowHandle());
  EXPECT_EQ(withoutMarker.tree, t.explorerTree);

  HWND first = nullptr;
  for (HWND hwnd : Descendants(shell.MainWindowHandle()))
    if (first == nullptr && ClassOf(hwnd) == "SysTreeView32") first = hwnd;
  EXPECT_EQ(first, t.paletteTree);
  EXPECT_NE(t.outlineTree, t.explorerTree);
}

// Walks the tree view depth first, expanding each item first (as a user
// opening every branch), giving each item's lParam and its parent's.
void WalkTree(HWND tree, HTREEITEM item, LPARAM parent, std::vector<std::pair<LPARAM, LPARAM>>& out) {
  for (; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
    TVITEMA tv{};
    tv.mask = TVIF_PARAM | TVIF_HANDLE;
    tv.hItem = item;
    ASSERT_TRUE(TreeView_GetItem(tree, &tv));
    out.emplace_back(tv.lParam, parent);
    TreeView_Expand(tree, item, TVE_EXPAND);
    WalkTree(tree, TreeView_GetChild(tree, item), tv.lParam, out);
  }
}

UINT StateOf(HWND tree, HTREEITEM item) {
  TVITEMA tv{};
  tv.mask = TVIF_STATE | TVIF_HANDLE;
  tv.hItem = item;
  return TreeView_GetItem(tree, &tv) ? tv.state : 0;
}

size_t TopLevelCount(const ide::Outline& o) {
  size_t n = 0;
  for (ide::ItemId i = o.Root(); i != ide::kNoItem; i = o.NextSibling(i)) ++n;
  return n;
}

// As the IDE's tree, the outline tree fills lazily: opening a file inserts the
// top-level items, and an item with children says so (cChildren) before they are there.
TEST_F(ShellTest, OutlineTreeHoldsTheTopLevelItemsUntilOneIsExpanded) {
  OpenSample();
  HWND tree = shell.Windows().outlineTree;
  const ide::Outline& o = outline();
  EXPECT_EQ(TreeView_GetCount(tree), TopLevelCount(o));
  HTREEITEM root = TreeView_GetRoot(tree);
  ASSERT_NE(root, nullptr);
  TVITEMA tv{};
  tv.mask = TVIF_CHILDREN | TVIF_HANDLE | TVIF_STATE;
  tv.hItem = root;
  ASSERT_TRUE(TreeView_GetItem(tree, &tv));
  EXPECT_EQ(tv.cChildren, 1);
  EXPECT_EQ(tv.state & TVIS_EXPANDED, 0u);
  EXPECT_EQ(TreeView_GetChild(tree, root), nullptr);

  ASSERT_TRUE(TreeView_Expand(tree, root, TVE_EXPAND));
  size_t children = 0;
  for (ide::ItemId c = o.FirstChild(o.Root()); c != ide::kNoItem; c = o.NextSibling(c)) ++children;
  EXPECT_EQ(TreeView_GetCount(tree), TopLevelCount(o) + children);
  // Collapsed and expanded again, the children are the same items, not a second set.
  HTREEITEM first = TreeView_GetChild(tree, root);
  TreeView_Expand(tree, root, TVE_COLLAPSE);
  TreeView_Expand(tree, root, TVE_EXPAND);
  EXPECT_EQ(TreeView_GetChild(tree, root), first);
  EXPECT_EQ(TreeView_GetCount(tree), TopLevelCount(o) + children);
}

TEST_F(ShellTest, OutlineTreeExpandedEverywhereHasOneItemPerOutlineItemInOutlineOrder) {
  OpenSample();
  HWND tree = shell.Windows().outlineTree;
  const ide::Outline& o = outline();
  ASSERT_GT(o.Count(), 800u);  // the application and its library

  std::vector<std::pair<LPARAM, LPARAM>> walked;
  WalkTree(tree, TreeView_GetRoot(tree), 0, walked);
  ASSERT_EQ(walked.size(), o.Count());
  EXPECT_EQ(TreeView_GetCount(tree), o.Count());
  for (ide::ItemId i = 0; i < o.Count(); ++i) {
    ASSERT_EQ(walked[i].first, static_cast<LPARAM>(ide::ToItemHandle(i))) << "tree item " << i;
    ASSERT_EQ(walked[i].second, static_cast<LPARAM>(ide::ToItemHandle(o.Parent(i)))) << "parent of " << i;
  }
}

// Selecting an item that has no tree item yet fills its ancestors' children
// and expands them, as TVM_SELECTITEM does for a collapsed parent.
TEST_F(ShellTest, SelectingADeepItemFillsAndExpandsItsAncestors) {
  OpenSample();
  HWND tree = shell.Windows().outlineTree;
  const ide::Outline& o = outline();
  ide::ItemHandle deep = FindItem("Functional Class: fcLabel");
  ASSERT_NE(deep, 0u);
  ASSERT_GE(o.Level(ide::ToItemId(deep)), 2);
  EXPECT_EQ(shell.Tree().TreeItemOf(deep), nullptr);

  ASSERT_TRUE(shell.SelectTreeItem(deep));
  HTREEITEM item = shell.Tree().TreeItemOf(deep);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)), item);
  EXPECT_EQ(shell.TreeCaretItem(), deep);
  EXPECT_EQ(ide::Ide::Instance().CurrentItem(), deep);
  // Up the parent chain: each tree item is the outline parent's, expanded.
  ide::ItemId id = ide::ToItemId(deep);
  for (HTREEITEM p = TreeView_GetParent(tree, item); p != nullptr; p = TreeView_GetParent(tree, p)) {
    id = o.Parent(id);
    EXPECT_EQ(p, shell.Tree().TreeItemOf(ide::ToItemHandle(id)));
    EXPECT_NE(StateOf(tree, p) & TVIS_EXPANDED, 0u);
  }
  EXPECT_EQ(o.Parent(id), ide::kNoItem);
  // The item's siblings came with it, in outline order.
  ide::ItemId first = o.FirstChild(o.Parent(ide::ToItemId(deep)));
  EXPECT_EQ(TreeView_GetChild(tree, TreeView_GetParent(tree, item)), shell.Tree().TreeItemOf(ide::ToItemHandle(first)));

  // The tool's walk back: the root by TVGN_ROOT, selected with TVM_SELECTITEM.
  HTREEITEM root = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  EXPECT_EQ(root, shell.Tree().TreeItemOf(ide::ToItemHandle(o.Root())));
  ASSERT_TRUE(SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root)));
  EXPECT_EQ(ide::Ide::Instance().CurrentItem(), ide::ToItemHandle(o.Root()));
  // A stored caret handle stays good: selecting it again shows the deep item.
  ASSERT_TRUE(SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
  EXPECT_EQ(ide::Ide::Instance().CurrentItem(), deep);
}

// The keys walk a lazily filled tree as a filled one: Right expands (filling),
// Right again enters the first child, Down goes on in outline order.
TEST_F(ShellTest, ArrowKeysWalkTheLazilyFilledTree) {
  OpenSample();
  HWND tree = shell.Windows().outlineTree;
  const ide::Outline& o = outline();
  HTREEITEM root = TreeView_GetRoot(tree);
  ASSERT_TRUE(TreeView_SelectItem(tree, root));
  SendMessageA(tree, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_NE(StateOf(tree, root) & TVIS_EXPANDED, 0u);
  SendMessageA(tree, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(shell.TreeCaretItem(), ide::ToItemHandle(o.FirstChild(o.Root())));
  SendMessageA(tree, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(shell.TreeCaretItem(), ide::ToItemHandle(o.NextSibling(o.FirstChild(o.Root()))));
}

TEST_F(ShellTest, TreeItemTextIsTheOutlineLineOnOneLine) {
  OpenSample();
  const ide::Outline& o = outline();
  for (ide::ItemId i : {ide::ItemId{0}, ide::ToItemId(FindItem("Functional Class: fcLabel"))}) {
    ASSERT_TRUE(shell.SelectTreeItem(ide::ToItemHandle(i)));
    char text[512] = "";
    TVITEMA tv{};
    tv.mask = TVIF_TEXT | TVIF_HANDLE;
    tv.hItem = shell.Tree().TreeItemOf(ide::ToItemHandle(i));
    tv.pszText = text;
    tv.cchTextMax = sizeof text;
    ASSERT_TRUE(TreeView_GetItem(shell.Windows().outlineTree, &tv));
    std::string expected = o.OutlineLine(i);
    std::string flat;
    for (size_t k = 0; k < expected.size(); ++k) {
      if (expected[k] == '\r' && k + 1 < expected.size() && expected[k + 1] == '\n') continue;
      flat += (expected[k] == '\r' || expected[k] == '\n' || expected[k] == '\t') ? ' ' : expected[k];
    }
    EXPECT_EQ(text, flat.substr(0, sizeof text - 1));
  }
}

TEST_F(ShellTest, OpeningAnotherFileRefillsTheTreeAndRetitlesTheFrame) {
  OpenSample();
  EXPECT_EQ(TextOf(shell.MainWindowHandle()), "Team Developer - " + SamplePath());
  ide::LoadStatus status = shell.OpenFile(SampleLibPath());
  ASSERT_TRUE(status) << status.Message();
  EXPECT_EQ(TreeView_GetCount(shell.Windows().outlineTree), TopLevelCount(outline()));
  EXPECT_EQ(shell.Tree().TreeItemOf(ide::ToItemHandle(outline().Root())),
            TreeView_GetRoot(shell.Windows().outlineTree));
  EXPECT_EQ(ide::Ide::Instance().Outlines().size(), 1u);
  EXPECT_EQ(ide::Ide::Instance().FrameWindow(app()), shell.Windows().outlineFrame);
  EXPECT_EQ(TextOf(shell.Windows().outlineFrame), SampleLibPath());
  shell.CloseFile();
  EXPECT_EQ(TreeView_GetCount(shell.Windows().outlineTree), 0u);
  EXPECT_EQ(TextOf(shell.MainWindowHandle()), "Team Developer");
}

TEST_F(ShellTest, FailedOpenChangesNothing) {
  OpenSample();
  ide::OutlineHandle before = app();
  ide::LoadStatus status = shell.OpenFile(SamplePath() + ".missing");
  EXPECT_FALSE(status);
  EXPECT_EQ(app(), before);
  EXPECT_EQ(TreeView_GetCount(shell.Windows().outlineTree), TopLevelCount(outline()));
  EXPECT_FALSE(shell.IsWaitCursor());
}

TEST_F(ShellTest, ExitDestroysTheWindows) {
  HWND main = shell.MainWindowHandle();
  HWND tree = shell.Windows().outlineTree;
  shell.Exit();
  EXPECT_FALSE(IsWindow(main));
  EXPECT_FALSE(IsWindow(tree));
  EXPECT_EQ(ide::Ide::Instance().MainWindow(), nullptr);
}

}  // namespace
}  // namespace shelltest
