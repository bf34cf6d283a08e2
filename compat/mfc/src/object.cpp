// CObject and CRuntimeClass: the root of MFC's class tree and the walk up
// the base-class chain behind IsKindOf and the downcasts.
#include "afx.h"

const CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF,
                                             nullptr, nullptr, nullptr};

CRuntimeClass* CObject::GetThisClass() { return _RUNTIME_CLASS(CObject); }
CRuntimeClass* CObject::GetRuntimeClass() const { return _RUNTIME_CLASS(CObject); }

CObject::~CObject() = default;

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
  return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

void CObject::AssertValid() const {}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  ASSERT(pBaseClass != nullptr);
  for (const CRuntimeClass* pClassThis = this; pClassThis != nullptr; pClassThis = pClassThis->m_pBaseClass) {
    if (pClassThis == pBaseClass) return TRUE;
  }
  return FALSE;
}

CObject* CRuntimeClass::CreateObject() const {
  if (m_pfnCreateObject == nullptr) {
    TRACE("Error: Trying to create object which is not DECLARE_DYNCREATE \nor DECLARE_SERIAL: %s.\n",
          m_lpszClassName);
    return nullptr;
  }
  return (*m_pfnCreateObject)();
}

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject) {
  if (pObject != nullptr && pObject->IsKindOf(pClass)) return pObject;
  return nullptr;
}

CObject* AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject) {
  ASSERT(pObject == nullptr || pObject->IsKindOf(pClass));
  return pObject;
}
