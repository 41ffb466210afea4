// Drop-down cells: the combo-box window cell, the choice-list and
// check-list drop-downs, driven by the robot as a user would.
#include <gtest/gtest.h>

#include "grid_fixture.h"

namespace grid_test {
namespace {

using halvane::test::Window;

class DropDownTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Attach(grid);
    grid.SetRowCount(3);
    grid.SetColCount(3);
    grid.SetColWidth(1, 3, 110);
  }
  // The combo-box window the drop-down list cell shows over the current cell.
  Window ComboWindow() { return GridWindow(grid).childByClass("ComboBox"); }

  RecordingGrid grid;
};

TEST_F(DropDownTest, TheDropDownListCellIsAComboBoxWindowThatStoresTheChosenIndex) {
  grid.SetStyleRange(
      CGXRange(1, 1),
      CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("Red\nGreen\nBlue\n").SetValue("0"));
  grid.SetCurrentCell(1, 1);
  robot.pumpUntilIdle();
  const Window combo = ComboWindow();
  ASSERT_TRUE(combo.isVisible());
  EXPECT_EQ("Red", combo.text());
  const DWORD style = static_cast<DWORD>(GetWindowLong(combo.hwnd(), GWL_STYLE));
  EXPECT_EQ(static_cast<DWORD>(CBS_DROPDOWNLIST), style & 3u);
  EXPECT_TRUE(style & CBS_AUTOHSCROLL);

  robot.choose(combo, "Blue");
  EXPECT_EQ("2", std::string(grid.GetValueRowCol(1, 1)));
  EXPECT_EQ((std::vector<Cell>{{1, 1}}), grid.modified) << "one change, reported once the list closed";
  CString shown;
  grid.GetControlText(shown, 1, 1);
  EXPECT_EQ("Blue", std::string(shown));

  // The window has the focus now; Up changes the choice, Tab leaves the cell.
  ASSERT_EQ(combo.hwnd(), robot.focused().hwnd());
  robot.key(VK_UP);
  EXPECT_EQ("1", std::string(grid.GetValueRowCol(1, 1)));
  robot.key(VK_TAB);
  EXPECT_TRUE(grid.IsCurrentCell(1, 2));
  EXPECT_FALSE(combo.isVisible());
  EXPECT_EQ((std::vector<Cell>{{1, 1}, {1, 1}}), grid.modified);
}

TEST_F(DropDownTest, ArrowKeysChangeTheValueAndTheListOpenStateIsReported) {
  grid.SetStyleRange(
      CGXRange(2, 2),
      CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("one\ntwo\nthree\n").SetValue("0"));
  grid.SetCurrentCell(2, 2);
  robot.pumpUntilIdle();
  auto* control = dynamic_cast<CGXComboBoxWnd*>(grid.GetControl(2, 2));
  ASSERT_NE(nullptr, control);
  robot.key(VK_DOWN);
  robot.key(VK_DOWN);
  EXPECT_EQ("2", std::string(grid.GetValueRowCol(2, 2)));
  robot.key(VK_DOWN);
  EXPECT_EQ("2", std::string(grid.GetValueRowCol(2, 2))) << "the last item stays";
  robot.key(VK_UP);
  EXPECT_EQ("1", std::string(grid.GetValueRowCol(2, 2)));
  EXPECT_EQ(3u, grid.modified.size());
  ROWCOL row = 0, col = 0;
  grid.GetCurrentCell(row, col);
  EXPECT_EQ((Cell{2, 2}), (Cell{row, col})) << "the arrows changed the value, not the current cell";

  EXPECT_FALSE(control->IsDroppedDown());
  robot.key(VK_F4);
  EXPECT_TRUE(control->IsDroppedDown());
  robot.key(VK_ESCAPE);
  EXPECT_FALSE(control->IsDroppedDown());
  EXPECT_EQ("1", std::string(grid.GetValueRowCol(2, 2)));
}

// A grid that reads the combo window's selection while the change is reported.
class TypeListGrid : public RecordingGrid {
 public:
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override {
    if (auto* combo = dynamic_cast<CGXComboBoxWnd*>(GetControl(nRow, nCol))) {
      indexSeen = combo->GetCurSel();
      droppedSeen = combo->IsDroppedDown();
    }
    RecordingGrid::OnModifyCell(nRow, nCol);
  }
  int indexSeen = -2;
  BOOL droppedSeen = TRUE;
};

TEST_F(GridTest, AComboWindowAskedForBeforeTheGridHasAWindowAppearsOnceItHasOne) {
  RecordingGrid early;
  early.SetRowCount(1);
  early.SetColCount(1);
  early.SetStyleRange(CGXRange(1, 1),
                      CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("x\ny\n").SetValue("1"));
  CString shown;
  early.GetControlText(shown, 1, 1);
  EXPECT_EQ("y", std::string(shown));
  Attach(early);
  early.SetCurrentCell(1, 1);
  robot.pumpUntilIdle();
  const halvane::test::Window window = GridWindow(early).childByClass("ComboBox");
  ASSERT_TRUE(window.isVisible());
  EXPECT_EQ("y", window.text());
}

TEST_F(DropDownTest, ASortedComboWindowStoresTheIndexOfTheChoiceNotOfTheSortedItem) {
  auto* sorted = new CGXComboBoxWnd(&grid);
  ASSERT_TRUE(sorted->Create(WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 3002));
  sorted->m_nIndexValue = 0;
  grid.RegisterControl(3002, sorted);
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(3002).SetChoiceList("Zeta\nAlpha\nMu\n").SetValue("2"));
  grid.SetCurrentCell(1, 1);
  robot.pumpUntilIdle();
  const Window combo = ComboWindow();
  EXPECT_EQ("Mu", combo.text());
  EXPECT_EQ(1, sorted->GetCurSel()) << "Alpha, Mu, Zeta";
  robot.choose(combo, "Zeta");
  EXPECT_EQ("0", std::string(grid.GetValueRowCol(1, 1)));
}

TEST_F(GridTest, AComboWindowFilledByTheProgramStoresTheTextAndShowsTheIndexToTheHandler) {
  TypeListGrid types;
  Attach(types);
  types.SetRowCount(2);
  types.SetColCount(1);
  types.SetColWidth(1, 1, 140);
  auto* combo = new CGXComboBoxWnd(&types);
  ASSERT_TRUE(combo->Create(WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 3001));
  combo->m_bFillWithChoiceList = FALSE;
  for (const char* item : {"New business object", "Boolean", "String", "Customer"}) combo->AddString(item);
  types.RegisterControl(3001, combo);
  types.SetStyleRange(CGXRange().SetCols(1), CGXStyle().SetControl(3001));
  types.SetValueRange(CGXRange(1, 1), "String");
  types.SetCurrentCell(1, 1);
  robot.pumpUntilIdle();
  const halvane::test::Window window = GridWindow(types).childByClass("ComboBox");
  EXPECT_EQ("String", window.text());
  robot.choose(window, "Customer");
  EXPECT_EQ("Customer", std::string(types.GetValueRowCol(1, 1)));
  EXPECT_EQ(3, types.indexSeen);
  EXPECT_FALSE(types.droppedSeen) << "the change is reported after the list closed";
  EXPECT_EQ((std::vector<Cell>{{1, 1}}), types.modified);
}

TEST_F(DropDownTest, ControlTextIsStoredAsTextOrIndexAsTheStyleAsks) {
  const CGXStyle list = CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("Keep\nOverwrite\nSkip\n");
  grid.SetStyleRange(CGXRange(1, 1), list);
  grid.SetStyleRange(CGXRange(1, 2), CGXStyle(list).SetUserAttribute(GX_IDS_UA_INDEXVALUE, "-1"));
  grid.SetStyleRange(CGXRange(1, 3), CGXStyle(list).SetUserAttribute(GX_IDS_UA_INDEXVALUE, "1"));
  EXPECT_TRUE(grid.SetControlTextRowCol(1, 1, "Skip"));
  EXPECT_TRUE(grid.SetControlTextRowCol(1, 2, "Skip"));
  EXPECT_TRUE(grid.SetControlTextRowCol(1, 3, "overwrite")) << "choices match without case";
  EXPECT_EQ("2", std::string(grid.GetValueRowCol(1, 1)));
  EXPECT_EQ("Skip", std::string(grid.GetValueRowCol(1, 2)));
  EXPECT_EQ("2", std::string(grid.GetValueRowCol(1, 3)));
  EXPECT_FALSE(grid.SetControlTextRowCol(1, 1, "Unknown")) << "an index cell takes only its choices";
  EXPECT_EQ("2", std::string(grid.GetValueRowCol(1, 1)));
}

TEST_F(DropDownTest, TheChoiceListDropDownOpensAListAndStoresThePickedText) {
  grid.SetStyleRange(CGXRange(1, 2),
                     CGXStyle().SetControl(GX_IDS_CTRL_CHOICELIST).SetChoiceList("1\nN\n").SetValue("1"));
  grid.SetCurrentCell(1, 2);
  robot.pumpUntilIdle();
  robot.click(GridWindow(grid), CellButton(grid, 1, 2));
  const Window list = PopupList();
  ASSERT_TRUE(list.isVisible()) << "the arrow button opens the list";
  robot.select(list, "N");
  EXPECT_FALSE(PopupList().isVisible());
  EXPECT_EQ("N", std::string(grid.GetValueRowCol(1, 2)));
  EXPECT_EQ((std::vector<Cell>{{1, 2}}), grid.modified);

  // A press elsewhere only closes an open list.
  robot.click(GridWindow(grid), CellButton(grid, 1, 2));
  ASSERT_TRUE(PopupList().isVisible());
  ClickCell(grid, 3, 3);
  EXPECT_FALSE(PopupList().isVisible());
  EXPECT_EQ("N", std::string(grid.GetValueRowCol(1, 2)));
  EXPECT_TRUE(grid.IsCurrentCell(1, 2)) << "the closing press went no further";

  // Typing is refused: only the list's texts go in.
  robot.type("x");
  robot.key(VK_RETURN);
  EXPECT_EQ("N", std::string(grid.GetValueRowCol(1, 2)));
}

TEST_F(DropDownTest, TheEditableComboTakesTypedTextAndListChoices) {
  grid.SetStyleRange(CGXRange(3, 1), CGXStyle().SetControl(GX_IDS_CTRL_COMBOBOX).SetChoiceList("alpha\nbeta\n"));
  grid.SetCurrentCell(3, 1);
  robot.pumpUntilIdle();
  robot.type("gamma");
  robot.click(GridWindow(grid), CellButton(grid, 3, 1));
  const Window list = PopupList();
  ASSERT_TRUE(list.isVisible());
  robot.key(VK_DOWN);
  robot.key(VK_RETURN);
  EXPECT_FALSE(PopupList().isVisible());
  EXPECT_EQ("alpha", std::string(grid.GetValueRowCol(3, 1))) << "the list's choice replaces the typed text";
  grid.SetCurrentCell(1, 1);
  grid.SetCurrentCell(3, 1);
  robot.pumpUntilIdle();
  robot.type("delta");
  robot.key(VK_RETURN);
  EXPECT_EQ("delta", std::string(grid.GetValueRowCol(3, 1))) << "a text outside the list is taken";
  EXPECT_EQ((std::vector<Cell>{{3, 1}, {3, 1}}), grid.modified);
}

TEST_F(DropDownTest, TheCheckListValueIsTheBitMaskOfTheMarkedItems) {
  grid.SetStyleRange(CGXRange(2, 1), CGXStyle()
                                         .SetControl(GX_IDS_CTRL_CHECKLIST_COMBOBOX)
                                         .SetChoiceList("Create\nUpdate\nDelete\nRetrieve\n")
                                         .SetValue("2"));
  CString shown;
  grid.GetControlText(shown, 2, 1);
  EXPECT_EQ("Update", std::string(shown));
  grid.SetCurrentCell(2, 1);
  robot.pumpUntilIdle();
  robot.click(GridWindow(grid), CellButton(grid, 2, 1));
  const Window list = PopupList();
  ASSERT_TRUE(list.isVisible());
  robot.select(list, "Create");
  robot.select(list, "Update");
  robot.select(list, "Retrieve");
  EXPECT_TRUE(PopupList().isVisible()) << "a check list stays open while items are marked";
  robot.snapshot(Window(frame.GetSafeHwnd()), "grid_checklist_open", true);
  robot.click(GridWindow(grid), CellButton(grid, 2, 1));
  EXPECT_FALSE(PopupList().isVisible());
  EXPECT_EQ("9", std::string(grid.GetValueRowCol(2, 1))) << "Create (1) + Retrieve (8); Update unmarked";
  grid.GetControlText(shown, 2, 1);
  EXPECT_EQ("Create, Retrieve", std::string(shown));
  EXPECT_EQ((std::vector<Cell>{{2, 1}}), grid.modified);
  EXPECT_TRUE(grid.SetControlTextRowCol(2, 1, "Delete, Update"));
  EXPECT_EQ("6", std::string(grid.GetValueRowCol(2, 1)));
}

TEST_F(DropDownTest, SnapshotWithTheListOpen) {
  grid.SetStyleRange(CGXRange().SetCols(1), CGXStyle()
                                                .SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST)
                                                .SetChoiceList("New business "
                                                               "object\nBoolean\nInteger\nFloat\nDouble\nString\nDate\n"
                                                               "LongText\nAccount\nAddress\nCustomer\nInvoice\nOrder\n")
                                                .SetValue("4"));
  grid.SetValueRange(CGXRange(1, 2), "Name");
  grid.SetCurrentCell(2, 1);
  robot.pumpUntilIdle();
  robot.key(VK_F4);
  ASSERT_TRUE(robot.droppedList(ComboWindow()).isVisible());
  robot.snapshot(Window(frame.GetSafeHwnd()), "grid_dropdown_open", true);
  robot.key(VK_ESCAPE);
}

}  // namespace
}  // namespace grid_test
