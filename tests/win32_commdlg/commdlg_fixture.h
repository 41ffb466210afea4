// The common-dialog tests' fixture: a fresh window system, a temporary
// folder of files to browse, and the dialog structures filled for it.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "robot_test.h"
#include "temp_folder.h"

namespace halvane::test {

// Text, log and all-files types; the terminating zeros are part of it.
extern const char kFilter[];

class CommonDialogTest : public RobotTest {
 protected:
  void SetUp() override;

  // A structure for the temporary folder with `flags`, the file buffer of
  // this fixture and the filter above.
  OPENFILENAME Ofn(DWORD flags);
  // The zero-separated strings of the file buffer up to the empty one.
  std::vector<std::string> FileList() const;

  TempFolder dir{"commdlg"};  // a.txt B.txt c.log notes Alpha/ sub/inner.txt .hidden.txt
  WorkingFolderKeeper cwd;    // the dialogs may change it
  char file[MAX_PATH] = {};
  char title[81] = {};
};

// Ids of the file dialog's "Up one level" button.
inline constexpr int kUpOneLevel = ctl1;

}  // namespace halvane::test
