#include "mfc/file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "paths.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

int AccessFlags(UINT nOpenFlags) {
  switch (nOpenFlags & 3) {
    case CFile::modeWrite:
      return O_WRONLY;
    case CFile::modeReadWrite:
      return O_RDWR;
    default:
      return O_RDONLY;
  }
}

// 0 when the share mode is granted, else the errno of the refusal.
int TakeShareLock(int fd, UINT nOpenFlags) {
  const UINT share = nOpenFlags & 0x70;
  if (share == CFile::shareDenyNone) {
    if (flock(fd, LOCK_SH | LOCK_NB) != 0) return errno;
    flock(fd, LOCK_UN);
    return 0;
  }
  const int operation = share == CFile::shareDenyWrite ? LOCK_SH : LOCK_EX;
  return flock(fd, operation | LOCK_NB) == 0 ? 0 : errno;
}

// The file opened as asked, or -1 with errno describing the failure.
int OpenDescriptor(const std::string& path, UINT nOpenFlags) {
  int flags = AccessFlags(nOpenFlags) | O_CLOEXEC;
  if (nOpenFlags & CFile::modeCreate) flags |= O_CREAT;
  const int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) return -1;
  struct stat st = {};
  int error = fstat(fd, &st) != 0 ? errno : (S_ISDIR(st.st_mode) ? EISDIR : 0);
  if (error == 0) error = TakeShareLock(fd, nOpenFlags);
  // Truncating only after the share check keeps a file that another opener
  // holds intact. Devices and pipes have no length to cut.
  const bool truncate =
      (nOpenFlags & CFile::modeCreate) && !(nOpenFlags & CFile::modeNoTruncate) && S_ISREG(st.st_mode);
  if (error == 0 && truncate && ftruncate(fd, 0) != 0) error = errno;
  if (error != 0) {
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

void FillStatus(const struct stat& st, const std::string& fullName, CFileStatus& rStatus) {
  rStatus.m_ctime = CTime(st.st_ctime);
  rStatus.m_mtime = CTime(st.st_mtime);
  rStatus.m_atime = CTime(st.st_atime);
  rStatus.m_size = S_ISDIR(st.st_mode) ? 0 : static_cast<ULONGLONG>(st.st_size);
  BYTE attribute = CFile::normal;
  if (S_ISDIR(st.st_mode)) attribute |= CFile::directory;
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attribute |= CFile::readOnly;
  const std::string_view name = afx::path::FileName(fullName);
  if (name.size() > 1 && name.front() == '.' && name != "..") attribute |= CFile::hidden;
  rStatus.m_attribute = attribute;
  const size_t n = std::min(fullName.size(), sizeof rStatus.m_szFullName - 1);
  fullName.copy(rStatus.m_szFullName, n);
  rStatus.m_szFullName[n] = '\0';
}

}  // namespace

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error)) {
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
  }
}

CFile::~CFile() {
  if (m_hFile != hFileNull && m_bCloseOnDelete) Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  ASSERT(m_hFile == hFileNull);
  if (m_hFile != hFileNull) Abort();
  const std::string path = afx::path::Native(lpszFileName != nullptr ? lpszFileName : "");
  const int fd = path.empty() ? (errno = ENOENT, -1) : OpenDescriptor(path, nOpenFlags);
  if (fd < 0) {
    if (pError != nullptr) {
      pError->m_cause = CFileException::ErrnoToException(errno);
      pError->m_lOsError = errno;
      pError->m_strFileName = lpszFileName;
    }
    return FALSE;
  }
  m_hFile = fd;
  m_bCloseOnDelete = TRUE;
  m_strFileName = CString(std::string_view(afx::path::Full(path)));
  return TRUE;
}

void CFile::ThrowLastError() const { CFileException::ThrowErrno(errno, m_strFileName); }

UINT CFile::Read(void* lpBuf, UINT nCount) {
  auto* out = static_cast<char*>(lpBuf);
  UINT done = 0;
  while (done < nCount) {
    const ssize_t got = ::read(m_hFile, out + done, nCount - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ThrowLastError();
    if (got == 0) break;
    done += static_cast<UINT>(got);
  }
  return done;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  const auto* in = static_cast<const char*>(lpBuf);
  UINT done = 0;
  while (done < nCount) {
    const ssize_t put = ::write(m_hFile, in + done, nCount - done);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) ThrowLastError();
    if (put == 0) AfxThrowFileException(CFileException::diskFull, ENOSPC, m_strFileName);
    done += static_cast<UINT>(put);
  }
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
  const int whence = nFrom == current ? SEEK_CUR : (nFrom == end ? SEEK_END : SEEK_SET);
  const off_t pos = ::lseek(m_hFile, static_cast<off_t>(lOff), whence);
  if (pos < 0 && errno == EINVAL) AfxThrowFileException(CFileException::badSeek, EINVAL, m_strFileName);
  if (pos < 0) ThrowLastError();
  return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetLength() const {
  struct stat st = {};
  if (fstat(m_hFile, &st) != 0) ThrowLastError();
  return static_cast<ULONGLONG>(st.st_size);
}

void CFile::SetLength(ULONGLONG dwNewLen) {
  if (ftruncate(m_hFile, static_cast<off_t>(dwNewLen)) != 0) ThrowLastError();
}

ULONGLONG CFile::GetPosition() const {
  const off_t pos = ::lseek(m_hFile, 0, SEEK_CUR);
  if (pos < 0) ThrowLastError();
  return static_cast<ULONGLONG>(pos);
}

void CFile::Flush() {
  if (m_hFile == hFileNull) return;
  // Pipes and special files cannot be synced; that is not a failure.
  if (fsync(m_hFile) != 0 && errno != EINVAL && errno != EROFS) ThrowLastError();
}

void CFile::Close() {
  const int fd = m_hFile;
  const CString name = m_strFileName;
  m_hFile = hFileNull;
  m_strFileName.Empty();
  if (fd != hFileNull && ::close(fd) != 0 && errno != EINTR) CFileException::ThrowErrno(errno, name);
}

void CFile::Abort() {
  if (m_hFile != hFileNull) ::close(m_hFile);
  m_hFile = hFileNull;
  m_strFileName.Empty();
}

CString CFile::GetFileName() const { return CString(afx::path::FileName(m_strFileName.str())); }

CString CFile::GetFileTitle() const { return CString(afx::path::FileTitle(m_strFileName.str())); }

void CFile::SetFilePath(LPCTSTR lpszNewName) { m_strFileName = lpszNewName; }

BOOL CFile::GetStatus(CFileStatus& rStatus) const {
  struct stat st = {};
  if (m_hFile == hFileNull || fstat(m_hFile, &st) != 0) return FALSE;
  FillStatus(st, m_strFileName.str(), rStatus);
  return TRUE;
}

BOOL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus) {
  const std::string path = afx::path::Native(lpszFileName != nullptr ? lpszFileName : "");
  struct stat st = {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return FALSE;
  FillStatus(st, afx::path::Full(path), rStatus);
  return TRUE;
}

void CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName) {
  const std::string from = afx::path::Native(lpszOldName != nullptr ? lpszOldName : "");
  const std::string to = afx::path::Native(lpszNewName != nullptr ? lpszNewName : "");
  // Like the Win32 move, a rename never replaces an existing file.
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return;
  if (errno == EINVAL || errno == ENOSYS) {
    struct stat st = {};
    if (::lstat(to.c_str(), &st) == 0) {
      CFileException::ThrowErrno(EEXIST, lpszOldName);
    }
    if (::rename(from.c_str(), to.c_str()) == 0) return;
  }
  CFileException::ThrowErrno(errno, lpszOldName);
}

void CFile::Remove(LPCTSTR lpszFileName) {
  const std::string path = afx::path::Native(lpszFileName != nullptr ? lpszFileName : "");
  if (path.empty() || ::unlink(path.c_str()) != 0)
    CFileException::ThrowErrno(path.empty() ? ENOENT : errno, lpszFileName);
}
