// Painting: a visible window whose update region is not empty keeps coming
// out of GetMessageA/PeekMessageA as WM_PAINT (after posted messages) until
// BeginPaint, DefWindowProcA or ValidateRect empties the region; hidden
// windows and range or window filters that leave WM_PAINT out get none.
#include <gtest/gtest.h>
#include <windows.h>

#include "../support/MessageRecorder.h"

namespace {

class Paint : public ::testing::Test {
 protected:
  void TearDown() override {
    for (HWND h : {child_, top_})
      if (IsWindow(h)) DestroyWindow(h);
    rec::Reset();
  }
  static void ValidateAll(HWND top, HWND child) {
    ValidateRect(top, nullptr);
    ValidateRect(child, nullptr);
  }
  HWND top_ = rec::Create("top", WS_OVERLAPPED);
  HWND child_ = rec::Create("child", WS_CHILD | WS_VISIBLE, top_);
};

TEST_F(Paint, HiddenWindowGetsNone) {
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));  // child visible, parent not
  EXPECT_FALSE(GetUpdateRect(top_, nullptr, FALSE));
}

// Showing invalidates the window and its children; the message stays until
// the region is validated, PM_REMOVE or not; parents come before their
// children. A parent without WS_CLIPCHILDREN validates its children with it.
TEST_F(Paint, ShownWindowPaintsUntilValidated) {
  ShowWindow(top_, SW_SHOWNA);
  MSG m;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(m.hwnd, top_);
  }
  ValidateRect(top_, nullptr);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  InvalidateRect(child_, nullptr, FALSE);  // the child alone
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.hwnd, child_);
  ValidateRect(child_, nullptr);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Paint, PostedMessagesComeFirst) {
  ShowWindow(top_, SW_SHOWNA);
  PostMessageA(top_, WM_USER, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_USER));
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_PAINT));
  ValidateAll(top_, child_);
}

TEST_F(Paint, Filters) {
  ShowWindow(child_, SW_HIDE);
  ShowWindow(top_, SW_SHOWNA);  // only the parent needs painting
  struct Case {
    const char* what;
    HWND filter;
    UINT lo, hi;
    bool paint;
  };
  const Case cases[] = {
      {"no filter", nullptr, 0, 0, true},
      {"range with WM_PAINT", nullptr, WM_PAINT, WM_PAINT, true},
      {"range without WM_PAINT", nullptr, WM_KEYFIRST, WM_KEYLAST, false},
      {"the window itself", top_, 0, 0, true},
      {"a hidden child", child_, 0, 0, false},
      {"thread messages only", reinterpret_cast<HWND>(-1), 0, 0, false},
  };
  for (const Case& c : cases) {
    MSG m{};
    BOOL got = PeekMessageA(&m, c.filter, c.lo, c.hi, PM_NOREMOVE);
    EXPECT_EQ(got != FALSE, c.paint) << c.what;
    if (got) {
      EXPECT_EQ(m.hwnd, top_) << c.what;
    }
  }
  ValidateAll(top_, child_);
}

// Dispatching WM_PAINT to a procedure that leaves it to DefWindowProcA
// validates; BeginPaint sends WM_ERASEBKGND when the region still asks for
// it: a top-level window was erased when it was shown, its child was not.
TEST_F(Paint, DispatchValidates) {
  rec::Clear();
  ShowWindow(top_, SW_SHOWNA);
  EXPECT_EQ(rec::Take({WM_ERASEBKGND}).size(), 1u);
  rec::Clear();
  MSG m;
  int dispatched = 0;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE) && dispatched < 10) {
    DispatchMessageA(&m);
    ++dispatched;
  }
  EXPECT_EQ(dispatched, 2);
  std::vector<std::pair<HWND, UINT>> seen;  // wParam of WM_ERASEBKGND is the DC: not compared
  for (const rec::Entry& e : rec::Take({WM_PAINT, WM_ERASEBKGND})) seen.emplace_back(e.hwnd, e.msg);
  EXPECT_EQ(seen, (std::vector<std::pair<HWND, UINT>>{
                      {top_, WM_PAINT}, {child_, WM_PAINT}, {child_, WM_ERASEBKGND}}));
}

TEST_F(Paint, InvalidateAndUpdateWindow) {
  ShowWindow(top_, SW_SHOWNA);
  ValidateAll(top_, child_);
  rec::Clear();
  EXPECT_TRUE(UpdateWindow(top_));  // nothing to paint: no message
  EXPECT_TRUE(rec::Take({WM_PAINT}).empty());
  EXPECT_TRUE(InvalidateRect(top_, nullptr, FALSE));
  RECT r;
  EXPECT_TRUE(GetUpdateRect(top_, &r, FALSE));
  EXPECT_TRUE(UpdateWindow(top_));  // sent at once to both (the parent does not clip its child)
  EXPECT_EQ(rec::Take({WM_PAINT}).size(), 2u);
  EXPECT_FALSE(GetUpdateRect(top_, &r, FALSE));
  EXPECT_FALSE(InvalidateRect(reinterpret_cast<HWND>(0x4321), nullptr, FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

}  // namespace
