// CGClass and CGChildWindow: base classes, derivation and child-window types
// on the test application's classes and windows.
#include <vector>

#include "TestOutline.h"
#include "ide/outline/ItemTypes.h"

namespace cdktest {
namespace {

using CdkClassTest = CdkOutlineTest;

TEST_F(CdkClassTest, EnumBaseClasses) {
  struct Case { const char* cls; const char* bases; };
  const std::vector<Case> cases = {
      {"cBase", ""},                // empty Derived From
      {"cMid", "cBase"},
      {"cLeaf", "cMid"},            // direct bases only
      {"cMulti", "cMid,cOther"},    // in order, the commented-out entry left out
      {"cDiamond", "cLeft,cRight"},
      {"cCycA", "cCycB"},
      {"cFromLib", "cLibBase"},
      {"cGhost", "cNowhere"},       // listed even though no such class exists
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cls);
    CGClass cls(h_, Find("Functional Class", c.cls));
    CGObjectList list;
    list.AddTail(new CGItem(h_, 1));  // the list is emptied first
    int n = cls.EnumBaseClasses(list);
    EXPECT_EQ(n, list.GetCount());
    EXPECT_EQ(Names(list), c.bases);
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
      EXPECT_EQ(list.GetNext(pos)->GetItemType(), ide::ItemType::BaseClassEntry);
  }
}

TEST_F(CdkClassTest, EnumBaseClassesOfANonClass) {
  CGObjectList list;
  EXPECT_EQ(CGClass(h_, Find("Function", "fAdd")).EnumBaseClasses(list), 0);
  EXPECT_EQ(CGClass().EnumBaseClasses(list), 0);
  EXPECT_TRUE(list.IsEmpty());
}

TEST_F(CdkClassTest, IsDerivedFrom) {
  struct Case { const char* cls; const char* base; bool expected; };
  const std::vector<Case> cases = {
      {"cMid", "cBase", true},        // direct
      {"cLeaf", "cMid", true},
      {"cLeaf", "cBase", true},       // indirect
      {"cBase", "cMid", false},       // the other way round
      {"cMid", "cMid", false},        // not from itself
      {"cBase", "cBase", false},
      {"cMulti", "cOther", true},     // second of several bases
      {"cMulti", "cBase", true},      // through the first base
      {"cMulti", "cGone", false},     // commented-out entry
      {"cDiamond", "cBase", true},    // reached along two paths
      {"cDiamond", "cRight", true},
      {"cLeft", "cRight", false},
      {"cCycA", "cCycB", true},       // cyclic: answers and ends
      {"cCycB", "cCycA", true},
      {"cCycA", "cCycA", false},
      {"cCycA", "cBase", false},
      {"cCase", "cbase", true},       // names compared exactly
      {"cCase", "cBase", false},
      {"cGhost", "cNowhere", true},   // named, though not defined
      {"cFromLib", "cLibBase", true},
      {"cMid", "", false},
      {"cMid", "Functional Class", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cls << " from " << c.base);
    EXPECT_EQ(CGClass(h_, Find("Functional Class", c.cls)).IsDerivedFrom(c.base) != FALSE, c.expected);
  }
}

TEST_F(CdkClassTest, IsDerivedFromOnOtherItems) {
  EXPECT_FALSE(CGClass(h_, Find("Function", "fAdd")).IsDerivedFrom("cBase"));
  EXPECT_FALSE(CGClass().IsDerivedFrom("cBase"));
  EXPECT_FALSE(CGClass(h_, Find("Functional Class", "cMid")).IsDerivedFrom(nullptr));
}

// Child windows are the kinds of item a window's Contents may hold.
TEST_F(CdkClassTest, IsTypeAllowed) {
  struct Case { const char* title; const char* name; bool allowed; };
  const std::vector<Case> cases = {
      {"Pushbutton", "pbOk", true},
      {"Data Field", "dfName", true},
      {"Form Window", "frmMain", false},
      {"Dialog Box", "dlgAbout", false},
      {"Function", "fAdd", false},
      {"Number", "nSum", false},
      {"Functional Class", "cMid", false},
  };
  CGChildWindow window(h_, Find("Pushbutton", "pbOk"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CGItem item = Item(c.title, c.name);
    EXPECT_EQ(window.IsTypeAllowed(item.GetItemType()) != FALSE, c.allowed);
    EXPECT_EQ(CGChildWindow(h_, item.GetItem()).IsTypeAllowed(item.GetItemType()) != FALSE, c.allowed);
  }
  EXPECT_FALSE(window.IsTypeAllowed(0));
  EXPECT_FALSE(window.IsTypeAllowed(188));
}

TEST_F(CdkClassTest, RuntimeClasses) {
  CGClass cls;
  CGApplication app;
  CGChildWindow child;
  EXPECT_TRUE(cls.IsKindOf(RUNTIME_CLASS(CGItem)));
  EXPECT_TRUE(app.IsKindOf(RUNTIME_CLASS(CGItem)));
  EXPECT_TRUE(child.IsKindOf(RUNTIME_CLASS(CGItem)));
  EXPECT_FALSE(cls.IsKindOf(RUNTIME_CLASS(CGApplication)));
  EXPECT_STREQ(RUNTIME_CLASS(CGClass)->m_lpszClassName, "CGClass");
}

}  // namespace
}  // namespace cdktest
