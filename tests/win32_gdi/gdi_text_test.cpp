// Font mapping, text metrics and DrawText layout.
#include <string>

#include "gdi_test_support.h"

namespace {

HFONT MakeFont(int height, const char* face, int weight = FW_NORMAL) {
  return CreateFont(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
}

// Columns and rows that hold any non-white pixel.
RECT InkBox(const DibCanvas& c) {
  RECT box{c.width, c.height, 0, 0};
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x)
      if (c.At(x, y) != RGB(255, 255, 255)) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  return box;
}

}  // namespace

class GdiText : public GdiTest {
 protected:
  void SetUp() override {
    GdiTest::SetUp();
    dc_ = CreateCompatibleDC(nullptr);
    font_ = MakeFont(-11, "MS Sans Serif");
    SelectObject(dc_, font_);
  }
  void TearDown() override {
    DeleteDC(dc_);
    DeleteObject(font_);
    GdiTest::TearDown();
  }
  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
};

TEST_F(GdiText, ClassicDialogFontMeasuresLikeAnEightPointFont) {
  TEXTMETRIC tm{};
  ASSERT_TRUE(GetTextMetrics(dc_, &tm));
  EXPECT_EQ(tm.tmHeight, 13);
  EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
  EXPECT_EQ(tm.tmInternalLeading, 2);
  EXPECT_GE(tm.tmAveCharWidth, 5);
  EXPECT_LE(tm.tmAveCharWidth, 7);
  EXPECT_GT(tm.tmMaxCharWidth, tm.tmAveCharWidth);
  EXPECT_EQ(tm.tmWeight, FW_NORMAL);
  char face[LF_FACESIZE]{};
  EXPECT_EQ(GetTextFace(dc_, sizeof(face), face), 13);
  EXPECT_STREQ(face, "MS Sans Serif");
}

TEST_F(GdiText, PositiveHeightsAreCellHeights) {
  HFONT cell = MakeFont(13, "MS Sans Serif");
  SelectObject(dc_, cell);
  TEXTMETRIC tm{};
  GetTextMetrics(dc_, &tm);
  EXPECT_EQ(tm.tmHeight, 13);
  SelectObject(dc_, font_);
  DeleteObject(cell);
}

TEST_F(GdiText, ExtentsAreSumsOfIntegerAdvances) {
  int widths[3]{};
  ASSERT_TRUE(GetCharWidth32(dc_, 'a', 'c', widths));
  SIZE size{};
  ASSERT_TRUE(GetTextExtentPoint32(dc_, "abc", 3, &size));
  EXPECT_EQ(size.cx, widths[0] + widths[1] + widths[2]);
  EXPECT_EQ(size.cy, 13);
  // The same text measures the same every time and in every DC.
  HDC other = CreateCompatibleDC(nullptr);
  SelectObject(other, font_);
  SIZE again{};
  GetTextExtentPoint32(other, "abc", 3, &again);
  EXPECT_EQ(again.cx, size.cx);
  DeleteDC(other);
  // Tabs and line feeds are not interpreted.
  SIZE oneLine{};
  GetTextExtentPoint32(dc_, "a\nb", 3, &oneLine);
  EXPECT_EQ(oneLine.cy, 13);
}

TEST_F(GdiText, ExtentExReportsHowManyCharactersFit) {
  int dx[5]{};
  int fit = 0;
  SIZE size{};
  int w[2]{};
  GetCharWidth32(dc_, 'M', 'M', w);
  ASSERT_TRUE(GetTextExtentExPoint(dc_, "MMMMM", 5, w[0] * 2 + 1, &fit, dx, &size));
  EXPECT_EQ(fit, 2);
  EXPECT_EQ(dx[0], w[0]);
  EXPECT_EQ(dx[4], size.cx);
}

TEST_F(GdiText, FacesMapToTheirFamilies) {
  HFONT mono = MakeFont(-12, "Courier New");
  SelectObject(dc_, mono);
  int widths[2]{};
  GetCharWidth32(dc_, 'i', 'i', widths);
  GetCharWidth32(dc_, 'W', 'W', widths + 1);
  EXPECT_EQ(widths[0], widths[1]);
  HFONT bold = MakeFont(-11, "MS Sans Serif", FW_BOLD);
  SelectObject(dc_, bold);
  SIZE boldSize{}, normalSize{};
  GetTextExtentPoint32(dc_, "Wide text", 9, &boldSize);
  TEXTMETRIC tm{};
  GetTextMetrics(dc_, &tm);
  EXPECT_EQ(tm.tmWeight, FW_BOLD);
  SelectObject(dc_, font_);
  GetTextExtentPoint32(dc_, "Wide text", 9, &normalSize);
  EXPECT_GT(boldSize.cx, normalSize.cx);
  HFONT unknown = MakeFont(-11, "No Such Face");
  SelectObject(dc_, unknown);
  SIZE unknownSize{};
  GetTextExtentPoint32(dc_, "Wide text", 9, &unknownSize);
  EXPECT_EQ(unknownSize.cx, normalSize.cx);
  SelectObject(dc_, font_);
  DeleteObject(mono);
  DeleteObject(bold);
  DeleteObject(unknown);
}

TEST_F(GdiText, DialogBaseUnitsFollowTheClassicRule) {
  SIZE letters{};
  GetTextExtentPoint32(dc_, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
  const SIZE units = win32::gdi::GetDialogBaseUnits(font_);
  EXPECT_EQ(units.cx, (letters.cx / 26 + 1) / 2);
  EXPECT_EQ(units.cy, 13);
  const LONG system = GetDialogBaseUnits();
  EXPECT_GT(LOWORD(system), 0);
  EXPECT_EQ(HIWORD(system), 16);
}

TEST_F(GdiText, CalcRectMeasuresSingleAndWrappedText) {
  SIZE word{};
  GetTextExtentPoint32(dc_, "Hello world", 11, &word);
  RECT r{10, 20, 10, 20};
  EXPECT_EQ(DrawText(dc_, "Hello world", -1, &r, DT_CALCRECT | DT_SINGLELINE), 13);
  EXPECT_EQ(r.right - r.left, word.cx);
  EXPECT_EQ(r.bottom, 33);
  // Line breaks count without DT_SINGLELINE.
  r = RECT{0, 0, 0, 0};
  EXPECT_EQ(DrawText(dc_, "one\ntwo\r\nthree", -1, &r, DT_CALCRECT), 39);
  // Word wrap keeps words whole and trims the width to the longest line.
  SIZE hello{};
  GetTextExtentPoint32(dc_, "Hello", 5, &hello);
  r = RECT{0, 0, hello.cx + 3, 0};
  EXPECT_EQ(DrawText(dc_, "Hello world again", -1, &r, DT_CALCRECT | DT_WORDBREAK), 39);
  EXPECT_LE(r.right, hello.cx + 3);
  // A word longer than the line stays whole (widening the rectangle).
  r = RECT{0, 0, 4, 0};
  EXPECT_EQ(DrawText(dc_, "Unbreakable", -1, &r, DT_CALCRECT | DT_WORDBREAK), 13);
  EXPECT_GT(r.right, 4);
  // ...unless it is an edit control's text.
  r = RECT{0, 0, hello.cx, 0};
  EXPECT_GT(DrawText(dc_, "HelloHello", -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL), 13);
}

TEST_F(GdiText, PrefixesAreRemovedAndUnderlined) {
  SIZE plain{};
  GetTextExtentPoint32(dc_, "File", 4, &plain);
  RECT r{0, 0, 0, 0};
  DrawText(dc_, "&File", -1, &r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.right, plain.cx);
  r = RECT{0, 0, 0, 0};
  DrawText(dc_, "&File", -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_GT(r.right, plain.cx);
  SIZE amp{};
  GetTextExtentPoint32(dc_, "A&B", 3, &amp);
  r = RECT{0, 0, 0, 0};
  DrawText(dc_, "A&&B", -1, &r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.right, amp.cx);

  TEXTMETRIC tm{};
  GetTextMetrics(dc_, &tm);
  const int underlineRow = tm.tmAscent + 1;
  for (UINT hide : {0u, static_cast<UINT>(DT_HIDEPREFIX)}) {
    DibCanvas c(60, 16);
    SelectObject(c.dc, font_);
    RECT box{0, 0, 60, 16};
    DrawText(c.dc, "&File", -1, &box, DT_SINGLELINE | hide);
    int wF[1]{};
    GetCharWidth32(c.dc, 'F', 'F', wF);
    const int inked = wF[0] - c.Count(RECT{0, underlineRow, wF[0], underlineRow + 1}, RGB(255, 255, 255));
    if (hide) {
      EXPECT_LT(inked, wF[0]);
    } else {
      EXPECT_EQ(inked, wF[0]);
    }
  }
}

TEST_F(GdiText, AlignmentPlacesTheText) {
  for (UINT align : {static_cast<UINT>(DT_LEFT), static_cast<UINT>(DT_CENTER), static_cast<UINT>(DT_RIGHT)}) {
    DibCanvas c(100, 40);
    SelectObject(c.dc, font_);
    RECT r{0, 0, 100, 40};
    DrawText(c.dc, "II", -1, &r, align | DT_VCENTER | DT_SINGLELINE);
    const RECT ink = InkBox(c);
    ASSERT_LT(ink.left, ink.right);
    EXPECT_GT(ink.top, 10);  // vertically centred in 40 pixels
    EXPECT_LT(ink.bottom, 30);
    if (align == DT_LEFT) {
      EXPECT_LT(ink.left, 4);
    } else if (align == DT_CENTER) {
      EXPECT_NEAR((ink.left + ink.right) / 2, 50, 3);
    } else {
      EXPECT_GT(ink.right, 96);
    }
  }
}

TEST_F(GdiText, DrawTextClipsUnlessToldNotTo) {
  DibCanvas c(100, 20);
  SelectObject(c.dc, font_);
  RECT r{0, 0, 10, 20};
  DrawText(c.dc, "Clipped text", -1, &r, DT_SINGLELINE);
  EXPECT_LE(InkBox(c).right, 10);
  c.Fill(RGB(255, 255, 255));
  DrawText(c.dc, "Clipped text", -1, &r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(InkBox(c).right, 10);
}

TEST_F(GdiText, EndEllipsisShortensTheLine) {
  SIZE full{};
  GetTextExtentPoint32(dc_, "A long caption text", 19, &full);
  RECT r{0, 0, full.cx / 2, 0};
  DrawText(dc_, "A long caption text", -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_LE(r.right, full.cx / 2);
  DibCanvas c(200, 20);
  SelectObject(c.dc, font_);
  win32::gdi::StartRecording(c.dc);
  RECT box{0, 0, 50, 20};
  DrawText(c.dc, "Text", -1, &box, DT_SINGLELINE);
  const auto records = win32::gdi::StopRecording(c.dc);
  ASSERT_FALSE(records.empty());
  EXPECT_EQ(records[0].op, "DrawText");
  EXPECT_EQ(records[0].text, "Text");
  EXPECT_EQ(records[0].fontHeight, -11);
}

TEST_F(GdiText, TextOutHonoursAlignmentAndBackground) {
  DibCanvas c(60, 20);
  SelectObject(c.dc, font_);
  SetBkColor(c.dc, RGB(0, 0, 255));
  TextOut(c.dc, 0, 0, "ab", 2);
  SIZE size{};
  GetTextExtentPoint32(c.dc, "ab", 2, &size);
  EXPECT_EQ(c.At(0, 0), RGB(0, 0, 255));  // opaque background cell
  EXPECT_EQ(c.At(size.cx, 0), RGB(255, 255, 255));
  c.Fill(RGB(255, 255, 255));
  SetBkMode(c.dc, TRANSPARENT);
  SetTextAlign(c.dc, TA_RIGHT | TA_UPDATECP);
  MoveToEx(c.dc, 60, 0, nullptr);
  TextOut(c.dc, 0, 0, "ab", 2);
  POINT pos{};
  GetCurrentPositionEx(c.dc, &pos);
  EXPECT_EQ(pos.x, 60 - size.cx);
  EXPECT_GE(InkBox(c).left, 60 - size.cx);
  EXPECT_EQ(c.Count(RECT{0, 0, 60, 20}, RGB(0, 0, 255)), 0);
}
