// The lookups by name behind GetChildObjectByName, EnumBaseClasses and
// IsDerivedFrom, answered by the outline's index.
#include "CdkLookup.h"

#include "ide/outline/OutlineIndex.h"

namespace cdk {

ide::ItemId FindChildObjectByName(const ide::Outline& o, ide::ItemId parent, std::string_view name) {
  if (name.empty()) return ide::kNoItem;
  const ide::OutlineIndex& index = o.Index();
  ide::ItemId found = index.NamedChild(parent, name);
  if (found != ide::kNoItem || parent != o.Root()) return found;
  return index.GlobalDeclaration(name);
}

std::vector<ide::ItemId> BaseClassEntries(const ide::Outline& o, ide::ItemId cls) {
  return o.Index().BaseEntries(cls);
}

bool DerivesFrom(const ide::Outline& o, ide::ItemId cls, std::string_view name) {
  return o.Index().DerivesFrom(cls, name);
}

}  // namespace cdk
