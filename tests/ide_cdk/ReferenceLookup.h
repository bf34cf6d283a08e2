// Straightforward walks of the outline that say what the CDK's lookups by
// name answer (child objects by name, the application's named objects, base
// class entries, derivation), and a comparison of the CDK's answers with them
// over a whole outline. The CDK answers from its index; these scan children
// one by one.
#pragma once

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cdk.h"
#include "ide/core/Ide.h"
#include "ide/outline/ItemTypes.h"

namespace reflookup {

using ide::ItemId;
using ide::kNoItem;
using ide::Outline;

// --- the reference walks ------------------------------------------------------

inline bool IsComment(const Outline& o, ItemId i) { return o.Type(i) == ide::ItemType::Comment; }

inline ItemId RefNamedChild(const Outline& o, ItemId parent, std::string_view name) {
  for (ItemId c = o.FirstChild(parent); c != kNoItem; c = o.NextSibling(c))
    if (!IsComment(o, c) && o.Name(c) == name) return c;
  return kNoItem;
}

inline ItemId RefChildObjectByName(const Outline& o, ItemId parent, std::string_view name) {
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

inline std::vector<ItemId> RefBaseEntries(const Outline& o, ItemId cls) {
  std::vector<ItemId> out;
  for (ItemId c = o.FirstChild(cls); c != kNoItem; c = o.NextSibling(c)) {
    if (o.Type(c) != ide::ItemType::DerivedFrom) continue;
    for (ItemId e = o.FirstChild(c); e != kNoItem; e = o.NextSibling(e))
      if (!IsComment(o, e)) out.push_back(e);
    break;
  }
  return out;
}

inline bool RefDerivesFrom(const Outline& o, ItemId cls, std::string_view name) {
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

inline ItemId CdkChildByName(HOUTLINE h, ItemId parent, const std::string& name) {
  CGItem item(h, ide::ToItemHandle(parent)), found;
  if (!item.GetChildObjectByName(name.c_str(), found, 0)) return kNoItem;
  return ide::ToItemId(found.GetItem());
}

// Names asked of a parent: its children's names, one changed in case, one
// cut short and one that nothing has.
inline std::set<std::string> NamesToAsk(const Outline& o, ItemId parent) {
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

inline void CompareAll(HOUTLINE h, Counts& n) {
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

}  // namespace reflookup
