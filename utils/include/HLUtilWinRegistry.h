// Registry profiles: an application's settings (CWinRegistry) and the
// shared profile that keeps the login history (CHLUtilWinRegistry).
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>
#include <windows.h>

// Settings under HKEY_CURRENT_USER\Software\<company>\<application>\<section>
// (or the same path under another root key).
class AFX_EXT_CLASS CWinRegistry {
 public:
  CWinRegistry(LPCTSTR company, LPCTSTR application);

  UINT GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue, HKEY root = HKEY_CURRENT_USER) const;
  CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr,
                           HKEY root = HKEY_CURRENT_USER) const;
  BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value, HKEY root = HKEY_CURRENT_USER);
  // A null entry removes the section; a null value removes the entry.
  BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value, HKEY root = HKEY_CURRENT_USER);

  // The key path of a section below the root key.
  CString SectionPath(LPCTSTR section) const;

 private:
  CString m_strBase;  // Software\<company>\<application>
};

// A shared profile under HKEY_CURRENT_USER\Software\Halvane\<profile>. The
// login history keeps the most recent first, at most kMaxHistory servers
// and users; passwords are kept only for logins made with "remember" on,
// sealed (AES-256-GCM) under a key in a file only the user can read
// ($XDG_DATA_HOME/halvane/login.key), so the registry file alone never
// gives them back.
class AFX_EXT_CLASS CHLUtilWinRegistry {
 public:
  static constexpr int kMaxHistory = 10;

  struct CUserInfo {
    CString m_strUser;
    CString m_strPassword;

    // Archived as the array's elements: the user name only, so that no
    // password reaches an archive.
    friend CArchive& operator<<(CArchive& ar, const CUserInfo& info) { return ar << info.m_strUser; }
    friend CArchive& operator>>(CArchive& ar, CUserInfo& info) {
      info.m_strPassword.Empty();
      return ar >> info.m_strUser;
    }
  };
  using CUserInfos = CArray<CUserInfo, const CUserInfo&>;

  explicit CHLUtilWinRegistry(LPCTSTR profile);

  // The information text kept for `user` (empty when none).
  CString GetUserInfo(LPCTSTR user) const;
  BOOL SetUserInfo(LPCTSTR user, LPCTSTR info);

  void GetRegisteredServerNames(CStringArray& servers) const;
  void GetRegisteredUserNames(CUserInfos& users) const;
  void GetRecentLoginInfo(bool& remember, CString& server, CString& user, CString& password) const;
  // Moves the server and the user to the front of the history. With
  // `remember` off no password is kept, and the user's earlier one is
  // forgotten.
  BOOL SetRecentLoginInfo(bool remember, LPCTSTR server, LPCTSTR user, LPCTSTR password);

 private:
  CString Path(LPCTSTR subKey) const;

  CString m_strBase;  // Software\Halvane\<profile>
};
