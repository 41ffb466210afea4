// CArray: a growable array over std::vector. As in the classic library,
// element references and GetData() stay valid only until the array grows.
#pragma once

#include <vector>

#include "mfc/collection_helpers.h"
#include "mfc/object.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  CArray() = default;

  INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return m_data.empty(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  // New elements are value-initialised (zero for plain data).
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
  void FreeExtra() { m_data.shrink_to_fit(); }
  void RemoveAll() { m_data.clear(); }

  const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
  TYPE& GetAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement);
  const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
  const TYPE* GetData() const { return m_data.data(); }
  TYPE* GetData() { return m_data.data(); }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
  INT_PTR Add(ARG_TYPE newElement);
  INT_PTR Append(const CArray& src);
  void Copy(const CArray& src);
  // An index past the end grows the array to reach it.
  void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
  void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray);
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

  void Serialize(CArchive& ar) override;

 protected:
  size_t Checked(INT_PTR nIndex) const {
    ASSERT(nIndex >= 0 && nIndex < GetSize());
    return static_cast<size_t>(nIndex);
  }

  std::vector<TYPE> m_data;
  INT_PTR m_nGrowBy = 0;
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy) {
  ASSERT(nNewSize >= 0);
  if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
  if (nNewSize < 0) return;
  const auto size = static_cast<size_t>(nNewSize);
  if (size > m_data.capacity() && m_nGrowBy > 0) {
    m_data.reserve(std::max(size, m_data.size() + static_cast<size_t>(m_nGrowBy)));
  }
  m_data.resize(size);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAt(INT_PTR nIndex, ARG_TYPE newElement) {
  ASSERT(nIndex >= 0 && nIndex < GetSize());
  if (nIndex >= 0 && nIndex < GetSize()) m_data[static_cast<size_t>(nIndex)] = newElement;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
  ASSERT(nIndex >= 0);
  if (nIndex < 0) return;
  TYPE copy(newElement);  // the argument may live in this array
  if (nIndex >= GetSize()) SetSize(nIndex + 1);
  m_data[static_cast<size_t>(nIndex)] = std::move(copy);
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement) {
  TYPE copy(newElement);
  m_data.push_back(std::move(copy));
  return GetUpperBound();
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src) {
  const INT_PTR nOldSize = GetSize();
  const std::vector<TYPE> copy(src.m_data);
  m_data.insert(m_data.end(), copy.begin(), copy.end());
  return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src) {
  if (this != &src) m_data = src.m_data;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount) {
  ASSERT(nIndex >= 0 && nCount > 0);
  if (nIndex < 0 || nCount <= 0) return;
  const TYPE copy(newElement);
  if (nIndex >= GetSize()) {
    SetSize(nIndex + nCount);
    std::fill(m_data.begin() + nIndex, m_data.end(), copy);
  } else {
    m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), copy);
  }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, const CArray* pNewArray) {
  ASSERT(pNewArray != nullptr && nStartIndex >= 0);
  if (pNewArray == nullptr || nStartIndex < 0 || pNewArray->IsEmpty()) return;
  const std::vector<TYPE> copy(pNewArray->m_data);
  if (nStartIndex > GetSize()) SetSize(nStartIndex);
  m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount) {
  ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= GetSize());
  if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize()) return;
  m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(GetSize()));
    SerializeElements<TYPE>(ar, m_data.data(), GetSize());
    return;
  }
  RemoveAll();
  afx::LoadCounted(ar, [&](INT_PTR n) {
    const INT_PTR nOld = GetSize();
    SetSize(nOld + n);
    SerializeElements<TYPE>(ar, m_data.data() + nOld, n);
  });
}
