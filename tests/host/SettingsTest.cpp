// The settings file as the add-in leaves it after an IDE session: its exact
// form, how debug_mode is read, what stays untouched, and the two failure
// rules (an unparseable file is set aside; a failed save changes nothing).
#include <sys/stat.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

#include <filesystem>

#include "HostTestSupport.h"
#include "TestFolders.h"
#include "WineMarks.h"
#include "standin.h"

namespace {

// A file with one host property of the given attributes.
std::string WithHostSection(const char* attributes) {
  return std::string("<?xml version=\"1.0\"?>\n<everything progID=\"Olvaren\">\n\t<module_host>\n"
                     "\t\t<property ") + attributes + " />\n\t</module_host>\n</everything>\n";
}

// The file after an unload with debug_mode on or off.
std::string AfterUnload(bool debugMode) {
  std::string text = kFreshSettings;
  if (debugMode) text.replace(text.find("\"false\""), 7, "\"true\"");
  return text;
}

class SettingsTest : public HostTest {
protected:
  void Session(const char* dll = "Olvaren.dll") {
    StartIde(dll);
    ExitIde();
  }
  bool TraceWasOn() const {
    std::vector<std::string> lines = TraceLines();
    return !lines.empty() && lines[0] == "[Olvaren] COlvarenApp::InitInstance()";
  }
};

TEST_F(SettingsTest, FirstStartWritesTheDefaultFileAndASecondKeepsIt) {
  Session();
  EXPECT_EQ(ReadFile(SettingsFile()), kFreshSettings);
  Session();
  EXPECT_EQ(ReadFile(SettingsFile()), kFreshSettings);
  EXPECT_FALSE(Exists(SettingsFile() + ".tmp"));
  EXPECT_FALSE(Exists(SettingsFile() + ".bad"));
}

TEST_F(SettingsTest, PathIsTheAppDataFolderInWindowsForm) {
  StartIde("OlvarenProbe.dll");
  EXPECT_NE(HostState().find("path=" + Folder() + "\\Olvaren.xml"), std::string::npos) << HostState();
}

TEST_F(SettingsTest, DebugModeValues) {
  struct Case {
    const char* attributes;
    bool on;
  } cases[] = {
      {"name=\"debug_mode\" value=\"Yes\"", true},   {"name=\"debug_mode\" value=\"1\"", true},
      {"name=\"debug_mode\" value=\"true\"", true},  {"name=\"debug_mode\" value=\"on\"", false},
      {"name=\"debug_mode\" value=\"false\"", false}, {"name=\"debug_mode\" value=\"\"", false},
      {"name=\"debug_mode\"", false},                {"name=\"other\" value=\"true\"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.attributes);
    WriteFile(SettingsFile(), WithHostSection(c.attributes));
    Session();
    EXPECT_EQ(TraceWasOn(), c.on);
    // The value read at load is written back at unload.
    EXPECT_EQ(ReadFile(SettingsFile()), AfterUnload(c.on));
  }
}

TEST_F(SettingsTest, ForeignRootAndSectionsAreKept) {
  WriteFile(SettingsFile(),
            "<everything>\n\t<classmate />\n\t<other a=\"1\">\n\t\t<x>text</x>\n\t</other>\n"
            "\t<module_host>\n\t\t<property name=\"debug_mode\" value=\"false\" />\n\t</module_host>\n"
            "\t<massfinder>\n\t\t<property name=\"k\" value=\"v\" />\n\t</massfinder>\n</everything>\n");
  Session();
  EXPECT_EQ(ReadFile(SettingsFile()),
            "<?xml version=\"1.0\"?>\n<everything>\n\t<other a=\"1\">\n\t\t<x>text</x>\n\t</other>\n"
            "\t<massfinder>\n\t\t<property name=\"k\" value=\"v\" />\n\t</massfinder>\n"
            "\t<codejumper />\n\t<classmate />\n"
            "\t<module_host>\n\t\t<property name=\"debug_mode\" value=\"false\" />\n\t</module_host>\n"
            "</everything>\n");
}

TEST_F(SettingsTest, UnparseableFileIsSetAsideAndTreatedAsAbsent) {
  // Well-formed up to the key, so a reader of the partial document would
  // find debug_mode on.
  const std::string broken =
      "<everything>\n\t<module_host>\n\t\t<property name=\"debug_mode\" value=\"true\" />\n\t</module_host>\n<<<";
  WriteFile(SettingsFile() + ".bad", "older");
  WriteFile(SettingsFile(), broken);
  Session();
  EXPECT_FALSE(TraceWasOn());
  // An earlier broken file is never overwritten: the next number is taken.
  EXPECT_EQ(ReadFile(SettingsFile() + ".bad"), "older");
  EXPECT_EQ(ReadFile(SettingsFile() + ".bad.1"), broken);
  EXPECT_EQ(ReadFile(SettingsFile()), kFreshSettings);
  WriteFile(SettingsFile(), "<<<");
  Session();
  EXPECT_EQ(ReadFile(SettingsFile() + ".bad.1"), broken);
  EXPECT_EQ(ReadFile(SettingsFile() + ".bad.2"), "<<<");
  EXPECT_TRUE(standin::MessageBoxes().empty());
}

TEST_F(SettingsTest, FailedSaveLeavesTheFileAsItWas) {
#ifdef _WIN32
  POSIX_ONLY("a file size limit per process (setrlimit) is POSIX's");
#else
  const std::string original = WithHostSection("name=\"debug_mode\" value=\"Y\"");
  WriteFile(SettingsFile(), original);
  // No file of this process may grow past 16 bytes (a full disk, as far as
  // the save can tell): the new content cannot be written completely.
  struct rlimit limit, small = {16, 16};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
  small.rlim_max = limit.rlim_max;
  void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  Session();
  setrlimit(RLIMIT_FSIZE, &limit);
  signal(SIGXFSZ, previous);
  EXPECT_EQ(ReadFile(SettingsFile()), original);
  EXPECT_FALSE(Exists(SettingsFile() + ".bad"));
  EXPECT_TRUE(Exists(SettingsFile() + ".lock"));  // a save was tried
  // The temporary files of the failed saves are gone.
  std::string leftovers;
  for (const auto& entry : std::filesystem::directory_iterator(Folder()))
    if (entry.path().filename() != "Olvaren.xml" && entry.path().filename() != "Olvaren.xml.lock")
      leftovers += entry.path().filename().string() + " ";
  EXPECT_EQ(leftovers, "");
#endif
}

TEST_F(SettingsTest, MissingFolderWritesNothing) {
  std::string missing = Folder() + "/missing";
  ASSERT_TRUE(testsupport::SetSettingsFolder(missing));
  Session();
  EXPECT_FALSE(Exists(missing));
}

}  // namespace
