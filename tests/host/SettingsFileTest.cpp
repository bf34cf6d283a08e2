// The settings file's load and save on their own, called as the add-in calls
// them: what a load reports, where a save writes (through a link), with which
// permissions, what it refuses, what it leaves behind, how a busy lock and a
// deeply nested foreign section end, and the merge of recent patterns.
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <pugixml.hpp>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "TempFolderTest.h"
#include "WineMarks.h"
#include "massfinder/RecentPatternMerge.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLock.h"

namespace {

class SettingsFileTest : public testsupport::TempFolderTest {
protected:
  const std::string& Folder() const { return folder_; }
  static void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::string File() const { return Folder() + "/Olvaren.xml"; }
  CString Path() const { return CString(File().c_str()); }

  // One writer's save of section `name` with one property.
  BOOL Save(const char* name, const char* value) const {
    pugi::xml_document doc;
    pugi::xml_node section;
    if (!OpenSettingsSectionAt(Path(), name, TRUE, section, doc)) return FALSE;
    pugi::xml_node property = section.append_child("property");
    property.append_attribute("name").set_value("key");
    property.append_attribute("value").set_value(value);
    return SaveSettingsAt(doc, Path());
  }

  std::set<std::string> Entries(const std::string& folder) const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
  }

  static int Mode(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 0777) : -1;
  }
};

const char kOneSection[] = "<?xml version=\"1.0\"?>\n<everything progID=\"Olvaren\">\n\t<a>\n"
                           "\t\t<property name=\"key\" value=\"1\" />\n\t</a>\n</everything>\n";

TEST_F(SettingsFileTest, LoadStatusDescribesTheFailure) {
  pugi::xml_document doc;
  CSettingsLoadStatus status = LoadSettingsDocument(doc, "");
  EXPECT_FALSE(status);
  EXPECT_EQ(status.m_kind, CSettingsLoadStatus::NO_PATH);

  status = LoadSettingsDocument(doc, Path());
  EXPECT_EQ(status.m_kind, CSettingsLoadStatus::MISSING);
  EXPECT_EQ(std::string(status.m_description), File() + ": not found");

  WriteFile(File(), "<everything>\n<a></b>\n");
  status = LoadSettingsDocument(doc, Path());
  EXPECT_EQ(status.m_kind, CSettingsLoadStatus::UNPARSEABLE);
  EXPECT_EQ(std::string(status.m_description), File() + ": not well-formed XML (Start-end tags mismatch) at offset 18");
  EXPECT_FALSE(doc.first_child());

  WriteFile(File(), kOneSection);
  status = LoadSettingsDocument(doc, Path());
  EXPECT_TRUE(status);
  EXPECT_TRUE(std::string(status.m_description).empty());
}

// The save under the lock uses one temporary name; a temporary file that a
// crashed save left behind is removed, and none stays after a save.
TEST_F(SettingsFileTest, StaleTemporaryFileIsRemoved) {
  WriteFile(File() + ".tmp", "left by a crash");
  ASSERT_TRUE(Save("a", "1"));
  EXPECT_EQ(ReadFile(File()), kOneSection);
  EXPECT_EQ(Entries(Folder()), (std::set<std::string>{"Olvaren.xml", "Olvaren.xml.lock"}));
}

// A save that would write the bytes the file holds leaves the file alone
// (no replacement, no flush to the disk); one that moves a section writes.
TEST_F(SettingsFileTest, SaveThatChangesNothingLeavesTheFileInPlace) {
  POSIX_ONLY("the file's identity as its inode");
#ifndef _WIN32
  auto inode = [this] {
    struct stat st {};
    return stat(File().c_str(), &st) == 0 ? st.st_ino : 0;
  };
  ASSERT_TRUE(Save("a", "1"));
  ASSERT_TRUE(Save("b", "2"));
  const std::string both = ReadFile(File());
  const auto before = inode();
  ASSERT_TRUE(Save("b", "2"));  // again, as it was and where it was: last
  EXPECT_EQ(inode(), before);
  EXPECT_EQ(ReadFile(File()), both);
  ASSERT_TRUE(Save("a", "1"));  // the same section, now moved to the end
  EXPECT_NE(inode(), before);
  EXPECT_LT(ReadFile(File()).find("<b>"), ReadFile(File()).find("<a>"));
#endif
}

TEST_F(SettingsFileTest, LinkStaysALinkAndItsTargetIsReplaced) {
  POSIX_ONLY("symbolic links of the stand-in world; Windows renames over the name itself");
#ifndef _WIN32
  const std::string real = Folder() + "/real";
  std::filesystem::create_directory(real);
  WriteFile(real + "/settings.xml", "<everything progID=\"Olvaren\" />\n");
  std::filesystem::create_symlink("real/settings.xml", File());
  ASSERT_TRUE(Save("a", "1"));
  EXPECT_TRUE(std::filesystem::is_symlink(File()));
  EXPECT_EQ(ReadFile(real + "/settings.xml"), kOneSection);
  EXPECT_EQ(Entries(Folder()), (std::set<std::string>{"Olvaren.xml", "real"}));
  EXPECT_EQ(Entries(real), (std::set<std::string>{"settings.xml", "settings.xml.lock"}));
#endif
}

TEST_F(SettingsFileTest, ModeIsKeptAndNewFilesAreTheOwnersOnly) {
  POSIX_ONLY("POSIX permission bits");
#ifndef _WIN32
  ASSERT_TRUE(Save("a", "1"));
  EXPECT_EQ(Mode(File()), 0600);
  ASSERT_EQ(chmod(File().c_str(), 0640), 0);
  ASSERT_TRUE(Save("a", "2"));
  EXPECT_EQ(Mode(File()), 0640);
#endif
}

TEST_F(SettingsFileTest, ReadOnlyFileIsNotReplaced) {
  POSIX_ONLY("POSIX permission bits");
#ifndef _WIN32
  WriteFile(File(), kOneSection);
  ASSERT_EQ(chmod(File().c_str(), 0444), 0);
  EXPECT_FALSE(Save("a", "2"));
  EXPECT_EQ(ReadFile(File()), kOneSection);
  EXPECT_EQ(Mode(File()), 0444);
  EXPECT_EQ(std::string(LastSettingsSaveError()), File() + " is read-only; settings not saved");
  EXPECT_EQ(Entries(Folder()), (std::set<std::string>{"Olvaren.xml", "Olvaren.xml.lock"}));
#endif
}

// Another instance holding the lock: the save gives up after about 2 s,
// saving nothing, and says why.
TEST_F(SettingsFileTest, BusyLockEndsTheSaveWithAMessage) {
  WriteFile(File(), kOneSection);
  CSettingsLock other;
  ASSERT_TRUE(other.Acquire(Path(), 0));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(Save("a", "2"));
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(seconds, 1.9);
  EXPECT_LT(seconds, 4.0);
  EXPECT_EQ(ReadFile(File()), kOneSection);
  EXPECT_EQ(std::string(LastSettingsSaveError()), File() + " is locked by another instance; settings not saved");
  other.Release();
  EXPECT_TRUE(Save("a", "1"));
  EXPECT_EQ(std::string(LastSettingsSaveError()), "");
}

// A foreign section nested 20,000 deep: the save stays about as large as the
// file (indentation would grow with the square of the depth), keeps the
// section, and a file of ordinary depth keeps its tabs.
TEST_F(SettingsFileTest, DeepForeignSectionKeepsTheSaveLinear) {
  const int kDepth = 20000;
  std::string deep = "<?xml version=\"1.0\"?>\n<everything progID=\"Olvaren\">\n";
  for (int i = 0; i < kDepth; ++i) deep += "<n>";
  for (int i = 0; i < kDepth; ++i) deep += "</n>";
  deep += "\n</everything>\n";
  WriteFile(File(), deep);
  ASSERT_TRUE(Save("a", "1"));
  const std::string saved = ReadFile(File());
  EXPECT_LT(saved.size(), 4 * deep.size());
  pugi::xml_document doc;
  ASSERT_TRUE(LoadSettingsDocument(doc, Path()));
  int depth = 0;
  for (pugi::xml_node n = doc.child("everything").child("n"); n; n = n.child("n")) ++depth;
  EXPECT_EQ(depth, kDepth);
  EXPECT_EQ(std::string(doc.child("everything").child("a").child("property").attribute("value").value()), "1");
}

// The merge under the lock: the newest 20 of both lists, this writer's
// patterns first in its order, none twice, ids counting from 1.
TEST(RecentPatternMergeTest, NewestOfBothWritersFirst) {
  auto list = [](pugi::xml_document& doc, std::initializer_list<const char*> patterns) {
    pugi::xml_node section = doc.append_child("massfinder");
    pugi::xml_node recent = section.append_child("recent_patterns");
    int id = 0;
    for (const char* p : patterns) {
      pugi::xml_node pattern = recent.append_child("pattern");
      pattern.append_attribute("id").set_value(++id);
      pattern.append_attribute("value").set_value(p);
    }
    section.append_child("property");
    return section;
  };
  auto patterns = [](const pugi::xml_node& section) {
    std::string text;
    int id = 0;
    for (pugi::xml_node p = section.child("recent_patterns").child("pattern"); p; p = p.next_sibling("pattern")) {
      EXPECT_EQ(p.attribute("id").as_int(), ++id);
      text += std::string(p.attribute("value").value()) + " ";
    }
    return text;
  };
  {
    pugi::xml_document mine, theirs;
    pugi::xml_node written = list(mine, {"a", "b"});
    MergeRecentPatterns(written, list(theirs, {"x", "b", "y"}));
    EXPECT_EQ(patterns(written), "x y a b ");
    EXPECT_TRUE(written.child("recent_patterns").next_sibling("property"));
  }
  {
    pugi::xml_document mine, theirs;
    pugi::xml_node written = list(mine, {"m1", "m2", "m3", "m4", "m5"});
    pugi::xml_node stored = list(theirs, {});
    for (int i = 1; i <= 30; ++i)
      stored.child("recent_patterns").append_child("pattern").append_attribute("value").set_value(
          ("t" + std::to_string(i)).c_str());
    MergeRecentPatterns(written, stored);
    std::string want;
    for (int i = 16; i <= 30; ++i) want += "t" + std::to_string(i) + " ";
    EXPECT_EQ(patterns(written), want + "m1 m2 m3 m4 m5 ");
  }
  {
    pugi::xml_document mine;
    pugi::xml_node written = list(mine, {"a"});
    MergeRecentPatterns(written, pugi::xml_node());
    EXPECT_EQ(patterns(written), "a ");
  }
}

}  // namespace
