// SortRows: stable, numbers as numbers, and whole rows moving together.
#include <gtest/gtest.h>

#include "grid_fixture.h"

namespace grid_test {
namespace {

class SortTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Attach(grid);
    grid.SetRowCount(5);
    grid.SetColCount(3);
  }
  std::vector<std::string> Column(ROWCOL col) {
    std::vector<std::string> values;
    for (ROWCOL row = 1; row <= grid.GetRowCount(); ++row) values.emplace_back(grid.GetValueRowCol(row, col));
    return values;
  }
  void Sort(ROWCOL col, CGXSortInfo::SortOrder order, ROWCOL from = 1, ROWCOL to = 5) {
    CGXSortInfoArray info;
    info.Add(CGXSortInfo(col, order));
    grid.SortRows(CGXRange().SetRows(from, to), info);
  }
  RecordingGrid grid;
  int data[5] = {10, 20, 30, 40, 50};
};

TEST_F(SortTest, EqualKeysKeepTheirOrderAndRowStylesFollowTheirRows) {
  const char* keys[] = {"b", "A", "b", "a", "c"};
  for (ROWCOL row = 1; row <= 5; ++row) {
    grid.SetValueRange(CGXRange(row, 1), keys[row - 1]);
    grid.SetStyleRange(CGXRange(row, 2), CGXStyle()
                                             .SetValue(static_cast<long>(row))
                                             .SetInterior(RGB(row * 40, 0, 0))
                                             .SetChoiceList(row == 4 ? "x\ny\n" : "")
                                             .SetItemDataPtr(&data[row - 1]));
    grid.SetStyleRange(CGXRange().SetRows(row), CGXStyle().SetTextColor(RGB(0, row, 0)));
  }
  Sort(1, CGXSortInfo::ascending);
  EXPECT_EQ((std::vector<std::string>{"A", "a", "b", "b", "c"}), Column(1)) << "case does not count";
  EXPECT_EQ((std::vector<std::string>{"2", "4", "1", "3", "5"}), Column(2)) << "equal keys keep their order";
  const CGXStyle moved = grid.LookupStyleRowCol(2, 2);
  EXPECT_EQ(RGB(160, 0, 0), moved.GetInterior());
  EXPECT_EQ("x\ny\n", std::string(moved.GetChoiceList()));
  EXPECT_EQ(&data[3], moved.GetItemDataPtr());
  EXPECT_EQ(RGB(0, 4, 0), grid.LookupStyleRowCol(2, 3).GetTextColor()) << "the row's own style moved too";

  Sort(1, CGXSortInfo::descending);
  EXPECT_EQ((std::vector<std::string>{"c", "b", "b", "A", "a"}), Column(1));
  EXPECT_EQ((std::vector<std::string>{"5", "1", "3", "2", "4"}), Column(2)) << "stable in descending order too";
}

TEST_F(SortTest, NumbersSortAsNumbersAndOnlyTheGivenRowsMove) {
  const char* keys[] = {"10", "9", "", "100", "-1"};
  for (ROWCOL row = 1; row <= 5; ++row) grid.SetValueRange(CGXRange(row, 1), keys[row - 1]);
  Sort(1, CGXSortInfo::ascending, 1, 4);
  EXPECT_EQ((std::vector<std::string>{"", "9", "10", "100", "-1"}), Column(1)) << "row 5 lies outside the range";
  Sort(1, CGXSortInfo::ascending);
  EXPECT_EQ((std::vector<std::string>{"", "-1", "9", "10", "100"}), Column(1));
  CGXSortInfoArray text;
  text.Add(CGXSortInfo(1, CGXSortInfo::ascending, CGXSortInfo::alphanumeric));
  grid.SortRows(CGXRange().SetTable(), text);
  EXPECT_EQ((std::vector<std::string>{"", "-1", "10", "100", "9"}), Column(1));
  EXPECT_TRUE(grid.modified.empty()) << "sorting is no edit";
}

}  // namespace
}  // namespace grid_test
