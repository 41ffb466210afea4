// CMap: a hash table of chained buckets (17 unless InitHashTable says
// otherwise; it never grows by itself). Iteration runs bucket by bucket,
// each chain newest first: a fixed order for a given history of inserts,
// the same as the classic library's for its HashKey. InitHashTable on a
// filled map rehashes the entries (the classic library requires it empty).
// Removing an entry leaves the POSITIONs of the others valid.
#pragma once

#include <list>
#include <type_traits>
#include <vector>

#include "mfc/collection_helpers.h"
#include "mfc/object.h"

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
 public:
  typedef KEY BASE_KEY;
  typedef ARG_KEY BASE_ARG_KEY;
  typedef VALUE BASE_VALUE;
  typedef ARG_VALUE BASE_ARG_VALUE;

  explicit CMap(INT_PTR /*nBlockSize*/ = 10) {}

  INT_PTR GetCount() const { return static_cast<INT_PTR>(m_nodes.size()); }
  INT_PTR GetSize() const { return GetCount(); }
  BOOL IsEmpty() const { return m_nodes.empty(); }

  BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
  // The value for the key, added (value-initialised) when missing.
  VALUE& operator[](ARG_KEY key);
  void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
  BOOL RemoveKey(ARG_KEY key);
  void RemoveAll();

  POSITION GetStartPosition() const { return ToPosition(FirstFrom(0)); }
  void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

  UINT GetHashTableSize() const { return m_nHashTableSize; }
  void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

  void Serialize(CArchive& ar) override;

 private:
  struct CAssoc;
  using Nodes = std::list<CAssoc>;
  struct CAssoc {
    CAssoc* pNext;
    UINT nHashValue;
    KEY key;
    VALUE value;
    typename Nodes::iterator self;
  };

  static POSITION ToPosition(const CAssoc* pAssoc) { return reinterpret_cast<POSITION>(const_cast<CAssoc*>(pAssoc)); }
  UINT BucketOf(UINT nHashValue) const { return nHashValue % m_nHashTableSize; }
  CAssoc* Find(ARG_KEY key) const;
  CAssoc* FirstFrom(UINT nBucket) const;
  CAssoc* NextOf(const CAssoc* pAssoc) const {
    return pAssoc->pNext != nullptr ? pAssoc->pNext : FirstFrom(BucketOf(pAssoc->nHashValue) + 1);
  }
  void Link(CAssoc* pAssoc);

  std::vector<CAssoc*> m_buckets;  // chain heads; the nodes belong to m_nodes
  Nodes m_nodes;
  UINT m_nHashTableSize = 17;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Find(ARG_KEY key) const {
  if (m_buckets.empty()) return nullptr;
  for (CAssoc* p = m_buckets[BucketOf(HashKey<ARG_KEY>(key))]; p != nullptr; p = p->pNext) {
    if (CompareElements<KEY, std::remove_cvref_t<ARG_KEY>>(&p->key, &key)) return p;
  }
  return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FirstFrom(
    UINT nBucket) const {
  for (UINT i = nBucket; i < m_buckets.size(); ++i) {
    if (m_buckets[i] != nullptr) return m_buckets[i];
  }
  return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Link(CAssoc* pAssoc) {
  CAssoc*& head = m_buckets[BucketOf(pAssoc->nHashValue)];
  pAssoc->pNext = head;
  head = pAssoc;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const {
  const CAssoc* pAssoc = Find(key);
  if (pAssoc == nullptr) return FALSE;
  rValue = pAssoc->value;
  return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key) {
  if (CAssoc* pAssoc = Find(key)) return pAssoc->value;
  if (m_buckets.empty()) m_buckets.assign(m_nHashTableSize, nullptr);
  const auto it = m_nodes.insert(m_nodes.end(), CAssoc{nullptr, HashKey<ARG_KEY>(key), KEY(key), VALUE{}, {}});
  it->self = it;
  Link(&*it);
  return it->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key) {
  const CAssoc* pAssoc = Find(key);
  if (pAssoc == nullptr) return FALSE;
  for (CAssoc** link = &m_buckets[BucketOf(pAssoc->nHashValue)]; *link != nullptr; link = &(*link)->pNext) {
    if (*link == pAssoc) {
      *link = pAssoc->pNext;
      break;
    }
  }
  m_nodes.erase(pAssoc->self);
  return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll() {
  m_buckets.clear();
  m_nodes.clear();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
  ASSERT(rNextPosition != nullptr);
  if (rNextPosition == nullptr) return;
  const CAssoc* pAssoc = reinterpret_cast<const CAssoc*>(rNextPosition);
  rKey = pAssoc->key;
  rValue = pAssoc->value;
  rNextPosition = ToPosition(NextOf(pAssoc));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow) {
  ASSERT(hashSize > 0);
  if (hashSize == 0) return;
  // Rehash in iteration order, so the new order follows from the old one.
  std::vector<CAssoc*> order;
  for (POSITION pos = GetStartPosition(); pos != nullptr;) {
    CAssoc* pAssoc = reinterpret_cast<CAssoc*>(pos);
    order.push_back(pAssoc);
    pos = ToPosition(NextOf(pAssoc));
  }
  m_nHashTableSize = hashSize;
  m_buckets.clear();
  if (bAllocNow || !order.empty()) m_buckets.assign(hashSize, nullptr);
  for (CAssoc* pAssoc : order) Link(pAssoc);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
    for (POSITION pos = GetStartPosition(); pos != nullptr;) {
      CAssoc* pAssoc = reinterpret_cast<CAssoc*>(pos);
      SerializeElements<KEY>(ar, &pAssoc->key, 1);
      SerializeElements<VALUE>(ar, &pAssoc->value, 1);
      pos = ToPosition(NextOf(pAssoc));
    }
    return;
  }
  afx::LoadCounted(ar, [&](INT_PTR n) {
    for (INT_PTR i = 0; i < n; ++i) {
      KEY newKey{};
      VALUE newValue{};
      SerializeElements<KEY>(ar, &newKey, 1);
      SerializeElements<VALUE>(ar, &newValue, 1);
      SetAt(newKey, newValue);
    }
  });
}
