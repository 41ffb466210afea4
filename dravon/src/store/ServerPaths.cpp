#include "store/ServerPaths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "store/Repository.h"

namespace dravon {
namespace fs = std::filesystem;

namespace {
constexpr const char* kExtension = ".db";

std::string FromEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}
}  // namespace

std::string ServersFolder() {
  if (std::string folder = FromEnv("HALVANE_SERVERS"); !folder.empty()) return folder;
  if (std::string data = FromEnv("XDG_DATA_HOME"); !data.empty()) return data + "/halvane/servers";
  return FromEnv("HOME") + "/.local/share/halvane/servers";
}

bool IsValidServerName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

std::string ServerFile(const std::string& name) { return ServersFolder() + "/" + name + kExtension; }

bool ServerExists(const std::string& name) {
  std::error_code ec;
  return IsValidServerName(name) && fs::is_regular_file(ServerFile(name), ec);
}

std::vector<std::string> ListServers() {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(ServersFolder(), ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec) && it->path().extension() == kExtension) names.push_back(it->path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void EnsureDefaultServer() {
  if (!ListServers().empty()) return;
  std::error_code ec;
  fs::create_directories(ServersFolder(), ec);
  Repository repo;
  if (repo.Open(ServerFile(kDefaultServer), true)) repo.AddAccount(kDefaultUser, kDefaultPassword);
}

}  // namespace dravon
