// The lookup index of one outline: a named child of a given parent, and the
// application's named objects (its global declarations), each found by one
// hash probe instead of a walk over the children. Built in one pass over the
// outline; the outline drops it whenever it changes and builds it again at the
// next lookup, so an answer never comes from a stale index.
#pragma once

#include <cstdint>
#include <string>
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

  // The entries of a class's Derived From list (its first item of that type), in
  // order, comments aside.
  std::vector<ItemId> BaseEntries(ItemId cls) const;

  // True when class `cls` derives, directly or through other classes of the same
  // parent item, from a class named `name` (base names compared exactly): some
  // class of its ancestry has a base entry with that name, whether or not a
  // definition of it exists. A class is not derived from itself; every class is
  // expanded once, so cyclic derivation ends. What a walk learns about the
  // classes it passes is kept for the next question about the same name, so
  // asking it of every class of a section costs about one walk over the section.
  bool DerivesFrom(ItemId cls, std::string_view name) const;

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

  template <class F> void ForEachBaseEntry(ItemId cls, F f) const;
  void ForgetDerivation(std::string_view name) const;

  const Outline& o_;
  Table children_;  // key: (parent, name)
  Table globals_;   // key: name

  // What derivation walks learnt about the classes they passed, for the base
  // name `derivedName_`: per item, whether some class of its ancestry has a
  // base entry with that name (kReaches), or none has (kReachesNot).
  enum : uint8_t { kUnknown = 0, kReaches = 1, kReachesNot = 2 };
  mutable std::string derivedName_;
  mutable std::vector<uint8_t> reaches_;   // by item; allocated at the first question
  mutable std::vector<ItemId> learnt_;     // the items whose entry is not kUnknown
};

}  // namespace ide
