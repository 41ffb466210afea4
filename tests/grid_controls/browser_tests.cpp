// Browser grids: cells read from and written to a model, row moves and
// removes through the store hooks.
#include <gtest/gtest.h>

#include "grid_fixture.h"

namespace grid_test {
namespace {

struct Verb {
  std::string name;
  std::string info;
};

class VerbBrowser : public CGXRecordBrowserWnd<Verb> {
 public:
  explicit VerbBrowser(std::vector<Verb>& verbs) : CGXRecordBrowserWnd<Verb>(verbs) {
    AddColumn(
        "Name", [](const Verb& v) { return CString(v.name.c_str()); },
        [](Verb& v, const CString& text) {
          if (text.GetLength() > 8) return FALSE;
          v.name = static_cast<LPCTSTR>(text);
          return TRUE;
        });
    AddColumn("Info", [](const Verb& v) { return CString(v.info.c_str()); });
  }
  BOOL StoreMoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow) override {
    moves.push_back({nFromRow, nToRow, nDestRow});
    return CGXRecordBrowserWnd<Verb>::StoreMoveRows(nFromRow, nToRow, nDestRow);
  }
  BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow) override {
    removes.emplace_back(nFromRow, nToRow);
    return CGXRecordBrowserWnd<Verb>::StoreRemoveRows(nFromRow, nToRow);
  }
  std::vector<std::vector<ROWCOL>> moves;
  std::vector<Cell> removes;
};

class BrowserTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Attach(grid);
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const Verb& verb : verbs) names.push_back(verb.name);
    return names;
  }
  std::vector<Verb> verbs{{"Create", "c"}, {"Update", "u"}, {"Delete", "d"}, {"Retrieve", "r"}};
  VerbBrowser grid{verbs};
};

TEST_F(BrowserTest, CellsShowTheRecordsAndEditsChangeThem) {
  EXPECT_FALSE(grid.CalcRectFromRowCol(4, 1).IsRectEmpty()) << "rows show before anything was stored";
  EXPECT_EQ(4u, grid.GetRowCount());
  EXPECT_EQ(2u, grid.GetColCount());
  EXPECT_EQ("Name", std::string(grid.GetValueRowCol(0, 1)));
  EXPECT_EQ("Update", std::string(grid.GetValueRowCol(2, 1)));
  EXPECT_EQ("r", std::string(grid.GetValueRowCol(4, 2)));

  grid.SetCurrentCell(2, 1);
  robot.pumpUntilIdle();
  robot.type("Modify");
  robot.key(VK_RETURN);
  EXPECT_EQ("Modify", verbs[1].name) << "the record itself changed";
  EXPECT_EQ("Modify", std::string(grid.GetValueRowCol(2, 1)));

  EXPECT_FALSE(grid.SetValueRange(CGXRange(3, 1), "MuchTooLongName")) << "the model refuses it";
  EXPECT_EQ("Delete", verbs[2].name);
  EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 2), "x")) << "a column without a setter is read-only";
  EXPECT_EQ("c", verbs[0].info);

  verbs.push_back({"Exists", "e"});
  grid.OnModelChanged();
  EXPECT_EQ(5u, grid.GetRowCount());
  EXPECT_EQ("Exists", std::string(grid.GetValueRowCol(5, 1)));
}

TEST_F(BrowserTest, RowMovesAndRemovesGoThroughTheStoreHooksToTheRecords) {
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetInterior(RGB(200, 0, 0)));
  ASSERT_EQ(RGB(200, 0, 0), grid.LookupStyleRowCol(1, 1).GetInterior());
  ASSERT_TRUE(grid.MoveRows(1, 2, 3));
  ASSERT_EQ(1u, grid.moves.size());
  EXPECT_EQ((std::vector<ROWCOL>{1, 2, 3}), grid.moves[0]);
  EXPECT_EQ((std::vector<std::string>{"Delete", "Retrieve", "Create", "Update"}), Names());
  EXPECT_EQ("Create", std::string(grid.GetValueRowCol(3, 1)));
  EXPECT_EQ(RGB(200, 0, 0), grid.LookupStyleRowCol(3, 1).GetInterior()) << "formatting moved with the record";

  ASSERT_TRUE(grid.RemoveRows(2, 3));
  EXPECT_EQ((std::vector<Cell>{{2, 3}}), grid.removes);
  EXPECT_EQ((std::vector<std::string>{"Delete", "Update"}), Names());
  EXPECT_EQ(2u, grid.GetRowCount());
  EXPECT_EQ("Update", std::string(grid.GetValueRowCol(2, 1)));
}

TEST_F(BrowserTest, SortingABrowserGridReordersItsRecords) {
  CGXSortInfoArray info;
  info.Add(CGXSortInfo(1, CGXSortInfo::ascending));
  grid.SortRows(CGXRange().SetTable(), info);
  EXPECT_EQ((std::vector<std::string>{"Create", "Delete", "Retrieve", "Update"}), Names());
  EXPECT_EQ("Delete", std::string(grid.GetValueRowCol(2, 1)));
  EXPECT_EQ("d", std::string(grid.GetValueRowCol(2, 2))) << "whole records moved";
}

// A browser over a model of its own that moves its records through
// StoreMoveRows only, as product grids do.
class NumberBrowser : public CGXBrowserWnd {
 public:
  long OnGetRecordCount() override { return static_cast<long>(numbers.size()); }
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR) override {
    if (nCol != 1 || nRow < 1 || nRow > numbers.size()) return FALSE;
    style.SetValue(static_cast<long>(numbers[nRow - 1]));
    return TRUE;
  }
  BOOL StoreMoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow) override {
    SyncStoreRowCount();
    const int moved = numbers[nFromRow - 1];
    numbers.erase(numbers.begin() + (nFromRow - 1));
    numbers.insert(numbers.begin() + (nDestRow - 1), moved);
    ++moves;
    return CGXBrowserWnd::StoreMoveRows(nFromRow, nToRow, nDestRow);
  }
  std::vector<int> numbers;
  int moves = 0;
};

TEST_F(BrowserTest, SortingMovesTheRecordsOfAModelOnlyOverridingStoreMoveRows) {
  NumberBrowser numbers;
  constexpr int kCount = 300;
  for (int i = 0; i < kCount; ++i) numbers.numbers.push_back((i * 101) % kCount);
  Attach(numbers);
  numbers.SetColCount(1);
  // Each row's colour names the number it shows, so the formatting's
  // moves can be checked against the records'.
  for (ROWCOL row = 1; row <= kCount; ++row) {
    numbers.SetStyleRange(CGXRange().SetRows(row), CGXStyle().SetTextColor(RGB(numbers.numbers[row - 1] % 256,
                                                                               numbers.numbers[row - 1] / 256, 0)));
  }
  CGXSortInfoArray info;
  info.Add(CGXSortInfo(1, CGXSortInfo::ascending, CGXSortInfo::numeric));
  numbers.SortRows(CGXRange().SetTable(), info);
  for (int i = 0; i < kCount; ++i) {
    ASSERT_EQ(numbers.numbers[static_cast<size_t>(i)], i);
    ASSERT_EQ(numbers.LookupStyleRowCol(static_cast<ROWCOL>(i + 1), 1).GetTextColor(), RGB(i % 256, i / 256, 0)) << i;
  }
  EXPECT_LT(numbers.moves, kCount) << "each row moves at most once";
  const int before = numbers.moves;
  numbers.SortRows(CGXRange().SetTable(), info);
  EXPECT_EQ(numbers.moves, before) << "sorted rows stay";
}

}  // namespace
}  // namespace grid_test
