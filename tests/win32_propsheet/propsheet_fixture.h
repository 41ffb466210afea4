// The property sheet tests' fixture: pages whose dialog procedure records
// the notifications they get and answers them as the test says.
#pragma once

#include <commctrl.h>
#include <prsht.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "robot_test.h"

namespace halvane::test {

// What a page records and how it answers, reached through the page's
// lParam.
struct PageScript {
  std::string name;
  std::vector<std::string>* log = nullptr;
  // Answers by notification (PSN_*); the default answer is 0.
  std::map<UINT, LRESULT> answers;
  // PSN_WIZNEXT answers -1 while the edit IDC_NAME is empty.
  bool needsName = false;
  // PSWIZB_* set when the page becomes active (0: none set).
  DWORD wizardButtons = 0;
  // PSM_CHANGED when IDC_NAME changes.
  bool reportsChanges = false;
  LRESULT siblingsAnswer = 0;
  HWND wnd = nullptr;
  int releases = 0;  // PSPCB_RELEASE calls
};

const char* NotificationName(UINT code);

class PropertySheetTest : public RobotTest {
 protected:
  // A page of the test module's template `id` driven by `script`.
  PROPSHEETPAGE Page(int id, PageScript& script);
  HPROPSHEETPAGE MakePage(int id, PageScript& script);
  PROPSHEETHEADER Header(DWORD flags, std::vector<HPROPSHEETPAGE>& pages);

  std::vector<std::string> log;
};

}  // namespace halvane::test
