// Orvex's command line: the programs' flags (-sServer -uUser -pPassword,
// and -n for a new definition) and -oName, the definition to open.
#pragma once

#include <HLCmdLineInfo.h>

class CCmdLine : public CHLCmdLineInfo {
 public:
  CString m_strOpenName;

 protected:
  void ParseOwnFlag(char letter, const char* value) override;
};
