#include "griddata.h"

#include <algorithm>

namespace gx {
namespace {

template <class Vec>
void InsertAt(Vec& v, ROWCOL nAt, ROWCOL nCount, const typename Vec::value_type& value) {
  v.insert(v.begin() + static_cast<std::ptrdiff_t>(nAt), nCount, value);
}

template <class Vec>
void EraseRange(Vec& v, ROWCOL nFrom, ROWCOL nTo) {
  v.erase(v.begin() + static_cast<std::ptrdiff_t>(nFrom), v.begin() + static_cast<std::ptrdiff_t>(nTo) + 1);
}

// Moves the block [nFrom, nTo] so that it starts at nDest of the result.
template <class Vec>
void MoveBlock(Vec& v, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
  auto first = v.begin() + static_cast<std::ptrdiff_t>(nFrom);
  auto last = v.begin() + static_cast<std::ptrdiff_t>(nTo) + 1;
  if (nDest < nFrom) {
    std::rotate(v.begin() + static_cast<std::ptrdiff_t>(nDest), first, last);
  } else if (nDest > nFrom) {
    std::rotate(first, last, v.begin() + static_cast<std::ptrdiff_t>(nDest + (nTo - nFrom)) + 1);
  }
}

template <class Vec>
void Reorder(Vec& v, ROWCOL nTop, const std::vector<ROWCOL>& order) {
  Vec moved;
  moved.reserve(order.size());
  for (ROWCOL from : order) moved.push_back(std::move(v[nTop + from]));
  std::move(moved.begin(), moved.end(), v.begin() + static_cast<std::ptrdiff_t>(nTop));
}

}  // namespace

void GridData::SetRowCount(ROWCOL n) {
  cells.resize(n + 1, std::vector<CGXStyle>(nCols + 1));
  rowStyles.resize(n + 1);
  rowHeights.resize(n + 1, kUseDefault);
  nRows = n;
  nFrozenRows = std::min(nFrozenRows, n);
}

void GridData::SetColCount(ROWCOL n) {
  for (auto& row : cells) row.resize(n + 1);
  colStyles.resize(n + 1);
  colWidths.resize(n + 1, kUseDefault);
  nCols = n;
  nFrozenCols = std::min(nFrozenCols, n);
}

// The operations below ignore what lies outside the store: a derived grid
// may count more rows than it keeps here.

void GridData::InsertRows(ROWCOL nRow, ROWCOL nCount) {
  if (nRow > nRows + 1) return;
  InsertAt(cells, nRow, nCount, std::vector<CGXStyle>(nCols + 1));
  InsertAt(rowStyles, nRow, nCount, CGXStyle());
  InsertAt(rowHeights, nRow, nCount, kUseDefault);
  nRows += nCount;
}

void GridData::InsertCols(ROWCOL nCol, ROWCOL nCount) {
  if (nCol > nCols + 1) return;
  for (auto& row : cells) InsertAt(row, nCol, nCount, CGXStyle());
  InsertAt(colStyles, nCol, nCount, CGXStyle());
  InsertAt(colWidths, nCol, nCount, kUseDefault);
  nCols += nCount;
}

void GridData::RemoveRows(ROWCOL nFrom, ROWCOL nTo) {
  if (nFrom > nRows || nFrom > nTo) return;
  nTo = std::min(nTo, nRows);
  EraseRange(cells, nFrom, nTo);
  EraseRange(rowStyles, nFrom, nTo);
  EraseRange(rowHeights, nFrom, nTo);
  nRows -= nTo - nFrom + 1;
  nFrozenRows = std::min(nFrozenRows, nRows);
}

void GridData::RemoveCols(ROWCOL nFrom, ROWCOL nTo) {
  if (nFrom > nCols || nFrom > nTo) return;
  nTo = std::min(nTo, nCols);
  for (auto& row : cells) EraseRange(row, nFrom, nTo);
  EraseRange(colStyles, nFrom, nTo);
  EraseRange(colWidths, nFrom, nTo);
  nCols -= nTo - nFrom + 1;
  nFrozenCols = std::min(nFrozenCols, nCols);
}

void GridData::MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
  if (nFrom > nTo || nTo > nRows || nDest > nRows - (nTo - nFrom)) return;
  MoveBlock(cells, nFrom, nTo, nDest);
  MoveBlock(rowStyles, nFrom, nTo, nDest);
  MoveBlock(rowHeights, nFrom, nTo, nDest);
}

void GridData::ReorderRows(ROWCOL nTop, const std::vector<ROWCOL>& order) {
  if (nTop + order.size() > static_cast<size_t>(nRows) + 1) return;
  Reorder(cells, nTop, order);
  Reorder(rowStyles, nTop, order);
  Reorder(rowHeights, nTop, order);
}

void GridData::MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
  if (nFrom > nTo || nTo > nCols || nDest > nCols - (nTo - nFrom)) return;
  for (auto& row : cells) MoveBlock(row, nFrom, nTo, nDest);
  MoveBlock(colStyles, nFrom, nTo, nDest);
  MoveBlock(colWidths, nFrom, nTo, nDest);
}

CGXStyle* GridData::Find(ROWCOL nRow, ROWCOL nCol) {
  if (nRow == GX_INVALID && nCol == GX_INVALID) return &tableStyle;
  if (nCol == GX_INVALID) return nRow <= nRows ? &rowStyles[nRow] : nullptr;
  if (nRow == GX_INVALID) return nCol <= nCols ? &colStyles[nCol] : nullptr;
  if (nRow > nRows || nCol > nCols) return nullptr;
  return &cells[nRow][nCol];
}

}  // namespace gx
