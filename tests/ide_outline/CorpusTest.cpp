// The reader on real Team Developer programs: every file loads, every item's
// title, separator and text rebuild its line, the two formats of one module
// agree, and the include chains of the corpus bring in their libraries.
#include <dirent.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ide/outline/ItemTypes.h"
#include "ide/outline/OutlineReader.h"
#include "ide/outline/TextDecoding.h"

using ide::ItemId;
using ide::kNoItem;
using ide::Outline;

namespace {

const std::string kCorpus = OLVAREN_CORPUS_DIR;

bool CorpusPresent() {
  DIR* d = opendir(kCorpus.c_str());
  if (d) closedir(d);
  return d != nullptr;
}

std::vector<std::string> CorpusFiles() {
  std::vector<std::string> out;
  if (DIR* d = opendir(kCorpus.c_str())) {
    while (dirent* e = readdir(d)) {
      const std::string n = e->d_name;
      if (n.size() > 4 && (n.compare(n.size() - 4, 4, ".apl") == 0 || n.compare(n.size() - 4, 4, ".app") == 0 ||
                           n.compare(n.size() - 4, 4, ".apt") == 0))
        out.push_back(n);
    }
    closedir(d);
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t s = 0;
  while (s < text.size()) {
    size_t e = text.find('\n', s);
    if (e == std::string::npos) e = text.size();
    std::string l = text.substr(s, e - s);
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
    s = e + 1;
  }
  return lines;
}

bool IsDirective(const std::string& l) {
  return l.rfind(".head ", 0) == 0 || l.rfind(".data", 0) == 0 || l.rfind(".enddata", 0) == 0 ||
         l.rfind(".winattr", 0) == 0 || l == ".end" || l.rfind(".end ", 0) == 0;
}

// Blanks at the ends of every line, and blank lines at the end, do not count.
std::string Normalize(const std::string& s) {
  std::string out;
  for (std::string l : SplitLines(s + "\n")) {
    while (!l.empty() && (l.back() == ' ' || l.back() == '\t')) l.pop_back();
    if (out.empty()) l.erase(0, l.find_first_not_of(" \t") == std::string::npos ? l.size() : l.find_first_not_of(" \t"));
    out += l + "\n";
  }
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

// The item's text as the file has it: its line after the .head prefix (or the
// indentation) and its continuation lines.
std::string ItemSource(const std::vector<std::string>& lines, int line, bool indented, int level) {
  std::string out;
  const std::string& first = lines[line - 1];
  if (indented) {
    out = first.substr(level);
  } else {
    size_t p = first.find_first_of("+-", 6);
    out = first.substr(p + 1);
  }
  bool inData = false;
  for (size_t i = line; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    if (inData) {
      inData = l.rfind(".enddata", 0) != 0;
      continue;
    }
    if (l.rfind(".data", 0) == 0) { inData = true; continue; }
    if (IsDirective(l)) {
      if (l.rfind(".head ", 0) == 0) break;
      continue;
    }
    if (indented) {
      size_t tabs = 0;
      while (tabs < l.size() && l[tabs] == '\t') ++tabs;
      if (!l.empty() && static_cast<int>(tabs) < level + 2) break;
      out += "\n" + (l.empty() ? l : l.substr(level + 2));
    } else {
      out += "\n" + l;
    }
  }
  return out;
}

// Title, separator, one blank and text, as the add-in puts an item's line together.
std::string Rebuilt(const Outline& o, ItemId i) {
  std::string line(o.Title(i));
  if (!o.Text(i).empty() && !ide::IsColonLessType(o.Type(i))) line += ':';
  return line + ' ' + std::string(o.Text(i));
}

// Every item shows its file text (comments and what stands under them included);
// every item but a comment rebuilds it from title and text.
TEST(Corpus, EveryFileLoadsAndEveryItemShowsAndRebuildsItsLine) {
  if (!CorpusPresent()) GTEST_SKIP() << "no corpus at " << kCorpus;
  const std::vector<std::string> files = CorpusFiles();
  ASSERT_FALSE(files.empty());
  for (const std::string& name : files) {
    SCOPED_TRACE(name);
    Outline o;
    ide::LoadStatus s = ide::LoadOutline(kCorpus + "/" + name, ide::LoadOptions{}, o);
    ASSERT_TRUE(s) << s.Message();
    ASSERT_GT(o.Count(), 100u);
    EXPECT_EQ(o.Type(o.Root()), ide::ItemType::Application);
    std::map<std::string, std::vector<std::string>> sources;
    size_t checked = 0, failures = 0;
    for (ItemId i = 0; i < o.Count(); ++i) {
      if (i > 0) {
        ASSERT_LT(o.Parent(i), i);
      }
      const std::string& path = o.File(i).path;
      auto it = sources.find(path);
      if (it == sources.end()) {
        std::string text, error;
        ASSERT_TRUE(ide::ReadWholeFile(path, text, error)) << error;
        it = sources.emplace(path, SplitLines(text)).first;
      }
      const bool indented = it->second[0].rfind(".head ", 0) != 0;
      const std::string want = Normalize(ItemSource(it->second, o.Line(i), indented, o.Level(i)));
      const std::string shown = Normalize(o.OutlineLine(i));
      const std::string rebuilt = o.Type(i) == ide::ItemType::Comment ? want : Normalize(Rebuilt(o, i));
      ++checked;
      if ((shown != want || rebuilt != want) && ++failures <= 5)
        ADD_FAILURE() << path << ":" << o.Line(i) << ": type " << o.Type(i) << "\n  file:    [" << want
                      << "]\n  shown:   [" << shown << "]\n  rebuilt: [" << rebuilt << "]";
    }
    EXPECT_EQ(failures, 0u) << "of " << checked;
  }
}

TEST(Corpus, OtherFilesAreNotTextOutlines) {
  if (!CorpusPresent()) GTEST_SKIP() << "no corpus at " << kCorpus;
  Outline o;
  ide::LoadStatus s = ide::LoadOutline(kCorpus + "/MANIFEST.md", ide::LoadOptions{}, o);
  EXPECT_FALSE(s);
  EXPECT_EQ(s.Message(), kCorpus + "/MANIFEST.md:1: not a text-format outline: the first line is neither a "
                                  "'.head' line nor 'Application Description'");
}

TEST(Corpus, HeadAndIndentedRevisionsOfOneModuleAgree) {
  if (!CorpusPresent()) GTEST_SKIP() << "no corpus at " << kCorpus;
  Outline a, b;
  ASSERT_TRUE(ide::LoadOutline(kCorpus + "/OBANKPC.apl", ide::LoadOptions{}, a));
  ASSERT_TRUE(ide::LoadOutline(kCorpus + "/OBANKPC.indented.apl", ide::LoadOptions{}, b));
  // Walk both in outline order; on a difference, resynchronise within a short window.
  auto same = [&](ItemId i, ItemId j) {
    return a.Type(i) == b.Type(j) && a.Title(i) == b.Title(j) && a.Level(i) == b.Level(j);
  };
  size_t matched = 0, textsEqual = 0;
  ItemId i = 0, j = 0;
  while (i < a.Count() && j < b.Count()) {
    if (same(i, j)) {
      ++matched;
      std::string ta(a.Text(i)), tb(b.Text(j));
      textsEqual += Normalize(ta) == Normalize(tb) || a.Type(i) == ide::ItemType::Comment;
      ++i, ++j;
      continue;
    }
    bool synced = false;
    for (ItemId d = 1; d < 60 && !synced; ++d) {
      if (i + d < a.Count() && same(i + d, j)) {
        i += d;
        synced = true;
      } else if (j + d < b.Count() && same(i, j + d)) {
        j += d;
        synced = true;
      }
    }
    if (!synced) ++i, ++j;
  }
  EXPECT_GT(matched, a.Count() * 99 / 100);
  EXPECT_GT(textsEqual, matched * 98 / 100);
}

TEST(Corpus, IncludeChainBringsInLibraryItems) {
  if (!CorpusPresent()) GTEST_SKIP() << "no corpus at " << kCorpus;
  Outline o;
  ide::LoadStatus s = ide::LoadOutline(kCorpus + "/RequestPic.apt", ide::LoadOptions{}, o);
  ASSERT_TRUE(s) << s.Message();
  namespace T = ide::ItemType;
  auto fileName = [&](ItemId i) {
    const std::string& p = o.File(i).path;
    return p.substr(p.find_last_of('/') + 1);
  };
  std::map<std::string, int> includedFrom;
  ItemId findTblClass = kNoItem;
  for (ItemId i = 0; i < o.Count(); ++i) {
    if (!o.IsIncluded(i)) {
      EXPECT_EQ(fileName(i), "RequestPic.apt");
      continue;
    }
    ++includedFrom[fileName(i)];
    const ItemId by = o.IncludingItem(i);
    ASSERT_NE(by, kNoItem);
    ASSERT_EQ(o.Type(by), T::FileInclude);
    EXPECT_EQ(o.Text(by), fileName(i) == "anri_lib.apl" ? "anri_lib.apl" : "a_find_tbl.apl");
    if (fileName(i) == "a_find_tbl.apl" && ide::IsClassDefinitionType(o.Type(i))) findTblClass = i;
  }
  EXPECT_GT(includedFrom["anri_lib.apl"], 1000);
  EXPECT_GT(includedFrom["a_find_tbl.apl"], 300);
  ASSERT_NE(findTblClass, kNoItem);
  // a_find_tbl.apl came in through anri_lib.apl.
  const ItemId nested = o.IncludingItem(findTblClass);
  EXPECT_TRUE(o.IsIncluded(nested));
  EXPECT_EQ(o.Text(o.IncludingItem(nested)), "anri_lib.apl");
  EXPECT_EQ(o.Type(o.Parent(findTblClass)), T::ClassDefinitions);
  // Classes of the application derive from library classes found in the same section.
  const ItemId classes = o.Parent(findTblClass);
  std::map<std::string, ItemId> byName;
  for (ItemId c = o.FirstChild(classes); c != kNoItem; c = o.NextSibling(c)) byName.emplace(std::string(o.Name(c)), c);
  int appBasesInLibraries = 0;
  for (ItemId c = o.FirstChild(classes); c != kNoItem; c = o.NextSibling(c)) {
    if (o.IsIncluded(c)) continue;
    for (ItemId d = o.FirstChild(c); d != kNoItem; d = o.NextSibling(d)) {
      if (o.Type(d) != T::DerivedFrom) continue;
      for (ItemId b = o.FirstChild(d); b != kNoItem; b = o.NextSibling(b)) {
        auto it = o.Type(b) == T::BaseClassEntry ? byName.find(std::string(o.Name(b))) : byName.end();
        appBasesInLibraries += it != byName.end() && o.IsIncluded(it->second);
      }
    }
  }
  EXPECT_GT(appBasesInLibraries, 5);
}

}  // namespace
