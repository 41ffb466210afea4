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

TEST_F(SelectionTest, ShiftWithArrowsExtendsFromTheCurrentCell) {
  CGXGridWnd grid;
  Open(grid, 4, 4);
  ClickCell(2, 2);
  robot.keys({VK_SHIFT, VK_DOWN});
  robot.keys({VK_SHIFT, VK_RIGHT});
  EXPECT_TRUE(grid.GetInvertStateRowCol(2, 2));
  EXPECT_TRUE(grid.GetInvertStateRowCol(3, 3));
  EXPECT_FALSE(grid.GetInvertStateRowCol(4, 3));
  EXPECT_TRUE(grid.IsCurrentCell(3, 3));
  robot.key(VK_UP);
  EXPECT_FALSE(grid.GetInvertStateRowCol(3, 3)) << "a plain move clears the selection";
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

// A grid whose model sees every row move, as browser grids do.
class CMoveGrid : public CGXGridWnd {
 public:
  std::vector<std::string> moves;
  BOOL StoreMoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow) override {
    moves.push_back(std::to_string(nFromRow) + "-" + std::to_string(nToRow) + ">" + std::to_string(nDestRow));
    return CGXGridWnd::StoreMoveRows(nFromRow, nToRow, nDestRow);
  }
};

TEST_F(SelectionTest, DraggingSelectedRowHeadersMovesTheRows) {
  CMoveGrid grid;
  Open(grid, 5, 1);
  for (ROWCOL r = 1; r <= 5; ++r) grid.SetValueRange(CGXRange(r, 1), static_cast<long>(r));
  robot.drag(GridWindow(), CellPoint(1, 0), CellPoint(2, 0));
  robot.drag(GridWindow(), CellPoint(2, 0), CellPoint(4, 0));
  EXPECT_EQ(grid.moves, (std::vector<std::string>{"1-2>3"}));
  std::string order;
  for (ROWCOL r = 1; r <= 5; ++r) order += grid.GetValueRowCol(r, 1);
  EXPECT_EQ(order, "34125");
  EXPECT_EQ(SelectedRows(TRUE), (Spans{{3, 4}})) << "the moved rows stay selected";
  grid.GetParam()->EnableMoveRows(FALSE);
  robot.drag(GridWindow(), CellPoint(3, 0), CellPoint(1, 0));
  EXPECT_EQ(grid.moves.size(), 1u);
  EXPECT_EQ(SelectedRows(TRUE), (Spans{{1, 3}})) << "without row moves the drag selects";
}

TEST_F(SelectionTest, DragBelowTheGridScrollsOnTheTimer) {
  CGXGridWnd grid;
  Open(grid, 200, 2);
  grid.SetAutoScroll(FALSE, TRUE, 0, 500);
  const RECT rect = GridWindow().rect();
  robot.press(VK_LBUTTON);
  ::SendMessage(GridWindow().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(CellPoint(2, 1).x, CellPoint(2, 1).y));
  ::SendMessage(GridWindow().hwnd(), WM_MOUSEMOVE, MK_LBUTTON,
                MAKELPARAM(CellPoint(2, 1).x, rect.bottom - rect.top + 20));
  const ROWCOL nTop = grid.GetTopRow();
  robot.advance(1600);
  EXPECT_EQ(grid.GetTopRow(), nTop + 4) << "one row at once, then one every 500 ms";
  ::SendMessage(GridWindow().hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(CellPoint(2, 1).x, CellPoint(2, 1).y));
  robot.release(VK_LBUTTON);
  const ROWCOL nAfter = grid.GetTopRow();
  robot.advance(2000);
  EXPECT_EQ(grid.GetTopRow(), nAfter) << "releasing the button stops the scrolling";
}

}  // namespace
}  // namespace gridtest
