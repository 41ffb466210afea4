#include "HLCmdLineInfo.h"

#include <cctype>

void CHLCmdLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
  if (bFlag && pszParam != nullptr && *pszParam != '\0') {
    const char* value = pszParam + 1;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(*pszParam)));
    switch (letter) {
      case 'n':
        m_bNew = TRUE;
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
      default:
        ParseOwnFlag(letter, value);
        break;
    }
  }
  CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}

void CHLCmdLineInfo::ParseOwnFlag(char, const char*) {}
