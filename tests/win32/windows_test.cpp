// Windows: creation and destruction sequences, window text and class name
// truncation, the window tree (GetWindow, GetParent, FindWindowExA,
// EnumChildWindows) and window data (GetWindowLong*, subclassing).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "../support/MessageRecorder.h"
#include "../support/WineMarks.h"

namespace {

using rec::Entry;

class Windows : public ::testing::Test {
 protected:
  void TearDown() override {
    for (HWND h : created_)
      if (IsWindow(h)) DestroyWindow(h);
    rec::Reset();
  }
  HWND Make(const char* title, DWORD style, HWND parent = nullptr, int id = 0) {
    HWND h = rec::Create(title, style, parent, id);
    created_.push_back(h);
    return h;
  }
  std::vector<HWND> created_;
};

// GetWindowTextA and GetClassNameA copy at most size-1 characters and the
// terminator, return the number copied, and leave a buffer of size 0 alone.
TEST_F(Windows, TextAndClassNameTruncation) {
  HWND w = Make("Hello", WS_OVERLAPPED);
  struct Case {
    int size;
    int expected;
    const char* text;
  };
  const Case textCases[] = {{0, 0, "#"}, {1, 0, ""}, {2, 1, "H"}, {5, 4, "Hell"}, {6, 5, "Hello"}, {10, 5, "Hello"}};
  for (const Case& c : textCases) {
    char buf[16] = "#";
    EXPECT_EQ(GetWindowTextA(w, buf, c.size), c.expected) << "size " << c.size;
    EXPECT_STREQ(buf, c.text) << "size " << c.size;
  }
  const Case classCases[] = {{0, 0, "#"}, {1, 0, ""}, {5, 4, "Reco"}, {13, 12, "RecorderClas"}, {14, 13, "RecorderClass"}};
  for (const Case& c : classCases) {
    char buf[16] = "#";
    EXPECT_EQ(GetClassNameA(w, buf, c.size), c.expected) << "size " << c.size;
    EXPECT_STREQ(buf, c.text) << "size " << c.size;
  }
  EXPECT_EQ(GetWindowTextLengthA(w), 5);
  EXPECT_TRUE(SetWindowTextA(w, nullptr));
  EXPECT_EQ(GetWindowTextLengthA(w), 0);
}

// The text functions go through the window procedure.
TEST_F(Windows, TextFunctionsSendMessages) {
  rec::Override(WM_GETTEXT, [](HWND, WPARAM size, LPARAM buf) -> LRESULT {
    if (size < 4) return 0;
    std::strcpy(reinterpret_cast<char*>(buf), "own");
    return 3;
  });
  rec::Override(WM_GETTEXTLENGTH, [](HWND, WPARAM, LPARAM) -> LRESULT { return 3; });
  HWND w = Make("Stored", WS_OVERLAPPED);
  rec::Clear();
  char buf[32];
  EXPECT_EQ(GetWindowTextA(w, buf, sizeof buf), 3);
  EXPECT_STREQ(buf, "own");
  EXPECT_EQ(GetWindowTextLengthA(w), 3);
  SetWindowTextA(w, "new");
  auto log = rec::Take({WM_GETTEXT, WM_GETTEXTLENGTH, WM_SETTEXT});
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].msg, static_cast<UINT>(WM_GETTEXT));
  EXPECT_EQ(log[0].wParam, sizeof buf);
  EXPECT_EQ(log[2].msg, static_cast<UINT>(WM_SETTEXT));
  EXPECT_STREQ(reinterpret_cast<const char*>(log[2].lParam), "new");
}

// The title given to CreateWindowExA is stored by DefWindowProcA's
// WM_NCCREATE: a procedure that answers WM_NCCREATE itself keeps no title.
TEST_F(Windows, TitleIsStoredByDefaultNcCreate) {
  rec::Override(WM_NCCREATE, [](HWND, WPARAM, LPARAM) -> LRESULT { return TRUE; });
  HWND w = Make("Title", WS_OVERLAPPED);
  ASSERT_TRUE(w);
  EXPECT_EQ(GetWindowTextLengthA(w), 0);
}

TEST_F(Windows, CreationSequence) {
  HWND parent = Make("parent", WS_OVERLAPPED);
  rec::Clear();
  HWND child = Make("child", WS_CHILD, parent, 7);
  auto log = rec::Take({WM_NCCREATE, WM_CREATE, WM_PARENTNOTIFY});
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].hwnd, child);
  EXPECT_EQ(log[0].msg, static_cast<UINT>(WM_NCCREATE));
  EXPECT_EQ(log[1].msg, static_cast<UINT>(WM_CREATE));
  auto* cs = reinterpret_cast<CREATESTRUCTA*>(log[1].lParam);
  EXPECT_EQ(log[2], (Entry{parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 7), reinterpret_cast<LPARAM>(child)}));
  (void)cs;
  EXPECT_EQ(GetWindowLongA(child, GWL_ID), 7);
}

// WM_NCCREATE returning FALSE frees the window with WM_NCDESTROY only;
// WM_CREATE returning -1 destroys it (WM_DESTROY, WM_NCDESTROY).
TEST_F(Windows, FailedCreation) {
  struct Case {
    UINT failing;
    LRESULT result;
    std::vector<UINT> expected;
  };
  const Case cases[] = {
      {WM_NCCREATE, FALSE, {WM_NCCREATE, WM_NCDESTROY}},
      {WM_CREATE, -1, {WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}},
  };
  for (const Case& c : cases) {
    rec::Reset();
    LRESULT result = c.result;
    UINT failing = c.failing;
    rec::Override(failing, [result, failing](HWND h, WPARAM w, LPARAM l) -> LRESULT {
      if (failing == WM_NCCREATE) return result;
      DefWindowProcA(h, WM_CREATE, w, l);
      return result;
    });
    HWND w = rec::Create("x", WS_OVERLAPPED);
    EXPECT_EQ(w, nullptr) << rec::Name(c.failing);
    std::vector<UINT> got;
    HWND first = nullptr;
    for (const Entry& e : rec::Take({WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY})) {
      got.push_back(e.msg);
      if (!first) first = e.hwnd;
    }
    if (c.failing == WM_CREATE) {
      // A window whose WM_CREATE fails is destroyed as DestroyWindow
      // destroys it (WM_DESTROY, then WM_NCDESTROY); Wine skips WM_DESTROY.
      TODO_WINE(EXPECT_EQ(got, c.expected) << rec::Name(c.failing));
    } else {
      EXPECT_EQ(got, c.expected) << rec::Name(c.failing);
    }
    EXPECT_FALSE(IsWindow(first));
  }
}

// WM_DESTROY goes to the window, then to its descendants (parents first);
// WM_NCDESTROY to the descendants, children before parents, the window last.
TEST_F(Windows, DestroyMessageOrder) {
  HWND p = Make("p", WS_OVERLAPPED);
  HWND a = Make("a", WS_CHILD, p);
  HWND a1 = Make("a1", WS_CHILD, a);
  HWND b = Make("b", WS_CHILD, p);
  rec::Clear();
  EXPECT_TRUE(DestroyWindow(p));
  auto log = rec::Take({WM_DESTROY, WM_NCDESTROY});
  std::vector<Entry> expected = {{p, WM_DESTROY, 0, 0},    {a, WM_DESTROY, 0, 0},    {a1, WM_DESTROY, 0, 0},
                                 {b, WM_DESTROY, 0, 0},    {a1, WM_NCDESTROY, 0, 0}, {a, WM_NCDESTROY, 0, 0},
                                 {b, WM_NCDESTROY, 0, 0},  {p, WM_NCDESTROY, 0, 0}};
  EXPECT_EQ(log, expected);
  for (HWND h : {p, a, a1, b}) EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(DestroyWindow(p));
  // A handle that names no window fails with ERROR_INVALID_WINDOW_HANDLE;
  // Wine answers ERROR_ACCESS_DENIED for a destroyed one.
  TODO_WINE(EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE)));
}

// Owned windows are destroyed before their owner gets WM_DESTROY.
TEST_F(Windows, DestroyingOwnerDestroysOwnedFirst) {
  HWND owner = Make("owner", WS_OVERLAPPED);
  HWND owned = Make("owned", WS_POPUP, owner);
  rec::Clear();
  DestroyWindow(owner);
  auto log = rec::Take({WM_DESTROY, WM_NCDESTROY});
  std::vector<Entry> expected = {{owned, WM_DESTROY, 0, 0}, {owned, WM_NCDESTROY, 0, 0},
                                 {owner, WM_DESTROY, 0, 0}, {owner, WM_NCDESTROY, 0, 0}};
  EXPECT_EQ(log, expected);
}

// Child windows join their siblings at the bottom of the Z order,
// top-level windows at the top.
TEST_F(Windows, GetWindowRelations) {
  HWND p = Make("p", WS_OVERLAPPED);
  HWND c1 = Make("1", WS_CHILD, p), c2 = Make("2", WS_CHILD, p), c3 = Make("3", WS_CHILD, p);
  struct Case {
    HWND from;
    UINT cmd;
    HWND expected;
  };
  const Case cases[] = {{p, GW_CHILD, c1},        {c1, GW_HWNDNEXT, c2},  {c3, GW_HWNDNEXT, nullptr},
                        {c2, GW_HWNDPREV, c1},    {c1, GW_HWNDPREV, nullptr}, {c3, GW_HWNDFIRST, c1},
                        {c1, GW_HWNDLAST, c3},    {c1, GW_CHILD, nullptr}, {c1, GW_OWNER, nullptr}};
  for (const Case& c : cases) EXPECT_EQ(GetWindow(c.from, c.cmd), c.expected) << "cmd " << c.cmd;

  HWND t1 = Make("t1", WS_OVERLAPPED), t2 = Make("t2", WS_OVERLAPPED);
  EXPECT_EQ(GetWindow(t2, GW_HWNDNEXT), t1);
  EXPECT_EQ(GetTopWindow(nullptr), t2);
}

// GetParent: a child's parent, a pop-up's owner, nothing for an owned
// overlapped window (whose owner GetWindow(GW_OWNER) still gives).
TEST_F(Windows, ParentAndOwner) {
  HWND top = Make("top", WS_OVERLAPPED);
  HWND child = Make("child", WS_CHILD, top);
  HWND popup = Make("popup", WS_POPUP, child);  // owner is the child's top-level window
  HWND overlapped = Make("overlapped", WS_OVERLAPPED, top);
  EXPECT_EQ(GetParent(child), top);
  EXPECT_EQ(GetParent(popup), top);
  EXPECT_EQ(GetWindow(popup, GW_OWNER), top);
  EXPECT_EQ(GetParent(overlapped), nullptr);
  EXPECT_EQ(GetWindow(overlapped, GW_OWNER), top);
  EXPECT_EQ(GetParent(top), nullptr);
  EXPECT_EQ(GetAncestor(top, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetAncestor(child, GA_ROOT), top);
  EXPECT_TRUE(IsChild(top, child));
  EXPECT_FALSE(IsChild(top, popup));
}

TEST_F(Windows, FindWindowExWalksChildrenInZOrder) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "OtherClass";
  ASSERT_TRUE(RegisterClassA(&wc));
  HWND p = Make("p", WS_OVERLAPPED);
  HWND c1 = Make("one", WS_CHILD, p);
  HWND c2 = Make("two", WS_CHILD, p);
  HWND other = CreateWindowExA(0, "OtherClass", "one", WS_CHILD, 0, 0, 1, 1, p, nullptr, nullptr, nullptr);
  HWND c3 = Make("one", WS_CHILD, p);
  HWND grandchild = Make("one", WS_CHILD, c1);
  struct Case {
    HWND after;
    const char* cls;
    const char* title;
    HWND expected;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, c1}, {c1, nullptr, nullptr, c2},   {c3, nullptr, nullptr, nullptr},
      {nullptr, nullptr, "ONE", c1},   {c1, nullptr, "one", other},  {other, "RecorderClass", "One", c3},
      {nullptr, "otherclass", nullptr, other}, {nullptr, nullptr, "", nullptr}, {nullptr, "NoSuchClass", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    // "The search begins with the next child window in the Z order" after
    // hwndChildAfter, whatever its class; Wine finds nothing after a child
    // of another class.
    if (c.after == other && c.cls) {
      TODO_WINE(EXPECT_EQ(FindWindowExA(p, c.after, c.cls, c.title), c.expected));
      continue;
    }
    EXPECT_EQ(FindWindowExA(p, c.after, c.cls, c.title), c.expected)
        << (c.cls ? c.cls : "-") << " / " << (c.title ? c.title : "-");
  }
  (void)grandchild;
  DestroyWindow(other);
  EXPECT_TRUE(UnregisterClassA("OtherClass", nullptr));
}

// A null parent walks the top-level windows, newest first.
TEST_F(Windows, FindWindowExNullParentWalksTopLevelWindows) {
  HWND t1 = Make("find-top", WS_OVERLAPPED);
  HWND t2 = Make("find-top", WS_POPUP);
  HWND first = FindWindowExA(nullptr, nullptr, nullptr, "find-top");
  EXPECT_EQ(first, t2);
  EXPECT_EQ(FindWindowExA(nullptr, first, nullptr, "find-top"), t1);
  EXPECT_EQ(FindWindowA("RecorderClass", "find-top"), t2);
}

// Depth first: each window, everything below it, then its next sibling.
TEST_F(Windows, EnumChildWindowsOrderAndEarlyStop) {
  HWND p = Make("p", WS_OVERLAPPED);
  HWND a = Make("a", WS_CHILD, p);
  HWND a1 = Make("a1", WS_CHILD, a);
  HWND a1x = Make("a1x", WS_CHILD, a1);
  HWND a2 = Make("a2", WS_CHILD, a);
  HWND b = Make("b", WS_CHILD, p);
  HWND b1 = Make("b1", WS_CHILD, b);
  struct Ctx {
    std::vector<HWND> seen;
    HWND stopAt;
  };
  auto cb = [](HWND h, LPARAM lp) -> BOOL {
    auto* ctx = reinterpret_cast<Ctx*>(lp);
    ctx->seen.push_back(h);
    return h != ctx->stopAt;
  };
  Ctx all{{}, nullptr};
  EXPECT_TRUE(EnumChildWindows(p, cb, reinterpret_cast<LPARAM>(&all)));
  EXPECT_EQ(all.seen, (std::vector<HWND>{a, a1, a1x, a2, b, b1}));
  Ctx stop{{}, a1};
  EXPECT_FALSE(EnumChildWindows(p, cb, reinterpret_cast<LPARAM>(&stop)));
  EXPECT_EQ(stop.seen, (std::vector<HWND>{a, a1}));
  Ctx none{{}, nullptr};
  EnumChildWindows(b1, cb, reinterpret_cast<LPARAM>(&none));
  EXPECT_TRUE(none.seen.empty());
}

TEST_F(Windows, WindowLongs) {
  HWND top = Make("top", WS_OVERLAPPED);
  HWND child = Make("child", WS_CHILD | WS_TABSTOP, top, 1001);
  // Top-level overlapped windows always get a caption and WS_CLIPSIBLINGS.
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(top, GWL_STYLE)) & (WS_CAPTION | WS_CLIPSIBLINGS),
            static_cast<DWORD>(WS_CAPTION | WS_CLIPSIBLINGS));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)), static_cast<DWORD>(WS_CHILD | WS_TABSTOP));
  EXPECT_EQ(GetWindowLongPtrA(child, GWLP_ID), 1001);
  EXPECT_EQ(SetWindowLongPtrA(child, GWLP_USERDATA, 0x1234567890LL), 0);
  EXPECT_EQ(GetWindowLongPtrA(child, GWLP_USERDATA), 0x1234567890LL);
  // Extra bytes (the recorder class has 16): in range or ERROR_INVALID_INDEX.
  struct Case {
    int offset;
    bool ptr;
    bool ok;
  };
  const Case cases[] = {{0, false, true}, {12, false, true}, {13, false, false}, {8, true, true}, {9, true, false}, {16, false, false}};
  for (const Case& c : cases) {
    SetLastError(0);
    if (c.ptr)
      SetWindowLongPtrA(child, c.offset, 0x0102030405060708LL);
    else
      SetWindowLongA(child, c.offset, 0x01020304);
    EXPECT_EQ(GetLastError(), c.ok ? 0u : static_cast<DWORD>(ERROR_INVALID_INDEX)) << c.offset;
    if (c.ok && c.ptr) {
      EXPECT_EQ(GetWindowLongPtrA(child, c.offset), 0x0102030405060708LL);
    }
    if (c.ok && !c.ptr) {
      EXPECT_EQ(GetWindowLongA(child, c.offset), 0x01020304);
    }
  }
  // A 32-bit read of the window procedure is refused, as on 64-bit Windows.
  SetLastError(0);
  EXPECT_EQ(GetWindowLongA(child, GWLP_WNDPROC), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
}

WNDPROC g_previous = nullptr;
LRESULT CALLBACK Subclass(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_USER) return 99;
  return CallWindowProcA(g_previous, h, msg, w, l);
}

TEST_F(Windows, SubclassingThroughWindowProcedure) {
  HWND w = Make("sub", WS_OVERLAPPED);
  g_previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
  ASSERT_NE(g_previous, nullptr);
  rec::Clear();
  EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 99);
  EXPECT_EQ(SendMessageA(w, WM_USER + 1, 0, 0), 0);
  auto log = rec::Take({WM_USER, WM_USER + 1});
  ASSERT_EQ(log.size(), 1u);  // only the message the subclass passed on
  EXPECT_EQ(log[0].msg, static_cast<UINT>(WM_USER + 1));
}

TEST_F(Windows, ClassRegistration) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "DupClass";
  ATOM atom = RegisterClassA(&wc);
  ASSERT_NE(atom, 0);
  wc.lpszClassName = "DUPCLASS";
  EXPECT_EQ(RegisterClassA(&wc), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
  HWND byAtom = CreateWindowExA(0, MAKEINTATOM(atom), "", WS_OVERLAPPED, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(byAtom);
  EXPECT_FALSE(UnregisterClassA("DupClass", nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
  DestroyWindow(byAtom);
  EXPECT_TRUE(UnregisterClassA("dupclass", nullptr));
  EXPECT_EQ(CreateWindowExA(0, "DupClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  // Windows reports a class that is not registered as
  // ERROR_CANNOT_FIND_WND_CLASS; Wine as ERROR_CLASS_DOES_NOT_EXIST.
  TODO_WINE(EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS)));
}

}  // namespace
