// Selecting: header clicks and drags select rows or columns, the corner
// selects the table, whole-row tests and clearing.
#include "grid_fixture.h"

namespace gridtest {
namespace {

class SelectionTest : public GridTest {
 protected:
  std::vector<std::pair<ROWCOL, ROWCOL>> SelectedRows(BOOL bWholeOnly) {
    CRowColArray starts;
    CRowColArray ends;
    const ROWCOL n = pGrid->GetSelectedRows(starts, ends, bWholeOnly, FALSE);
    std::vector<std::pair<ROWCOL, ROWCOL>> out;
    for (ROWCOL i = 0; i < n; ++i) out.emplace_back(starts[static_cast<INT_PTR>(i)], ends[static_cast<INT_PTR>(i)]);
    return out;
  }
  using Spans = std::vector<std::pair<ROWCOL, ROWCOL>>;
};

TEST_F(SelectionTest, RowHeaderClickSelectsTheRowAndCtrlAddsAnother) {
  CRecordingGrid grid;
  Open(grid, 5, 3);
  ClickCell(2, 0);
  EXPECT_EQ(SelectedRows(TRUE), (Spans{{2, 2}}));
  EXPECT_TRUE(grid.GetInvertStateRowCol(2, 3));
  EXPECT_EQ(grid.Calls("OnLButtonClickedRowCol"), (std::vector<std::string>{"OnLButtonClickedRowCol(2,0)"}));
  robot.press(VK_CONTROL);
  ClickCell(4, 0);
  robot.release(VK_CONTROL);
  EXPECT_EQ(SelectedRows(TRUE), (Spans{{2, 2}, {4, 4}}));
  ClickCell(3, 0);
  EXPECT_EQ(SelectedRows(TRUE), (Spans{{3, 3}}));
  ClickCell(1, 1);
  EXPECT_TRUE(SelectedRows(FALSE).empty()) << "a cell click clears the selection";
}

TEST_F(SelectionTest, DraggingOverRowHeadersSelectsARangeAndShiftExtends) {
  CGXGridWnd grid;
  Open(grid, 6, 2);
  robot.drag(GridWindow(), CellPoint(2, 0), CellPoint(4, 0));
  EXPECT_EQ(SelectedRows(TRUE), (Spans{{2, 4}}));
  robot.press(VK_SHIFT);
  ClickCell(5, 0);
  robot.release(VK_SHIFT);
  EXPECT_EQ(SelectedRows(TRUE), (Spans{{2, 5}}));
}

TEST_F(SelectionTest, WholeRowTestNeedsEveryColumnFromTheRowHeader) {
  CGXGridWnd grid;
  Open(grid, 4, 3);
  grid.SelectRange(CGXRange(1, 1, 2, 3));
  EXPECT_TRUE(SelectedRows(TRUE).empty()) << "cells without the row-header column";
  EXPECT_EQ(SelectedRows(FALSE), (Spans{{1, 2}}));
  grid.SelectRange(CGXRange(3, 0, 3, 3));
  EXPECT_EQ(SelectedRows(TRUE), (Spans{{3, 3}}));
  grid.ClearSelection();
  EXPECT_TRUE(SelectedRows(FALSE).empty());
  grid.SetCurrentCell(4, 2);
  CRowColArray starts;
  CRowColArray ends;
  EXPECT_EQ(grid.GetSelectedRows(starts, ends, FALSE, TRUE), 1u) << "the current cell's row stands in";
  EXPECT_EQ(starts[0], 4u);
}

TEST_F(SelectionTest, ColumnHeaderAndCornerSelectColumnsAndTable) {
  CGXGridWnd grid;
  Open(grid, 3, 3);
  ClickCell(0, 2);
  CRowColArray starts;
  CRowColArray ends;
  ASSERT_EQ(grid.GetSelectedCols(starts, ends, TRUE, FALSE), 1u);
  EXPECT_EQ(starts[0], 2u);
  ClickCell(0, 0);
  EXPECT_EQ(SelectedRows(TRUE), (Spans{{1, 3}}));
  grid.GetParam()->SetAllowSelection(GX_SELNONE);
  ClickCell(2, 0);
  EXPECT_EQ(SelectedRows(TRUE), (Spans{{1, 3}})) << "selection switched off leaves it as it was";
}

}  // namespace
}  // namespace gridtest
