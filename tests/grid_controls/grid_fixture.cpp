#include "grid_fixture.h"


namespace grid_test {

void GridTest::SetUp() {
  MfcTest::SetUp();
  GXInit();
  ASSERT_TRUE(frame.CreateEx(0, nullptr, "Grid", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 480, 340, nullptr, nullptr));
}

void GridTest::TearDown() {
  if (frame.GetSafeHwnd()) frame.DestroyWindow();
  MfcTest::TearDown();
}

void GridTest::Attach(CGXGridWnd& grid, int width, int height) {
  ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(5, 5, 5 + width, 5 + height), &frame,
                          1001));
  grid.Initialize();
  grid.SetFocus();
  robot.pumpUntilIdle();
}

POINT GridTest::CellCentre(CGXGridCore& grid, ROWCOL row, ROWCOL col) {
  const CRect rect = grid.CalcRectFromRowCol(row, col);
  EXPECT_FALSE(rect.IsRectEmpty()) << "cell " << row << "," << col << " is not in view";
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT GridTest::CellButton(CGXGridCore& grid, ROWCOL row, ROWCOL col) {
  const CRect rect = grid.CalcRectFromRowCol(row, col);
  return {rect.right - 6, (rect.top + rect.bottom) / 2};
}

void GridTest::ClickCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col) {
  robot.click(GridWindow(grid), CellCentre(grid, row, col));
}

halvane::test::Window GridTest::PopupList() const {
  for (const halvane::test::Window& window : robot.topLevels()) {
    if (window.className() == "ListBox" && window.isVisible()) return window;
  }
  return {};
}

void GridTest::FillNumbered(CGXGridCore& grid, ROWCOL rows, ROWCOL cols) {
  grid.SetRowCount(rows);
  grid.SetColCount(cols);
  for (ROWCOL row = 1; row <= rows; ++row) {
    for (ROWCOL col = 1; col <= cols; ++col) {
      grid.SetValueRange(CGXRange(row, col), ("r" + std::to_string(row) + "c" + std::to_string(col)).c_str());
    }
  }
}

}  // namespace grid_test
