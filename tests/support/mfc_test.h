// The fixture of class-library window tests (RobotTest with the program's
// own resources current and no temporary CWnd objects left for the next
// test) and a window to hang children on. Header-only: test_support itself
// does not link the class library.
#pragma once

#include <afxwin.h>

#include "robot_test.h"

namespace halvane::test {

class MfcTest : public RobotTest {
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

// A top-level window made through CWnd::CreateEx with the class library's
// default class.
inline bool CreateTopLevel(CWnd& wnd, const char* title, DWORD style = WS_OVERLAPPEDWINDOW, int cx = 300,
                           int cy = 200) {
  return wnd.CreateEx(0, nullptr, title, style, 10, 10, cx, cy, nullptr, nullptr) != FALSE;
}

// `frame` (which deletes itself with its window) made over `pDoc`, titled
// `title` both, with a view of `pViewClass`. On failure the document goes too.
inline bool CreateDocFrame(CFrameWnd& frame, CDocument* pDoc, CRuntimeClass* pViewClass, const char* title,
                           LPCTSTR lpszMenuName = nullptr) {
  pDoc->SetTitle(title);
  CCreateContext context;
  context.m_pNewViewClass = pViewClass;
  context.m_pCurrentDoc = pDoc;
  if (frame.Create(nullptr, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(10, 10, 610, 460), nullptr, lpszMenuName, 0,
                   &context))
    return true;
  delete pDoc;
  return false;
}

}  // namespace halvane::test
