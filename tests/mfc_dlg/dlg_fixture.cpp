#include "dlg_fixture.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace dlgtest {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "mfcdlg-XXXXXX").string();
  const char* made = mkdtemp(pattern.data());
  path_ = made ? made : "";
}

TempFolder::~TempFolder() {
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

void TempFolder::file(const std::string& name) const { std::ofstream(path_ + "/" + name) << name; }

void DlgTest::SetUp() {
  RobotTest::SetUp();
  AfxSetResourceHandle(nullptr);
  savedCwd_ = std::filesystem::current_path().string();
  for (const char* name : {"a.txt", "b.txt", "c.log"}) dir.file(name);
}

void DlgTest::TearDown() {
  CWnd::DeleteTempMap();
  std::filesystem::current_path(savedCwd_);
  RobotTest::TearDown();
}

void DlgTest::Retype(halvane::test::Robot& r, halvane::test::Window edit, const std::string& text) {
  r.click(edit);
  ::SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
  r.type(text);
}

}  // namespace dlgtest
