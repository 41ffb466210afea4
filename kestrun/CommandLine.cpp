#include "CommandLine.h"

#include <cctype>

void CCommandLine::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
  if (bFlag && pszParam != nullptr && *pszParam != '\0') {
    const char* value = pszParam + 1;
    switch (std::tolower(static_cast<unsigned char>(*pszParam))) {
      case 'c':
        m_strConnector = value;
        break;
      case 'p':
        m_strPassword = value;
        break;
      case 's':
        m_strServer = value;
        break;
      case 'u':
        m_strUser = value;
        break;
      case 'n':
        m_bNew = TRUE;
        break;
      default:
        break;
    }
  }
  CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}
