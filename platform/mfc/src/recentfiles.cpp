#include "mfc/recentfiles.h"

#include <algorithm>
#include <filesystem>

#include "mfc/cmdtarget.h"
#include "mfc/menu.h"
#include "profile.h"

namespace {

// Absolute and without "." or ".." parts, as the same file is always
// written the same way.
CString FullPath(LPCTSTR lpszPathName) {
  std::filesystem::path path(lpszPathName);
  std::error_code error;
  if (path.is_relative()) path = std::filesystem::absolute(path, error);
  return CString(path.lexically_normal().string().c_str());
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

int LastSeparator(const CString& path) {
  for (int i = path.GetLength() - 1; i >= 0; --i) {
    if (IsSeparator(path[i])) return i;
  }
  return -1;
}

}  // namespace

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize, int nMaxDispLen)
    : m_nSize(std::max(nSize, 0)),
      m_arrNames(static_cast<size_t>(std::max(nSize, 0))),
      m_strSectionName(lpszSection ? lpszSection : ""),
      m_strEntryFormat(lpszEntryFormat ? lpszEntryFormat : ""),
      m_nStart(nStart),
      m_nMaxDisplayLength(nMaxDispLen) {}

void CRecentFileList::Add(LPCTSTR lpszPathName) {
  if (!lpszPathName || !*lpszPathName || m_nSize == 0) return;
  const CString path = FullPath(lpszPathName);
  const auto same = std::find_if(m_arrNames.begin(), m_arrNames.end(),
                                 [&path](const CString& name) { return name.CompareNoCase(path) == 0; });
  const auto last = same == m_arrNames.end() ? m_arrNames.end() - 1 : same;
  std::rotate(m_arrNames.begin(), last, last + 1);
  m_arrNames.front() = path;
}

void CRecentFileList::Remove(int nIndex) {
  if (nIndex < 0 || nIndex >= m_nSize) return;
  m_arrNames.erase(m_arrNames.begin() + nIndex);
  m_arrNames.emplace_back();
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const {
  if (nIndex < 0 || nIndex >= m_nSize || m_arrNames[static_cast<size_t>(nIndex)].IsEmpty()) return FALSE;
  strName = m_arrNames[static_cast<size_t>(nIndex)];
  const int folderEnd = LastSeparator(strName);
  // In the current folder the name alone is enough.
  if (lpszCurDir && nCurDir > 0 && folderEnd == nCurDir &&
      strName.Left(nCurDir).CompareNoCase(CString(lpszCurDir, nCurDir)) == 0) {
    strName = strName.Mid(folderEnd + 1);
  }
  if (m_nMaxDisplayLength != -1) strName = AfxAbbreviateName(strName, m_nMaxDisplayLength, bAtLeastName);
  return TRUE;
}

CString CRecentFileList::EntryName(int nIndex) const {
  CString entry;
  entry.Format(m_strEntryFormat, nIndex + 1);
  return entry;
}

void CRecentFileList::ReadList(const afx::ProfileStore& store) {
  for (int i = 0; i < m_nSize; ++i) {
    m_arrNames[static_cast<size_t>(i)] = store.GetString(m_strSectionName, EntryName(i), "");
  }
}

// Unused places are removed from the profile, so a shorter list leaves no
// stale entries behind.
void CRecentFileList::WriteList(const afx::ProfileStore& store) const {
  for (int i = 0; i < m_nSize; ++i) {
    const CString& name = m_arrNames[static_cast<size_t>(i)];
    store.WriteString(m_strSectionName, EntryName(i), name.IsEmpty() ? nullptr : static_cast<LPCTSTR>(name));
  }
}

CString AfxAbbreviateName(const CString& path, int cchMax, BOOL bAtLeastName) {
  const int length = path.GetLength();
  if (cchMax >= length) return path;
  const int nameStart = LastSeparator(path) + 1;
  const CString name = path.Mid(nameStart);
  if (cchMax < name.GetLength()) return bAtLeastName ? name : CString();
  // The root keeps the first folder: "/home" of "/home/user/docs/a.txt".
  int rootEnd = IsSeparator(path[0]) ? 1 : 0;
  while (rootEnd < nameStart && !IsSeparator(path[rootEnd])) ++rootEnd;
  if (rootEnd >= nameStart - 1) return name;
  const char separator = path[rootEnd];
  const CString root = path.Left(rootEnd) + separator + "...";
  // Drop folders after the root until the rest fits.
  for (int restStart = rootEnd; restStart < nameStart; ++restStart) {
    if (!IsSeparator(path[restStart])) continue;
    const CString rest = path.Mid(restStart);
    if (root.GetLength() + rest.GetLength() <= cchMax) return root + rest;
  }
  return name;
}
