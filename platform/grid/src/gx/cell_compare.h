// The automatic comparison of two cell texts used by the row sort: numbers
// as numbers, other texts alphabetically.
#pragma once

#include <string_view>

namespace gx {

// Whether `text` is a whole number in C notation (blanks around allowed).
bool ParseCellNumber(std::string_view text, double& value);

// Negative, zero or positive. Empty texts come first, then numbers in
// numeric order, then other texts (case-insensitive, then by byte when
// `caseSensitive`). Without `numbers` every text compares as text.
int CompareCellTexts(std::string_view a, std::string_view b, bool caseSensitive, bool numbers = true);

}  // namespace gx
