// Library lookup for File Include items.
#include "ide/outline/IncludeResolver.h"

#include <dirent.h>
#include <sys/stat.h>

#include <climits>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace ide {
namespace {

bool IsRegularFile(const std::string& p) {
  struct stat st;
  return stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsDirectory(const std::string& p) {
  struct stat st;
  return stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string Lower(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

}  // namespace

// The entry of `dir` named `part`, exactly or else ignoring case; "" when none.
std::string IncludeResolver::FindEntry(const std::string& dir, const std::string& part) {
  const std::string exact = dir + "/" + part;
  struct stat st;
#ifndef _WIN32
  if (stat(exact.c_str(), &st) == 0) return exact;
#endif
  // Windows finds the entry under any case; the name is taken from the
  // folder, so that it reads as the file is named there.
  auto folder = folders_.find(dir);
  if (folder == folders_.end()) {
    DIR* d = opendir(dir.c_str());
#ifdef _WIN32
    if (!d) return stat(exact.c_str(), &st) == 0 ? exact : std::string();
#else
    if (!d) return {};
#endif
    std::unordered_map<std::string, std::string> entries;
    while (dirent* e = readdir(d)) entries.emplace(Lower(e->d_name), e->d_name);
    closedir(d);
    folder = folders_.emplace(dir, std::move(entries)).first;
  }
  auto entry = folder->second.find(Lower(part));
  return entry == folder->second.end() ? std::string() : dir + "/" + entry->second;
}

std::string IncludeResolver::FindUnder(const std::string& dir, const std::vector<std::string>& parts) {
  std::string cur = dir.empty() ? std::string(".") : dir;
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (part == "." ) continue;
    if (part == "..") {
      cur += "/..";
      continue;
    }
    if (!IsDirectory(cur)) return {};
    cur = FindEntry(cur, part);
    if (cur.empty()) return {};
  }
  return IsRegularFile(cur) ? cur : std::string();
}

std::string IncludeResolver::Resolve(const std::string& rawName, const std::string& includingFile) {
  const std::vector<std::string>& includeDirs = includeDirs_;
  std::string name = rawName;
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
  while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.erase(0, 1);
  for (char& c : name)
    if (c == '\\') c = '/';
  if (name.empty()) return {};
  // An absolute Windows path ("C:/lib/x.apl", "/lib/x.apl") means nothing here: use its file name.
  const bool absolute = name[0] == '/' || (name.size() > 1 && name[1] == ':');
  std::vector<std::string> parts;
  size_t s = 0;
  while (s <= name.size()) {
    size_t e = name.find('/', s);
    if (e == std::string::npos) e = name.size();
    if (e > s) parts.push_back(name.substr(s, e - s));
    s = e + 1;
  }
  if (parts.empty()) return {};
  std::vector<std::string> dirs;
#ifdef _WIN32
  const size_t slash = includingFile.find_last_of("/\\");
#else
  const size_t slash = includingFile.find_last_of('/');
#endif
  dirs.push_back(slash == std::string::npos ? std::string(".") : includingFile.substr(0, slash));
  dirs.insert(dirs.end(), includeDirs.begin(), includeDirs.end());
  const std::vector<std::string> base{parts.back()};
  for (const std::string& dir : dirs) {
    std::string p;
    if (!absolute) p = FindUnder(dir, parts);
    if (p.empty() && (parts.size() > 1 || absolute)) p = FindUnder(dir, base);
    if (p.empty()) continue;
    if (slash == std::string::npos && &dir == &dirs.front() && p.compare(0, 2, "./") == 0) p.erase(0, 2);
    return p;
  }
  return {};
}

#ifdef _WIN32
// The full path of an existing file, one spelling for every way to name it:
// forward slashes, and in lower case, since Windows' names ignore case.
std::string CanonicalPath(const std::string& path) {
  char buf[MAX_PATH * 4];
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
  if (n == 0 || n >= sizeof buf || GetFileAttributesA(buf) == INVALID_FILE_ATTRIBUTES) return {};
  std::string full(buf, n);
  for (char& c : full) {
    if (c == '\\') c = '/';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return full;
}
#else
std::string CanonicalPath(const std::string& path) {
  char buf[PATH_MAX];
  if (!realpath(path.c_str(), buf)) return {};
  return buf;
}
#endif

}  // namespace ide
