// The push-button headers: pressing, moving out and back, releasing, the
// space key, the raised and pushed looks, the sort marker in both
// directions, and the connector editor's variant that prints no marker.
#include <gtest/gtest.h>

#include "HeaderBtnControl.h"
#include "cell_fixture.h"

namespace cells_test {
namespace {

constexpr WORD kHeaderID = 61800;
constexpr WORD kPaperlessHeaderID = 61801;

const COLORREF kDark = RGB(0x40, 0x40, 0x40);
const COLORREF kShadow = RGB(0x80, 0x80, 0x80);
const COLORREF kLight = RGB(0xFF, 0xFF, 0xFF);
const COLORREF kFace = RGB(0xD4, 0xD0, 0xC8);

class HeaderTest : public CellTest {
 protected:
  void SetUp() override {
    CellTest::SetUp();
    Attach(grid, 3, 3);
    grid.SetColWidth(1, 3, 120);
    grid.SetRowHeight(0, 0, 22);
    grid.RegisterControl(kHeaderID, new CHeaderBtnControl(&grid));
    grid.RegisterControl(kPaperlessHeaderID, new CHeaderBtnControl(&grid, FALSE));
    grid.SetStyleRange(CGXRange().SetRows(0), CGXStyle().SetControl(kHeaderID));
    grid.SetValueRange(CGXRange(0, 1), "Name");
    grid.SetValueRange(CGXRange(0, 2), "Type");
    grid.SetValueRange(CGXRange(0, 3), "Comments");
    control = dynamic_cast<CHeaderBtnControl*>(grid.GetRegisteredControl(kHeaderID));
    ASSERT_NE(nullptr, control);
  }
  CRect Header(ROWCOL col) { return grid.CalcRectFromRowCol(0, col); }
  // The sort marker's corners for a header cell (see the control's drawing).
  struct Marker {
    int left, right, apex, top, bottom;
  };
  Marker MarkerOf(ROWCOL col) {
    const CRect cell = Header(col);
    const int areaRight = cell.right - 2 - 20;
    return {areaRight + 5, areaRight + 14, areaRight + 10, cell.top + 1 + 5, cell.bottom - 1 - 5};
  }
  // Pixels of the marker's colours in the band where markers go.
  int MarkerPixels(DrawnCell& drawn, ROWCOL col) {
    const Marker m = MarkerOf(col);
    const CRect band(m.left, m.top, m.right + 1, m.bottom + 1);
    return drawn.Count(band, kShadow) + drawn.Count(band, kLight);
  }

  HostGrid grid;
  CHeaderBtnControl* control = nullptr;
};

TEST_F(HeaderTest, AClickOnAHeaderRunsTheButtonNotificationAndSelectsNothing) {
  Click(grid, Centre(Header(2)));
  EXPECT_EQ((std::vector<Cell>{{0, 2}}), grid.buttons);
  EXPECT_TRUE(grid.GetParam()->GetRangeList()->IsEmpty()) << "the column was not selected";
  EXPECT_FALSE(control->IsCaptured());
  EXPECT_FALSE(control->IsPressed());
}

TEST_F(HeaderTest, ThePressedLookFollowsThePointerAndAReleaseOutsideDoesNotClick) {
  const CRect cell = Header(1);
  Press(grid, Centre(cell));
  EXPECT_TRUE(control->IsCaptured());
  EXPECT_TRUE(control->IsPressed());
  {
    DrawnCell pressed(grid, 0, 1);
    EXPECT_EQ(kDark, pressed.At(cell.left, cell.top)) << "pushed: the dark frame alone";
    EXPECT_EQ(kFace, pressed.At(cell.right - 2, cell.bottom - 2));
  }
  const POINT outside{cell.right + 40, cell.bottom + 30};
  MoveTo(grid, outside);
  EXPECT_TRUE(control->IsCaptured());
  EXPECT_FALSE(control->IsPressed());
  {
    DrawnCell raised(grid, 0, 1);
    EXPECT_EQ(kLight, raised.At(cell.left, cell.top));
    EXPECT_EQ(kShadow, raised.At(cell.right - 2, cell.bottom - 2));
    EXPECT_EQ(kDark, raised.At(cell.right - 1, cell.bottom - 1));
  }
  Release(grid, outside);
  EXPECT_TRUE(grid.buttons.empty());
  EXPECT_FALSE(control->IsCaptured());
}

TEST_F(HeaderTest, MovingBackInBeforeTheReleaseClicks) {
  const CRect cell = Header(3);
  Press(grid, Centre(cell));
  MoveTo(grid, {cell.left - 30, cell.bottom + 40});
  MoveTo(grid, {cell.left + 5, cell.top + 5});
  EXPECT_TRUE(control->IsPressed());
  Release(grid, {cell.left + 5, cell.top + 5});
  EXPECT_EQ((std::vector<Cell>{{0, 3}}), grid.buttons);
  EXPECT_FALSE(control->IsPressed());
}

TEST_F(HeaderTest, ADoubleClickPressesAsASecondClick) {
  robot.doubleClick(GridWindow(grid), Centre(Header(1)));
  EXPECT_EQ((std::vector<Cell>{{0, 1}, {0, 1}}), grid.buttons);
}

TEST_F(HeaderTest, NoPushedLookWhileTheGridSaysNoHeaderMayBePressed) {
  const CRect cell = Header(2);
  Press(grid, Centre(cell));
  grid.GetParam()->SetCanPressHeader(FALSE);
  DrawnCell drawn(grid, 0, 2);
  EXPECT_EQ(kLight, drawn.At(cell.left, cell.top));
  grid.GetParam()->SetCanPressHeader(TRUE);
  Release(grid, Centre(cell));
}

TEST_F(HeaderTest, TheSpaceKeyPressesAndReleasesACurrentCellOfTheControl) {
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(kHeaderID).SetValue("Button"));
  grid.SetCurrentCell(1, 1);
  robot.pumpUntilIdle();
  robot.press(VK_SPACE);
  EXPECT_TRUE(control->IsPressed());
  EXPECT_TRUE(grid.buttons.empty());
  robot.release(VK_SPACE);
  EXPECT_EQ((std::vector<Cell>{{1, 1}}), grid.buttons);
  EXPECT_FALSE(control->IsPressed());
}

TEST_F(HeaderTest, TheSortColumnShowsAMarkerPointingDownWhileTheFlagIsSetAndUpWhileClear) {
  grid.GetParam()->SetSortCol(2);
  grid.GetParam()->SetSortFlag(TRUE);
  const Marker m = MarkerOf(2);
  const CRect left(m.left, m.top, m.apex, m.bottom + 1);
  const CRect right(m.apex + 1, m.top, m.right + 1, m.bottom + 1);
  const CRect topRow(m.left, m.top, m.right + 1, m.top + 1);
  const CRect bottomRow(m.left, m.bottom, m.right + 1, m.bottom + 1);
  const CRect leftAboveBase(m.left, m.top, m.apex, m.bottom);
  auto markerIn = [&](DrawnCell& drawn, const CRect& rect) {
    return drawn.Count(rect, kShadow) + drawn.Count(rect, kLight);
  };
  {
    DrawnCell down(grid, 0, 2);
    EXPECT_GE(down.Count(topRow, kShadow), 8) << "the shaded base along the top";
    EXPECT_LE(markerIn(down, bottomRow), 2) << "the apex at the bottom";
    EXPECT_EQ(0, down.Count(left, kLight)) << "the left edge is in the shade";
    EXPECT_GE(down.Count(left, kShadow), 8);
    EXPECT_GE(down.Count(right, kLight), 8) << "the lit right edge";
    DrawnCell other(grid, 0, 1);
    EXPECT_EQ(0, MarkerPixels(other, 1)) << "only the sort column has a marker";
  }
  grid.GetParam()->SetSortFlag(FALSE);
  {
    DrawnCell up(grid, 0, 2);
    EXPECT_GE(up.Count(bottomRow, kLight), 8) << "the lit base along the bottom";
    EXPECT_LE(markerIn(up, topRow), 2) << "the apex at the top";
    EXPECT_EQ(0, up.Count(leftAboveBase, kLight)) << "the left edge is in the shade";
    EXPECT_GE(up.Count(leftAboveBase, kShadow), 8);
    EXPECT_GE(up.Count(right, kLight), 8) << "the lit right edge";
  }
  grid.GetParam()->SetSortCol(0);
  DrawnCell none(grid, 0, 2);
  EXPECT_EQ(0, MarkerPixels(none, 2));
}

TEST_F(HeaderTest, APressedSortHeaderMovesItsMarkerOnePixelRightAndDown) {
  grid.GetParam()->SetSortCol(1);
  grid.GetParam()->SetSortFlag(TRUE);
  const Marker m = MarkerOf(1);
  Press(grid, Centre(Header(1)));
  DrawnCell pressed(grid, 0, 1);
  EXPECT_EQ(kShadow, pressed.At(m.left + 1, m.top + 1));
  EXPECT_NE(kShadow, pressed.At(m.left, m.top));
  Release(grid, Centre(Header(1)));
}

TEST_F(HeaderTest, TheTitleStaysTenPixelsClearOfTheRightEdge) {
  grid.SetStyleRange(CGXRange(0, 3), CGXStyle().SetHorizontalAlignment(DT_RIGHT).SetVerticalAlignment(DT_VCENTER));
  const CRect cell = Header(3);
  DrawnCell drawn(grid, 0, 3);
  // Inside the frame, the face only, but where the title is drawn.
  const CRect clear(cell.right - 2 - 10, cell.top + 2, cell.right - 2, cell.bottom - 2);
  EXPECT_EQ(clear.Width() * clear.Height(), drawn.Count(clear, kFace));
  const CRect beside(cell.right - 2 - 40, cell.top + 2, cell.right - 2 - 10, cell.bottom - 2);
  EXPECT_LT(drawn.Count(beside, kFace), beside.Width() * beside.Height()) << "the right-aligned title ends there";
}

TEST_F(HeaderTest, OnPaperTheConnectorEditorsHeadersLeaveTheMarkerOut) {
  grid.GetParam()->SetSortCol(2);
  grid.GetParam()->SetSortFlag(TRUE);
  DrawnCell screen(grid, 0, 2);
  DrawnCell paper(grid, 0, 2, TRUE);
  EXPECT_GT(MarkerPixels(screen, 2), 5);
  EXPECT_EQ(MarkerPixels(screen, 2), MarkerPixels(paper, 2)) << "the default prints the marker";
  grid.SetStyleRange(CGXRange().SetRows(0), CGXStyle().SetControl(kPaperlessHeaderID));
  DrawnCell paperless(grid, 0, 2, TRUE);
  DrawnCell paperlessScreen(grid, 0, 2);
  EXPECT_EQ(0, MarkerPixels(paperless, 2));
  EXPECT_EQ(MarkerPixels(screen, 2), MarkerPixels(paperlessScreen, 2)) << "on screen both look alike";
}

}  // namespace
}  // namespace cells_test
