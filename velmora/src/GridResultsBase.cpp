// The results grids' shared cells and find.
#include "GridResultsBase.h"

namespace {

constexpr ROWCOL kNameCol = 1;
// The column a found row is scrolled to.
constexpr ROWCOL kShowCol = 2;

}  // namespace

void CGridResultsBase::OnGridInitialUpdate() {
  HLGrid::OnGridInitialUpdate();
  // The dialogs change read-only cells themselves (emptying a new name);
  // the user still cannot.
  GetParam()->SetLockReadOnly(FALSE);
}

void CGridResultsBase::SetColReadOnly(ROWCOL nRow, ROWCOL nCol) {
  SetStyleRange(CGXRange(nRow, nCol), CGXStyle().SetValue("").SetReadOnly(TRUE).SetInterior(kReadOnlyColor));
}

void CGridResultsBase::SetColWrite(ROWCOL nRow, ROWCOL nCol) {
  SetStyleRange(CGXRange(nRow, nCol), CGXStyle().SetReadOnly(FALSE).SetInterior(RGB(255, 255, 255)));
}

void CGridResultsBase::SetStaticText(ROWCOL nRow, ROWCOL nCol, LPCTSTR text) {
  SetStyleRange(CGXRange(nRow, nCol),
                CGXStyle().SetControl(GX_IDS_CTRL_STATIC).SetValue(text).SetReadOnly(TRUE).SetInterior(kReadOnlyColor));
}

ROWCOL CGridResultsBase::FindPrefix(const CString& text, ROWCOL nFrom, ROWCOL nTo) {
  const ROWCOL nRows = GetRowCount();
  if (nFrom < 1 || nFrom > nRows || nTo < 1 || nTo > nRows) return 0;
  const int step = nFrom <= nTo ? 1 : -1;
  for (ROWCOL nRow = nFrom;; nRow += step) {
    if (GetValueRowCol(nRow, kNameCol).Left(text.GetLength()).CompareNoCase(text) == 0) return nRow;
    if (nRow == nTo) return 0;
  }
}

ROWCOL CGridResultsBase::FirstSelectedRow() {
  CRowColArray starts;
  CRowColArray ends;
  if (GetSelectedRows(starts, ends) == 0) return 0;
  return starts[0];
}

BOOL CGridResultsBase::SelectFound(ROWCOL nRow) {
  if (nRow == 0) return FALSE;
  ClearSelection();
  SelectRange(CGXRange().SetRows(nRow));
  ScrollCellInView(nRow, kShowCol);
  return TRUE;
}

BOOL CGridResultsBase::FindDown(const CString& text) {
  if (text.IsEmpty()) return FALSE;
  return SelectFound(FindPrefix(text, FirstSelectedRow() + 1, GetRowCount()));
}

BOOL CGridResultsBase::FindUp(const CString& text) {
  if (text.IsEmpty()) return FALSE;
  const ROWCOL nSelected = FirstSelectedRow();
  return SelectFound(FindPrefix(text, nSelected == 0 ? GetRowCount() : nSelected - 1, 1));
}

BOOL CGridResultsBase::FindFromTop(const CString& text) { return SelectFound(FindPrefix(text, 1, GetRowCount())); }
