// The IDE's main window and its window tree: classes, creation order (which
// is the order FindWindowExA walks) and the frame procedures.
#include "MainWindow.h"

#include <string>

#include "ReportWindow.h"

namespace ide::shell {

const char kMainFrameClass[] = "OlvIdeMainFrame";
const char kPaneClass[] = "OlvIdePane";
const char kWorkspaceClass[] = "OlvIdeWorkspace";
const char kOutlineFrameClass[] = "OlvIdeOutlineFrame";
const char kOutlineViewClass[] = "OlvIdeOutlineView";
const char kStatusBarClass[] = "OlvIdeStatusBar";
const char kReportClass[] = "OlvIdeReport";
const char kStatusMarkerText[] = "SWStat";

namespace {
const char kTitle[] = "Team Developer";

MainWindow* Owner(HWND hwnd) { return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

// Keeps the owner from CREATESTRUCT::lpCreateParams in the user data.
void TakeOwner(HWND hwnd, LPARAM lParam) {
  auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
}
}  // namespace

HINSTANCE ShellInstance() { return GetModuleHandleA(nullptr); }

MainWindow::MainWindow(WindowEvents& events) : events_(events) {}

MainWindow::~MainWindow() { Destroy(); }

void MainWindow::RegisterClasses() {
  struct ClassDef {
    const char* name;
    WNDPROC proc;
  };
  const ClassDef defs[] = {
      {kMainFrameClass, &MainWindow::MainProc},   {kPaneClass, &MainWindow::PlainProc},
      {kWorkspaceClass, &MainWindow::PlainProc},  {kOutlineFrameClass, &MainWindow::FrameProc},
      {kOutlineViewClass, &MainWindow::PlainProc}, {kStatusBarClass, &MainWindow::PlainProc},
  };
  for (const ClassDef& def : defs) {
    WNDCLASSA wc{};
    if (GetClassInfoA(ShellInstance(), def.name, &wc)) continue;  // registered by an earlier shell
    wc.lpfnWndProc = def.proc;
    wc.hInstance = ShellInstance();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = def.name;
    RegisterClassA(&wc);
  }
  ReportWindow::RegisterWindowClass();
}

HWND MainWindow::Child(HWND parent, const char* cls, const char* text, DWORD style) {
  return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 100, parent, nullptr,
                         ShellInstance(), this);
}

bool MainWindow::Create() {
  if (tree_.main != nullptr) return true;
  RegisterClasses();
  InitCommonControls();
  WindowTree& t = tree_;
  t.main = CreateWindowExA(WS_EX_APPWINDOW, kMainFrameClass, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                           1024, 768, nullptr, nullptr, ShellInstance(), this);
  if (t.main == nullptr) return false;
  // Children are met by FindWindowExA in creation order; the outline tree is
  // the last tree view before the status bar's marker.
  t.palette = Child(t.main, kPaneClass, "Controls");
  t.paletteTree = t.palette ? Child(t.palette, WC_TREEVIEWA, "", TVS_HASLINES) : nullptr;
  t.workspace = Child(t.main, kWorkspaceClass, "");
  t.outlineFrame = t.workspace ? Child(t.workspace, kOutlineFrameClass, "", WS_CLIPCHILDREN) : nullptr;
  t.outlineTree = t.outlineFrame
                      ? Child(t.outlineFrame, WC_TREEVIEWA, "",
                              TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS)
                      : nullptr;
  t.outlineView = t.outlineFrame ? Child(t.outlineFrame, kOutlineViewClass, "") : nullptr;
  t.statusBar = Child(t.main, kStatusBarClass, "");
  t.statusText = t.statusBar ? Child(t.statusBar, WC_STATICA, "Ready") : nullptr;
  t.statusMarker = t.statusBar ? Child(t.statusBar, WC_STATICA, kStatusMarkerText) : nullptr;
  t.explorer = Child(t.main, kPaneClass, "Project");
  t.explorerTree = t.explorer ? Child(t.explorer, WC_TREEVIEWA, "", TVS_HASLINES) : nullptr;
  t.report = CreateWindowExA(0, kReportClass, "Report", WS_CHILD, 0, 0, 100, 100, t.main, nullptr, ShellInstance(),
                             nullptr);
  t.otherApplication = otherApplication_.Start(kPaneClass, ShellInstance()) ? otherApplication_.Window() : nullptr;
  const HWND all[] = {t.palette,     t.paletteTree,  t.workspace,    t.outlineFrame,   t.outlineTree,
                      t.outlineView, t.statusBar,    t.statusText,   t.statusMarker,   t.explorer,
                      t.explorerTree, t.report,      t.otherApplication};
  for (HWND h : all) {
    if (h == nullptr) {
      Destroy();
      return false;
    }
  }
  // The explorer lists the project; the palette the control kinds.
  TVINSERTSTRUCTA ins{};
  ins.hParent = TVI_ROOT;
  ins.hInsertAfter = TVI_LAST;
  ins.item.mask = TVIF_TEXT;
  ins.item.pszText = const_cast<char*>("Workspace");
  SendMessageA(t.explorerTree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins));
  for (const char* kind : {"Form Window", "Dialog Box", "Data Field", "Pushbutton", "Child Table"}) {
    ins.item.pszText = const_cast<char*>(kind);
    SendMessageA(t.paletteTree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins));
  }
  return true;
}

void MainWindow::Destroy() {
  // No more events while going: destroying the other application's window
  // would otherwise activate the main window once more.
  if (tree_.main != nullptr && IsWindow(tree_.main)) SetWindowLongPtrA(tree_.main, GWLP_USERDATA, 0);
  otherApplication_.Stop();
  if (tree_.main != nullptr && IsWindow(tree_.main)) DestroyWindow(tree_.main);
  tree_ = WindowTree{};
}

void MainWindow::SetDocumentTitle(const char* fileName) {
  std::string title = kTitle;
  if (fileName != nullptr && *fileName != '\0') {
    title += " - ";
    title += fileName;
  }
  if (tree_.main) SetWindowTextA(tree_.main, title.c_str());
  if (tree_.outlineFrame) SetWindowTextA(tree_.outlineFrame, fileName ? fileName : "");
}

LRESULT CALLBACK MainWindow::MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE:
      TakeOwner(hwnd, lParam);
      break;
    case WM_ACTIVATE:
      if (MainWindow* self = Owner(hwnd)) self->events_.MainWindowActivated(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_ACTIVATEAPP:
      if (MainWindow* self = Owner(hwnd)) self->events_.ApplicationActivated(wParam != FALSE);
      return 0;
    case WM_CLOSE:
      if (MainWindow* self = Owner(hwnd)) {
        self->events_.MainWindowClosing();
        return 0;
      }
      break;
    case WM_DESTROY:
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK MainWindow::FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE:
      TakeOwner(hwnd, lParam);
      break;
    case WM_NOTIFY: {
      MainWindow* self = Owner(hwnd);
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (self != nullptr && header != nullptr && header->hwndFrom == self->tree_.outlineTree)
        return self->events_.OutlineTreeNotify(*header);
      return 0;
    }
    case WM_DESTROY:
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK MainWindow::PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace ide::shell
