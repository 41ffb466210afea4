// CGXRange: a block of cells, whole rows, whole columns or the whole table;
// CGXRangeList: the ranges of a selection.
#pragma once

#include "gx/gxdefs.h"

class CGXRange {
 public:
  enum RangeType { rtCells, rtRows, rtCols, rtTable };

  CGXRange() = default;
  CGXRange(ROWCOL nRow, ROWCOL nCol) { SetCells(nRow, nCol); }
  CGXRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) { SetCells(nTop, nLeft, nBottom, nRight); }

  CGXRange& SetCells(ROWCOL nRow, ROWCOL nCol) { return SetCells(nRow, nCol, nRow, nCol); }
  CGXRange& SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
  // Rows nFrom..nTo (nTo GX_INVALID: only nFrom), all columns.
  CGXRange& SetRows(ROWCOL nFrom, ROWCOL nTo = GX_INVALID);
  CGXRange& SetCols(ROWCOL nFrom, ROWCOL nTo = GX_INVALID);
  CGXRange& SetTable();

  BOOL IsValid() const { return m_bValid; }
  BOOL IsCells() const { return m_type == rtCells; }
  BOOL IsRows() const { return m_type == rtRows; }
  BOOL IsCols() const { return m_type == rtCols; }
  BOOL IsTable() const { return m_type == rtTable; }
  RangeType GetType() const { return m_type; }

  BOOL IsCellInRange(ROWCOL nRow, ROWCOL nCol) const;
  BOOL IsCellInRange(const CGXRange& range) const;
  BOOL IntersectRange(const CGXRange& r1, const CGXRange& r2);
  // The range as cells, rows and columns bounded by the table's counts.
  CGXRange& ExpandRange(ROWCOL nMinRow, ROWCOL nMinCol, ROWCOL nMaxRow, ROWCOL nMaxCol);
  ROWCOL GetHeight() const { return bottom - top + 1; }
  ROWCOL GetWidth() const { return right - left + 1; }

  BOOL operator==(const CGXRange& r) const;
  BOOL operator!=(const CGXRange& r) const { return !(*this == r); }

  ROWCOL top = 0;
  ROWCOL left = 0;
  ROWCOL bottom = 0;
  ROWCOL right = 0;

 private:
  RangeType m_type = rtCells;
  BOOL m_bValid = FALSE;
};

class CGXRangeList : public CList<CGXRange, const CGXRange&> {
 public:
  BOOL IsCellInList(ROWCOL nRow, ROWCOL nCol) const;
  // TRUE when some range of the list holds every cell of range.
  BOOL IsRangeInList(const CGXRange& range) const;
  // The list's last range (the one being extended), or null.
  CGXRange* GetLastRange();
};
