#include "mfc/exception.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {

constexpr const char* kUnnamedFile = "an unnamed file";

// Standard texts, indexed by cause; "%1" is the file's name.
constexpr const char* kFileMessages[] = {
    "No error occurred.",
    "An unexpected error occurred while accessing %1.",
    "%1 was not found.",
    "%1 contains an invalid path.",
    "%1 could not be opened because there are too many open files.",
    "Access to %1 was denied.",
    "An invalid file handle was associated with %1.",
    "%1 could not be removed because it is the current directory.",
    "%1 could not be created because the directory is full.",
    "Seek failed on %1",
    "A hardware I/O error was reported while accessing %1.",
    "A sharing violation occurred while accessing %1.",
    "A locking violation occurred while accessing %1.",
    "Disk full while accessing %1.",
    "An attempt was made to access %1 past its end.",
};

constexpr const char* kArchiveMessages[] = {
    "No error occurred.",
    "An unexpected error occurred while accessing %1.",
    "An attempt was made to write to %1 while it was being read.",
    "An attempt was made to access %1 past its end.",
    "An attempt was made to read from %1 while it was being written.",
    "%1 has a bad format.",
    "%1 contained an unexpected object.",
    "%1 contains an incorrect schema.",
};

template <size_t N>
BOOL CauseMessage(const char* const (&table)[N], int cause, const CString& fileName, LPTSTR lpszError, UINT nMaxError) {
  const char* format = (cause >= 0 && static_cast<size_t>(cause) < N) ? table[cause] : table[1];
  const LPCTSTR name = fileName.IsEmpty() ? kUnnamedFile : static_cast<LPCTSTR>(fileName);
  CString message;
  AfxFormatStrings(message, format, &name, 1);
  return AfxCopyErrorMessage(message, lpszError, nMaxError);
}

}  // namespace

void CException::Delete() {
  // Inside a CATCH block the block's end frees the exception.
  if (m_bAutoDelete > 0 && !m_bInCatch) delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError != nullptr && nMaxError > 0) *lpszError = '\0';
  return FALSE;
}

BOOL AfxCopyErrorMessage(const CString& strMessage, LPTSTR lpszError, UINT nMaxError) {
  if (lpszError == nullptr || nMaxError == 0) return FALSE;
  const size_t n = std::min(static_cast<size_t>(strMessage.GetLength()), static_cast<size_t>(nMaxError - 1));
  std::memcpy(lpszError, strMessage.GetString(), n);
  lpszError[n] = '\0';
  return TRUE;
}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (m_lpszMessage == nullptr) return CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
  return AfxCopyErrorMessage(m_lpszMessage, lpszError, nMaxError);
}

CMemoryException::CMemoryException() : CSimpleException("Out of memory.") {}
CNotSupportedException::CNotSupportedException() : CSimpleException("An unsupported operation was attempted.") {}
CResourceException::CResourceException() : CSimpleException("A required resource was unavailable.") {}
CUserException::CUserException() : CSimpleException(nullptr) {}

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName) {}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  return CauseMessage(kArchiveMessages, m_cause, m_strFileName, lpszError, nMaxError);
}

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName) {}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  return CauseMessage(kFileMessages, m_cause, m_strFileName, lpszError, nMaxError);
}

int CFileException::OsErrorToException(LONG lOsError) { return ErrnoToException(static_cast<int>(lOsError)); }

int CFileException::ErrnoToException(int nErrno) {
  switch (nErrno) {
    case 0:
      return none;
    case ENOENT:
      return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return badPath;
    case EMFILE:
    case ENFILE:
      return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY:
      return accessDenied;
    case EBADF:
      return invalidFile;
    case EBUSY:
    case EWOULDBLOCK:
      return sharingViolation;
    case ENOLCK:
      return lockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return diskFull;
    case EIO:
      return hardIO;
    case ESPIPE:
      return badSeek;
    default:
      return genericException;
  }
}

void CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName) {
  AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName) {
  AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

void AfxThrowMemoryException() { throw new CMemoryException; }
void AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AfxThrowResourceException() { throw new CResourceException; }
void AfxThrowUserException() { throw new CUserException; }

void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName) {
  throw new CArchiveException(cause, lpszArchiveName);
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName) {
  throw new CFileException(cause, lOsError, lpszFileName);
}

AfxCatchGuard::AfxCatchGuard(CException* pException) : m_pException(pException) {
  if (m_pException != nullptr) m_pException->m_bInCatch = TRUE;
}

AfxCatchGuard::~AfxCatchGuard() {
  if (m_pException != nullptr && m_pException->m_bInCatch) {
    m_pException->m_bInCatch = FALSE;
    m_pException->Delete();
  }
}

void AfxCatchGuard::Release() { Release(m_pException); }
