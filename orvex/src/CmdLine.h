// Orvex's command line: flags whose value follows a letter directly
// (-sServer -uUser -pPassword -oName, and -n for a new definition).
#pragma once

#include <afxwin.h>

class CCmdLine : public CCommandLineInfo {
 public:
  void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;

  CString m_strServer;
  CString m_strPassword;
  CString m_strUser;
  CString m_strOpenName;
  bool m_bNew = false;
};
