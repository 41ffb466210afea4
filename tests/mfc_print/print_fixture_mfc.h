// The fixture of the class library's printing tests: a fresh window
// system, an output folder for the printed files and an empty call log.
#pragma once

#include "print_fixture.h"
#include "report_view.h"
#include "mfc_test.h"

class PrintTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override {
    MfcTest::SetUp();
    CReportView::Calls().clear();
    CReportView::s_nPages = 2;
    CReportView::s_onFirstPage = nullptr;
  }

  halvane::test::PrintFolder folder;
};
