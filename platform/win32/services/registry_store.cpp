#include "services/registry_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <cstdio>
#include <mutex>
#include <set>
#include <sstream>

#include "internal/svc_registry.h"

namespace win32::svc {
namespace {

struct FileStamp {
  ino_t inode = 0;
  off_t size = -1;
  timespec mtime{};
  bool operator==(const FileStamp& o) const {
    return inode == o.inode && size == o.size && mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec;
  }
};

struct Store {
  std::mutex mu;
  std::string overridePath;
  std::string cachedPath;
  FileStamp cachedStamp;
  RegModel cache;
  bool cacheClean = true;  // the file read into `cache` held nothing unreadable
  std::set<std::string> backupsTold;
  std::function<void(const std::string&)> beforeRename;
};

Store& TheStore() {
  static Store store;
  return store;
}

std::string DefaultPath() {
  if (const char* env = std::getenv("HALVANE_REGISTRY"); env && *env) return env;
  std::string config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    config = xdg;
  } else {
    const char* home = std::getenv("HOME");
    config = std::string(home ? home : "/tmp") + "/.config";
  }
  return config + "/halvane/registry.reg";
}

std::string PathLocked() { return TheStore().overridePath.empty() ? DefaultPath() : TheStore().overridePath; }

FileStamp StampOf(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return {};
  return FileStamp{st.st_ino, st.st_size, st.st_mtim};
}

RegModel ReadFile(const std::string& path, bool& clean) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return ParseRegistry(text.str(), clean);
}

// The cached model, re-read when the file is not the one last read.
RegModel& FreshLocked() {
  Store& s = TheStore();
  const std::string path = PathLocked();
  const FileStamp stamp = StampOf(path);
  if (path != s.cachedPath || !(stamp == s.cachedStamp)) {
    s.cache = ReadFile(path, s.cacheClean);
    s.cachedPath = path;
    s.cachedStamp = stamp;
  }
  return s.cache;
}

// An exclusive flock on "<file>.lock", held for the object's lifetime.
class FileLock {
 public:
  explicit FileLock(const std::string& path) : fd_(open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (fd_ >= 0) flock(fd_, LOCK_EX);
  }
  ~FileLock() {
    if (fd_ >= 0) close(fd_);
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

void SyncFolder(const std::string& path) {
  const int dir = open(std::filesystem::path(path).parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  fsync(dir);
  close(dir);
}

// Keeps a file that held lines the reader could not take under the first
// free name "<file>.bak", "<file>.bak.1"...: what the rewrite would drop
// stays on disk. A hard link, so nothing is copied and no backup is ever
// overwritten.
bool KeepBackup(const std::string& path) {
  for (int n = 0; n < 1000; ++n) {
    const std::string backup = path + ".bak" + (n == 0 ? std::string() : "." + std::to_string(n));
    if (link(path.c_str(), backup.c_str()) == 0) {
      if (TheStore().backupsTold.insert(path).second) {
        std::fprintf(stderr, "halvane: %s held lines that could not be read; the file is kept as %s\n", path.c_str(),
                     backup.c_str());
      }
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

// Writes beside the file and renames over it.
bool ReplaceFile(const std::string& path, const std::string& text) {
  static std::atomic<unsigned> serial{0};
  const std::string temp = path + ".tmp." + std::to_string(getpid()) + "." + std::to_string(serial++);
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool ok = WriteAll(fd, text) && fsync(fd) == 0;
  close(fd);
  if (ok && TheStore().beforeRename) TheStore().beforeRename(temp);
  if (!ok || rename(temp.c_str(), path.c_str()) != 0) {
    unlink(temp.c_str());
    return false;
  }
  SyncFolder(path);
  return true;
}

}  // namespace

LONG ReadRegistry(const std::function<LONG(RegModel&)>& read) {
  std::lock_guard lock(TheStore().mu);
  return read(FreshLocked());
}

LONG ModifyRegistry(const std::function<LONG(RegModel&, bool& changed)>& change) {
  Store& s = TheStore();
  std::lock_guard lock(s.mu);
  const std::string path = PathLocked();
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  FileLock fileLock(path);
  if (!fileLock.Held()) return ERROR_CANTWRITE;
  // Read under the lock, whatever the cache says: another process may
  // have written within the stamp's resolution.
  s.cachedPath.clear();
  RegModel& model = FreshLocked();
  bool changed = false;
  const LONG result = change(model, changed);
  if (result != ERROR_SUCCESS || !changed) return result;
  if (!s.cacheClean && !KeepBackup(path)) {
    s.cachedPath.clear();
    return ERROR_CANTWRITE;
  }
  if (!ReplaceFile(path, FormatRegistry(model))) {
    s.cachedPath.clear();
    return ERROR_CANTWRITE;
  }
  s.cachedStamp = StampOf(path);
  s.cacheClean = true;
  return ERROR_SUCCESS;
}

}  // namespace win32::svc

namespace win32 {

void SetRegistryFile(const std::string& path) {
  std::lock_guard lock(svc::TheStore().mu);
  svc::TheStore().overridePath = path;
  svc::TheStore().cachedPath.clear();
}

std::string GetRegistryFile() {
  std::lock_guard lock(svc::TheStore().mu);
  return svc::PathLocked();
}

namespace internal {

void SetRegistryBeforeRenameHook(std::function<void(const std::string&)> hook) {
  std::lock_guard lock(svc::TheStore().mu);
  svc::TheStore().beforeRename = std::move(hook);
}

}  // namespace internal
}  // namespace win32
