// The password cell and the push-button cell, through the robot.
#include <gtest/gtest.h>

#include <filesystem>

#include "grid_fixture.h"

namespace grid_test {
namespace {

class CellControlTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Attach(grid);
    grid.SetRowCount(3);
    grid.SetColCount(3);
  }
  RecordingGrid grid;
};

TEST_F(CellControlTest, APasswordCellShowsAndEditsMaskedAndStoresClearText) {
  grid.SetStyleRange(CGXRange(1, 2), CGXStyle().SetControl(GX_IDS_CTRL_PASSWORD).SetValue("secret"));
  CString shown;
  grid.GetControlText(shown, 1, 2);
  EXPECT_EQ("******", std::string(shown));
  EXPECT_EQ("secret", std::string(grid.GetValueRowCol(1, 2)));

  grid.SetCurrentCell(1, 2);
  robot.pumpUntilIdle();
  robot.type("pw9");
  const halvane::test::Window editor = robot.focused();
  ASSERT_EQ("Edit", editor.className());
  EXPECT_EQ('*', static_cast<char>(SendMessage(editor.hwnd(), EM_GETPASSWORDCHAR, 0, 0)));
  robot.key(VK_RETURN);
  EXPECT_EQ("pw9", std::string(grid.GetValueRowCol(1, 2))) << "the stored value is the clear text";
  grid.GetControlText(shown, 1, 2);
  EXPECT_EQ("***", std::string(shown));
  EXPECT_EQ((std::vector<Cell>{{1, 2}}), grid.modified);

  grid.SetSelection(CGXRange(1, 1, 1, 2));
  ASSERT_TRUE(grid.Copy());
  EXPECT_EQ("\t***\r\n", ClipboardText()) << "copies carry the mask, never the password";
}

TEST_F(CellControlTest, APushButtonCellReportsItsClickOnceWithItsCell) {
  grid.SetStyleRange(CGXRange(2, 3), CGXStyle().SetControl(GX_IDS_CTRL_PUSHBTN).SetChoiceList("Browse"));
  grid.SetValueRange(CGXRange(1, 3), "plain");
  ClickCell(grid, 2, 3);
  EXPECT_EQ((std::vector<Cell>{{2, 3}}), grid.buttons);
  ClickCell(grid, 1, 3);
  EXPECT_EQ(1u, grid.buttons.size()) << "a plain cell is no button";
  // The space key on the current button cell clicks it too.
  grid.SetCurrentCell(2, 3);
  robot.pumpUntilIdle();
  robot.key(VK_SPACE);
  EXPECT_EQ((std::vector<Cell>{{2, 3}, {2, 3}}), grid.buttons);
  EXPECT_TRUE(grid.modified.empty());
}

TEST_F(CellControlTest, AHotSpotEditReportsItsButtonAndKeepsTheTextBesideIt) {
  grid.RegisterControl(61632, new CGXHotSpotEdit(&grid, 61632));
  grid.SetStyleRange(CGXRange(3, 1), CGXStyle().SetControl(61632).SetValue("/tmp/file.txt"));
  grid.SetColWidth(1, 1, 160);
  grid.SetCurrentCell(3, 1);
  robot.pumpUntilIdle();
  robot.click(GridWindow(grid), CellButton(grid, 3, 1));
  EXPECT_EQ((std::vector<Cell>{{3, 1}}), grid.buttons);
  auto* control = dynamic_cast<CGXHotSpotEdit*>(grid.GetControl(3, 1));
  ASSERT_NE(nullptr, control);
  const CRect cell = grid.CalcRectFromRowCol(3, 1);
  const CRect text = control->GetTextRect(cell, 3, 1, grid.LookupStyleRowCol(3, 1));
  EXPECT_LE(text.right, control->GetButtonRect(cell).left);
}

TEST_F(CellControlTest, SnapshotOfButtonPasswordAndBrowseCells) {
  grid.RegisterControl(61632, new CGXHotSpotEdit(&grid, 61632));
  grid.SetColWidth(1, 3, 120);
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(61632).SetValue("/tmp/file.txt"));
  grid.SetStyleRange(CGXRange(1, 2), CGXStyle().SetControl(GX_IDS_CTRL_PASSWORD).SetValue("secret"));
  grid.SetStyleRange(CGXRange(1, 3), CGXStyle().SetControl(GX_IDS_CTRL_PUSHBTN).SetChoiceList("Browse"));
  grid.SetStyleRange(CGXRange(2, 1),
                     CGXStyle().SetControl(GX_IDS_CTRL_CHOICELIST).SetChoiceList("1\nN\n").SetValue("N"));
  grid.SetStyleRange(
      CGXRange(2, 2),
      CGXStyle().SetControl(GX_IDS_CTRL_CHECKLIST_COMBOBOX).SetChoiceList("Create\nUpdate\nDelete\n").SetValue("5"));
  grid.SetStyleRange(CGXRange(2, 3),
                     CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("a\nb\n").SetValue("1"));
  grid.SetCurrentCell(3, 1);
  robot.pumpUntilIdle();
  robot.snapshot(halvane::test::Window(frame.GetSafeHwnd()), "grid_cells");
}

}  // namespace
}  // namespace grid_test
