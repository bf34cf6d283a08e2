// Inside the CDK module: the lookups by name that several CDK operations
// share (child objects by name, the application's named objects, base
// classes and derivation).
#pragma once

#include <string_view>
#include <vector>

#include "ide/outline/Outline.h"

namespace cdk {

// The first child of `parent` (comments aside) whose declared name equals
// `name` exactly. On the application item the lookup goes on through the
// application's named objects: its top-level windows first (direct children),
// then the declarations of its global sections and groups (functions,
// variables, classes, named menus, resources, constants, external functions),
// in outline order.
ide::ItemId FindChildObjectByName(const ide::Outline& o, ide::ItemId parent, std::string_view name);

// The entries of a class's base-class list, in order (comments aside).
std::vector<ide::ItemId> BaseClassEntries(const ide::Outline& o, ide::ItemId cls);

// True when `cls` derives, directly or through other classes of the same
// section, from a class named `name`. A class is not derived from itself;
// cyclic derivation ends the walk.
bool DerivesFrom(const ide::Outline& o, ide::ItemId cls, std::string_view name);

}  // namespace cdk
