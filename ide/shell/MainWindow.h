// The IDE's main window and the window tree below it, laid out as the real
// IDE's is where tools look: a controls palette with a tree view, the
// workspace with one outline frame (outline tree view + outline editor pane),
// the status bar holding the "SWStat" marker, the project explorer with
// another tree view, and the report window. The window procedures hand what
// the shell cares about to a WindowEvents listener.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "OtherApplication.h"

namespace ide::shell {

// What the windows report to the shell.
class WindowEvents {
public:
  virtual ~WindowEvents() = default;
  // WM_ACTIVATE of the main window: active or not.
  virtual void MainWindowActivated(bool active) = 0;
  // WM_ACTIVATEAPP of the main window: the IDE became the active application
  // or another application did.
  virtual void ApplicationActivated(bool active) = 0;
  // WM_NOTIFY that reached the outline frame from the outline tree view.
  virtual LRESULT OutlineTreeNotify(const NMHDR& header) = 0;
  // WM_CLOSE of the main window: the user closes the IDE.
  virtual void MainWindowClosing() = 0;
};

// Class names of the IDE's own windows.
extern const char kMainFrameClass[];    // the top-level window
extern const char kPaneClass[];         // docking panes (palette, explorer)
extern const char kWorkspaceClass[];    // the area holding the outline frames
extern const char kOutlineFrameClass[]; // one outline's frame: tree view + editor pane
extern const char kOutlineViewClass[];  // the outline editor pane (parent of the inline editor)
extern const char kStatusBarClass[];    // the status bar
extern const char kReportClass[];       // the report window (its procedure: ReportWindow.cpp)
// Text of the status bar's marker window that tools search for.
extern const char kStatusMarkerText[];

// Handles of the window tree, in the order FindWindowExA meets them.
struct WindowTree {
  HWND main = nullptr;
  HWND palette = nullptr;       // pane "Controls"
  HWND paletteTree = nullptr;   //   SysTreeView32 of control kinds
  HWND workspace = nullptr;
  HWND outlineFrame = nullptr;  //   frame of the application's outline
  HWND outlineTree = nullptr;   //     SysTreeView32 mirroring the outline
  HWND outlineView = nullptr;   //     editor pane; the inline editor opens in it
  HWND statusBar = nullptr;
  HWND statusText = nullptr;    //   Static "Ready"
  HWND statusMarker = nullptr;  //   Static "SWStat"
  HWND explorer = nullptr;      // pane "Project"
  HWND explorerTree = nullptr;  //   SysTreeView32 of the project's files
  HWND report = nullptr;        // report window (hidden until the error log opens)
  // Not the IDE's: a top-level window of another application (on a thread
  // of its own), for the user to switch to (the IDE then loses activation).
  HWND otherApplication = nullptr;
};

class MainWindow {
public:
  explicit MainWindow(WindowEvents& events);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the whole tree (the main window hidden and not active). False
  // when a window could not be created; nothing is left behind then.
  bool Create();
  void Destroy();

  const WindowTree& Tree() const { return tree_; }
  // The frame's caption: "Team Developer - FILE" (or without a file).
  void SetDocumentTitle(const char* fileName);

private:
  static LRESULT CALLBACK MainProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK FrameProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK PlainProc(HWND, UINT, WPARAM, LPARAM);
  static void RegisterClasses();
  HWND Child(HWND parent, const char* cls, const char* text, DWORD style = 0);

  WindowEvents& events_;
  WindowTree tree_;
  OtherApplication otherApplication_;
};

// The module handle the shell registers its classes with.
HINSTANCE ShellInstance();

}  // namespace ide::shell
