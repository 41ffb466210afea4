// The grid's own store: cell, row, column and table styles and the sizes,
// kept in row-major vectors that grow and shrink with the counts.
#pragma once

#include <vector>

#include "gx/gxstyle.h"

namespace gx {

constexpr int kDefaultRowHeight = 19;
constexpr int kDefaultColWidth = 64;
constexpr int kUseDefault = -1;
// The most cells the store keeps (each a full style); larger tables belong
// in a browser grid that reads a model.
constexpr unsigned long long kMaxStoredCells = 2'000'000;

struct GridData {
  ROWCOL nRows = 0;
  ROWCOL nCols = 0;
  // cells[row][col], rows 0..nRows and columns 0..nCols.
  std::vector<std::vector<CGXStyle>> cells = {std::vector<CGXStyle>(1)};
  std::vector<CGXStyle> rowStyles = std::vector<CGXStyle>(1);
  std::vector<CGXStyle> colStyles = std::vector<CGXStyle>(1);
  CGXStyle tableStyle;
  CGXStyle standardStyle;
  CGXStyle rowHeaderStyle;
  CGXStyle colHeaderStyle;
  std::vector<int> rowHeights = std::vector<int>(1, kUseDefault);
  std::vector<int> colWidths = std::vector<int>(1, kUseDefault);
  int nDefaultRowHeight = kDefaultRowHeight;
  int nDefaultColWidth = kDefaultColWidth;
  ROWCOL nFrozenRows = 0;
  ROWCOL nFrozenCols = 0;

  // Whether a table of this size fits the store.
  static bool Fits(unsigned long long nRows, unsigned long long nCols) {
    return (nRows + 1) * (nCols + 1) <= kMaxStoredCells;
  }
  void SetRowCount(ROWCOL n);
  void SetColCount(ROWCOL n);
  void InsertRows(ROWCOL nRow, ROWCOL nCount);
  void InsertCols(ROWCOL nCol, ROWCOL nCount);
  void RemoveRows(ROWCOL nFrom, ROWCOL nTo);
  void RemoveCols(ROWCOL nFrom, ROWCOL nTo);
  void MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
  void MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
  // Row nTop + i becomes the row that was at nTop + order[i].
  void ReorderRows(ROWCOL nTop, const std::vector<ROWCOL>& order);
  // The stored style at a cell or a row/column/table address (GX_INVALID
  // for "all"); null when out of range.
  CGXStyle* Find(ROWCOL nRow, ROWCOL nCol);
};

}  // namespace gx
