#include "mfc/memfile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes) : m_nGrowBytes(nGrowBytes) {}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : m_nGrowBytes(nGrowBytes) {
  Attach(lpBuffer, nBufferSize, nGrowBytes);
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) {
  m_owned.reset();
  m_lpBuffer = lpBuffer;
  m_nBufferSize = lpBuffer != nullptr ? nBufferSize : 0;
  // A growable attached buffer holds data to read; a fixed one is space to fill.
  m_nFileSize = nGrowBytes == 0 ? m_nBufferSize : 0;
  m_nPosition = 0;
  m_nGrowBytes = nGrowBytes;
}

BYTE* CMemFile::Detach() {
  BYTE* buffer = m_owned ? m_owned.release() : m_lpBuffer;
  m_lpBuffer = nullptr;
  m_nBufferSize = m_nFileSize = m_nPosition = 0;
  return buffer;
}

BOOL CMemFile::Open(LPCTSTR, UINT, CFileException*) { AfxThrowNotSupportedException(); }

void CMemFile::GrowFile(size_t nNewLen) {
  if (nNewLen <= m_nBufferSize) return;
  if (m_nGrowBytes == 0) AfxThrowMemoryException();
  // Doubling keeps a file written in small pieces (an archive's flushes)
  // linear; growing by one step each time would copy the buffer once per step.
  const size_t step = m_nGrowBytes;
  const size_t wanted = std::max(nNewLen, m_nBufferSize * 2);
  const size_t capacity = (wanted + step - 1) / step * step;
  auto grown = std::unique_ptr<BYTE, FreeDeleter>(static_cast<BYTE*>(std::calloc(capacity, 1)));
  if (!grown) AfxThrowMemoryException();
  if (m_nFileSize > 0) std::memcpy(grown.get(), m_lpBuffer, m_nFileSize);
  m_owned = std::move(grown);
  m_lpBuffer = m_owned.get();
  m_nBufferSize = capacity;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
  if (m_nPosition >= m_nFileSize) return 0;
  const size_t n = std::min(static_cast<size_t>(nCount), m_nFileSize - m_nPosition);
  std::memcpy(lpBuf, m_lpBuffer + m_nPosition, n);
  m_nPosition += n;
  return static_cast<UINT>(n);
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  const size_t end = m_nPosition + nCount;
  GrowFile(end);
  // A gap left by a seek past the end reads as zeros.
  if (m_nPosition > m_nFileSize) std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
  std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
  m_nPosition = end;
  m_nFileSize = std::max(m_nFileSize, end);
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom) {
  const LONGLONG base = nFrom == current ? static_cast<LONGLONG>(m_nPosition)
                        : nFrom == end   ? static_cast<LONGLONG>(m_nFileSize)
                                         : 0;
  // Before the start, or past the largest position (the sum would overflow).
  if (lOff < 0 ? base + lOff < 0 : lOff > std::numeric_limits<LONGLONG>::max() - base)
    AfxThrowFileException(CFileException::badSeek, EINVAL);
  m_nPosition = static_cast<size_t>(base + lOff);
  return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen) {
  const auto length = static_cast<size_t>(dwNewLen);
  GrowFile(length);
  if (length > m_nFileSize) std::memset(m_lpBuffer + m_nFileSize, 0, length - m_nFileSize);
  m_nFileSize = length;
  m_nPosition = std::min(m_nPosition, length);
}

void CMemFile::Close() {
  m_owned.reset();
  m_lpBuffer = nullptr;
  m_nBufferSize = m_nFileSize = m_nPosition = 0;
}
