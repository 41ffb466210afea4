// The fixture of the class library's dialog tests: a fresh window system,
// an application object and a temporary folder of files to browse.
#pragma once

#include <afxdlgs.h>

#include <string>

#include "robot_test.h"

namespace dlgtest {

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

 private:
  std::string path_;
};

class DlgTest : public halvane::test::RobotTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Replaces the text of an edit control as a user would.
  static void Retype(halvane::test::Robot& r, halvane::test::Window edit, const std::string& text);

  CWinApp app{"Dialog Tests"};
  TempFolder dir;  // a.txt b.txt c.log

 private:
  std::string savedCwd_;
};

}  // namespace dlgtest
