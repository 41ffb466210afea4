// Exceptions. They are thrown as pointers (CException*), and a handler frees
// one with Delete(). TRY/CATCH map to try/catch; as in the classic macros,
// END_CATCH frees the caught exception unless the handler passed it on with
// THROW_LAST() or THROW(e), and a Delete() call inside a CATCH is left to it.
#pragma once

#include "afxstr.h"
#include "mfc/object.h"

class CException : public CObject {
  DECLARE_DYNAMIC(CException)

 public:
  explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}

  void Delete();
  // The message with its inserts; FALSE and an empty text when there is none.
  virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;
  // Shows the message (or string nMessageID, or a standard text) in a box.
  virtual int ReportError(UINT nType = 0 /* MB_OK */, UINT nMessageID = 0) const;

  BOOL m_bAutoDelete;

 private:
  friend class AfxCatchGuard;
  BOOL m_bInCatch = FALSE;
};

// A shown error: ReportError calls this instead of a message box when set.
// It returns the pressed button's id. The application object installs it.
typedef int (*AFX_REPORT_ERROR_HOOK)(LPCTSTR lpszText, UINT nType);
AFX_REPORT_ERROR_HOOK AfxSetReportErrorHook(AFX_REPORT_ERROR_HOOK pfnHook);

// Copies a message into a caller's buffer, always terminated.
BOOL AfxCopyErrorMessage(const CString& strMessage, LPTSTR lpszError, UINT nMaxError);

class CSimpleException : public CException {
  DECLARE_DYNAMIC(CSimpleException)

 public:
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

 protected:
  explicit CSimpleException(LPCTSTR lpszMessage) : m_lpszMessage(lpszMessage) {}

 private:
  LPCTSTR m_lpszMessage;
};

class CMemoryException : public CSimpleException {
  DECLARE_DYNAMIC(CMemoryException)

 public:
  CMemoryException();
};

class CNotSupportedException : public CSimpleException {
  DECLARE_DYNAMIC(CNotSupportedException)

 public:
  CNotSupportedException();
};

class CResourceException : public CSimpleException {
  DECLARE_DYNAMIC(CResourceException)

 public:
  CResourceException();
};

// The user has already been told; handlers only stop the operation.
class CUserException : public CSimpleException {
  DECLARE_DYNAMIC(CUserException)

 public:
  CUserException();
};

class CArchiveException : public CException {
  DECLARE_DYNAMIC(CArchiveException)

 public:
  enum {
    none,
    genericException,
    readOnly,
    endOfFile,
    writeOnly,
    badIndex,
    badClass,
    badSchema,
    generic = genericException
  };

  explicit CArchiveException(int cause = none, LPCTSTR lpszArchiveName = nullptr);
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

  int m_cause;
  CString m_strFileName;
};

class CFileException : public CException {
  DECLARE_DYNAMIC(CFileException)

 public:
  enum {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile,
    generic = genericException
  };

  explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszArchiveName = nullptr);
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

  // The operating system here is POSIX: OS errors are errno values.
  static int OsErrorToException(LONG lOsError);
  static int ErrnoToException(int nErrno);
  [[noreturn]] static void ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = nullptr);
  [[noreturn]] static void ThrowErrno(int nErrno, LPCTSTR lpszFileName = nullptr);

  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = nullptr);
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);

// Frees the exception a CATCH block caught when the block ends, unless it
// was thrown on.
class AfxCatchGuard {
 public:
  explicit AfxCatchGuard(CException* pException);
  ~AfxCatchGuard();
  AfxCatchGuard(const AfxCatchGuard&) = delete;
  AfxCatchGuard& operator=(const AfxCatchGuard&) = delete;

  void Release();
  template <typename T>
  static T* Release(T* pException) {
    if (pException != nullptr) pException->m_bInCatch = FALSE;
    return pException;
  }

 private:
  CException* m_pException;
};

#define TRY try {
#define CATCH(class_name, e) \
  }                          \
  catch (class_name * e) {   \
    AfxCatchGuard _afxCatchGuard(e);
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL }
#define THROW(e) throw AfxCatchGuard::Release(e)
#define THROW_LAST() (_afxCatchGuard.Release(), throw)
#define DELETE_EXCEPTION(e) ((e)->Delete())
