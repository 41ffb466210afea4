// The fixture of the class library's dialog tests: a fresh window system,
// an application object and a temporary folder of files to browse.
#pragma once

#include <afxdlgs.h>

#include <string>
#include <vector>

#include "mfc_test.h"
#include "temp_folder.h"

namespace dlgtest {

using halvane::test::Robot;
using halvane::test::Window;
using Strings = std::vector<std::string>;

class DlgTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override;

  // Replaces the text of an edit control as a user would.
  static void Retype(Robot& r, Window edit, const std::string& text);

  CWinApp app{"Dialog Tests"};
  halvane::test::TempFolder dir{"mfcdlg"};  // a.txt b.txt c.log
  halvane::test::WorkingFolderKeeper cwd;   // the dialogs may change it
};

}  // namespace dlgtest
