// The running IDE's state, one per process: the loaded outlines and which of
// them is the application, the marked items, the report window's lines, the
// inline editor, the current item and the main window. No windows of its
// own: the shell mirrors changes into its windows through IdeObserver.
//
// Handles as the CDK and the runtime library hand them out:
//   OutlineHandle (HOUTLINE) = 1-based slot of a loaded outline, 0 = none;
//     a closed outline's slot stays empty, so its handle is never reused.
//   ItemHandle (HITEM) = ItemId + 1, 0 = none.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ide/outline/Outline.h"
#include "ide/outline/OutlineReader.h"

namespace ide {

// The types of HOUTLINE and HITEM (a DWORD: unsigned long on Windows).
#ifdef _WIN32
using OutlineHandle = unsigned long;
using ItemHandle = unsigned long;
#else
using OutlineHandle = uint32_t;
using ItemHandle = uint32_t;
#endif

constexpr ItemHandle ToItemHandle(ItemId id) { return id == kNoItem ? 0u : id + 1u; }
constexpr ItemId ToItemId(ItemHandle h) { return h == 0u ? kNoItem : h - 1u; }

// One line of the report window; a line with an item leads to it.
struct ReportLine {
  std::string text;
  OutlineHandle outline = 0;
  ItemHandle item = 0;
};

// The inline editor: the item whose line is open for editing, the text in the
// edit control and the caret (a selection start..end, equal when none).
struct EditState {
  OutlineHandle outline = 0;  // 0 when the editor is closed
  ItemHandle item = 0;
  std::string text;
  int selStart = 0;
  int selEnd = 0;
  bool IsOpen() const { return outline != 0 && item != 0; }
};

// Change notifications for the shell. Every callback runs after the state has
// changed; the defaults do nothing.
class IdeObserver {
public:
  virtual ~IdeObserver() = default;
  virtual void OutlineOpened(OutlineHandle) {}
  virtual void OutlineClosed(OutlineHandle) {}
  virtual void ApplicationChanged(OutlineHandle /*new application, 0 = none*/) {}
  virtual void MarksChanged(OutlineHandle) {}
  virtual void CurrentItemChanged(OutlineHandle, ItemHandle) {}
  virtual void ReportLineAdded(size_t /*index in ReportLines()*/) {}
  virtual void ReportCleared() {}
  virtual void ErrorLogShown(bool /*open*/) {}
  virtual void EditOpened(OutlineHandle, ItemHandle) {}
  virtual void EditTextChanged() {}
  virtual void EditClosed(OutlineHandle, ItemHandle) {}
  virtual void ActivateView(OutlineHandle) {}   // a view of that outline was asked to come to the front
  virtual void OutlineChanged(OutlineHandle) {} // items were inserted, deleted or given a new line
};

class Ide {
public:
  static Ide& Instance();

  // Back to the state at start-up: no outlines, no report lines, closed
  // editor, no main window. Observers stay registered.
  void Reset();

  // --- outlines ---------------------------------------------------------
  // Reads an application file (libraries found through options.includeDirs)
  // into a new slot and makes it the application. On failure nothing changes
  // and *handle (when given) is 0; the status names the file and line.
  LoadStatus OpenOutline(const std::string& path, const LoadOptions& options, OutlineHandle* handle);
  // Same, but the new outline takes the place of `replaced` (which is closed
  // first when the load succeeded). Returns the status; *handle as above.
  LoadStatus ReplaceOutline(OutlineHandle replaced, const std::string& path, const LoadOptions& options,
                            OutlineHandle* handle);
  // Takes an outline built elsewhere (e.g. in memory); `path` is its file
  // name. Becomes the application. Returns its handle.
  OutlineHandle AddOutline(Outline outline, const std::string& path);
  // Closes an outline: its marks go, the editor closes when it was on it, the
  // current item is cleared when it was in it; when it was the application
  // there is no application afterwards. False for an unknown handle.
  bool CloseOutline(OutlineHandle);

  const Outline* GetOutline(OutlineHandle) const;   // nullptr when unknown/closed
  Outline* GetMutableOutline(OutlineHandle);        // for editing operations of the shell
  const std::string& FileName(OutlineHandle) const; // "" when unknown
  std::vector<OutlineHandle> Outlines() const;      // open outlines, oldest first
  // Grows whenever an outline is opened or closed and at Reset: while it
  // stays, GetOutline answers every handle as before (an edit changes an
  // outline's items, not where the outline is).
  uint64_t OutlinesGeneration() const { return outlinesGeneration_; }

  OutlineHandle Application() const { return application_; }  // 0 = none loaded
  bool SetApplication(OutlineHandle);                          // false for an unknown handle

  // True when the outline is open and the handle names one of its items.
  bool IsValidItem(OutlineHandle, ItemHandle) const;
  ItemHandle RootItem(OutlineHandle) const;  // the application item; 0 when none

  // The frame window the shell shows an outline in (0 = none).
  void SetFrameWindow(OutlineHandle, void* hwnd);
  void* FrameWindow(OutlineHandle) const;
  OutlineHandle OutlineOfFrame(void* hwnd) const;  // 0 when no outline uses that window

  // --- editing the outline (the outline editor) ---------------------------
  // Item handles after the edited place change with the edit; marks, the
  // inline editor, the current item and report links follow their items (and
  // go with deleted ones). Observers are told OutlineChanged.
  // Inserts an item with that outline line below `parent`, after its child
  // `after` (0: as the first child). Returns its handle; 0 when the outline or
  // an item is unknown, `after` is no child of `parent`, or the line cannot be
  // an item (a line break, too deep).
  ItemHandle InsertItem(OutlineHandle, ItemHandle parent, ItemHandle after, const std::string& line);
  // Deletes an item and everything below it; false for the application item or
  // an unknown item.
  bool DeleteItem(OutlineHandle, ItemHandle);
  // Gives an item a new outline line (type, title, text, name follow from it);
  // false for an unknown item or a line with a line break.
  bool SetItemLine(OutlineHandle, ItemHandle, const std::string& line);

  // --- marks (the selection in the outline editor) ------------------------
  bool Mark(OutlineHandle, ItemHandle);    // false for an invalid item; no change when already marked
  bool Unmark(OutlineHandle, ItemHandle);  // false for an invalid item
  bool SetMarked(OutlineHandle h, ItemHandle i, bool marked) { return marked ? Mark(h, i) : Unmark(h, i); }
  void ClearMarks(OutlineHandle);
  bool IsMarked(OutlineHandle, ItemHandle) const;
  std::vector<ItemHandle> MarkedItems(OutlineHandle) const;  // outline order

  // --- report window ------------------------------------------------------
  void AddReportLine(const std::string& text, OutlineHandle outline = 0, ItemHandle item = 0);
  void ClearReport();
  const std::vector<ReportLine>& ReportLines() const { return report_; }
  void SetErrorLogOpen(bool open);
  bool IsErrorLogOpen() const { return errorLogOpen_; }

  // --- inline editor ------------------------------------------------------
  // Opens the editor on an item with its outline line as text and the caret
  // at the end. False for an invalid item. An open editor is closed first.
  bool BeginEdit(OutlineHandle, ItemHandle);
  bool BeginEdit(OutlineHandle, ItemHandle, const std::string& text);
  void SetEditText(const std::string& text);   // keeps the caret within the text; no-op when closed
  void SetEditSelection(int start, int end);   // clamped to the text; no-op when closed
  void EndEdit();                              // no-op when closed
  const EditState& Edit() const { return edit_; }

  // --- current item (the item the outline editor shows) -------------------
  bool SetCurrentItem(OutlineHandle, ItemHandle);  // false for an invalid item
  OutlineHandle CurrentOutline() const { return currentOutline_; }
  ItemHandle CurrentItem() const { return currentItem_; }

  // The view of an outline comes to the front / is it in front.
  bool ActivateView(OutlineHandle);
  bool IsViewActive(OutlineHandle h) const { return h != 0 && h == application_; }

  // --- main window --------------------------------------------------------
  void SetMainWindow(void* hwnd) { mainWindow_ = hwnd; }
  void* MainWindow() const { return mainWindow_; }

  // --- observers (not owned; remove before destroying) --------------------
  void AddObserver(IdeObserver*);
  void RemoveObserver(IdeObserver*);

private:
  Ide();
  ~Ide();
  Ide(const Ide&) = delete;
  Ide& operator=(const Ide&) = delete;

  struct Slot;
  Slot* GetSlot(OutlineHandle) const;
  // Moves what refers to items of outline `h` to map(item) (kNoItem: the item is gone).
  template <class Map> void FollowItems(OutlineHandle h, Map map);
  template <class F> void Notify(F f);

  std::vector<std::unique_ptr<Slot>> slots_;  // index = handle - 1; closed = nullptr
  uint64_t outlinesGeneration_ = 0;
  OutlineHandle application_ = 0;
  std::vector<ReportLine> report_;
  bool errorLogOpen_ = false;
  EditState edit_;
  OutlineHandle currentOutline_ = 0;
  ItemHandle currentItem_ = 0;
  void* mainWindow_ = nullptr;
  std::vector<IdeObserver*> observers_;  // in order; nullptr: removed while notifying
  int notifying_ = 0;     // notifications running (they may nest)
  bool emptied_ = false;  // places emptied while notifying, to be closed up
};

}  // namespace ide
