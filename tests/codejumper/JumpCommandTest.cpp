// The front end's `jump` command: transcripts of runs (the arguments, what
// was printed, the exit status) against expected-output files beside the
// lists of runs, and the usage errors.
#include <sstream>

#include "JumpTestSupport.h"
#include "RunOlvaren.h"

namespace {

// Runs `olvaren jump FILE ARGS...` in `dir` for every line "ARGS..." of the
// list and writes the transcript: "$ jump FILE ARGS", standard output,
// standard error, "exit N".
std::string Transcript(const std::string& dir, const std::string& file, const std::string& listPath,
                       const std::string& configHome) {
  std::istringstream list(ReadTextFile(listPath));
  std::string line, out;
  while (std::getline(list, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> args{"jump", file};
    std::istringstream words(line);
    for (std::string word; words >> word;) args.push_back(word);
    testsupport::ProgramResult run = testsupport::RunOlvaren(args, dir, configHome);
    out += "$ jump " + file + " " + line + "\n" + run.out + run.err + "exit " + std::to_string(run.exitCode) + "\n";
  }
  return out;
}

class JumpCommandTest : public JumpTest {
protected:
  void Check(const std::string& dir, const std::string& file, const std::string& list) {
    std::string expected = ReadTextFile(list + ".expected");
    ASSERT_FALSE(expected.empty()) << list << ".expected";
    EXPECT_EQ(Transcript(dir, file, list, SettingsFolder()), expected);
  }
};

TEST_F(JumpCommandTest, JumpSample) {
  Check(SamplesDir(), "Olvaren_Jumps.app", JumpDataDir() + "/samples/Olvaren_Jumps.jumps");
}

TEST_F(JumpCommandTest, SampleApplication) {
  Check(SamplesDir(), "Olvaren_Sample.app", JumpDataDir() + "/samples/Olvaren_Sample.jumps");
}

// Lines ending in CR alone: the same jumps, lines and columns as with LF.
TEST_F(JumpCommandTest, FileWithCarriageReturnLineEnds) {
  for (const char* name : {"Olvaren_Jumps.app", "Olvaren_Lib.apl"}) {
    std::string text;
    for (char c : ReadTextFile(SamplesDir() + "/" + name))
      if (c != '\r') text += c == '\n' ? '\r' : c;
    WriteTextFile(SettingsFolder() + "/" + name, text);
  }
  Check(SettingsFolder(), "Olvaren_Jumps.app", JumpDataDir() + "/samples/Olvaren_Jumps.jumps");
}

TEST_F(JumpCommandTest, RealPrograms) {
  std::string corpus = CorpusDir();
  if (corpus.empty()) GTEST_SKIP() << "no corpus folder";
  for (const char* name : {"mtbl.app", "RequestPic.apt", "OBANKPC.indented.apl"}) {
    SCOPED_TRACE(name);
    Check(corpus, name, JumpDataDir() + "/corpus/" + name + ".jumps");
  }
}

TEST_F(JumpCommandTest, UsageAndInputErrors) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    const char* err;  // the start of standard error
  } cases[] = {
      {{"jump", "Olvaren_Jumps.app", "0"}, 2, "jump: '0' is no position"},
      {{"jump", "Olvaren_Jumps.app", "33:"}, 2, "jump: '33:' is no position"},
      {{"jump", "Olvaren_Jumps.app", "33:0"}, 2, "jump: '33:0' is no position"},
      {{"jump", "Olvaren_Jumps.app", "-3"}, 2, ""},
      {{"jump", "Olvaren_Jumps.app", "3:99"}, 2, "Olvaren_Jumps.app:3:99: the line has only 71 characters"},  // a continuation line
      {{"jump", "Olvaren_Jumps.app", "9999"}, 2, "Olvaren_Jumps.app:9999: no outline item starts on this line"},
      {{"jump", "Olvaren_Jumps.app", "33:41"}, 2, "Olvaren_Jumps.app:33:41: the line has only 39 characters"},
      {{"jump", "missing.app", "1"}, 2, "missing.app: cannot open file"},
      {{"jump", "Olvaren_Jumps.app"}, 2, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    testsupport::ProgramResult run = testsupport::RunOlvaren(c.args, SamplesDir(), SettingsFolder());
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.compare(0, strlen(c.err), c.err), 0) << run.err;
  }
}

}  // namespace
