#include "store/ServerPaths.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "store/Names.h"
#include "store/Repository.h"

namespace dravon {
namespace fs = std::filesystem;

namespace {
constexpr const char* kExtension = ".db";

std::string FromEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

// Makes the folder and its missing parents, each for its owner only.
bool MakeFolder(const fs::path& folder, std::string& error) {
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return true;
  if (folder.has_parent_path() && folder.parent_path() != folder && !MakeFolder(folder.parent_path(), error)) {
    return false;
  }
  if (mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) return true;
  error = "cannot make the folder " + folder.string() + ": " + std::strerror(errno);
  return false;
}

constexpr const char* kWorkingPrefix = ".create-";

// Removes a working database with whatever journal files it left.
void RemoveWorkingFile(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) unlink((path + suffix).c_str());
}

// A working file names the process that builds it: ".create-<pid>-XXXXXX".
// One whose process is gone (killed while creating) is removed.
void RemoveAbandonedWorkingFiles(const std::string& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(kWorkingPrefix, 0) != 0) continue;
    const long pid = std::strtol(name.c_str() + std::strlen(kWorkingPrefix), nullptr, 10);
    if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) unlink(it->path().c_str());
  }
}

void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Builds the complete server in a working file of the folder; false with
// the reason when it cannot.
bool BuildServer(const std::string& path, const std::string& user, const std::string& password, std::string& error) {
  Repository repo;
  if (!repo.Open(path, true)) {
    error = "cannot make a database in " + ServersFolder();
    return false;
  }
  if (!repo.AddAccount(user, password)) {
    error = "cannot add the account '" + user + "'";
    return false;
  }
  return true;  // closing checkpoints the journal into the file
}

}  // namespace

std::string ServersFolder() {
  if (std::string folder = FromEnv("HALVANE_SERVERS"); !folder.empty()) return folder;
  if (std::string data = FromEnv("XDG_DATA_HOME"); !data.empty()) return data + "/halvane/servers";
  return FromEnv("HOME") + "/.local/share/halvane/servers";
}

bool IsValidServerName(const std::string& name) { return ServerNameFault(name).empty(); }

std::string ServerFile(const std::string& name) { return ServersFolder() + "/" + name + kExtension; }

bool ServerExists(const std::string& name) {
  std::error_code ec;
  return IsValidServerName(name) && fs::is_regular_file(ServerFile(name), ec);
}

std::vector<std::string> ListServers() {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(ServersFolder(), ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec) || it->path().extension() != kExtension) continue;
    std::string name = it->path().stem().string();
    if (IsValidServerName(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

Created CreateServerFile(const std::string& name, const std::string& user, const std::string& password,
                         std::string& error) {
  const std::string folder = ServersFolder();
  if (!MakeFolder(folder, error)) return Created::Failed;
  if (ServerExists(name)) return Created::Exists;
  RemoveAbandonedWorkingFiles(folder);
  std::string working = folder + "/" + kWorkingPrefix + std::to_string(getpid()) + "-XXXXXX";
  const int fd = mkstemp(working.data());  // 0600: the journals take the same mode
  if (fd < 0) {
    error = "cannot make a file in " + folder + ": " + std::strerror(errno);
    return Created::Failed;
  }
  close(fd);
  if (!BuildServer(working, user, password, error)) {
    RemoveWorkingFile(working);
    return Created::Failed;
  }
  // link() never replaces: of two creators of one name, one gets EEXIST.
  const int linked = link(working.c_str(), ServerFile(name).c_str());
  const int linkError = errno;
  RemoveWorkingFile(working);
  if (linked == 0) {
    SyncFolder(folder);
    return Created::Yes;
  }
  if (linkError == EEXIST) return Created::Exists;
  error = "cannot make " + ServerFile(name) + ": " + std::strerror(linkError);
  return Created::Failed;
}

void EnsureDefaultServer() {
  if (!ListServers().empty()) return;
  std::string ignored;
  CreateServerFile(kDefaultServer, kDefaultUser, kDefaultPassword, ignored);
}

}  // namespace dravon
