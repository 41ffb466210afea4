// CFileFind: the entries of one folder whose names match a pattern with "*"
// and "?" ("*.*" matches every name). Names compare as Linux compares them,
// case-sensitively; entries come in name order, "." and ".." included.
#pragma once

#include <string>
#include <vector>

#include "mfc/datetime.h"
#include "mfc/object.h"

class CFileFind : public CObject {
  DECLARE_DYNAMIC(CFileFind)

 public:
  CFileFind() = default;
  ~CFileFind() override = default;

  // TRUE when something matches; FindNextFile then steps to the first match.
  virtual BOOL FindFile(LPCTSTR pstrName = nullptr, DWORD dwUnused = 0);
  // Steps to the next match; FALSE when that match is the last one.
  virtual BOOL FindNextFile();
  void Close();

  virtual CString GetFileName() const;
  virtual CString GetFilePath() const;
  virtual CString GetFileTitle() const;
  virtual CString GetFileURL() const;
  virtual CString GetRoot() const;
  ULONGLONG GetLength() const;
  BOOL GetLastWriteTime(CTime& refTime) const;

  BOOL IsDots() const;
  BOOL IsDirectory() const { return MatchesMask(0x10); }
  BOOL IsReadOnly() const { return MatchesMask(0x01); }
  BOOL IsHidden() const { return MatchesMask(0x02); }
  BOOL IsNormal() const { return Current() != nullptr && Current()->attributes == 0; }
  virtual BOOL MatchesMask(DWORD dwMask) const;

 private:
  struct Entry {
    std::string name;
    ULONGLONG size;
    time_t mtime;
    DWORD attributes;  // FILE_ATTRIBUTE_* bits
  };

  const Entry* Current() const;

  std::string m_root;
  std::vector<Entry> m_entries;
  size_t m_nNext = 0;  // entries handed out so far
};

// Whether a name matches a pattern of "*" and "?" (and "*.*" for all).
BOOL AfxMatchFilePattern(LPCTSTR lpszPattern, LPCTSTR lpszName);
