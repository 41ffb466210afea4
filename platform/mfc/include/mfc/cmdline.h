// CCommandLineInfo: what the program's command line asks for.
#pragma once

#include <string>
#include <vector>

#include "afxstr.h"
#include "mfc/object.h"

class CCommandLineInfo : public CObject {
 public:
  CCommandLineInfo() = default;

  // Called for each argument after the program; bFlag when it began with
  // "-" or "/" (which pszParam no longer has). Derived parsers call the
  // base for what they do not handle themselves.
  virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

  BOOL m_bShowSplash = TRUE;
  BOOL m_bRunEmbedded = FALSE;
  BOOL m_bRunAutomated = FALSE;
  enum {
    FileNew,
    FileOpen,
    FilePrint,
    FilePrintTo,
    FileDDE,
    AppUnregister,
    FileNothing = -1
  } m_nShellCommand = FileNew;
  CString m_strFileName;
  CString m_strPrinterName;
  CString m_strDriverName;
  CString m_strPortName;

 protected:
  void ParseParamFlag(const char* pszParam);
  void ParseParamNotFlag(const char* pszParam);
  void ParseLast(BOOL bLast);
};

namespace afx {

// Feeds every argument after the first (the program) to the parser. An
// argument is a flag when it begins with "-", or with "/" unless it is an
// absolute path: one with a second "/" whose first folder exists.
void ParseCommandLine(CCommandLineInfo& rCmdInfo, const std::vector<std::string>& arguments);
// The same on the process's own arguments (win32::GetArgv).
void ParseCommandLine(CCommandLineInfo& rCmdInfo);

}  // namespace afx
