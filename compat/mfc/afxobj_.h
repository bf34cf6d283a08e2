// CObject and run-time class information (CRuntimeClass, DECLARE_DYNAMIC,
// IMPLEMENT_DYNAMIC, RUNTIME_CLASS, IsKindOf, DYNAMIC_DOWNCAST).
#pragma once

#include <windows.h>

#include "afxver_.h"

class CObject;

// One per class that declares DECLARE_DYNAMIC; constant-initialised, so the
// base-class chain is complete before any constructor runs.
struct AFX_CLASS_EXPORT CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  unsigned int m_wSchema;              // 0xFFFF for classes that are not serialisable
  CObject* (*m_pfnCreateObject)();     // NULL unless DECLARE_DYNCREATE
  const CRuntimeClass* m_pBaseClass;   // NULL for CObject
  const CRuntimeClass* m_pNextClass;

  CObject* CreateObject() const;       // NULL (with a TRACE) when not dynamically creatable
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define _RUNTIME_CLASS(class_name) \
  (const_cast<CRuntimeClass*>(&class_name::class##class_name))
#define RUNTIME_CLASS(class_name) _RUNTIME_CLASS(class_name)

#define DECLARE_DYNAMIC(class_name)                 \
 public:                                            \
  static const CRuntimeClass class##class_name;     \
  static CRuntimeClass* GetThisClass() { return _RUNTIME_CLASS(class_name); } \
  virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)              \
  const CRuntimeClass class_name::class##class_name = {                                    \
      #class_name, static_cast<int>(sizeof(class class_name)), wSchema, pfnNew,            \
      &base_class_name::class##base_class_name, nullptr};                                  \
  CRuntimeClass* class_name::GetRuntimeClass() const { return _RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                      \
  CObject* class_name::CreateObject() { return new class_name; }              \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

class AFX_CLASS_EXPORT CObject {
 public:
  static const CRuntimeClass classCObject;
  static CRuntimeClass* GetThisClass();
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject() = 0;

  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  BOOL IsSerializable() const;
  virtual void AssertValid() const;

 protected:
  CObject() = default;

 private:
  // Like MFC: objects are not copyable unless a class says so.
  CObject(const CObject&) = delete;
  void operator=(const CObject&) = delete;
};

// Returns the object as class_name* when it is one (IsKindOf), else NULL.
#define DYNAMIC_DOWNCAST(class_name, object) \
  (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))
// The same, asserting that the object is one (or NULL).
#define STATIC_DOWNCAST(class_name, object) \
  (static_cast<class_name*>(AfxStaticDownCast(RUNTIME_CLASS(class_name), (object))))

AFX_API_EXPORT CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
AFX_API_EXPORT CObject* AFXAPI AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject);
