// This thread's map of window handles to CWnd objects.
#pragma once

#include "mfc/handlemap.h"
#include "mfc/wnd.h"

struct AfxWndHandleTraits {
  static void Set(CWnd& wnd, HWND h) { wnd.m_hWnd = h; }
  static void Clear(CWnd& wnd) { wnd.m_hWnd = nullptr; }
};

using AfxWndHandleMap = afx::HandleMap<CWnd, HWND, AfxWndHandleTraits>;
AfxWndHandleMap& AfxGetWndHandleMap();
