#include "mfc/cmdline.h"

#include <cstring>
#include <filesystem>

#include "windows.h"

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
  if (pszParam) {
    if (bFlag) {
      ParseParamFlag(pszParam);
    } else {
      ParseParamNotFlag(pszParam);
    }
  }
  ParseLast(bLast);
}

// The print and DDE flags are matched exactly, the others without regard
// to case, as the shell has always written them.
void CCommandLineInfo::ParseParamFlag(const char* pszParam) {
  if (std::strcmp(pszParam, "pt") == 0) {
    m_nShellCommand = FilePrintTo;
  } else if (std::strcmp(pszParam, "p") == 0) {
    m_nShellCommand = FilePrint;
  } else if (::lstrcmpi(pszParam, "Unregister") == 0 || ::lstrcmpi(pszParam, "Unregserver") == 0) {
    m_nShellCommand = AppUnregister;
  } else if (std::strcmp(pszParam, "dde") == 0) {
    m_nShellCommand = FileDDE;
  } else if (::lstrcmpi(pszParam, "Embedding") == 0) {
    m_bRunEmbedded = TRUE;
    m_bShowSplash = FALSE;
  } else if (::lstrcmpi(pszParam, "Automation") == 0) {
    m_bRunAutomated = TRUE;
    m_bShowSplash = FALSE;
  }
}

// The first plain argument is the file; after "/pt" come the printer, the
// driver and the port.
void CCommandLineInfo::ParseParamNotFlag(const char* pszParam) {
  if (m_strFileName.IsEmpty()) {
    m_strFileName = pszParam;
  } else if (m_nShellCommand == FilePrintTo) {
    for (CString* target : {&m_strPrinterName, &m_strDriverName, &m_strPortName}) {
      if (target->IsEmpty()) {
        *target = pszParam;
        break;
      }
    }
  }
}

void CCommandLineInfo::ParseLast(BOOL bLast) {
  if (!bLast) return;
  if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty()) m_nShellCommand = FileOpen;
  m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}

namespace afx {
namespace {

// "/" also begins absolute paths here. An argument with a second "/" is a
// path when its first folder exists ("/home/..."), and a flag with a
// value otherwise ("/o/home/a.bo", "/pse/cret").
bool IsFlag(const std::string& argument) {
  if (argument.size() < 2) return false;
  if (argument[0] == '-') return true;
  if (argument[0] != '/') return false;
  const auto second = argument.find('/', 1);
  if (second == std::string::npos) return true;
  std::error_code error;
  return !std::filesystem::is_directory(argument.substr(0, second), error);
}

}  // namespace

void ParseCommandLine(CCommandLineInfo& rCmdInfo, const std::vector<std::string>& arguments) {
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool flag = IsFlag(argument);
    rCmdInfo.ParseParam(argument.c_str() + (flag ? 1 : 0), flag, i + 1 == arguments.size());
  }
}

void ParseCommandLine(CCommandLineInfo& rCmdInfo) {
  const int argc = win32::GetArgc();
  char** argv = win32::GetArgv();
  std::vector<std::string> arguments;
  for (int i = 0; i < argc && argv && argv[i]; ++i) arguments.emplace_back(argv[i]);
  ParseCommandLine(rCmdInfo, arguments);
}

}  // namespace afx
