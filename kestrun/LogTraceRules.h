// The rules of the trace and log tab's size and archive fields: what a
// typed text turns into for the chosen unit, and how the size spin moves
// from one unit to the next.
#pragma once

#include <afx.h>

namespace log_trace_rules {

// The size units, in the order of the tab's unit lists.
enum Unit : int { UNIT_NONE = -1, UNIT_BYTES = 0, UNIT_KB, UNIT_MB, UNIT_GB, UNIT_COUNT };
inline constexpr const char* const UNIT_NAMES[UNIT_COUNT] = {"Bytes", "KB", "MB", "GB"};

constexpr int MIN_SIZE = 1;
constexpr int MAX_SIZE = 1023;
constexpr int MIN_ARCHIVES = 0;
constexpr int MAX_ARCHIVES = 99;
// The size a byte count starts from.
constexpr int DEFAULT_BYTES = 512;
constexpr int MAX_ARCHIVE_DIGITS = 2;

// The list index of a record's unit (ignoring case); a size without a unit
// counts bytes; UNIT_NONE for a unit the lists do not know.
int UnitOfName(const CString& name);

// The size text as it must stand for the unit. TRUE when it was replaced;
// `beep` tells that the text was far too long.
BOOL CorrectSizeText(int unit, CString& text, bool& beep);
// The text a size starts from when its unit is chosen.
CString StartingSizeText(int unit);
// The unit a spin step of `delta` from `position` leads to: past the
// highest size up to the next unit, below the lowest down to the previous.
// FALSE refuses the step: there is no unit to move to.
BOOL StepUnit(int position, int delta, int& unit);
// An archive count keeps at most two digits. TRUE when it was cut.
BOOL CutArchiveText(CString& text);

}  // namespace log_trace_rules
