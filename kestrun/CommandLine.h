// Kestrun's command line: the programs' flags (-sServer -uUser -pPassword,
// and -n) and -cConnector. Server, user and password fill the login dialog
// of Connect; nothing connects at start.
#pragma once

#include <HLCmdLineInfo.h>

class CCommandLine : public CHLCmdLineInfo {
 public:
  CString m_strConnector;

 protected:
  void ParseOwnFlag(char letter, const char* value) override;
};
