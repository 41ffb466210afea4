#include "commdlg_fixture.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace halvane::test {

const char kFilter[] = "Text Files (*.txt)\0*.txt\0Logs\0*.log;*.trc\0All Files (*.*)\0*.*\0";

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "commdlg-XXXXXX").string();
  const char* made = mkdtemp(pattern.data());
  path_ = made ? made : "";
}

TempFolder::~TempFolder() {
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

void TempFolder::file(const std::string& name) const { std::ofstream(path_ + "/" + name) << name; }

void TempFolder::folder(const std::string& name) const { std::filesystem::create_directories(path_ + "/" + name); }

void CommonDialogTest::SetUp() {
  RobotTest::SetUp();
  savedCwd_ = std::filesystem::current_path().string();
  for (const char* name : {"a.txt", "B.txt", "c.log", "notes", ".hidden.txt"}) dir.file(name);
  dir.folder("Alpha");
  dir.folder("sub");
  dir.file("sub/inner.txt");
}

void CommonDialogTest::TearDown() {
  std::filesystem::current_path(savedCwd_);
  RobotTest::TearDown();
}

OPENFILENAME CommonDialogTest::Ofn(DWORD flags) {
  OPENFILENAME ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.lpstrFilter = kFilter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.lpstrFileTitle = title;
  ofn.nMaxFileTitle = sizeof title;
  ofn.lpstrInitialDir = dir.path().c_str();
  ofn.Flags = flags | OFN_EXPLORER;
  return ofn;
}

std::vector<std::string> CommonDialogTest::FileList() const {
  std::vector<std::string> parts;
  for (const char* p = file; *p && p < file + sizeof file; p += std::strlen(p) + 1) parts.emplace_back(p);
  return parts;
}

}  // namespace halvane::test
