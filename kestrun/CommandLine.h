// Kestrun's command line: flags whose value follows the letter directly
// (-sServer -uUser -pPassword -cConnector, and -n). Server, user and
// password fill the login dialog of Connect; nothing connects at start.
#pragma once

#include <afxwin.h>

class CCommandLine : public CCommandLineInfo {
 public:
  void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;

  BOOL m_bNew = FALSE;
  CString m_strServer;
  CString m_strUser;
  CString m_strPassword;
  CString m_strConnector;
};
