// Files and folders on POSIX calls. Paths take "\" as "/"; there are no
// drive letters.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "services/file_attributes.h"
#include "services/spawn.h"
#include "services/text_out.h"
#include "win32/services.h"

namespace fs = std::filesystem;

namespace win32::svc {
namespace {

std::string PathArg(LPCSTR p) { return SlashPath(p ? p : ""); }

DWORD ErrorOf(int err, DWORD notFound = ERROR_FILE_NOT_FOUND) {
  switch (err) {
    case ENOENT:
      return notFound;
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EEXIST:
      return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY:
      return ERROR_DIR_NOT_EMPTY;
    case EXDEV:
      return ERROR_NOT_SAME_DEVICE;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    default:
      return ERROR_ACCESS_DENIED;
  }
}

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

BOOL Check(int posixResult, DWORD notFound = ERROR_FILE_NOT_FOUND) {
  return posixResult == 0 ? TRUE : Fail(ErrorOf(errno, notFound));
}

bool Exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

BOOL Copy(const std::string& from, const std::string& to, bool failIfExists) {
  if (!Exists(from)) return Fail(ERROR_FILE_NOT_FOUND);
  if (failIfExists && Exists(to)) return Fail(ERROR_FILE_EXISTS);
  std::error_code ec;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  return ec ? Fail(ErrorOf(ec.value())) : TRUE;
}

std::string TempFolder() {
  for (const char* var : {"TEMP", "TMP", "TMPDIR"}) {
    if (const char* v = std::getenv(var); v && *v) {
      std::string dir = SlashPath(v);
      return dir.ends_with("/") ? dir : dir + "/";
    }
  }
  return "/tmp/";
}

std::string TempName(const std::string& dir, const std::string& prefix, UINT unique) {
  char number[8];
  std::snprintf(number, sizeof number, "%X", unique & 0xFFFF);
  return (dir.ends_with("/") ? dir : dir + "/") + prefix.substr(0, 3) + number + ".tmp";
}

}  // namespace

DWORD FileAttributesOf(const std::string& path, const struct stat& st) {
  DWORD attrs = 0;
  if (S_ISDIR(st.st_mode)) attrs |= FILE_ATTRIBUTE_DIRECTORY;
  if (!(st.st_mode & S_IWUSR)) attrs |= FILE_ATTRIBUTE_READONLY;
  const std::string name = fs::path(path).filename().string();
  if (name.size() > 1 && name.front() == '.' && name != "..") attrs |= FILE_ATTRIBUTE_HIDDEN;
  return attrs ? attrs : FILE_ATTRIBUTE_NORMAL;
}

}  // namespace win32::svc

using namespace win32::svc;

BOOL WINAPI CreateDirectory(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES) {
  return Check(mkdir(PathArg(lpPathName).c_str(), 0777), ERROR_PATH_NOT_FOUND);
}

BOOL WINAPI RemoveDirectory(LPCSTR lpPathName) { return Check(rmdir(PathArg(lpPathName).c_str())); }

DWORD WINAPI GetFileAttributes(LPCSTR lpFileName) {
  const std::string path = PathArg(lpFileName);
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) {
    SetLastError(ErrorOf(errno));
    return INVALID_FILE_ATTRIBUTES;
  }
  return FileAttributesOf(path, st);
}

BOOL WINAPI SetFileAttributes(LPCSTR lpFileName, DWORD dwFileAttributes) {
  const std::string path = PathArg(lpFileName);
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return Fail(ErrorOf(errno));
  const mode_t writable = S_IWUSR | S_IWGRP | S_IWOTH;
  const mode_t mode = (dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? (st.st_mode & ~writable) : (st.st_mode | S_IWUSR);
  return Check(chmod(path.c_str(), mode & 07777));
}

BOOL WINAPI DeleteFile(LPCSTR lpFileName) {
  const std::string path = PathArg(lpFileName);
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return Fail(ErrorOf(errno));
  // Win32 refuses folders and read-only files.
  if (S_ISDIR(st.st_mode) || !(st.st_mode & S_IWUSR)) return Fail(ERROR_ACCESS_DENIED);
  return Check(unlink(path.c_str()));
}

BOOL WINAPI CopyFile(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists) {
  return Copy(PathArg(lpExistingFileName), PathArg(lpNewFileName), bFailIfExists != FALSE);
}

BOOL WINAPI MoveFile(LPCSTR lpExistingFileName, LPCSTR lpNewFileName) {
  return MoveFileEx(lpExistingFileName, lpNewFileName, 0);
}

BOOL WINAPI MoveFileEx(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags) {
  const std::string from = PathArg(lpExistingFileName), to = PathArg(lpNewFileName);
  if (!Exists(from)) return Fail(ERROR_FILE_NOT_FOUND);
  if (!(dwFlags & MOVEFILE_REPLACE_EXISTING) && Exists(to)) return Fail(ERROR_ALREADY_EXISTS);
  if (rename(from.c_str(), to.c_str()) == 0) return TRUE;
  if (errno != EXDEV || !(dwFlags & MOVEFILE_COPY_ALLOWED)) return Fail(ErrorOf(errno));
  return Copy(from, to, false) && Check(unlink(from.c_str()));
}

DWORD WINAPI GetTempPath(DWORD nBufferLength, LPSTR lpBuffer) {
  return CopyString(TempFolder(), lpBuffer, nBufferLength);
}

UINT WINAPI GetTempFileName(LPCSTR lpPathName, LPCSTR lpPrefixString, UINT uUnique, LPSTR lpTempFileName) {
  const std::string dir = PathArg(lpPathName);
  const std::string prefix = lpPrefixString ? lpPrefixString : "";
  if (!lpTempFileName || dir.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto give = [&](const std::string& name, UINT number) -> UINT {
    if (name.size() >= MAX_PATH) {
      SetLastError(ERROR_BUFFER_OVERFLOW);
      return 0;
    }
    CopyString(name, lpTempFileName, MAX_PATH);
    return number;
  };
  if (uUnique != 0) return give(TempName(dir, prefix, uUnique), uUnique & 0xFFFF);
  static std::atomic<UINT> next{static_cast<UINT>(getpid())};
  for (int attempt = 0; attempt < 0x10000; ++attempt) {
    const UINT number = next++ & 0xFFFF;
    if (number == 0) continue;
    const std::string name = TempName(dir, prefix, number);
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      close(fd);
      return give(name, number);
    }
    if (errno != EEXIST) {
      SetLastError(ErrorOf(errno, ERROR_PATH_NOT_FOUND));
      return 0;
    }
  }
  SetLastError(ERROR_FILE_EXISTS);
  return 0;
}

DWORD WINAPI GetCurrentDirectory(DWORD nBufferLength, LPSTR lpBuffer) {
  std::error_code ec;
  const std::string cwd = fs::current_path(ec).string();
  if (ec) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return 0;
  }
  return CopyString(cwd, lpBuffer, nBufferLength);
}

BOOL WINAPI SetCurrentDirectory(LPCSTR lpPathName) {
  return Check(chdir(PathArg(lpPathName).c_str()), ERROR_PATH_NOT_FOUND);
}

DWORD WINAPI GetFullPathName(LPCSTR lpFileName, DWORD nBufferLength, LPSTR lpBuffer, LPSTR* lpFilePart) {
  const std::string name = PathArg(lpFileName);
  if (name.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::error_code ec;
  std::string full = (name.starts_with("/") ? fs::path(name) : fs::current_path(ec) / name).lexically_normal().string();
  if (full.size() > 1 && full.ends_with("/") && !name.ends_with("/")) full.pop_back();
  const DWORD r = CopyString(full, lpBuffer, nBufferLength);
  if (lpFilePart && r == full.size()) {
    const auto slash = full.rfind('/');
    *lpFilePart = slash + 1 < full.size() ? lpBuffer + slash + 1 : nullptr;
  }
  return r;
}

DWORD WINAPI GetLongPathName(LPCSTR lpszShortPath, LPSTR lpszLongPath, DWORD cchBuffer) {
  // Names have one form here: the long name is the short one.
  const std::string path = lpszShortPath ? lpszShortPath : "";
  if (!Exists(PathArg(lpszShortPath))) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return 0;
  }
  return CopyString(path, lpszLongPath, cchBuffer);
}

DWORD WINAPI GetShortPathName(LPCSTR lpszLongPath, LPSTR lpszShortPath, DWORD cchBuffer) {
  return GetLongPathName(lpszLongPath, lpszShortPath, cchBuffer);
}
