#include "SuppBOGridBase.h"

IMPLEMENT_DYNAMIC(CSuppBOGridBase, CConnectorGrid)

CSuppBOGridBase::CSuppBOGridBase() = default;

CSuppBOGridBase::~CSuppBOGridBase() = default;

void CSuppBOGridBase::AddEmptyRow(ROWCOL nRow) {
  InsertRows(nRow, 1, GX_INVALIDATE);
  SetRowStyles(nRow);
}

ROWCOL CSuppBOGridBase::NamedRowCount() {
  const ROWCOL rows = GetRowCount();
  return rows > 0 && GetValueRowCol(rows, COL_NAME).IsEmpty() ? rows - 1 : rows;
}

void CSuppBOGridBase::SortByColumn(ROWCOL nCol, BOOL bDescending) {
  SortRowsByColumn(nCol, bDescending, NamedRowCount());
}

void CSuppBOGridBase::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) {
  if (nRow == 0 && nCol >= 1) {
    ResetCurrentCell(TRUE);
    SortByColumn(nCol, NextSortDescending(nCol));
  } else if (nRow > 0) {
    MarkModified();
  }
  CConnectorGrid::OnClickedButtonRowCol(nRow, nCol);
}

void CSuppBOGridBase::DeleteSelectedRows() {
  CConnector* connector = GetConnector();
  if (connector == nullptr) return;
  const ROWCOL lastRow = GetRowCount();
  const BOOL lastNamed = lastRow > 0 && !GetValueRowCol(lastRow, COL_NAME).IsEmpty();
  ResetCurrentCell(FALSE);
  for (ROWCOL row : SelectedRowsBottomUp()) {
    if (row == lastRow && !lastNamed) continue;
    RemoveRowRecord(*connector, row);
    RemoveRows(row, row, GX_INVALIDATE);
    MarkModified();
  }
  ClearSelection();
  OnRowsDeleted(lastNamed);
  Redraw();
}

void CSuppBOGridBase::OnRowsDeleted(BOOL) {}
