// Programs named the Windows way: "Tool.exe" and "Tool.bat" run `tool`.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "services/registry_model.h"
#include "services/spawn.h"
#include "win32/services.h"

namespace win32 {
namespace {

bool IsProgram(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The names a file name may be run by, the mapped one first.
std::vector<std::string> Candidates(const std::string& file) {
  std::string mapped = file;
  const std::string lower = svc::LowerCase(file);
  if (lower.ends_with(".exe") || lower.ends_with(".bat")) mapped = lower.substr(0, lower.size() - 4);
  mapped = svc::LowerCase(mapped);
  if (mapped == file) return {file};
  return {mapped, file};
}

std::string FolderOfRunningProgram() {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string();
}

std::vector<std::string> SearchFolders() {
  std::vector<std::string> folders{FolderOfRunningProgram()};
  const char* path = std::getenv("PATH");
  std::istringstream in(path ? path : "/usr/bin:/bin");
  for (std::string dir; std::getline(in, dir, ':');) folders.push_back(dir.empty() ? "." : dir);
  return folders;
}

}  // namespace

std::string FindProgram(const std::string& name) {
  const std::string path = svc::SlashPath(name);
  if (path.empty()) return {};
  const auto slash = path.rfind('/');
  if (slash != std::string::npos) {
    const std::string dir = path.substr(0, slash + 1);
    if (IsProgram(path)) return path;
    for (const auto& file : Candidates(path.substr(slash + 1))) {
      if (IsProgram(dir + file)) return dir + file;
    }
    return {};
  }
  for (const auto& dir : SearchFolders()) {
    for (const auto& file : Candidates(path)) {
      if (IsProgram(dir + "/" + file)) return dir + "/" + file;
    }
  }
  return {};
}

}  // namespace win32
