// The import-results grid: a new action frees or greys the row's new name.
#include "GridImportResults.h"

#include <cstdlib>

#include "DlgImportResults.h"

void CGridImportResults::OnModifyCell(ROWCOL nRow, ROWCOL nCol) {
  HLGrid::OnModifyCell(nRow, nCol);
  if (nCol != kActionCol) return;
  const int nAction = std::atoi(GetValueRowCol(nRow, kActionCol));
  if (nAction == 0 || nAction == 1) {
    SetColWrite(nRow, kNewNameCol);
  } else {
    SetColReadOnly(nRow, kNewNameCol);
  }
  Redraw();
  if (auto* pDlg = dynamic_cast<CDlgImportResults*>(GetParent())) pDlg->OnActionChanged(nRow, nAction);
}
