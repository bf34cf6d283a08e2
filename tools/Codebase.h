// The programs of a codebase as the front end's commands take them: PATH...
// names files and folders; a folder is searched recursively for
// applications (.app, .apt) and libraries (.apl), extensions in any case.
// --glob narrows the folders' files as ripgrep's does: GLOB includes, !GLOB
// excludes; a glob without '/' matches any file or folder name, one with '/'
// the path below the searched folder. Files named on the command line are
// taken as they are.
#pragma once

#include <string>
#include <vector>

namespace olvcli {

struct Codebase {
  std::vector<std::string> applications;  // in the order given, each folder's sorted by path
  std::vector<std::string> libraries;
  bool singleFile = false;  // PATH... was one file (the commands then behave as on one program)
};

// Collects the programs under `paths` (a path that is no folder counts as a
// file, to be reported when it cannot be opened). False, with `error` naming
// the folder, when a folder cannot be read.
bool CollectCodebase(const std::vector<std::string>& paths, const std::vector<std::string>& globs, Codebase& codebase,
                     std::string& error);

// Whether `name` (one file or folder name, or a path with '/') matches the
// glob: '*' any run of characters but '/', '**' any run, '?' one character,
// [abc] / [a-z] / [!abc] one of a set.
bool GlobMatches(const std::string& glob, const std::string& name);

// A path in the codebase that stands for the same file as another:
// absolute and normal, so that a library reached from two programs is one.
std::string FileKey(const std::string& path);

}  // namespace olvcli
