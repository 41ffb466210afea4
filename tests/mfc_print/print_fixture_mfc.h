// The fixture of the class library's printing tests: a fresh window
// system, an output folder for the printed files and an empty call log.
#pragma once

#include "print_fixture.h"
#include "report_view.h"
#include "robot_test.h"

class PrintTest : public halvane::test::RobotTest {
 protected:
  void SetUp() override {
    RobotTest::SetUp();
    AfxSetResourceHandle(nullptr);
    CReportView::Calls().clear();
    CReportView::s_nPages = 2;
    CReportView::s_onFirstPage = nullptr;
  }
  void TearDown() override {
    CWnd::DeleteTempMap();
    RobotTest::TearDown();
  }

  halvane::test::PrintFolder folder;
};
