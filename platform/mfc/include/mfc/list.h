// CList: a doubly linked list addressed by POSITION. Nodes never move, so a
// POSITION stays valid until its own element is removed.
#pragma once

#include <iterator>
#include <list>
#include <type_traits>

#include "mfc/collection_helpers.h"
#include "mfc/object.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
 public:
  explicit CList(INT_PTR /*nBlockSize*/ = 10) {}

  INT_PTR GetCount() const { return static_cast<INT_PTR>(m_nodes.size()); }
  INT_PTR GetSize() const { return GetCount(); }
  BOOL IsEmpty() const { return m_nodes.empty(); }

  TYPE& GetHead() { return Front().data; }
  const TYPE& GetHead() const { return Front().data; }
  TYPE& GetTail() { return Back().data; }
  const TYPE& GetTail() const { return Back().data; }
  TYPE RemoveHead();
  TYPE RemoveTail();
  // Counts every insertion, removal and SetAt: an index kept beside a list
  // that others change too knows from it when to look again.
  UINT_PTR GetChangeCount() const { return m_nChanges; }

  POSITION AddHead(ARG_TYPE newElement) { return Insert(m_nodes.begin(), newElement); }
  POSITION AddTail(ARG_TYPE newElement) { return Insert(m_nodes.end(), newElement); }
  void AddHead(const CList* pNewList);
  void AddTail(const CList* pNewList);
  void RemoveAll() {
    m_nodes.clear();
    ++m_nChanges;
  }

  POSITION GetHeadPosition() const { return m_nodes.empty() ? nullptr : ToPosition(m_nodes.front()); }
  POSITION GetTailPosition() const { return m_nodes.empty() ? nullptr : ToPosition(m_nodes.back()); }
  TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true).data; }
  const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, true).data; }
  TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false).data; }
  const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, false).data; }
  TYPE& GetAt(POSITION position) { return FromPosition(position).data; }
  const TYPE& GetAt(POSITION position) const { return FromPosition(position).data; }
  void SetAt(POSITION pos, ARG_TYPE newElement) {
    FromPosition(pos).data = newElement;
    ++m_nChanges;
  }
  void RemoveAt(POSITION position) {
    m_nodes.erase(FromPosition(position).self);
    ++m_nChanges;
  }

  // A null position inserts at the head (before) or the tail (after).
  POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
  POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
  POSITION FindIndex(INT_PTR nIndex) const;

  void Serialize(CArchive& ar) override;

 private:
  struct CNode;
  using Nodes = std::list<CNode>;
  struct CNode {
    TYPE data;
    typename Nodes::iterator self;
  };

  static POSITION ToPosition(const CNode& node) { return reinterpret_cast<POSITION>(const_cast<CNode*>(&node)); }
  static CNode& FromPosition(POSITION position) {
    ASSERT(position != nullptr);
    return *reinterpret_cast<CNode*>(position);
  }
  CNode& Front() const {
    ASSERT(!m_nodes.empty());
    return const_cast<CNode&>(m_nodes.front());
  }
  CNode& Back() const {
    ASSERT(!m_nodes.empty());
    return const_cast<CNode&>(m_nodes.back());
  }
  CNode& Step(POSITION& rPosition, bool forward) const;
  POSITION Insert(typename Nodes::iterator where, ARG_TYPE newElement);

  Nodes m_nodes;
  UINT_PTR m_nChanges = 0;
};

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Insert(typename Nodes::iterator where, ARG_TYPE newElement) {
  const auto it = m_nodes.insert(where, CNode{TYPE(newElement), {}});
  it->self = it;
  ++m_nChanges;
  return ToPosition(*it);
}

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode& CList<TYPE, ARG_TYPE>::Step(POSITION& rPosition, bool forward) const {
  CNode& node = FromPosition(rPosition);
  auto it = node.self;
  if (forward) {
    ++it;
    rPosition = it == m_nodes.end() ? nullptr : ToPosition(*it);
  } else {
    rPosition = it == m_nodes.begin() ? nullptr : ToPosition(*--it);
  }
  return node;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead() {
  TYPE value = Front().data;
  m_nodes.pop_front();
  ++m_nChanges;
  return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail() {
  TYPE value = Back().data;
  m_nodes.pop_back();
  ++m_nChanges;
  return value;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(const CList* pNewList) {
  if (pNewList == nullptr) return;
  // Copied first: the argument may be this list.
  const auto where = m_nodes.begin();
  for (const CNode& node : Nodes(pNewList->m_nodes)) Insert(where, node.data);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(const CList* pNewList) {
  if (pNewList == nullptr) return;
  for (const CNode& node : Nodes(pNewList->m_nodes)) Insert(m_nodes.end(), node.data);  // copied likewise
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement) {
  if (position == nullptr) return AddHead(newElement);
  return Insert(FromPosition(position).self, newElement);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement) {
  if (position == nullptr) return AddTail(newElement);
  return Insert(std::next(FromPosition(position).self), newElement);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const {
  auto it = startAfter == nullptr ? m_nodes.begin()
                                  : std::next(typename Nodes::const_iterator(FromPosition(startAfter).self));
  for (; it != m_nodes.end(); ++it) {
    if (CompareElements<TYPE, std::remove_cvref_t<ARG_TYPE>>(&it->data, &searchValue)) return ToPosition(*it);
  }
  return nullptr;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const {
  if (nIndex < 0 || nIndex >= GetCount()) return nullptr;
  auto it = m_nodes.begin();
  std::advance(it, nIndex);
  return ToPosition(*it);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
    for (CNode& node : m_nodes) SerializeElements<TYPE>(ar, &node.data, 1);
    return;
  }
  afx::LoadCounted(ar, [&](INT_PTR n) {
    for (INT_PTR i = 0; i < n; ++i) {
      TYPE newData{};
      SerializeElements<TYPE>(ar, &newData, 1);
      AddTail(newData);
    }
  });
}
