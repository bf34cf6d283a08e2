// The lookup index of one outline: a named child of a given parent, and the
// application's named objects (its global declarations), each found by one
// hash probe instead of a walk over the children. Built in one pass over the
// outline; the outline drops it whenever it changes and builds it again at the
// next lookup, so an answer never comes from a stale index.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ide/outline/Outline.h"

namespace ide {

class OutlineIndex {
 public:
  // Indexes `outline`, which must outlive the index and stay unchanged while it is used.
  explicit OutlineIndex(const Outline& outline);

  // The first child of `parent` in outline order, comments aside, whose declared
  // name is exactly `name`; kNoItem when none. An empty name is looked for among
  // the children one by one (unnamed items are not indexed).
  ItemId NamedChild(ItemId parent, std::string_view name) const;

  // The first of the application's global declarations, in outline order, named
  // exactly `name`: the children of the global sections (functions, variables,
  // class definitions, named menus, resources) of the first Global Declarations
  // item, and one level deeper those of its groups (constants, external
  // functions); comments aside. kNoItem when none or when `name` is empty.
  ItemId GlobalDeclaration(std::string_view name) const;

  // Memory the index holds, in bytes.
  size_t Bytes() const;

 private:
  // An open-addressing hash table of item ids: the first item inserted for a
  // key stays, later ones with an equal key are not kept.
  struct Slot {
    uint32_t item = 0;  // id + 1; 0 = empty
    uint32_t hash = 0;
  };
  class Table {
   public:
    void Reserve(size_t entries);
    // Inserts `item` under `hash` unless `same(existing)` holds for an entry there.
    template <class Same> void Insert(uint32_t hash, ItemId item, Same same);
    template <class Same> ItemId Find(uint32_t hash, Same same) const;
    size_t Bytes() const { return slots_.capacity() * sizeof(Slot); }

   private:
    std::vector<Slot> slots_;
    size_t mask_ = 0;
  };

  static uint32_t Hash(std::string_view name, uint32_t seed);
  void AddChildren(ItemId parent);

  const Outline& o_;
  Table children_;  // key: (parent, name)
  Table globals_;   // key: name
};

}  // namespace ide
