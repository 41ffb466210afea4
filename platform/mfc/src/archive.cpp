#include "mfc/archive.h"

#include <algorithm>
#include <memory>

#include "mfc/file.h"

#include <windows.h>

namespace {

constexpr WORD wNullTag = 0;
constexpr WORD wNewClassTag = 0xFFFF;
constexpr WORD wClassTag = 0x8000;
constexpr DWORD dwBigClassTag = 0x80000000;
constexpr WORD wBigObjectTag = 0x7FFF;
constexpr DWORD nMaxMapCount = 0x3FFFFFFE;
constexpr size_t kMinBufSize = 128;
// Long strings are read in pieces, so a corrupt length meets the end of the
// data before it can claim much memory.
constexpr size_t kStringChunk = 64 * 1024;
// The WORD after a 0xFF length byte that marks 16-bit characters.
constexpr WORD kWideStringMark = 0xFFFE;

}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pFile(pFile), m_nMode(nMode), m_nBufSize(std::max(static_cast<size_t>(std::max(nBufSize, 0)), kMinBufSize)) {
  ASSERT(pFile != nullptr);
  if (pFile != nullptr) m_strFileName = pFile->GetFilePath();
  if (IsStoring()) m_buffer.reserve(m_nBufSize);
}

CArchive::~CArchive() {
  if (m_pFile == nullptr || (m_nMode & bNoFlushOnDelete)) return;
  try {
    Close();
  } catch (CException* e) {
    e->Delete();
  }
}

void CArchive::Fail(int cause) const { AfxThrowArchiveException(cause, m_strFileName); }

void CArchive::CheckMode(bool wantLoading) const {
  if (m_pFile == nullptr) Fail(CArchiveException::genericException);
  if (wantLoading && !IsLoading()) Fail(CArchiveException::writeOnly);
  if (!wantLoading && IsLoading()) Fail(CArchiveException::readOnly);
}

BOOL CArchive::IsBufferEmpty() const { return IsLoading() && m_nBufPos >= m_buffer.size(); }

UINT CArchive::GetObjectSchema() {
  const UINT nResult = m_nObjectSchema;
  m_nObjectSchema = static_cast<UINT>(-1);
  return nResult;
}

UINT CArchive::FillBuffer(UINT nWanted) {
  m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(m_nBufPos));
  m_nBufPos = 0;
  const size_t have = m_buffer.size();
  const size_t room = std::max(m_nBufSize, static_cast<size_t>(nWanted));
  m_buffer.resize(have + room);
  const UINT got = m_pFile->Read(m_buffer.data() + have, static_cast<UINT>(room));
  m_buffer.resize(have + got);
  return static_cast<UINT>(m_buffer.size());
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
  CheckMode(true);
  auto* out = static_cast<BYTE*>(lpBuf);
  UINT done = 0;
  while (done < nMax) {
    if (m_nBufPos >= m_buffer.size() && FillBuffer(nMax - done) == 0) break;
    const size_t n = std::min(static_cast<size_t>(nMax - done), m_buffer.size() - m_nBufPos);
    std::memcpy(out + done, m_buffer.data() + m_nBufPos, n);
    m_nBufPos += n;
    done += static_cast<UINT>(n);
  }
  return done;
}

void CArchive::ReadExactly(void* lpBuf, UINT nCount) {
  if (Read(lpBuf, nCount) < nCount) Fail(CArchiveException::endOfFile);
}

void CArchive::Write(const void* lpBuf, UINT nMax) {
  CheckMode(false);
  const auto* in = static_cast<const BYTE*>(lpBuf);
  m_buffer.insert(m_buffer.end(), in, in + nMax);
  if (m_buffer.size() >= m_nBufSize) {
    m_pFile->Write(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
    m_buffer.clear();
  }
}

void CArchive::Flush() {
  if (m_pFile == nullptr) return;
  if (IsStoring()) {
    if (!m_buffer.empty()) m_pFile->Write(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
  } else if (m_nBufPos < m_buffer.size()) {
    // Give the unread bytes back to the file.
    m_pFile->Seek(-static_cast<LONGLONG>(m_buffer.size() - m_nBufPos), CFile::current);
  }
  m_buffer.clear();
  m_nBufPos = 0;
}

void CArchive::Close() {
  Flush();
  m_pFile = nullptr;
}

void CArchive::Abort() {
  m_buffer.clear();
  m_nBufPos = 0;
  m_pFile = nullptr;
}

void CArchive::WriteString(LPCTSTR lpsz) {
  if (lpsz != nullptr) Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
}

BOOL CArchive::ReadString(CString& rString) {
  std::string line;
  char ch = 0;
  bool any = false;
  while (Read(&ch, 1) == 1) {
    any = true;
    if (ch == '\n') break;
    line += ch;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  rString = CString(std::string_view(line));
  return any;
}

LPTSTR CArchive::ReadString(LPTSTR lpsz, UINT nMax) {
  if (lpsz == nullptr || nMax == 0) return nullptr;
  UINT n = 0;
  char ch = 0;
  while (n + 1 < nMax && Read(&ch, 1) == 1) {
    lpsz[n++] = ch;
    if (ch == '\n') break;
  }
  if (n >= 2 && lpsz[n - 1] == '\n' && lpsz[n - 2] == '\r') {
    lpsz[n - 2] = '\n';
    --n;
  }
  lpsz[n] = '\0';
  return n > 0 ? lpsz : nullptr;
}

void CArchive::CheckCount() const {
  if (m_nMapCount >= nMaxMapCount) Fail(CArchiveException::badIndex);
}

DWORD CArchive::NextMapIndex() {
  CheckCount();
  return m_nMapCount++;
}

void CArchive::InitMaps() {
  if (m_nMapCount != 0) return;
  m_nMapCount = 1;  // index 0 is the null object
  if (IsLoading()) m_loadArray.push_back({nullptr, nullptr});
}

void CArchive::MapObject(const CObject* pOb) {
  CheckMode(IsLoading());
  InitMaps();
  if (pOb == nullptr) return;
  if (IsStoring()) {
    if (!m_storeMap.contains(pOb)) m_storeMap[pOb] = NextMapIndex();
  } else {
    CheckCount();
    m_loadArray.push_back({const_cast<CObject*>(pOb), nullptr});
    ++m_nMapCount;
  }
}

void CArchive::WriteTag(DWORD nIndex, DWORD nBigFlag, WORD wSmallFlag) {
  if (nIndex < wBigObjectTag) {
    *this << static_cast<WORD>(wSmallFlag | nIndex);
  } else {
    *this << wBigObjectTag << static_cast<DWORD>(nBigFlag | nIndex);
  }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
  CheckMode(false);
  if (pClassRef == nullptr || pClassRef->m_wSchema == 0xFFFF) AfxThrowNotSupportedException();
  InitMaps();
  const auto it = m_storeMap.find(pClassRef);
  if (it != m_storeMap.end()) {
    WriteTag(it->second, dwBigClassTag, wClassTag);
    return;
  }
  *this << wNewClassTag;
  pClassRef->Store(*this);
  m_storeMap[pClassRef] = NextMapIndex();
}

void CArchive::WriteObject(const CObject* pOb) {
  CheckMode(false);
  InitMaps();
  if (pOb == nullptr) {
    *this << wNullTag;
    return;
  }
  const auto it = m_storeMap.find(pOb);
  if (it != m_storeMap.end()) {
    WriteTag(it->second, 0, 0);
    return;
  }
  WriteClass(pOb->GetRuntimeClass());
  m_storeMap[pOb] = NextMapIndex();
  const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::LoadedClass(DWORD nClassIndex) const {
  if (nClassIndex == 0 || nClassIndex >= m_loadArray.size() || m_loadArray[nClassIndex].pClass == nullptr) {
    Fail(CArchiveException::badIndex);
  }
  return m_loadArray[nClassIndex].pClass;
}

CRuntimeClass* CArchive::ReadNewClass(UINT* pSchema) {
  UINT nSchema = 0;
  CRuntimeClass* pClassRef = CRuntimeClass::Load(*this, &nSchema);
  if (pClassRef == nullptr || pClassRef->m_wSchema == 0xFFFF || pClassRef->m_pfnCreateObject == nullptr) {
    Fail(CArchiveException::badClass);
  }
  const UINT nExpected = pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA;
  if (nExpected != nSchema && !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA)) Fail(CArchiveException::badSchema);
  m_schemaMap[pClassRef] = nSchema;
  CheckCount();
  m_loadArray.push_back({nullptr, pClassRef});
  ++m_nMapCount;
  *pSchema = nSchema;
  return pClassRef;
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag) {
  CheckMode(true);
  if (pClassRefRequested != nullptr && pClassRefRequested->m_wSchema == 0xFFFF) AfxThrowNotSupportedException();
  InitMaps();
  WORD wTag = 0;
  *this >> wTag;
  DWORD obTag = 0;
  if (wTag == wBigObjectTag) {
    *this >> obTag;
  } else {
    obTag = (static_cast<DWORD>(wTag & wClassTag) << 16) | (wTag & ~wClassTag);
  }
  if (!(obTag & dwBigClassTag)) {
    if (pObTag == nullptr) Fail(CArchiveException::badIndex);
    *pObTag = obTag;
    return nullptr;
  }
  UINT nSchema = 0;
  CRuntimeClass* pClassRef = nullptr;
  if (wTag == wNewClassTag) {
    pClassRef = ReadNewClass(&nSchema);
  } else {
    pClassRef = LoadedClass(obTag & ~dwBigClassTag);
    nSchema = m_schemaMap[pClassRef];
  }
  if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested)) {
    Fail(CArchiveException::badClass);
  }
  if (pSchema != nullptr) {
    *pSchema = nSchema;
  } else {
    m_nObjectSchema = nSchema;
  }
  if (pObTag != nullptr) *pObTag = obTag;
  return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef) {
  if (IsStoring()) {
    WriteClass(pClassRef);
  } else {
    ReadClass(pClassRef);
  }
}

CObject* CArchive::ReadNewObject(CRuntimeClass* pClassRef, UINT nSchema) {
  std::unique_ptr<CObject> pOb(pClassRef->CreateObject());
  if (pOb == nullptr) AfxThrowMemoryException();
  CheckCount();
  const size_t slot = m_loadArray.size();
  m_loadArray.push_back({pOb.get(), nullptr});
  ++m_nMapCount;
  const UINT nSchemaSave = m_nObjectSchema;
  m_nObjectSchema = nSchema;
  ++m_nObjectDepth;
  try {
    pOb->Serialize(*this);
  } catch (...) {
    // The half-read object is freed; later references to it find nothing.
    --m_nObjectDepth;
    m_loadArray[slot].pObject = nullptr;
    m_nObjectSchema = nSchemaSave;
    throw;
  }
  --m_nObjectDepth;
  m_nObjectSchema = nSchemaSave;
  return pOb.release();
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) {
  BOOL bCreated = FALSE;
  return ReadObject(pClassRefRequested, bCreated);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested, BOOL& bCreated) {
  bCreated = FALSE;
  UINT nSchema = 0;
  DWORD obTag = 0;
  CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
  if (pClassRef != nullptr) {
    CObject* pOb = ReadNewObject(pClassRef, nSchema);
    bCreated = TRUE;
    return pOb;
  }
  if (obTag >= m_loadArray.size() || m_loadArray[obTag].pClass != nullptr) Fail(CArchiveException::badIndex);
  CObject* pOb = m_loadArray[obTag].pObject;
  if (pOb != nullptr && pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested)) {
    Fail(CArchiveException::badClass);
  }
  return pOb;
}

void CArchive::DeleteLoadedObject(CObject* pOb) {
  if (pOb == nullptr) return;
  for (LoadEntry& entry : m_loadArray) {
    if (entry.pObject == pOb) entry.pObject = nullptr;
  }
  delete pOb;
}

void CArchive::WriteCount(DWORD_PTR dwCount) {
  if (dwCount < 0xFFFF) {
    *this << static_cast<WORD>(dwCount);
  } else {
    *this << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(dwCount);
  }
}

DWORD_PTR CArchive::ReadCount() {
  WORD wCount = 0;
  *this >> wCount;
  if (wCount != 0xFFFF) return wCount;
  DWORD dwCount = 0;
  *this >> dwCount;
  return dwCount;
}

void CArchive::WriteStringLength(ULONGLONG nLength) {
  if (nLength < 0xFF) {
    *this << static_cast<BYTE>(nLength);
    return;
  }
  *this << static_cast<BYTE>(0xFF);
  if (nLength < kWideStringMark) {
    *this << static_cast<WORD>(nLength);
    return;
  }
  *this << static_cast<WORD>(0xFFFF);
  if (nLength < 0xFFFFFFFF) {
    *this << static_cast<DWORD>(nLength);
  } else {
    *this << static_cast<DWORD>(0xFFFFFFFF) << nLength;
  }
}

ULONGLONG CArchive::ReadStringLength(BOOL& bWide) {
  bWide = FALSE;
  BYTE bLength = 0;
  *this >> bLength;
  if (bLength < 0xFF) return bLength;
  WORD wLength = 0;
  *this >> wLength;
  if (wLength == kWideStringMark) {
    bWide = TRUE;
    BOOL bNested = FALSE;
    const ULONGLONG nLength = ReadStringLength(bNested);
    if (bNested) Fail(CArchiveException::badIndex);
    return nLength;
  }
  if (wLength < 0xFFFF) return wLength;
  DWORD dwLength = 0;
  *this >> dwLength;
  if (dwLength < 0xFFFFFFFF) return dwLength;
  ULONGLONG qwLength = 0;
  *this >> qwLength;
  return qwLength;
}

CArchive& CArchive::operator>>(bool& b) {
  BYTE by = 0;
  *this >> by;
  b = by != 0;
  return *this;
}

CArchive& operator<<(CArchive& ar, const CString& string) {
  ar.WriteStringLength(static_cast<ULONGLONG>(string.GetLength()));
  ar.Write(string.GetString(), static_cast<UINT>(string.GetLength()));
  return ar;
}

namespace {

std::string ReadBytes(CArchive& ar, ULONGLONG count) {
  std::string bytes;
  while (count > 0) {
    const size_t chunk = static_cast<size_t>(std::min<ULONGLONG>(count, kStringChunk));
    const size_t have = bytes.size();
    bytes.resize(have + chunk);
    if (ar.Read(bytes.data() + have, static_cast<UINT>(chunk)) < chunk) {
      AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
    count -= chunk;
  }
  return bytes;
}

// Little-endian UTF-16 as our 8-bit text (UTF-8); a lone surrogate becomes
// the replacement character.
std::string Utf16ToText(const std::string& bytes) {
  const size_t count = bytes.size() / 2;
  if (count == 0) return {};
  std::u16string units(count, u'\0');
  for (size_t i = 0; i < count; ++i) {
    units[i] = static_cast<char16_t>(static_cast<BYTE>(bytes[2 * i]) | (static_cast<BYTE>(bytes[2 * i + 1]) << 8));
  }
  const int n = static_cast<int>(count);
  std::string text(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, units.data(), n, nullptr, 0, nullptr, nullptr)),
                   '\0');
  WideCharToMultiByte(CP_ACP, 0, units.data(), n, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
  return text;
}

}  // namespace

CArchive& operator>>(CArchive& ar, CString& string) {
  BOOL bWide = FALSE;
  const ULONGLONG nLength = ar.ReadStringLength(bWide);
  if (bWide && nLength > ~ULONGLONG{0} / 2) AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  const std::string bytes = ReadBytes(ar, bWide ? 2 * nLength : nLength);
  string = CString(std::string_view(bWide ? Utf16ToText(bytes) : bytes));
  return ar;
}

CArchive& operator<<(CArchive& ar, const CObject* pOb) {
  ar.WriteObject(pOb);
  return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb) {
  pOb = ar.ReadObject(nullptr);
  return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb) {
  pOb = ar.ReadObject(nullptr);
  return ar;
}
