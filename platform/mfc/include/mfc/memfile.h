// CMemFile: a file in memory, grown in steps of nGrowBytes. An attached
// buffer stays the caller's; with nGrowBytes 0 it cannot grow and a write
// past its end throws CMemoryException.
#pragma once

#include <cstdlib>
#include <memory>

#include "mfc/file.h"

class CMemFile : public CFile {
  DECLARE_DYNAMIC(CMemFile)

 public:
  explicit CMemFile(UINT nGrowBytes = 1024);
  CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
  ~CMemFile() override = default;

  void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
  // Hands the memory to the caller (to be freed with free() when it was
  // grown here) and leaves the file empty.
  BYTE* Detach();

  BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  ULONGLONG GetLength() const override { return m_nFileSize; }
  void SetLength(ULONGLONG dwNewLen) override;
  ULONGLONG GetPosition() const override { return m_nPosition; }
  void Flush() override {}
  void Close() override;
  void Abort() override { Close(); }

 private:
  struct FreeDeleter {
    void operator()(BYTE* p) const { std::free(p); }
  };

  void GrowFile(size_t nNewLen);

  std::unique_ptr<BYTE, FreeDeleter> m_owned;  // when the memory is ours
  BYTE* m_lpBuffer = nullptr;                  // the memory in use
  size_t m_nBufferSize = 0;
  size_t m_nFileSize = 0;
  size_t m_nPosition = 0;
  UINT m_nGrowBytes;
};
