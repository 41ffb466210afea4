// Grid cells (windows of the grid library, class "GXWND"): where a cell is,
// asked of the grid itself through its registered cell-rectangle message,
// so the robot needs no grid headers.
#pragma once

#include "robot.h"

namespace halvane::test {

// The centre of a cell in the grid's client coordinates, after the grid has
// scrolled it into view; fails the test (and answers {-1, -1}) when the cell
// cannot be shown.
POINT GridCellPoint(Window grid, unsigned row, unsigned col);
// Clicks (or double-clicks) the cell.
void ClickGridCell(Robot& robot, Window grid, unsigned row, unsigned col, bool doubleClick = false);

}  // namespace halvane::test
