// Out-of-line parts of the collections: CPlex blocks, the run-time classes
// of CStringArray and CStringList, CStringArray::InsertAt of an array.
#include "afxcoll.h"

#include <stdlib.h>

IMPLEMENT_DYNAMIC(CStringArray, CObject)
IMPLEMENT_DYNAMIC(CStringList, CObject)

CPlex* CPlex::Create(CPlex*& pHead, size_t nMax, size_t cbElement) {
  ASSERT(nMax > 0 && cbElement > 0);
  CPlex* p = static_cast<CPlex*>(::operator new(sizeof(CPlex) + nMax * cbElement));
  p->pNext = pHead;
  pHead = p;
  return p;
}

void CPlex::FreeDataChain() {
  CPlex* p = this;
  while (p != nullptr) {
    CPlex* pNext = p->pNext;
    ::operator delete(p);
    p = pNext;
  }
}

void CStringArray::InsertAt(INT_PTR nStartIndex, const CStringArray* pNewArray) {
  ASSERT(pNewArray != nullptr);
  ASSERT(nStartIndex >= 0);
  if (pNewArray->GetSize() == 0) return;
  CStringArray copy;  // pNewArray may be this array
  copy.Copy(*pNewArray);
  InsertAt(nStartIndex, copy.GetAt(0), copy.GetSize());
  for (INT_PTR i = 0; i < copy.GetSize(); i++) SetAt(nStartIndex + i, copy.GetAt(i));
}
