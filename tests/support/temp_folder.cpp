#include "temp_folder.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace halvane::test {

TempFolder::TempFolder(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  const char* made = mkdtemp(pattern.data());
  path_ = made ? made : "";
}

TempFolder::~TempFolder() {
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

void TempFolder::file(const std::string& name) const { std::ofstream(*this / name) << name; }

void TempFolder::folder(const std::string& name) const { std::filesystem::create_directories(*this / name); }

WorkingFolderKeeper::WorkingFolderKeeper() : saved_(std::filesystem::current_path().string()) {}

WorkingFolderKeeper::~WorkingFolderKeeper() {
  std::error_code ec;
  std::filesystem::current_path(saved_, ec);
}

}  // namespace halvane::test
