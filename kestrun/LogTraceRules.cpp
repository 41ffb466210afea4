#include "LogTraceRules.h"

#include <cstdlib>

namespace log_trace_rules {

namespace {

// More characters than any size of the range has.
constexpr int MAX_SIZE_CHARS = 4;

CString Number(int value) {
  CString text;
  text.Format("%d", value);
  return text;
}

}  // namespace

int UnitOfName(const CString& name) {
  if (name.IsEmpty()) return UNIT_BYTES;
  for (int unit = 0; unit < UNIT_COUNT; ++unit) {
    if (name.CompareNoCase(UNIT_NAMES[unit]) == 0) return unit;
  }
  return UNIT_NONE;
}

BOOL CorrectSizeText(int unit, CString& text, bool& beep) {
  beep = false;
  if (unit == UNIT_NONE || text.IsEmpty()) return FALSE;
  if (text.GetLength() > MAX_SIZE_CHARS) {
    beep = true;
    text = Number(MAX_SIZE);
    return TRUE;
  }
  const int value = std::atoi(text);
  if (unit == UNIT_BYTES) {
    if (value <= MAX_SIZE) return FALSE;
    text = Number(DEFAULT_BYTES);
    return TRUE;
  }
  if (value < MIN_SIZE) {
    text = Number(MIN_SIZE);
    return TRUE;
  }
  if (value > MAX_SIZE) {
    text = Number(MAX_SIZE);
    return TRUE;
  }
  return FALSE;
}

CString StartingSizeText(int unit) { return Number(unit == UNIT_BYTES ? DEFAULT_BYTES : MIN_SIZE); }

BOOL StepUnit(int position, int delta, int& unit) {
  const int next = position + delta;
  if (next > MAX_SIZE) {
    if (unit == UNIT_NONE || unit + 1 >= UNIT_COUNT) return FALSE;
    ++unit;
  } else if (next < MIN_SIZE) {
    if (unit == UNIT_NONE || unit == UNIT_BYTES) return FALSE;
    --unit;
  }
  return TRUE;
}

BOOL CutArchiveText(CString& text) {
  if (text.GetLength() <= MAX_ARCHIVE_DIGITS) return FALSE;
  text = text.Left(MAX_ARCHIVE_DIGITS);
  return TRUE;
}

}  // namespace log_trace_rules
