// What SortRows sorts by: one key per entry, the first entry deciding
// first. The sort is stable: rows with equal keys keep their order, and
// each row moves whole (its cells' styles, choice lists, item data, its
// row style and height).
#pragma once

#include "gx/gxdefs.h"

class CGXSortInfo {
 public:
  enum SortType { autodetect, numeric, alphanumeric };
  enum SortOrder { ascending, descending };

  CGXSortInfo() = default;
  CGXSortInfo(ROWCOL nCol, SortOrder order = ascending, SortType type = autodetect, BOOL bCase = FALSE)
      : nRC(nCol), sortType(type), sortOrder(order), bCase(bCase) {}

  ROWCOL nRC = 1;  // the column whose cells are the key
  SortType sortType = autodetect;
  SortOrder sortOrder = ascending;
  BOOL bCase = FALSE;  // alphanumeric keys: upper and lower case differ
};

class CGXSortInfoArray : public CArray<CGXSortInfo, const CGXSortInfo&> {};
