// Helpers for the outline tests: a temporary folder that removes itself, and
// loading an outline from text written into it.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ide/outline/OutlineReader.h"

namespace ide_test {

class TempDir {
 public:
  TempDir() {
    char tmpl[] = "/tmp/olv_outline_XXXXXX";
    path_ = mkdtemp(tmpl);
  }
  ~TempDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string Write(const std::string& name, const std::string& content) const {
    const std::string p = path_ + "/" + name;
    std::system(("mkdir -p \"$(dirname '" + p + "')\"").c_str());
    FILE* f = std::fopen(p.c_str(), "wb");
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
    return p;
  }

 private:
  std::string path_;
};

// Writes `content` to a file and loads it.
inline ide::LoadStatus LoadText(const std::string& content, ide::Outline& out,
                                const std::string& name = "app.apt") {
  TempDir dir;
  return ide::LoadOutline(dir.Write(name, content), ide::LoadOptions{}, out);
}

// The children of `parent`, each by its name or, unnamed, by its title.
inline std::vector<std::string> ChildNames(const ide::Outline& o, ide::ItemId parent) {
  std::vector<std::string> out;
  for (ide::ItemId c = o.FirstChild(parent); c != ide::kNoItem; c = o.NextSibling(c))
    out.emplace_back(o.Name(c).empty() ? o.Title(c) : o.Name(c));
  return out;
}

}  // namespace ide_test
