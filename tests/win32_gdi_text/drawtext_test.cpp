// DrawText layout: measuring, word breaks, prefixes, tabs and alignment,
// checked through DT_CALCRECT and through the pixels drawn.
#include "text_test_support.h"

namespace gdi_text_test {
namespace {

class DrawTextTest : public GdiTest {
 protected:
  PixelDc canvas{200, 80};
  ScopedFont font{canvas.dc(), -11, "MS Sans Serif"};
  int lineHeight = Metrics(canvas.dc()).tmHeight;

  RECT Calc(const char* text, UINT format, int width = 0) {
    RECT r{10, 5, 10 + width, 5};
    const int height = DrawText(canvas.dc(), text, -1, &r, format | DT_CALCRECT);
    EXPECT_EQ(height, r.bottom - r.top) << text;
    return r;
  }
};

TEST_F(DrawTextTest, CalcRectOfOneLineIsTheTextExtent) {
  const RECT r = Calc("Server name:", DT_SINGLELINE);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 5);
  EXPECT_EQ(r.right - r.left, Extent(canvas.dc(), "Server name:").cx);
  EXPECT_EQ(r.bottom - r.top, lineHeight);
}

TEST_F(DrawTextTest, PrefixesAreRemovedUnlessNoPrefix) {
  EXPECT_EQ(Calc("&File", DT_SINGLELINE).right - 10, Extent(canvas.dc(), "File").cx);
  EXPECT_EQ(Calc("Save && Close", DT_SINGLELINE).right - 10, Extent(canvas.dc(), "Save & Close").cx);
  EXPECT_EQ(Calc("&File", DT_SINGLELINE | DT_NOPREFIX).right - 10, Extent(canvas.dc(), "&File").cx);
}

TEST_F(DrawTextTest, LineEndsStartNewLines) {
  EXPECT_EQ(Calc("one\ntwo\r\nthree", 0).bottom - 5, 3 * lineHeight);
  EXPECT_EQ(Calc("one\ntwo", DT_SINGLELINE).bottom - 5, lineHeight);
}

TEST_F(DrawTextTest, WordBreakWrapsAtSpacesWithinTheWidth) {
  // "alpha beta" just fits; the blank after it must not push "beta" down.
  const int width = Extent(canvas.dc(), "alpha beta").cx + 1;
  const RECT r = Calc("alpha beta gamma", DT_WORDBREAK, width);
  EXPECT_EQ(r.bottom - r.top, 2 * lineHeight);
  EXPECT_EQ(r.right - r.left, Extent(canvas.dc(), "alpha beta").cx);
  // A narrower box takes a line per word.
  EXPECT_EQ(Calc("alpha beta gamma delta", DT_WORDBREAK, Extent(canvas.dc(), "gamma").cx + 1).bottom - 5,
            4 * lineHeight);
}

TEST_F(DrawTextTest, WordWiderThanTheBoxWidensTheCalculatedRect) {
  const RECT r = Calc("a Repository b", DT_WORDBREAK, 20);
  EXPECT_EQ(r.right - r.left, Extent(canvas.dc(), "Repository").cx);
  EXPECT_EQ(r.bottom - r.top, 3 * lineHeight);
}

TEST_F(DrawTextTest, ExpandedTabsStopEveryEightAverageWidths) {
  const int tab = 8 * Metrics(canvas.dc()).tmAveCharWidth;
  EXPECT_EQ(Calc("a\tb", DT_SINGLELINE | DT_EXPANDTABS).right - 10, tab + Extent(canvas.dc(), "b").cx);
}

TEST_F(DrawTextTest, EndEllipsisKeepsTheLineWithinTheBox) {
  const RECT r = Calc("A rather long connector name", DT_SINGLELINE | DT_END_ELLIPSIS, 60);
  EXPECT_LE(r.right - r.left, 60);
  EXPECT_GT(r.right - r.left, Extent(canvas.dc(), "...").cx);
}

TEST_F(DrawTextTest, VerticalCentreAnswersTheOffsetOfTheTextBottom) {
  RECT r{0, 0, 200, 41};
  const int result = DrawText(canvas.dc(), "Middle", -1, &r, DT_SINGLELINE | DT_VCENTER);
  EXPECT_EQ(result, (41 - lineHeight) / 2 + lineHeight);
  RECT b{0, 0, 200, 41};
  EXPECT_EQ(DrawText(canvas.dc(), "Bottom", -1, &b, DT_SINGLELINE | DT_BOTTOM), 41);
}

TEST_F(DrawTextTest, HorizontalAlignmentPlacesTheInk) {
  SetBkMode(canvas.dc(), TRANSPARENT);
  RECT box{20, 10, 180, 40};
  DrawText(canvas.dc(), "Wx", -1, &box, DT_SINGLELINE | DT_LEFT);
  const RECT left = canvas.Ink();
  canvas.Clear(RGB(255, 255, 255));
  DrawText(canvas.dc(), "Wx", -1, &box, DT_SINGLELINE | DT_RIGHT);
  const RECT right = canvas.Ink();
  canvas.Clear(RGB(255, 255, 255));
  DrawText(canvas.dc(), "Wx", -1, &box, DT_SINGLELINE | DT_CENTER);
  const RECT center = canvas.Ink();
  EXPECT_GE(left.left, 20);
  EXPECT_LE(left.left, 22);
  EXPECT_LE(right.right, 180);
  EXPECT_GE(right.right, 177);
  EXPECT_EQ(center.left - left.left, (160 - Extent(canvas.dc(), "Wx").cx) / 2);
  EXPECT_EQ(left.top, right.top);
}

TEST_F(DrawTextTest, PrefixUnderlinesTheMnemonicOnly) {
  SetBkMode(canvas.dc(), TRANSPARENT);
  const TEXTMETRIC tm = Metrics(canvas.dc());
  RECT box{10, 10, 190, 40};
  const RECT underlineRow{0, 10 + tm.tmAscent + 1, 200, 10 + tm.tmAscent + 2};
  // No descenders, so only the underline reaches below the baseline.
  DrawText(canvas.dc(), "&Omen", -1, &box, DT_SINGLELINE);
  const int marked = canvas.Count(RGB(0, 0, 0), underlineRow);
  const int oWidth = Extent(canvas.dc(), "O").cx;
  EXPECT_GE(marked, oWidth - 1);
  EXPECT_LE(marked, oWidth);
  canvas.Clear(RGB(255, 255, 255));
  DrawText(canvas.dc(), "&Omen", -1, &box, DT_SINGLELINE | DT_HIDEPREFIX);
  EXPECT_EQ(canvas.Count(RGB(0, 0, 0), underlineRow), 0);
}

TEST_F(DrawTextTest, OpaqueBackgroundAndClipping) {
  SetBkColor(canvas.dc(), RGB(0, 0, 255));
  SetBkMode(canvas.dc(), OPAQUE);
  RECT box{10, 10, 30, 30};
  DrawText(canvas.dc(), "Wide enough to overflow", -1, &box, DT_SINGLELINE);
  const RECT ink = canvas.Ink();
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.right, 30);
  EXPECT_EQ(canvas.At(10, 10), RGB(0, 0, 255));
  canvas.Clear(RGB(255, 255, 255));
  DrawText(canvas.dc(), "Wide enough to overflow", -1, &box, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(canvas.Ink().right, 30);
}

TEST_F(DrawTextTest, RecordsTheCall) {
  ASSERT_TRUE(win32::gdi::StartRecording(canvas.dc()));
  RECT box{1, 2, 100, 20};
  DrawText(canvas.dc(), "&Name", -1, &box, DT_SINGLELINE);
  const auto records = win32::gdi::StopRecording(canvas.dc());
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].op, "DrawText");
  EXPECT_EQ(records[0].text, "&Name");
  EXPECT_EQ(records[0].face, "MS Sans Serif");
  EXPECT_EQ(records[0].fontHeight, -11);
}

TEST_F(DrawTextTest, BadArgumentsDrawNothing) {
  RECT r{0, 0, 10, 10};
  EXPECT_EQ(DrawText(canvas.dc(), "x", 1, nullptr, 0), 0);
  HDC dc = CreateCompatibleDC(nullptr);
  DeleteDC(dc);
  EXPECT_EQ(DrawText(dc, "x", 1, &r, 0), 0);
}

}  // namespace
}  // namespace gdi_text_test
