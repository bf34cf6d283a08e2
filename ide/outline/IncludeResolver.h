// Finding the library file named by a File Include item, as the IDE does on
// Windows: next to the including file first, then in the include folders,
// names compared without regard to case.
#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ide {

// One resolver serves one load: each folder it has to search without regard
// to case is read once, however many includes look into it.
class IncludeResolver {
 public:
  explicit IncludeResolver(std::vector<std::string> includeDirs) : includeDirs_(std::move(includeDirs)) {}

  // Returns the path of the library, or "" when it is found nowhere. `name` is the
  // include text (Windows separators allowed); `includingFile` the file holding the item.
  std::string Resolve(const std::string& name, const std::string& includingFile);

  // How many folders were read so far.
  size_t FoldersRead() const { return folders_.size(); }

 private:
  std::string FindEntry(const std::string& dir, const std::string& part);
  std::string FindUnder(const std::string& dir, const std::vector<std::string>& parts);

  std::vector<std::string> includeDirs_;
  // Per folder read: its entries by their names in lower case (the first
  // entry the folder lists for a name).
  std::unordered_map<std::string, std::unordered_map<std::string, std::string>> folders_;
};

// A path that identifies one file however it was reached ("" when it does not exist).
std::string CanonicalPath(const std::string& path);

}  // namespace ide
