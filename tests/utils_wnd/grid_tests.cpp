// The Utils grids: HLGrid's helpers (cell text, editing state, activation
// flags, drop-down widths) and CHLGridCommon's settings.
#include <HLGrid.h>
#include <HLGridCommon.h>

#include "grid_fixture.h"

namespace {

TEST_F(GridWndTest, HLGridAnswersCellTextAndWhetherAnEditorIsOpen) {
  HLGrid grid;
  Open(grid, 3, 2);
  grid.SetValueRange(CGXRange(2, 1), "Sales");
  EXPECT_EQ(grid.GetValueRowCol(2, 1), "Sales");
  EXPECT_EQ(grid.GetValueRowCol(3, 2), "");
  EXPECT_FALSE(grid.IsEditing());

  ClickCell(grid, 2, 1);
  robot.type("x");
  EXPECT_TRUE(grid.IsEditing());
  ASSERT_TRUE(Editor(grid));
  robot.key(VK_ESCAPE);
  EXPECT_FALSE(grid.IsEditing());
  EXPECT_EQ(grid.GetValueRowCol(2, 1), "Sales");
  EXPECT_TRUE(grid.IsKindOf(RUNTIME_CLASS(CGXGridWnd)));
}

TEST_F(GridWndTest, ActionStylesSwitchTheGridsActivationFlags) {
  HLGrid grid;
  Open(grid, 3, 2);
  grid.AddActionStyle(GX_ACTIVATE_NOEDIT);
  EXPECT_NE(grid.GetParam()->GetActivateCellFlags() & GX_ACTIVATE_NOEDIT, 0);
  ClickCell(grid, 1, 1);
  robot.type("a");
  EXPECT_FALSE(grid.IsEditing()) << "no editor opens while NOEDIT is set";

  grid.AddActionStyle(0, GX_ACTIVATE_NOEDIT);
  EXPECT_EQ(grid.GetParam()->GetActivateCellFlags(), GX_ACTIVATE_EDITABLE);
  robot.type("a");
  EXPECT_TRUE(grid.IsEditing());
  robot.key(VK_RETURN);
  EXPECT_EQ(grid.GetValueRowCol(1, 1), "a");
}

TEST_F(GridWndTest, ADropDownListWidensToItsWidestItemButNeverNarrows) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(10, 10, 90, 200), &frame, 7));
  combo.AddString("a");
  HLGrid::AdjustDropDownWidth(&combo);
  CRect box;
  combo.GetWindowRect(box);
  EXPECT_EQ(combo.GetDroppedWidth(), box.Width()) << "short items keep the box's width";

  const CString wide = "A rather long choice that cannot fit eighty pixels";
  combo.AddString(wide);
  HLGrid::AdjustDropDownWidth(&combo);
  int textWidth = 0;
  {
    CClientDC dc(&combo);
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), reinterpret_cast<HGDIOBJ>(combo.SendMessage(WM_GETFONT)));
    textWidth = dc.GetTextExtent(wide).cx;
    ::SelectObject(dc.GetSafeHdc(), old);
  }
  const int fewItems = combo.GetDroppedWidth();
  EXPECT_GT(fewItems, textWidth);

  for (int i = 0; i < 30; ++i) combo.AddString("b");
  HLGrid::AdjustDropDownWidth(&combo);
  EXPECT_EQ(combo.GetDroppedWidth(), fewItems + ::GetSystemMetrics(SM_CXVSCROLL)) << "room for the scroll bar";
  HLGrid::AdjustDropDownWidth(nullptr);
  combo.DestroyWindow();
}

TEST_F(GridWndTest, TheCommonGridKeepsNoUndoMovesNoRowsAndShowsTitles) {
  CHLGridCommon grid;
  CGXGridParam* param = grid.GetParam();
  EXPECT_FALSE(param->IsEnableUndo());
  EXPECT_FALSE(param->IsEnableMoveRows());
  EXPECT_FALSE(param->GetSortColsOnDblClk());
  EXPECT_FALSE(param->IsNumberedColHeaders());
  Open(grid, 2, 2);
  EXPECT_TRUE(grid.IsKindOf(RUNTIME_CLASS(HLGrid)));
  std::unique_ptr<CObject> made(RUNTIME_CLASS(CHLGridCommon)->CreateObject());
  EXPECT_NE(made, nullptr) << "the product's grids are made dynamically too";
}

}  // namespace
