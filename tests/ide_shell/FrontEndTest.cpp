// The front end `olvaren` as a user runs it: the outline listing of the
// sample and of real programs, its line format, and its errors and warnings.
#include <algorithm>
#include <gtest/gtest.h>
#include <shlobj.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "RunOlvaren.h"
#include "TestFolders.h"
#include "WineMarks.h"
#include "ide/outline/OutlineReader.h"

namespace {

using testsupport::RunOlvaren;

std::string TempPath(const std::string& name) {
  const char* dir = std::getenv("TMPDIR");
#ifdef _WIN32
  const std::string folder = dir ? std::string(dir) : std::filesystem::temp_directory_path().string();
  const unsigned long pid = GetCurrentProcessId();
#else
  const std::string folder = dir ? dir : "/tmp";
  const unsigned long pid = static_cast<unsigned long>(getpid());
#endif
  return folder + "/olvaren_fe_" + std::to_string(pid) + "_" + name;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Checks one listing against the outline the reader gives for the same file:
// one line per item, in order, "FILE:LINE: LEVEL TYPE TEXT".
void ExpectListingMatches(const std::string& file, const std::vector<std::string>& includeDirs,
                          const std::vector<std::string>& lines) {
  ide::LoadOptions options;
  options.includeDirs = includeDirs;
  ide::Outline outline;
  ide::LoadStatus status = ide::LoadOutline(file, options, outline);
  ASSERT_TRUE(status) << status.Message();
  ASSERT_EQ(lines.size(), outline.Count());
  static const std::regex kFormat(R"(^(.+):([0-9]+): ([0-9]+) ([0-9]+) (.*)$)");
  for (ide::ItemId i = 0; i < outline.Count(); ++i) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(lines[i], m, kFormat)) << lines[i];
    EXPECT_EQ(m[1].str(), outline.File(i).path) << lines[i];
    EXPECT_EQ(std::stoi(m[2].str()), outline.Line(i)) << lines[i];
    EXPECT_EQ(std::stoi(m[3].str()), outline.Level(i)) << lines[i];
    EXPECT_EQ(std::stoi(m[4].str()), outline.Type(i)) << lines[i];
    // One output line per item: its line breaks become blanks, its tabs stay.
    ASSERT_EQ(lines[i].find('\r'), std::string::npos) << lines[i];
    const std::string shown = outline.OutlineLine(i);
    EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '\t'), std::count(shown.begin(), shown.end(), '\t'))
        << lines[i];
  }
}

const std::string kSample = std::string(OLVAREN_SOURCE_DIR) + "/samples/Olvaren_Sample.app";

// The settings folder as the add-in reads it; "" when there is none.
std::string AppData() {
  char path[MAX_PATH] = "";
  return SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK ? path : "";
}

// A run given a settings folder: the child's --help names the settings file
// in it, and this process's settings folder is as before the run, whether it
// was the user's own or one a test had set.
TEST(FrontEnd, ChildGetsItsSettingsFolderAndOursComesBack) {
  const std::string child = testsupport::MakeTempFolder("olvaren-fe-child");
  const std::string ours = testsupport::MakeTempFolder("olvaren-fe-ours");
  ASSERT_NE(child, "");
  ASSERT_NE(ours, "");
  const struct {
    const char* what;
    const std::string* set;  // this process's settings folder before the run; nullptr: the user's own
  } cases[] = {
      {"user's own folder", nullptr},
      {"a test's folder", &ours},
      {"the user's own again", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.set != nullptr)
      ASSERT_TRUE(testsupport::SetSettingsFolder(*c.set));
    else
      testsupport::RestoreSettingsFolder();
    const std::string before = AppData();
    testsupport::ProgramResult r = RunOlvaren({"--help"}, "", child);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Settings file of the add-in: " + child), std::string::npos) << r.out;
    EXPECT_EQ(AppData(), before);
  }
  testsupport::RestoreSettingsFolder();
  std::filesystem::remove_all(child);
  std::filesystem::remove_all(ours);
}

TEST(FrontEnd, HelpListsTheSubcommands) {
  testsupport::ProgramResult r = RunOlvaren({"--help"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.out.find("outline"), std::string::npos) << r.out;
}

TEST(FrontEnd, OutlineListsEveryItemOfTheSampleAndItsLibrary) {
  testsupport::ProgramResult r = RunOlvaren({"outline", kSample});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::vector<std::string> lines = Lines(r.out);
  ExpectListingMatches(kSample, {}, lines);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind(kSample + ":1: 0 ", 0), 0u) << lines[0];
  // Multi-line texts stay on one line; the library's items name the library.
  EXPECT_NE(lines[0].find("Olvaren sample application A small shape editor"), std::string::npos) << lines[0];
  bool fromLibrary = false;
  for (const std::string& line : lines)
    if (line.find("/samples/Olvaren_Lib.apl:") != std::string::npos &&
        line.find("Functional Class: fcObject") != std::string::npos)
      fromLibrary = true;
  EXPECT_TRUE(fromLibrary);
}

TEST(FrontEnd, UsageAndInputErrorsExitWithTwo) {
  std::string notOutline = TempPath("not_outline.app");
  std::ofstream(notOutline) << "hello\nworld\n";
  struct Case {
    std::vector<std::string> args;
    std::string errStart;  // what stderr begins with ("" = anything)
  };
  const Case cases[] = {
      {{}, ""},
      {{"outline"}, ""},
      {{"bogus"}, ""},
      {{"outline", kSample, "--no-such-option"}, ""},
      {{"outline", kSample + ".missing"}, kSample + ".missing:"},
      {{"outline", notOutline}, notOutline + ":"},
  };
  for (const Case& c : cases) {
    testsupport::ProgramResult r = RunOlvaren(c.args);
    std::string shown = c.args.empty() ? "(none)" : c.args[0];
    EXPECT_EQ(r.exitCode, 2) << shown << ": " << r.err;
    EXPECT_EQ(r.out, "") << shown;
    EXPECT_FALSE(r.err.empty()) << shown;
    if (!c.errStart.empty()) {
      EXPECT_EQ(r.err.rfind(c.errStart, 0), 0u) << r.err;
    }
  }
  std::remove(notOutline.c_str());
}

// A FIFO given as the file: both commands refuse it at once, naming it.
TEST(FrontEnd, FifoIsRefusedWithoutWaiting) {
  POSIX_ONLY("Windows has no FIFOs");
#ifndef _WIN32
  const std::string fifo = TempPath("f.apl");
  std::remove(fifo.c_str());
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"outline", fifo}, std::vector<std::string>{"classmate", fifo, "cA"}}) {
    SCOPED_TRACE(args[0]);
    testsupport::ChildResult r = testsupport::RunInChild(
        [&] {
          testsupport::ProgramResult p = RunOlvaren(args);
          return p.exitCode == 2 && p.err.find(fifo + ": cannot read file: not a regular file") != std::string::npos
                     ? 0
                     : 1;
        },
        20);
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(r.exitCode, 0);
  }
  std::remove(fifo.c_str());
#endif
}

TEST(FrontEnd, MissingLibraryIsAWarning) {
  std::string app = TempPath("missing_lib.app");
  std::ofstream(app) << ".head 0 +  Application Description: t\n"
                        ".head 1 -  Outline Version - 4.0.28\n"
                        ".head 1 +  Libraries\n"
                        ".head 2 -  File Include: no_such_library.apl\n";
  testsupport::ProgramResult r = RunOlvaren({"outline", app});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("no_such_library.apl"), std::string::npos) << r.err;
  EXPECT_EQ(Lines(r.out).size(), 4u);
  std::remove(app.c_str());
}

TEST(FrontEnd, OutlineOfRealProgramsWithTheirLibraries) {
  const std::string corpus = OLVAREN_CORPUS_DIR;
  if (!std::filesystem::is_regular_file(corpus + "/RequestPic.apt")) GTEST_SKIP() << "no corpus at " << corpus;
  for (const char* name : {"RequestPic.apt", "sample_common.apt"}) {
    std::string file = corpus + "/" + name;
    testsupport::ProgramResult r = RunOlvaren({"outline", file, "-I", corpus});
    ASSERT_EQ(r.exitCode, 0) << name << ": " << r.err;
    ExpectListingMatches(file, {corpus}, Lines(r.out));
  }
  // RequestPic.apt -> anri_lib.apl -> a_find_tbl.apl, found next to it.
  testsupport::ProgramResult r = RunOlvaren({"outline", corpus + "/RequestPic.apt"});
  EXPECT_NE(r.out.find("/anri_lib.apl:"), std::string::npos);
  EXPECT_NE(r.out.find("/a_find_tbl.apl:"), std::string::npos);
}

// Names from the command line are printed with their control characters
// escaped: an ESC sequence in an argument never reaches the terminal.
TEST(FrontEnd, ControlCharactersInMessagesAreEscaped) {
  testsupport::ProgramResult r = RunOlvaren({"outline", "\x1b[2Jgone\x07.apl"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err.rfind("\\x1b[2Jgone\\x07.apl: cannot open file: ", 0), 0u) << r.err;
  EXPECT_EQ(r.err.find('\x1b'), std::string::npos);
  EXPECT_EQ(r.err.find('\x07'), std::string::npos);
}

#ifndef _WIN32
// Runs a shell command line; its exit status, and its standard error in `err`.
int Shell(const std::string& command, std::string& err) {
  const std::string errFile = TempPath("shell.err");
  const int status = std::system((command + " 2> '" + errFile + "'").c_str());
  std::ifstream in(errFile, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  err = text.str();
  std::remove(errFile.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

// Output that cannot be written ends the command with a message and 2,
// whichever command it is.
TEST(FrontEnd, WriteErrorsAreReported) {
  POSIX_ONLY("Windows has no /dev/full");
#ifndef _WIN32
  const std::string program = "'" + testsupport::OlvarenProgram() + "'";
  for (const std::string& args : {"outline '" + kSample + "'", "find '" + kSample + "' Set"}) {
    SCOPED_TRACE(args);
    std::string err;
    EXPECT_EQ(Shell("XDG_CONFIG_HOME='" + TempPath("cfg") + "' " + program + " " + args + " > /dev/full", err), 2);
    EXPECT_EQ(err, "olvaren: write error: No space left on device\n");
  }
#endif
}

// An input that needs more memory than the program may have ends in a
// message and 2, not in an abort.
TEST(FrontEnd, OutOfMemoryIsAnError) {
  POSIX_ONLY("an address-space limit (ulimit -v) is POSIX's");
#ifndef _WIN32
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit";
#endif
  const std::string big = TempPath("big.apl");
  FILE* f = std::fopen(big.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(ftruncate(fileno(f), 1500LL << 20), 0);  // sparse, below the reader's size limit
  std::fclose(f);
  std::string err;
  EXPECT_EQ(Shell("ulimit -v 1048576; '" + testsupport::OlvarenProgram() + "' outline '" + big + "' > /dev/null", err),
            2);
  EXPECT_EQ(err, "olvaren: out of memory (the input needs more than the memory this program may use)\n");
  std::remove(big.c_str());
#endif
}

}  // namespace
