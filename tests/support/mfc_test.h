// The fixture of class-library window tests: RobotTest with the program's
// own resources current and no temporary CWnd objects left for the next
// test. Header-only: test_support itself does not link the class library.
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

}  // namespace halvane::test
