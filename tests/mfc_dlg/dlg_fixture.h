// The fixture of the class library's dialog tests: a fresh window system,
// an application object and a temporary folder of files to browse.
#pragma once

#include <afxdlgs.h>

#include <string>

#include "mfc_test.h"
#include "temp_folder.h"

namespace dlgtest {

class DlgTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override;

  // Replaces the text of an edit control as a user would.
  static void Retype(halvane::test::Robot& r, halvane::test::Window edit, const std::string& text);

  CWinApp app{"Dialog Tests"};
  halvane::test::TempFolder dir{"mfcdlg"};  // a.txt b.txt c.log
  halvane::test::WorkingFolderKeeper cwd;     // the dialogs may change it
};

}  // namespace dlgtest
