// CTreeCtrl attached to a tree view: items inserted, walked, read and
// selected through the wrapper's tree-view messages.
#include <afxcmn.h>
#include <gtest/gtest.h>

namespace {

TEST(CTreeCtrl, WalksReadsAndSelectsItems) {
  HWND h = ::CreateWindowExA(0, WC_TREEVIEWA, "", WS_POPUP, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
  ASSERT_NE(nullptr, h);
  CTreeCtrl tree;
  tree.Attach(h);
  HTREEITEM hRoot = tree.InsertItem("Application");
  HTREEITEM hFirst = tree.InsertItem("Classes", hRoot);
  HTREEITEM hSecond = tree.InsertItem(CString('x', 300), hRoot);  // longer than the first buffer
  EXPECT_EQ(3u, tree.GetCount());
  EXPECT_EQ(hRoot, tree.GetRootItem());
  EXPECT_EQ(hFirst, tree.GetChildItem(hRoot));
  EXPECT_EQ(hSecond, tree.GetNextSiblingItem(hFirst));
  EXPECT_EQ(nullptr, tree.GetNextSiblingItem(hSecond));
  EXPECT_EQ(hRoot, tree.GetParentItem(hSecond));
  EXPECT_STREQ("Classes", tree.GetItemText(hFirst));
  EXPECT_EQ(300, tree.GetItemText(hSecond).GetLength());
  EXPECT_TRUE(tree.SelectItem(hFirst));
  EXPECT_EQ(hFirst, tree.GetSelectedItem());
  EXPECT_TRUE(tree.DeleteItem(hSecond));
  EXPECT_EQ(2u, tree.GetCount());
  tree.Detach();
  ::DestroyWindow(h);
}

}  // namespace
