// The property grid under the user's hands: typing values, the masked
// cell, the drop-down list, the check list and the typed value list, and
// Tab and Enter walking the cells.
#include <DropDownGridWnd.h>

#include "PropValueListCtrl.h"
#include "prop_grid_fixture.h"
#include "robot_grid.h"

namespace wizardtest {
namespace {

using halvane::test::Window;
using ::testing::ElementsAre;

class PropGridEditingTest : public PropGridTest {
 protected:
  void SetUp() override {
    PropGridTest::SetUp();
    props = SampleProperties();
    grid.SetProperties(&props, CPropGrid::kFromDefaults);
    robot.pumpUntilIdle();
  }
  // The drop-down button at the right of a value cell.
  POINT buttonOf(ROWCOL row) {
    const CRect rect = grid.CalcRectFromRowCol(row, CPropGrid::kValueCol);
    return {rect.right - 6, (rect.top + rect.bottom) / 2};
  }
  Window popupList() const {
    for (const Window& window : robot.topLevels())
      if (window.className() == "ListBox" && window.isVisible()) return window;
    return {};
  }
  std::vector<std::string> valuesOf(const char* name) {
    grid.GetProperties(&props);
    return Texts(props.Find(name)->m_currentValues);
  }

  AgentPropArray props;
};

TEST_F(PropGridEditingTest, ATypedValueIsWhatThePropertyGets) {
  typeInto(kHostRow, "db.example.org");
  EXPECT_EQ(cell(kHostRow, 2), "db.example.org");
  EXPECT_THAT(valuesOf("Host"), ElementsAre("db.example.org"));
  typeInto(kFolderRow, "/var/out");
  EXPECT_THAT(valuesOf("Folder"), ElementsAre("/var/out"));
}

TEST_F(PropGridEditingTest, AnOpenEditorsTextIsReadWithoutLeavingTheCell) {
  clickCell(kHostRow, 1);
  clickCell(kHostRow, 2);
  robot.type("pending");
  ASSERT_TRUE(grid.IsEditing());
  EXPECT_THAT(valuesOf("Host"), ElementsAre("pending"));
}

TEST_F(PropGridEditingTest, TheSecretIsTypedMaskedAndKeptInTheClear) {
  clickCell(kPasswordRow, 1);
  clickCell(kPasswordRow, 2);
  robot.type("open sesame");
  const Window editor = gridWindow().childByClass("Edit");
  ASSERT_TRUE(editor.isVisible());
  EXPECT_EQ(static_cast<int>(::SendMessage(editor.hwnd(), EM_GETPASSWORDCHAR, 0, 0)), '*');
  robot.key(VK_RETURN);
  EXPECT_EQ(cell(kPasswordRow, 2), "open sesame");
  EXPECT_THAT(valuesOf("Password"), ElementsAre("open sesame"));
}

TEST_F(PropGridEditingTest, OneOfTheAllowedValuesIsChosenFromTheList) {
  clickCell(kModeRow, 1);
  clickCell(kModeRow, 2);
  const Window combo = gridWindow().childByClass("ComboBox");
  ASSERT_TRUE(combo.isVisible());
  EXPECT_THAT(combo.listItems(), ElementsAre("fast", "slow"));
  robot.choose(combo, "fast");
  clickCell(kHostRow, 1);
  EXPECT_EQ(cell(kModeRow, 2), "fast");
  EXPECT_THAT(valuesOf("Mode"), ElementsAre("fast"));
}

TEST_F(PropGridEditingTest, TheCheckListMarksTheAllowedValuesTheUserPicks) {
  clickCell(kViewsRow, 1);
  clickCell(kViewsRow, 2);
  robot.click(gridWindow(), buttonOf(kViewsRow));
  const Window list = popupList();
  ASSERT_TRUE(list.isVisible());
  EXPECT_THAT(list.listItems(), ElementsAre("Daily", "Weekly", "Monthly")) << "one item per allowed value";
  robot.select(list, "Daily");
  robot.select(list, "Weekly");
  robot.click(gridWindow(), buttonOf(kViewsRow));
  EXPECT_FALSE(popupList().isVisible());
  EXPECT_THAT(valuesOf("Views"), ElementsAre("Weekly", "Monthly"));
}

TEST_F(PropGridEditingTest, ValuesAreTypedIntoTheDropDownListOfTheirOwnCell) {
  AgentProperty second = Property("Schemas", "5", {"main"});
  second.m_bIsList = 1;
  second.m_strSelection = "N";
  props.Add(second);
  grid.SetProperties(&props, CPropGrid::kFromDefaults);
  const ROWCOL schemasRow = kSampleRows + 1;
  auto* control = dynamic_cast<CPropValueListCtrl*>(grid.GetRegisteredControl(CPropGrid::kValueListCtrl));
  ASSERT_NE(control, nullptr);

  clickCell(kTablesRow, 1);
  clickCell(kTablesRow, 2);
  robot.click(gridWindow(), buttonOf(kTablesRow));
  ASSERT_NE(control->GetDropDown(), nullptr);
  CDropDownGridWnd& popup = *control->GetDropDown();
  EXPECT_EQ(std::string(popup.GetValueRowCol(1, 1)), "Orders");
  EXPECT_EQ(std::string(popup.GetValueRowCol(2, 1)), "Customers");
  popup.SetCurrentCell(3, 1);
  robot.type("Invoices");
  robot.key(VK_RETURN);
  // Another cell of the grid: the pop-up closes and its list is the cell's.
  clickCell(schemasRow, 1);
  EXPECT_EQ(control->GetDropDown(), nullptr);
  EXPECT_EQ(cell(kTablesRow, 2), "Orders, Customers, Invoices");

  // The other list kept its own values.
  clickCell(schemasRow, 2);
  robot.click(gridWindow(), buttonOf(schemasRow));
  ASSERT_NE(control->GetDropDown(), nullptr);
  EXPECT_EQ(std::string(control->GetDropDown()->GetValueRowCol(1, 1)), "main");
  clickCell(kHostRow, 1);
  EXPECT_THAT(valuesOf("Tables"), ElementsAre("Orders", "Customers", "Invoices"));
  EXPECT_THAT(valuesOf("Schemas"), ElementsAre("main"));
}

TEST_F(PropGridEditingTest, TheTextOfAValueListIsNotTypedInto) {
  clickCell(kTablesRow, 1);
  clickCell(kTablesRow, 2);
  robot.type("xyz");
  robot.key(VK_RETURN);
  EXPECT_EQ(cell(kTablesRow, 2), "Orders, Customers");
  EXPECT_THAT(valuesOf("Tables"), ElementsAre("Orders", "Customers"));
}

// --- Tab and Enter -------------------------------------------------------------

TEST_F(PropGridEditingTest, TabGoesToTheNextCellAndRoundToTheFirstRow) {
  grid.SetCurrentCell(1, 1);
  robot.key(VK_TAB);
  EXPECT_EQ(currentRow(), 1u);
  EXPECT_EQ(currentCol(), 2u);
  grid.SetCurrentCell(1, 4);
  robot.key(VK_TAB);
  EXPECT_EQ(currentRow(), 2u);
  EXPECT_EQ(currentCol(), 1u);
  grid.SetCurrentCell(kSampleRows, 4);
  robot.key(VK_TAB);
  EXPECT_EQ(currentRow(), 1u) << "past the last row the first";
  EXPECT_EQ(currentCol(), 1u);
}

TEST_F(PropGridEditingTest, ShiftTabGoesBackAndRoundToTheLastRow) {
  grid.SetCurrentCell(2, 1);
  robot.keys({VK_SHIFT, VK_TAB});
  EXPECT_EQ(currentRow(), 1u);
  EXPECT_EQ(currentCol(), 4u);
  grid.SetCurrentCell(1, 1);
  robot.keys({VK_SHIFT, VK_TAB});
  EXPECT_EQ(currentRow(), static_cast<ROWCOL>(kSampleRows));
  EXPECT_EQ(currentCol(), 4u);
}

TEST_F(PropGridEditingTest, EnterMovesAsTabDoesAndStoresWhatWasTyped) {
  clickCell(kHostRow, 1);
  clickCell(kHostRow, 2);
  robot.type("typed");
  robot.key(VK_RETURN);
  EXPECT_EQ(cell(kHostRow, 2), "typed");
  EXPECT_EQ(currentRow(), static_cast<ROWCOL>(kHostRow));
  EXPECT_EQ(currentCol(), 3u);
  robot.keys({VK_SHIFT, VK_RETURN});
  EXPECT_EQ(currentCol(), 2u);
  // The masked cell's editor hands Enter to the grid as well.
  clickCell(kPasswordRow, 1);
  clickCell(kPasswordRow, 2);
  robot.type("x");
  robot.key(VK_RETURN);
  EXPECT_EQ(cell(kPasswordRow, 2), "x");
  EXPECT_EQ(currentCol(), 3u);
}

}  // namespace
}  // namespace wizardtest
