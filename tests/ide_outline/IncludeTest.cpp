// File Include items: where the IDE finds a library, how its items are merged
// into the application's sections, and the warnings for missing libraries,
// cycles and libraries that are not text outlines.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>
#endif

#include <functional>
#include <string>
#include <vector>

#include "OutlineTestUtil.h"
#include "ide/outline/IncludeResolver.h"
#include "ide/outline/ItemTypes.h"
#include "ide/outline/OutlineReader.h"

using ide::ItemId;
using ide::kNoItem;
using ide::LoadOptions;
using ide::LoadStatus;
using ide::Outline;
using ide_test::ChildNames;
using ide_test::TempDir;

namespace {

std::string App(const std::vector<std::string>& includes, const std::string& classes = "",
                const std::string& extra = "") {
  std::string s =
      ".head 0 +  Application Description: app\n"
      ".head 1 -  Outline Version - 4.0.28\n"
      ".head 1 +  Design-time Settings\n"
      ".head 2 -  Visible? Yes\n"
      ".head 1 +  Libraries\n";
  for (const std::string& i : includes) s += ".head 2 -  File Include: " + i + "\n";
  s += ".head 1 +  Global Declarations\n"
       ".head 2 +  Class Definitions\n" +
       classes + extra + ".head 1 +  Form Window: frmApp\n";
  return s;
}

std::string Lib(const std::string& cls, const std::vector<std::string>& includes = {}) {
  std::string s =
      ".head 0 +  Application Description: lib\n"
      ".head 1 -  Outline Version - 4.0.28\n"
      ".head 1 +  Design-time Settings\n"
      ".head 2 -  Visible? No\n"
      ".head 1 +  Libraries\n";
  for (const std::string& i : includes) s += ".head 2 -  File Include: " + i + "\n";
  s += ".head 1 +  Global Declarations\n"
       ".head 2 +  Window Defaults\n"
       ".head 3 -  Form Window\n"
       ".head 2 +  Constants\n"
       ".head 3 +  User\n"
       ".head 4 -  Number: N_" + cls + " = 1\n"
       ".head 2 +  Class Definitions\n"
       ".head 3 +  Functional Class: " + cls + "\n"
       ".head 4 -  Derived From\n"
       ".head 2 +  Internal Functions\n"
       ".head 3 +  Function: F_" + cls + "\n"
       ".head 1 +  Form Window: frm_" + cls + "\n";
  return s;
}

ItemId Find(const Outline& o, int type, std::string_view name) {
  for (ItemId i = 0; i < o.Count(); ++i)
    if (o.Type(i) == type && o.Name(i) == name) return i;
  return kNoItem;
}

ItemId Child(const Outline& o, ItemId parent, int type) {
  for (ItemId c = o.FirstChild(parent); c != kNoItem; c = o.NextSibling(c))
    if (o.Type(c) == type) return c;
  return kNoItem;
}

// The outline is in outline order: every item's parent precedes it and levels agree.
void ExpectConsistent(const Outline& o) {
  for (ItemId i = 1; i < o.Count(); ++i) {
    ASSERT_LT(o.Parent(i), i);
    ASSERT_EQ(o.Level(i), o.Level(o.Parent(i)) + 1);
    if (o.PrevSibling(i) != kNoItem) {
      ASSERT_EQ(o.NextSibling(o.PrevSibling(i)), i);
    }
  }
}

TEST(Includes, LibraryItemsAreMergedIntoTheApplicationsSections) {
  TempDir dir;
  dir.Write("Lib1.APL", Lib("cOne"));
  dir.Write("lib2.apl", Lib("cTwo"));
  const std::string app = dir.Write(
      "app.apt", App({"lib1.apl", "LIB2.apl"}, ".head 3 +  Functional Class: cApp\n"));
  Outline o;
  LoadStatus s = ide::LoadOutline(app, LoadOptions{}, o);
  ASSERT_TRUE(s) << s.Message();
  EXPECT_TRUE(s.warnings.empty());
  ExpectConsistent(o);
  namespace T = ide::ItemType;
  const ItemId gd = Child(o, 0, T::GlobalDeclarations);
  const ItemId classes = Child(o, gd, T::ClassDefinitions);
  // Included items come first, in include order, then the application's own.
  EXPECT_EQ(ChildNames(o, classes), (std::vector<std::string>{"cOne", "cTwo", "cApp"}));
  EXPECT_EQ(ChildNames(o, 0), (std::vector<std::string>{"Outline Version - 4.0.28", "Design-time Settings",
                                                         "Libraries", "Global Declarations", "frm_cOne",
                                                         "frm_cTwo", "frmApp"}));
  // Sections the application lacks come in from the library, marked included.
  const ItemId functions = Child(o, gd, T::InternalFunctions);
  ASSERT_NE(functions, kNoItem);
  EXPECT_TRUE(o.IsIncluded(functions));
  EXPECT_EQ(ChildNames(o, functions), (std::vector<std::string>{"F_cOne", "F_cTwo"}));
  const ItemId user = Child(o, Child(o, gd, T::Constants), T::ConstantsUser);
  EXPECT_EQ(ChildNames(o, user), (std::vector<std::string>{"N_cOne", "N_cTwo"}));
  // Design-time settings and window defaults of libraries are not merged.
  EXPECT_EQ(ChildNames(o, Child(o, 0, T::DesignTimeSettings)), std::vector<std::string>{"Visible?"});
  EXPECT_EQ(Child(o, gd, T::WindowDefaults), kNoItem);
  // Each included item knows its file, its line there and the File Include that brought it.
  const ItemId one = Find(o, T::FunctionalClass, "cOne");
  EXPECT_TRUE(o.IsIncluded(one));
  EXPECT_EQ(o.File(one).path, dir.path() + "/Lib1.APL");
  EXPECT_EQ(o.Line(one), 13);
  EXPECT_EQ(o.Type(o.IncludingItem(one)), T::FileInclude);
  EXPECT_EQ(o.Text(o.IncludingItem(one)), "lib1.apl");
  EXPECT_EQ(o.Text(o.IncludingItem(Find(o, T::Function, "F_cTwo"))), "LIB2.apl");
  EXPECT_FALSE(o.IsIncluded(Find(o, T::FunctionalClass, "cApp")));
  EXPECT_EQ(o.IncludingItem(Find(o, T::FunctionalClass, "cApp")), kNoItem);
}

TEST(Includes, NestedIncludesNameTheNearestIncludingItem) {
  TempDir dir;
  dir.Write("mid.apl", Lib("cMid", {"deep.apl"}));
  dir.Write("deep.apl", Lib("cDeep"));
  Outline o;
  LoadStatus s = ide::LoadOutline(dir.Write("app.apt", App({"mid.apl"})), LoadOptions{}, o);
  ASSERT_TRUE(s) << s.Message();
  EXPECT_TRUE(s.warnings.empty());
  ExpectConsistent(o);
  namespace T = ide::ItemType;
  const ItemId libs = Child(o, 0, T::Libraries);
  // The library's File Include item shows in the application's Libraries, included.
  EXPECT_EQ(ChildNames(o, libs), (std::vector<std::string>{"File Include", "File Include"}));
  const ItemId nested = o.FirstChild(libs), own = o.NextSibling(nested);
  EXPECT_EQ(o.Text(nested), "deep.apl");
  EXPECT_TRUE(o.IsIncluded(nested));
  EXPECT_EQ(o.IncludingItem(nested), own);
  EXPECT_FALSE(o.IsIncluded(own));
  EXPECT_EQ(o.IncludingItem(Find(o, T::FunctionalClass, "cDeep")), nested);
  EXPECT_EQ(o.IncludingItem(Find(o, T::FunctionalClass, "cMid")), own);
  // A library's own includes come before its items.
  EXPECT_EQ(ChildNames(o, Child(o, Child(o, 0, T::GlobalDeclarations), T::ClassDefinitions)),
            (std::vector<std::string>{"cDeep", "cMid"}));
}

TEST(Includes, LookupOrderAndProblemsBecomeWarnings) {
  TempDir dir, inc;
  inc.Write("Found.Apl", Lib("cFound"));
  dir.Write("cyc.apl", Lib("cCyc", {"APP.APT"}));
  dir.Write("bin.apd", std::string("\x01\x02\x00\x00", 4));
  dir.Write("broken.apl", ".head 0 +  Application Description: x\n.head 2 -  A\n");
  const std::string app = dir.Write("app.apt", App({"found.apl", "missing.apl", "cyc.apl", "bin.apd",
                                                    "broken.apl", "found.apl"}));
  Outline o;
  LoadOptions options;
  options.includeDirs.push_back(inc.path());
  LoadStatus s = ide::LoadOutline(app, options, o);
  ASSERT_TRUE(s) << s.Message();
  ExpectConsistent(o);
  const std::vector<std::string> want = {
      app + ":7: included library 'missing.apl' not found",
      dir.path() + "/cyc.apl:6: include cycle app.apt -> cyc.apl -> APP.APT; 'APP.APT' is not included again",
      app + ":9: included library 'bin.apd' (" + dir.path() + "/bin.apd) skipped: line 1: not a text-format outline: a NUL byte (binary data, not text)",
      app + ":10: included library 'broken.apl' (" + dir.path() +
          "/broken.apl) skipped: line 2: level jumps from 0 to 2",
  };
  EXPECT_EQ(s.warnings, want);
  namespace T = ide::ItemType;
  EXPECT_EQ(o.File(Find(o, T::FunctionalClass, "cFound")).path, inc.path() + "/Found.Apl");
  EXPECT_NE(Find(o, T::FunctionalClass, "cCyc"), kNoItem);
  // The library included twice is merged once.
  int found = 0;
  for (ItemId i = 0; i < o.Count(); ++i) found += o.Name(i) == "cFound";
  EXPECT_EQ(found, 1);
}

TEST(Includes, NextToTheIncludingFileComesBeforeTheIncludePath) {
  TempDir dir, inc;
  dir.Write("sub/lib.apl", Lib("cNear"));
  inc.Write("lib.apl", Lib("cFar"));
  const std::string app = dir.Write("app.apt", App({"SUB\\LIB.APL", "C:\\libs\\other\\lib.apl"}));
  Outline o;
  LoadOptions options;
  options.includeDirs.push_back(inc.path());
  LoadStatus s = ide::LoadOutline(app, options, o);
  ASSERT_TRUE(s) << s.Message();
  EXPECT_NE(Find(o, ide::ItemType::FunctionalClass, "cNear"), kNoItem);
  // An absolute Windows path is looked up by its file name: the include folder's lib.apl.
  EXPECT_NE(Find(o, ide::ItemType::FunctionalClass, "cFar"), kNoItem);
}

// Runs `body` on a thread with a stack of `bytes` (1 MiB is Windows' default
// for a program's threads).
void RunOnStack(size_t bytes, const std::function<void()>& body) {
  auto run = [](void* arg) { (*static_cast<const std::function<void()>*>(arg))(); };
#ifdef _WIN32
  struct Start {
    static DWORD WINAPI Proc(LPVOID arg) {
      (*static_cast<const std::function<void()>*>(arg))();
      return 0;
    }
  };
  (void)run;
  HANDLE thread = CreateThread(nullptr, bytes, Start::Proc, const_cast<std::function<void()>*>(&body),
                               STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  ASSERT_NE(thread, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
#else
  struct Start {
    static void* Proc(void* arg) {
      (*static_cast<const std::function<void()>*>(arg))();
      return nullptr;
    }
  };
  (void)run;
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  ASSERT_EQ(pthread_attr_setstacksize(&attr, bytes), 0);
  pthread_t thread;
  ASSERT_EQ(pthread_create(&thread, &attr, Start::Proc, const_cast<std::function<void()>*>(&body)), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attr);
#endif
}

// lib0.apl includes lib1.apl, which includes lib2.apl, and so on: the chain's
// depth costs the walk no stack, and every library is merged.
TEST(Includes, DeepIncludeChainNeedsNoStack) {
  constexpr int kDepth = 16000;
  TempDir dir;
  for (int k = 0; k < kDepth; ++k) {
    const std::vector<std::string> next =
        k + 1 < kDepth ? std::vector<std::string>{"lib" + std::to_string(k + 1) + ".apl"} : std::vector<std::string>{};
    dir.Write("lib" + std::to_string(k) + ".apl", Lib("c" + std::to_string(k), next));
  }
  const std::string app = dir.Write("app.apt", App({"lib0.apl"}));
  Outline o;
  LoadStatus s;
  RunOnStack(1 << 20, [&] { s = ide::LoadOutline(app, LoadOptions{}, o); });
  ASSERT_TRUE(s) << s.Message();
  EXPECT_TRUE(s.warnings.empty());
  const ItemId classes = Child(o, Child(o, o.Root(), ide::ItemType::GlobalDeclarations), ide::ItemType::ClassDefinitions);
  ASSERT_NE(classes, kNoItem);
  EXPECT_EQ(ChildNames(o, classes).size(), static_cast<size_t>(kDepth));
  // Depth first: the deepest library's items come first.
  EXPECT_EQ(o.Name(o.FirstChild(classes)), "c" + std::to_string(kDepth - 1));
  ExpectConsistent(o);
}

// Libraries of thousands of items, merged into several sections: the merged
// outline spans many blocks of the item array, its items taken out of order.
TEST(Includes, LargeLibrariesMergeInOrderAcrossTheWholeItemArray) {
  constexpr int kEach = 3000;
  auto big = [](const std::string& tag, bool withClasses) {
    std::string s =
        ".head 0 +  Application Description: " + tag + "\n"
        ".head 1 -  Outline Version - 4.0.28\n"
        ".head 1 +  Global Declarations\n"
        ".head 2 +  Constants\n"
        ".head 3 +  User\n";
    for (int k = 0; k < kEach; ++k) s += ".head 4 -  Number: N_" + tag + std::to_string(k) + " = 1\n";
    if (withClasses) {
      s += ".head 2 +  Class Definitions\n";
      for (int k = 0; k < kEach; ++k) s += ".head 3 +  Functional Class: c" + tag + std::to_string(k) + "\n.head 4 -  Derived From\n";
    }
    s += ".head 2 +  Internal Functions\n";
    for (int k = 0; k < kEach; ++k) s += ".head 3 +  Function: F_" + tag + std::to_string(k) + "\n.head 4 +  Actions\n.head 5 -  Return 1\n";
    for (int k = 0; k < 10; ++k) s += ".head 1 +  Form Window: frm" + tag + std::to_string(k) + "\n";
    return s;
  };
  TempDir dir;
  dir.Write("a.apl", big("A", true));
  dir.Write("b.apl", big("B", false));
  std::string app =
      ".head 0 +  Application Description: app\n"
      ".head 1 -  Outline Version - 4.0.28\n"
      ".head 1 +  Libraries\n"
      ".head 2 -  File Include: a.apl\n"
      ".head 2 -  File Include: b.apl\n"
      ".head 1 +  Global Declarations\n"
      ".head 2 +  Internal Functions\n";
  for (int k = 0; k < kEach; ++k) app += ".head 3 +  Function: F_App" + std::to_string(k) + "\n.head 4 -  Description: x\n";
  app += ".head 1 +  Form Window: frmApp\n";
  Outline o;
  LoadStatus s = ide::LoadOutline(dir.Write("app.apt", app), LoadOptions{}, o);
  ASSERT_TRUE(s) << s.Message();
  EXPECT_TRUE(s.warnings.empty());
  ExpectConsistent(o);
  namespace T = ide::ItemType;
  const ItemId gd = Child(o, 0, T::GlobalDeclarations);
  std::vector<std::string> want;
  for (const char* tag : {"A", "B", "App"})
    for (int k = 0; k < kEach; ++k) want.push_back(std::string("F_") + tag + std::to_string(k));
  const ItemId functions = Child(o, gd, T::InternalFunctions);
  EXPECT_EQ(ChildNames(o, functions), want);
  EXPECT_FALSE(o.IsIncluded(functions));
  want.clear();
  for (const char* tag : {"A", "B"})
    for (int k = 0; k < kEach; ++k) want.push_back(std::string("N_") + tag + std::to_string(k));
  const ItemId user = Child(o, Child(o, gd, T::Constants), T::ConstantsUser);
  EXPECT_EQ(ChildNames(o, user), want);
  EXPECT_TRUE(o.IsIncluded(user));
  EXPECT_EQ(ChildNames(o, Child(o, gd, T::ClassDefinitions)).size(), static_cast<size_t>(kEach));
  // Every item keeps its own children, file, line and including item.
  const ItemId fb = Find(o, T::Function, "F_B17");
  ASSERT_NE(fb, kNoItem);
  EXPECT_EQ(o.Type(o.FirstChild(fb)), T::Actions);
  EXPECT_EQ(o.Title(o.FirstChild(o.FirstChild(fb))), "Return");
  EXPECT_EQ(o.File(fb).path, dir.path() + "/b.apl");
  EXPECT_EQ(o.Line(fb), 6 + kEach + 1 + 17 * 3);
  EXPECT_EQ(o.Text(o.IncludingItem(fb)), "b.apl");
  EXPECT_EQ(o.Text(o.IncludingItem(Find(o, T::FunctionalClass, "cA2999"))), "a.apl");
  EXPECT_EQ(o.Type(o.FirstChild(Find(o, T::Function, "F_App2999"))), T::Description);
  EXPECT_EQ(ChildNames(o, 0).back(), "frmApp");
  EXPECT_EQ(ChildNames(o, 0).size(), 4u + 20u);
}

// Each missing library and each library closing a cycle is warned about
// once, with the count of the other includes of it; a long chain is shown
// by its ends.
TEST(Includes, RepeatedProblemsAreWarnedOnce) {
  constexpr int kLibraries = 4000;
  TempDir dir;
  for (int k = 0; k < kLibraries; ++k) {
    const std::string next = k + 1 < kLibraries ? "lib" + std::to_string(k + 1) + ".apl" : "LIB0.APL";
    dir.Write("lib" + std::to_string(k) + ".apl",
              Lib("c" + std::to_string(k), {"app.apt", k % 2 ? "Missing.apl" : "missing.apl", next}));
  }
  const std::string app = dir.Write("app.apt", App({"lib0.apl"}));
  Outline o;
  LoadStatus s = ide::LoadOutline(app, LoadOptions{}, o);
  ASSERT_TRUE(s) << s.Message();
  const std::string last = dir.path() + "/lib" + std::to_string(kLibraries - 1) + ".apl";
  const std::vector<std::string> want = {
      dir.path() + "/lib0.apl:6: include cycle app.apt -> lib0.apl -> app.apt; 'app.apt' is not included again"
                   " (and 3999 more includes of it)",
      dir.path() + "/lib0.apl:7: included library 'missing.apl' not found (and 3999 more includes of it)",
      last + ":8: include cycle app.apt -> lib0.apl -> lib1.apl -> ... (3995 more) -> lib3997.apl -> lib3998.apl"
             " -> lib3999.apl -> LIB0.APL; 'LIB0.APL' is not included again",
  };
  EXPECT_EQ(s.warnings, want);
  ExpectConsistent(o);
}

// Names in the wrong case are looked up in the folder's listing, which is
// read once however many includes need it.
TEST(Includes, FolderIsReadOncePerLoad) {
  TempDir dir;
  for (int k = 0; k < 50; ++k) dir.Write("Lib" + std::to_string(k) + ".APL", Lib("c" + std::to_string(k)));
  ide::IncludeResolver resolver({});
  const std::string app = dir.path() + "/app.apt";
  for (int k = 0; k < 50; ++k)
    EXPECT_EQ(resolver.Resolve("LIB" + std::to_string(k) + ".apl", app),
              dir.path() + "/Lib" + std::to_string(k) + ".APL");
  EXPECT_EQ(resolver.Resolve("lib50.apl", app), "");
  EXPECT_EQ(resolver.FoldersRead(), 1u);
}

}  // namespace

namespace {

// Unsaved texts stand in for their files: the main file's and a library's,
// each found by its canonical path, the library through the include as on disk.
TEST(OverlayTest, OverlaysAreReadInPlaceOfTheirFiles) {
  TempDir dir;
  const std::string app = dir.Write("app.app", App({"lib.apl"}));
  const std::string lib = dir.Write("lib.apl", Lib("cDisk"));
  ide::FileOverlays overlays;
  overlays[ide::CanonicalPath(lib)] = Lib("cEdited");
  LoadOptions options;
  options.overlays = &overlays;
  Outline outline;
  LoadStatus status = ide::LoadOutline(app, options, outline);
  ASSERT_TRUE(status) << status.Message();
  bool edited = false, disk = false;
  for (ItemId i = 0; i < outline.Count(); ++i) {
    edited = edited || outline.Name(i) == "cEdited";
    disk = disk || outline.Name(i) == "cDisk";
  }
  EXPECT_TRUE(edited);
  EXPECT_FALSE(disk);

  // The main file's overlay, under another spelling of its path; a
  // library it no longer includes is not read.
  overlays.clear();
  overlays[ide::CanonicalPath(app)] = App({"none.apl"});
  status = ide::LoadOutline(dir.path() + "/./app.app", options, outline);
  ASSERT_TRUE(status);
  ASSERT_EQ(status.warnings.size(), 1u);
  EXPECT_NE(status.warnings[0].find("included library 'none.apl' not found"), std::string::npos);
  EXPECT_EQ(outline.FileCount(), 1u);
}

}  // namespace
