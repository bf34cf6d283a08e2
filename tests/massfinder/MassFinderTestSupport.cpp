// Test support for MassFinder (see MassFinderTestSupport.h).
#include "MassFinderTestSupport.h"

#include "resources/resource.h"
#include "standin.h"

std::string MassFinderDataDir() { return std::string(OLVAREN_SOURCE_DIR) + "/tests/massfinder/data"; }

void MassFinderTest::MarkLine(int line) {
  const ide::Outline* outline = ide::Ide::Instance().GetOutline(Ide().Application());
  ASSERT_NE(outline, nullptr);
  const std::string& mainFile = outline->File(outline->Root()).path;
  for (ide::ItemId i = 0; i < outline->Count(); ++i) {
    if (outline->Line(i) == line && outline->File(i).path == mainFile) {
      ASSERT_TRUE(Ide().Mark(ide::ToItemHandle(i)));
      return;
    }
  }
  FAIL() << "no item on line " << line;
}

void MassFinderTest::InvokeTool(const std::string& arguments) {
  ASSERT_TRUE(Ide().RunTool(0, arguments)) << Ide().ToolError();
  Ide().PumpMessages();
}

HWND MassFinderTest::Dialog() const { return FindWindowA(nullptr, "Mass Finder"); }

HWND MassFinderTest::Control(int id) const { return GetDlgItem(Dialog(), id); }

std::string MassFinderTest::EditText() const {
  char text[512] = {};
  GetWindowTextA(Control(IDC_PATTERN), text, sizeof text);
  return text;
}

std::vector<std::string> MassFinderTest::ComboEntries() const {
  std::vector<std::string> entries;
  HWND combo = Control(IDC_PATTERN);
  LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[512] = {};
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

bool MassFinderTest::IsChecked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void MassFinderTest::Type(const std::string& text) { SetWindowTextA(Control(IDC_PATTERN), text.c_str()); }

void MassFinderTest::SetCheck(int id, bool checked) {
  if (IsChecked(id) != checked) SendMessageA(Control(id), BM_CLICK, 0, 0);
}

void MassFinderTest::SetOptions(const FindOptions& options) {
  SetCheck(IDC_MATCH_CASE, options.matchCase);
  SetCheck(IDC_WHOLE_WORD, options.wholeWord);
  SetCheck(IDC_IGNORE_INCLUDES, options.ignoreIncludes);
  SetCheck(IDC_ONLY_MARKED, options.onlyMarked);
  SetCheck(IDC_IGNORE_COMMENTS, options.ignoreComments);
}

void MassFinderTest::ClickFind() {
  SendMessageA(Control(IDC_FIND), BM_CLICK, 0, 0);
  Ide().PumpMessages();
}

void MassFinderTest::ClickClose() {
  SendMessageA(Control(IDCANCEL), BM_CLICK, 0, 0);
  Ide().PumpMessages();
}

void MassFinderTest::Find(const std::string& pattern, const FindOptions& options) {
  if (Dialog() == nullptr) InvokeTool();
  ASSERT_NE(Dialog(), nullptr);
  Type(pattern);
  SetOptions(options);
  ClickFind();
}

void MassFinderTest::ActivateIde() {
  Ide().Activate();
  Ide().PumpMessages();
}

void MassFinderTest::ActivateDialog() {
  SetForegroundWindow(Dialog());
  Ide().PumpMessages();
}

