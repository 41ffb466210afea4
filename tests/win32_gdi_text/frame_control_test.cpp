// DrawFrameControl: buttons, check boxes, radio buttons, scroll arrows and
// caption buttons in their states.
#include "text_test_support.h"

namespace gdi_text_test {
namespace {

const COLORREF kBackground = RGB(255, 0, 255);

COLORREF Sys(int index) { return GetSysColor(index); }

class FrameControlTest : public GdiTest {
 protected:
  PixelDc canvas{24, 24, kBackground};

  void Draw(int width, int height, UINT type, UINT state) {
    RECT r{0, 0, width, height};
    ASSERT_TRUE(DrawFrameControl(canvas.dc(), &r, type, state));
  }
};

TEST_F(FrameControlTest, PushButtonRaisesAndSinks) {
  Draw(20, 20, DFC_BUTTON, DFCS_BUTTONPUSH);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(canvas.At(19, 19), Sys(COLOR_3DDKSHADOW));
  EXPECT_EQ(canvas.At(18, 18), Sys(COLOR_3DSHADOW));
  EXPECT_EQ(canvas.At(10, 10), Sys(COLOR_3DFACE));
  Draw(20, 20, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DSHADOW));
  EXPECT_EQ(canvas.At(19, 19), Sys(COLOR_3DHILIGHT));
}

TEST_F(FrameControlTest, CheckedPushButtonHasADitheredFace) {
  Draw(20, 20, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_CHECKED);
  EXPECT_NE(canvas.At(10, 10), canvas.At(11, 10));
  EXPECT_EQ(canvas.At(10, 10), canvas.At(11, 11));
}

TEST_F(FrameControlTest, AdjustRectAnswersTheFace) {
  RECT r{0, 0, 20, 20};
  ASSERT_TRUE(DrawFrameControl(canvas.dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT));
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.top, 2);
  EXPECT_EQ(r.right, 18);
  EXPECT_EQ(r.bottom, 18);
  RECT same{0, 0, 20, 20};
  DrawFrameControl(canvas.dc(), &same, DFC_BUTTON, DFCS_BUTTONPUSH);
  EXPECT_EQ(same.right, 20);
}

TEST_F(FrameControlTest, CheckBoxShowsTheTickOnlyWhenChecked) {
  const RECT interior{2, 2, 11, 11};
  Draw(13, 13, DFC_BUTTON, DFCS_BUTTONCHECK);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DSHADOW));
  EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DDKSHADOW));
  EXPECT_EQ(canvas.At(12, 12), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(canvas.Count(Sys(COLOR_WINDOW), interior), 81);
  Draw(13, 13, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  EXPECT_EQ(canvas.Count(Sys(COLOR_WINDOWTEXT), interior), 21);
  EXPECT_EQ(canvas.Count(Sys(COLOR_WINDOW), interior), 81 - 21);
}

TEST_F(FrameControlTest, InactiveAndIndeterminateBoxesAreGrey) {
  const RECT interior{2, 2, 11, 11};
  Draw(13, 13, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_EQ(canvas.Count(Sys(COLOR_3DSHADOW), interior), 21);
  EXPECT_EQ(canvas.Count(Sys(COLOR_3DFACE), interior), 81 - 21);
  Draw(13, 13, DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED);
  EXPECT_EQ(canvas.Count(Sys(COLOR_3DSHADOW), interior), 21);
  EXPECT_EQ(canvas.Count(Sys(COLOR_WINDOWTEXT), interior), 0);
  EXPECT_GT(canvas.Count(Sys(COLOR_3DHILIGHT), interior), 20);
}

TEST_F(FrameControlTest, RadioButtonIsARoundSunkenWell) {
  Draw(12, 12, DFC_BUTTON, DFCS_BUTTONRADIO);
  // The corners stay as they were; the top row is the shadow arc.
  EXPECT_EQ(canvas.At(0, 0), kBackground);
  EXPECT_EQ(canvas.At(11, 11), kBackground);
  for (int x = 4; x < 8; ++x) EXPECT_EQ(canvas.At(x, 0), Sys(COLOR_3DSHADOW)) << x;
  EXPECT_EQ(canvas.At(3, 0), kBackground);
  EXPECT_EQ(canvas.At(6, 11), Sys(COLOR_3DHILIGHT));
  EXPECT_EQ(canvas.At(6, 6), Sys(COLOR_WINDOW));
  Draw(12, 12, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
  EXPECT_EQ(canvas.At(6, 6), Sys(COLOR_WINDOWTEXT));
  EXPECT_EQ(canvas.At(5, 5), Sys(COLOR_WINDOWTEXT));
  EXPECT_EQ(canvas.At(3, 3), Sys(COLOR_WINDOW));
}

TEST_F(FrameControlTest, ScrollArrowsPointAndMoveWhenPushed) {
  const COLORREF text = Sys(COLOR_BTNTEXT);
  Draw(16, 16, DFC_SCROLL, DFCS_SCROLLUP);
  EXPECT_EQ(canvas.Count(text), 1 + 3 + 5 + 7);
  const RECT up = canvas.Ink(Sys(COLOR_3DFACE));
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DLIGHT));
  // The point is at the top: one pixel on the first row of the arrow.
  int top = 0;
  while (canvas.Count(text, RECT{0, top, 16, top + 1}) == 0) ++top;
  EXPECT_EQ(canvas.Count(text, RECT{0, top, 16, top + 1}), 1);
  EXPECT_EQ(canvas.Count(text, RECT{0, top + 3, 16, top + 4}), 7);
  Draw(16, 16, DFC_SCROLL, DFCS_SCROLLDOWN);
  EXPECT_EQ(canvas.Count(text, RECT{0, top, 16, top + 1}), 7);
  Draw(16, 16, DFC_SCROLL, DFCS_SCROLLUP | DFCS_PUSHED);
  EXPECT_EQ(canvas.Count(text, RECT{0, top + 1, 16, top + 2}), 1);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DSHADOW));
  EXPECT_EQ(canvas.At(15, 15), Sys(COLOR_3DSHADOW));
  EXPECT_GT(up.right, up.left);
}

TEST_F(FrameControlTest, InactiveGlyphsAreEmbossed) {
  Draw(16, 16, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE);
  EXPECT_EQ(canvas.Count(Sys(COLOR_BTNTEXT)), 0);
  EXPECT_EQ(canvas.Count(Sys(COLOR_3DSHADOW), RECT{2, 2, 14, 14}), 16);
  EXPECT_GT(canvas.Count(Sys(COLOR_3DHILIGHT), RECT{2, 2, 14, 14}), 0);
}

TEST_F(FrameControlTest, CaptionButtonsCarryTheirGlyphs) {
  const COLORREF text = Sys(COLOR_BTNTEXT);
  int counts[5] = {};
  const UINT glyphs[5] = {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE, DFCS_CAPTIONHELP};
  for (int i = 0; i < 5; ++i) {
    canvas.Clear(kBackground);
    Draw(16, 14, DFC_CAPTION, glyphs[i]);
    counts[i] = canvas.Count(text);
    EXPECT_GT(counts[i], 0) << i;
    EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DLIGHT));
  }
  // The close box's X is symmetric: as many pixels left as right of centre.
  canvas.Clear(kBackground);
  Draw(16, 14, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  const RECT x = canvas.Ink(Sys(COLOR_3DFACE));
  EXPECT_GT(x.right - x.left, 6);
  EXPECT_NE(counts[1], counts[2]);
}

TEST_F(FrameControlTest, MenuGlyphsAreBlackOnWhiteMasks) {
  Draw(16, 16, DFC_MENU, DFCS_MENUCHECK);
  EXPECT_EQ(canvas.Count(RGB(0, 0, 0)), 21);
  EXPECT_EQ(canvas.Count(RGB(255, 255, 255), RECT{0, 0, 16, 16}), 256 - 21);
}

TEST_F(FrameControlTest, SizeGripDrawsDiagonalsInTheCorner) {
  Draw(16, 16, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DFACE));
  EXPECT_GT(canvas.Count(Sys(COLOR_3DSHADOW)), 10);
  EXPECT_GT(canvas.Count(Sys(COLOR_3DHILIGHT)), 5);
}

TEST_F(FrameControlTest, UnknownKindsAndStaleDcsFail) {
  RECT r{0, 0, 10, 10};
  EXPECT_FALSE(DrawFrameControl(canvas.dc(), &r, 99, 0));
  EXPECT_FALSE(DrawFrameControl(canvas.dc(), &r, DFC_SCROLL, 0x1F));
  EXPECT_FALSE(DrawFrameControl(canvas.dc(), nullptr, DFC_BUTTON, DFCS_BUTTONPUSH));
  HDC dc = CreateCompatibleDC(nullptr);
  DeleteDC(dc);
  EXPECT_FALSE(DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH));
  EXPECT_EQ(canvas.Count(kBackground), 24 * 24);
}

TEST_F(FrameControlTest, RecordsDrawnControlsOnly) {
  ASSERT_TRUE(win32::gdi::StartRecording(canvas.dc()));
  RECT r{2, 3, 18, 19};
  DrawFrameControl(canvas.dc(), &r, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED);
  DrawFrameControl(canvas.dc(), &r, 99, 0);
  const auto records = win32::gdi::StopRecording(canvas.dc());
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].op, "DrawFrameControl");
  EXPECT_EQ(records[0].rect.left, 2);
  EXPECT_EQ(records[0].rect.bottom, 19);
  EXPECT_EQ(records[0].flags, (UINT{DFC_SCROLL} << 16) | DFCS_SCROLLDOWN | DFCS_PUSHED);
}

}  // namespace
}  // namespace gdi_text_test
