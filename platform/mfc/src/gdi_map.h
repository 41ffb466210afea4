// The per-thread handle map of GDI objects, shared by the wrappers'
// FromHandle members.
#pragma once

#include "mfc/gdi.h"
#include "mfc/handlemap.h"

namespace afx {

struct GdiObjectHandle {
  static void Set(CGdiObject& object, HGDIOBJ handle) { object.m_hObject = handle; }
  static void Clear(CGdiObject& object) { object.m_hObject = nullptr; }
};

using GdiHandleMap = HandleMap<CGdiObject, HGDIOBJ, GdiObjectHandle>;
GdiHandleMap& GdiMap();

}  // namespace afx

template <class T>
T* CGdiObject::TypedFromHandle(HGDIOBJ hObject) {
  return afx::GdiMap().FromHandle<T>(hObject);
}
