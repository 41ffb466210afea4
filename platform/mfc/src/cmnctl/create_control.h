// Every common-control wrapper is a child made through CWnd with its class.
#pragma once

#include "mfc/wnd.h"

namespace afx {

inline BOOL CreateCommonControl(CWnd& control, LPCTSTR lpszClass, DWORD dwExStyle, DWORD dwStyle, const RECT& rect,
                                CWnd* pParentWnd, UINT nID) {
  return control.CWnd::CreateEx(dwExStyle, lpszClass, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

}  // namespace afx

// The Create and CreateEx of a wrapper whose creation is the class alone.
#define AFX_IMPLEMENT_CONTROL_CREATE(class_name, window_class)                                              \
  BOOL class_name::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {                    \
    return afx::CreateCommonControl(*this, window_class, 0, dwStyle, rect, pParentWnd, nID);                \
  }                                                                                                         \
  BOOL class_name::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) { \
    return afx::CreateCommonControl(*this, window_class, dwExStyle, dwStyle, rect, pParentWnd, nID);        \
  }
