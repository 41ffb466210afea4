// DrawEdge: the classic ring colours, corner ownership, BF_* options.
#include "text_test_support.h"

namespace gdi_text_test {
namespace {

const COLORREF kWhite = RGB(255, 255, 255);

COLORREF Sys(int index) { return GetSysColor(index); }

class DrawEdgeTest : public GdiTest {
 protected:
  PixelDc canvas{20, 20, RGB(255, 0, 255)};
  RECT box{0, 0, 10, 10};

  void Draw(UINT edge, UINT flags) {
    RECT r = box;
    ASSERT_TRUE(DrawEdge(canvas.dc(), &r, edge, flags));
  }
};

TEST_F(DrawEdgeTest, RaisedEdgeIsLitFromTheTopLeft) {
  Draw(EDGE_RAISED, BF_RECT);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DLIGHT));
  EXPECT_EQ(canvas.At(5, 0), Sys(COLOR_3DLIGHT));
  EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(canvas.At(1, 5), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(canvas.At(9, 9), Sys(COLOR_3DDKSHADOW));
  EXPECT_EQ(canvas.At(8, 8), Sys(COLOR_3DSHADOW));
  EXPECT_EQ(canvas.At(8, 5), Sys(COLOR_3DSHADOW));
  // The dark sides own the corners they share with the light ones.
  EXPECT_EQ(canvas.At(9, 0), Sys(COLOR_3DDKSHADOW));
  EXPECT_EQ(canvas.At(0, 9), Sys(COLOR_3DDKSHADOW));
  // Nothing inside or outside is touched without BF_MIDDLE.
  EXPECT_EQ(canvas.At(5, 5), RGB(255, 0, 255));
  EXPECT_EQ(canvas.At(10, 10), RGB(255, 0, 255));
}

TEST_F(DrawEdgeTest, SunkenEdgeIsTheMirror) {
  Draw(EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DSHADOW));
  EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DDKSHADOW));
  EXPECT_EQ(canvas.At(9, 9), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(canvas.At(8, 8), Sys(COLOR_3DLIGHT));
  EXPECT_EQ(canvas.At(5, 5), Sys(COLOR_3DFACE));
}

TEST_F(DrawEdgeTest, EtchedAndBumpCombineOneOfEach) {
  Draw(EDGE_ETCHED, BF_RECT);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DSHADOW));
  EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(canvas.At(9, 9), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(canvas.At(8, 8), Sys(COLOR_3DSHADOW));
  Draw(EDGE_BUMP, BF_RECT);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DLIGHT));
  EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DDKSHADOW));
}

TEST_F(DrawEdgeTest, SoftPutsTheHighlightOutermost) {
  Draw(EDGE_RAISED, BF_RECT | BF_SOFT);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DLIGHT));
}

TEST_F(DrawEdgeTest, FlatAndMonoUseOneColourPerRing) {
  Draw(EDGE_RAISED, BF_RECT | BF_FLAT | BF_MIDDLE);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DSHADOW));
  EXPECT_EQ(canvas.At(9, 9), Sys(COLOR_3DSHADOW));
  EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DFACE));
  Draw(EDGE_SUNKEN, BF_RECT | BF_MONO | BF_MIDDLE);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_WINDOWFRAME));
  EXPECT_EQ(canvas.At(9, 9), Sys(COLOR_WINDOWFRAME));
  EXPECT_EQ(canvas.At(5, 5), Sys(COLOR_WINDOW));
}

TEST_F(DrawEdgeTest, OnlyTheChosenSidesAreDrawnAndAdjusted) {
  RECT r = box;
  ASSERT_TRUE(DrawEdge(canvas.dc(), &r, EDGE_SUNKEN, BF_LEFT | BF_TOP | BF_ADJUST));
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.top, 2);
  EXPECT_EQ(r.right, 10);
  EXPECT_EQ(r.bottom, 10);
  EXPECT_EQ(canvas.At(9, 9), RGB(255, 0, 255));
  EXPECT_EQ(canvas.At(9, 0), Sys(COLOR_3DSHADOW));
  RECT single = box;
  DrawEdge(canvas.dc(), &single, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  EXPECT_EQ(single.left, 1);
  EXPECT_EQ(single.bottom, 9);
  RECT kept = box;
  DrawEdge(canvas.dc(), &kept, EDGE_RAISED, BF_RECT);
  EXPECT_EQ(kept.right, 10);
}

TEST_F(DrawEdgeTest, FollowsSystemColoursAndTheViewportOrigin) {
  const INT index = COLOR_3DDKSHADOW;
  const COLORREF red = RGB(255, 0, 0);
  SetSysColors(1, &index, &red);
  SetViewportOrgEx(canvas.dc(), 5, 5, nullptr);
  Draw(EDGE_RAISED, BF_RECT);
  SetViewportOrgEx(canvas.dc(), 0, 0, nullptr);  // read pixels in device coordinates
  EXPECT_EQ(canvas.At(14, 14), red);
  EXPECT_EQ(canvas.At(5, 5), Sys(COLOR_3DLIGHT));
}

TEST_F(DrawEdgeTest, RespectsTheClip) {
  IntersectClipRect(canvas.dc(), 0, 0, 5, 20);
  Draw(EDGE_RAISED, BF_RECT);
  SelectClipRgn(canvas.dc(), nullptr);  // GetPixel sees only the clip
  EXPECT_EQ(canvas.At(0, 9), Sys(COLOR_3DDKSHADOW));
  EXPECT_EQ(canvas.At(9, 9), RGB(255, 0, 255));
}

TEST_F(DrawEdgeTest, RecordsOneOperation) {
  ASSERT_TRUE(win32::gdi::StartRecording(canvas.dc()));
  Draw(EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
  const auto records = win32::gdi::StopRecording(canvas.dc());
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].op, "DrawEdge");
  EXPECT_EQ(records[0].rect.right, 10);
  EXPECT_EQ(records[0].flags, (UINT{EDGE_SUNKEN} << 16) | BF_RECT | BF_MIDDLE);
}

TEST_F(DrawEdgeTest, FailsOnStaleDcsAndNullRects) {
  EXPECT_FALSE(DrawEdge(canvas.dc(), nullptr, EDGE_RAISED, BF_RECT));
  HDC dc = CreateCompatibleDC(nullptr);
  DeleteDC(dc);
  RECT r = box;
  EXPECT_FALSE(DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST));
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(canvas.Count(kWhite), 0);
}

}  // namespace
}  // namespace gdi_text_test
