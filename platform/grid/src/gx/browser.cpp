#include "gx/gxbrowse.h"

#include <vector>

IMPLEMENT_DYNAMIC(CGXBrowserWnd, CGXGridWnd)

long CGXBrowserWnd::OnGetRecordCount() { return 0; }

BOOL CGXBrowserWnd::OnLoadCellStyle(ROWCOL, ROWCOL, CGXStyle&, LPCTSTR) { return FALSE; }

BOOL CGXBrowserWnd::OnFlushCellValue(ROWCOL, ROWCOL, LPCTSTR) { return FALSE; }

ROWCOL CGXBrowserWnd::GetRowCount() {
  const long records = OnGetRecordCount();
  return records > 0 ? static_cast<ROWCOL>(records) : 0;
}

// Records the store has no row for yet (the model grew behind the grid's
// back, or nothing was stored since the grid opened) take the default height.
int CGXBrowserWnd::GetRowHeight(ROWCOL nRow) {
  if (nRow > CGXGridWnd::GetRowCount() && nRow <= GetRowCount()) return GetDefaultRowHeight();
  return CGXGridWnd::GetRowHeight(nRow);
}

BOOL CGXBrowserWnd::IsModelCell(ROWCOL nRow, ROWCOL nCol) {
  return nRow != GX_INVALID && nCol != GX_INVALID && nRow >= 1 && nCol >= 1 && nRow <= GetRowCount() &&
         nCol <= GetColCount();
}

BOOL CGXBrowserWnd::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) {
  const BOOL stored = CGXGridWnd::GetStyleRowCol(nRow, nCol, style, mt, nType);
  if (nType != 0 || !IsModelCell(nRow, nCol)) return stored;
  const CString existing = style.GetIncludeValue() ? style.GetValue() : CString();
  return OnLoadCellStyle(nRow, nCol, style, style.GetIncludeValue() ? static_cast<LPCTSTR>(existing) : nullptr) ||
         stored;
}

// A value goes to the model, never into the grid's store, so that the
// model stays the one place of the data; the rest of the style is kept.
BOOL CGXBrowserWnd::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) {
  if (nRow != GX_INVALID && nRow >= 1) SyncStoreRowCount();
  if (nType != 0 || !IsModelCell(nRow, nCol) || !pStyle || mt == gxRemove || mt == gxExclude ||
      !pStyle->GetIncludeValue()) {
    return CGXGridWnd::StoreStyleRowCol(nRow, nCol, pStyle, mt, nType);
  }
  if (!OnFlushCellValue(nRow, nCol, pStyle->GetValue())) return FALSE;
  CGXStyle rest(*pStyle);
  rest.SetIncludeValue(FALSE);
  if (rest.IsEmpty()) return TRUE;
  return CGXGridWnd::StoreStyleRowCol(nRow, nCol, &rest, mt == gxCopy ? gxOverride : mt, nType);
}

// The model decides how many rows there are.
BOOL CGXBrowserWnd::StoreRowCount(ROWCOL) {
  SyncStoreRowCount();
  return TRUE;
}

namespace {

// Counts of a set of positions with prefix sums in logarithmic time.
class PositionCounts {
 public:
  explicit PositionCounts(size_t n) : tree_(n + 1, 0) {
    for (size_t i = 0; i < n; ++i) Add(i, 1);
  }
  void Add(size_t i, int delta) {
    for (++i; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
  }
  // The count of positions below i.
  size_t Below(size_t i) const {
    int sum = 0;
    for (; i > 0; i -= i & (~i + 1)) sum += tree_[i];
    return static_cast<size_t>(sum);
  }

 private:
  std::vector<int> tree_;
};

}  // namespace

BOOL CGXBrowserWnd::StoreReorderRows(ROWCOL nTop, const CRowColArray& order) {
  // The rows not placed yet stay below the placed ones in their old order,
  // so a row's place is the target plus the unplaced rows that came before it.
  const size_t count = static_cast<size_t>(order.GetSize());
  PositionCounts unplaced(count);
  for (size_t target = 0; target < count; ++target) {
    const size_t original = order[static_cast<INT_PTR>(target)];
    const size_t from = target + unplaced.Below(original);
    unplaced.Add(original, -1);
    if (from == target) continue;
    const ROWCOL row = nTop + static_cast<ROWCOL>(from);
    if (!StoreMoveRows(row, row, nTop + static_cast<ROWCOL>(target))) return FALSE;
  }
  return TRUE;
}

void CGXBrowserWnd::SyncStoreRowCount() { CGXGridWnd::StoreRowCount(GetRowCount()); }

void CGXBrowserWnd::OnModelChanged(UINT flags) {
  SyncStoreRowCount();
  UpdateScrollbars();
  Redraw(flags);
}
