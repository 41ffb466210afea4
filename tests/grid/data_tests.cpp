// Rows and columns: counts, inserting, removing and moving with their
// values, styles and sizes; ranges.
#include "grid_fixture.h"

namespace gridtest {
namespace {

TEST(RangeTest, KindsContainmentAndIntersection) {
  EXPECT_TRUE(CGXRange().SetRows(2, 4).IsCellInRange(3, 1000));
  EXPECT_FALSE(CGXRange().SetRows(2, 4).IsCellInRange(5, 1));
  EXPECT_TRUE(CGXRange().SetCols(3).IsCellInRange(99, 3));
  EXPECT_TRUE(CGXRange(4, 4, 1, 1).IsCellInRange(2, 3)) << "corners in any order";
  CGXRange meet;
  EXPECT_TRUE(meet.IntersectRange(CGXRange(1, 1, 5, 5), CGXRange().SetRows(3)));
  EXPECT_EQ(meet, CGXRange(3, 1, 3, 5));
  EXPECT_FALSE(meet.IntersectRange(CGXRange(1, 1), CGXRange(2, 2)));
  CGXRange rows = CGXRange().SetRows(2, 3);
  rows.ExpandRange(0, 0, 10, 4);
  EXPECT_EQ(rows.right, 4u);
}

class DataTest : public GridTest {
 protected:
  // Column 1 holds "r<row>", and row 2 a yellow row style.
  void Fill(CGXGridCore& grid) {
    for (ROWCOL r = 1; r <= grid.GetRowCount(); ++r)
      grid.SetValueRange(CGXRange(r, 1), ("r" + std::to_string(r)).c_str());
    grid.SetStyleRange(CGXRange().SetRows(2), CGXStyle().SetInterior(RGB(255, 255, 0)));
    grid.SetStyleRange(CGXRange(2, 2), CGXStyle().SetValue("two").SetItemDataPtr(&marker));
  }
  std::vector<std::string> Column(CGXGridCore& grid) {
    std::vector<std::string> out;
    for (ROWCOL r = 1; r <= grid.GetRowCount(); ++r) out.emplace_back(grid.GetValueRowCol(r, 1));
    return out;
  }
  int marker = 0;
};

TEST_F(DataTest, InsertRowsShiftsValuesAndStylesDown) {
  CGXGridWnd grid;
  Open(grid, 3, 2);
  Fill(grid);
  grid.SetRowHeight(2, 2, 33);
  ASSERT_TRUE(grid.InsertRows(2, 2));
  EXPECT_EQ(grid.GetRowCount(), 5u);
  EXPECT_EQ(Column(grid), (std::vector<std::string>{"r1", "", "", "r2", "r3"}));
  EXPECT_EQ(grid.LookupStyleRowCol(4, 1).GetInterior(), RGB(255, 255, 0));
  EXPECT_EQ(grid.LookupStyleRowCol(4, 2).GetItemDataPtr(), &marker);
  EXPECT_EQ(grid.GetRowHeight(4), 33);
  EXPECT_EQ(grid.GetRowHeight(2), grid.GetDefaultRowHeight());
  EXPECT_TRUE(grid.InsertRows(6, 1)) << "appending after the last row";
  EXPECT_FALSE(grid.InsertRows(0, 1)) << "the header row stays first";
  EXPECT_FALSE(grid.InsertRows(9, 1));
}

TEST_F(DataTest, RemoveRowsDropsThemAndKeepsTheRest) {
  CGXGridWnd grid;
  Open(grid, 4, 2);
  Fill(grid);
  ASSERT_TRUE(grid.RemoveRows(1, 1));
  EXPECT_EQ(Column(grid), (std::vector<std::string>{"r2", "r3", "r4"}));
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 2)), "two");
  EXPECT_EQ(grid.LookupStyleRowCol(1, 1).GetInterior(), RGB(255, 255, 0));
  EXPECT_FALSE(grid.RemoveRows(2, 9));
  EXPECT_EQ(grid.GetRowCount(), 3u);
}

TEST_F(DataTest, MoveRowsCarriesValuesStylesAndItemData) {
  CGXGridWnd grid;
  Open(grid, 5, 2);
  Fill(grid);
  ASSERT_TRUE(grid.MoveRows(2, 3, 4));
  EXPECT_EQ(Column(grid), (std::vector<std::string>{"r1", "r4", "r5", "r2", "r3"}));
  EXPECT_EQ(grid.LookupStyleRowCol(4, 2).GetItemDataPtr(), &marker);
  EXPECT_EQ(grid.LookupStyleRowCol(4, 1).GetInterior(), RGB(255, 255, 0));
  ASSERT_TRUE(grid.MoveRows(4, 4, 1));
  EXPECT_EQ(Column(grid), (std::vector<std::string>{"r2", "r1", "r4", "r5", "r3"}));
  EXPECT_FALSE(grid.MoveRows(4, 5, 5)) << "the block would run past the end";
  EXPECT_FALSE(grid.MoveRows(1, 2, GX_INVALID)) << "a destination whose end wraps around";
  EXPECT_FALSE(grid.MoveCols(1, 2, GX_INVALID));
  EXPECT_EQ(Column(grid), (std::vector<std::string>{"r2", "r1", "r4", "r5", "r3"}));
}

TEST_F(DataTest, ColumnsInsertRemoveAndMoveLikeRows) {
  CGXGridWnd grid;
  Open(grid, 1, 3);
  for (ROWCOL c = 1; c <= 3; ++c) grid.SetValueRange(CGXRange(1, c), ("c" + std::to_string(c)).c_str());
  grid.SetColWidth(3, 3, 0);
  ASSERT_TRUE(grid.InsertCols(1, 1));
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 2)), "c1");
  EXPECT_TRUE(grid.IsColHidden(4)) << "the hidden column moved with its width";
  ASSERT_TRUE(grid.MoveCols(4, 4, 1));
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "c3");
  ASSERT_TRUE(grid.RemoveCols(1, 2));
  EXPECT_EQ(grid.GetColCount(), 2u);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "c1");
}

TEST_F(DataTest, AbsurdCountsAreRefusedNotAllocated) {
  CGXGridWnd grid;
  Open(grid, 3, 3);
  EXPECT_FALSE(grid.SetRowCount(GX_INVALID));
  EXPECT_FALSE(grid.InsertRows(1, 0x7FFFFFFF));
  EXPECT_FALSE(grid.SetColCount(5'000'000));
  EXPECT_EQ(grid.GetRowCount(), 3u);
  EXPECT_EQ(grid.GetColCount(), 3u);
  EXPECT_TRUE(grid.SetRowCount(10000));
}

TEST_F(DataTest, ShrinkingTheCountDropsTheCurrentCellAndFrozenRows) {
  CGXGridWnd grid;
  Open(grid, 6, 2);
  grid.SetFrozenRows(3);
  ASSERT_TRUE(grid.SetCurrentCell(5, 1));
  grid.SetRowCount(2);
  EXPECT_FALSE(grid.IsCurrentCell());
  EXPECT_EQ(grid.GetFrozenRows(), 2u);
  EXPECT_FALSE(grid.SetCurrentCell(5, 1));
}

// A model-backed grid that reports more rows than the grid's own store keeps.
class CModelGrid : public CGXGridWnd {
 public:
  ROWCOL nModelRows = 10;
  ROWCOL GetRowCount() override { return nModelRows; }
  BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow) override {
    nModelRows -= nToRow - nFromRow + 1;
    return CGXGridWnd::StoreRemoveRows(nFromRow, nToRow);
  }
};

TEST_F(DataTest, StoreOperationsBeyondTheOwnStoreAreHarmless) {
  CModelGrid grid;
  Open(grid, 2, 1);
  grid.SetValueRange(CGXRange(2, 1), "kept");
  EXPECT_TRUE(grid.RemoveRows(5, 9));
  EXPECT_EQ(grid.nModelRows, 5u);
  EXPECT_TRUE(grid.MoveRows(4, 5, 1));
  EXPECT_EQ(std::string(grid.GetValueRowCol(2, 1)), "kept");
  EXPECT_TRUE(grid.GetValueRowCol(4, 1).IsEmpty()) << "a row the store never had reads empty";
}

}  // namespace
}  // namespace gridtest
