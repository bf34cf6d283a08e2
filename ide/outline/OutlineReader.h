// Loading an outline from the IDE's text formats (".head" lines or tab
// indentation), with the libraries named by its File Include items merged in.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ide/outline/Outline.h"

namespace ide {

// Deepest item level the reader accepts (the root is level 0). It bounds the
// recursion of every walk over the outline.
constexpr int kMaxOutlineLevel = 256;

// Texts to read in place of files on disk (an editor's unsaved buffers), by
// the file's canonical path (ide::CanonicalPath), in the file's own bytes.
using FileOverlays = std::map<std::string, std::string>;

struct LoadOptions {
  std::vector<std::string> includeDirs;  // searched for libraries after the including file's folder
  const FileOverlays* overlays = nullptr;  // not owned; must outlive the load
};

struct LoadStatus {
  bool ok = false;
  std::string description;  // e.g. "not a text-format outline", "level jumps from 2 to 4"
  std::string file;
  int line = 0;             // 0 when not about a line
  std::vector<std::string> warnings;  // e.g. "foo.apl:12: included library 'bar.apl' not found"
  explicit operator bool() const { return ok; }
  std::string Message() const;  // "FILE:LINE: description" or "FILE: description"
};

// Loads `path`; on failure `out` is left untouched.
LoadStatus LoadOutline(const std::string& path, const LoadOptions& options, Outline& out);

}  // namespace ide
