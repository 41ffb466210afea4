// An array of object pointers that owns its elements: whatever it holds
// when it is emptied or destroyed is deleted. Callers may still take an
// element out (RemoveAt) to keep it, or put in objects they made with new.
#pragma once

#include <afxtempl.h>

template <class T>
class AFX_EXT_CLASS COwnedPtrArray : public CArray<T*, T*> {
 public:
  COwnedPtrArray() = default;
  ~COwnedPtrArray() override { DeleteAll(); }

  void DeleteAll() {
    for (T* p : this->m_data) delete p;
    this->m_data.clear();
  }
  // Deletes the element and closes the gap.
  void DeleteAt(INT_PTR nIndex) {
    delete this->GetAt(nIndex);
    this->RemoveAt(nIndex);
  }
};
