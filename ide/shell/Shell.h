// The stand-in IDE's shell: the main window with its window tree, the
// outline tree view, the inline editor and the report window kept in step
// with the IDE core; tool DLLs; the IDE's events as CDK notifications; the
// keyboard and the message loop. One shell per process at a time; tests and
// the front end drive the IDE through it and read back what it shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ide/core/Ide.h"
#include "standin.h"
#include "IdeEvents.h"
#include "InlineEditor.h"
#include "InputLoop.h"
#include "MainWindow.h"
#include "OutlineTreeView.h"
#include "ReportWindow.h"
#include "ToolHost.h"

namespace ide::shell {

class Shell : private IdeObserver, private WindowEvents {
public:
  Shell();
  ~Shell() override;
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // Creates the windows, becomes the IDE's main window and starts following
  // the core. False when the windows could not be created.
  bool Start();
  // The IDE ends: TaskShutdown, the tool DLLs unloaded, the windows gone.
  // Runs once; the destructor runs it when nobody did.
  void Exit();

  // ---- files
  // Loads an application (in place of the one open), fills the outline tree
  // and reports OnFileRead. On failure nothing changes.
  LoadStatus OpenFile(const std::string& path, const LoadOptions& options = {});
  // Reports OnFileClose and closes the application.
  void CloseFile();

  // ---- tool DLLs
  bool LoadTool(const std::string& dllName);
  bool RunTool(int parameter, const std::string& arguments, const std::string& dllName = "");
  const std::string& ToolError() const { return tools_.LastError(); }

  // ---- events
  void Activate();    // the IDE's main window becomes the active window
  void Deactivate();  // the user switches to another application
  void RunDesign();
  void RunUser();
  void NotifyOutline(CdkOutlineCode code, ItemHandle item);

  // ---- keyboard and messages
  bool PressKey(UINT virtualKey, int modifiers = 0) { return input_.PressKey(virtualKey, modifiers); }
  bool HoldKey(UINT virtualKey, int repeats) { return input_.HoldKey(virtualKey, repeats); }
  int PumpMessages() { return input_.Pump(); }
  int Run() { return input_.Run(); }

  // ---- outline editor
  // Opens the inline editor on an item of the application with the caret at
  // `caret` (at the end of the text when negative).
  bool BeginEdit(ItemHandle item, int caret = -1);
  bool SetEditCaret(int start, int end);
  void EndEdit();
  // The user leaves the edited line (Enter, or a click elsewhere): the
  // editor's text becomes the item's outline line, the add-in hears
  // OnItemModified, and the editor closes. False, with the editor left open,
  // when none is open, the line cannot be an item's (a line break) or the
  // item comes from an included library (the IDE edits only the file's own).
  bool CommitEdit();
  // The outline editor's own editing: a new line below `after` at its level
  // (after its subtree), reported as OnItemInserted; an item deleted with
  // everything below it, reported as OnItemDeleted while it still exists.
  // 0 / false when the item is unknown, the application item, an item of an
  // included library, or the line cannot be an item's.
  ItemHandle InsertItemAfter(ItemHandle after, const std::string& line);
  bool DeleteItem(ItemHandle item);
  // Whether an item of the application came from an included library.
  bool IsIncludedItem(ItemHandle item) const;
  // Marks (selects) items in the outline editor; each mark is reported as
  // OnItemSelected.
  bool Mark(ItemHandle item);
  bool Unmark(ItemHandle item);
  void ClearMarks();
  // Moves the outline tree's caret, as a click on the tree item does.
  bool SelectTreeItem(ItemHandle item);
  // Goes to the item a report line leads to (a double click on the line).
  bool OpenReportLine(size_t index);

  // ---- what the IDE shows
  const WindowTree& Windows() const { return window_.Tree(); }
  HWND MainWindowHandle() const { return window_.Tree().main; }
  OutlineHandle Application() const { return Ide::Instance().Application(); }
  ItemHandle CurrentItem() const { return Ide::Instance().CurrentItem(); }
  ItemHandle TreeCaretItem() const { return tree_.CaretItem(); }
  const OutlineTreeView& Tree() const { return tree_; }
  const std::vector<ReportLine>& ReportLines() const { return report_.Lines(); }
  bool IsReportShown() const { return report_.IsShown(); }
  const InlineEditor& Editor() const { return editor_; }
  std::vector<standin::MessageBoxRecord> MessageBoxes() const { return standin::MessageBoxes(); }
  std::vector<std::string> DebugOutput() const { return standin::DebugOutput(); }
  bool IsWaitCursor() const;
  const std::vector<std::string>& EventLog() const { return events_.Log(); }
  void ClearEventLog() { events_.ClearLog(); }
  std::vector<UINT> KeysReceived() const { return input_.KeysDown(); }
  void ClearKeysReceived() { input_.ClearKeys(); }
  std::vector<std::string> LoadedTools() const { return tools_.Loaded(); }
  bool IsRunning() const { return started_ && !exited_; }

private:
  // IdeObserver
  void OutlineClosed(OutlineHandle) override;
  void ApplicationChanged(OutlineHandle) override;
  void CurrentItemChanged(OutlineHandle, ItemHandle) override;
  void OutlineChanged(OutlineHandle) override;
  void ReportLineAdded(size_t index) override;
  void ReportCleared() override;
  void ErrorLogShown(bool open) override;
  void EditOpened(OutlineHandle, ItemHandle) override;
  void EditTextChanged() override;
  void EditClosed(OutlineHandle, ItemHandle) override;
  // WindowEvents
  void MainWindowActivated(bool active) override;
  void ApplicationActivated(bool active) override;
  LRESULT OutlineTreeNotify(const NMHDR& header) override;
  void MainWindowClosing() override;

  MainWindow window_;
  OutlineTreeView tree_;
  InlineEditor editor_;
  ReportWindow report_;
  ToolHost tools_;
  IdeEvents events_;
  InputLoop input_;
  bool started_ = false;
  bool exited_ = false;
};

}  // namespace ide::shell
