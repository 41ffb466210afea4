// CFile: unbuffered binary files over POSIX descriptors.
//
// Names may use "/" or "\" (turned into "/"); there are no drive letters.
// Share modes are kept between openers with advisory locks: the default and
// shareExclusive/shareDenyRead take the file exclusively, shareDenyWrite
// takes it shared, and shareDenyNone only checks that nobody holds it
// exclusively. A failed operation throws CFileException with m_lOsError as
// the errno value; a closed file fails with invalidFile.
#pragma once

#include "afxstr.h"
#include "mfc/datetime.h"
#include "mfc/exception.h"
#include "mfc/object.h"

struct CFileStatus {
  CTime m_ctime;
  CTime m_mtime;
  CTime m_atime;
  ULONGLONG m_size = 0;
  BYTE m_attribute = 0;
  BYTE m_padding = 0;
  char m_szFullName[_MAX_PATH] = {};
};

class CFile : public CObject {
  DECLARE_DYNAMIC(CFile)

 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000
  };
  enum Attribute {
    normal = 0x00,
    readOnly = 0x01,
    hidden = 0x02,
    system = 0x04,
    volume = 0x08,
    directory = 0x10,
    archive = 0x20
  };
  enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };
  static constexpr int hFileNull = -1;

  CFile() = default;
  explicit CFile(int hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}
  // Throws CFileException when the file cannot be opened.
  CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
  ~CFile() override;

  virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
  virtual UINT Read(void* lpBuf, UINT nCount);
  virtual void Write(const void* lpBuf, UINT nCount);
  virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
  ULONGLONG SeekToBegin() { return Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  virtual ULONGLONG GetLength() const;
  virtual void SetLength(ULONGLONG dwNewLen);
  virtual ULONGLONG GetPosition() const;
  virtual void Flush();
  virtual void Close();
  virtual void Abort();

  virtual CString GetFileName() const;
  virtual CString GetFileTitle() const;
  virtual CString GetFilePath() const { return m_strFileName; }
  virtual void SetFilePath(LPCTSTR lpszNewName);
  BOOL GetStatus(CFileStatus& rStatus) const;

  static BOOL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);
  static void Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
  static void Remove(LPCTSTR lpszFileName);

  int m_hFile = hFileNull;

 protected:
  // A failure of the last call as this file's exception.
  [[noreturn]] void ThrowLastError() const;

  BOOL m_bCloseOnDelete = TRUE;
  CString m_strFileName;
};
