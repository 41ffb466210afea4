#include "FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

CString ErrorText(int error, const CString& path) {
  CFileException exception(CFileException::ErrnoToException(error), error, path);
  char text[512] = {};
  exception.GetErrorMessage(text, sizeof text);
  return text;
}

// The file a write replaces: through a link, the file it names, so that the
// link stays a link.
CString TargetOf(const CString& path) {
  char resolved[PATH_MAX];
  return ::realpath(path, resolved) != nullptr ? CString(resolved) : path;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    data += written;
    size -= size_t(written);
  }
  return true;
}

}  // namespace

bool ReplaceFileContent(const CString& path, const CString& content, CString& error) {
  const CString target = TargetOf(path);
  const CString temporary = target + ".~new";
  // A new file gets the usual permissions (umask); a replaced one keeps its
  // own, so that a private file does not become readable by others.
  struct stat old {};
  const bool replacing = ::stat(target, &old) == 0;
  const int fd = ::open(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, replacing ? (old.st_mode & 0777) : 0666);
  if (fd < 0) {
    error = ErrorText(errno, path);
    return false;
  }
  if (replacing) ::fchmod(fd, old.st_mode & 07777);
  const bool written = WriteAll(fd, content, size_t(content.GetLength())) && ::fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  const int closeError = errno;
  if (!written || !closed) {
    ::unlink(temporary);
    error = ErrorText(!written ? writeError : closeError, path);
    return false;
  }
  if (::rename(temporary, target) != 0) {
    const int failure = errno;
    ::unlink(temporary);
    error = ErrorText(failure, path);
    return false;
  }
  return true;
}
