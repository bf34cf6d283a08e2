// The CDK's lookups by name answer as the plain outline walks do: every
// GetChildObjectByName (per parent and the application's named objects),
// EnumBaseClasses and IsDerivedFrom on the bundled sample and the real
// programs is compared with a straightforward walk of the outline, written
// here as the reference. The CDK answers from its index; the walks below
// scan children one by one.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cdk.h"
#include "ide/core/Ide.h"
#include "ide/outline/ItemTypes.h"

namespace {

using ide::ItemId;
using ide::kNoItem;
using ide::Outline;

// --- the reference walks ------------------------------------------------------

bool IsComment(const Outline& o, ItemId i) { return o.Type(i) == ide::ItemType::Comment; }

ItemId RefNamedChild(const Outline& o, ItemId parent, std::string_view name) {
  for (ItemId c = o.FirstChild(parent); c != kNoItem; c = o.NextSibling(c))
    if (!IsComment(o, c) && o.Name(c) == name) return c;
  return kNoItem;
}

ItemId RefChildObjectByName(const Outline& o, ItemId parent, std::string_view name) {
  if (name.empty()) return kNoItem;
  ItemId found = RefNamedChild(o, parent, name);
  if (found != kNoItem || parent != o.Root()) return found;
  for (ItemId gd = o.FirstChild(parent); gd != kNoItem; gd = o.NextSibling(gd)) {
    if (o.Type(gd) != ide::ItemType::GlobalDeclarations) continue;
    for (ItemId s = o.FirstChild(gd); s != kNoItem; s = o.NextSibling(s)) {
      if (ide::IsGlobalSectionType(o.Type(s))) {
        found = RefNamedChild(o, s, name);
      } else if (ide::IsGlobalGroupType(o.Type(s))) {
        for (ItemId g = o.FirstChild(s); g != kNoItem && found == kNoItem; g = o.NextSibling(g))
          if (!IsComment(o, g)) found = RefNamedChild(o, g, name);
      }
      if (found != kNoItem) return found;
    }
    return kNoItem;
  }
  return kNoItem;
}

std::vector<ItemId> RefBaseEntries(const Outline& o, ItemId cls) {
  std::vector<ItemId> out;
  for (ItemId c = o.FirstChild(cls); c != kNoItem; c = o.NextSibling(c)) {
    if (o.Type(c) != ide::ItemType::DerivedFrom) continue;
    for (ItemId e = o.FirstChild(c); e != kNoItem; e = o.NextSibling(e))
      if (!IsComment(o, e)) out.push_back(e);
    break;
  }
  return out;
}

bool RefDerivesFrom(const Outline& o, ItemId cls, std::string_view name) {
  if (name.empty() || o.Name(cls) == name) return false;
  const ItemId section = o.Parent(cls);
  if (section == kNoItem) return false;
  std::set<ItemId> seen{cls};
  std::vector<ItemId> pending{cls};
  while (!pending.empty()) {
    const ItemId cur = pending.back();
    pending.pop_back();
    for (ItemId e : RefBaseEntries(o, cur)) {
      if (o.Name(e) == name) return true;
      const ItemId def = RefNamedChild(o, section, o.Name(e));
      if (def != kNoItem && seen.insert(def).second) pending.push_back(def);
    }
  }
  return false;
}

// --- the comparison -----------------------------------------------------------

ItemId CdkChildByName(HOUTLINE h, ItemId parent, const std::string& name) {
  CGItem item(h, ide::ToItemHandle(parent)), found;
  if (!item.GetChildObjectByName(name.c_str(), found, 0)) return kNoItem;
  return ide::ToItemId(found.GetItem());
}

// Names asked of a parent: its children's names, one changed in case, one
// cut short and one that nothing has.
std::set<std::string> NamesToAsk(const Outline& o, ItemId parent) {
  std::set<std::string> names{"", "zzNoSuchName"};
  for (ItemId c = o.FirstChild(parent); c != kNoItem; c = o.NextSibling(c)) {
    const std::string n(o.Name(c));
    if (n.empty()) continue;
    names.insert(n);
    std::string other = n;
    other[0] = static_cast<char>(other[0] ^ 0x20);
    names.insert(other);
    names.insert(n.substr(0, n.size() - 1));
  }
  return names;
}

struct Counts {
  size_t childLookups = 0, appLookups = 0, classes = 0, derivation = 0;
};

void CompareAll(HOUTLINE h, Counts& n) {
  const Outline& o = *ide::Ide::Instance().GetOutline(h);
  // Every parent, every name of its children.
  for (ItemId p = 0; p < o.Count(); ++p) {
    if (o.FirstChild(p) == kNoItem) continue;
    for (const std::string& name : NamesToAsk(o, p)) {
      ASSERT_EQ(CdkChildByName(h, p, name), RefChildObjectByName(o, p, name))
          << "parent " << p << " (" << o.OutlineLine(p) << "), name '" << name << "'";
      ++n.childLookups;
    }
  }
  // The application's named objects: every name the outline declares down
  // to the level of grouped globals.
  std::set<std::string> appNames{"zzNoSuchName"};
  for (ItemId i = 0; i < o.Count(); ++i)
    if (o.Level(i) <= 4 && !o.Name(i).empty()) appNames.emplace(o.Name(i));
  for (const std::string& name : appNames) {
    ASSERT_EQ(CdkChildByName(h, o.Root(), name), RefChildObjectByName(o, o.Root(), name)) << name;
    ++n.appLookups;
  }
  // Every class of every class section: its base list, and derivation from
  // every name of its section and of every base entry.
  for (ItemId s = 0; s < o.Count(); ++s) {
    if (o.Type(s) != ide::ItemType::ClassDefinitions) continue;
    std::set<std::string> names{"", "zzNoSuchName"};
    for (ItemId c = o.FirstChild(s); c != kNoItem; c = o.NextSibling(c)) {
      names.emplace(o.Name(c));
      for (ItemId e : RefBaseEntries(o, c)) names.emplace(o.Name(e));
    }
    for (ItemId c = o.FirstChild(s); c != kNoItem; c = o.NextSibling(c)) {
      CGClass cls(h, ide::ToItemHandle(c));
      CGObjectList list;
      std::vector<ItemId> entries;
      cls.EnumBaseClasses(list);
      for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        entries.push_back(ide::ToItemId(list.GetNext(pos)->GetItem()));
      ASSERT_EQ(entries, RefBaseEntries(o, c)) << o.OutlineLine(c);
      for (const std::string& name : names) {
        ASSERT_EQ(cls.IsDerivedFrom(name.c_str()) != FALSE, RefDerivesFrom(o, c, name))
            << o.OutlineLine(c) << " from '" << name << "'";
        ++n.derivation;
      }
      ++n.classes;
    }
  }
}

struct Program {
  const char* dir;  // "corpus" or "samples"
  const char* file;
};

class CdkLookupCompareTest : public ::testing::TestWithParam<Program> {
protected:
  void TearDown() override { ide::Ide::Instance().Reset(); }
};

TEST_P(CdkLookupCompareTest, IndexAnswersAsTheOutlineWalks) {
  const Program p = GetParam();
  const std::string dir = std::string(p.dir) == "corpus" ? std::string(OLVAREN_CORPUS_DIR)
                                                         : std::string(OLVAREN_SOURCE_DIR) + "/samples";
  const std::string path = dir + "/" + p.file;
  if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not there";
  ide::Ide& ide = ide::Ide::Instance();
  ide.Reset();
  ide::LoadOptions options;
  options.includeDirs.push_back(dir);
  HOUTLINE h = 0;
  ide::LoadStatus status = ide.OpenOutline(path, options, &h);
  ASSERT_TRUE(status) << status.Message();
  Counts n;
  CompareAll(h, n);
  EXPECT_GT(n.childLookups, 0u);
  EXPECT_GT(n.appLookups, 1u);
}

const Program kPrograms[] = {
    {"samples", "Olvaren_Sample.app"}, {"corpus", "RequestPic.apt"},      {"corpus", "anri_lib.apl"},
    {"corpus", "Leitz.apl"},           {"corpus", "mtbl.app"},            {"corpus", "SGH_Facturacion.app"},
    {"corpus", "OBANKPC.apl"},         {"corpus", "WindowsSDKConstants.apl"},
};

INSTANTIATE_TEST_SUITE_P(Programs, CdkLookupCompareTest, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) {
                           std::string n = info.param.file;
                           return n.substr(0, n.find('.'));
                         });

}  // namespace
