#include "CommandLine.h"

void CCommandLine::ParseOwnFlag(char letter, const char* value) {
  if (letter == 'c') m_strConnector = value;
}
