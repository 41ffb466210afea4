// Element helpers the collection templates call: equality, hashing and
// serialisation. A program may specialise them for its own types.
#pragma once

#include <algorithm>
#include <type_traits>
#include <vector>

#include "afxstr.h"
#include "mfc/archive.h"

struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

template <class TYPE, class ARG_TYPE>
BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
  return *pElement1 == *pElement2;
}

namespace afx {

inline UINT HashString(const char* key) {
  // Characters count as signed, as on the original platform, so the hash
  // values (and with them the iteration order of maps) are the same.
  UINT nHash = 0;
  for (; key != nullptr && *key != '\0'; ++key)
    nHash = (nHash << 5) + nHash + static_cast<UINT>(static_cast<signed char>(*key));
  return nHash;
}

}  // namespace afx

template <class ARG_KEY>
UINT HashKey(ARG_KEY key) {
  using K = std::remove_cvref_t<ARG_KEY>;
  if constexpr (std::is_base_of_v<CString, K>) {
    return afx::HashString(key.GetString());
  } else if constexpr (std::is_same_v<K, const char*> || std::is_same_v<K, char*>) {
    return afx::HashString(key);
  } else if constexpr (std::is_pointer_v<K>) {
    return static_cast<UINT>(reinterpret_cast<ULONG_PTR>(key)) >> 4;
  } else {
    static_assert(std::is_integral_v<K> || std::is_enum_v<K>, "specialise HashKey for this key type");
    return static_cast<UINT>(static_cast<ULONG_PTR>(key)) >> 4;
  }
}

// Elements are stored bit for bit when they are plain data and through the
// archive's operators otherwise (CString and the like). A collection of a
// type with neither is still usable; only serialising it is refused.
template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount) {
  if (nCount <= 0) return;
  if constexpr (std::is_trivially_copyable_v<TYPE>) {
    const UINT nBytes = static_cast<UINT>(static_cast<size_t>(nCount) * sizeof(TYPE));
    if (ar.IsStoring()) {
      ar.Write(pElements, nBytes);
    } else if (ar.Read(pElements, nBytes) < nBytes) {
      AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
  } else if constexpr (requires {
                         ar << pElements[0];
                         ar >> pElements[0];
                       }) {
    for (INT_PTR i = 0; i < nCount; ++i) {
      if (ar.IsStoring()) {
        ar << pElements[i];
      } else {
        ar >> pElements[i];
      }
    }
  } else {
    AfxThrowNotSupportedException();
  }
}

namespace afx {

// Loading grows a collection piece by piece, so a corrupt count meets the
// end of the data before it can claim much memory.
constexpr INT_PTR kLoadChunk = 1024;

template <class Grow>
void LoadCounted(CArchive& ar, Grow grow) {
  for (INT_PTR remaining = static_cast<INT_PTR>(ar.ReadCount()); remaining > 0;) {
    const INT_PTR n = std::min(remaining, kLoadChunk);
    grow(n);
    remaining -= n;
  }
}

// Loads a collection of objects: `read(created)` reads one element and
// notes the objects it made. When the data goes bad on the way the
// exception goes on, and:
// - at the top of a load the collection keeps what was read, as the caller
//   owns its elements (and may keep what could be read);
// - inside an object's Serialize, which the archive frees for the failure,
//   `undo` puts the collection back and the objects this load made are
//   deleted, since nobody else holds them.
template <class Read, class Undo>
void LoadObjects(CArchive& ar, Read read, Undo undo) {
  std::vector<CObject*> created;
  try {
    LoadCounted(ar, [&](INT_PTR n) {
      for (INT_PTR i = 0; i < n; ++i) read(created);
    });
  } catch (...) {
    if (ar.IsReadingObject()) {
      undo();
      for (CObject* pOb : created) ar.DeleteLoadedObject(pOb);
    }
    throw;
  }
}

// One object read for LoadObjects.
inline CObject* ReadElement(CArchive& ar, std::vector<CObject*>& created) {
  BOOL bCreated = FALSE;
  CObject* pOb = ar.ReadObject(nullptr, bCreated);
  if (bCreated) created.push_back(pOb);
  return pOb;
}

}  // namespace afx
