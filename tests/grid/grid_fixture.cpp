#include "grid_fixture.h"

#include "robot_grid.h"

namespace gridtest {

using halvane::test::Window;

void GridTest::SetUp() {
  MfcTest::SetUp();
  ASSERT_TRUE(GXInit());
}

void GridTest::TearDown() {
  Close();
  MfcTest::TearDown();
}

void GridTest::Open(CGXGridWnd& grid, ROWCOL nRows, ROWCOL nCols) {
  dialog = std::make_unique<CDialog>();
  ASSERT_TRUE(dialog->Create(IDD_GRID, nullptr));
  ASSERT_TRUE(grid.SubclassDlgItem(IDC_GRID, dialog.get()));
  pGrid = &grid;
  grid.Initialize();
  grid.SetRowCount(nRows);
  grid.SetColCount(nCols);
  robot.pumpUntilIdle();
}

void GridTest::Close() {
  if (!dialog) return;
  if (dialog->GetSafeHwnd() != nullptr) dialog->DestroyWindow();
  robot.pumpUntilIdle();
  dialog.reset();
  pGrid = nullptr;
}

POINT GridTest::CellPoint(ROWCOL nRow, ROWCOL nCol) const {
  const CRect rect = pGrid->CalcRectFromRowCol(nRow, nCol);
  return POINT{rect.left + rect.Width() / 2, rect.top + rect.Height() / 2};
}

void GridTest::ClickCell(ROWCOL nRow, ROWCOL nCol) { halvane::test::ClickGridCell(robot, GridWindow(), nRow, nCol); }

Window GridTest::GridWindow() const { return Window(pGrid->GetSafeHwnd()); }

Window GridTest::OtherControl() const { return Window(dialog->GetSafeHwnd()).child(IDC_OTHER); }

Window GridTest::Editor() const {
  for (const Window& child : GridWindow().children()) {
    if (child.className() == "Edit" && child.isVisible()) return child;
  }
  return Window();
}

}  // namespace gridtest
