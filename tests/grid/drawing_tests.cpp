// What the grid paints: cell texts and colours, headers, the current-cell
// frame, hidden columns; a snapshot of a typical editing grid.
#include "grid_fixture.h"

namespace gridtest {
namespace {

using halvane::test::Window;

class DrawingTest : public GridTest {
 protected:
  // The pixel at a client point of the grid, read from a fresh paint.
  COLORREF PixelAt(POINT pt) {
    pGrid->Invalidate(FALSE);
    pGrid->UpdateWindow();
    CClientDC dc(pGrid);
    pGrid->OnGridDraw(&dc);
    return dc.GetPixel(pt.x, pt.y);
  }
};

// Three columns as the product's grids look: an edit column, a check-box
// column and a read-only grey column.
void FillSample(CGXGridCore& grid) {
  grid.SetColWidth(0, 0, 25);
  grid.SetColWidth(1, 1, 120);
  grid.SetColWidth(2, 2, 50);
  grid.SetColWidth(3, 3, 110);
  grid.SetRowHeight(0, 0, 22);
  grid.SetRowHeight(1, grid.GetRowCount(), 20);
  grid.SetValueRange(CGXRange(0, 1), "Property");
  grid.SetValueRange(CGXRange(0, 2), "Encrypt");
  grid.SetValueRange(CGXRange(0, 3), "Update Method");
  grid.SetStyleRange(CGXRange().SetCols(2),
                     CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetHorizontalAlignment(DT_CENTER));
  grid.SetStyleRange(CGXRange().SetCols(3), CGXStyle().SetInterior(RGB(200, 200, 200)).SetReadOnly(TRUE));
  const char* names[] = {"Host", "Port", "User", "Password"};
  for (ROWCOL r = 1; r <= 4; ++r) {
    grid.SetValueRange(CGXRange(r, 1), names[r - 1]);
    grid.SetValueRange(CGXRange(r, 2), r == 4 ? "1" : "0");
  }
  grid.GetParam()->SetLockReadOnly(FALSE);
  grid.SetValueRange(CGXRange(1, 3, 4, 3), "agent restart");
  grid.GetParam()->SetLockReadOnly(TRUE);
}

TEST_F(DrawingTest, CellsShowTheirInteriorAndHeadersTheButtonFace) {
  CGXGridWnd grid;
  Open(grid, 4, 3);
  FillSample(grid);
  EXPECT_EQ(PixelAt(POINT{CellPoint(2, 3).x + 40, CellPoint(2, 3).y}), RGB(200, 200, 200));
  EXPECT_EQ(PixelAt(POINT{CellPoint(2, 1).x + 50, CellPoint(2, 1).y + 6}), RGB(255, 255, 255));
  const CRect header = grid.CalcRectFromRowCol(0, 1);
  EXPECT_EQ(PixelAt(POINT{header.left + 4, header.top + 4}), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(DrawingTest, ColumnsResizeToFitTheirLongestText) {
  CGXGridWnd grid;
  Open(grid, 3, 2);
  grid.SetValueRange(CGXRange(1, 1), "short");
  grid.SetValueRange(CGXRange(2, 1), "a considerably longer text than the others");
  grid.SetValueRange(CGXRange(1, 2), "x");
  ASSERT_TRUE(grid.ResizeColWidthsToFit(CGXRange().SetCols(1, 2)));
  CClientDC dc(&grid);
  CFont font;
  font.CreatePointFont(80, "MS Sans Serif", &dc);
  CFont* pOld = dc.SelectObject(&font);
  const int nLong = dc.GetTextExtent(CString("a considerably longer text than the others")).cx;
  dc.SelectObject(pOld);
  EXPECT_GT(grid.GetColWidth(1), nLong);
  EXPECT_LT(grid.GetColWidth(1), nLong + 20);
  EXPECT_LT(grid.GetColWidth(2), grid.GetColWidth(1) / 3);
  EXPECT_TRUE(grid.ResizeRowHeightsToFit(CGXRange().SetRows(1)));
  EXPECT_GT(grid.GetRowHeight(1), 8);
}

TEST_F(DrawingTest, HiddenColumnTakesNoSpace) {
  CGXGridWnd grid;
  Open(grid, 3, 3);
  const CRect before = grid.CalcRectFromRowCol(1, 3);
  grid.SetColWidth(2, 2, 0);
  EXPECT_TRUE(grid.IsColHidden(2));
  EXPECT_TRUE(grid.CalcRectFromRowCol(1, 2).IsRectEmpty());
  const CRect after = grid.CalcRectFromRowCol(1, 3);
  EXPECT_EQ(after.left, before.left - grid.GetDefaultColWidth());
  ROWCOL nRow = 0;
  ROWCOL nCol = 0;
  EXPECT_EQ(grid.HitTest(CPoint(after.left + 2, after.top + 2), &nRow, &nCol), GX_CELLHIT);
  EXPECT_EQ(nCol, 3u);
}

TEST_F(DrawingTest, GridLinesDottedUnlessSwitchedSolidAndTheCurrentCellFramed) {
  CGXGridWnd grid;
  Open(grid, 3, 3);
  const CRect cell = grid.CalcRectFromRowCol(2, 2);
  const int y = cell.bottom - 1;
  const COLORREF a = PixelAt(POINT{cell.left + 10, y});
  const COLORREF b = PixelAt(POINT{cell.left + 11, y});
  EXPECT_NE(a, b) << "dotted: every other pixel";
  GXSetSolidGridLines(TRUE);
  EXPECT_EQ(PixelAt(POINT{cell.left + 10, y}), PixelAt(POINT{cell.left + 11, y}));
  GXSetSolidGridLines(FALSE);
  EXPECT_EQ(PixelAt(POINT{cell.left + 1, cell.top + 8}), RGB(255, 255, 255));
  grid.SetCurrentCell(2, 2);
  EXPECT_EQ(PixelAt(POINT{cell.left + 1, cell.top + 8}), RGB(0, 0, 0));
  grid.GetParam()->SetHideCurrentCell(TRUE);
  EXPECT_EQ(PixelAt(POINT{cell.left + 1, cell.top + 8}), RGB(255, 255, 255));
}

TEST_F(DrawingTest, SelectedCellsAreInverted) {
  CGXGridWnd grid;
  Open(grid, 3, 3);
  const POINT pt{CellPoint(2, 3).x + 20, CellPoint(2, 3).y};
  EXPECT_EQ(PixelAt(pt), RGB(255, 255, 255));
  grid.SetStyleRange(CGXRange(2, 1),
                     CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetHorizontalAlignment(DT_CENTER).SetValue("1"));
  const CRect box = static_cast<CGXCheckBox*>(grid.GetControl(2, 1))
                        ->GetBoxRect(grid.GetCellRect(2, 1), grid.LookupStyleRowCol(2, 1));
  const POINT inBox{box.left + 3, box.top + 3};
  EXPECT_EQ(PixelAt(inBox), RGB(255, 255, 255));
  grid.SelectRange(CGXRange().SetRows(2));
  EXPECT_EQ(PixelAt(pt), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(inBox), RGB(0, 0, 0)) << "the check box is inverted with its cell";
}

TEST_F(DrawingTest, SnapshotOfAnEditGridWithCheckBoxesAndAGreyColumn) {
  CGXGridWnd grid;
  Open(grid, 4, 3);
  FillSample(grid);
  ClickCell(2, 1);
  robot.type("Port2");
  grid.SelectRange(CGXRange().SetRows(4));
  robot.pumpUntilIdle();
  robot.snapshot(Window(dialog->GetSafeHwnd()), "edit_check_grey");
}

}  // namespace
}  // namespace gridtest
