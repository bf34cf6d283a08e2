// `olvaren session FILE [-I DIR]... [SCRIPT]`: replays a sitting in the
// stand-in IDE. The IDE starts with the add-in loaded, opens FILE and is
// activated; then every command of the script is one step of the developer
// at the keyboard (marks, the inline editor and the outline editor's edits,
// the tree's selection, keys, tool calls, the dialog, the report window, IDE
// events, a second IDE run) or prints what the IDE shows. `expect` makes
// a script a test. This file holds the command table and the steps.
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "DialogControls.h"
#include "EditPosition.h"
#include "IdeSession.h"
#include "ItemFormat.h"
#include "ItemJson.h"
#include "ItemLookup.h"
#include "OutputFormat.h"
#include "SessionScript.h"
#include "StandardStreams.h"
#include "TraceOption.h"
#include "ide/outline/TextDecoding.h"
#include "ide/shell/Shell.h"
#include "standin.h"

namespace olvcli {
namespace {

struct SessionOptions {
  std::string file;
  std::string script;  // "" or "-": standard input
  std::vector<std::string> includeDirs;
  OutputOptions output;
};

class Session;
// A step: false, with `error` set, when the command cannot be carried out.
using StepFn = bool (Session::*)(const ScriptLine& line, std::string& error);

struct SessionCommand {
  const char* name;
  int minWords;
  int maxWords;  // -1: any number
  StepFn step;
  const char* usage;
  bool needsIde;  // false: the command also runs after the IDE has ended (Alt+F4)
  int quotedFrom = -1;  // the word from which on a TEXT argument may be quoted; -1: none
};

class Session {
 public:
  explicit Session(const SessionOptions& options) : m_options(options) {}

  // Starts the IDE and runs the script's commands as they are read, each
  // checked before it runs; the exit code of the session.
  int Run(ScriptReader& script, const std::string& scriptName);

  bool Mark(const ScriptLine& line, std::string& error);
  bool Unmark(const ScriptLine& line, std::string& error);
  bool Edit(const ScriptLine& line, std::string& error);
  bool Caret(const ScriptLine& line, std::string& error);
  bool Type(const ScriptLine& line, std::string& error);
  bool EndEdit(const ScriptLine& line, std::string& error);
  bool Key(const ScriptLine& line, std::string& error);
  bool Hold(const ScriptLine& line, std::string& error);
  bool Tool(const ScriptLine& line, std::string& error);
  bool Activate(const ScriptLine& line, std::string& error);
  bool Check(const ScriptLine& line, std::string& error);
  bool Click(const ScriptLine& line, std::string& error);
  bool Pattern(const ScriptLine& line, std::string& error);
  bool Event(const ScriptLine& line, std::string& error);
  bool Show(const ScriptLine& line, std::string& error);
  bool Editor(const ScriptLine& line, std::string& error);
  bool Report(const ScriptLine& line, std::string& error);
  bool Dialog(const ScriptLine& line, std::string& error);
  bool Settings(const ScriptLine& line, std::string& error);
  bool Restart(const ScriptLine& line, std::string& error);
  bool Expect(const ScriptLine& line, std::string& error);
  bool Commit(const ScriptLine& line, std::string& error);
  bool Insert(const ScriptLine& line, std::string& error);
  bool Delete(const ScriptLine& line, std::string& error);
  bool Select(const ScriptLine& line, std::string& error);
  bool Selection(const ScriptLine& line, std::string& error);
  bool LastKey(const ScriptLine& line, std::string& error);
  bool DoubleClick(const ScriptLine& line, std::string& error);

 private:
  // Starts the IDE, loads the add-in, opens the file and activates the IDE.
  int Start();
  void Print(const std::string& out);
  // Message boxes the add-in showed during the last step, printed.
  void PrintMessageBoxes();
  HWND OpenDialog(std::string& error);
  // Presses a key with modifiers held while the IDE handles it; `name` is
  // what `lastkey` calls it.
  void PressChord(UINT virtualKey, int modifiers, const std::string& name);
  // Notes whether the key's press reached the IDE's message loop.
  void NoteLastKey(UINT virtualKey, const std::string& name);
  // The user's text (UTF-8) in the file's code page.
  bool UserText(const std::string& text, std::string& bytes, std::string& error) const;
  // The command's TEXT argument from word `first` on, unquoted, in the file's code page.
  bool TextArgument(const ScriptLine& line, size_t first, std::string& bytes, std::string& error) const;
  // The item a LINE or FILE:LINE word names; kNoItem, with `error`, when
  // none starts there or no file is open.
  ide::ItemId ItemAtPlace(const std::string& word, std::string& error) const;
  bool FileIsOpen(std::string& error) const;

  const SessionOptions& m_options;
  std::unique_ptr<ide::shell::Shell> m_shell;
  const ide::Outline* m_outline = nullptr;
  EditPlace m_edit;  // the place last opened with `edit`
  std::string m_lastOutput;
  bool m_failed = false;  // an `expect` failed
  std::string m_lastKey;   // the key pressed last, as the script names it ("" before any)
  bool m_lastKeyReached = false;
};

const SessionCommand kSessionCommands[] = {
    {"mark", 1, -1, &Session::Mark, "mark LINE|FILE:LINE...", true},
    {"unmark", 0, 0, &Session::Unmark, "unmark", true},
    {"edit", 1, 1, &Session::Edit, "edit LINE[:COL]", true},
    {"caret", 1, 1, &Session::Caret, "caret COL", true},
    {"type", 1, -1, &Session::Type, "type TEXT", true, 0},
    {"endedit", 0, 0, &Session::EndEdit, "endedit", true},
    {"commit", 0, 0, &Session::Commit, "commit", true},
    {"insert", 2, -1, &Session::Insert, "insert LINE|FILE:LINE TEXT", true, 1},
    {"delete", 1, 1, &Session::Delete, "delete LINE|FILE:LINE", true},
    {"select", 1, 1, &Session::Select, "select LINE|FILE:LINE", true},
    {"selection", 0, 0, &Session::Selection, "selection", true},
    {"key", 1, -1, &Session::Key, "key KEYS...", true},
    {"hold", 2, 2, &Session::Hold, "hold KEY REPEATS", true},
    {"lastkey", 0, 0, &Session::LastKey, "lastkey", true},
    {"tool", 1, 1, &Session::Tool, "tool NAME|\"ARGUMENTS\"", true, 0},
    {"activate", 1, 1, &Session::Activate, "activate ide|dialog", true},
    {"check", 2, -1, &Session::Check, "check NAME on|off", true},
    {"click", 1, -1, &Session::Click, "click NAME", true},
    {"pattern", 0, -1, &Session::Pattern, "pattern TEXT", true, 0},
    {"event", 1, 1, &Session::Event, "event file-read|file-close|run-design|run-user|deactivate", true},
    {"show", 0, 0, &Session::Show, "show", true},
    {"editor", 0, 0, &Session::Editor, "editor", true},
    {"report", 0, 0, &Session::Report, "report", true},
    {"dblclick", 1, 1, &Session::DoubleClick, "dblclick REPORT-LINE", true},
    {"dialog", 0, 0, &Session::Dialog, "dialog", false},
    {"settings", 0, 0, &Session::Settings, "settings", false},
    {"restart", 0, 0, &Session::Restart, "restart", false},
    {"expect", 1, -1, &Session::Expect, "expect TEXT", false},
};

const SessionCommand* FindSessionCommand(const std::string& name) {
  for (const SessionCommand& command : kSessionCommands)
    if (name == command.name) return &command;
  return nullptr;
}

// The command of `line` when its name and number of words are right; else
// nullptr and the error.
const SessionCommand* CheckLine(const ScriptLine& line, std::string& error) {
  const SessionCommand* command = FindSessionCommand(line.command);
  if (command == nullptr) {
    error = "unknown command '" + line.command + "'";
    return nullptr;
  }
  int words = static_cast<int>(line.words.size());
  if (command->quotedFrom >= 0) {
    // A quoted TEXT is one argument, whatever blanks it holds.
    const std::string text = TextFromWord(line.text, static_cast<size_t>(command->quotedFrom));
    std::string value;
    if (!UnquoteText(text, value, error)) {
      error = line.command + ": " + error;
      return nullptr;
    }
    if (!text.empty() && text[0] == '"') words = command->quotedFrom + 1;
  }
  if (words < command->minWords || (command->maxWords >= 0 && words > command->maxWords)) {
    error = std::string(words < command->minWords ? "missing argument" : "too many arguments") + " (usage: " +
            command->usage + ")";
    return nullptr;
  }
  return command;
}

int Session::Start() {
  m_shell = std::make_unique<ide::shell::Shell>();
  m_outline = nullptr;
  m_edit = EditPlace();
  int failed = OpenInIde(*m_shell, "session", m_options.file, m_options.includeDirs, m_outline);
  if (failed >= 0) return failed;
  m_shell->Activate();
  return -1;
}

// Every command of a script, checked without running it: -1, or the exit
// code after the first wrong line was named.
int CheckScript(ScriptReader& script, const std::string& scriptName) {
  std::string error;
  ScriptLine line;
  while (script.Next(line)) {
    if (CheckLine(line, error) == nullptr) {
      std::cerr << scriptName << ':' << line.number << ": " << error << '\n';
      return kExitUsage;
    }
  }
  if (script.Error().empty()) return -1;
  std::cerr << scriptName << ':' << script.Line() << ": " << script.Error() << '\n';
  return kExitUsage;
}

int Session::Run(ScriptReader& script, const std::string& scriptName) {
  standin::ClearMessageBoxes();
  int failed = Start();
  if (failed >= 0) return failed;
  std::string error;
  ScriptLine line;
  while (script.Next(line)) {
    error.clear();
    const SessionCommand* command = CheckLine(line, error);
    if (command == nullptr) {
      std::cout << std::flush;
      std::cerr << scriptName << ':' << line.number << ": " << error << '\n';
      return kExitUsage;
    }
    if (command->needsIde && !m_shell->IsRunning()) error = "the IDE has ended (restart starts it again)";
    if (!error.empty() || !(this->*(command->step))(line, error)) {
      std::cout << std::flush;
      std::cerr << scriptName << ':' << line.number << ": " << line.command << ": " << error << '\n';
      return kExitUsage;
    }
    PrintMessageBoxes();
    if (m_failed) {
      std::cout << std::flush;
      std::cerr << scriptName << ':' << line.number << ": expected \"" << line.text
                << "\" in the last output, which was:\n"
                << m_lastOutput;
      return kExitFailure;
    }
    // Nobody reads what the session prints any more: it stops.
    std::string reason;
    if (!OutputWritten(reason)) return ReportWriteError(reason);
  }
  if (!script.Error().empty()) {
    std::cout << std::flush;
    std::cerr << scriptName << ':' << script.Line() << ": " << script.Error() << '\n';
    return kExitUsage;
  }
  m_shell->Exit();
  std::cout << std::flush;
  return std::cout ? kExitOk : kExitFailure;
}

void Session::Print(const std::string& out) {
  m_lastOutput = out;
  std::cout << out;
}

void Session::PrintMessageBoxes() {
  std::string out;
  for (const standin::MessageBoxRecord& box : standin::TakeMessageBoxes()) {
    if (m_options.output.json)
      out += "{\"message_box\":{\"caption\":" + JsonString(box.caption) + ",\"text\":" + JsonString(box.text) + "}}\n";
    else
      out += "message box: " + OneLine(box.caption) + ": " + OneLine(box.text) + '\n';
  }
  if (!out.empty()) Print(out);
}

// The modifiers go down, the key goes down and the IDE's loop handles what
// that posted while they are still held, then everything is released. So
// TranslateMessage and the dialog keys see Shift and Ctrl as a typist's IDE,
// keeping up with the keyboard, sees them (the stand-in's GetKeyState
// answers the keyboard's present state, not the state of the message).
const struct {
  int modifier;
  UINT vk;
} kModifierKeys[] = {{ide::shell::kModShift, VK_SHIFT}, {ide::shell::kModCtrl, VK_CONTROL},
                     {ide::shell::kModAlt, VK_MENU}};

void ModifiersDown(int modifiers) {
  for (const auto& m : kModifierKeys)
    if (modifiers & m.modifier) standin::KeyDown(m.vk);
}

void ModifiersUp(int modifiers) {
  for (int i = 2; i >= 0; --i)
    if (modifiers & kModifierKeys[i].modifier) standin::KeyUp(kModifierKeys[i].vk);
}

void Session::PressChord(UINT virtualKey, int modifiers, const std::string& name) {
  ModifiersDown(modifiers);
  m_shell->ClearKeysReceived();
  standin::KeyDown(virtualKey);
  m_shell->PumpMessages();
  NoteLastKey(virtualKey, name);
  standin::KeyUp(virtualKey);
  ModifiersUp(modifiers);
  m_shell->PumpMessages();
}

// A key that a hook swallowed never comes out of the IDE's message loop.
void Session::NoteLastKey(UINT virtualKey, const std::string& name) {
  m_lastKey = name;
  m_lastKeyReached = false;
  for (UINT received : m_shell->KeysReceived()) m_lastKeyReached = m_lastKeyReached || received == virtualKey;
}

bool Session::UserText(const std::string& text, std::string& bytes, std::string& error) const {
  return m_options.output.encoding.FromUtf8(text, bytes, error);
}

bool Session::TextArgument(const ScriptLine& line, size_t first, std::string& bytes, std::string& error) const {
  std::string text;
  return UnquoteText(TextFromWord(line.text, first), text, error) && UserText(text, bytes, error);
}

bool Session::FileIsOpen(std::string& error) const {
  if (m_outline != nullptr) return true;
  error = "no file is open (open it again with: event file-read)";
  return false;
}

ide::ItemId Session::ItemAtPlace(const std::string& word, std::string& error) const {
  ItemPlace place;
  if (!ParseItemPlace(word, place)) {
    error = "'" + word + "' is no line (LINE or FILE:LINE, lines count from 1)";
    return ide::kNoItem;
  }
  if (!FileIsOpen(error)) return ide::kNoItem;
  const ide::ItemId item = FindItemAt(*m_outline, place);
  if (item == ide::kNoItem) error = PlaceName(*m_outline, place) + ": no outline item starts on this line";
  return item;
}

HWND Session::OpenDialog(std::string& error) {
  HWND dialog = FindMassFinderDialog();
  if (dialog == nullptr) error = "no dialog is open (open it with: tool MassFinder)";
  return dialog;
}

// ---------------------------------------------------------------- the outline editor

bool Session::Mark(const ScriptLine& line, std::string& error) {
  std::vector<ItemPlace> places;
  for (const std::string& word : line.words) {
    ItemPlace place;
    if (!ParseItemPlace(word, place)) {
      error = "'" + word + "' is no line number (LINE or FILE:LINE, lines count from 1)";
      return false;
    }
    places.push_back(place);
  }
  return FileIsOpen(error) && MarkPlaces(*m_shell, *m_outline, places, error) < 0;
}

bool Session::Unmark(const ScriptLine&, std::string&) {
  m_shell->ClearMarks();
  return true;
}

bool Session::Edit(const ScriptLine& line, std::string& error) {
  int number = 0, column = 0, caret = 0;
  if (!ParsePosition(line.words[0], number, column)) {
    error = "'" + line.words[0] + "' is no position (expected LINE or LINE:COL, both from 1)";
    return false;
  }
  EditPlace place;
  if (!FileIsOpen(error)) return false;
  if (FindEditPlace(*m_outline, m_options.file, number, place, error) >= 0) return false;
  if (!CaretForColumn(place, m_options.file, column, caret, error)) return false;
  if (!OpenInlineEditor(*m_shell, place, caret)) {
    error = m_options.file + ':' + std::to_string(number) + ": the line cannot be opened in the inline editor";
    return false;
  }
  // Opening the line puts the keyboard focus into the inline editor.
  m_shell->Editor().Focus();
  m_shell->PumpMessages();
  m_edit = place;
  return true;
}

bool Session::Caret(const ScriptLine& line, std::string& error) {
  int column = 0, caret = 0;
  if (!ParsePositive(line.words[0], column)) {
    error = "'" + line.words[0] + "' is no column (columns count from 1)";
    return false;
  }
  if (!m_shell->Editor().IsOpen() || m_edit.item == ide::kNoItem) {
    error = "no line is open in the inline editor (open one with: edit LINE)";
    return false;
  }
  if (!CaretForColumn(m_edit, m_options.file, column, caret, error)) return false;
  m_shell->SetEditCaret(caret, caret);
  m_shell->PumpMessages();
  return true;
}

bool Session::Type(const ScriptLine& line, std::string& error) {
  std::string bytes;
  if (!TextArgument(line, 0, bytes, error)) return false;
  for (char ch : bytes) {
    UINT vk = 0;
    int modifiers = 0;
    if (!KeyForCharacter(ch, vk, modifiers)) {
      error = "the keyboard has no key for the character '" + std::string(1, ch) + "'";
      return false;
    }
  }
  for (char ch : bytes) {
    UINT vk = 0;
    int modifiers = 0;
    KeyForCharacter(ch, vk, modifiers);
    PressChord(vk, modifiers, std::string(1, ch));
  }
  return true;
}

bool Session::EndEdit(const ScriptLine&, std::string&) {
  m_shell->EndEdit();
  m_shell->PumpMessages();
  return true;
}

bool Session::Commit(const ScriptLine&, std::string& error) {
  if (!m_shell->Editor().IsOpen()) {
    error = "no line is open in the inline editor (open one with: edit LINE)";
    return false;
  }
  if (!m_shell->CommitEdit()) {
    error = m_shell->IsIncludedItem(ide::Ide::Instance().Edit().item)
                ? "the line comes from an included library, which the IDE does not edit (the editor stays open)"
                : "the editor's text holds a line break and cannot be an item's line (the editor stays open)";
    return false;
  }
  m_shell->PumpMessages();
  m_edit = EditPlace();
  return true;
}

const char kIncludedItem[] = "the item comes from an included library, which the IDE does not edit";

// The outline editor puts the new line below the item and its subtree and
// shows it, as after Enter at the end of a line and typing.
bool Session::Insert(const ScriptLine& line, std::string& error) {
  const ide::ItemId after = ItemAtPlace(line.words[0], error);
  std::string bytes;
  if (after == ide::kNoItem || !TextArgument(line, 1, bytes, error)) return false;
  const ide::ItemHandle item = m_shell->InsertItemAfter(ide::ToItemHandle(after), bytes);
  if (item == 0) {
    error = line.words[0] + ": " +
            (after == m_outline->Root()                        ? "the application item has no line beside it"
             : m_shell->IsIncludedItem(ide::ToItemHandle(after)) ? kIncludedItem
                                                               : "the text cannot be an outline line here (too deep)");
    return false;
  }
  m_shell->SelectTreeItem(item);
  m_shell->PumpMessages();
  return true;
}

bool Session::Delete(const ScriptLine& line, std::string& error) {
  const ide::ItemId item = ItemAtPlace(line.words[0], error);
  if (item == ide::kNoItem) return false;
  if (!m_shell->DeleteItem(ide::ToItemHandle(item))) {
    error = line.words[0] + ": " +
            (m_shell->IsIncludedItem(ide::ToItemHandle(item)) ? kIncludedItem : "the application item cannot be deleted");
    return false;
  }
  if (!m_shell->Editor().IsOpen()) m_edit = EditPlace();
  m_shell->PumpMessages();
  return true;
}

// A click on the item in the outline tree: the tree's caret moves there.
bool Session::Select(const ScriptLine& line, std::string& error) {
  const ide::ItemId item = ItemAtPlace(line.words[0], error);
  if (item == ide::kNoItem) return false;
  m_shell->SelectTreeItem(ide::ToItemHandle(item));
  m_shell->PumpMessages();
  return true;
}

// ---------------------------------------------------------------- keys, tools, events

bool Session::Key(const ScriptLine& line, std::string& error) {
  std::vector<std::pair<UINT, int>> chords;
  for (const std::string& word : line.words) {
    UINT vk = 0;
    int modifiers = 0;
    if (!ParseKeyChord(word, vk, modifiers)) {
      error = "'" + word + "' is no key of the keyboard (e.g. F2, ctrl+F2, shift+tab, enter, escape, a)";
      return false;
    }
    chords.emplace_back(vk, modifiers);
  }
  for (size_t i = 0; i < chords.size(); ++i) PressChord(chords[i].first, chords[i].second, line.words[i]);
  return true;
}

bool Session::Hold(const ScriptLine& line, std::string& error) {
  UINT vk = 0;
  int modifiers = 0, repeats = 0;
  if (!ParseKeyChord(line.words[0], vk, modifiers)) {
    error = "'" + line.words[0] + "' is no key or chord of the keyboard (e.g. F2, ctrl+F2, ctrl+shift+right)";
    return false;
  }
  // The key's messages wait in the IDE's queue until the key is released;
  // Windows holds 10,000 posted messages per thread: the presses of the
  // modifiers held around it, the key's press and its release among them.
  int held = 0;
  for (const auto& m : kModifierKeys) held += (modifiers & m.modifier) != 0;
  const int maxRepeats = 10000 - 2 - held;
  if (!ParsePositive(line.words[1], repeats) || repeats > maxRepeats) {
    error = "'" + line.words[1] + "' is no number of repeats (from 1 to " + std::to_string(maxRepeats) + ")";
    return false;
  }
  ModifiersDown(modifiers);
  m_shell->ClearKeysReceived();
  m_shell->HoldKey(vk, repeats);
  NoteLastKey(vk, line.words[0]);
  ModifiersUp(modifiers);
  m_shell->PumpMessages();
  return true;
}

bool Session::Tool(const ScriptLine& line, std::string& error) {
  // `tool NAME` is the menu entry; a quoted text is the whole argument string.
  std::string arguments;
  if (line.text[0] != '"')
    arguments = "Tools " + line.words[0];
  else if (!TextArgument(line, 0, arguments, error))
    return false;
  if (!m_shell->RunTool(0, arguments, kAddinDll)) {
    error = std::string(kAddinDll) + " has no tool entry";
    return false;
  }
  m_shell->PumpMessages();
  return true;
}

bool Session::Activate(const ScriptLine& line, std::string& error) {
  const std::string& target = line.words[0];
  if (target == "ide") {
    m_shell->Activate();
    return true;
  }
  if (target != "dialog") {
    error = "'" + target + "': activate ide or dialog";
    return false;
  }
  HWND dialog = OpenDialog(error);
  if (dialog == nullptr) return false;
  SetForegroundWindow(dialog);
  m_shell->PumpMessages();
  return true;
}

bool Session::Event(const ScriptLine& line, std::string& error) {
  const std::string& name = line.words[0];
  if (name == "file-read") {
    ide::LoadOptions load;
    load.includeDirs = m_options.includeDirs;
    ide::LoadStatus status = m_shell->OpenFile(m_options.file, load);
    if (!status) {
      error = status.Message();
      return false;
    }
    m_outline = ide::Ide::Instance().GetOutline(m_shell->Application());
    m_edit = EditPlace();
  } else if (name == "file-close") {
    if (!FileIsOpen(error)) return false;
    m_shell->CloseFile();
    m_outline = nullptr;
    m_edit = EditPlace();
  } else if (name == "run-design") {
    m_shell->RunDesign();
  } else if (name == "run-user") {
    m_shell->RunUser();
  } else if (name == "deactivate") {
    m_shell->Deactivate();
  } else {
    error = "'" + name + "' is no IDE event (file-read, file-close, run-design, run-user, deactivate)";
    return false;
  }
  m_shell->PumpMessages();
  return true;
}

bool Session::Restart(const ScriptLine&, std::string& error) {
  // The IDE ends (the add-in is unloaded and saves), then runs again.
  m_shell->Exit();
  m_shell.reset();
  if (Start() >= 0) {
    error = "the IDE could not be started again";
    return false;
  }
  return true;
}

// ---------------------------------------------------------------- the dialog

bool Session::Check(const ScriptLine& line, std::string& error) {
  const std::string& state = line.words.back();
  if (state != "on" && state != "off") {
    error = "'" + state + "': check NAME on or check NAME off";
    return false;
  }
  std::string name = line.text.substr(0, line.text.rfind(state));
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
  HWND dialog = OpenDialog(error);
  if (dialog == nullptr) return false;
  HWND box = DialogControlByText(dialog, name);
  if (box == nullptr || !IsCheckBox(box)) {
    error = "the dialog has no check box '" + name + "'";
    return false;
  }
  SetCheckBox(box, state == "on");
  m_shell->PumpMessages();
  return true;
}

bool Session::Click(const ScriptLine& line, std::string& error) {
  HWND dialog = OpenDialog(error);
  if (dialog == nullptr) return false;
  HWND button = DialogControlByText(dialog, line.text);
  if (button == nullptr) {
    error = "the dialog has no button '" + line.text + "'";
    return false;
  }
  ClickButton(button);
  m_shell->PumpMessages();
  return true;
}

bool Session::Pattern(const ScriptLine& line, std::string& error) {
  std::string bytes;
  if (!TextArgument(line, 0, bytes, error)) return false;
  HWND dialog = OpenDialog(error);
  if (dialog == nullptr) return false;
  SetPatternText(dialog, bytes);
  return true;
}

// ---------------------------------------------------------------- what the IDE shows

bool Session::Show(const ScriptLine&, std::string&) {
  Print(FormatShownItem(true, m_options.output) + '\n');
  return true;
}

bool Session::Editor(const ScriptLine&, std::string&) {
  const ide::shell::InlineEditor& editor = m_shell->Editor();
  int start = 0, end = 0;
  editor.Selection(start, end);
  Print(FormatEditorState(editor.IsOpen(), editor.Text(), end, m_options.output));
  return true;
}

bool Session::Report(const ScriptLine&, std::string&) {
  std::string out;
  for (const ide::ReportLine& reportLine : m_shell->ReportLines())
    out += FormatReportOutput(reportLine, true, m_options.output) + '\n';
  if (out.empty()) out = m_options.output.json ? "{\"report\":[]}\n" : "(report window empty)\n";
  Print(out);
  return true;
}

// A double click on a line of the report window: the IDE shows its item.
bool Session::DoubleClick(const ScriptLine& line, std::string& error) {
  int number = 0;
  const size_t count = m_shell->ReportLines().size();
  if (!ParsePositive(line.words[0], number)) {
    error = "'" + line.words[0] + "' is no report line (lines count from 1, as `report` prints them)";
    return false;
  }
  if (static_cast<size_t>(number) > count) {
    error = "the report window has " + std::to_string(count) + " lines";
    return false;
  }
  if (!m_shell->OpenReportLine(static_cast<size_t>(number) - 1)) {
    error = "report line " + line.words[0] + " leads to no item";
    return false;
  }
  m_shell->PumpMessages();
  return true;
}

bool Session::Selection(const ScriptLine&, std::string&) {
  const bool json = m_options.output.json;
  const ide::ItemHandle caret = m_shell->TreeCaretItem();
  const ide::Ide& ide = ide::Ide::Instance();
  auto item = [&](ide::ItemHandle handle) {
    const ide::ItemId id = ide::ToItemId(handle);
    return json ? ItemObjectJson(*m_outline, id, m_options.output.encoding)
                : ItemLineText(*m_outline, id, true, m_options.output.encoding);
  };
  const bool shown = m_outline != nullptr && caret != 0;
  std::string out = json ? "{\"selection\":{\"caret\":" + (shown ? item(caret) : "null") + ",\"marked\":["
                         : "caret: " + (shown ? item(caret) : "none") + '\n';
  const std::vector<ide::ItemHandle> marked =
      m_outline != nullptr ? ide.MarkedItems(m_shell->Application()) : std::vector<ide::ItemHandle>();
  for (size_t i = 0; i < marked.size(); ++i)
    out += json ? (i > 0 ? "," : "") + item(marked[i]) : "marked: " + item(marked[i]) + '\n';
  if (json)
    out += "]}}\n";
  else if (marked.empty())
    out += "marked: none\n";
  Print(out);
  return true;
}

bool Session::LastKey(const ScriptLine&, std::string&) {
  std::string out;
  if (m_options.output.json)
    out = m_lastKey.empty() ? "{\"last_key\":null}\n"
                            : "{\"last_key\":{\"key\":" + JsonUtf8String(m_lastKey) +
                                  ",\"reached_ide\":" + (m_lastKeyReached ? "true" : "false") + "}}\n";
  else
    out = m_lastKey.empty() ? "last key: none\n"
                            : "last key: " + m_lastKey + ": " +
                                  (m_lastKeyReached ? "reached the IDE" : "swallowed by a hook") + '\n';
  Print(out);
  return true;
}

bool Session::Dialog(const ScriptLine&, std::string&) {
  Print(FormatDialogState(ReadDialogState(), m_options.output));
  return true;
}

bool Session::Settings(const ScriptLine&, std::string& error) {
  // Read as the reader reads an outline: a regular file only, never blocking
  // on a FIFO, and no larger than the bound.
  constexpr size_t kMaxSettingsBytes = 16u << 20;
  const std::string path = SettingsFilePath();
  struct stat st;
  std::string text, readError;
  std::string out;
  if (path.empty() || (stat(path.c_str(), &st) != 0 && errno == ENOENT)) {
    out = m_options.output.json ? "{\"settings\":null}\n" : "(no settings file)\n";
  } else if (!ide::ReadWholeFile(path, text, readError, kMaxSettingsBytes)) {
    error = path + ": " + readError;
    return false;
  } else {
    out = m_options.output.json ? "{\"settings\":" + JsonString(text) + "}\n" : text;
    if (!out.empty() && out.back() != '\n') out += '\n';
  }
  Print(out);
  return true;
}

bool Session::Expect(const ScriptLine& line, std::string&) {
  m_failed = m_lastOutput.find(line.text) == std::string::npos;
  return true;
}

// Runs the script from `in`. A regular file is checked whole before the IDE
// starts, so a wrong command leaves no half-run sitting behind; a pipe or a
// terminal is read and run line by line, each line checked before it runs.
int RunScript(SessionOptions& options, std::istream& in, const std::string& scriptName, bool regularFile) {
  if (regularFile) {
    const std::istream::pos_type start = in.tellg();
    ScriptReader check(in);
    const int wrong = CheckScript(check, scriptName);
    if (wrong >= 0) return wrong;
    in.clear();
    if (start == std::istream::pos_type(-1) || !in.seekg(start)) {
      std::cerr << "session: " << scriptName << ": the script cannot be read again\n";
      return kExitUsage;
    }
  }
  ScriptReader script(in);
  Session session(options);
  return session.Run(script, scriptName);
}

bool IsRegularFile(int fd) {
  struct stat st;
  return fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

int RunSession(SessionOptions& options) {
  if (!PrepareOutput(options.output)) return kExitUsage;
  if (options.script.empty() || options.script == "-")
    return RunScript(options, std::cin, "(standard input)", IsRegularFile(0));
  // A folder opens as a stream on Linux and reads as an empty script: it is
  // refused by name, as Windows refuses to open it.
  std::error_code ignored;
  if (std::filesystem::is_directory(options.script, ignored)) {
    std::cerr << "session: " << options.script << ": the script cannot be read: it is a folder\n";
    return kExitUsage;
  }
  std::ifstream in(options.script, std::ios::binary);
  if (!in) {
    std::cerr << "session: " << options.script << ": the script cannot be read\n";
    return kExitUsage;
  }
  return RunScript(options, in, options.script, std::filesystem::is_regular_file(options.script, ignored));
}

}  // namespace

void AddSessionCommand(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<SessionOptions>();
  CLI::App* cmd = app.add_subcommand(
      "session",
      "Replay a sitting in the stand-in IDE from a script and print what the IDE shows. Exit status 0 when every "
      "command ran, 1 when an expect failed, 2 for a wrong command or argument (the message names the script line)");
  cmd->footer(
      "The IDE starts with the add-in, opens FILE and is activated; then the script runs one command per line "
      "(blank lines and lines starting with # are skipped):\n"
      "  mark PLACE... | unmark                  mark the items starting on those places (LINE of FILE or FILE:LINE "
      "of a library) | clear the marks\n"
      "  edit LINE[:COL] | caret COL | endedit   open the inline editor (caret as in jump) | move its caret | close it\n"
      "  type TEXT                               type TEXT key by key into the focused window (\"TEXT\" keeps its "
      "blanks)\n"
      "  commit                                  leave the edited line: the editor's text becomes the item's line\n"
      "  insert PLACE TEXT | delete PLACE        a new line below the item and its subtree | delete the item\n"
      "  select PLACE | selection                click the item in the outline tree | print its caret and the marks\n"
      "  key KEYS... | hold KEY N                press keys or chords (F2, ctrl+F2, shift+tab, enter, escape, alt+F4, "
      "a ...) | hold a key or chord for N repeats (up to 9998)\n"
      "  lastkey                                 print whether the last key reached the IDE or a hook took it\n"
      "  tool NAME | tool \"ARGUMENTS\"            the Tools menu entry NAME (ClassMate, MassFinder) | the whole "
      "argument string\n"
      "  activate ide|dialog                     make the IDE or the dialog the active window\n"
      "  check NAME on|off | click NAME          set a check box | click a button of the dialog (Match Case, Find!, "
      "Close)\n"
      "  pattern TEXT                            put TEXT into the dialog's pattern field\n"
      "  event file-read|file-close|run-design|run-user|deactivate   raise an IDE event\n"
      "  restart                                 end the IDE (the add-in saves) and start it again\n"
      "  show | editor | report | dialog | settings   print the shown item | the inline editor | the report window "
      "| the dialog | the settings file\n"
      "  dblclick N                              double-click line N of the report window: the IDE shows its item\n"
      "  expect TEXT                             fail unless the last printed output contains TEXT");
  cmd->add_option("FILE", options->file, "Application or library in text format")->required();
  cmd->add_option("SCRIPT", options->script, "The session script (omitted or -: standard input)");
  cmd->add_option("-I,--include-dir", options->includeDirs, "Folder to search for included libraries (repeatable)")
      ->allow_extra_args(false);
  AddOutputOptions(cmd, options->output);
  cmd->callback([options, &result] { result.exitCode = RunSession(*options); });
}

}  // namespace olvcli
