// The settings file shared by several IDE instances and met in odd shapes:
// two processes saving their sections at once never lose each other's, and
// a settings file (or lock file) that is a directory or a FIFO neither
// blocks nor crashes the add-in and is not replaced.
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <pugixml.hpp>

#include <filesystem>
#include <set>

#include "ChildProcess.h"
#include "HostTestSupport.h"
#include "WineMarks.h"

namespace {

const char kMassFinderSection[] =
    "<?xml version=\"1.0\"?>\n<everything progID=\"Olvaren\">\n\t<massfinder>\n"
    "\t\t<property name=\"match_case\" value=\"true\" />\n\t</massfinder>\n</everything>\n";

class SettingsSharingTest : public HostTest {
protected:
  // The value of section `name`'s property "value", or "" when the section
  // or property is missing.
  static std::string ValueOf(const pugi::xml_node& root, const std::string& name) {
    return root.child(name.c_str()).child("property").attribute("value").value();
  }

  // The entries of the settings folder.
  std::set<std::string> FolderEntries() const {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(Folder(), error))
      names.insert(entry.path().filename().string());
    return names;
  }

  // One instance's loop: saves its own new section "w<id>_<i>" and re-saves
  // "w<id>" each time, and after every save checks that the file parses and
  // holds the earlier sections: the massfinder section written beforehand,
  // all of its own, and all of the other writer's it has seen. Returns 0 or
  // the number of the failed check.
  int Writer(int id, int saves) {
    StartIde("OlvarenProbe.dll");
    auto save = Probe<BOOL (*)(const char*, const char*)>("ProbeSaveSection");
    if (save == nullptr) return 10;
    const std::string other = "w" + std::to_string(1 - id);
    int otherSeen = -1;
    for (int i = 0; i < saves; ++i) {
      const std::string value = std::to_string(i);
      const std::string own = "w" + std::to_string(id);
      // A save gives up when the other writer holds the lock for 2 s (a
      // slow disk under load); the user's next search saves again.
      auto saved = [&](const std::string& name) {
        for (int attempt = 0; attempt < 5; ++attempt)
          if (save(name.c_str(), value.c_str())) return true;
        return false;
      };
      if (!saved(own + "_" + value) || !saved(own)) return 11;
      pugi::xml_document doc;
      if (!doc.load_file(SettingsFile().c_str())) return 12;
      pugi::xml_node root = doc.child("everything");
      if (ValueOf(root, "massfinder") != "true") return 13;
      if (ValueOf(root, own) != value) return 14;
      for (int j = 0; j <= i; ++j)
        if (ValueOf(root, own + "_" + std::to_string(j)) != std::to_string(j)) return 15;
      for (int j = 0; j <= otherSeen; ++j)
        if (ValueOf(root, other + "_" + std::to_string(j)) != std::to_string(j)) return 16;
      while (root.child((other + "_" + std::to_string(otherSeen + 1)).c_str())) ++otherSeen;
    }
    ExitIde();
    return 0;
  }
};

// The scene of lost settings: two instances saving, hundreds of times, at once.
TEST_F(SettingsSharingTest, TwoInstancesSavingAtOnceKeepEachOthersSections) {
  POSIX_ONLY("the two writers are forked processes, each with its own IDE");
#ifndef _WIN32
  const int kSaves = 200;
  WriteFile(SettingsFile(), kMassFinderSection);
  // Each writer runs in its own process; both under a time limit.
  pid_t pids[2];
  for (int id = 0; id < 2; ++id) {
    pids[id] = fork();
    ASSERT_GE(pids[id], 0);
    if (pids[id] == 0) {
      alarm(120);
      _exit(Writer(id, kSaves));
    }
  }
  for (int id = 0; id < 2; ++id) {
    int status = 0;
    ASSERT_EQ(waitpid(pids[id], &status, 0), pids[id]);
    ASSERT_TRUE(WIFEXITED(status)) << "writer " << id << " did not finish";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "writer " << id << " failed check " << WEXITSTATUS(status);
  }
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_file(SettingsFile().c_str()));
  pugi::xml_node root = doc.child("everything");
  for (int id = 0; id < 2; ++id)
    for (int i = 0; i < kSaves; ++i) {
      const std::string name = "w" + std::to_string(id) + "_" + std::to_string(i);
      EXPECT_EQ(ValueOf(root, name), std::to_string(i)) << name;
    }
  EXPECT_EQ(ValueOf(root, "massfinder"), "true");
  // No temporary file is left behind, and no document was set aside.
  EXPECT_EQ(FolderEntries(), (std::set<std::string>{"Olvaren.xml", "Olvaren.xml.lock"}));
#endif
}

// A save writes only the sections its writer re-created: what another
// instance saved meanwhile stays, though the writer's document lacks it.
TEST_F(SettingsSharingTest, SaveKeepsSectionsWrittenAfterTheWriterLoaded) {
  StartIde("OlvarenProbe.dll");
  WriteFile(SettingsFile(), kMassFinderSection);
  auto save = Probe<BOOL (*)(const char*, const char*)>("ProbeSaveSection");
  ASSERT_NE(save, nullptr);
  ASSERT_TRUE(save("mine", "1"));
  // Another instance rewrote the file since; the unload saves codejumper,
  // classmate and module_host over it.
  WriteFile(SettingsFile(), "<everything progID=\"Olvaren\">\n\t<mine>\n\t\t<property name=\"value\" value=\"2\" />\n"
                            "\t</mine>\n\t<theirs />\n</everything>\n");
  ExitIde();
  EXPECT_EQ(ReadFile(SettingsFile()),
            "<?xml version=\"1.0\"?>\n<everything progID=\"Olvaren\">\n"
            "\t<mine>\n\t\t<property name=\"value\" value=\"2\" />\n\t</mine>\n\t<theirs />\n"
            "\t<codejumper />\n\t<classmate />\n"
            "\t<module_host>\n\t\t<property name=\"debug_mode\" value=\"false\" />\n\t</module_host>\n"
            "</everything>\n");
}

// What stands under the settings file's name or the lock file's name may be
// no regular file. A whole session then runs without blocking or crashing,
// reads nothing, and replaces nothing.
TEST_F(SettingsSharingTest, NonRegularFilesAreNeitherReadNorReplaced) {
  const struct {
    const char* what;
    const char* name;  // in the settings folder
    bool fifo;         // else a directory
  } cases[] = {
      {"settings file is a directory", "Olvaren.xml", false},
      {"settings file is a FIFO", "Olvaren.xml", true},
      {"lock file is a directory", "Olvaren.xml.lock", false},
      {"lock file is a FIFO", "Olvaren.xml.lock", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = Folder() + "/" + c.name;
    for (const char* name : {"Olvaren.xml", "Olvaren.xml.lock"}) std::filesystem::remove_all(Folder() + "/" + name);
#ifdef _WIN32
    if (c.fifo) continue;  // Windows has no FIFOs
    ASSERT_TRUE(std::filesystem::create_directory(path));
#else
    ASSERT_EQ(c.fifo ? mkfifo(path.c_str(), 0600) : mkdir(path.c_str(), 0700), 0);
#endif
    testsupport::ChildResult r = testsupport::RunInChild(
        [&] {
          StartIde();
          ExitIde();
          return 0;
        },
        20);
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(r.exitCode, 0);
    const std::filesystem::file_type type = std::filesystem::symlink_status(path).type();
    EXPECT_EQ(type, c.fifo ? std::filesystem::file_type::fifo : std::filesystem::file_type::directory);
    // Without the lock nothing is saved; a settings file that is no regular
    // file is not replaced (the lock file beside it is made all the same).
    std::set<std::string> want = {c.name, "Olvaren.xml.lock"};
    EXPECT_EQ(FolderEntries(), want);
  }
}

}  // namespace
