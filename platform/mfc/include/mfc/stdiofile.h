// CStdioFile: a buffered file with text lines. In text mode (the default
// unless typeBinary is given) "\n" is written as CR LF and CR LF is read
// back as "\n"; a lone LF is accepted as a line end too.
#pragma once

#include <vector>

#include "mfc/file.h"

class CStdioFile : public CFile {
  DECLARE_DYNAMIC(CStdioFile)

 public:
  CStdioFile() = default;
  // Throws CFileException when the file cannot be opened.
  CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
  ~CStdioFile() override;

  BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  ULONGLONG GetPosition() const override;
  ULONGLONG GetLength() const override;
  void SetLength(ULONGLONG dwNewLen) override;
  void Flush() override;
  void Close() override;
  void Abort() override;

  // The next line without its line end; FALSE at the end of the file.
  virtual BOOL ReadString(CString& rString);
  // Up to nMax - 1 characters, the line end kept as "\n"; NULL at the end.
  virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
  virtual void WriteString(LPCTSTR lpsz);

 private:
  int GetChar();
  int PeekByte();
  int NextByte();
  void DropReadBuffer();
  void WriteOut();

  BOOL m_bText = TRUE;
  std::vector<char> m_readBuffer;
  size_t m_nReadPos = 0;
  std::vector<char> m_writeBuffer;
};
