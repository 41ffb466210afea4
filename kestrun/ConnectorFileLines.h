// The line rules that every reader of Kestrun's connector files shares.
#pragma once

#include <afx.h>

namespace connector_lines {

// A trimmed line that starts with "[".
bool IsSectionHeader(const CString& trimmed);
// The first piece of the line when it is split at every "[" and "]":
// '[ConnectorAgent Orders]' gives 'ConnectorAgent Orders'.
CString SectionName(const CString& line);

struct KeyValue {
  CString key;             // before the first "=", trimmed; empty without "="
  CString value;           // after it, trimmed
  bool encrypted = false;  // the first "=" is directly preceded by "*"
};
KeyValue SplitKeyValue(const CString& line);

// A decimal number as far as it goes (0 for none), kept within int.
int ParseInt(const CString& text);

// The text without its carriage returns and line feeds.
CString WithoutLineBreaks(const CString& text);

}  // namespace connector_lines
