// Keyboard navigation: arrows, Home/End, Tab and Shift+Tab wrapping rows,
// Enter, page keys, hidden columns skipped, scrolling the current cell in view.
#include "grid_fixture.h"

#include <gtest/gtest-spi.h>

#include "robot_grid.h"

namespace gridtest {
namespace {

class NavigationTest : public GridTest {
 protected:
  std::pair<ROWCOL, ROWCOL> Current() {
    ROWCOL r = 0;
    ROWCOL c = 0;
    pGrid->GetCurrentCell(r, c);
    return {r, c};
  }
  using Cell = std::pair<ROWCOL, ROWCOL>;
};

TEST_F(NavigationTest, ArrowsHomeEndAndTabWrap) {
  CGXGridWnd grid;
  Open(grid, 3, 3);
  ClickCell(1, 1);
  robot.key(VK_RIGHT);
  robot.key(VK_DOWN);
  EXPECT_EQ(Current(), Cell(2, 2));
  robot.key(VK_END);
  EXPECT_EQ(Current(), Cell(2, 3));
  robot.key(VK_HOME);
  EXPECT_EQ(Current(), Cell(2, 1));
  robot.keys({VK_SHIFT, VK_TAB});
  EXPECT_EQ(Current(), Cell(1, 3)) << "Shift+Tab wraps to the previous row";
  robot.key(VK_TAB);
  EXPECT_EQ(Current(), Cell(2, 1));
  robot.keys({VK_CONTROL, VK_END});
  EXPECT_EQ(Current(), Cell(3, 3));
  robot.key(VK_TAB);
  EXPECT_EQ(Current(), Cell(3, 3)) << "Tab on the last cell stays";
  robot.key(VK_UP);
  robot.key(VK_UP);
  robot.key(VK_UP);
  EXPECT_EQ(Current(), Cell(1, 3));
}

TEST_F(NavigationTest, TheRobotFindsCellsScrolledAway) {
  CGXGridWnd grid;
  Open(grid, 200, 2);
  ClickCell(150, 2);
  EXPECT_TRUE(grid.IsCurrentCell(150, 2));
  EXPECT_GT(grid.GetTopRow(), 100u);
  const POINT pt = halvane::test::GridCellPoint(GridWindow(), 1, 1);
  EXPECT_EQ(grid.GetTopRow(), 1u);
  EXPECT_TRUE(grid.CalcRectFromRowCol(1, 1).PtInRect(pt));
  EXPECT_NONFATAL_FAILURE(halvane::test::GridCellPoint(GridWindow(), 201, 1), "cannot be shown");
}

TEST_F(NavigationTest, FrozenRowsAndColumnsStayInView) {
  CGXGridWnd grid;
  Open(grid, 100, 30);
  grid.SetFrozenRows(2);
  grid.SetFrozenCols(1);
  const CRect frozenBefore = grid.CalcRectFromRowCol(2, 1);
  grid.ScrollCellInView(90, 25);
  EXPECT_GT(grid.GetTopRow(), 3u);
  EXPECT_GT(grid.GetLeftCol(), 2u);
  EXPECT_EQ(grid.CalcRectFromRowCol(2, 1), frozenBefore) << "frozen cells do not move";
  EXPECT_TRUE(grid.CalcRectFromRowCol(3, 2).IsRectEmpty()) << "the first scrolled cells are gone";
  EXPECT_FALSE(grid.CalcRectFromRowCol(90, 25).IsRectEmpty());
  grid.SetTopRow(1);
  EXPECT_EQ(grid.GetTopRow(), 3u) << "the top row is never a frozen one";
}

TEST_F(NavigationTest, HiddenColumnsAreSkipped) {
  CGXGridWnd grid;
  Open(grid, 2, 3);
  grid.SetColWidth(2, 2, 0);
  ClickCell(1, 1);
  robot.key(VK_RIGHT);
  EXPECT_EQ(Current(), Cell(1, 3));
  robot.key(VK_LEFT);
  EXPECT_EQ(Current(), Cell(1, 1));
}

// A drop-down list grid reacting to the move off the end of its list.
class CListGrid : public CGXGridWnd {
 public:
  int endOfList = 0;
  BOOL MoveCurrentCell(int direction, UINT nCell, UINT flags) override {
    if ((flags & GX_ENDOFLIST) != 0) ++endOfList;
    return CGXGridWnd::MoveCurrentCell(direction, nCell, flags);
  }
};

TEST_F(NavigationTest, MovingOffTheLastRowSaysEndOfList) {
  CListGrid grid;
  Open(grid, 2, 1);
  ClickCell(2, 1);
  robot.key(VK_DOWN);
  EXPECT_EQ(grid.endOfList, 1);
  robot.type("v");
  robot.key(VK_RETURN);
  EXPECT_EQ(grid.endOfList, 2);
  EXPECT_EQ(std::string(grid.GetValueRowCol(2, 1)), "v");
  EXPECT_EQ(Current(), Cell(2, 1));
}

TEST_F(NavigationTest, PageDownAndScrollCellInView) {
  CGXGridWnd grid;
  Open(grid, 100, 2);
  ClickCell(1, 1);
  const ROWCOL nVisible = grid.GetLastVisibleRow();
  robot.key(VK_NEXT);
  EXPECT_GT(Current().first, 1u);
  robot.keys({VK_CONTROL, VK_END});
  EXPECT_EQ(Current(), Cell(100, 2));
  EXPECT_GT(grid.GetTopRow(), 1u);
  EXPECT_EQ(grid.GetLastVisibleRow() >= 100 || !grid.CalcRectFromRowCol(100, 2).IsRectEmpty(), true);
  grid.ScrollCellInView(1, 1);
  EXPECT_EQ(grid.GetTopRow(), 1u);
  EXPECT_EQ(grid.GetLastVisibleRow(), nVisible);
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  ASSERT_TRUE(grid.GetScrollInfo(SB_VERT, &si));
  EXPECT_EQ(si.nMax, 99);
}

TEST_F(NavigationTest, TheThumbReachesRowsPastTheMessagesSixteenBits) {
  CGXGridWnd grid;
  Open(grid, 100000, 1);
  grid.SetScrollPos(SB_VERT, 70000);
  ::SendMessage(GridWindow().hwnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(70000)), 0);
  EXPECT_EQ(grid.GetTopRow(), 70001u);
}

TEST_F(NavigationTest, DraggingAHeaderEdgeResizesAndTheWheelScrolls) {
  CGXGridWnd grid;
  Open(grid, 50, 3);
  const CRect header = grid.CalcRectFromRowCol(0, 1);
  const int width = grid.GetColWidth(1);
  robot.drag(GridWindow(), POINT{header.right - 1, header.top + 5}, POINT{header.right + 29, header.top + 5});
  EXPECT_EQ(grid.GetColWidth(1), width + 30);
  const CRect rowHeader = grid.CalcRectFromRowCol(3, 0);
  robot.drag(GridWindow(), POINT{rowHeader.left + 5, rowHeader.bottom - 1},
             POINT{rowHeader.left + 5, rowHeader.bottom - 100});
  EXPECT_EQ(grid.GetRowHeight(3), 2) << "never dragged below two pixels";
  ::SendMessage(GridWindow().hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(grid.GetTopRow(), 4u);
  ::SendMessage(GridWindow().hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(grid.GetTopRow(), 1u);
}

TEST_F(NavigationTest, ScrollBarsFollowTheSizeUnlessHiddenByTheProgram) {
  CGXGridWnd grid;
  Open(grid, 2, 2);
  EXPECT_FALSE(GridWindow().style() & WS_VSCROLL) << "everything fits";
  grid.SetRowCount(100);
  EXPECT_TRUE(GridWindow().style() & WS_VSCROLL);
  grid.ShowScrollBar(SB_HORZ, FALSE);
  grid.SetColCount(40);
  EXPECT_FALSE(GridWindow().style() & WS_HSCROLL);
  grid.ShowScrollBar(SB_HORZ, TRUE);
  EXPECT_TRUE(GridWindow().style() & WS_HSCROLL);
  grid.EnableWindow(FALSE);
  EXPECT_FALSE(GridWindow().isEnabled());
  ClickCell(1, 1);
  EXPECT_FALSE(grid.IsCurrentCell()) << "a disabled grid takes no clicks";
}

}  // namespace
}  // namespace gridtest
