// The lookups by name behind GetChildObjectByName, EnumBaseClasses and
// IsDerivedFrom.
#include "CdkLookup.h"

#include <set>

#include "CdkAccess.h"
#include "ide/outline/ItemTypes.h"

namespace cdk {
namespace {

constexpr int kGlobalDeclarationsType = ide::ItemType::GlobalDeclarations;

bool IsComment(const ide::Outline& o, ide::ItemId id) { return o.Type(id) == kCommentType; }

ide::ItemId FindNamedChild(const ide::Outline& o, ide::ItemId parent, std::string_view name) {
  for (ide::ItemId c = o.FirstChild(parent); c != ide::kNoItem; c = o.NextSibling(c))
    if (!IsComment(o, c) && o.Name(c) == name) return c;
  return ide::kNoItem;
}

// The application's global declarations, in outline order: the children of
// its global sections (internal functions, variables, class definitions,
// named menus and resources) and, one level deeper, those of its groups
// (constants: System/User/Enumerations; external functions: one library each).
ide::ItemId FindGlobalDeclaration(const ide::Outline& o, ide::ItemId globals, std::string_view name) {
  for (ide::ItemId c = o.FirstChild(globals); c != ide::kNoItem; c = o.NextSibling(c)) {
    int type = o.Type(c);
    ide::ItemId found = ide::kNoItem;
    if (ide::IsGlobalSectionType(type)) {
      found = FindNamedChild(o, c, name);
    } else if (ide::IsGlobalGroupType(type)) {
      for (ide::ItemId g = o.FirstChild(c); g != ide::kNoItem && found == ide::kNoItem; g = o.NextSibling(g))
        if (!IsComment(o, g)) found = FindNamedChild(o, g, name);
    }
    if (found != ide::kNoItem) return found;
  }
  return ide::kNoItem;
}

}  // namespace

ide::ItemId FindChildObjectByName(const ide::Outline& o, ide::ItemId parent, std::string_view name) {
  if (name.empty()) return ide::kNoItem;
  ide::ItemId found = FindNamedChild(o, parent, name);
  if (found != ide::kNoItem || parent != o.Root()) return found;
  for (ide::ItemId c = o.FirstChild(parent); c != ide::kNoItem; c = o.NextSibling(c))
    if (o.Type(c) == kGlobalDeclarationsType) return FindGlobalDeclaration(o, c, name);
  return ide::kNoItem;
}

std::vector<ide::ItemId> BaseClassEntries(const ide::Outline& o, ide::ItemId cls) {
  std::vector<ide::ItemId> entries;
  for (ide::ItemId c = o.FirstChild(cls); c != ide::kNoItem; c = o.NextSibling(c)) {
    if (o.Type(c) != kBaseClassListType) continue;
    for (ide::ItemId e = o.FirstChild(c); e != ide::kNoItem; e = o.NextSibling(e))
      if (!IsComment(o, e)) entries.push_back(e);
    break;
  }
  return entries;
}

bool DerivesFrom(const ide::Outline& o, ide::ItemId cls, std::string_view name) {
  if (name.empty() || o.Name(cls) == name) return false;
  ide::ItemId section = o.Parent(cls);
  if (section == ide::kNoItem) return false;
  // Walk the ancestry within the section; every class is expanded once.
  std::set<ide::ItemId> seen{cls};
  std::vector<ide::ItemId> pending{cls};
  while (!pending.empty()) {
    ide::ItemId current = pending.back();
    pending.pop_back();
    for (ide::ItemId entry : BaseClassEntries(o, current)) {
      std::string_view base = o.Name(entry);
      if (base == name) return true;
      ide::ItemId def = FindNamedChild(o, section, base);
      if (def != ide::kNoItem && seen.insert(def).second) pending.push_back(def);
    }
  }
  return false;
}

}  // namespace cdk
