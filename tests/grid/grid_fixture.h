// The fixture of the grid tests: tests/support's grid fixture with a
// modeless dialog whose "GXWND" custom control becomes the grid (a
// CGXGridWnd of the test's class).
#pragma once

#include <memory>

#include "grid_test.h"
#include "resource.h"

namespace gridtest {

using CRecordingGrid = halvane::test::RecordingGrid;

class GridTest : public halvane::test::GridTestBase {
 protected:
  void TearDown() override;

  // Makes the dialog and attaches `grid` to its custom control (Initialize
  // runs OnGridInitialUpdate) with rows x cols cells.
  void Open(CGXGridWnd& grid, ROWCOL nRows, ROWCOL nCols);
  void Close();
  // The same for the open grid; CellPoint also answers for a cell out of
  // view (the middle of its empty rectangle).
  POINT CellPoint(ROWCOL nRow, ROWCOL nCol) const {
    const CRect rect = pGrid->CalcRectFromRowCol(nRow, nCol);
    return POINT{rect.left + rect.Width() / 2, rect.top + rect.Height() / 2};
  }
  void ClickCell(ROWCOL nRow, ROWCOL nCol) { GridTestBase::ClickCell(*pGrid, nRow, nCol); }
  halvane::test::Window GridWindow() const { return GridTestBase::GridWindow(*pGrid); }
  halvane::test::Window Editor() const { return GridTestBase::Editor(*pGrid); }
  // The dialog's other control, to take the focus from the grid.
  halvane::test::Window OtherControl() const;

  CWinApp app{"Grid Tests"};
  std::unique_ptr<CDialog> dialog;
  CGXGridWnd* pGrid = nullptr;
};

}  // namespace gridtest
