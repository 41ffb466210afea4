// Text metrics of the mapped faces: stable, self-consistent and close to
// the classic fonts where layouts depend on them.
#include <string>

#include "text_test_support.h"

namespace gdi_text_test {
namespace {

class TextMetricsTest : public GdiTest {
 protected:
  PixelDc canvas{8, 8};
};

TEST_F(TextMetricsTest, DialogFontMeasuresLikeTheClassicEightPointFont) {
  ScopedFont font(canvas.dc(), -MulDiv(8, 96, 72), "MS Sans Serif");
  const TEXTMETRIC tm = Metrics(canvas.dc());
  EXPECT_GE(tm.tmHeight, 12);
  EXPECT_LE(tm.tmHeight, 14);
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 11);
  EXPECT_GE(tm.tmAveCharWidth, 5);
  EXPECT_LE(tm.tmAveCharWidth, 7);
  EXPECT_GT(tm.tmMaxCharWidth, tm.tmAveCharWidth);
  EXPECT_EQ(tm.tmWeight, FW_NORMAL);
  EXPECT_EQ(Extent(canvas.dc(), "Cancel").cy, tm.tmHeight);
}

TEST_F(TextMetricsTest, ExtentsAreSumsOfIntegerAdvances) {
  ScopedFont font(canvas.dc(), -11, "MS Sans Serif");
  const char* text = "Business Object";
  int widths[256] = {};
  ASSERT_TRUE(GetCharWidth32(canvas.dc(), 0, 255, widths));
  int sum = 0;
  for (const char* p = text; *p; ++p) sum += widths[static_cast<unsigned char>(*p)];
  EXPECT_EQ(Extent(canvas.dc(), text).cx, sum);
  EXPECT_EQ(Extent(canvas.dc(), "ab").cx, Extent(canvas.dc(), "a").cx + Extent(canvas.dc(), "b").cx);
  EXPECT_EQ(Extent(canvas.dc(), "").cx, 0);
}

TEST_F(TextMetricsTest, MetricsDoNotDependOnTheFontObjectOrItsHistory) {
  TEXTMETRIC first{}, second{};
  SIZE a{}, b{};
  {
    ScopedFont font(canvas.dc(), -11, "MS Sans Serif");
    first = Metrics(canvas.dc());
    a = Extent(canvas.dc(), "The quick brown fox");
  }
  {
    ScopedFont other(canvas.dc(), -20, "Times New Roman", FW_BOLD);
    Extent(canvas.dc(), "something else");
  }
  ScopedFont again(canvas.dc(), -11, "Ms Sans Serif");  // face names ignore case
  second = Metrics(canvas.dc());
  b = Extent(canvas.dc(), "The quick brown fox");
  EXPECT_EQ(std::memcmp(&first, &second, sizeof first), 0);
  EXPECT_EQ(a.cx, b.cx);
}

TEST_F(TextMetricsTest, WindowsFacesMapToTheirFamilies) {
  auto width = [&](const char* face, const char* text) {
    ScopedFont font(canvas.dc(), -12, face);
    return Extent(canvas.dc(), text).cx;
  };
  // Monospaced faces: every character has the same advance.
  for (const char* mono : {"Courier New", "Courier", "Lucida Console", "Fixedsys", "Terminal"})
    EXPECT_EQ(width(mono, "iiii"), width(mono, "WWWW")) << mono;
  EXPECT_LT(width("MS Sans Serif", "iiii"), width("MS Sans Serif", "WWWW"));
  // The sans-serif faces and unknown names share one family.
  for (const char* sans : {"MS Shell Dlg", "MS Shell Dlg 2", "Tahoma", "Arial", "Helv", "No Such Face"})
    EXPECT_EQ(width(sans, "Repository"), width("MS Sans Serif", "Repository")) << sans;
  EXPECT_NE(width("Times New Roman", "Repository"), width("MS Sans Serif", "Repository"));
}

TEST_F(TextMetricsTest, BoldIsWiderAndReportsItsWeight) {
  int normal = 0;
  {
    ScopedFont font(canvas.dc(), -11, "MS Sans Serif");
    normal = Extent(canvas.dc(), "Properties").cx;
  }
  ScopedFont bold(canvas.dc(), -11, "MS Sans Serif", FW_BOLD);
  EXPECT_GT(Extent(canvas.dc(), "Properties").cx, normal);
  EXPECT_EQ(Metrics(canvas.dc()).tmWeight, FW_BOLD);
}

TEST_F(TextMetricsTest, PositiveHeightIsTheCellHeight) {
  ScopedFont font(canvas.dc(), 16, "MS Sans Serif");
  const TEXTMETRIC tm = Metrics(canvas.dc());
  EXPECT_GE(tm.tmHeight, 15);
  EXPECT_LE(tm.tmHeight, 17);
  ScopedFont em(canvas.dc(), -16, "MS Sans Serif");
  EXPECT_GT(Metrics(canvas.dc()).tmHeight, tm.tmHeight);
}

TEST_F(TextMetricsTest, FitCountsWholeCharactersWithinTheExtent) {
  ScopedFont font(canvas.dc(), -11, "MS Sans Serif");
  const char* text = "abcdef";
  const int abc = Extent(canvas.dc(), "abc").cx;
  int fit = -1;
  int dx[6] = {};
  SIZE size{};
  ASSERT_TRUE(GetTextExtentExPoint(canvas.dc(), text, 6, abc, &fit, dx, &size));
  EXPECT_EQ(fit, 3);
  EXPECT_EQ(dx[2], abc);
  EXPECT_EQ(dx[5], size.cx);
  ASSERT_TRUE(GetTextExtentExPoint(canvas.dc(), text, 6, abc - 1, &fit, nullptr, &size));
  EXPECT_EQ(fit, 2);
}

TEST_F(TextMetricsTest, TextFaceReportsTheRequestedName) {
  ScopedFont font(canvas.dc(), -11, "MS Sans Serif");
  char name[LF_FACESIZE] = {};
  EXPECT_GT(GetTextFace(canvas.dc(), LF_FACESIZE, name), 0);
  EXPECT_STREQ(name, "MS Sans Serif");
  char small[4] = {};
  GetTextFace(canvas.dc(), 4, small);
  EXPECT_STREQ(small, "MS ");
}

TEST_F(TextMetricsTest, DialogBaseUnitsFollowTheClassicRule) {
  ScopedFont font(canvas.dc(), -11, "MS Sans Serif");
  const int letters = Extent(canvas.dc(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz").cx;
  const SIZE units = win32::gdi::GetDialogBaseUnits(font.font());
  EXPECT_EQ(units.cx, (letters / 26 + 1) / 2);
  EXPECT_EQ(units.cy, Metrics(canvas.dc()).tmHeight);
  EXPECT_GE(units.cx, 5);
  EXPECT_LE(units.cx, 7);
  // The system font's units, also for a stale font handle.
  const LONG system = GetDialogBaseUnits();
  const SIZE viaSystem = win32::gdi::GetDialogBaseUnits(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
  EXPECT_EQ(LOWORD(system), viaSystem.cx);
  EXPECT_EQ(HIWORD(system), viaSystem.cy);
  HFONT gone = CreateFont(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  DeleteObject(gone);
  EXPECT_EQ(win32::gdi::GetDialogBaseUnits(gone).cy, viaSystem.cy);
}

TEST_F(TextMetricsTest, StaleDcsAndBadArgumentsFail) {
  HDC dc = CreateCompatibleDC(nullptr);
  DeleteDC(dc);
  TEXTMETRIC tm{};
  SIZE size{};
  EXPECT_FALSE(GetTextMetrics(dc, &tm));
  EXPECT_FALSE(GetTextExtentPoint32(dc, "x", 1, &size));
  EXPECT_FALSE(GetTextExtentPoint32(canvas.dc(), nullptr, 3, &size));
  EXPECT_FALSE(GetTextExtentPoint32(canvas.dc(), "x", 1, nullptr));
  EXPECT_EQ(GetTextFace(dc, 0, nullptr), 0);
  int w = 0;
  EXPECT_FALSE(GetCharWidth32(canvas.dc(), 'b', 'a', &w));
}

TEST_F(TextMetricsTest, InformationContextsMeasureWithoutDrawing) {
  HDC ic = CreateIC("DISPLAY", nullptr, nullptr, nullptr);
  ASSERT_NE(ic, nullptr);
  HFONT font = CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
  HGDIOBJ old = SelectObject(ic, font);
  SIZE onIc{};
  EXPECT_TRUE(GetTextExtentPoint32(ic, "Connector", 9, &onIc));
  ScopedFont same(canvas.dc(), -11, "MS Sans Serif");
  EXPECT_EQ(onIc.cx, Extent(canvas.dc(), "Connector").cx);
  SelectObject(ic, old);
  DeleteObject(font);
  DeleteDC(ic);
}

}  // namespace
}  // namespace gdi_text_test
