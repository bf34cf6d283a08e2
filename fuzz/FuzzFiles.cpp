// WorkFolder and WriteWorkFile for the fuzz targets.
#include "FuzzFiles.h"

#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fuzz {
namespace {
// Removes the folder and the files in it when the process ends.
void RemoveWorkFolder() {
  const std::string& folder = WorkFolder();
  if (DIR* d = opendir(folder.c_str())) {
    while (dirent* e = readdir(d))
      if (e->d_name[0] != '.') unlink((folder + "/" + e->d_name).c_str());
    closedir(d);
  }
  rmdir(folder.c_str());
}
}  // namespace

const std::string& WorkFolder() {
  static const std::string folder = [] {
    struct stat st;
    std::string pattern = stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) ? "/dev/shm" : "/tmp";
    pattern += "/olvaren-fuzz-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr) abort();
    return pattern;
  }();
  static const bool removedAtExit = [] {
    atexit(RemoveWorkFolder);
    return true;
  }();
  (void)removedAtExit;
  return folder;
}

std::string WriteWorkFile(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = WorkFolder() + "/" + name;
  FILE* f = fopen(path.c_str(), "wb");
  if (f == nullptr) abort();
  if (size > 0 && fwrite(data, 1, size, f) != size) abort();
  if (fclose(f) != 0) abort();
  return path;
}

}  // namespace fuzz
