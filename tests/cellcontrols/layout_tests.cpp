// Where each control puts its text and its button in a cell, and where the
// editor window goes while the cell is edited.
#include <gtest/gtest.h>

#include "BitmapBtnEdit.h"
#include "BrowseEditCtrl.h"
#include "DropGridCtrl.h"
#include "IndentEdit.h"
#include "cell_fixture.h"

namespace cells_test {
namespace {

constexpr WORD kIndentID = 61700;
constexpr WORD kBitmapID = 61701;
constexpr WORD kBrowseID = 61702;
constexpr WORD kDropID = 61703;
constexpr WORD kPlainID = GX_IDS_CTRL_EDIT;

class LayoutTest : public CellTest {
 protected:
  void SetUp() override {
    CellTest::SetUp();
    Attach(grid, 4, 2);
    grid.SetColWidth(1, 2, 150);
    grid.RegisterControl(kIndentID, new CIndentEdit(&grid, kIndentID, 20));
    grid.RegisterControl(kBitmapID, new CBitmapBtnEdit(&grid, kBitmapID, CBitmapBtnEdit::kCollapsed, 30));
    grid.RegisterControl(kBrowseID, new CBrowseEditCtrl(FALSE, &grid, kBrowseID));
    grid.RegisterControl(kDropID, new CDropGridCtrl(&grid, kDropID));
    grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(kIndentID).SetValue("Plain"));
    grid.SetStyleRange(CGXRange(2, 1), CGXStyle().SetControl(kBitmapID).SetValue("Contained"));
    grid.SetStyleRange(CGXRange(3, 1), CGXStyle().SetControl(kBrowseID).SetValue("/tmp"));
    grid.SetStyleRange(CGXRange(4, 1), CGXStyle().SetControl(kDropID));
    cell = CellRect(grid, 1, 1);
  }
  CRect TextRect(ROWCOL row, ROWCOL col) {
    return grid.GetControl(row, col)->GetTextRect(CellRect(grid, row, col), row, col, grid.LookupStyleRowCol(row, col));
  }
  CRect PlainTextRect(ROWCOL row, ROWCOL col) {
    return grid.GetRegisteredControl(kPlainID)->GetTextRect(CellRect(grid, row, col), row, col,
                                                            grid.LookupStyleRowCol(row, col));
  }
  // Where the editor window sits once the cell's editor is open.
  CRect EditorRect(ROWCOL row, ROWCOL col) {
    grid.SetCurrentCell(row, col);
    EXPECT_TRUE(grid.ActivateCurrentCell());
    robot.pumpUntilIdle();
    const halvane::test::Window editor = robot.focused();
    EXPECT_EQ("Edit", editor.className());
    CRect rect;
    ::GetWindowRect(editor.hwnd(), &rect);
    ::MapWindowPoints(nullptr, grid.GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  HostGrid grid;
  CRect cell;
};

TEST_F(LayoutTest, TheIndentedEditorStartsItsTextIndentPixelsFurtherRight) {
  const CRect text = TextRect(1, 1);
  const CRect plain = PlainTextRect(1, 1);
  EXPECT_EQ(plain.left + 20, text.left);
  EXPECT_EQ(plain.right, text.right);
  EXPECT_EQ(plain.top, text.top);
  EXPECT_EQ(text.left, EditorRect(1, 1).left) << "the editor window starts where the text does";
}

TEST_F(LayoutTest, TheNameEditorPutsItsButtonAfterTheIndentAndTheTextAfterTheButton) {
  const CRect rectCell = CellRect(grid, 2, 1);
  auto* control = dynamic_cast<CBitmapBtnEdit*>(grid.GetControl(2, 1));
  ASSERT_NE(nullptr, control);
  const CRect button = control->GetButtonRect(rectCell);
  EXPECT_EQ(rectCell.left + 30 + 3, button.left);
  EXPECT_EQ(14, button.Width());
  EXPECT_EQ(14, button.Height());
  EXPECT_EQ(rectCell.top + (rectCell.Height() - 14) / 2, button.top) << "vertically centred";
  EXPECT_EQ(rectCell.left + 30 + 14 + 3, TextRect(2, 1).left);
  const CRect editor = EditorRect(2, 1);
  EXPECT_EQ(rectCell.left + 30 + 14 + 3, editor.left);
  EXPECT_GE(editor.left, button.right) << "the open editor leaves the button free";
  // The child the grid draws and clicks is where the rectangle says.
  EXPECT_EQ(button, control->GetButton()->GetRect());
}

TEST_F(LayoutTest, TheBrowseButtonEndsThreePixelsLeftOfTheCellsRightEdge) {
  const CRect rectCell = CellRect(grid, 3, 1);
  auto* control = dynamic_cast<CBrowseEditCtrl*>(grid.GetControl(3, 1));
  ASSERT_NE(nullptr, control);
  const CRect button = control->GetButtonRect(rectCell);
  EXPECT_EQ(rectCell.right - 3, button.right);
  EXPECT_EQ(16, button.Width());
  EXPECT_EQ(rectCell.top, button.top);
  EXPECT_EQ(15, button.Height()) << "as high as its bitmap";
  EXPECT_EQ(PlainTextRect(3, 1).right - 19, TextRect(3, 1).right);
  EXPECT_LE(EditorRect(3, 1).right, button.left);
}

TEST_F(LayoutTest, TheDropGridArrowSitsAtTheRightAndTheTextStopsBeforeIt) {
  const CRect rectCell = CellRect(grid, 4, 1);
  auto* control = dynamic_cast<CDropGridCtrl*>(grid.GetControl(4, 1));
  ASSERT_NE(nullptr, control);
  const CRect arrow = control->GetArrowRect(rectCell);
  EXPECT_EQ(
      CRect(rectCell.right - 16, rectCell.top + 1, rectCell.right, std::min(rectCell.top + 19, rectCell.bottom - 1)),
      arrow);
  EXPECT_EQ(PlainTextRect(4, 1).right - 15, TextRect(4, 1).right);
  // A tall row keeps the arrow at 18 pixels; a narrow cell keeps its left edge inside.
  EXPECT_EQ(18, control->GetArrowRect(CRect(0, 0, 100, 60)).Height());
  EXPECT_EQ(CRect(1, 1, 10, 19), control->GetArrowRect(CRect(0, 0, 10, 60)));
  EXPECT_EQ(CRect(1, 1, 10, 7), control->GetArrowRect(CRect(0, 0, 10, 8))) << "one pixel above the bottom";
}

TEST_F(LayoutTest, WidthsThatFitTheTextMakeRoomForTheIndentAndTheButton) {
  for (ROWCOL row = 1; row <= 2; ++row)
    grid.SetStyleRange(CGXRange(row, 2), CGXStyle().SetValue(row == 1 ? "Plain" : "Contained"));
  grid.ResizeColWidthsToFit(CGXRange().SetCols(1, 2));
  CClientDC dc(&grid);
  CGXStyle style1 = grid.LookupStyleRowCol(1, 1);
  CGXStyle style2 = grid.LookupStyleRowCol(2, 1);
  CGXControl* plain = grid.GetRegisteredControl(kPlainID);
  EXPECT_EQ(plain->CalcSize(&dc, 1, 2, style1, nullptr, FALSE).cx + 20,
            grid.GetControl(1, 1)->CalcSize(&dc, 1, 1, style1, nullptr, FALSE).cx);
  EXPECT_EQ(plain->CalcSize(&dc, 2, 2, style2, nullptr, FALSE).cx + 30 + 14 + 3 - 2,
            grid.GetControl(2, 1)->CalcSize(&dc, 2, 1, style2, nullptr, FALSE).cx)
      << "the text starts 47 pixels in instead of the library's 2";
  EXPECT_GT(grid.GetColWidth(1), grid.GetColWidth(2));
}

}  // namespace
}  // namespace cells_test
