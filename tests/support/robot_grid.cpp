#include "robot_grid.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace halvane::test {

POINT GridCellPoint(Window grid, unsigned row, unsigned col) {
  const UINT query = RegisterWindowMessage("GXWND_CELLRECT");
  const auto packed = static_cast<unsigned long long>(
      SendMessage(grid.hwnd(), query, static_cast<WPARAM>(row), static_cast<LPARAM>(col)));
  if (packed == 0) {
    ADD_FAILURE() << "grid cell (" << row << ", " << col << ") cannot be shown in " << ::testing::PrintToString(grid);
    return POINT{-1, -1};
  }
  auto field = [packed](int shift) { return static_cast<LONG>(static_cast<short>((packed >> shift) & 0xFFFF)); };
  return POINT{(field(0) + field(32)) / 2, (field(16) + field(48)) / 2};
}

void ClickGridCell(Robot& robot, Window grid, unsigned row, unsigned col, bool doubleClick) {
  const POINT pt = GridCellPoint(grid, row, col);
  if (pt.x < 0) return;
  if (doubleClick)
    robot.doubleClick(grid, pt);
  else
    robot.click(grid, pt);
}

}  // namespace halvane::test
