#include "afxcoll.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)
IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CStringList, CObject, 0)
IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)

void CObArray::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(GetSize()));
    for (CObject* pOb : m_data) ar << pOb;
    return;
  }
  RemoveAll();
  afx::LoadCounted(ar, [&](INT_PTR n) {
    for (INT_PTR i = 0; i < n; ++i) Add(ar.ReadObject(nullptr));
  });
}

void CObList::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) ar << GetNext(pos);
    return;
  }
  afx::LoadCounted(ar, [&](INT_PTR n) {
    for (INT_PTR i = 0; i < n; ++i) AddTail(ar.ReadObject(nullptr));
  });
}

namespace {

// The keyed object maps: a count, then each key followed by its object.
template <class MAP, class KEY>
void SerializeObjectMap(MAP& map, CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(map.GetCount()));
    KEY key{};
    CObject* pOb = nullptr;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
      map.GetNextAssoc(pos, key, pOb);
      ar << key << pOb;
    }
    return;
  }
  afx::LoadCounted(ar, [&](INT_PTR n) {
    for (INT_PTR i = 0; i < n; ++i) {
      KEY key{};
      ar >> key;
      map.SetAt(key, ar.ReadObject(nullptr));
    }
  });
}

}  // namespace

void CMapStringToOb::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  SerializeObjectMap<CMapStringToOb, CString>(*this, ar);
}

void CMapWordToOb::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  SerializeObjectMap<CMapWordToOb, WORD>(*this, ar);
}
