// The grid of the load-results dialog: each name with a drop-down list of
// its candidate values.
#pragma once

#include "GridResultsBase.h"

class AFX_EXT_CLASS CGridLoadResults : public CGridResultsBase {
 public:
  enum Column : ROWCOL { kNameCol = 1, kValueCol = 2 };

  // The text of the drop-down entry whose index the cell holds (empty when
  // the index is not one of its entries).
  CString GetValueOfRowCol(ROWCOL nRow, ROWCOL nCol);
};
