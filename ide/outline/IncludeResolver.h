// Finding the library file named by a File Include item, as the IDE does on
// Windows: next to the including file first, then in the include folders,
// names compared without regard to case.
#pragma once

#include <string>
#include <vector>

namespace ide {

// Returns the path of the library, or "" when it is found nowhere. `name` is the
// include text (Windows separators allowed); `includingFile` the file holding the item.
std::string ResolveInclude(const std::string& name, const std::string& includingFile,
                           const std::vector<std::string>& includeDirs);

// A path that identifies one file however it was reached ("" when it does not exist).
std::string CanonicalPath(const std::string& path);

}  // namespace ide
