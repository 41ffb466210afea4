// A list of object pointers that owns its elements: whatever it holds when
// it is emptied or destroyed is deleted. It stays a CList, so it can be
// handed to calls that read such lists (the server's AddConnector copies).
#pragma once

#include <afxtempl.h>

template <class T>
class COwnedPtrList : public CList<T*, T*> {
 public:
  COwnedPtrList() = default;
  COwnedPtrList(const COwnedPtrList&) = delete;
  COwnedPtrList& operator=(const COwnedPtrList&) = delete;
  ~COwnedPtrList() override { DeleteAll(); }

  void DeleteAll() {
    while (!this->IsEmpty()) delete this->RemoveHead();
  }
  // Deletes the element at the position and unlinks it.
  void DeleteAt(POSITION position) {
    delete this->GetAt(position);
    this->RemoveAt(position);
  }
  // The first element the predicate accepts, or null.
  template <class Pred>
  T* FindFirst(Pred pred) const {
    for (POSITION pos = this->GetHeadPosition(); pos != nullptr;) {
      T* item = this->GetNext(pos);
      if (pred(*item)) return item;
    }
    return nullptr;
  }
  template <class Pred>
  POSITION FindFirstPosition(Pred pred) const {
    for (POSITION pos = this->GetHeadPosition(); pos != nullptr;) {
      const POSITION at = pos;
      if (pred(*this->GetNext(pos))) return at;
    }
    return nullptr;
  }
};
