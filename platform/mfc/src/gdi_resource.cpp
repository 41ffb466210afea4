#include "gdi_resource.h"

#include "afxstr.h"

namespace afx {

HINSTANCE FindResourceModule(LPCTSTR lpszName, LPCTSTR lpszType) {
  const HINSTANCE current = AfxGetResourceHandle();
  if (::FindResource(current, lpszName, lpszType)) return current;
  return nullptr;
}

}  // namespace afx
