// Styles: inclusion, the merge modes and the composition order of a grid.
#include "grid_fixture.h"

namespace gridtest {
namespace {

TEST(StyleTest, MergeModesOverrideApplyNewCopyAndExclude) {
  CGXStyle stored;
  stored.SetValue("old").SetInterior(RGB(1, 2, 3));
  CGXStyle change;
  change.SetValue("new").SetReadOnly(TRUE);

  CGXStyle s = stored;
  s.ChangeStyle(change, gxOverride);
  EXPECT_EQ(std::string(s.GetValue()), "new");
  EXPECT_EQ(s.GetInterior(), RGB(1, 2, 3));
  EXPECT_TRUE(s.GetReadOnly());

  s = stored;
  s.ChangeStyle(change, gxApplyNew);
  EXPECT_EQ(std::string(s.GetValue()), "old");
  EXPECT_TRUE(s.GetReadOnly());

  s = stored;
  s.ChangeStyle(change, gxCopy);
  EXPECT_FALSE(s.GetIncludeInterior());
  EXPECT_EQ(std::string(s.GetValue()), "new");

  s = stored;
  s.ChangeStyle(CGXStyle().SetValue(""), gxExclude);
  EXPECT_FALSE(s.GetIncludeValue());
  EXPECT_TRUE(s.GetIncludeInterior());
}

TEST(StyleTest, UserAttributesFontAndCheckBoxValues) {
  CGXStyle s;
  s.SetUserAttribute(51022, "tip");
  EXPECT_EQ(std::string(s.GetUserAttribute(51022)), "tip");
  EXPECT_TRUE(s.GetUserAttribute(51023).IsEmpty());
  EXPECT_EQ(std::string(s.GetCheckedValue()), "1");
  s.SetCheckBoxValues("TRUE", "FALSE");
  EXPECT_EQ(std::string(s.GetUncheckedValue()), "FALSE");

  CGXStyle f;
  f.SetFont(CGXFont().SetBold(TRUE));
  f.SetFont(CGXFont().SetSize(11), gxApplyNew);
  f.SetFont(CGXFont().SetBold(FALSE), gxApplyNew);
  EXPECT_TRUE(f.GetFont().GetBold());
  EXPECT_EQ(f.GetFont().GetSize(), 11.0);
}

TEST(StyleTest, EqualityComparesOnlyIncludedAttributes) {
  CGXStyle a;
  a.SetValue("x").SetInterior(RGB(1, 1, 1));
  CGXStyle b = a;
  EXPECT_TRUE(a == b);
  b.SetInterior(RGB(2, 2, 2));
  EXPECT_FALSE(a == b);
  b.SetIncludeInterior(FALSE);
  a.SetIncludeInterior(FALSE);
  EXPECT_TRUE(a == b) << "a left-over value of an excluded attribute does not count";
  b.SetUserAttribute(7, "u");
  EXPECT_FALSE(a == b);
}

class CompositionTest : public GridTest {};

TEST_F(CompositionTest, CellOverRowOverColumnOverTableOverStandard) {
  CGXGridWnd grid;
  Open(grid, 3, 3);
  grid.StandardStyle().SetTextColor(RGB(9, 9, 9));
  grid.SetStyleRange(CGXRange().SetTable(), CGXStyle().SetInterior(RGB(1, 1, 1)).SetMaxLength(7));
  grid.SetStyleRange(CGXRange().SetCols(2), CGXStyle().SetInterior(RGB(2, 2, 2)).SetWrapText(TRUE));
  grid.SetStyleRange(CGXRange().SetRows(2), CGXStyle().SetInterior(RGB(3, 3, 3)));
  grid.SetStyleRange(CGXRange(2, 2), CGXStyle().SetInterior(RGB(4, 4, 4)));

  EXPECT_EQ(grid.LookupStyleRowCol(2, 2).GetInterior(), RGB(4, 4, 4));
  EXPECT_EQ(grid.LookupStyleRowCol(2, 1).GetInterior(), RGB(3, 3, 3));
  EXPECT_EQ(grid.LookupStyleRowCol(1, 2).GetInterior(), RGB(2, 2, 2));
  EXPECT_EQ(grid.LookupStyleRowCol(1, 1).GetInterior(), RGB(1, 1, 1));
  EXPECT_TRUE(grid.LookupStyleRowCol(2, 2).GetWrapText());
  EXPECT_EQ(grid.LookupStyleRowCol(3, 3).GetMaxLength(), 7);
  EXPECT_EQ(grid.LookupStyleRowCol(3, 3).GetTextColor(), RGB(9, 9, 9));
  // A column's look stays off its header; the header row's style reaches it.
  EXPECT_NE(grid.LookupStyleRowCol(0, 2).GetInterior(), RGB(2, 2, 2));
  grid.SetStyleRange(CGXRange().SetRows(0), CGXStyle().SetControl(GX_IDS_CTRL_STATIC));
  EXPECT_EQ(grid.LookupStyleRowCol(0, 2).GetControl(), GX_IDS_CTRL_STATIC);
  EXPECT_EQ(grid.LookupStyleRowCol(1, 2).GetControl(), GX_IDS_CTRL_EDIT);
}

TEST_F(CompositionTest, SetStyleRangeModesOnStoredCells) {
  CGXGridWnd grid;
  Open(grid, 2, 2);
  grid.SetStyleRange(CGXRange(1, 1, 2, 2), CGXStyle().SetValue("v").SetInterior(RGB(7, 7, 7)));
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetValue("new").SetMaxLength(4), gxApplyNew);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "v");
  EXPECT_EQ(grid.LookupStyleRowCol(1, 1).GetMaxLength(), 4);
  grid.SetStyleRange(CGXRange(1, 2), CGXStyle().SetValue("copy"), gxCopy);
  EXPECT_NE(grid.LookupStyleRowCol(1, 2).GetInterior(), RGB(7, 7, 7)) << "a copy drops what it lacks";
  grid.SetStyleRange(CGXRange(2, 1, 2, 2), CGXStyle().SetInterior(0), gxExclude);
  EXPECT_NE(grid.LookupStyleRowCol(2, 2).GetInterior(), RGB(7, 7, 7));
  EXPECT_EQ(std::string(grid.GetValueRowCol(2, 2)), "v");
  grid.SetStyleRange(CGXRange(2, 2), nullptr, gxRemove);
  EXPECT_TRUE(grid.GetValueRowCol(2, 2).IsEmpty());
  EXPECT_FALSE(grid.SetStyleRange(CGXRange(2, 2), nullptr, gxOverride));
}

TEST_F(CompositionTest, HeadersAreNumberedAndLetteredUntilGivenATitle) {
  CGXGridWnd grid;
  Open(grid, 30, 28);
  EXPECT_EQ(std::string(grid.GetValueRowCol(12, 0)), "12");
  EXPECT_EQ(std::string(grid.GetValueRowCol(0, 1)), "A");
  EXPECT_EQ(std::string(grid.GetValueRowCol(0, 27)), "AA");
  grid.SetValueRange(CGXRange(0, 1), "Name");
  EXPECT_EQ(std::string(grid.GetValueRowCol(0, 1)), "Name");
  grid.GetParam()->SetNumberedRowHeaders(FALSE);
  EXPECT_TRUE(grid.GetValueRowCol(12, 0).IsEmpty());
}

TEST_F(CompositionTest, ReadOnlyLockRefusesProgramWritesUntilReleased) {
  CGXGridWnd grid;
  Open(grid, 2, 2);
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetValue("kept").SetReadOnly(TRUE));
  EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 1), "changed"));
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "kept");
  EXPECT_TRUE(grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetReadOnly(FALSE).SetInterior(RGB(255, 255, 255))))
      << "making a cell writable is always allowed";
  EXPECT_TRUE(grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetValue("").SetReadOnly(TRUE)));
  EXPECT_TRUE(grid.GetValueRowCol(1, 1).IsEmpty());
  grid.GetParam()->SetLockReadOnly(FALSE);
  EXPECT_TRUE(grid.SetValueRange(CGXRange(1, 1), "changed"));
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "changed");
  grid.GetParam()->SetLockReadOnly(TRUE);
  grid.SetReadOnly(TRUE);
  EXPECT_TRUE(grid.SetValueRange(CGXRange(2, 2), "x")) << "a read-only grid refuses the user, not the program";
}

}  // namespace
}  // namespace gridtest
