// Whether a text is a value of one of the plain types.
#pragma once

#include <string_view>

namespace fennick {

// "true" or "false", ignoring case.
bool IsBooleanText(std::string_view text);
// An optional sign and decimal digits, within a 32-bit integer.
bool IsIntegerText(std::string_view text);
// A finite decimal number; `singlePrecision` also bounds it to a float.
bool IsRealText(std::string_view text, bool singlePrecision);
// "YYYYMMDD" or "YYYYMMDD HHMMSS", a real calendar day and time of day.
bool IsDateText(std::string_view text);

}  // namespace fennick
