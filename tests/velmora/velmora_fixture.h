// The fixture of the library's window tests: a fresh window system, the
// host program's resources current, an application object as the host.
#pragma once

#include <afxwin.h>

#include "robot_test.h"

class VelmoraTest : public halvane::test::RobotTest {
 protected:
  void SetUp() override {
    RobotTest::SetUp();
    AfxSetResourceHandle(nullptr);
  }
  void TearDown() override {
    CWnd::DeleteTempMap();
    RobotTest::TearDown();
  }

  static HINSTANCE Host() { return ::GetModuleHandle(nullptr); }
  static HINSTANCE Library() { return ::GetModuleHandle("velmora"); }
};
