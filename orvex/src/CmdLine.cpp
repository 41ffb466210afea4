#include "CmdLine.h"

#include <cctype>

void CCmdLine::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
  if (bFlag && pszParam != nullptr && *pszParam != '\0') {
    const char* value = pszParam + 1;
    switch (std::tolower(static_cast<unsigned char>(*pszParam))) {
      case 'n':
        m_bNew = true;
        break;
      case 'o':
        m_strOpenName = value;
        break;
      case 's':
        m_strServer = value;
        break;
      case 'u':
        m_strUser = value;
        break;
      case 'p':
        m_strPassword = value;
        break;
      default:
        break;
    }
  }
  CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}
