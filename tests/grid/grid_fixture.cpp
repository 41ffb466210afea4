#include "grid_fixture.h"

namespace gridtest {

using halvane::test::Window;

void GridTest::TearDown() {
  Close();
  GridTestBase::TearDown();
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

Window GridTest::OtherControl() const { return Window(dialog->GetSafeHwnd()).child(IDC_OTHER); }

}  // namespace gridtest
