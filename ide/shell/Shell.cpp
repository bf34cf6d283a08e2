// The shell: starting and ending the IDE, and passing between the core, the
// windows, the tool DLLs and the events.
#include "Shell.h"

namespace ide::shell {

namespace {
constexpr WORD kWaitCursorId = 32514;  // IDC_WAIT
}  // namespace

Shell::Shell() : window_(*this) {}

Shell::~Shell() { Exit(); }

bool Shell::Start() {
  if (started_) return !exited_;
  if (!window_.Create()) return false;
  started_ = true;
  const WindowTree& t = window_.Tree();
  tree_.Attach(t.outlineTree);
  editor_.Attach(t.outlineView);
  report_.Attach(t.report);
  Ide& ide = Ide::Instance();
  ide.SetMainWindow(t.main);
  ide.AddObserver(this);
  if (ide.Application() != 0) ApplicationChanged(ide.Application());
  return true;
}

void Shell::Exit() {
  if (!started_ || exited_) return;
  exited_ = true;
  Ide& ide = Ide::Instance();
  events_.TaskShutdown(ide.Application());
  ide.RemoveObserver(this);
  if (ide.Application() != 0 && ide.FrameWindow(ide.Application()) == window_.Tree().outlineFrame)
    ide.SetFrameWindow(ide.Application(), nullptr);
  if (ide.MainWindow() == window_.Tree().main) ide.SetMainWindow(nullptr);
  editor_.Closed();
  report_.Detach();
  tree_.Attach(nullptr);
  // The main window goes before the tool DLLs are freed, as when the IDE
  // closes: the windows it owns (a tool's modeless dialog) are destroyed
  // with it while their code is still loaded.
  window_.Destroy();
  input_.Pump();  // what the teardown posted
  tools_.UnloadAll();
}

// ---------------------------------------------------------------- files

LoadStatus Shell::OpenFile(const std::string& path, const LoadOptions& options) {
  Ide& ide = Ide::Instance();
  HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  OutlineHandle handle = 0;
  OutlineHandle old = ide.Application();
  LoadStatus status = old != 0 ? ide.ReplaceOutline(old, path, options, &handle)
                               : ide.OpenOutline(path, options, &handle);
  SetCursor(previous);
  if (status && handle != 0) events_.FileRead(handle);
  return status;
}

void Shell::CloseFile() {
  Ide& ide = Ide::Instance();
  OutlineHandle app = ide.Application();
  if (app == 0) return;
  events_.FileClose(app);
  ide.CloseOutline(app);
}

// ---------------------------------------------------------------- tools

bool Shell::LoadTool(const std::string& dllName) { return tools_.Load(dllName, window_.Tree().main); }

bool Shell::RunTool(int parameter, const std::string& arguments, const std::string& dllName) {
  bool ran = tools_.Run(parameter, arguments, dllName);
  input_.Pump();  // what the tool posted
  return ran;
}

// ---------------------------------------------------------------- events

void Shell::Activate() {
  HWND main = window_.Tree().main;
  if (main == nullptr) return;
  if (!IsWindowVisible(main)) ShowWindow(main, SW_SHOWNA);
  SetForegroundWindow(main);  // WM_ACTIVATEAPP and WM_ACTIVATE reach the main window
  input_.Pump();
}

void Shell::Deactivate() {
  HWND other = window_.Tree().otherApplication;
  if (other == nullptr) return;
  if (!IsWindowVisible(other)) ShowWindow(other, SW_SHOWNA);
  SetForegroundWindow(other);
  input_.Pump();
}

void Shell::RunDesign() { events_.RunDesign(Ide::Instance().Application()); }
void Shell::RunUser() { events_.RunUser(Ide::Instance().Application()); }

void Shell::NotifyOutline(CdkOutlineCode code, ItemHandle item) {
  events_.Outline(code, Ide::Instance().Application(), item);
}

// The task notifications follow the application's activation: a dialog of
// the IDE becoming the active window leaves the IDE the active application.
void Shell::ApplicationActivated(bool active) {
  OutlineHandle app = Ide::Instance().Application();
  if (active)
    events_.TaskActivate(app);
  else
    events_.TaskDeactivate(app);
}

void Shell::MainWindowActivated(bool active) {
  if (!active) return;
  if (editor_.IsOpen())
    editor_.Focus();
  else if (window_.Tree().outlineView)
    SetFocus(window_.Tree().outlineView);
}

void Shell::MainWindowClosing() {
  Exit();
  PostQuitMessage(0);
}

// ---------------------------------------------------------------- outline editor

bool Shell::BeginEdit(ItemHandle item, int caret) {
  Ide& ide = Ide::Instance();
  if (!ide.BeginEdit(ide.Application(), item)) return false;
  if (caret >= 0) SetEditCaret(caret, caret);
  return true;
}

bool Shell::SetEditCaret(int start, int end) {
  Ide& ide = Ide::Instance();
  if (!ide.Edit().IsOpen()) return false;
  ide.SetEditSelection(start, end);
  editor_.SelectionChanged(ide.Edit());  // the typed text stays in the control
  return true;
}

void Shell::EndEdit() { Ide::Instance().EndEdit(); }

bool Shell::IsIncludedItem(ItemHandle item) const {
  const Outline* outline = Ide::Instance().GetOutline(Ide::Instance().Application());
  return outline != nullptr && outline->IsIncluded(ToItemId(item));
}

bool Shell::CommitEdit() {
  Ide& ide = Ide::Instance();
  const EditState edit = ide.Edit();
  if (!edit.IsOpen() || !editor_.IsOpen() || IsIncludedItem(edit.item)) return false;
  if (!ide.SetItemLine(edit.outline, edit.item, editor_.Text())) return false;
  ide.EndEdit();
  events_.Outline(CDK_ITEM_MODIFIED, edit.outline, edit.item);
  return true;
}

ItemHandle Shell::InsertItemAfter(ItemHandle after, const std::string& line) {
  Ide& ide = Ide::Instance();
  const OutlineHandle app = ide.Application();
  const Outline* outline = ide.GetOutline(app);
  if (outline == nullptr || !ide.IsValidItem(app, after) || after == ide.RootItem(app) || IsIncludedItem(after))
    return 0;
  const ItemHandle parent = ToItemHandle(outline->Parent(ToItemId(after)));
  const ItemHandle item = ide.InsertItem(app, parent, after, line);
  if (item != 0) events_.Outline(CDK_ITEM_INSERTED, app, item);
  return item;
}

bool Shell::DeleteItem(ItemHandle item) {
  Ide& ide = Ide::Instance();
  const OutlineHandle app = ide.Application();
  if (!ide.IsValidItem(app, item) || item == ide.RootItem(app) || IsIncludedItem(item)) return false;
  events_.Outline(CDK_ITEM_DELETED, app, item);
  return ide.DeleteItem(app, item);
}

bool Shell::Mark(ItemHandle item) {
  Ide& ide = Ide::Instance();
  if (!ide.Mark(ide.Application(), item)) return false;
  events_.Outline(CDK_ITEM_SELECTED, ide.Application(), item);
  return true;
}

bool Shell::Unmark(ItemHandle item) {
  Ide& ide = Ide::Instance();
  return ide.Unmark(ide.Application(), item);
}

void Shell::ClearMarks() { Ide::Instance().ClearMarks(Ide::Instance().Application()); }

bool Shell::SelectTreeItem(ItemHandle item) { return tree_.Select(item); }

bool Shell::OpenReportLine(size_t index) {
  const std::vector<ReportLine>& lines = report_.Lines();
  if (index >= lines.size() || lines[index].item == 0) return false;
  Ide& ide = Ide::Instance();
  if (!ide.SetCurrentItem(lines[index].outline, lines[index].item)) return false;
  ide.ActivateView(lines[index].outline);
  return true;
}

bool Shell::IsWaitCursor() const { return standin::CurrentCursorId() == kWaitCursorId; }

// ---------------------------------------------------------------- the core's changes

void Shell::OutlineClosed(OutlineHandle outline) {
  if (tree_.Outline() == outline) {
    tree_.Clear();
    window_.SetDocumentTitle(nullptr);
  }
}

// An edited outline is shown afresh: its items' handles may have changed.
// The tree's caret stays on the item the outline editor shows.
void Shell::OutlineChanged(OutlineHandle outline) {
  if (tree_.Outline() != outline) return;
  tree_.Fill(outline);
  Ide& ide = Ide::Instance();
  if (ide.CurrentOutline() == outline && ide.CurrentItem() != 0) tree_.Select(ide.CurrentItem());
}

void Shell::ApplicationChanged(OutlineHandle outline) {
  Ide& ide = Ide::Instance();
  tree_.Fill(outline);
  if (outline != 0) {
    ide.SetFrameWindow(outline, window_.Tree().outlineFrame);
    window_.SetDocumentTitle(ide.FileName(outline).c_str());
  } else {
    window_.SetDocumentTitle(nullptr);
  }
}

// The outline tree view follows the item the outline editor shows (a tool's
// UI command 29, a report line); the inline editor is left as it is.
void Shell::CurrentItemChanged(OutlineHandle outline, ItemHandle item) {
  if (outline != 0 && outline == tree_.Outline() && tree_.CaretItem() != item) tree_.Select(item);
}

void Shell::ReportLineAdded(size_t index) {
  const std::vector<ReportLine>& lines = Ide::Instance().ReportLines();
  if (index < lines.size()) report_.LineAdded(lines[index]);
}

void Shell::ReportCleared() { report_.Cleared(); }
void Shell::ErrorLogShown(bool open) { report_.Shown(open); }

void Shell::EditOpened(OutlineHandle, ItemHandle) { editor_.Opened(Ide::Instance().Edit()); }
void Shell::EditTextChanged() { editor_.TextChanged(Ide::Instance().Edit()); }
void Shell::EditClosed(OutlineHandle, ItemHandle) { editor_.Closed(); }

// The IDE's current item follows the tree's caret.
LRESULT Shell::OutlineTreeNotify(const NMHDR& header) {
  tree_.OnNotify(header);
  if (header.code == TVN_SELCHANGEDA) {
    const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
    ItemHandle item = static_cast<ItemHandle>(change.itemNew.lParam);
    Ide& ide = Ide::Instance();
    if (item != 0 && tree_.Outline() != 0 && (ide.CurrentOutline() != tree_.Outline() || ide.CurrentItem() != item))
      ide.SetCurrentItem(tree_.Outline(), item);
  }
  return 0;
}

}  // namespace ide::shell
