// The fixture of the Utils grid tests: a top-level window holding the grid
// under test, and helpers to click cells and find the open editor.
#pragma once

#include <gxall.h>

#include "utils_wnd_fixture.h"

class GridWndTest : public UtilsWndTest {
 protected:
  void SetUp() override {
    UtilsWndTest::SetUp();
    ASSERT_TRUE(GXInit());
    ASSERT_TRUE(CreateTopLevel(frame, "Grids", 500, 400));
  }
  void TearDown() override {
    frame.DestroyWindow();
    UtilsWndTest::TearDown();
  }
  // Creates and initialises `grid` as a child of the frame.
  void Open(CGXGridWnd& grid, ROWCOL nRows, ROWCOL nCols) {
    ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 480, 360), &frame, 100));
    grid.Initialize();
    grid.SetRowCount(nRows);
    grid.SetColCount(nCols);
    robot.pumpUntilIdle();
  }
  void ClickCell(CGXGridWnd& grid, ROWCOL nRow, ROWCOL nCol) {
    const CRect rect = grid.CalcRectFromRowCol(nRow, nCol);
    robot.click(halvane::test::Window(grid.GetSafeHwnd()),
                POINT{rect.left + rect.Width() / 2, rect.top + rect.Height() / 2});
  }
  static halvane::test::Window Editor(const CWnd& grid) {
    for (const auto& child : halvane::test::Window(grid.GetSafeHwnd()).children())
      if (child.className() == "Edit" && child.isVisible()) return child;
    return halvane::test::Window();
  }
  CWnd frame;
};
