// The "massfinder" section of the settings file: its exact form after a
// search, the newest 20 patterns, how option values are read, the reload on
// activation only when the file changed (by this IDE or another one), and
// patterns that XML cannot carry.
#include <sys/stat.h>
#include <utime.h>

#include <string>
#include <vector>

#include <standin.h>
#include <windows.h>

#include "MassFinderTestSupport.h"
#include "RunOlvaren.h"
#include "WineMarks.h"
#include "resources/resource.h"

namespace {

std::string SamplePath() { return std::string(OLVAREN_SOURCE_DIR) + "/samples/Olvaren_Sample.app"; }

time_t ModificationTime(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
}

void SetModificationTime(const std::string& path, time_t when) {
  struct utimbuf times {when, when};
  utime(path.c_str(), &times);
}

// A settings file with a massfinder section holding `patterns` and `properties`.
std::string SettingsWith(const std::vector<std::string>& patterns, const std::string& properties) {
  std::string text = "<?xml version=\"1.0\"?>\n<everything progID=\"Olvaren\">\n\t<massfinder>\n\t\t<recent_patterns>\n";
  for (size_t i = 0; i < patterns.size(); ++i)
    text += "\t\t\t<pattern id=\"" + std::to_string(i + 1) + "\" value=\"" + patterns[i] + "\" />\n";
  text += "\t\t</recent_patterns>\n" + properties + "\t</massfinder>\n</everything>\n";
  return text;
}

class SettingsTest : public MassFinderTest {
protected:
  void SetUp() override {
    MassFinderTest::SetUp();
    Open(SamplePath());
  }
};

TEST_F(SettingsTest, SectionAfterASearchAndAfterUnload) {
  Find("abc", FindOptions{false, true, false, false, true});
  Find("def");
  Find("abc", FindOptions{false, true, false, false, true});
  const std::string section =
      "\t<massfinder>\n"
      "\t\t<recent_patterns>\n"
      "\t\t\t<pattern id=\"1\" value=\"def\" />\n"
      "\t\t\t<pattern id=\"2\" value=\"abc\" />\n"
      "\t\t</recent_patterns>\n"
      "\t\t<property name=\"ignore_comments\" value=\"true\" />\n"
      "\t\t<property name=\"ignore_includes\" value=\"false\" />\n"
      "\t\t<property name=\"match_case\" value=\"false\" />\n"
      "\t\t<property name=\"only_marked_items\" value=\"false\" />\n"
      "\t\t<property name=\"whole_word\" value=\"true\" />\n"
      "\t</massfinder>\n";
  EXPECT_EQ(ReadTextFile(SettingsPath()), "<?xml version=\"1.0\"?>\n<everything progID=\"Olvaren\">\n" + section + "</everything>\n");
  RestartIde();
  EXPECT_EQ(ReadTextFile(SettingsPath()),
            "<?xml version=\"1.0\"?>\n<everything progID=\"Olvaren\">\n" + section +
                "\t<codejumper />\n\t<classmate />\n\t<module_host>\n"
                "\t\t<property name=\"debug_mode\" value=\"false\" />\n\t</module_host>\n</everything>\n");
}

TEST_F(SettingsTest, ThirtyLoadedTheNewestTwentySaved) {
  std::vector<std::string> patterns;
  for (int i = 1; i <= 30; ++i) patterns.push_back("p" + std::to_string(i));
  WriteTextFile(SettingsPath(), SettingsWith(patterns, ""));
  InvokeTool();
  std::vector<std::string> entries = ComboEntries();
  ASSERT_EQ(entries.size(), 30u);
  EXPECT_EQ(entries.front(), "p30");
  EXPECT_EQ(EditText(), "p30");
  Find("new");
  std::string saved = ReadTextFile(SettingsPath());
  EXPECT_EQ(saved.find("value=\"p11\""), std::string::npos);
  EXPECT_NE(saved.find("<pattern id=\"1\" value=\"p12\" />"), std::string::npos);
  EXPECT_NE(saved.find("<pattern id=\"19\" value=\"p30\" />"), std::string::npos);
  EXPECT_NE(saved.find("<pattern id=\"20\" value=\"new\" />"), std::string::npos);
  EXPECT_EQ(saved.find("id=\"21\""), std::string::npos);
}

TEST_F(SettingsTest, OptionValuesAsRead) {
  struct Case {
    const char* value;  // nullptr: no property element
    bool checked;
  };
  const Case cases[] = {
      {"yes", true}, {"True", true}, {"1", true}, {"no", false}, {"false", false}, {"0", false}, {"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    WriteTextFile(SettingsPath(),
                   SettingsWith({}, std::string("\t\t<property name=\"match_case\" value=\"") + c.value + "\" />\n"));
    InvokeTool();
    EXPECT_EQ(IsChecked(IDC_MATCH_CASE), c.checked);
    EXPECT_FALSE(IsChecked(IDC_WHOLE_WORD));  // no element: the option keeps its value
    ClickClose();
    RestartIde();
    Open(SamplePath());
  }
}

TEST_F(SettingsTest, ReloadOnlyWhenTheFileIsNewer) {
  Find("abc");
  ActivateIde();  // first load of the file the search wrote
  time_t stamp = ModificationTime(SettingsPath());

  // Changed, but with the same time stamp to the second: not read again.
  WriteTextFile(SettingsPath(), SettingsWith({"changed"}, ""));
  SetModificationTime(SettingsPath(), stamp);
  ActivateDialog();
  EXPECT_EQ(ComboEntries(), (std::vector<std::string>{"abc"}));

  SetModificationTime(SettingsPath(), stamp + 2);
  ActivateIde();
  EXPECT_EQ(ComboEntries(), (std::vector<std::string>{"changed"}));
}

// A second IDE (the front end, in a process of its own) searches while this
// one has the dialog open; this dialog shows its pattern once activated, and
// this IDE's next search keeps it.
TEST_F(SettingsTest, TwoIdesShareTheFile) {
  Find("mine");
  ActivateIde();
  testsupport::ProgramResult other = testsupport::RunOlvaren({"find", SamplePath(), "theirs", "--whole-word"}, "", Folder());
  ASSERT_EQ(other.exitCode, 1) << other.err;  // no hit, but the search ran
  // The other save may fall into this IDE's last second; a later one would not.
  SetModificationTime(SettingsPath(), ModificationTime(SettingsPath()) + 2);
  ActivateDialog();
  EXPECT_EQ(ComboEntries(), (std::vector<std::string>{"theirs", "mine"}));
  EXPECT_TRUE(IsChecked(IDC_WHOLE_WORD));
  Find("again", FindOptions{false, true, false, false, false});
  EXPECT_NE(ReadTextFile(SettingsPath()).find("<pattern id=\"2\" value=\"theirs\" />"), std::string::npos);
}

// Characters below 32 other than tab, line feed and carriage return cannot
// stand in an XML 1.0 document: such a pattern is left out of the file, and
// the file stays readable with every other section and pattern in it.
TEST_F(SettingsTest, PatternsXmlCannotCarry) {
  Find("before");
  Find(std::string("a\x01" "b"));
  Find("tab\there");
  std::string saved = ReadTextFile(SettingsPath());
  EXPECT_EQ(saved.find("&#01;"), std::string::npos);
  EXPECT_EQ(saved.find('\x01'), std::string::npos);
  EXPECT_NE(saved.find("<pattern id=\"1\" value=\"before\" />"), std::string::npos);
  EXPECT_NE(saved.find("<pattern id=\"2\" value=\"tab&#09;here\" />"), std::string::npos);
  // in memory the pattern stays in the list for this session
  EXPECT_EQ(ComboEntries(), (std::vector<std::string>{"tab\there", std::string("a\x01" "b"), "before"}));

  RestartIde();
  Open(SamplePath());
  InvokeTool();
  EXPECT_EQ(ComboEntries(), (std::vector<std::string>{"tab\there", "before"}));
  EXPECT_NE(ReadTextFile(SettingsPath()).find("<module_host>"), std::string::npos);
}

// The file declares UTF-8: a pattern typed in the ANSI code page (cp1251
// here) is stored as UTF-8 and comes back in the code page. Files of earlier
// versions hold the raw bytes, which are read as they are; so is a value
// with a character the code page lacks.
TEST_F(SettingsTest, PatternsStoredAsUtf8OfTheAnsiCodePage) {
  STANDIN_ONLY("the machine's ANSI code page is set by the stand-in's world");
  const UINT machine = GetACP();
  ASSERT_TRUE(standin::SetAnsiCodePage(1251));
  const std::string order = "\xe7\xe0\xea\xe0\xe7";  // "заказ" in cp1251
  Find(order);
  EXPECT_NE(ReadTextFile(SettingsPath()).find("<pattern id=\"1\" value=\"заказ\" />"), std::string::npos);
  RestartIde();
  Open(SamplePath());
  InvokeTool();
  EXPECT_EQ(ComboEntries(), (std::vector<std::string>{order}));

  WriteTextFile(SettingsPath(), SettingsWith({order, "\xce\xb1", "plain"}, ""));  // raw cp1251, a Greek alpha
  RestartIde();
  Open(SamplePath());
  InvokeTool();
  EXPECT_EQ(ComboEntries(), (std::vector<std::string>{"plain", "\xce\xb1", order}));
  standin::SetAnsiCodePage(machine);
}

}  // namespace
