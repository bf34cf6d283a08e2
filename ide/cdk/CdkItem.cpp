// CGItem: one (outline, item) pair and its questions about the item: type,
// title, text, name, object class, relatives and children.
#include "CdkAccess.h"
#include "CdkLookup.h"

IMPLEMENT_DYNAMIC(CGItem, CObject)

CGItem::CGItem() : m_hOutline(0), m_hItem(0) {}
CGItem::CGItem(HOUTLINE hOutline, HITEM hItem) : m_hOutline(hOutline), m_hItem(hItem) {}
CGItem::CGItem(const CGItem& other) : CObject(), m_hOutline(other.m_hOutline), m_hItem(other.m_hItem) {}
CGItem& CGItem::operator=(const CGItem& other) {
  m_hOutline = other.m_hOutline;
  m_hItem = other.m_hItem;
  return *this;
}
CGItem::~CGItem() {}

BOOL CGItem::Initialize(HOUTLINE hOutline, HITEM hItem) {
  m_hOutline = hOutline;
  m_hItem = hItem;
  return IsValid();
}

HOUTLINE CGItem::GetOutline() const { return m_hOutline; }
HITEM CGItem::GetItem() const { return m_hItem; }
// An application object is valid only on the application item of an open
// outline; any other item on any item of an open outline.
BOOL CGItem::IsValid() const {
  ide::ItemId id = cdk::ItemOf(m_hOutline, m_hItem);
  if (id == ide::kNoItem) return FALSE;
  if (IsKindOf(RUNTIME_CLASS(CGApplication)) && id != cdk::OutlineOf(m_hOutline)->Root()) return FALSE;
  return TRUE;
}

int CGItem::GetItemType() const {
  ide::ItemId id;
  const ide::Outline* o = cdk::Resolve(m_hOutline, m_hItem, id);
  return o == nullptr ? 0 : o->Type(id);
}

namespace {
CGString ToCGString(std::string_view text) {
  return CGStringAccess::Make(text.data(), static_cast<int>(text.size()));
}
}  // namespace

// The flag word chooses among the parts of the outline line in the IDE; the
// add-in asks for 1, the keyword or data type, and every value answers that.
CGString CGItem::GetTitle(int /*nFlags*/) const {
  ide::ItemId id;
  const ide::Outline* o = cdk::Resolve(m_hOutline, m_hItem, id);
  return o == nullptr ? CGString() : ToCGString(o->Title(id));
}

CGString CGItem::GetText() const {
  ide::ItemId id;
  const ide::Outline* o = cdk::Resolve(m_hOutline, m_hItem, id);
  return o == nullptr ? CGString() : ToCGString(o->Text(id));
}

CGString CGItem::GetName() const {
  ide::ItemId id;
  const ide::Outline* o = cdk::Resolve(m_hOutline, m_hItem, id);
  return o == nullptr ? CGString() : ToCGString(o->Name(id));
}

BOOL CGItem::GetObjectClass(CGString& className) const {
  ide::ItemId id;
  const ide::Outline* o = cdk::Resolve(m_hOutline, m_hItem, id);
  std::string_view cls = o == nullptr ? std::string_view() : o->ObjectClass(id);
  className = ToCGString(cls);
  return cls.empty() ? FALSE : TRUE;
}

// The relatives: computed before the out item is touched, since the caller
// may pass this very item as the out item.
namespace {
BOOL SetResult(CGItem& out, HOUTLINE hOutline, ide::ItemId found) {
  if (found == ide::kNoItem) {
    out.Initialize(0, 0);
    return FALSE;
  }
  out.Initialize(hOutline, cdk::HandleOf(found));
  return TRUE;
}
}  // namespace

BOOL CGItem::GetParentItem(CGItem& parent) const {
  HOUTLINE h = m_hOutline;
  ide::ItemId id = cdk::ItemOf(h, m_hItem);
  return SetResult(parent, h, id == ide::kNoItem ? ide::kNoItem : cdk::OutlineOf(h)->Parent(id));
}

BOOL CGItem::GetFirstSibling(CGItem& sibling) const {
  HOUTLINE h = m_hOutline;
  ide::ItemId id = cdk::ItemOf(h, m_hItem);
  if (id == ide::kNoItem) return SetResult(sibling, h, ide::kNoItem);
  const ide::Outline* o = cdk::OutlineOf(h);
  ide::ItemId parent = o->Parent(id);
  return SetResult(sibling, h, parent == ide::kNoItem ? o->Root() : o->FirstChild(parent));
}

BOOL CGItem::GetNextSibling(CGItem& sibling) const {
  HOUTLINE h = m_hOutline;
  ide::ItemId id = cdk::ItemOf(h, m_hItem);
  return SetResult(sibling, h, id == ide::kNoItem ? ide::kNoItem : cdk::OutlineOf(h)->NextSibling(id));
}

BOOL CGItem::GetApp(CGApplication& app) const {
  HOUTLINE h = m_hOutline;
  ide::ItemId id = cdk::ItemOf(h, m_hItem);
  return SetResult(app, h, id == ide::kNoItem ? ide::kNoItem : cdk::OutlineOf(h)->Root());
}

BOOL CGItem::GetChildOfType(int nType, CGItem& child, int /*nReserved*/) const {
  HOUTLINE h = m_hOutline;
  ide::ItemId id = cdk::ItemOf(h, m_hItem);
  ide::ItemId found = ide::kNoItem;
  if (id != ide::kNoItem) {
    const ide::Outline* o = cdk::OutlineOf(h);
    for (ide::ItemId c = o->FirstChild(id); c != ide::kNoItem; c = o->NextSibling(c))
      if (o->Type(c) == nType) {
        found = c;
        break;
      }
  }
  return SetResult(child, h, found);
}

BOOL CGItem::GetChildObjectByName(const char* name, CGItem& child, int /*nReserved*/) const {
  HOUTLINE h = m_hOutline;
  ide::ItemId id = cdk::ItemOf(h, m_hItem);
  ide::ItemId found = ide::kNoItem;
  if (id != ide::kNoItem && name != nullptr) found = cdk::FindChildObjectByName(*cdk::OutlineOf(h), id, name);
  return SetResult(child, h, found);
}

int CGItem::EnumChildObjects(CGObjectList& list, int /*nReserved*/, int nTypeFilter) const {
  CGObjectListAccess::Clear(list);
  ide::ItemId id;
  const ide::Outline* o = cdk::Resolve(m_hOutline, m_hItem, id);
  if (o == nullptr) return 0;
  for (ide::ItemId c = o->FirstChild(id); c != ide::kNoItem;) {
    // Both read before the list is written, which the compiler cannot tell
    // apart from the outline's records.
    const int type = o->Type(c);
    const ide::ItemId next = o->NextSibling(c);
    if (nTypeFilter == 0 ? type != cdk::kCommentType : type == nTypeFilter)
      cdk::AddListEntry(list, m_hOutline, cdk::HandleOf(c));
    c = next;
  }
  return list.GetCount();
}
