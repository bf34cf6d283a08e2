// Collecting the programs of a codebase (see Codebase.h).
#include "Codebase.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

namespace olvcli {
namespace {

namespace fs = std::filesystem;

enum class Kind { None, Application, Library };

Kind KindOf(const fs::path& path) {
  std::string ext = path.extension().string();
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (ext == ".app" || ext == ".apt") return Kind::Application;
  if (ext == ".apl") return Kind::Library;
  return Kind::None;
}

bool MatchClass(const std::string& glob, size_t& g, char c) {
  // glob[g] is '['; on return g is past the closing ']'.
  size_t i = g + 1;
  bool negate = i < glob.size() && (glob[i] == '!' || glob[i] == '^');
  if (negate) ++i;
  bool found = false;
  size_t first = i;
  for (; i < glob.size() && (glob[i] != ']' || i == first); ++i) {
    if (i + 2 < glob.size() && glob[i + 1] == '-' && glob[i + 2] != ']') {
      if (c >= glob[i] && c <= glob[i + 2]) found = true;
      i += 2;
    } else if (glob[i] == c) {
      found = true;
    }
  }
  g = i < glob.size() ? i + 1 : glob.size();
  return found != negate;
}

bool Match(const std::string& glob, size_t g, const std::string& name, size_t n) {
  while (g < glob.size()) {
    char c = glob[g];
    if (c == '*') {
      bool any = g + 1 < glob.size() && glob[g + 1] == '*';
      g += any ? 2 : 1;
      if (any && g < glob.size() && glob[g] == '/') {
        // "**/" also matches no folder at all
        if (Match(glob, g + 1, name, n)) return true;
      }
      for (size_t k = n; k <= name.size(); ++k) {
        if (Match(glob, g, name, k)) return true;
        if (k < name.size() && name[k] == '/' && !any) return false;
      }
      return false;
    }
    if (n >= name.size()) return false;
    if (c == '?') {
      if (name[n] == '/') return false;
      ++g;
    } else if (c == '[') {
      if (!MatchClass(glob, g, name[n])) return false;
    } else {
      if (c != name[n]) return false;
      ++g;
    }
    ++n;
  }
  return n == name.size();
}

struct GlobSet {
  std::vector<std::string> include, exclude;
  explicit GlobSet(const std::vector<std::string>& globs) {
    for (const std::string& glob : globs) {
      if (!glob.empty() && glob[0] == '!')
        exclude.push_back(glob.substr(1));
      else if (!glob.empty())
        include.push_back(glob);
    }
  }
  // The glob against a file or folder `relative` to the searched folder.
  static bool Hits(std::string glob, const std::string& relative) {
    if (!glob.empty() && glob.back() == '/') glob.pop_back();
    if (glob.find('/') != std::string::npos) {
      if (glob[0] == '/') glob.erase(0, 1);
      return GlobMatches(glob, relative);
    }
    size_t slash = relative.rfind('/');
    return GlobMatches(glob, slash == std::string::npos ? relative : relative.substr(slash + 1));
  }
  bool Excluded(const std::string& relative) const {
    for (const std::string& glob : exclude)
      if (Hits(glob, relative)) return true;
    return false;
  }
  bool Included(const std::string& relative) const {
    if (include.empty()) return true;
    for (const std::string& glob : include)
      if (Hits(glob, relative)) return true;
    return false;
  }
};

// The programs of one folder, recursively, sorted by path.
bool CollectFolder(const std::string& folder, const GlobSet& globs, std::vector<std::string>& found,
                   std::string& error) {
  std::error_code ec;
  fs::recursive_directory_iterator it(fs::path(folder), fs::directory_options::skip_permission_denied, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::string relative = it->path().lexically_relative(folder).generic_string();
    std::error_code typeError;
    if (it->is_directory(typeError)) {
      if (globs.Excluded(relative)) it.disable_recursion_pending();
      continue;
    }
    if (!it->is_regular_file(typeError) || KindOf(it->path()) == Kind::None) continue;
    if (globs.Excluded(relative) || !globs.Included(relative)) continue;
    found.push_back(it->path().generic_string());
  }
  if (ec) {
    error = folder + ": " + ec.message();
    return false;
  }
  std::sort(found.begin(), found.end());
  return true;
}

}  // namespace

bool GlobMatches(const std::string& glob, const std::string& name) { return Match(glob, 0, name, 0); }

std::string FileKey(const std::string& path) {
  std::error_code ec;
  fs::path canonical = fs::weakly_canonical(fs::path(path), ec);
  return (ec ? fs::absolute(fs::path(path), ec) : canonical).lexically_normal().generic_string();
}

bool CollectCodebase(const std::vector<std::string>& paths, const std::vector<std::string>& globs, Codebase& codebase,
                     std::string& error) {
  codebase = Codebase();
  GlobSet globSet(globs);
  std::set<std::string> seen;
  size_t files = 0;
  for (const std::string& path : paths) {
    std::error_code ec;
    fs::file_status status = fs::status(fs::path(path), ec);
    std::vector<std::string> found;
    if (fs::is_directory(status)) {
      if (!CollectFolder(path, globSet, found, error)) return false;
    } else {
      // A file named on the command line is a program whatever its name
      // (only .apl files are libraries); one that cannot be read is
      // reported by the reader when it is opened.
      found.push_back(path);
      ++files;
    }
    for (const std::string& file : found) {
      if (!seen.insert(FileKey(file)).second) continue;
      (KindOf(fs::path(file)) == Kind::Library ? codebase.libraries : codebase.applications).push_back(file);
    }
  }
  codebase.singleFile = paths.size() == 1 && files == 1;
  return true;
}

}  // namespace olvcli
