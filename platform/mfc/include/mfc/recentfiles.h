// CRecentFileList: the most recently used files, kept in the application's
// profile and shown as numbered items of the File menu.
#pragma once

#include <vector>

#include "afxres.h"
#include "afxstr.h"
#include "windows.h"

class CCmdUI;
namespace afx {
class ProfileStore;
}

// Display names longer than this are abbreviated.
#define AFX_ABBREV_FILENAME_LEN 30

class CRecentFileList {
 public:
  // lpszEntryFormat has one %d, numbered from 1 ("File%d").
  CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                  int nMaxDispLen = AFX_ABBREV_FILENAME_LEN);
  virtual ~CRecentFileList() = default;

  int GetSize() const { return m_nSize; }
  // Empty strings stand for unused places.
  CString& operator[](int nIndex) { return m_arrNames[static_cast<size_t>(nIndex)]; }

  // Puts the file first; the same file already in the list (compared
  // without regard to case) moves up instead of appearing twice, and when
  // the list is full the last one drops off.
  virtual void Add(LPCTSTR lpszPathName);
  virtual void Remove(int nIndex);

  // The name for the menu: relative to lpszCurDir (nCurDir characters)
  // when the file is in that folder, then abbreviated to the display
  // length as "/first/.../last/name.ext", or the bare name when even that
  // is too long (nothing when the name itself is, unless bAtLeastName).
  virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                              BOOL bAtLeastName = TRUE) const;
  // Replaces the items from pCmdUI's item on with "&1 name"... items, one
  // per file; with no files, shows the item's original text greyed.
  virtual void UpdateMenu(CCmdUI* pCmdUI);

  // Through a profile store; CWinApp's list uses the application's.
  void ReadList(const afx::ProfileStore& store);
  void WriteList(const afx::ProfileStore& store) const;

  int m_nSize;
  std::vector<CString> m_arrNames;
  CString m_strSectionName;
  CString m_strEntryFormat;
  UINT m_nStart;
  int m_nMaxDisplayLength;
  CString m_strOriginal;

 private:
  CString EntryName(int nIndex) const;
};

// Abbreviates a path to at most cchMax characters as described above.
CString AfxAbbreviateName(const CString& path, int cchMax, BOOL bAtLeastName);
