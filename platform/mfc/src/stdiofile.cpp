#include "mfc/stdiofile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

constexpr size_t kBufferSize = 4096;

}  // namespace

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error)) {
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
  }
}

CStdioFile::~CStdioFile() {
  if (m_hFile == hFileNull || !m_bCloseOnDelete) return;
  try {
    WriteOut();
  } catch (CException* e) {
    e->Delete();
  }
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  m_readBuffer.clear();
  m_nReadPos = 0;
  m_writeBuffer.clear();
  m_bText = (nOpenFlags & typeBinary) == 0;
  return CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError);
}

void CStdioFile::DropReadBuffer() {
  // The descriptor is ahead of the reader by what is still buffered.
  const size_t unread = m_readBuffer.size() - m_nReadPos;
  m_readBuffer.clear();
  m_nReadPos = 0;
  if (unread > 0) CFile::Seek(-static_cast<LONGLONG>(unread), current);
}

void CStdioFile::WriteOut() {
  if (m_writeBuffer.empty()) return;
  std::vector<char> pending;
  pending.swap(m_writeBuffer);
  CFile::Write(pending.data(), static_cast<UINT>(pending.size()));
}

int CStdioFile::PeekByte() {
  if (m_nReadPos >= m_readBuffer.size()) {
    WriteOut();
    m_readBuffer.resize(kBufferSize);
    m_readBuffer.resize(CFile::Read(m_readBuffer.data(), kBufferSize));
    m_nReadPos = 0;
    if (m_readBuffer.empty()) return -1;
  }
  return static_cast<unsigned char>(m_readBuffer[m_nReadPos]);
}

int CStdioFile::NextByte() {
  const int ch = PeekByte();
  if (ch >= 0) ++m_nReadPos;
  return ch;
}

int CStdioFile::GetChar() {
  const int ch = NextByte();
  if (m_bText && ch == '\r' && PeekByte() == '\n') return NextByte();
  return ch;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
  auto* out = static_cast<char*>(lpBuf);
  UINT done = 0;
  for (int ch; done < nCount && (ch = GetChar()) >= 0;) out[done++] = static_cast<char>(ch);
  return done;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
  if (m_hFile == hFileNull) AfxThrowFileException(CFileException::invalidFile, EBADF, m_strFileName);
  DropReadBuffer();
  const auto* in = static_cast<const char*>(lpBuf);
  for (UINT i = 0; i < nCount; ++i) {
    if (m_bText && in[i] == '\n') m_writeBuffer.push_back('\r');
    m_writeBuffer.push_back(in[i]);
  }
  if (m_writeBuffer.size() >= kBufferSize) WriteOut();
}

BOOL CStdioFile::ReadString(CString& rString) {
  std::string line;
  int ch = GetChar();
  if (ch < 0) {
    rString.Empty();
    return FALSE;
  }
  // Only the line feed goes: in binary mode a CR before it stays, as no
  // translation takes CR LF apart there.
  for (; ch >= 0 && ch != '\n'; ch = GetChar()) line += static_cast<char>(ch);
  rString = CString(std::string_view(line));
  return TRUE;
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax) {
  if (lpsz == nullptr || nMax == 0) return nullptr;
  UINT n = 0;
  for (int ch; n + 1 < nMax && (ch = GetChar()) >= 0;) {
    lpsz[n++] = static_cast<char>(ch);
    if (ch == '\n') break;
  }
  lpsz[n] = '\0';
  return n > 0 ? lpsz : nullptr;
}

void CStdioFile::WriteString(LPCTSTR lpsz) {
  if (lpsz != nullptr) Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom) {
  WriteOut();
  DropReadBuffer();
  return CFile::Seek(lOff, nFrom);
}

ULONGLONG CStdioFile::GetPosition() const {
  return CFile::GetPosition() + m_writeBuffer.size() - (m_readBuffer.size() - m_nReadPos);
}

ULONGLONG CStdioFile::GetLength() const {
  const ULONGLONG length = CFile::GetLength();
  return std::max(length, GetPosition());
}

void CStdioFile::SetLength(ULONGLONG dwNewLen) {
  WriteOut();
  DropReadBuffer();
  CFile::SetLength(dwNewLen);
}

void CStdioFile::Flush() {
  if (m_hFile == hFileNull) return;
  WriteOut();
  CFile::Flush();
}

void CStdioFile::Close() {
  try {
    if (m_hFile != hFileNull) WriteOut();
  } catch (CException*) {
    Abort();
    throw;
  }
  m_readBuffer.clear();
  m_nReadPos = 0;
  CFile::Close();
}

void CStdioFile::Abort() {
  m_readBuffer.clear();
  m_nReadPos = 0;
  m_writeBuffer.clear();
  CFile::Abort();
}
