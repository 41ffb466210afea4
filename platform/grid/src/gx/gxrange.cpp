#include "gx/gxrange.h"

#include <algorithm>

CGXRange& CGXRange::SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
  top = std::min(nTop, nBottom);
  bottom = std::max(nTop, nBottom);
  left = std::min(nLeft, nRight);
  right = std::max(nLeft, nRight);
  m_type = rtCells;
  m_bValid = TRUE;
  return *this;
}

// Whole rows, columns or the table are the cells they cover, typed.
CGXRange& CGXRange::SetRows(ROWCOL nFrom, ROWCOL nTo) {
  SetCells(nFrom, 0, nTo == GX_INVALID ? nFrom : nTo, GX_MAXROWCOL);
  m_type = rtRows;
  return *this;
}

CGXRange& CGXRange::SetCols(ROWCOL nFrom, ROWCOL nTo) {
  SetCells(0, nFrom, GX_MAXROWCOL, nTo == GX_INVALID ? nFrom : nTo);
  m_type = rtCols;
  return *this;
}

CGXRange& CGXRange::SetTable() {
  SetCells(0, 0, GX_MAXROWCOL, GX_MAXROWCOL);
  m_type = rtTable;
  return *this;
}

BOOL CGXRange::IsCellInRange(ROWCOL nRow, ROWCOL nCol) const {
  return m_bValid && nRow >= top && nRow <= bottom && nCol >= left && nCol <= right;
}

BOOL CGXRange::IsCellInRange(const CGXRange& range) const {
  return m_bValid && range.m_bValid && range.top >= top && range.bottom <= bottom && range.left >= left &&
         range.right <= right;
}

BOOL CGXRange::IntersectRange(const CGXRange& r1, const CGXRange& r2) {
  if (!r1.m_bValid || !r2.m_bValid) return m_bValid = FALSE;
  ROWCOL t = std::max(r1.top, r2.top);
  ROWCOL b = std::min(r1.bottom, r2.bottom);
  ROWCOL l = std::max(r1.left, r2.left);
  ROWCOL r = std::min(r1.right, r2.right);
  if (t > b || l > r) return m_bValid = FALSE;
  SetCells(t, l, b, r);
  return TRUE;
}

CGXRange& CGXRange::ExpandRange(ROWCOL nMinRow, ROWCOL nMinCol, ROWCOL nMaxRow, ROWCOL nMaxCol) {
  if (!m_bValid) return *this;
  if (m_type == rtRows || m_type == rtTable) {
    left = nMinCol;
    right = nMaxCol;
  }
  if (m_type == rtCols || m_type == rtTable) {
    top = nMinRow;
    bottom = nMaxRow;
  }
  bottom = std::min(bottom, nMaxRow);
  right = std::min(right, nMaxCol);
  m_bValid = top <= bottom && left <= right;
  return *this;
}

BOOL CGXRange::operator==(const CGXRange& r) const {
  return m_bValid == r.m_bValid && m_type == r.m_type && top == r.top && left == r.left && bottom == r.bottom &&
         right == r.right;
}

BOOL CGXRangeList::IsCellInList(ROWCOL nRow, ROWCOL nCol) const {
  for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
    if (GetNext(pos).IsCellInRange(nRow, nCol)) return TRUE;
  }
  return FALSE;
}

BOOL CGXRangeList::IsRangeInList(const CGXRange& range) const {
  for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
    if (GetNext(pos).IsCellInRange(range)) return TRUE;
  }
  return FALSE;
}

CGXRange* CGXRangeList::GetLastRange() { return IsEmpty() ? nullptr : &GetTail(); }
