// MFC's non-template collections: CStringArray (and CStringList), with the
// index ASSERTs of MFC's debug build.
#pragma once

#include "afx.h"
#include "afxtempl.h"

class AFX_CLASS_EXPORT CStringArray : public CObject {
  DECLARE_DYNAMIC(CStringArray)

 public:
  CStringArray() = default;

  INT_PTR GetSize() const { return m_array.GetSize(); }
  INT_PTR GetCount() const { return m_array.GetCount(); }
  BOOL IsEmpty() const { return m_array.IsEmpty(); }
  INT_PTR GetUpperBound() const { return m_array.GetUpperBound(); }
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) { m_array.SetSize(nNewSize, nGrowBy); }
  void FreeExtra() { m_array.FreeExtra(); }
  void RemoveAll() { m_array.RemoveAll(); }

  const CString& GetAt(INT_PTR nIndex) const { return m_array.GetAt(nIndex); }
  void SetAt(INT_PTR nIndex, const char* newElement) { m_array.SetAt(nIndex, CString(newElement)); }
  void SetAt(INT_PTR nIndex, const CString& newElement) { m_array.SetAt(nIndex, newElement); }
  CString& ElementAt(INT_PTR nIndex) { return m_array.ElementAt(nIndex); }
  const CString* GetData() const { return m_array.GetData(); }
  CString* GetData() { return m_array.GetData(); }
  const CString& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  CString& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

  void SetAtGrow(INT_PTR nIndex, const char* newElement) { m_array.SetAtGrow(nIndex, CString(newElement)); }
  void SetAtGrow(INT_PTR nIndex, const CString& newElement) { m_array.SetAtGrow(nIndex, newElement); }
  // Append at the end; returns the new element's index.
  INT_PTR Add(const char* newElement) { return m_array.Add(CString(newElement)); }
  INT_PTR Add(const CString& newElement) { return m_array.Add(newElement); }
  INT_PTR Append(const CStringArray& src) { return m_array.Append(src.m_array); }
  void Copy(const CStringArray& src) { m_array.Copy(src.m_array); }

  // Inserting at or past the end grows the array (with empty strings) first.
  void InsertAt(INT_PTR nIndex, const char* newElement, INT_PTR nCount = 1) {
    m_array.InsertAt(nIndex, CString(newElement), nCount);
  }
  void InsertAt(INT_PTR nIndex, const CString& newElement, INT_PTR nCount = 1) {
    m_array.InsertAt(nIndex, newElement, nCount);
  }
  void InsertAt(INT_PTR nStartIndex, const CStringArray* pNewArray);
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) { m_array.RemoveAt(nIndex, nCount); }

 private:
  CArray<CString, const CString&> m_array;
};

class AFX_CLASS_EXPORT CStringList : public CObject {
  DECLARE_DYNAMIC(CStringList)

 public:
  explicit CStringList(INT_PTR nBlockSize = 10) : m_list(nBlockSize) {}

  INT_PTR GetCount() const { return m_list.GetCount(); }
  INT_PTR GetSize() const { return m_list.GetSize(); }
  BOOL IsEmpty() const { return m_list.IsEmpty(); }
  CString& GetHead() { return m_list.GetHead(); }
  const CString& GetHead() const { return m_list.GetHead(); }
  CString& GetTail() { return m_list.GetTail(); }
  const CString& GetTail() const { return m_list.GetTail(); }
  CString RemoveHead() { return m_list.RemoveHead(); }
  CString RemoveTail() { return m_list.RemoveTail(); }
  POSITION AddHead(const char* newElement) { return m_list.AddHead(CString(newElement)); }
  POSITION AddTail(const char* newElement) { return m_list.AddTail(CString(newElement)); }
  void RemoveAll() { m_list.RemoveAll(); }
  POSITION GetHeadPosition() const { return m_list.GetHeadPosition(); }
  POSITION GetTailPosition() const { return m_list.GetTailPosition(); }
  CString& GetNext(POSITION& rPosition) { return m_list.GetNext(rPosition); }
  const CString& GetNext(POSITION& rPosition) const { return m_list.GetNext(rPosition); }
  CString& GetPrev(POSITION& rPosition) { return m_list.GetPrev(rPosition); }
  const CString& GetPrev(POSITION& rPosition) const { return m_list.GetPrev(rPosition); }
  CString& GetAt(POSITION position) { return m_list.GetAt(position); }
  const CString& GetAt(POSITION position) const { return m_list.GetAt(position); }
  void SetAt(POSITION pos, const char* newElement) { m_list.SetAt(pos, CString(newElement)); }
  void RemoveAt(POSITION position) { m_list.RemoveAt(position); }
  POSITION InsertBefore(POSITION position, const char* newElement) {
    return m_list.InsertBefore(position, CString(newElement));
  }
  POSITION InsertAfter(POSITION position, const char* newElement) {
    return m_list.InsertAfter(position, CString(newElement));
  }
  POSITION Find(const char* searchValue, POSITION startAfter = NULL) const {
    return m_list.Find(CString(searchValue), startAfter);
  }
  POSITION FindIndex(INT_PTR nIndex) const { return m_list.FindIndex(nIndex); }

 private:
  CList<CString, const CString&> m_list;
};
