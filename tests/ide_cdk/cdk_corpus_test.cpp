// The CDK's class answers on real programs: for every class definition,
// EnumBaseClasses lists its Derived From entries and IsDerivedFrom agrees
// with the derivation those lists describe within the class section.
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CdkEvents.h"
#include "TestOutline.h"
#include "cdk.h"
#include "ide/core/Ide.h"
#include "ide/outline/ItemTypes.h"

namespace {

struct ClassInfo {
  HITEM item;
  std::vector<std::string> bases;  // Derived From entries, comments aside
};

class CdkCorpusTest : public ::testing::TestWithParam<const char*> {
protected:
  void TearDown() override { ide::Ide::Instance().Reset(); }
};

TEST_P(CdkCorpusTest, BaseClassesAgreeWithDerivedFromLists) {
  const std::string dir = OLVAREN_CORPUS_DIR;
  const std::string path = dir + "/" + GetParam();
  if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not there";
  HOUTLINE h = 0;
  ide::LoadStatus status = cdktest::OpenProgram(path, dir, h);
  ASSERT_TRUE(status) << status.Message();
  const ide::Outline& o = *ide::Ide::Instance().GetOutline(h);

  // The class sections and their classes, straight from the outline.
  std::map<ide::ItemId, std::vector<ClassInfo>> sections;
  for (ide::ItemId i = 0; i < o.Count(); ++i) {
    if (o.Type(i) != ide::ItemType::ClassDefinitions) continue;
    for (ide::ItemId c = o.FirstChild(i); c != ide::kNoItem; c = o.NextSibling(c)) {
      if (o.Type(c) == ide::ItemType::Comment) continue;
      ClassInfo info{ide::ToItemHandle(c), {}};
      for (ide::ItemId d = o.FirstChild(c); d != ide::kNoItem; d = o.NextSibling(d))
        if (o.Type(d) == ide::ItemType::DerivedFrom) {
          for (ide::ItemId e = o.FirstChild(d); e != ide::kNoItem; e = o.NextSibling(e))
            if (o.Type(e) != ide::ItemType::Comment) info.bases.emplace_back(o.Name(e));
          break;
        }
      sections[i].push_back(info);
    }
  }
  size_t classes = 0, bases = 0;
  for (const auto& [section, list] : sections) {
    std::map<std::string, const ClassInfo*> byName;
    for (const ClassInfo& c : list) byName.emplace(std::string(o.Name(ide::ToItemId(c.item))), &c);
    for (const ClassInfo& c : list) {
      std::string name(o.Name(ide::ToItemId(c.item)));
      SCOPED_TRACE(name);
      CGClass cls(h, c.item);
      CGObjectList entries;
      ASSERT_EQ(cls.EnumBaseClasses(entries), static_cast<int>(c.bases.size()));
      size_t k = 0;
      for (POSITION pos = entries.GetHeadPosition(); pos != nullptr; ++k)
        EXPECT_EQ(std::string(entries.GetNext(pos)->GetName()), c.bases[k]);
      // Every class reachable through the lists is an ancestor; no other
      // class of the section is, and neither is the class itself.
      std::set<std::string> ancestors;
      std::vector<const ClassInfo*> pending{&c};
      std::set<const ClassInfo*> seen{&c};
      while (!pending.empty()) {
        const ClassInfo* cur = pending.back();
        pending.pop_back();
        for (const std::string& b : cur->bases) {
          ancestors.insert(b);
          auto it = byName.find(b);
          if (it != byName.end() && seen.insert(it->second).second) pending.push_back(it->second);
        }
      }
      ancestors.erase(name);
      for (const std::string& b : ancestors) EXPECT_TRUE(cls.IsDerivedFrom(b.c_str())) << b;
      for (const auto& [other, info] : byName) {
        if (!ancestors.count(other)) {
          EXPECT_FALSE(cls.IsDerivedFrom(other.c_str())) << other;
        }
      }
      ++classes;
      bases += c.bases.size();
    }
  }
  EXPECT_GT(classes, 0u);
  EXPECT_GT(bases, 0u);
}

INSTANTIATE_TEST_SUITE_P(Real, CdkCorpusTest, ::testing::Values("anri_lib.apl", "RequestPic.apt"),
                         [](const auto& info) {
                           std::string n = info.param;
                           return n.substr(0, n.find('.'));
                         });

}  // namespace
