// The stand-in's test helpers (compat/win32/standin.h) for the tests that
// run on real Win32: the same names, done with Windows' own means. Keys go
// through SendInput; the debug output is read back from the exception that
// OutputDebugStringA raises; message boxes are recorded and answered by a
// CBT hook on the thread that loaded the helpers; the module folder is the
// executable's folder. What only the stand-in can do (the cursor record) is
// declared here so the tests compile, and those tests mark themselves
// stand-in only (tests/support/WineMarks.h). Module tables come from .def
// and .rc files on Windows: the table macros expand to nothing.
#ifndef OLVAREN_WINDOWS_STANDIN_H
#define OLVAREN_WINDOWS_STANDIN_H

#include <windows.h>

#include <string>
#include <vector>

#include "dialog_template.h"

#define STANDIN_VISIBLE

namespace standin {

bool KeyDown(UINT vk);
bool KeyUp(UINT vk);
bool KeyRepeat(UINT vk, int count = 1);
bool KeyStroke(UINT vk);
bool KeyChord(const std::vector<UINT>& keys);
void ReleaseAllKeys();

// Dispatches what is waiting in the thread's queue (at most a bounded
// number, since a window that never validates keeps getting WM_PAINT).
int RunPendingMessages();

// The system's ANSI code page is the machine's: true only when it is
// `codePage` already.
bool SetAnsiCodePage(UINT codePage);

std::vector<std::string> DebugOutput();
std::vector<std::string> TakeDebugOutput();
void ClearDebugOutput();

struct MessageBoxRecord {
  HWND owner;
  std::string text;
  std::string caption;
  UINT style;
};
std::vector<MessageBoxRecord> MessageBoxes();
std::vector<MessageBoxRecord> TakeMessageBoxes();
void ClearMessageBoxes();
void QueueMessageBoxAnswer(int id);

WORD CurrentCursorId();
int CursorChanges();

std::string ModuleFolder();
std::string LastModuleError();

}  // namespace standin

#define STANDIN_EXPORT(ordinal, function) 0
#define STANDIN_EXPORT_AS(ordinal, name, function) 0
#define STANDIN_EXPORT_NONAME(ordinal, function) 0
#define STANDIN_EXPORTS(...) static_assert(true, "exports: see the module's .def file")
#define STANDIN_RESOURCE(type, name, data) 0
#define STANDIN_RESOURCES(...) static_assert(true, "resources: see the module's .rc file")

#endif  // OLVAREN_WINDOWS_STANDIN_H
