// The search dialog's template in the Windows build, checked on Windows (Wine):
// the 32-bit Olvaren.dll, opened as an image resource the way a resource
// editor opens a module of another architecture, carries RT_DIALOG 101 with
// the very bytes the stand-in build makes from the same layout; and the
// resource script, compiled into this program, gives a dialog that
// CreateDialogParam (what CDialog::Create calls) builds with the controls,
// texts, styles, positions and tab order of the layout.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/MassFinderTemplate.h"
#include "resources/resource.h"

#ifndef OLVAREN_ADDIN_DLL
#define OLVAREN_ADDIN_DLL ""
#endif

namespace {

// One control as the layout states it, with the class under its name.
struct CLayoutControl {
  const char* text;
  int id;
  const char* className;
  DWORD style;
  RECT rect;  // dialog units: left, top, width, height
};

const char* ClassName(WORD ordinal) {
  switch (ordinal) {
    case MASSFINDER_CLASS_BUTTON: return "Button";
    case MASSFINDER_CLASS_STATIC: return "Static";
    case MASSFINDER_CLASS_COMBOBOX: return "ComboBox";
  }
  return "?";
}

std::vector<CLayoutControl> LayoutControls() {
  std::vector<CLayoutControl> controls;
#define MASSFINDER_TEST_CONTROL(text, id, cls, style, x, y, cx, cy) \
  controls.push_back({text, id, ClassName(cls), static_cast<DWORD>(style), {x, y, cx, cy}});
  MASSFINDER_DIALOG_CONTROLS(MASSFINDER_TEST_CONTROL)
#undef MASSFINDER_TEST_CONTROL
  return controls;
}

// Where the 32-bit build put Olvaren.dll: OLVAREN_ADDIN_DLL from the
// environment, else the path the build was configured with (a host path,
// which Wine opens as it is).
std::string AddinDllPath() {
  const char* env = std::getenv("OLVAREN_ADDIN_DLL");
  return env && *env ? env : OLVAREN_ADDIN_DLL;
}

// The template's fields, to show where two templates part.
std::string Describe(const std::vector<unsigned char>& bytes) {
  standin::DialogTemplateData data;
  std::string error;
  if (!standin::ParseDialogTemplate(bytes.data(), bytes.size(), &data, &error)) return "unreadable: " + error;
  char line[200];
  std::snprintf(line, sizeof line, "\"%s\" style %08lx exstyle %08lx font %u \"%s\"", data.caption.c_str(),
                static_cast<unsigned long>(data.style), static_cast<unsigned long>(data.exStyle), data.pointSize,
                data.faceName.c_str());
  std::string text = line;
  for (const standin::DialogItemTemplate& item : data.items) {
    const std::string cls =
        item.windowClass.isOrdinal ? "#" + std::to_string(item.windowClass.ordinal) : item.windowClass.text;
    std::snprintf(line, sizeof line, "\n  id %d class %s \"%s\" style %08lx at %d,%d %dx%d", item.id, cls.c_str(),
                  item.title.text.c_str(), static_cast<unsigned long>(item.style), item.x, item.y, item.cx, item.cy);
    text += line;
  }
  return text;
}

TEST(MassFinderResource, DllCarriesTheStandInTemplate) {
  const std::string path = AddinDllPath();
  ASSERT_FALSE(path.empty()) << "OLVAREN_ADDIN_DLL names no Olvaren.dll";
  HMODULE module =
      LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr) << path << ": cannot be opened (error " << GetLastError()
                             << "); build the 32-bit add-in first";
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDD_MASSFINDER), RT_DIALOG);
  ASSERT_NE(found, nullptr) << path << ": no RT_DIALOG " << IDD_MASSFINDER;
  const DWORD size = SizeofResource(module, found);
  const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
  ASSERT_NE(bytes, nullptr);
  const std::vector<unsigned char> inDll(bytes, bytes + size);
  FreeLibrary(module);

  const std::vector<unsigned char> standIn = BuildMassFinderTemplate();
  size_t differ = 0;
  while (differ < inDll.size() && differ < standIn.size() && inDll[differ] == standIn[differ]) ++differ;
  EXPECT_TRUE(inDll == standIn) << "the templates differ from offset " << differ << " (sizes " << inDll.size()
                                << " and " << standIn.size() << ")\nOlvaren.dll:\n"
                                << Describe(inDll) << "\nstand-in:\n"
                                << Describe(standIn);
}

class MassFinderScriptDialog : public ::testing::Test {
 protected:
  static INT_PTR CALLBACK Proc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }
  void SetUp() override {
    dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MASSFINDER), nullptr, Proc, 0);
    ASSERT_NE(dialog_, nullptr) << "error " << GetLastError();
  }
  void TearDown() override {
    if (dialog_) DestroyWindow(dialog_);
  }
  HWND dialog_ = nullptr;
};

TEST_F(MassFinderScriptDialog, DialogFromTheLayout) {
  char text[64] = {};
  GetWindowTextA(dialog_, text, sizeof text);
  EXPECT_STREQ(text, MASSFINDER_DIALOG_CAPTION);
  const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog_, GWL_STYLE));
  const DWORD own = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  EXPECT_EQ(style & own, own);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(dialog_, GWL_EXSTYLE)) & WS_EX_TOOLWINDOW,
            static_cast<DWORD>(WS_EX_TOOLWINDOW));
  EXPECT_EQ(LOWORD(SendMessageA(dialog_, DM_GETDEFID, 0, 0)), IDC_FIND) << "BS_DEFPUSHBUTTON names the default";
}

// The children in z-order are the template's controls in its order.
TEST_F(MassFinderScriptDialog, ControlsInTemplateOrder) {
  const std::vector<CLayoutControl> layout = LayoutControls();
  HWND child = GetWindow(dialog_, GW_CHILD);
  for (const CLayoutControl& c : layout) {
    SCOPED_TRACE(c.text);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetDlgCtrlID(child), c.id);
    char text[64] = {};
    GetClassNameA(child, text, sizeof text);
    EXPECT_STREQ(text, c.className);
    GetWindowTextA(child, text, sizeof text);
    EXPECT_STREQ(text, c.text);
    // Every style bit of the layout, and WS_TABSTOP and WS_GROUP only where
    // it has them. A combo box passes its scroll bar styles on to its list
    // and clears them from its own window.
    DWORD want = c.style;
    if (c.id == IDC_PATTERN) want &= ~static_cast<DWORD>(WS_VSCROLL | WS_HSCROLL);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
    EXPECT_EQ(style & (want | WS_TABSTOP | WS_GROUP), want) << std::hex << style;

    // The position and the size in dialog units, each mapped on its own with
    // the dialog's font, as the dialog manager maps them. A combo box's
    // height is that of its closed box, not the template's.
    RECT expected = c.rect;
    MapDialogRect(dialog_, &expected);
    RECT actual = {};
    GetWindowRect(child, &actual);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right - actual.left, expected.right) << "width";
    if (c.id != IDC_PATTERN) {
      EXPECT_EQ(actual.bottom - actual.top, expected.bottom) << "height";
    }
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr) << "no control beyond the layout's";
}

TEST_F(MassFinderScriptDialog, TabOrderFollowsTheLayout) {
  std::vector<int> expected;
  for (const CLayoutControl& c : LayoutControls())
    if (c.style & WS_TABSTOP) expected.push_back(c.id);
  ASSERT_FALSE(expected.empty());
  std::vector<int> visited;
  HWND at = GetDlgItem(dialog_, expected.front());
  for (size_t i = 0; i <= expected.size(); ++i) {
    visited.push_back(GetDlgCtrlID(at));
    at = GetNextDlgTabItem(dialog_, at, FALSE);
  }
  expected.push_back(expected.front());  // and round again
  EXPECT_EQ(visited, expected);
}

}  // namespace
