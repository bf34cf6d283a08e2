// Inside the CDK module: from the CDK's (HOUTLINE, HITEM) handles to the
// IDE's outlines and item ids, and back.
#pragma once

#include "cdk.h"
#include "ide/core/Ide.h"
#include "ide/outline/ItemTypes.h"

namespace cdk {

// The outline of a handle, or nullptr when no open outline has it.
inline const ide::Outline* OutlineOf(HOUTLINE hOutline) {
  return ide::Ide::Instance().GetOutline(hOutline);
}

// The item id of a handle pair, or kNoItem when the pair names no item.
inline ide::ItemId ItemOf(HOUTLINE hOutline, HITEM hItem) {
  return ide::Ide::Instance().IsValidItem(hOutline, hItem) ? ide::ToItemId(hItem) : ide::kNoItem;
}

inline HITEM HandleOf(ide::ItemId id) { return ide::ToItemHandle(id); }

// Item types the CDK itself relies on.
constexpr int kCommentType = ide::ItemType::Comment;             // 188
constexpr int kBaseClassListType = ide::ItemType::DerivedFrom;  // 243

}  // namespace cdk
