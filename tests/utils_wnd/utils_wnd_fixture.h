// Shared pieces of the Utils window tests: the fixture and a plain
// top-level window to own dialogs and wait windows.
#pragma once

#include <afxwin.h>

#include <ostream>

#include "robot_test.h"

// Readable rectangles in failures.
inline void PrintTo(const CRect& rect, std::ostream* out) {
  *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

class UtilsWndTest : public halvane::test::RobotTest {
 protected:
  void SetUp() override {
    RobotTest::SetUp();
    AfxSetResourceHandle(nullptr);
  }
  void TearDown() override {
    CWnd::DeleteTempMap();
    RobotTest::TearDown();
  }
};

inline bool CreateTopLevel(CWnd& wnd, const char* title, int cx = 400, int cy = 300) {
  return wnd.CreateEx(0, nullptr, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, cx, cy, nullptr, nullptr) != FALSE;
}
