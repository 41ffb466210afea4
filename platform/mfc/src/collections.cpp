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
  afx::LoadObjects(
      ar, [&](std::vector<CObject*>& created) { Add(afx::ReadElement(ar, created)); }, [&] { RemoveAll(); });
}

void CObList::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) ar << GetNext(pos);
    return;
  }
  const INT_PTR nBefore = GetCount();
  afx::LoadObjects(
      ar, [&](std::vector<CObject*>& created) { AddTail(afx::ReadElement(ar, created)); },
      [&] {
        while (GetCount() > nBefore) RemoveTail();
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
  // The undo puts back what the map held, also the entries a key read
  // again replaced.
  std::vector<std::pair<KEY, CObject*>> before;
  KEY key{};
  CObject* pOb = nullptr;
  for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
    map.GetNextAssoc(pos, key, pOb);
    before.emplace_back(key, pOb);
  }
  afx::LoadObjects(
      ar,
      [&](std::vector<CObject*>& created) {
        KEY newKey{};
        ar >> newKey;
        map.SetAt(newKey, afx::ReadElement(ar, created));
      },
      [&] {
        map.RemoveAll();
        for (const auto& [oldKey, pOld] : before) map.SetAt(oldKey, pOld);
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
