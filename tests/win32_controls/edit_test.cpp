// Conformance of the "Edit" class: text, EM_GETSEL / EM_SETSEL semantics,
// typing at the caret, EM_REPLACESEL, the text limit, EN_ notifications.
#include <algorithm>
#include <gtest/gtest.h>

#include <string>

#include "controls_support.h"

namespace {

using rec::Command;
using rec::Notes;

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = rec::CreateRecordingParent();
    edit_ = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 100, 20, parent_,
                            reinterpret_cast<HMENU>(42), nullptr, nullptr);
    ASSERT_NE(edit_, nullptr);
    Notes().clear();
  }
  void TearDown() override { DestroyWindow(parent_); }
  std::string Text() {
    char buffer[256] = {};
    GetWindowTextA(edit_, buffer, sizeof(buffer));
    return buffer;
  }
  std::pair<DWORD, DWORD> Sel() {
    DWORD start = 99, end = 99;
    LRESULT r = SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(static_cast<DWORD>(r), static_cast<DWORD>(MAKELONG(start, end)));
    return {start, end};
  }
  void Type(const std::string& chars) {
    for (char c : chars) SendMessageA(edit_, WM_CHAR, static_cast<unsigned char>(c), 0);
  }
  HWND parent_ = nullptr;
  HWND edit_ = nullptr;
};

TEST_F(EditTest, SetTextResetsSelectionAndNotifies) {
  SendMessageA(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("hello world"));
  EXPECT_EQ(Text(), "hello world");
  EXPECT_EQ(Sel(), std::make_pair(DWORD{0}, DWORD{0}));
  ASSERT_EQ(Notes().size(), 2u);
  EXPECT_EQ(Notes()[0], Command(42, EN_UPDATE, edit_));
  EXPECT_EQ(Notes()[1], Command(42, EN_CHANGE, edit_));
  EXPECT_EQ(GetWindowTextLengthA(edit_), 11);
}

TEST_F(EditTest, InitialTextComesFromCreation) {
  HWND e = CreateWindowExA(0, "Edit", "Set x = 1", WS_CHILD, 0, 0, 100, 20, parent_, nullptr, nullptr, nullptr);
  char buffer[32] = {};
  GetWindowTextA(e, buffer, sizeof(buffer));
  EXPECT_STREQ(buffer, "Set x = 1");
}

TEST_F(EditTest, GetSelAcceptsNullPointers) {
  SetWindowTextA(edit_, "abcdef");
  SendMessageA(edit_, EM_SETSEL, 1, 4);
  EXPECT_EQ(SendMessageA(edit_, EM_GETSEL, 0, 0), MAKELONG(1, 4));
}

TEST_F(EditTest, SetSelCases) {
  struct Case {
    WPARAM start;
    LPARAM end;
    DWORD selStart, selEnd;
  } cases[] = {
      {0, -1, 0, 11},   // everything
      {2, 5, 2, 5},     // a range
      {5, 2, 2, 5},     // reversed: EM_GETSEL reports it ordered
      {3, 100, 3, 11},  // clipped to the length
      {4, 4, 4, 4},     // a caret
      {static_cast<WPARAM>(-1), 0, 7, 7},  // -1 deselects, leaving the caret where it was (7)
  };
  for (const Case& c : cases) {
    SetWindowTextA(edit_, "hello world");
    SendMessageA(edit_, EM_SETSEL, 2, 7);  // caret at 7
    SendMessageA(edit_, EM_SETSEL, c.start, c.end);
    EXPECT_EQ(Sel(), std::make_pair(c.selStart, c.selEnd)) << "EM_SETSEL " << static_cast<long long>(c.start)
                                                           << ", " << c.end;
  }
}

TEST_F(EditTest, TypingInsertsAtTheCaretAndReplacesTheSelection) {
  SetWindowTextA(edit_, "Set x = 1");
  SendMessageA(edit_, EM_SETSEL, 4, 4);
  Notes().clear();
  Type("ab");
  EXPECT_EQ(Text(), "Set abx = 1");
  EXPECT_EQ(Sel(), std::make_pair(DWORD{6}, DWORD{6}));
  ASSERT_EQ(Notes().size(), 4u) << "EN_UPDATE and EN_CHANGE per character";
  EXPECT_EQ(Notes()[1], Command(42, EN_CHANGE, edit_));

  SendMessageA(edit_, EM_SETSEL, 0, 3);
  Type("Let");
  EXPECT_EQ(Text(), "Let abx = 1");
  Type("\b\b");
  EXPECT_EQ(Text(), "L abx = 1");
  SendMessageA(edit_, EM_SETSEL, 0, 0);
  Type("\b");  // nothing before the caret
  EXPECT_EQ(Text(), "L abx = 1");
  Type("\r\t\x1b");  // control characters insert nothing
  EXPECT_EQ(Text(), "L abx = 1");
}

TEST_F(EditTest, CaretKeys) {
  SetWindowTextA(edit_, "abc");
  SetFocus(edit_);
  SendMessageA(edit_, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(Sel(), std::make_pair(DWORD{3}, DWORD{3}));
  SendMessageA(edit_, WM_KEYDOWN, VK_LEFT, 0);
  EXPECT_EQ(Sel(), std::make_pair(DWORD{2}, DWORD{2}));
  SendMessageA(edit_, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(Text(), "ab");
  SendMessageA(edit_, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(Sel(), std::make_pair(DWORD{0}, DWORD{0}));
}

TEST_F(EditTest, KeyboardTypingThroughTheMessageLoop) {
  SetFocus(edit_);
  standin::KeyStroke('X');
  standin::KeyStroke('1');
  ctltest::Pump(nullptr);
  EXPECT_EQ(Text(), "x1");
}

TEST_F(EditTest, ReplaceSel) {
  SetWindowTextA(edit_, "one two");
  SendMessageA(edit_, EM_SETSEL, 4, 7);
  Notes().clear();
  SendMessageA(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("three"));
  EXPECT_EQ(Text(), "one three");
  EXPECT_EQ(Sel(), std::make_pair(DWORD{9}, DWORD{9}));
  EXPECT_EQ(Notes().size(), 2u);
}

TEST_F(EditTest, LimitStopsTypingButNotSetText) {
  EXPECT_EQ(SendMessageA(edit_, EM_GETLIMITTEXT, 0, 0), 30000);
  SendMessageA(edit_, EM_LIMITTEXT, 3, 0);
  Type("abcd");
  EXPECT_EQ(Text(), "abc");
  // The key that finds the field full only notifies EN_MAXTEXT; Wine
  // sends EN_CHANGE after it.
  TODO_WINE(EXPECT_EQ(Notes().back(), Command(42, EN_MAXTEXT, edit_)));
  SetWindowTextA(edit_, "longer than three");
  EXPECT_EQ(Text(), "longer than three");
}

// A single-line field without ES_AUTOHSCROLL takes typed text only as far as
// its width shows it (EN_MAXTEXT for the key that does not fit); with
// ES_AUTOHSCROLL, or through WM_SETTEXT, the text is not cut.
TEST_F(EditTest, WithoutAutoHScrollTypingStopsAtTheVisibleWidth) {
  const std::string longText(200, 'w');
  struct Case {
    DWORD style;
    bool cut;
  } cases[] = {{0, true}, {ES_AUTOHSCROLL, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    HWND e = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | c.style, 0, 0, 60, 20, parent_,
                             reinterpret_cast<HMENU>(43), nullptr, nullptr);
    Notes().clear();
    for (char ch : longText) SendMessageA(e, WM_CHAR, static_cast<unsigned char>(ch), 0);
    const int typed = GetWindowTextLengthA(e);
    if (c.cut) {
      EXPECT_GT(typed, 0);
      EXPECT_LT(typed, 200);
      EXPECT_NE(std::find(Notes().begin(), Notes().end(), Command(43, EN_MAXTEXT, e)), Notes().end());
      SetWindowTextA(e, longText.c_str());
      EXPECT_EQ(GetWindowTextLengthA(e), 200);
    } else {
      EXPECT_EQ(typed, 200);
    }
    DestroyWindow(e);
  }
}

// The stand-in measures every character alike: a 60-pixel field shows ten.
TEST_F(EditTest, WithoutAutoHScrollTheStandInCountsSixPixelsACharacter) {
  STANDIN_ONLY("the stand-in's fixed character width");
  HWND e = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, parent_, nullptr, nullptr, nullptr);
  for (int i = 0; i < 20; ++i) SendMessageA(e, WM_CHAR, 'x', 0);
  EXPECT_EQ(GetWindowTextLengthA(e), 10);
  DestroyWindow(e);
}

TEST_F(EditTest, ReadOnlyIgnoresTyping) {
  SetWindowTextA(edit_, "fixed");
  SendMessageA(edit_, EM_SETREADONLY, TRUE, 0);
  Type("x");
  EXPECT_EQ(Text(), "fixed");
}

TEST_F(EditTest, DialogCodeAndFocusNotifications) {
  EXPECT_EQ(SendMessageA(edit_, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
  SetFocus(edit_);
  ASSERT_FALSE(Notes().empty());
  EXPECT_EQ(Notes().back(), Command(42, EN_SETFOCUS, edit_));
  SetFocus(parent_);
  EXPECT_EQ(Notes().back(), Command(42, EN_KILLFOCUS, edit_));
}

TEST_F(EditTest, GetTextTruncatesToTheBuffer) {
  SetWindowTextA(edit_, "abcdef");
  char buffer[4] = {'?', '?', '?', '?'};
  EXPECT_EQ(SendMessageA(edit_, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer)), 3);
  EXPECT_STREQ(buffer, "abc");
}

}  // namespace
