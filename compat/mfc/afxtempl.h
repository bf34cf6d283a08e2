// MFC's collection templates: CList (doubly linked, nodes allocated in
// blocks of nBlockSize, walked with POSITION) and CArray. Misuse that MFC's
// debug build catches (empty-list RemoveHead, NULL POSITION, index out of
// range) ASSERTs.
#pragma once

#include <new>
#include <utility>

#include "afx.h"
#include "afxplex_.h"

template <class TYPE, class ARG_TYPE>
BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
  return *pElement1 == *pElement2;
}

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
 protected:
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    TYPE data;
  };

 public:
  explicit CList(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize) { ASSERT(nBlockSize > 0); }
  ~CList() override {
    RemoveAll();
    ASSERT(m_nCount == 0);
    if (m_pBlocks != NULL) m_pBlocks->FreeDataChain();
  }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  TYPE& GetHead() { ASSERT(m_pNodeHead != NULL); return m_pNodeHead->data; }
  const TYPE& GetHead() const { ASSERT(m_pNodeHead != NULL); return m_pNodeHead->data; }
  TYPE& GetTail() { ASSERT(m_pNodeTail != NULL); return m_pNodeTail->data; }
  const TYPE& GetTail() const { ASSERT(m_pNodeTail != NULL); return m_pNodeTail->data; }

  TYPE RemoveHead() {
    ASSERT(m_pNodeHead != NULL);  // don't call on an empty list
    CNode* pOldNode = m_pNodeHead;
    TYPE returnValue = pOldNode->data;
    m_pNodeHead = pOldNode->pNext;
    if (m_pNodeHead != NULL) m_pNodeHead->pPrev = NULL;
    else m_pNodeTail = NULL;
    FreeNode(pOldNode);
    return returnValue;
  }

  TYPE RemoveTail() {
    ASSERT(m_pNodeTail != NULL);  // don't call on an empty list
    CNode* pOldNode = m_pNodeTail;
    TYPE returnValue = pOldNode->data;
    m_pNodeTail = pOldNode->pPrev;
    if (m_pNodeTail != NULL) m_pNodeTail->pNext = NULL;
    else m_pNodeHead = NULL;
    FreeNode(pOldNode);
    return returnValue;
  }

  POSITION AddHead(ARG_TYPE newElement) {
    CNode* pNewNode = NewNode(NULL, m_pNodeHead);
    pNewNode->data = newElement;
    if (m_pNodeHead != NULL) m_pNodeHead->pPrev = pNewNode;
    else m_pNodeTail = pNewNode;
    m_pNodeHead = pNewNode;
    return ToPosition(pNewNode);
  }

  POSITION AddTail(ARG_TYPE newElement) {
    CNode* pNewNode = NewNode(m_pNodeTail, NULL);
    pNewNode->data = newElement;
    if (m_pNodeTail != NULL) m_pNodeTail->pNext = pNewNode;
    else m_pNodeHead = pNewNode;
    m_pNodeTail = pNewNode;
    return ToPosition(pNewNode);
  }

  // Adds copies of another list's elements, keeping their order.
  void AddHead(CList* pNewList) {
    ASSERT(pNewList != NULL);
    POSITION pos = pNewList->GetTailPosition();
    while (pos != NULL) AddHead(pNewList->GetPrev(pos));
  }
  void AddTail(CList* pNewList) {
    ASSERT(pNewList != NULL);
    POSITION pos = pNewList->GetHeadPosition();
    while (pos != NULL) AddTail(pNewList->GetNext(pos));
  }

  // Empties the list. Its node blocks stay for the elements added next (the
  // first of them gets the old head's node) and are freed with the list.
  void RemoveAll() {
    for (CNode* pNode = m_pNodeTail; pNode != NULL;) {
      CNode* pPrev = pNode->pPrev;
      pNode->data.~TYPE();
      pNode->pNext = m_pNodeFree;
      m_pNodeFree = pNode;
      pNode = pPrev;
    }
    m_nCount = 0;
    m_pNodeHead = m_pNodeTail = NULL;
  }

  POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
  POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }

  // Return the element at rPosition and move rPosition on (NULL past the end).
  TYPE& GetNext(POSITION& rPosition) {
    CNode* pNode = FromPosition(rPosition);
    rPosition = ToPosition(pNode->pNext);
    return pNode->data;
  }
  const TYPE& GetNext(POSITION& rPosition) const {
    CNode* pNode = FromPosition(rPosition);
    rPosition = ToPosition(pNode->pNext);
    return pNode->data;
  }
  TYPE& GetPrev(POSITION& rPosition) {
    CNode* pNode = FromPosition(rPosition);
    rPosition = ToPosition(pNode->pPrev);
    return pNode->data;
  }
  const TYPE& GetPrev(POSITION& rPosition) const {
    CNode* pNode = FromPosition(rPosition);
    rPosition = ToPosition(pNode->pPrev);
    return pNode->data;
  }

  TYPE& GetAt(POSITION position) { return FromPosition(position)->data; }
  const TYPE& GetAt(POSITION position) const { return FromPosition(position)->data; }
  void SetAt(POSITION pos, ARG_TYPE newElement) { FromPosition(pos)->data = newElement; }

  void RemoveAt(POSITION position) {
    CNode* pOldNode = FromPosition(position);
    if (pOldNode == m_pNodeHead) m_pNodeHead = pOldNode->pNext;
    else pOldNode->pPrev->pNext = pOldNode->pNext;
    if (pOldNode == m_pNodeTail) m_pNodeTail = pOldNode->pPrev;
    else pOldNode->pNext->pPrev = pOldNode->pPrev;
    FreeNode(pOldNode);
  }

  // NULL as position inserts at the head (InsertBefore) or tail (InsertAfter).
  POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
    if (position == NULL) return AddHead(newElement);
    CNode* pOldNode = FromPosition(position);
    CNode* pNewNode = NewNode(pOldNode->pPrev, pOldNode);
    pNewNode->data = newElement;
    if (pOldNode->pPrev != NULL) pOldNode->pPrev->pNext = pNewNode;
    else m_pNodeHead = pNewNode;
    pOldNode->pPrev = pNewNode;
    return ToPosition(pNewNode);
  }

  POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
    if (position == NULL) return AddTail(newElement);
    CNode* pOldNode = FromPosition(position);
    CNode* pNewNode = NewNode(pOldNode, pOldNode->pNext);
    pNewNode->data = newElement;
    if (pOldNode->pNext != NULL) pOldNode->pNext->pPrev = pNewNode;
    else m_pNodeTail = pNewNode;
    pOldNode->pNext = pNewNode;
    return ToPosition(pNewNode);
  }

  // The first element equal to searchValue after startAfter (from the head
  // when NULL), or NULL.
  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const {
    CNode* pNode = startAfter == NULL ? m_pNodeHead : FromPosition(startAfter)->pNext;
    for (; pNode != NULL; pNode = pNode->pNext) {
      if (CompareElements<TYPE>(&pNode->data, &searchValue)) return ToPosition(pNode);
    }
    return NULL;
  }

  // The position of the zero-based nIndex-th element, NULL when out of range.
  POSITION FindIndex(INT_PTR nIndex) const {
    if (nIndex >= m_nCount || nIndex < 0) return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex--) pNode = pNode->pNext;
    return ToPosition(pNode);
  }

  void AssertValid() const override {
    CObject::AssertValid();
    ASSERT(m_nCount == 0 ? (m_pNodeHead == NULL && m_pNodeTail == NULL)
                         : (m_pNodeHead != NULL && m_pNodeTail != NULL));
  }

 protected:
  static POSITION ToPosition(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
  static CNode* FromPosition(POSITION pos) {
    ASSERT(pos != NULL && pos != BEFORE_START_POSITION);
    return reinterpret_cast<CNode*>(pos);
  }

  CNode* NewNode(CNode* pPrev, CNode* pNext) {
    if (m_pNodeFree == NULL) {
      CPlex* pNewBlock = CPlex::Create(m_pBlocks, static_cast<size_t>(m_nBlockSize), sizeof(CNode));
      // Chain the block's nodes into the free list so that the first node of
      // the block is handed out first.
      CNode* pNode = static_cast<CNode*>(pNewBlock->data()) + (m_nBlockSize - 1);
      for (INT_PTR i = m_nBlockSize - 1; i >= 0; i--, pNode--) {
        pNode->pNext = m_pNodeFree;
        m_pNodeFree = pNode;
      }
    }
    CNode* pNode = m_pNodeFree;
    m_pNodeFree = m_pNodeFree->pNext;
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    m_nCount++;
    ASSERT(m_nCount > 0);
    ::new (static_cast<void*>(&pNode->data)) TYPE();
    return pNode;
  }

  void FreeNode(CNode* pNode) {
    pNode->data.~TYPE();
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    m_nCount--;
    ASSERT(m_nCount >= 0);
  }

  CNode* m_pNodeHead = NULL;
  CNode* m_pNodeTail = NULL;
  INT_PTR m_nCount = 0;
  CNode* m_pNodeFree = NULL;
  CPlex* m_pBlocks = NULL;
  INT_PTR m_nBlockSize;
};

// A growable array of TYPE elements passed as ARG_TYPE.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  CArray() = default;
  ~CArray() override { delete[] m_pData; }

  INT_PTR GetSize() const { return m_nSize; }
  INT_PTR GetCount() const { return m_nSize; }
  BOOL IsEmpty() const { return m_nSize == 0; }
  INT_PTR GetUpperBound() const { return m_nSize - 1; }

  // Grows with default-constructed elements or shrinks to nNewSize. As in
  // MFC, new elements of a plain type are zero (MFC clears the memory before
  // constructing them).
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
    ASSERT(nNewSize >= 0);
    if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
    if (nNewSize > m_nMaxSize) {
      INT_PTR nGrow = m_nGrowBy;
      if (nGrow == 0) nGrow = m_nSize / 8 < 4 ? 4 : (m_nSize / 8 > 1024 ? 1024 : m_nSize / 8);
      INT_PTR nNewMax = m_nMaxSize + nGrow < nNewSize ? nNewSize : m_nMaxSize + nGrow;
      TYPE* pNewData = new TYPE[static_cast<size_t>(nNewMax)]();
      for (INT_PTR i = 0; i < m_nSize; i++) pNewData[i] = std::move(m_pData[i]);
      delete[] m_pData;
      m_pData = pNewData;
      m_nMaxSize = nNewMax;
    }
    for (INT_PTR i = nNewSize; i < m_nSize; i++) m_pData[i] = TYPE();
    m_nSize = nNewSize;
  }
  void RemoveAll() { SetSize(0); }
  void FreeExtra() {}

  TYPE& GetAt(INT_PTR nIndex) { CheckIndex(nIndex); return m_pData[nIndex]; }
  const TYPE& GetAt(INT_PTR nIndex) const { CheckIndex(nIndex); return m_pData[nIndex]; }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { CheckIndex(nIndex); m_pData[nIndex] = newElement; }
  TYPE& ElementAt(INT_PTR nIndex) { CheckIndex(nIndex); return m_pData[nIndex]; }
  const TYPE& ElementAt(INT_PTR nIndex) const { CheckIndex(nIndex); return m_pData[nIndex]; }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE* GetData() { return m_pData; }
  const TYPE* GetData() const { return m_pData; }

  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
    ASSERT(nIndex >= 0);
    if (nIndex >= m_nSize) SetSize(nIndex + 1);
    m_pData[nIndex] = newElement;
  }
  INT_PTR Add(ARG_TYPE newElement) {
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
  }
  INT_PTR Append(const CArray& src) {
    ASSERT(this != &src);
    INT_PTR nOldSize = m_nSize;
    SetSize(m_nSize + src.m_nSize);
    for (INT_PTR i = 0; i < src.m_nSize; i++) m_pData[nOldSize + i] = src.m_pData[i];
    return nOldSize;
  }
  void Copy(const CArray& src) {
    if (this == &src) return;
    SetSize(src.m_nSize);
    for (INT_PTR i = 0; i < src.m_nSize; i++) m_pData[i] = src.m_pData[i];
  }

  // Inserting at or past the end grows the array first.
  void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
    ASSERT(nIndex >= 0);
    ASSERT(nCount > 0);
    TYPE copy = newElement;  // newElement may live in this array
    if (nIndex >= m_nSize) {
      SetSize(nIndex + nCount);
    } else {
      INT_PTR nOldSize = m_nSize;
      SetSize(m_nSize + nCount);
      for (INT_PTR i = nOldSize - 1; i >= nIndex; i--) m_pData[i + nCount] = std::move(m_pData[i]);
    }
    for (INT_PTR i = 0; i < nCount; i++) m_pData[nIndex + i] = copy;
  }
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
    ASSERT(nIndex >= 0);
    ASSERT(nCount >= 0);
    ASSERT(nIndex + nCount <= m_nSize);
    for (INT_PTR i = nIndex; i + nCount < m_nSize; i++) m_pData[i] = std::move(m_pData[i + nCount]);
    SetSize(m_nSize - nCount);
  }

 private:
  void CheckIndex(INT_PTR nIndex) const { ASSERT(nIndex >= 0 && nIndex < m_nSize); }

  TYPE* m_pData = NULL;
  INT_PTR m_nSize = 0;
  INT_PTR m_nMaxSize = 0;
  INT_PTR m_nGrowBy = 0;
};
