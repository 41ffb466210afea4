#include "commdlg_fixture.h"

#include <cstring>

namespace halvane::test {

const char kFilter[] = "Text Files (*.txt)\0*.txt\0Logs\0*.log;*.trc\0All Files (*.*)\0*.*\0";

void CommonDialogTest::SetUp() {
  RobotTest::SetUp();
  for (const char* name : {"a.txt", "B.txt", "c.log", "notes", ".hidden.txt"}) dir.file(name);
  dir.folder("Alpha");
  dir.folder("sub");
  dir.file("sub/inner.txt");
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
