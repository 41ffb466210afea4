// Files that are replaced whole: written beside the target, synced, then
// renamed over it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>

#include "RepositoryCopy.h"

namespace dravon::repocopy {

namespace {

// The file a write replaces: through a link, the file it names, so that
// the link stays a link.
std::string ResolvedTarget(const std::string& path) {
  char resolved[PATH_MAX];
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && realpath(path.c_str(), resolved) != nullptr) {
    return resolved;
  }
  return path;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name no other writer picks: the process, a counter and a random part.
std::string TemporaryName(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  thread_local std::mt19937 random{std::random_device{}()};
  return FolderOf(target) + "/." + BaseOf(target) + "." + std::to_string(getpid()) + "-" + std::to_string(counter++) +
         "-" + std::to_string(random() % 100000) + ".tmp";
}

}  // namespace

ReplacingFile::ReplacingFile(std::string path) : m_path(std::move(path)) {}

ReplacingFile::~ReplacingFile() {
  if (m_fd >= 0) close(m_fd);
  if (!m_committed && !m_temporary.empty()) unlink(m_temporary.c_str());
}

bool ReplacingFile::Fail(const char* what) {
  m_errno = errno;
  m_message = std::string(what) + " " + m_path + ": " + std::strerror(m_errno);
  return false;
}

// Writing after a failure (or without Open) keeps the first reason.
bool ReplacingFile::NotOpen() {
  if (m_message.empty()) {
    errno = EBADF;
    Fail("Cannot write");
  }
  return false;
}

bool ReplacingFile::Open() {
  m_target = ResolvedTarget(m_path);
  struct stat st {};
  if (stat(m_target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) {
      errno = EISDIR;
      return Fail("Cannot write");
    }
    // Replacing the file would get round its read-only mark.
    if (access(m_target.c_str(), W_OK) != 0) return Fail("Cannot write");
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = TemporaryName(m_target);
    // Created with the usual mode, so that the process's mask applies to a
    // new file as it does to any other.
    m_fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd >= 0) {
      m_temporary = name;
      return true;
    }
    if (errno != EEXIST) return Fail("Cannot create");
  }
  return Fail("Cannot create");
}

bool ReplacingFile::Write(std::string_view bytes) {
  if (m_fd < 0) return NotOpen();
  while (!bytes.empty()) {
    const ssize_t written = write(m_fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail("Cannot write");
      close(m_fd);
      m_fd = -1;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

bool ReplacingFile::Commit() {
  if (m_fd < 0) return NotOpen();
  // A private file must not become readable by others.
  struct stat st {};
  if (stat(m_target.c_str(), &st) == 0) fchmod(m_fd, st.st_mode & 07777);
  const bool synced = fsync(m_fd) == 0;
  if (!synced) Fail("Cannot write");
  const bool closed = close(m_fd) == 0;
  m_fd = -1;
  if (!synced) return false;
  if (!closed) return Fail("Cannot write");
  if (rename(m_temporary.c_str(), m_target.c_str()) != 0) return Fail("Cannot replace");
  m_committed = true;
  // The rename itself reaches the disk with the folder.
  const int folder = open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    fsync(folder);
    close(folder);
  }
  return true;
}

}  // namespace dravon::repocopy
