// Inside the CDK module: from the CDK's (HOUTLINE, HITEM) handles to the
// IDE's outlines and item ids, and back.
#pragma once

#include "cdk.h"
#include "ide/core/Ide.h"
#include "ide/outline/ItemTypes.h"

// Builds CDK strings straight from the outline's bytes (they are not
// NUL-terminated), without an intermediate copy.
class CGStringAccess {
 public:
  static CGString Make(const char* text, int nLength);
};

// Fills CDK lists in place: an entry reuses a place of the list's array.
class CGObjectListAccess {
 public:
  static void Clear(CGObjectList& list) { list.m_nCount = 0; }
  static void Add(CGObjectList& list, HOUTLINE hOutline, HITEM hItem) {
    const size_t index = static_cast<size_t>(list.m_nCount);
    if (index < list.m_entries.size()) {
      CGItem& entry = list.m_entries[index];
      entry.m_hOutline = hOutline;
      entry.m_hItem = hItem;
    } else {
      list.m_entries.emplace_back(hOutline, hItem);
    }
    ++list.m_nCount;
  }
};

namespace cdk {

// The IDE, asked once per module rather than once per call.
inline ide::Ide& TheIde() {
  static ide::Ide& ide = ide::Ide::Instance();
  return ide;
}

// The outline of a handle, or nullptr when no open outline has it. The last
// handle asked about and its outline are kept for as long as the IDE's
// outlines stay as they are (its generation counter): a walk asks about one
// outline item after item. The CDK is called on the IDE's thread only.
inline const ide::Outline* OutlineOf(HOUTLINE hOutline) {
  struct Resolved {
    uint64_t generation;
    HOUTLINE handle;
    const ide::Outline* outline;
  };
  static Resolved last = {~uint64_t(0), 0, nullptr};
  ide::Ide& ide = TheIde();
  const uint64_t generation = ide.OutlinesGeneration();
  if (hOutline != last.handle || generation != last.generation) last = {generation, hOutline, ide.GetOutline(hOutline)};
  return last.outline;
}

// The item id of a handle pair, or kNoItem when the pair names no item.
inline ide::ItemId ItemOf(HOUTLINE hOutline, HITEM hItem) {
  const ide::Outline* o = OutlineOf(hOutline);
  return o != nullptr && hItem != 0 && hItem <= o->Count() ? ide::ToItemId(hItem) : ide::kNoItem;
}

// The outline and item id of a handle pair in one lookup: the outline, with
// `id` set, or nullptr (and kNoItem) when the pair names no item. The hot
// paths use this instead of ItemOf followed by OutlineOf.
inline const ide::Outline* Resolve(HOUTLINE hOutline, HITEM hItem, ide::ItemId& id) {
  const ide::Outline* o = OutlineOf(hOutline);
  if (o == nullptr || hItem == 0 || hItem > o->Count()) {
    id = ide::kNoItem;
    return nullptr;
  }
  id = ide::ToItemId(hItem);
  return o;
}

// Appends an entry for the item to the list.
inline void AddListEntry(CGObjectList& list, HOUTLINE hOutline, HITEM hItem) {
  CGObjectListAccess::Add(list, hOutline, hItem);
}

inline HITEM HandleOf(ide::ItemId id) { return ide::ToItemHandle(id); }

// Item types the CDK itself relies on.
constexpr int kCommentType = ide::ItemType::Comment;             // 188
constexpr int kBaseClassListType = ide::ItemType::DerivedFrom;  // 243

}  // namespace cdk
