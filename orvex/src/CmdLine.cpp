#include "CmdLine.h"

void CCmdLine::ParseOwnFlag(char letter, const char* value) {
  if (letter == 'o') m_strOpenName = value;
}
