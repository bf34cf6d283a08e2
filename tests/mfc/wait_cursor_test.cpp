// CWaitCursor and CWinApp::DoWaitCursor: the wait cursor is shown through
// SetCursor while any CWaitCursor lives, and the cursor shown before the
// outermost one comes back when the last ends.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <standin.h>

namespace {

const WORD kArrow = 32512;
const WORD kWait = 32514;

TEST(CWaitCursor, ShowsTheWaitCursorAndRestoresThePreviousOne) {
  CWinApp app("WaitTest");
  HCURSOR hArrow = ::LoadCursorA(NULL, IDC_ARROW);
  ::SetCursor(hArrow);
  {
    CWaitCursor wait;
    EXPECT_EQ(kWait, standin::CurrentCursorId());
    EXPECT_EQ(::LoadCursorA(NULL, IDC_WAIT), ::GetCursor());
    EXPECT_EQ(1, app.m_nWaitCursorCount);
    {
      CWaitCursor nested;
      EXPECT_EQ(2, app.m_nWaitCursorCount);
      ::SetCursor(hArrow);  // something else changed it ...
      nested.Restore();     // ... and Restore puts the wait cursor back
      EXPECT_EQ(kWait, standin::CurrentCursorId());
    }
    EXPECT_EQ(kWait, standin::CurrentCursorId());  // still waiting for the outer one
  }
  EXPECT_EQ(kArrow, standin::CurrentCursorId());
  EXPECT_EQ(hArrow, ::GetCursor());
  EXPECT_EQ(0, app.m_nWaitCursorCount);
}

TEST(CWaitCursor, EndWithoutBeginDoesNotUnderflow) {
  CWinApp app;
  ::SetCursor(::LoadCursorA(NULL, IDC_ARROW));
  app.EndWaitCursor();  // puts up the remembered cursor: none yet
  EXPECT_EQ(0, app.m_nWaitCursorCount);
  EXPECT_EQ(nullptr, ::GetCursor());
  ::SetCursor(::LoadCursorA(NULL, IDC_ARROW));
  app.BeginWaitCursor();
  EXPECT_EQ(kWait, standin::CurrentCursorId());
  app.EndWaitCursor();
  EXPECT_EQ(kArrow, standin::CurrentCursorId());
}

TEST(CWaitCursorDeathTest, NeedsAnApplicationObject) {
  EXPECT_DEATH(CWaitCursor wait, "ASSERT failed");
}

}  // namespace
