// Helpers for the outline tests: a temporary folder that removes itself, and
// loading an outline from text written into it.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "TestFolders.h"
#include "ide/outline/OutlineReader.h"

namespace ide_test {

class TempDir {
 public:
  TempDir() : path_(testsupport::MakeTempFolder("olv_outline")) {}
  ~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string Write(const std::string& name, const std::string& content) const {
    const std::string p = path_ + "/" + name;
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(p).parent_path(), ignored);
    FILE* f = std::fopen(p.c_str(), "wb");
    if (f == nullptr) return p;
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
