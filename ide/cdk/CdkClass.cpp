// CGClass (base classes and derivation of a class definition) and
// CGChildWindow (which item types are child windows).
#include "CdkAccess.h"
#include "CdkLookup.h"
#include "ide/outline/ItemTypes.h"

IMPLEMENT_DYNAMIC(CGClass, CGItem)

CGClass::CGClass() {}
CGClass::CGClass(HOUTLINE hOutline, HITEM hItem) : CGItem(hOutline, hItem) {}
CGClass::~CGClass() {}

int CGClass::EnumBaseClasses(CGObjectList& list) const {
  list.RemoveAll();
  ide::ItemId id = cdk::ItemOf(m_hOutline, m_hItem);
  if (id == ide::kNoItem) return 0;
  for (ide::ItemId entry : cdk::BaseClassEntries(*cdk::OutlineOf(m_hOutline), id))
    cdk::AddListEntry(list, m_hOutline, cdk::HandleOf(entry));
  return list.GetCount();
}

BOOL CGClass::IsDerivedFrom(const char* className) const {
  ide::ItemId id = cdk::ItemOf(m_hOutline, m_hItem);
  if (id == ide::kNoItem || className == nullptr) return FALSE;
  return cdk::DerivesFrom(*cdk::OutlineOf(m_hOutline), id, className) ? TRUE : FALSE;
}

IMPLEMENT_DYNAMIC(CGChildWindow, CGItem)

CGChildWindow::CGChildWindow() {}
CGChildWindow::CGChildWindow(HOUTLINE hOutline, HITEM hItem) : CGItem(hOutline, hItem) {}
CGChildWindow::~CGChildWindow() {}

// The item types that can stand in a form, dialog or table window as one of
// its child windows (push button, data field, table column, ...).
BOOL CGChildWindow::IsTypeAllowed(int nType) const {
  return ide::IsChildWindowType(nType) ? TRUE : FALSE;
}
