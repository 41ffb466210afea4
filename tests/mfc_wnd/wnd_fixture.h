// Shared helpers of the window-layer tests: the fixture (a fresh window
// system, no temporary objects left from another test) and a plain
// top-level window to hang children on.
#pragma once

#include <afxext.h>

#include "mfc_test.h"

using WndTest = halvane::test::MfcTest;

// A popup made through CWnd::CreateEx with the class library's default class.
inline bool CreateTopLevel(CWnd& wnd, const char* title, DWORD style = WS_OVERLAPPEDWINDOW) {
  return wnd.CreateEx(0, nullptr, title, style, 10, 10, 300, 200, nullptr, nullptr) != FALSE;
}
