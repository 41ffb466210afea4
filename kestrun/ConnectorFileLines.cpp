#include "ConnectorFileLines.h"

#include <climits>
#include <cstdlib>

namespace connector_lines {

bool IsSectionHeader(const CString& trimmed) { return !trimmed.IsEmpty() && trimmed[0] == '['; }

CString SectionName(const CString& line) {
  int start = 0;
  const int length = line.GetLength();
  while (start < length && (line[start] == '[' || line[start] == ']')) ++start;
  int end = start;
  while (end < length && line[end] != '[' && line[end] != ']') ++end;
  return line.Mid(start, end - start);
}

KeyValue SplitKeyValue(const CString& line) {
  KeyValue result;
  const int eq = line.Find('=');
  if (eq < 0) return result;
  result.encrypted = eq > 0 && line[eq - 1] == '*';
  result.key = line.Left(result.encrypted ? eq - 1 : eq);
  result.key.Trim();
  result.value = line.Mid(eq + 1);
  result.value.Trim();
  return result;
}

int ParseInt(const CString& text) {
  const long value = std::strtol(text, nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return int(value);
}

CString WithoutLineBreaks(const CString& text) {
  CString result(text);
  result.Remove('\r');
  result.Remove('\n');
  return result;
}

}  // namespace connector_lines
