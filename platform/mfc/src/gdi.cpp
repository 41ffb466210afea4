// CGdiObject: ownership of a GDI handle and the per-thread handle map.
#include "gdi_map.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace afx {

GdiHandleMap& GdiMap() {
  thread_local GdiHandleMap map;
  return map;
}

}  // namespace afx

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) { return TypedFromHandle<CGdiObject>(hObject); }

void PASCAL CGdiObject::DeleteTempMap() { afx::GdiMap().DeleteTemp(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (!hObject || m_hObject) return FALSE;
  m_hObject = hObject;
  afx::GdiMap().SetPermanent(hObject, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  if (hObject) afx::GdiMap().RemoveHandle(hObject, this);
  m_hObject = nullptr;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  return ::DeleteObject(Detach());
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hObject) {
  if (Attach(hObject)) return TRUE;
  if (hObject) ::DeleteObject(hObject);
  return FALSE;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
  return m_hObject ? ::GetObject(m_hObject, nCount, lpObject) : 0;
}

UINT CGdiObject::GetObjectType() const { return m_hObject ? ::GetObjectType(m_hObject) : 0; }

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }

BOOL CGdiObject::UnrealizeObject() { return m_hObject ? ::UnrealizeObject(m_hObject) : FALSE; }
