// Copy, cut and paste of cell ranges as text, and the text export.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "grid_fixture.h"
#include "temp_folder.h"

namespace grid_test {
namespace {

class ClipboardTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Attach(grid);
    FillNumbered(grid, 4, 3);
  }
  RecordingGrid grid;
};

TEST_F(ClipboardTest, CopyOfATwoByThreeRangeIsTabSeparatedWithCrLfRows) {
  grid.SetSelection(CGXRange(2, 1, 3, 3));
  ASSERT_TRUE(grid.Copy());
  EXPECT_EQ("r2c1\tr2c2\tr2c3\r\nr3c1\tr3c2\tr3c3\r\n", ClipboardText());
  // Whole rows copy their data columns, without the row headers.
  grid.SetSelection(CGXRange().SetRows(4));
  ASSERT_TRUE(grid.Copy());
  EXPECT_EQ("r4c1\tr4c2\tr4c3\r\n", ClipboardText());
  // Without a selection the current cell is copied.
  grid.ClearSelection();
  grid.SetCurrentCell(1, 2);
  ASSERT_TRUE(grid.Copy());
  EXPECT_EQ("r1c2\r\n", ClipboardText());
  // Two ranges at once have no one text form: refused, the clipboard kept.
  grid.SetSelection(CGXRange(1, 1));
  grid.GetParam()->GetRangeList()->AddTail(CGXRange(3, 3));
  EXPECT_FALSE(grid.CanCopy());
  EXPECT_FALSE(grid.Copy());
  EXPECT_EQ("r1c2\r\n", ClipboardText());
}

TEST_F(ClipboardTest, CutClearsTheCellsButNotTheReadOnlyOnes) {
  grid.SetStyleRange(CGXRange(1, 2), CGXStyle().SetReadOnly(TRUE));
  grid.SetSelection(CGXRange(1, 1, 2, 2));
  ASSERT_TRUE(grid.Cut());
  EXPECT_EQ("r1c1\tr1c2\r\nr2c1\tr2c2\r\n", ClipboardText());
  EXPECT_EQ("", std::string(grid.GetValueRowCol(1, 1)));
  EXPECT_EQ("r1c2", std::string(grid.GetValueRowCol(1, 2))) << "read-only";
  EXPECT_EQ("", std::string(grid.GetValueRowCol(2, 2)));
  EXPECT_EQ("r1c3", std::string(grid.GetValueRowCol(1, 3))) << "outside the range";
}

TEST_F(ClipboardTest, PasteFillsFromTheTopLeftCellClipsAtTheEdgesAndSkipsReadOnlyCells) {
  grid.SetStyleRange(CGXRange(3, 3), CGXStyle().SetReadOnly(TRUE));
  SetClipboardText("a\tb\tc\r\nd\te\tf\r\ng\th\ti\r\nj\tk\tl\r\n");
  grid.ClearSelection();
  grid.SetCurrentCell(2, 2);
  ASSERT_TRUE(grid.Paste());
  EXPECT_EQ("a", std::string(grid.GetValueRowCol(2, 2)));
  EXPECT_EQ("b", std::string(grid.GetValueRowCol(2, 3)));
  EXPECT_EQ("d", std::string(grid.GetValueRowCol(3, 2)));
  EXPECT_EQ("r3c3", std::string(grid.GetValueRowCol(3, 3))) << "a read-only cell refuses the text";
  EXPECT_EQ("g", std::string(grid.GetValueRowCol(4, 2)));
  EXPECT_EQ(4u, grid.GetRowCount()) << "rows past the last are left out";
  EXPECT_EQ(3u, grid.GetColCount()) << "columns past the last are left out";
  EXPECT_EQ("r2c1", std::string(grid.GetValueRowCol(2, 1)));

  grid.SetReadOnly(TRUE);
  SetClipboardText("z\r\n");
  EXPECT_FALSE(grid.Paste()) << "a read-only grid refuses the paste";
  EXPECT_EQ("a", std::string(grid.GetValueRowCol(2, 2)));
}

// A grid that keeps only its first row once a value changes, as a program
// refilling its grid from OnModifyCell does.
class ShrinkingGrid : public RecordingGrid {
 public:
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override {
    RecordingGrid::OnModifyCell(nRow, nCol);
    SetRowCount(1);
  }
};

TEST_F(GridTest, PasteAndCutReportEachCellAndSurviveAHandlerThatRefillsTheGrid) {
  ShrinkingGrid shrinking;
  Attach(shrinking);
  FillNumbered(shrinking, 3, 3);
  SetClipboardText("a\tb\r\nc\td\r\n");
  shrinking.SetCurrentCell(1, 2);
  ASSERT_TRUE(shrinking.Paste());
  EXPECT_EQ((std::vector<Cell>{{1, 2}, {1, 3}}), shrinking.modified) << "the second row went before its turn";
  EXPECT_EQ(1u, shrinking.GetRowCount());
  EXPECT_EQ("r1c1|a|b", std::string(shrinking.GetValueRowCol(1, 1) + "|" + shrinking.GetValueRowCol(1, 2) + "|" +
                                    shrinking.GetValueRowCol(1, 3)));

  shrinking.modified.clear();
  shrinking.SetSelection(CGXRange(1, 1, 1, 2));
  ASSERT_TRUE(shrinking.Cut());
  EXPECT_EQ((std::vector<Cell>{{1, 1}, {1, 2}}), shrinking.modified);
  EXPECT_TRUE(shrinking.GetValueRowCol(1, 1).IsEmpty());
}

TEST_F(ClipboardTest, PasteIntoAnIndexDropDownStoresTheIndexOfTheText) {
  grid.SetStyleRange(CGXRange(1, 1),
                     CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("Keep\nRename\n").SetValue("0"));
  grid.SetSelection(CGXRange(1, 1));
  ASSERT_TRUE(grid.Copy());
  EXPECT_EQ("Keep\r\n", ClipboardText()) << "the shown text, not the index";
  SetClipboardText("Rename\r\n");
  ASSERT_TRUE(grid.Paste());
  EXPECT_EQ("1", std::string(grid.GetValueRowCol(1, 1)));
}

TEST_F(ClipboardTest, CopyTextToFileWritesTheRangeExactly) {
  const halvane::test::TempFolder folder("grid_export");
  const std::filesystem::path path = folder / "export.xls";
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    ASSERT_TRUE(grid.CopyTextToFile(file, CGXRange().SetRows(1, 2)));
  }
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  EXPECT_EQ("r1c1\tr1c2\tr1c3\r\nr2c1\tr2c2\tr2c3\r\n", content.str());
}

}  // namespace
}  // namespace grid_test
