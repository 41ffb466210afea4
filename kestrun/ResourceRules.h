// The rules that keep a connector's resource record consistent while the
// resources tab edits it, and the checks before a save. The record lives in
// the model; the tab's grid only shows it.
#pragma once

#include <afx.h>

class CConnector;

namespace resource_rules {

// The grid's rows: the degree, then per pool its class name, minimum and
// maximum.
enum Row : int {
  ROW_DEGREE = 1,
  ROW_CALL_CLASS = 2,
  ROW_CALL_MIN = 3,
  ROW_CALL_MAX = 4,
  ROW_EVENT_CLASS = 5,
  ROW_EVENT_MIN = 6,
  ROW_EVENT_MAX = 7,
  ROW_LAST = ROW_EVENT_MAX,
};

// Typed numbers keep at most this many digits, so that no sum of two of
// them leaves the record's 32-bit range.
constexpr int MAX_DIGITS = 9;
// The highest degree a connector may have.
constexpr int MAX_DEGREE = 99;

// Whether the row holds an editable number (a value and its percentage).
bool IsNumberRow(int row);
// The record's number shown in the row's value cell.
int ValueOfRow(const CConnector& connector, int row);
// Stores the record's number of the row, as the data exchange reads it back.
void StoreValueOfRow(CConnector& connector, int row, int value);

// A number typed into the row's value cell, with what it brings along: a
// degree splits itself 70 to 30 between the pools, a maximum makes the
// degree the sum of the two maximums.
void ApplyTypedValue(CConnector& connector, int row, int number);
// A percentage of the degree typed into the row's percentage cell: a
// minimum takes that share of the degree, a maximum too, and the other
// pool's maximum the rest, so the degree stays. Nothing changes while the
// degree is below 1.
void ApplyTypedPercentage(CConnector& connector, int row, int percentage);

// The value's share of the degree in percent, truncated; empty when the
// degree is below 1 (only a file brings such a degree).
CString PercentageText(int value, int degree);

// The string id of the first rule the record breaks, or 0 when it is valid.
UINT FirstBrokenRule(const CConnector& connector);

}  // namespace resource_rules
