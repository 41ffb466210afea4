// Application settings in the registry, the way the class library's
// profile functions keep them.
#include "HLUtilWinRegistry.h"
#include "RegKey.h"

namespace {

std::string Text(LPCTSTR text) { return text ? text : ""; }

}  // namespace

CWinRegistry::CWinRegistry(LPCTSTR company, LPCTSTR application) {
  m_strBase = "Software\\";
  m_strBase += Text(company).c_str();
  m_strBase += "\\";
  m_strBase += Text(application).c_str();
}

CString CWinRegistry::SectionPath(LPCTSTR section) const {
  CString path = m_strBase;
  path += "\\";
  path += Text(section).c_str();
  return path;
}

UINT CWinRegistry::GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue, HKEY root) const {
  if (!section || !entry) return static_cast<UINT>(defaultValue);
  utils::RegKey key(root, SectionPath(section).str(), false);
  return key.GetDword(entry).value_or(static_cast<DWORD>(defaultValue));
}

CString CWinRegistry::GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue, HKEY root) const {
  CString fallback(defaultValue ? defaultValue : "");
  if (!section || !entry) return fallback;
  utils::RegKey key(root, SectionPath(section).str(), false);
  auto value = key.GetString(entry);
  return value ? CString(*value) : fallback;
}

BOOL CWinRegistry::WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value, HKEY root) {
  if (!section || !entry) return FALSE;
  utils::RegKey key(root, SectionPath(section).str(), true);
  return key.SetDword(entry, static_cast<DWORD>(value)) ? TRUE : FALSE;
}

BOOL CWinRegistry::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value, HKEY root) {
  if (!section) return FALSE;
  if (!entry) return utils::DeleteKeyTree(root, SectionPath(section).str()) ? TRUE : FALSE;
  utils::RegKey key(root, SectionPath(section).str(), !!value);
  if (!value) return key.DeleteValue(entry) ? TRUE : FALSE;
  return key.SetString(entry, value) ? TRUE : FALSE;
}
