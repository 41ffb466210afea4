// Shared pieces of the Utils window tests: the fixture and a plain
// top-level window to own dialogs and wait windows.
#pragma once

#include <afxwin.h>

#include <ostream>

#include "mfc_test.h"

// Readable rectangles in failures.
inline void PrintTo(const CRect& rect, std::ostream* out) {
  *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

using UtilsWndTest = halvane::test::MfcTest;

inline bool CreateTopLevel(CWnd& wnd, const char* title, int cx = 400, int cy = 300) {
  return halvane::test::CreateTopLevel(wnd, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, cx, cy);
}
