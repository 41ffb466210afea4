#include "HomeDirectory.h"

#include <windows.h>

#include <array>
#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path ProgramFile() {
  std::array<char, 4096> name{};
  DWORD length = GetModuleFileName(nullptr, name.data(), DWORD(name.size()));
  if (length > 0 && length < name.size()) return std::filesystem::path(name.data());
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error);
}

}  // namespace

CString HomeDirectory() {
  std::filesystem::path home = ProgramFile().parent_path().parent_path();
  return CString(home.string().c_str());
}
