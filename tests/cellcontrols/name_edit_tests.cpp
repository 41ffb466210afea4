// The attribute name editors: the expand button of a business-object name
// cell asks its grid to toggle the row, its two kinds show their markers,
// and names are stored as typed, numbers or not.
#include <gtest/gtest.h>

#include "BitmapBtnEdit.h"
#include "BrowseEditCtrl.h"
#include "IndentEdit.h"
#include "cell_fixture.h"

namespace cells_test {
namespace {

constexpr WORD kExpandedID = 61710;
constexpr WORD kCollapsedID = 61711;
constexpr WORD kIndentID = 61712;
constexpr WORD kBrowseID = 61713;

template <class TGrid>
void RegisterNameCells(TGrid& grid) {
  grid.SetColWidth(1, 2, 150);
  grid.RegisterControl(kExpandedID, new CBitmapBtnEdit(&grid, kExpandedID, CBitmapBtnEdit::kExpanded, 10));
  grid.RegisterControl(kCollapsedID, new CBitmapBtnEdit(&grid, kCollapsedID, CBitmapBtnEdit::kCollapsed, 10));
  grid.RegisterControl(kIndentID, new CIndentEdit(&grid, kIndentID, 10));
  grid.RegisterControl(kBrowseID, new CBrowseEditCtrl(TRUE, &grid, kBrowseID));
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(kExpandedID).SetValue("Order"));
  grid.SetStyleRange(CGXRange(2, 1), CGXStyle().SetControl(kCollapsedID).SetValue("Customer"));
  grid.SetStyleRange(CGXRange(3, 1), CGXStyle().SetControl(kIndentID).SetValue("Amount"));
  grid.SetStyleRange(CGXRange(4, 1), CGXStyle().SetControl(kBrowseID).SetValue("/tmp/a.txt"));
}

class NameEditTest : public CellTest {
 protected:
  void SetUp() override {
    CellTest::SetUp();
    Attach(grid, 4, 2);
    RegisterNameCells(grid);
  }
  CRect ButtonRect(ROWCOL row) {
    auto* control = dynamic_cast<CBitmapBtnEdit*>(grid.GetControl(row, 1));
    EXPECT_NE(nullptr, control);
    return control != nullptr ? control->GetButtonRect(CellRect(grid, row, 1)) : CRect();
  }
  // Types into the cell's editor and presses Enter.
  void TypeInto(ROWCOL row, ROWCOL col, const std::string& text) {
    grid.SetCurrentCell(row, col);
    robot.pumpUntilIdle();
    robot.type(text);
    robot.key(VK_RETURN);
  }

  HostGrid grid;
};

TEST_F(NameEditTest, TheButtonAsksTheGridToToggleItsRowAndOpensNoEditor) {
  Click(grid, Centre(ButtonRect(2)));
  EXPECT_EQ(std::vector<ROWCOL>{2}, grid.toggled);
  EXPECT_TRUE(grid.buttons.empty()) << "the owner is asked, not the general notification";
  EXPECT_FALSE(grid.IsActiveCurrentCell());
  // On the current cell with its editor open the button still toggles.
  grid.SetCurrentCell(1, 1);
  ASSERT_TRUE(grid.ActivateCurrentCell());
  robot.pumpUntilIdle();
  Click(grid, Centre(ButtonRect(1)));
  EXPECT_EQ((std::vector<ROWCOL>{2, 1}), grid.toggled);
  // A click on the text opens the editor and toggles nothing.
  ClickText(grid, 2, 1);
  ClickText(grid, 2, 1);
  EXPECT_TRUE(grid.IsActiveCurrentCell());
  EXPECT_EQ(2u, grid.toggled.size());
}

TEST_F(NameEditTest, APressOnTheButtonReleasedBesideItTogglesNothing) {
  const CRect button = ButtonRect(2);
  Press(grid, Centre(button));
  MoveTo(grid, {button.right + 30, button.top + 2});
  Release(grid, {button.right + 30, button.top + 2});
  EXPECT_TRUE(grid.toggled.empty());
}

TEST_F(NameEditTest, AGridThatIsNoOwnerHearsTheButtonAsTheLibrarysNotification) {
  frame.DestroyWindow();
  ASSERT_TRUE(
      frame.CreateEx(0, nullptr, "Cells", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 470, 300, nullptr, nullptr));
  PlainGrid plain;
  Attach(plain, 4, 2);
  RegisterNameCells(plain);
  auto* control = dynamic_cast<CBitmapBtnEdit*>(plain.GetControl(2, 1));
  ASSERT_NE(nullptr, control);
  Click(plain, Centre(control->GetButtonRect(CellRect(plain, 2, 1))));
  EXPECT_EQ((std::vector<Cell>{{2, 1}}), plain.buttons);
}

TEST_F(NameEditTest, TheTwoKindsShowTheirOwnMarkersFromTheHostsResources) {
  const CRect expanded = ButtonRect(1);
  const CRect collapsed = ButtonRect(2);
  DrawnCell expandedCell(grid, 1, 1);
  DrawnCell collapsedCell(grid, 2, 1);
  const COLORREF black = RGB(0, 0, 0);
  EXPECT_EQ(7, expandedCell.Count(expanded, black)) << "a minus";
  EXPECT_EQ(13, collapsedCell.Count(collapsed, black)) << "a plus";
  EXPECT_EQ(RGB(255, 255, 255), collapsedCell.At(collapsed.left, collapsed.top)) << "a raised button's lit edge";
}

// Names and paths are texts: a number in them, however large, is not
// checked (the name rules are checked when the definition is saved).
TEST_F(NameEditTest, NamesAndPathsAreStoredAsTypedWhateverNumberTheyStartWith) {
  const std::vector<std::string> texts = {"150", "99", "abc", "100", "1500x", "101"};
  for (ROWCOL row = 1; row <= 4; ++row) {
    for (const std::string& text : texts) {
      SCOPED_TRACE(std::to_string(row) + ": " + text);
      TypeInto(row, 1, text);
      EXPECT_EQ(text, std::string(grid.GetValueRowCol(row, 1)));
      EXPECT_FALSE(grid.IsActiveCurrentCell()) << "the editor closed: nothing was refused";
    }
  }
  EXPECT_EQ(4 * texts.size(), grid.modified.size());
}

}  // namespace
}  // namespace cells_test
