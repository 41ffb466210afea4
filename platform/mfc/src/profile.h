// Where an application keeps its settings, behind CWinApp's profile
// functions.
//
// With a registry key, values live under
// HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>
// (strings REG_SZ, integers REG_DWORD, binary REG_BINARY). Without one,
// in the initialisation file named by the profile name, where binary
// values are written as two letters per byte ('A' plus the low nibble,
// then 'A' plus the high one).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "afxstr.h"
#include "windows.h"

namespace afx {

class ProfileStore {
 public:
  // A null or empty registry key selects the initialisation file.
  ProfileStore(LPCTSTR registryKey, LPCTSTR profileName);

  UINT GetInt(LPCTSTR section, LPCTSTR entry, int nDefault) const;
  BOOL WriteInt(LPCTSTR section, LPCTSTR entry, int nValue) const;
  CString GetString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszDefault) const;
  // A null entry removes the whole section; a null value removes the entry.
  BOOL WriteString(LPCTSTR section, LPCTSTR entry, LPCTSTR lpszValue) const;
  // Nothing when the entry does not exist or is not binary.
  std::optional<std::vector<BYTE>> GetBinary(LPCTSTR section, LPCTSTR entry) const;
  BOOL WriteBinary(LPCTSTR section, LPCTSTR entry, const BYTE* pData, UINT nBytes) const;

 private:
  bool UsesRegistry() const { return !registryKey_.empty(); }
  std::string SectionPath(LPCTSTR section) const;

  std::string registryKey_;
  std::string profileName_;
};

}  // namespace afx
