// Editing through the robot: typing into edit cells, Escape, Enter, the
// validation refusal, read-only cells, check boxes, and a grid refilled
// from inside its own notification.
#include "grid_fixture.h"

namespace gridtest {
namespace {

using halvane::test::Robot;
using halvane::test::Window;

class EditingTest : public GridTest {};

TEST_F(EditingTest, TypingStartsEditingAndEnterStoresOnce) {
  CRecordingGrid grid;
  Open(grid, 3, 2);
  ClickCell(2, 1);
  EXPECT_TRUE(grid.IsCurrentCell(2, 1));
  EXPECT_FALSE(Editor()) << "a first click only makes the cell current";
  grid.log.clear();
  robot.type("abc");
  ASSERT_TRUE(Editor());
  EXPECT_EQ(Editor().text(), "abc");
  EXPECT_TRUE(grid.GetValueRowCol(2, 1).IsEmpty()) << "nothing stored while typing";
  robot.key(VK_RETURN);
  EXPECT_EQ(std::string(grid.GetValueRowCol(2, 1)), "abc");
  EXPECT_FALSE(Editor());
  EXPECT_EQ(grid.Calls("OnStartEditing"), (std::vector<std::string>{"OnStartEditing(2,1)"}));
  EXPECT_EQ(grid.Calls("OnModifyCell"), (std::vector<std::string>{"OnModifyCell(2,1)"}));
  EXPECT_EQ(grid.Calls("OnEndEditing"), (std::vector<std::string>{"OnEndEditing(2,1)"}));
  EXPECT_TRUE(grid.IsCurrentCell(3, 1)) << "Enter moves down";
}

TEST_F(EditingTest, FocusLeavingTheGridStoresWhatWasTyped) {
  CRecordingGrid grid;
  Open(grid, 2, 1);
  ClickCell(1, 1);
  robot.type("typed");
  robot.click(OtherControl());
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "typed") << "a dialog's OK reads it";
  EXPECT_EQ(grid.Calls("OnModifyCell").size(), 1u);
  ClickCell(2, 1);
  EXPECT_EQ(grid.Calls("OnModifyCell").size(), 1u) << "stored once";
}

TEST_F(EditingTest, TheFocusGoesBackToAnOpenEditor) {
  CGXGridWnd grid;
  Open(grid, 1, 1);
  ClickCell(1, 1);
  robot.type("ab");
  robot.click(OtherControl());
  const CRect client = [&] {
    CRect r;
    grid.GetClientRect(&r);
    return r;
  }();
  robot.click(GridWindow(), POINT{client.right - 5, client.bottom - 5});
  EXPECT_EQ(robot.focused(), Editor()) << "a click beside the cells returns to the editor";
  robot.type("c");
  EXPECT_EQ(Editor().text(), "abc");
  EXPECT_EQ(OtherControl().text(), "");
  robot.key(VK_RETURN);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "abc");
}

TEST_F(EditingTest, AGridDestroyedWhileEditingLeavesCleanly) {
  auto grid = std::make_unique<CRecordingGrid>();
  Open(*grid, 2, 2);
  ClickCell(1, 1);
  robot.type("pending");
  ASSERT_TRUE(Editor());
  grid.reset();
  robot.pumpUntilIdle();
  EXPECT_FALSE(Window(dialog->GetSafeHwnd()).child(IDC_GRID)) << "the grid window went with the object";
}

TEST_F(EditingTest, MaxLengthLimitsTheEditor) {
  CGXGridWnd grid;
  Open(grid, 1, 1);
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetMaxLength(3));
  ClickCell(1, 1);
  robot.type("abcdef");
  robot.key(VK_RETURN);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "abc");
}

TEST_F(EditingTest, EscapeCancelsAndKeepsTheStoredValue) {
  CRecordingGrid grid;
  Open(grid, 2, 2);
  grid.SetValueRange(CGXRange(1, 1), "kept");
  ClickCell(1, 1);
  robot.type("xyz");
  robot.key(VK_ESCAPE);
  EXPECT_FALSE(Editor());
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "kept");
  EXPECT_TRUE(grid.Calls("OnModifyCell").empty());
  EXPECT_EQ(grid.Calls("OnCanceledEditing"), (std::vector<std::string>{"OnCanceledEditing(1,1)"}));
  EXPECT_TRUE(grid.IsCurrentCell(1, 1));
  EXPECT_TRUE(dialog->GetSafeHwnd() != nullptr) << "Escape went to the editor, not the dialog";
}

TEST_F(EditingTest, ClickOnTheCurrentCellOpensTheEditorWithItsText) {
  CGXGridWnd grid;
  Open(grid, 2, 2);
  grid.SetValueRange(CGXRange(1, 2), "hello");
  ClickCell(1, 2);
  ClickCell(1, 2);
  ASSERT_TRUE(Editor());
  EXPECT_EQ(Editor().text(), "hello");
  auto* pEdit = dynamic_cast<CGXEditControl*>(grid.GetCurrentCellControl());
  ASSERT_NE(pEdit, nullptr);
  int nStart = -1;
  int nEnd = -1;
  pEdit->GetSel(nStart, nEnd);
  EXPECT_EQ(nStart, 5);
  EXPECT_FALSE(pEdit->HasSelectedText());
  robot.type("!");
  robot.key(VK_TAB);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 2)), "hello!");
  EXPECT_TRUE(grid.IsCurrentCell(2, 1)) << "Tab from the last column wraps to the next row";
}

TEST_F(EditingTest, ValidationRefusalKeepsTheEditorAndShowsTheWarning) {
  CRecordingGrid grid;
  Open(grid, 2, 2);
  grid.refuseValidation = TRUE;
  grid.warning = "Values greater than 100 are invalid!";
  ClickCell(1, 1);
  robot.type("150");
  std::string shown;
  robot.onDialog("Grid Tests", [&](Robot& r, Window box) {
    for (const auto& t : r.texts(box)) shown += t + "|";
    r.key(VK_RETURN);
  });
  robot.key(VK_RETURN);
  EXPECT_NE(shown.find("Values greater than 100 are invalid!"), std::string::npos) << shown;
  ASSERT_TRUE(Editor()) << "the editor stays";
  EXPECT_EQ(Editor().text(), "150");
  EXPECT_TRUE(grid.GetValueRowCol(1, 1).IsEmpty());
  EXPECT_TRUE(grid.IsCurrentCell(1, 1));
  EXPECT_TRUE(grid.Calls("OnModifyCell").empty());
  grid.refuseValidation = FALSE;
  robot.key(VK_RETURN);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "150");
}

TEST_F(EditingTest, ReadOnlyCellsAndGridsRefuseEdits) {
  CRecordingGrid grid;
  Open(grid, 2, 2);
  grid.SetStyleRange(CGXRange().SetCols(2), CGXStyle().SetReadOnly(TRUE).SetValue("fixed"));
  ClickCell(1, 2);
  robot.type("x");
  robot.key(VK_DELETE);
  EXPECT_FALSE(Editor());
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 2)), "fixed");
  grid.SetReadOnly(TRUE);
  ClickCell(1, 1);
  robot.type("y");
  EXPECT_FALSE(Editor());
  EXPECT_TRUE(grid.log.end() == std::find_if(grid.log.begin(), grid.log.end(), [](const std::string& s) {
                return s.rfind("OnStartEditing", 0) == 0 || s.rfind("OnModifyCell", 0) == 0;
              }));
  grid.SetReadOnly(FALSE);
  grid.GetParam()->SetActivateCellFlags(GX_ACTIVATE_READONLY);
  robot.type("z");
  EXPECT_FALSE(Editor()) << "activation 38 never opens an editor";
  grid.GetParam()->SetActivateCellFlags(GX_ACTIVATE_EDITABLE);
  robot.type("z");
  EXPECT_TRUE(Editor());
}

TEST_F(EditingTest, CheckBoxToggledByClickAndSpaceWithItsOwnValues) {
  CRecordingGrid grid;
  Open(grid, 2, 2);
  grid.SetStyleRange(CGXRange().SetCols(2), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetValue("0"));
  grid.SetStyleRange(CGXRange(2, 2), CGXStyle().SetCheckBoxValues("TRUE", "FALSE").SetValue("FALSE"));
  const CRect cell = grid.GetCellRect(1, 2);
  const CRect box = static_cast<CGXCheckBox*>(grid.GetControl(1, 2))->GetBoxRect(cell, grid.LookupStyleRowCol(1, 2));
  robot.click(GridWindow(), POINT{box.CenterPoint().x, box.CenterPoint().y});
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 2)), "1");
  EXPECT_EQ(grid.Calls("OnModifyCell"), (std::vector<std::string>{"OnModifyCell(1,2)"}));
  robot.key(VK_SPACE);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 2)), "0");
  robot.key(VK_DOWN);
  robot.key(VK_SPACE);
  EXPECT_EQ(std::string(grid.GetValueRowCol(2, 2)), "TRUE");
  robot.click(GridWindow(), POINT{cell.right - 3, cell.top + 3});
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 2)), "0") << "a click beside the box only moves";
  robot.key(VK_F2);
  EXPECT_FALSE(Editor());
  EXPECT_TRUE(grid.Calls("OnStartEditing").empty()) << "a check box never starts editing";
}

// A grid that rebuilds all its rows whenever a value changes, as the
// product's property grids do.
class CRefillingGrid : public CRecordingGrid {
 public:
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override {
    CRecordingGrid::OnModifyCell(nRow, nCol);
    const CString sValue = GetValueRowCol(nRow, nCol);
    SetRowCount(0);
    SetRowCount(4);
    SetValueRange(CGXRange(nRow, nCol), sValue + "*");
    SetCurrentCell(nRow, nCol);
  }
};

TEST_F(EditingTest, RefillingTheGridInsideOnModifyCellIsSafe) {
  CRefillingGrid grid;
  Open(grid, 3, 2);
  ClickCell(2, 2);
  robot.type("new");
  robot.key(VK_TAB);
  EXPECT_EQ(grid.GetRowCount(), 4u);
  EXPECT_EQ(std::string(grid.GetValueRowCol(2, 2)), "new*");
  EXPECT_EQ(grid.Calls("OnModifyCell"), (std::vector<std::string>{"OnModifyCell(2,2)"}));
  EXPECT_FALSE(Editor());
  robot.type("again");
  robot.key(VK_RETURN);
  EXPECT_EQ(grid.Calls("OnModifyCell").size(), 2u);
}

// A grid that, when its last row gets a value, adds a new empty row and
// lets the user go on typing in the cell (the product's "new row" grids).
class CGrowingGrid : public CRecordingGrid {
 public:
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override {
    CRecordingGrid::OnModifyCell(nRow, nCol);
    if (nRow != GetRowCount()) return;
    InsertRows(nRow + 1, 1);
    SetCurrentCell(nRow, nCol);
    ActivateCurrentCell();
    static_cast<CGXEditControl*>(GetCurrentCellControl())->SetCaretToEnd();
  }
};

TEST_F(EditingTest, AHandlerThatReopensTheEditorKeepsTheCell) {
  CGrowingGrid grid;
  Open(grid, 1, 2);
  ClickCell(1, 1);
  robot.type("ab");
  robot.key(VK_TAB);
  EXPECT_EQ(grid.GetRowCount(), 2u);
  EXPECT_TRUE(grid.IsCurrentCell(1, 1));
  ASSERT_TRUE(Editor());
  robot.type("c");
  EXPECT_EQ(Editor().text(), "abc") << "typing goes on at the end";
  robot.key(VK_TAB);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "abc");
  EXPECT_TRUE(grid.IsCurrentCell(1, 2)) << "no new row this time: the move goes on";
  EXPECT_EQ(grid.GetRowCount(), 2u);
}

}  // namespace
}  // namespace gridtest
