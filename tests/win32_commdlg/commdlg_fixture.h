// The common-dialog tests' fixture: a fresh window system, a temporary
// folder of files to browse, and the dialog structures filled for it.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "robot_test.h"

namespace halvane::test {

// A folder under the system's temporary folder, removed with its contents.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  void file(const std::string& name) const;
  void folder(const std::string& name) const;

 private:
  std::string path_;
};

// Text, log and all-files types; the terminating zeros are part of it.
extern const char kFilter[];

class CommonDialogTest : public RobotTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A structure for the temporary folder with `flags`, the file buffer of
  // this fixture and the filter above.
  OPENFILENAME Ofn(DWORD flags);
  // The zero-separated strings of the file buffer up to the empty one.
  std::vector<std::string> FileList() const;

  TempFolder dir;  // a.txt B.txt c.log notes Alpha/ sub/inner.txt .hidden.txt
  char file[MAX_PATH] = {};
  char title[81] = {};

 private:
  std::string savedCwd_;
};

// Ids of the file dialog's "Up one level" button.
inline constexpr int kUpOneLevel = ctl1;

}  // namespace halvane::test
