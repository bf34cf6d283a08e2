// MFC collections: CList order and POSITION walking (with its node block
// size), CStringArray growth, insertion and removal, and the ASSERTs of
// MFC's debug build on misuse.
#include <afxcoll.h>
#include <afxtempl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

template <class L>
std::vector<int> Forward(const L& list) {
  std::vector<int> out;
  for (POSITION pos = list.GetHeadPosition(); pos != NULL;) out.push_back(list.GetNext(pos));
  return out;
}

template <class L>
std::vector<int> Backward(const L& list) {
  std::vector<int> out;
  for (POSITION pos = list.GetTailPosition(); pos != NULL;) out.push_back(list.GetPrev(pos));
  return out;
}

typedef CList<int, int> IntList;

TEST(CList, AddHeadAndTailKeepOrderBothWays) {
  IntList list;
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(NULL, list.GetHeadPosition());
  list.AddTail(2);
  list.AddTail(3);
  list.AddHead(1);
  EXPECT_EQ((std::vector<int>{1, 2, 3}), Forward(list));
  EXPECT_EQ((std::vector<int>{3, 2, 1}), Backward(list));
  EXPECT_EQ(3, list.GetCount());
  EXPECT_EQ(3, list.GetSize());
  EXPECT_EQ(1, list.GetHead());
  EXPECT_EQ(3, list.GetTail());
}

TEST(CList, RemoveHeadAndTailReturnTheElement) {
  IntList list;
  for (int i = 1; i <= 4; i++) list.AddTail(i);
  EXPECT_EQ(1, list.RemoveHead());
  EXPECT_EQ(4, list.RemoveTail());
  EXPECT_EQ((std::vector<int>{2, 3}), Forward(list));
  EXPECT_EQ(2, list.RemoveHead());
  EXPECT_EQ(3, list.RemoveTail());
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(NULL, list.GetTailPosition());
  list.AddTail(5);  // usable again after emptying
  EXPECT_EQ((std::vector<int>{5}), Forward(list));
}

TEST(CList, PositionsStayValidAcrossInsertAndRemoveOfOthers) {
  IntList list;
  POSITION p1 = list.AddTail(1);
  POSITION p3 = list.AddTail(3);
  POSITION p2 = list.InsertAfter(p1, 2);
  list.InsertBefore(p1, 0);
  list.InsertAfter(p3, 4);
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), Forward(list));
  list.RemoveAt(p1);
  EXPECT_EQ(2, list.GetAt(p2));
  list.SetAt(p3, 30);
  EXPECT_EQ((std::vector<int>{0, 2, 30, 4}), Forward(list));
  EXPECT_EQ((std::vector<int>{4, 30, 2, 0}), Backward(list));
  list.InsertBefore(NULL, -1);  // NULL: at the head
  list.InsertAfter(NULL, 99);   // NULL: at the tail
  EXPECT_EQ((std::vector<int>{-1, 0, 2, 30, 4, 99}), Forward(list));
}

TEST(CList, RemovingWhileWalkingWithTheNextPosition) {
  IntList list;
  for (int i = 0; i < 25; i++) list.AddTail(i);
  for (POSITION pos = list.GetHeadPosition(); pos != NULL;) {
    POSITION cur = pos;
    if (list.GetNext(pos) % 2 == 1) list.RemoveAt(cur);
  }
  EXPECT_EQ(13, list.GetCount());
  EXPECT_EQ(24, list.GetTail());
}

TEST(CList, FindAndFindIndex) {
  IntList list;
  list.AddTail(7);
  POSITION second = list.AddTail(8);
  list.AddTail(7);
  POSITION first7 = list.Find(7);
  EXPECT_EQ(list.GetHeadPosition(), first7);
  EXPECT_EQ(list.GetTailPosition(), list.Find(7, first7));
  EXPECT_EQ(NULL, list.Find(9));
  EXPECT_EQ(NULL, list.Find(7, list.GetTailPosition()));
  EXPECT_EQ(second, list.FindIndex(1));
  EXPECT_EQ(NULL, list.FindIndex(3));
  EXPECT_EQ(NULL, list.FindIndex(-1));
}

TEST(CList, AnyNodeBlockSizeHoldsAnyNumberOfElements) {
  for (INT_PTR blockSize : {1, 2, 10, 64}) {
    CList<CString, const CString&> list(blockSize);
    for (int i = 0; i < 30; i++) {
      CString s;
      s.Format("item %d", i);
      list.AddTail(s);
    }
    EXPECT_EQ(30, list.GetCount());
    EXPECT_STREQ("item 0", list.GetHead());
    EXPECT_STREQ("item 29", list.GetTail());
    while (list.GetCount() > 1) list.RemoveHead();
    EXPECT_STREQ("item 29", list.GetHead());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
  }
}

TEST(CList, NodesOfOneBlockAreHandedOutInOrder) {
  // MFC takes the nodes of a fresh block from its start: the first
  // nBlockSize nodes are consecutive.
  CList<int, int> list(4);
  POSITION p0 = list.AddTail(0);
  POSITION p1 = list.AddTail(1);
  POSITION p2 = list.AddTail(2);
  const auto step = reinterpret_cast<char*>(p1) - reinterpret_cast<char*>(p0);
  EXPECT_GT(step, 0);
  EXPECT_EQ(step, reinterpret_cast<char*>(p2) - reinterpret_cast<char*>(p1));
}

TEST(CList, AddListAddsCopiesInOrder) {
  IntList a, b;
  a.AddTail(2);
  b.AddTail(0);
  b.AddTail(1);
  a.AddHead(&b);
  a.AddTail(&b);
  EXPECT_EQ((std::vector<int>{0, 1, 2, 0, 1}), Forward(a));
}

TEST(CListDeathTest, MisuseAsserts) {
  IntList list;
  EXPECT_DEATH(list.RemoveHead(), "ASSERT failed");
  EXPECT_DEATH(list.RemoveTail(), "ASSERT failed");
  EXPECT_DEATH(list.GetHead(), "ASSERT failed");
  POSITION pos = NULL;
  EXPECT_DEATH(list.GetNext(pos), "ASSERT failed");
}

TEST(CStringArray, AddReturnsIndexAndElementsReadBack) {
  CStringArray a;
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ(0, a.Add("x"));
  EXPECT_EQ(1, a.Add(CString("ClassMate")));
  EXPECT_EQ(2, a.GetSize());
  EXPECT_EQ(2, a.GetCount());
  EXPECT_EQ(1, a.GetUpperBound());
  EXPECT_STREQ("x", a.GetAt(0));
  EXPECT_STREQ("ClassMate", a[1]);
  a.SetAt(0, "y");
  a.ElementAt(1) += "!";
  a[0] += "z";
  EXPECT_STREQ("yz", a[0]);
  EXPECT_STREQ("ClassMate!", a.GetAt(1));
}

std::vector<std::string> Items(const CStringArray& a) {
  std::vector<std::string> out;
  for (INT_PTR i = 0; i < a.GetSize(); i++) out.push_back(static_cast<const char*>(a[i]));
  return out;
}

TEST(CStringArray, InsertAtShiftsOrGrows) {
  CStringArray a;
  a.Add("a");
  a.Add("c");
  a.InsertAt(1, "b");
  a.InsertAt(0, "-", 2);
  EXPECT_EQ((std::vector<std::string>{"-", "-", "a", "b", "c"}), Items(a));
  a.InsertAt(7, "z");  // past the end: grows with empty strings first
  EXPECT_EQ((std::vector<std::string>{"-", "-", "a", "b", "c", "", "", "z"}), Items(a));
}

TEST(CStringArray, RemoveAtRemoveAllAndCopy) {
  CStringArray a;
  for (const char* s : {"0", "1", "2", "3", "4"}) a.Add(s);
  a.RemoveAt(1);
  a.RemoveAt(2, 2);
  EXPECT_EQ((std::vector<std::string>{"0", "2"}), Items(a));
  CStringArray b;
  b.Add("old");
  b.Copy(a);
  EXPECT_EQ(Items(a), Items(b));
  b.Append(a);
  EXPECT_EQ((std::vector<std::string>{"0", "2", "0", "2"}), Items(b));
  a.RemoveAll();
  EXPECT_EQ(0, a.GetSize());
  b.InsertAt(1, &b);
  EXPECT_EQ((std::vector<std::string>{"0", "0", "2", "0", "2", "2", "0", "2"}), Items(b));
}

TEST(CStringArrayDeathTest, IndexOutOfRangeAsserts) {
  CStringArray a;
  a.Add("only");
  EXPECT_DEATH(a.GetAt(1), "ASSERT failed");
  EXPECT_DEATH(a.SetAt(-1, "x"), "ASSERT failed");
  EXPECT_DEATH(a.RemoveAt(0, 2), "ASSERT failed");
}

// MFC clears an array's new memory before constructing the elements, so
// elements of a plain type that SetSize or SetAtGrow adds read as zero.
TEST(CArray, ElementsAddedBySetSizeAreZero) {
  CArray<DWORD, DWORD> a;
  a.SetSize(1000);
  a.SetAtGrow(1500, 7);
  int nonZero = 0;
  for (INT_PTR i = 0; i < a.GetSize(); ++i) nonZero += a[i] != 0;
  EXPECT_EQ(nonZero, 1);
  a.SetSize(10);
  a.SetSize(20);  // within the allocation: the elements dropped before come back as zero
  for (INT_PTR i = 0; i < a.GetSize(); ++i) nonZero += a[i] != 0;
  EXPECT_EQ(nonZero, 1);
}

TEST(CStringList, FindComparesText) {
  CStringList list;
  list.AddTail("a");
  POSITION b = list.AddTail("b");
  EXPECT_EQ(b, list.Find("b"));
  EXPECT_EQ(NULL, list.Find("B"));
}

}  // namespace
