// CWnd on the Win32 stand-in: the handle map (permanent and temporary
// objects), subclassing through AfxWndProc with message-map dispatch and
// Default(), creation with the object attached before WM_CREATE, and the
// WM_NCDESTROY -> PostNcDestroy path.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <standin.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;  // what the original window procedure and the handlers saw

LRESULT CALLBACK PlainWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER + 1) g_log.push_back("plain:user1 " + std::to_string(wParam));
  if (msg == WM_USER + 2) return 42;
  if (msg == WM_CLOSE) {
    g_log.push_back("plain:close");
    return 0;  // stays open
  }
  return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

const char* PlainClass() {
  static const char* name = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainWndProc;
    wc.lpszClassName = "OlvMfcTestPlain";
    ::RegisterClassA(&wc);
    return "OlvMfcTestPlain";
  }();
  return name;
}

HWND CreatePlain(HWND hParent = NULL, int id = 0) {
  return ::CreateWindowExA(0, PlainClass(), "plain", hParent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10, hParent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), NULL, NULL);
}

class CLoggingWnd : public CWnd {
 public:
  int m_nPostNcDestroy = 0;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    g_log.push_back(std::string("OnCreate ") + (m_hWnd != NULL ? "attached " : "detached ") + lpcs->lpszName);
    return CWnd::OnCreate(lpcs);
  }
  afx_msg void OnClose() {
    g_log.push_back("OnClose");
    Default();  // on to the original procedure, with the same message
  }
  afx_msg LRESULT OnUser1(WPARAM wParam, LPARAM) {
    g_log.push_back("OnUser1 " + std::to_string(wParam));
    return Default();
  }
  afx_msg void OnMenuCommand() { g_log.push_back("OnMenuCommand"); }
  afx_msg void OnChildClicked() { g_log.push_back("OnChildClicked"); }
  void PostNcDestroy() override { ++m_nPostNcDestroy; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggingWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_MESSAGE(WM_USER + 1, &CLoggingWnd::OnUser1)
  ON_COMMAND(100, &CLoggingWnd::OnMenuCommand)
  ON_BN_CLICKED(200, &CLoggingWnd::OnChildClicked)
END_MESSAGE_MAP()

class CWndTest : public ::testing::Test {
 protected:
  void SetUp() override { g_log.clear(); }
};

TEST_F(CWndTest, FromHandleGivesTheAttachedObjectElseATemporaryOne) {
  HWND h = CreatePlain();
  EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));
  CWnd* pTemp = CWnd::FromHandle(h);
  ASSERT_NE(nullptr, pTemp);
  EXPECT_EQ(h, pTemp->m_hWnd);
  EXPECT_EQ(pTemp, CWnd::FromHandle(h));  // the same temporary until the temporaries are freed
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));

  CWnd wnd;
  ASSERT_TRUE(wnd.Attach(h));
  EXPECT_EQ(&wnd, CWnd::FromHandle(h));
  EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(h));
  EXPECT_EQ(h, wnd.GetSafeHwnd());
  EXPECT_EQ(h, static_cast<HWND>(wnd));
  EXPECT_EQ(h, wnd.Detach());
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
  EXPECT_TRUE(::IsWindow(h));  // Detach leaves the window alone
  EXPECT_FALSE(wnd.Attach(NULL));
  AfxUnlockTempMaps();
  ::DestroyWindow(h);
}

TEST_F(CWndTest, HandleMapsArePerModuleState) {
  HWND h = CreatePlain();
  CWnd wnd;
  ASSERT_TRUE(wnd.Attach(h));
  {
    AFX_MODULE_STATE other(TRUE, &AfxWndProc);
    AFX_MANAGE_STATE(&other);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
    AfxTermModuleState(&other);
  }
  EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(h));
  wnd.Detach();
  ::DestroyWindow(h);
}

TEST_F(CWndTest, WrappersReachTheWindow) {
  HWND hParent = CreatePlain();
  HWND hChild = CreatePlain(hParent, 77);
  CWnd wnd;
  wnd.Attach(hParent);
  wnd.SetWindowText("Mass Finder");
  CString text;
  wnd.GetWindowText(text);
  EXPECT_STREQ("Mass Finder", text);
  EXPECT_EQ(11, wnd.GetWindowTextLength());
  EXPECT_EQ(42, wnd.SendMessage(WM_USER + 2));
  EXPECT_EQ(hChild, wnd.GetDlgItem(77)->m_hWnd);
  EXPECT_EQ(nullptr, wnd.GetDlgItem(78));
  EXPECT_EQ(77, wnd.GetDlgItem(77)->GetDlgCtrlID());
  EXPECT_EQ(&wnd, CWnd::FromHandle(hChild)->GetParent());
  wnd.EnableWindow(FALSE);
  EXPECT_FALSE(wnd.IsWindowEnabled());
  wnd.EnableWindow(TRUE);
  wnd.ShowWindow(SW_SHOW);
  EXPECT_TRUE(wnd.IsWindowVisible());
  ASSERT_TRUE(wnd.PostMessage(WM_USER + 1, 5));
  EXPECT_TRUE(g_log.empty());
  standin::RunPendingMessages();
  EXPECT_EQ((std::vector<std::string>{"plain:user1 5"}), g_log);
  wnd.Detach();
  ::DestroyWindow(hParent);
  EXPECT_FALSE(::IsWindow(hChild));
  AfxUnlockTempMaps();
}

TEST_F(CWndTest, SubclassedWindowGoesThroughTheMessageMapAndDefaultReachesTheOldProcedure) {
  HWND h = CreatePlain();
  CLoggingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(h));
  EXPECT_EQ(1, ::SendMessageA(h, WM_QUERYAFXWNDPROC, 0, 0));
  ::SendMessageA(h, WM_USER + 1, 9, 0);
  EXPECT_EQ(42, ::SendMessageA(h, WM_USER + 2, 0, 0));  // not in the map: the old procedure answers
  ::SendMessageA(h, WM_CLOSE, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"OnUser1 9", "plain:user1 9", "OnClose", "plain:close"}), g_log);
  g_log.clear();

  // Commands: a menu command (no control) and a control notification.
  ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(100, 0), 0);
  HWND hButton = CreatePlain(h, 200);
  ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(200, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
  ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(200, BN_DOUBLECLICKED), reinterpret_cast<LPARAM>(hButton));
  EXPECT_EQ((std::vector<std::string>{"OnMenuCommand", "OnChildClicked"}), g_log);

  EXPECT_EQ(h, wnd.UnsubclassWindow());
  g_log.clear();
  ::SendMessageA(h, WM_USER + 1, 3, 0);
  EXPECT_EQ((std::vector<std::string>{"plain:user1 3"}), g_log);
  ::DestroyWindow(h);
}

TEST_F(CWndTest, CreateExAttachesBeforeWmCreateAndNcDestroyDetaches) {
  CLoggingWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, PlainClass(), "made", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
  EXPECT_EQ((std::vector<std::string>{"OnCreate attached made"}), g_log);
  HWND h = wnd.m_hWnd;
  EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(h));
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(1, wnd.m_nPostNcDestroy);
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
  EXPECT_FALSE(::IsWindow(h));
}

TEST_F(CWndTest, DestructorDestroysAWindowStillSubclassed) {
  HWND h = CreatePlain();
  {
    CLoggingWnd wnd;
    wnd.SubclassWindow(h);
  }
  EXPECT_FALSE(::IsWindow(h));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
}

TEST_F(CWndTest, DestroyWindowOfADetachedObjectIsFalse) {
  CWnd wnd;
  EXPECT_FALSE(wnd.DestroyWindow());
}

TEST(CWndDeathTest, AttachingTwiceAsserts) {
  HWND h = CreatePlain();
  CWnd a, b;
  a.Attach(h);
  EXPECT_DEATH(b.Attach(h), "ASSERT failed");
  EXPECT_DEATH(a.Attach(h), "ASSERT failed");
  // Only subclassed windows are detached by WM_NCDESTROY: destroying a
  // window that is merely attached leaves a stale map entry, which MFC's
  // debug build reports.
  EXPECT_DEATH(a.DestroyWindow(), "ASSERT failed");
  a.Detach();
  ::DestroyWindow(h);
}

}  // namespace
