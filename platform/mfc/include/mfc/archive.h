// CArchive: the classic binary serialisation layout over a CFile.
//
// Integers are little-endian: int, LONG, UINT and DWORD as 32 bits; `long`
// is 64 bits here and goes out as a LONGLONG. Strings carry a length
// prefix: a BYTE below 0xFF, else 0xFF and a WORD below 0xFFFF, else 0xFF,
// 0xFFFF and a DWORD. Objects carry class tags: 0xFFFF, schema WORD, name
// length WORD and the name for a class's first object, 0x8000|index for its
// later ones, the WORD index of an object written before (0x7FFF and a DWORD
// for large indexes), 0 for a null pointer. Bad data throws
// CArchiveException; the object being read when it happens is freed.
#pragma once

#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "afxstr.h"
#include "mfc/exception.h"
#include "mfc/object.h"

class CFile;
class CDocument;

class CArchive {
 public:
  enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

  CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
  ~CArchive();
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  BOOL IsLoading() const { return (m_nMode & load) != 0; }
  BOOL IsStoring() const { return (m_nMode & load) == 0; }
  BOOL IsByteSwapping() const { return FALSE; }
  BOOL IsBufferEmpty() const;
  CFile* GetFile() const { return m_pFile; }

  // The schema of the object being read, once: later calls answer (UINT)-1.
  UINT GetObjectSchema();
  void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

  UINT Read(void* lpBuf, UINT nMax);
  void Write(const void* lpBuf, UINT nMax);
  void Flush();
  void Close();
  void Abort();

  // Text lines: WriteString writes the text as it is; ReadString reads to
  // "\n" and drops the line end ("\r\n" or "\n").
  void WriteString(LPCTSTR lpsz);
  BOOL ReadString(CString& rString);
  LPTSTR ReadString(LPTSTR lpsz, UINT nMax);

  void WriteObject(const CObject* pOb);
  CObject* ReadObject(const CRuntimeClass* pClass);
  // As ReadObject; bCreated tells an object this read made from a
  // back-reference to one read before (which belongs to whoever read it).
  CObject* ReadObject(const CRuntimeClass* pClass, BOOL& bCreated);
  // Whether a load is inside an object's Serialize: the object is freed
  // when the load fails, so a collection it was filling frees what it made.
  BOOL IsReadingObject() const { return m_nObjectDepth > 0; }
  // Deletes an object that this archive made, after taking it out of the
  // load map, so that later back-references to it find nothing.
  void DeleteLoadedObject(CObject* pOb);
  void WriteClass(const CRuntimeClass* pClassRef);
  CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr,
                           DWORD* pObTag = nullptr);
  void SerializeClass(const CRuntimeClass* pClassRef);
  // Enters an object that is stored elsewhere, so later references to it
  // are written as back-references.
  void MapObject(const CObject* pOb);

  void WriteCount(DWORD_PTR dwCount);
  DWORD_PTR ReadCount();

  CArchive& operator<<(BYTE by) { return WriteLE(by); }
  CArchive& operator<<(WORD w) { return WriteLE(w); }
  CArchive& operator<<(int i) { return WriteLE(static_cast<LONG>(i)); }
  CArchive& operator<<(UINT u) { return WriteLE(static_cast<DWORD>(u)); }
  CArchive& operator<<(short w) { return WriteLE(static_cast<WORD>(w)); }
  CArchive& operator<<(char ch) { return WriteLE(static_cast<BYTE>(ch)); }
  CArchive& operator<<(signed char ch) { return WriteLE(static_cast<BYTE>(ch)); }
  CArchive& operator<<(bool b) { return WriteLE(static_cast<BYTE>(b ? 1 : 0)); }
  CArchive& operator<<(long l) { return WriteLE(static_cast<LONGLONG>(l)); }
  CArchive& operator<<(unsigned long l) { return WriteLE(static_cast<ULONGLONG>(l)); }
  CArchive& operator<<(long long l) { return WriteLE(static_cast<LONGLONG>(l)); }
  CArchive& operator<<(unsigned long long l) { return WriteLE(static_cast<ULONGLONG>(l)); }
  CArchive& operator<<(float f) { return WriteLE(f); }
  CArchive& operator<<(double d) { return WriteLE(d); }

  CArchive& operator>>(BYTE& by) { return ReadLE(by); }
  CArchive& operator>>(WORD& w) { return ReadLE(w); }
  CArchive& operator>>(int& i) { return ReadLE(i); }
  CArchive& operator>>(UINT& u) { return ReadLE(u); }
  CArchive& operator>>(short& w) { return ReadLE(w); }
  CArchive& operator>>(char& ch) { return ReadLE(ch); }
  CArchive& operator>>(signed char& ch) { return ReadLE(ch); }
  CArchive& operator>>(bool& b);
  CArchive& operator>>(long& l) { return ReadLE(l); }
  CArchive& operator>>(unsigned long& l) { return ReadLE(l); }
  CArchive& operator>>(long long& l) { return ReadLE(l); }
  CArchive& operator>>(unsigned long long& l) { return ReadLE(l); }
  CArchive& operator>>(float& f) { return ReadLE(f); }
  CArchive& operator>>(double& d) { return ReadLE(d); }

  // The classic length prefix: a BYTE below 0xFF, else 0xFF and a WORD
  // below 0xFFFE, else 0xFFFF and a DWORD below 0xFFFFFFFF, else that and
  // a QWORD. 0xFF 0xFFFE marks a string of 16-bit characters, whose length
  // follows in the same form; bWide tells it.
  void WriteStringLength(ULONGLONG nLength);
  ULONGLONG ReadStringLength(BOOL& bWide);

  CDocument* m_pDocument = nullptr;
  CString m_strFileName;

 private:
  // One entry of the loaded-object table: classes and objects share the
  // index space but are never confused with each other.
  struct LoadEntry {
    CObject* pObject;
    CRuntimeClass* pClass;
  };

  template <typename T>
  CArchive& WriteLE(T value) {
    BYTE bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    Write(bytes, sizeof(T));
    return *this;
  }
  template <typename T>
  CArchive& ReadLE(T& value) {
    BYTE bytes[sizeof(T)];
    ReadExactly(bytes, sizeof(T));
    std::memcpy(&value, bytes, sizeof(T));
    return *this;
  }

  void ReadExactly(void* lpBuf, UINT nCount);
  UINT FillBuffer(UINT nWanted);
  void CheckMode(bool wantLoading) const;
  void CheckCount() const;
  DWORD NextMapIndex();
  void InitMaps();
  void WriteTag(DWORD nIndex, DWORD nBigFlag, WORD wSmallFlag);
  CRuntimeClass* LoadedClass(DWORD nClassIndex) const;
  CRuntimeClass* ReadNewClass(UINT* pSchema);
  CObject* ReadNewObject(CRuntimeClass* pClassRef, UINT nSchema);
  [[noreturn]] void Fail(int cause) const;

  CFile* m_pFile;
  UINT m_nMode;
  size_t m_nBufSize;
  std::vector<BYTE> m_buffer;
  size_t m_nBufPos = 0;  // loading: next unread byte of m_buffer
  UINT m_nObjectSchema = static_cast<UINT>(-1);
  int m_nObjectDepth = 0;  // objects whose Serialize is loading now
  DWORD m_nMapCount = 0;
  std::unordered_map<const void*, DWORD> m_storeMap;
  std::vector<LoadEntry> m_loadArray;
  std::unordered_map<const CRuntimeClass*, UINT> m_schemaMap;
};

CArchive& operator<<(CArchive& ar, const CString& string);
CArchive& operator>>(CArchive& ar, CString& string);
CArchive& operator<<(CArchive& ar, const CObject* pOb);
CArchive& operator>>(CArchive& ar, CObject*& pOb);
CArchive& operator>>(CArchive& ar, const CObject*& pOb);
