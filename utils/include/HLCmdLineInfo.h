// The programs' command line: flags whose value follows the letter
// directly, in either case (-sServer -uUser -pPassword, and -n). A program
// adds its own letters through ParseOwnFlag.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CHLCmdLineInfo : public CCommandLineInfo {
 public:
  void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;

  BOOL m_bNew = FALSE;
  CString m_strServer;
  CString m_strUser;
  CString m_strPassword;

 protected:
  // A flag letter (lower case) this class does not know, with the text
  // after it; letters nobody knows are ignored.
  virtual void ParseOwnFlag(char letter, const char* value);
};
