// `olvaren session` as a user runs it: the example scripts and the command
// scripts with their `expect` lines, the errors that name a script line, and
// the JSON and --encoding output of every command against expected files.
#include <gtest/gtest.h>

#include <stdlib.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#endif

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "RunOlvaren.h"
#include "TempFolderTest.h"
#include "TestFolders.h"
#include "WineMarks.h"

namespace {

using testsupport::ProgramResult;

const std::string kSourceDir = OLVAREN_SOURCE_DIR;
const std::string kDataDir = kSourceDir + "/tests/session/data";

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class SessionCommandTest : public testsupport::TempFolderTest {
protected:
  // Runs olvaren from the repository's root (so the samples' paths print as
  // samples/...), with a settings folder of this test's own.
  ProgramResult Run(const std::vector<std::string>& args, const std::string& dir = kSourceDir) {
    return testsupport::RunOlvaren(args, dir, folder_);
  }
  // A script written to this test's folder.
  std::string Script(const std::string& text) {
    std::string path = folder_ + "/script.session";
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
};

TEST_F(SessionCommandTest, ExamplesAndCommandScriptsPass) {
  struct Case {
    const char* file;
    const char* script;
  } cases[] = {
      {"samples/Olvaren_Sample.app", "examples/classmate-report.session"},
      {"samples/Olvaren_Jumps.app", "examples/f2-three-times-and-back.session"},
      {"samples/Olvaren_Sample.app", "examples/massfinder-sitting.session"},
      {"samples/Olvaren_Jumps.app", "tests/session/data/jumps-commands.session"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    ProgramResult r = Run({"session", c.file, c.script});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_FALSE(r.out.empty());
  }
}

TEST_F(SessionCommandTest, WrongCommandsNameTheScriptLine) {
  struct Case {
    const char* script;
    int exitCode;
    const char* message;  // part of standard error, after "SCRIPT:"
  } cases[] = {
      {"# comment\n\nfrobnicate\n", 2, "3: unknown command 'frobnicate'"},
      {"edit\n", 2, "1: missing argument (usage: edit LINE[:COL])"},
      {"show now\n", 2, "1: too many arguments (usage: show)"},
      {"mark 9999\n", 2, "1: mark: samples/Olvaren_Jumps.app:9999: no outline item starts on this line"},
      {"mark 30 x\n", 2, "1: mark: 'x' is no line number"},
      {"edit 30:999\n", 2, "1: edit: samples/Olvaren_Jumps.app:30:999: the line has only"},
      {"edit 0\n", 2, "1: edit: '0' is no position"},
      {"caret 5\n", 2, "1: caret: no line is open in the inline editor"},
      {"click Find!\n", 2, "1: click: no dialog is open"},
      {"pattern x\n", 2, "1: pattern: no dialog is open"},
      {"dialog\nactivate dialog\n", 2, "2: activate: no dialog is open"},
      {"tool MassFinder\ncheck Match Case maybe\n", 2, "2: check: 'maybe': check NAME on or check NAME off"},
      {"tool MassFinder\ncheck Find! on\n", 2, "2: check: the dialog has no check box 'Find!'"},
      {"tool MassFinder\nclick Search\n", 2, "2: click: the dialog has no button 'Search'"},
      {"activate window\n", 2, "1: activate: 'window': activate ide or dialog"},
      {"key ctrl+F13\n", 2, "1: key: 'ctrl+F13' is no key"},
      {"hold ctrl+F13 3\n", 2, "1: hold: 'ctrl+F13' is no key or chord"},
      // each modifier held adds its press to the queue
      {"hold ctrl+shift+right 9997\n", 2, "1: hold: '9997' is no number of repeats (from 1 to 9996)"},
      {"hold F2 many\n", 2, "1: hold: 'many' is no number of repeats"},
      // the key's messages wait in the IDE's queue, which holds 10,000
      {"hold right 9999\n", 2, "1: hold: '9999' is no number of repeats (from 1 to 9998)"},
      {"hold right 999999999\n", 2, "1: hold: '999999999' is no number of repeats (from 1 to 9998)"},
      {"show\nshow\x01\n", 2, "2: unknown command 'show\\x01'"},  // shown escaped
      {"edit 30\ntype caf\xc3\xa9\n", 2, "2: type: the keyboard has no key for the character"},
      {"event crash\n", 2, "1: event: 'crash' is no IDE event"},
      {"key alt+F4\nshow\n", 2, "2: show: the IDE has ended (restart starts it again)"},
      {"show\nexpect Number: nothing\n", 1, "2: expected \"Number: nothing\" in the last output"},
      // editing the outline
      {"commit\n", 2, "1: commit: no line is open in the inline editor"},
      {"insert 30\n", 2, "1: missing argument (usage: insert LINE|FILE:LINE TEXT)"},
      {"insert 1 Set x = 1\n", 2, "1: insert: 1: the application item has no line beside it"},
      {"delete 1\n", 2, "1: delete: 1: the application item cannot be deleted"},
      {"delete 9999\n", 2, "1: delete: samples/Olvaren_Jumps.app:9999: no outline item starts on this line"},
      {"select Other.apl:30\n", 2, "1: select: Other.apl:30: no outline item starts on this line"},
      {"select :30\n", 2, "1: select: ':30' is no line (LINE or FILE:LINE"},
      {"mark samples/Olvaren_Jumps.app:0\n", 2, "1: mark: 'samples/Olvaren_Jumps.app:0' is no line number"},
      // quoted texts: checked before the IDE starts
      {"show\ntype \"abc\n", 2, "2: type: the quoted text has no closing quote"},
      {"pattern \"a\" b\n", 2, "1: pattern: text after the closing quote"},
      {"tool \"x MassFinder\"#x\n", 2, "1: tool: text after the closing quote"},
      {"tool x MassFinder\n", 2, "1: too many arguments (usage: tool NAME|\"ARGUMENTS\")"},
      // the report window and closing the file
      {"dblclick 1\n", 2, "1: dblclick: the report window has 0 lines"},
      {"dblclick first\n", 2, "1: dblclick: 'first' is no report line"},
      {"tool MassFinder\npattern nCount\nclick Find!\ndblclick 2\n", 2, "4: dblclick: report line 2 leads to no item"},
      {"event file-close\nmark 30\n", 2, "2: mark: no file is open (open it again with: event file-read)"},
      {"event file-close\nevent file-close\n", 2, "2: event: no file is open"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    std::string script = Script(c.script);
    ProgramResult r = Run({"session", "samples/Olvaren_Jumps.app", script});
    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_NE(r.err.find(script + ":" + c.message), std::string::npos) << r.err;
  }
}

TEST_F(SessionCommandTest, ScriptIsCheckedBeforeTheIdeStarts) {
  // A wrong command on a later line: nothing runs, nothing is printed and no
  // settings file is written.
  ProgramResult r = Run({"session", "samples/Olvaren_Jumps.app", Script("show\ntool MassFinder\nbogus\n")});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/Olvaren.xml"));
}

// A line that is no script text ends the script with an error naming it,
// before anything runs; a key held for the whole queue works.
TEST_F(SessionCommandTest, ScriptLinesThatAreNoText) {
  struct Case {
    std::string script;
    int exitCode;
    std::string message;  // standard error after "SCRIPT:", "" for none
  } cases[] = {
      {"show\npattern a" + std::string(1, '\0') + "b\n", 2, "2: a NUL byte (a script is text)\n"},
      {"show\n\ntype " + std::string(70000, 'x') + "\n", 2, "3: the line is longer than 65536 bytes\n"},
      {"edit 5\nhold right 9998\neditor\nexpect |\n", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script.substr(0, 20));
    std::string script = Script(c.script);
    ProgramResult r = Run({"session", "samples/Olvaren_Jumps.app", script});
    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_EQ(r.err, c.message.empty() ? "" : script + ":" + c.message);
    if (c.exitCode != 0) {
      EXPECT_EQ(r.out, "");
    }
  }
}

#ifndef _WIN32
// Runs `command` with the shell in the repository's root and this test's
// settings folder, at most 30 seconds; its exit status and output.
ProgramResult ShellRun(const std::string& command, const std::string& folder) {
  ProgramResult result;
  testsupport::ChildResult child = testsupport::RunInChild(
      [&] {
        const std::string full = "cd '" + kSourceDir + "' && export XDG_CONFIG_HOME='" + folder + "' && { " + command + "; } > '" +
                                 folder + "/out.txt' 2> '" + folder + "/err.txt'";
        const int status = system(full.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
      },
      30);
  result.exitCode = child.timedOut ? -1 : child.exitCode;
  result.out = ReadText(folder + "/out.txt");
  result.err = ReadText(folder + "/err.txt");
  return result;
}
#endif

// A script from a pipe runs line by line as it comes: an endless one keeps
// the IDE busy, not the memory, and a wrong line stops it where it stands.
TEST_F(SessionCommandTest, PipedScriptsRunLineByLine) {
  POSIX_ONLY("the script is fed through a POSIX shell's pipe");
#ifndef _WIN32
  const std::string program = "'" + testsupport::OlvarenProgram() + "' session samples/Olvaren_Jumps.app";
  ProgramResult r = ShellRun("yes show | " + program + " | head -n 3", folder_);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "(nothing shown)\n(nothing shown)\n(nothing shown)\n");
  r = ShellRun("printf 'show\\nbogus\\nshow\\n' | " + program, folder_);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "(nothing shown)\n");
  EXPECT_EQ(r.err, "(standard input):2: unknown command 'bogus'\n");
  // Nobody reads the output any more: the session ends with the write error.
  r = ShellRun("yes show | " + program + " > /dev/full", folder_);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, "olvaren: write error: No space left on device\n");
#endif
}

// `settings` prints a regular file only: a FIFO or a link to a device in the
// settings file's place is refused at once, naming it.
TEST_F(SessionCommandTest, SettingsOfNoRegularFileAreRefused) {
  POSIX_ONLY("Windows has no FIFOs nor /dev/zero");
#ifndef _WIN32
  const std::string settings = folder_ + "/Olvaren.xml";
  for (const char* kind : {"fifo", "/dev/zero"}) {
    SCOPED_TRACE(kind);
    std::filesystem::remove(settings);
    if (std::string(kind) == "fifo")
      ASSERT_EQ(mkfifo(settings.c_str(), 0600), 0);
    else
      std::filesystem::create_symlink(kind, settings);
    ProgramResult r = ShellRun("printf 'settings\\n' | '" + testsupport::OlvarenProgram() +
                                   "' session samples/Olvaren_Jumps.app",
                               folder_);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "(standard input):1: settings: " + settings + ": cannot read file: not a regular file\n");
  }
  std::filesystem::remove(settings);
#endif
}

TEST_F(SessionCommandTest, BadInputOfTheCommandLine) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"session", "samples/Olvaren_Jumps.app", "no-such.session"}, "no-such.session: the script cannot be read"},
      {{"session", "samples/Olvaren_Jumps.app", "samples"}, "samples: the script cannot be read: it is a folder"},
      {{"session", "no-such.app", "-"}, "no-such.app"},
      {{"outline", "samples/Olvaren_Jumps.app", "--encoding", "nope"}, "unknown encoding 'nope'"},
      {{"find", "samples/Olvaren_Jumps.app", "x", "--encoding", "nope"}, "unknown encoding 'nope'"},
      {{"find", "tests/session/data/cyrillic.app", "\xe6\x97\xa5", "--encoding", "cp1251"},
       "cannot be written in cp1251"},
      {{"classmate", "samples/Olvaren_Jumps.app", "\xe6\x97\xa5", "--encoding", "cp1251"},
       "cannot be written in cp1251"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[2]);
    ProgramResult r = Run(c.args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

// The IDE edits only the file's own items, not those of its libraries.
TEST_F(SessionCommandTest, ItemsOfIncludedLibrariesAreNotEdited) {
  for (const char* command : {"insert samples/Olvaren_Lib.apl:106 x", "delete samples/Olvaren_Lib.apl:106"}) {
    SCOPED_TRACE(command);
    std::string script = Script(std::string(command) + "\n");
    ProgramResult r = Run({"session", "samples/Olvaren_Sample.app", script});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find(script + ":1: " + std::string(command, 6) +
                         ": samples/Olvaren_Lib.apl:106: the item comes from an included library"),
              std::string::npos)
        << r.err;
  }
}

// find --marked takes the FILE:LINE of a library's item as mark does.
TEST_F(SessionCommandTest, FindMarksItemsOfIncludedLibraries) {
  ProgramResult r = Run({"find", "samples/Olvaren_Sample.app", "lines", "--marked", "samples/Olvaren_Lib.apl:106"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("samples/Olvaren_Lib.apl:106: "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("1 Occurrences found"), std::string::npos) << r.out;
  r = Run({"find", "samples/Olvaren_Sample.app", "lines", "--marked", "samples/Olvaren_Lib.apl:1000"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("samples/Olvaren_Lib.apl:1000: no outline item starts on this line"), std::string::npos)
      << r.err;
  r = Run({"find", "samples/Olvaren_Sample.app", "lines", "--marked", "lib:x"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("--marked lib:x: no line number (LINE or FILE:LINE"), std::string::npos) << r.err;
}

TEST_F(SessionCommandTest, OutputMatchesTheExpectedFiles) {
  struct Case {
    std::vector<std::string> args;
    const char* dir;       // under the source folder
    int exitCode;
    const char* expected;  // under tests/session/data
    bool todoWine = false;     // Wine's _mbslwr folds ASCII letters only
    bool standinOnly = false;  // the stand-in edit control's fixed character width
  } cases[] = {
      {{"session", "samples/Olvaren_Jumps.app", "tests/session/data/json.session", "--json"}, "", 0,
       "samples/json.session.expected"},
      {{"jump", "samples/Olvaren_Jumps.app", "33:27", "--back", "--json"}, "", 0, "samples/jump.back.json.expected"},
      {{"classmate", "samples/Olvaren_Sample.app", "fcShape", "--json"}, "", 0,
       "samples/classmate.fcShape.json.expected"},
      {{"outline", "cyrillic.app", "--encoding", "cp1251"}, "tests/session/data", 0, "cyrillic.outline.expected"},
      {{"find", "cyrillic.app", "заказ", "--encoding", "cp1251", "--json"}, "tests/session/data", 0,
       "cyrillic.find.json.expected", true},
      {{"find", "cyrillic.app", "\xe7\xe0\xea\xe0\xe7", "--json"}, "tests/session/data", 0,
       "cyrillic.find.bytes.json.expected"},
      {{"session", "cyrillic.app", "cyrillic.session", "--encoding", "CP1251"}, "tests/session/data", 0,
       "cyrillic.session.expected"},
      // what a user does in the IDE, each script with the output beside it
      {{"session", "samples/Olvaren_Jumps.app", "tests/session/data/editing.session"}, "", 0,
       "editing.session.expected"},
      {{"session", "samples/Olvaren_Sample.app", "tests/session/data/keys-and-tools.session"}, "", 0,
       "keys-and-tools.session.expected"},
      {{"session", "samples/Olvaren_Sample.app", "tests/session/data/report-and-close.session"}, "", 0,
       "report-and-close.session.expected"},
      {{"session", "samples/Olvaren_Sample.app", "tests/session/data/pattern-field.session"}, "", 0,
       "pattern-field.session.expected", false, true},
      {{"session", "samples/Olvaren_Jumps.app", "tests/session/data/selection-json.session", "--json"}, "", 0,
       "selection-json.session.expected"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
#ifdef _WIN32
    if (c.standinOnly) continue;  // Windows measures the dialog's font: another count of characters fits
#endif
    std::filesystem::remove(folder_ + "/Olvaren.xml");  // each case starts with no recent patterns
    ProgramResult r = Run(c.args, kSourceDir + "/" + c.dir);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    if (c.todoWine)
      TODO_WINE(EXPECT_EQ(r.out, ReadText(kDataDir + "/" + c.expected)));
    else
      EXPECT_EQ(r.out, ReadText(kDataDir + "/" + c.expected));
    EXPECT_EQ(r.err, "");
  }
}

TEST_F(SessionCommandTest, ScriptFromStandardInput) {
  // RunOlvaren leaves the program the test's standard input; the script is
  // fed through the shell instead (cmd.exe on Windows, where the settings
  // folder is the AppData shell folder).
  std::string script = Script("show\nexpect (nothing shown)\n");
#ifdef _WIN32
  char sourceDir[MAX_PATH];
  ASSERT_NE(GetFullPathNameA(kSourceDir.c_str(), MAX_PATH, sourceDir, nullptr), 0u);
  std::string command = "cd /d \"" + std::string(sourceDir) + "\" && \"" + testsupport::OlvarenProgram() +
                        "\" session samples/Olvaren_Jumps.app < \"" + script + "\" > \"" + folder_ +
                        "\\out.txt\" 2>&1";
  ASSERT_TRUE(testsupport::SetSettingsFolder(folder_));
  EXPECT_EQ(system(command.c_str()), 0);
  testsupport::RestoreSettingsFolder();
#else
  std::string command = "cd '" + kSourceDir + "' && XDG_CONFIG_HOME='" + folder_ + "' '" +
                        testsupport::OlvarenProgram() + "' session samples/Olvaren_Jumps.app < '" + script +
                        "' > '" + folder_ + "/out.txt' 2>&1";
  EXPECT_EQ(system(command.c_str()), 0);
#endif
  EXPECT_EQ(ReadText(folder_ + "/out.txt"), "(nothing shown)\n");
}

}  // namespace
