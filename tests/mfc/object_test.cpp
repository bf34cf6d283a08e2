// CObject run-time class information: class names, the base-class chain
// behind IsKindOf, and the downcasts.
#include <afx.h>
#include <afxcoll.h>
#include <gtest/gtest.h>

namespace {

class CAnimal : public CObject {
  DECLARE_DYNAMIC(CAnimal)
};
class CDog : public CAnimal {
  DECLARE_DYNCREATE(CDog)
};
class CCat : public CAnimal {
  DECLARE_DYNAMIC(CCat)
};

IMPLEMENT_DYNAMIC(CAnimal, CObject)
IMPLEMENT_DYNCREATE(CDog, CAnimal)
IMPLEMENT_DYNAMIC(CCat, CAnimal)

TEST(CRuntimeClass, NamesAndBaseChain) {
  CDog dog;
  const CRuntimeClass* rc = dog.GetRuntimeClass();
  EXPECT_STREQ("CDog", rc->m_lpszClassName);
  EXPECT_STREQ("CAnimal", rc->m_pBaseClass->m_lpszClassName);
  EXPECT_STREQ("CObject", rc->m_pBaseClass->m_pBaseClass->m_lpszClassName);
  EXPECT_EQ(nullptr, rc->m_pBaseClass->m_pBaseClass->m_pBaseClass);
  EXPECT_EQ(RUNTIME_CLASS(CDog), rc);
  EXPECT_EQ(static_cast<int>(sizeof(CDog)), rc->m_nObjectSize);
}

TEST(CObjectIsKindOf, TrueForTheClassAndEveryBase) {
  CDog dog;
  CCat cat;
  CStringArray array;
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CDog)));
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CAnimal)));
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(dog.IsKindOf(RUNTIME_CLASS(CCat)));
  EXPECT_FALSE(cat.IsKindOf(RUNTIME_CLASS(CDog)));
  EXPECT_TRUE(array.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(array.IsKindOf(RUNTIME_CLASS(CAnimal)));
  EXPECT_EQ(&dog, DYNAMIC_DOWNCAST(CAnimal, &dog));
  EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CDog, static_cast<CObject*>(&cat)));
  EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CDog, static_cast<CObject*>(nullptr)));
}

TEST(CRuntimeClass, CreateObjectOnlyForDynCreate) {
  CObject* p = RUNTIME_CLASS(CDog)->CreateObject();
  ASSERT_NE(nullptr, p);
  EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CDog)));
  delete p;  // through CObject's virtual destructor
  EXPECT_EQ(nullptr, RUNTIME_CLASS(CCat)->CreateObject());
}

}  // namespace
