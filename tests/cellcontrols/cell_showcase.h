// A grid filled with every cell control the way the programs use them: the
// header buttons sorted by "Name", business-object names expanded and
// collapsed at two levels, plain names, a file and a folder cell and a
// drop-down value list. The snapshot and print tests show it.
#pragma once

#include <gxall.h>

namespace cells_test {

constexpr ROWCOL kShowcaseDropRow = 7;

// bSortMarkerOnPaper: the header control's print variant.
void FillShowcase(CGXGridCore& grid, BOOL bSortMarkerOnPaper);

}  // namespace cells_test
