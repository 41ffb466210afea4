#include "mfc/filefind.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include <dirent.h>
#include <sys/stat.h>

#include "paths.h"

IMPLEMENT_DYNAMIC(CFileFind, CObject)

namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

bool Match(std::string_view pattern, std::string_view name) {
  // Iterative "*" matching with one backtrack point, linear in practice.
  size_t p = 0;
  size_t n = 0;
  size_t star = std::string_view::npos;
  size_t resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

DWORD Attributes(const struct stat& st, std::string_view name) {
  DWORD attributes = 0;
  if (S_ISDIR(st.st_mode)) attributes |= 0x10;
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attributes |= 0x01;
  if (name.size() > 1 && name.front() == '.' && name != "..") attributes |= 0x02;
  return attributes;
}

}  // namespace

BOOL AfxMatchFilePattern(LPCTSTR lpszPattern, LPCTSTR lpszName) {
  const std::string_view pattern = lpszPattern != nullptr ? lpszPattern : "";
  if (pattern == "*.*") return TRUE;
  return Match(pattern, lpszName != nullptr ? lpszName : "");
}

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD) {
  Close();
  const std::string request = afx::path::Native(pstrName != nullptr ? pstrName : "*.*");
  const size_t sep = request.rfind('/');
  const std::string pattern = sep == std::string::npos ? request : request.substr(sep + 1);
  const std::string folder = sep == std::string::npos ? "." : (sep == 0 ? "/" : request.substr(0, sep));
  const std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
  if (dir == nullptr) return FALSE;
  m_root = afx::path::Full(folder);
  const std::string prefix = m_root == "/" ? m_root : m_root + "/";
  for (const dirent* entry; (entry = readdir(dir.get())) != nullptr;) {
    const std::string name = entry->d_name;
    if (!AfxMatchFilePattern(pattern.c_str(), name.c_str())) continue;
    struct stat st = {};
    if (::stat((prefix + name).c_str(), &st) != 0 && ::lstat((prefix + name).c_str(), &st) != 0) continue;
    m_entries.push_back(
        {name, S_ISDIR(st.st_mode) ? 0 : static_cast<ULONGLONG>(st.st_size), st.st_mtime, Attributes(st, name)});
  }
  std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
  if (m_entries.empty()) Close();
  return !m_entries.empty();
}

BOOL CFileFind::FindNextFile() {
  if (m_nNext < m_entries.size()) ++m_nNext;
  return m_nNext < m_entries.size();
}

void CFileFind::Close() {
  m_root.clear();
  m_entries.clear();
  m_nNext = 0;
}

const CFileFind::Entry* CFileFind::Current() const {
  return m_nNext > 0 && m_nNext <= m_entries.size() ? &m_entries[m_nNext - 1] : nullptr;
}

CString CFileFind::GetFileName() const {
  const Entry* entry = Current();
  return entry != nullptr ? CString(std::string_view(entry->name)) : CString();
}

CString CFileFind::GetFilePath() const {
  const Entry* entry = Current();
  if (entry == nullptr) return CString();
  return CString(std::string_view(m_root == "/" ? m_root + entry->name : m_root + "/" + entry->name));
}

CString CFileFind::GetFileTitle() const {
  const Entry* entry = Current();
  return entry != nullptr ? CString(afx::path::FileTitle(entry->name)) : CString();
}

CString CFileFind::GetFileURL() const {
  const CString path = GetFilePath();
  return path.IsEmpty() ? path : CString("file://") + path;
}

CString CFileFind::GetRoot() const { return Current() != nullptr ? CString(std::string_view(m_root)) : CString(); }

ULONGLONG CFileFind::GetLength() const {
  const Entry* entry = Current();
  return entry != nullptr ? entry->size : 0;
}

BOOL CFileFind::GetLastWriteTime(CTime& refTime) const {
  const Entry* entry = Current();
  if (entry == nullptr) return FALSE;
  refTime = CTime(entry->mtime);
  return TRUE;
}

BOOL CFileFind::IsDots() const {
  const Entry* entry = Current();
  return entry != nullptr && (entry->name == "." || entry->name == "..");
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const {
  const Entry* entry = Current();
  return entry != nullptr && (entry->attributes & dwMask) != 0;
}
