// CDC and the GDI wrappers: drawing through them gives the same pixels as
// the raw calls, they answer the right wrapper types, and they fail the way
// the raw calls do on missing objects.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "gdi_canvas.h"
#include "mfc/dc.h"
#include "mfc/gdi.h"
#include "mfc/handlemap.h"
#include "resource.h"
#include "temp_folder.h"

namespace {

class DCTest : public ::testing::Test {
 protected:
  void SetUp() override { win32::ResetWindowSystem(); }
  void TearDown() override {
    AfxUnlockTempMaps();
    win32::ResetWindowSystem();
  }

  // Draws the same scene once through the raw calls and once through a CDC
  // attached to a second canvas, and expects identical pixels.
  void ExpectSamePixels(const std::function<void(HDC)>& raw, const std::function<void(CDC&)>& wrapped) {
    Canvas rawCanvas(64, 48);
    Canvas wrappedCanvas(64, 48);
    raw(rawCanvas.dc());
    CDC dc;
    ASSERT_TRUE(dc.Attach(wrappedCanvas.dc()));
    wrapped(dc);
    dc.Detach();
    const auto expected = rawCanvas.Pixels();
    const auto actual = wrappedCanvas.Pixels();
    ASSERT_EQ(expected.size(), actual.size());
    size_t differences = 0;
    for (size_t i = 0; i < expected.size(); ++i) differences += expected[i] != actual[i] ? 1 : 0;
    EXPECT_EQ(differences, 0u);
    // The scene must have drawn something, or the comparison proves nothing.
    size_t drawn = 0;
    for (uint32_t pixel : actual) drawn += (pixel & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
    EXPECT_GT(drawn, 0u);
  }
};

TEST_F(DCTest, ShapesMatchTheRawCalls) {
  const POINT zigzag[] = {{2, 40}, {10, 30}, {18, 40}, {26, 30}};
  const POINT triangle[] = {{40, 40}, {50, 28}, {60, 40}};
  ExpectSamePixels(
      [&](HDC dc) {
        HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(200, 0, 0));
        HBRUSH brush = ::CreateSolidBrush(RGB(0, 0, 200));
        HGDIOBJ oldPen = ::SelectObject(dc, pen);
        HGDIOBJ oldBrush = ::SelectObject(dc, brush);
        ::Rectangle(dc, 2, 2, 20, 14);
        ::Ellipse(dc, 24, 2, 40, 14);
        ::MoveToEx(dc, 44, 2, nullptr);
        ::LineTo(dc, 60, 20);
        ::Polyline(dc, zigzag, 4);
        ::Polygon(dc, triangle, 3);
        ::SelectObject(dc, oldPen);
        ::SelectObject(dc, oldBrush);
        ::DeleteObject(pen);
        ::DeleteObject(brush);
      },
      [&](CDC& dc) {
        CPen pen(PS_SOLID, 1, RGB(200, 0, 0));
        CBrush brush(RGB(0, 0, 200));
        CPen* oldPen = dc.SelectObject(&pen);
        CBrush* oldBrush = dc.SelectObject(&brush);
        dc.Rectangle(CRect(2, 2, 20, 14));
        dc.Ellipse(24, 2, 40, 14);
        dc.MoveTo(CPoint(44, 2));
        dc.LineTo(60, 20);
        dc.Polyline(zigzag, 4);
        dc.Polygon(triangle, 3);
        dc.SelectObject(oldPen);
        dc.SelectObject(oldBrush);
      });
}

TEST_F(DCTest, FillsFramesAndEdgesMatchTheRawCalls) {
  ExpectSamePixels(
      [](HDC dc) {
        RECT fill{2, 2, 20, 12};
        HBRUSH brush = ::CreateSolidBrush(RGB(0, 128, 0));
        ::FillRect(dc, &fill, brush);
        RECT frame{24, 2, 40, 12};
        ::FrameRect(dc, &frame, brush);
        ::DeleteObject(brush);
        RECT inverted{4, 4, 10, 30};
        ::InvertRect(dc, &inverted);
        RECT edge{2, 30, 20, 46};
        ::DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
        RECT check{30, 30, 43, 43};
        ::DrawFrameControl(dc, &check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
        RECT focus{46, 30, 62, 46};
        ::DrawFocusRect(dc, &focus);
        ::PatBlt(dc, 44, 2, 16, 10, DSTINVERT);
      },
      [](CDC& dc) {
        CBrush brush(RGB(0, 128, 0));
        dc.FillRect(CRect(2, 2, 20, 12), &brush);
        dc.FrameRect(CRect(24, 2, 40, 12), &brush);
        dc.InvertRect(CRect(4, 4, 10, 30));
        CRect edge(2, 30, 20, 46);
        dc.DrawEdge(edge, EDGE_RAISED, BF_RECT);
        CRect check(30, 30, 43, 43);
        dc.DrawFrameControl(check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
        dc.DrawFocusRect(CRect(46, 30, 62, 46));
        dc.PatBlt(44, 2, 16, 10, DSTINVERT);
      });
}

TEST_F(DCTest, SolidAndThreeDRectsPaintTheirEdges) {
  Canvas canvas(20, 20);
  CDC* dc = CDC::FromHandle(canvas.dc());
  dc->FillSolidRect(2, 2, 6, 6, RGB(10, 20, 30));
  EXPECT_EQ(canvas.At(2, 2), RGB(10, 20, 30));
  EXPECT_EQ(canvas.At(7, 7), RGB(10, 20, 30));
  EXPECT_EQ(canvas.At(8, 8), RGB(255, 255, 255));
  // FillSolidRect leaves the background colour set, as it always has.
  EXPECT_EQ(dc->GetBkColor(), RGB(10, 20, 30));

  dc->Draw3dRect(CRect(10, 10, 18, 18), RGB(255, 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At(10, 10), RGB(255, 0, 0));  // top-left corner
  EXPECT_EQ(canvas.At(16, 10), RGB(255, 0, 0));  // top edge
  EXPECT_EQ(canvas.At(10, 16), RGB(255, 0, 0));  // left edge
  EXPECT_EQ(canvas.At(17, 10), RGB(0, 0, 255));  // right edge owns the top-right corner
  EXPECT_EQ(canvas.At(10, 17), RGB(0, 0, 255));  // bottom edge owns the bottom-left corner
  EXPECT_EQ(canvas.At(17, 17), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At(13, 13), RGB(255, 255, 255));  // inside stays untouched
}

TEST_F(DCTest, TextMatchesTheRawCallsAndMeasuresTheSame) {
  const char* text = "Halvane & text";
  ExpectSamePixels(
      [&](HDC dc) {
        HFONT font = ::CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
        HGDIOBJ old = ::SelectObject(dc, font);
        ::SetTextColor(dc, RGB(0, 0, 128));
        ::SetBkMode(dc, TRANSPARENT);
        ::TextOut(dc, 2, 2, text, 7);
        RECT box{2, 20, 62, 46};
        ::DrawText(dc, text, -1, &box, DT_CENTER | DT_WORDBREAK);
        ::SelectObject(dc, old);
        ::DeleteObject(font);
      },
      [&](CDC& dc) {
        CFont font;
        ASSERT_TRUE(font.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif"));
        CFont* old = dc.SelectObject(&font);
        dc.SetTextColor(RGB(0, 0, 128));
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(2, 2, CString(text, 7));
        CRect box(2, 20, 62, 46);
        dc.DrawText(CString(text), box, DT_CENTER | DT_WORDBREAK);
        dc.SelectObject(old);
      });

  Canvas canvas(10, 10);
  CDC* dc = CDC::FromHandle(canvas.dc());
  SIZE raw{};
  ::GetTextExtentPoint32(canvas.dc(), text, 14, &raw);
  EXPECT_EQ(dc->GetTextExtent(CString(text)), CSize(raw));
  EXPECT_GT(raw.cx, 0);
  TEXTMETRIC metrics{};
  ASSERT_TRUE(dc->GetTextMetrics(&metrics));
  EXPECT_EQ(metrics.tmHeight, raw.cy);
  // DT_CALCRECT measures into the rectangle without drawing.
  CRect measured(0, 0, 1000, 0);
  dc->DrawText(CString(text), measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(measured.Width(), raw.cx);
  EXPECT_EQ(canvas.At(1, 1), RGB(255, 255, 255));
}

TEST_F(DCTest, PointFontsConvertTenthsOfAPointToPixels) {
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, "Courier New"));
  LOGFONT logFont{};
  ASSERT_EQ(font.GetLogFont(&logFont), static_cast<int>(sizeof(LOGFONT)));
  HDC screen = ::GetDC(nullptr);
  EXPECT_EQ(logFont.lfHeight, -::MulDiv(12, ::GetDeviceCaps(screen, LOGPIXELSY), 72));
  ::ReleaseDC(nullptr, screen);
  EXPECT_STREQ(logFont.lfFaceName, "Courier New");
  // A second create on the same object fails and keeps the first font.
  const HGDIOBJ first = font.GetSafeHandle();
  EXPECT_FALSE(font.CreatePointFont(80, "Arial"));
  EXPECT_EQ(font.GetSafeHandle(), first);
}

TEST_F(DCTest, BlitsFromACompatibleBitmap) {
  Canvas target(32, 32);
  CDC* screen = CDC::FromHandle(target.dc());
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(screen));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(screen, 8, 8));
  BITMAP info{};
  ASSERT_TRUE(bitmap.GetBitmap(&info));
  EXPECT_EQ(info.bmWidth, 8);
  EXPECT_EQ(info.bmHeight, 8);
  CBitmap* old = memory.SelectObject(&bitmap);
  ASSERT_NE(old, nullptr);
  memory.FillSolidRect(0, 0, 8, 8, RGB(0, 160, 0));
  memory.SetPixel(0, 0, RGB(255, 0, 0));

  ASSERT_TRUE(screen->BitBlt(4, 4, 8, 8, &memory, 0, 0, SRCCOPY));
  EXPECT_EQ(target.At(4, 4), RGB(255, 0, 0));
  EXPECT_EQ(target.At(11, 11), RGB(0, 160, 0));
  EXPECT_EQ(target.At(12, 12), RGB(255, 255, 255));
  ASSERT_TRUE(screen->StretchBlt(16, 16, 16, 16, &memory, 0, 0, 8, 8, SRCCOPY));
  EXPECT_EQ(target.At(17, 17), RGB(255, 0, 0));
  EXPECT_EQ(target.At(31, 31), RGB(0, 160, 0));
  memory.SelectObject(old);
}

TEST_F(DCTest, LoadsBitmapsFromResourcesAndTheSystem) {
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadBitmap(IDB_TEST_BITMAP));
  BITMAP info{};
  ASSERT_TRUE(bitmap.GetBitmap(&info));
  EXPECT_EQ(info.bmWidth, 4);
  EXPECT_EQ(info.bmHeight, 2);
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
  CBitmap* old = memory.SelectObject(&bitmap);
  EXPECT_EQ(memory.GetPixel(0, 0), RGB(0, 0, 255));  // top row, stored last
  EXPECT_EQ(memory.GetPixel(1, 0), RGB(0, 255, 0));
  EXPECT_EQ(memory.GetPixel(3, 1), RGB(255, 0, 0));
  memory.SelectObject(old);

  CBitmap arrow;
  ASSERT_TRUE(arrow.LoadOEMBitmap(OBM_UPARROW));
  ASSERT_TRUE(arrow.GetBitmap(&info));
  EXPECT_GT(info.bmWidth, 0);
  CBitmap missing;
  EXPECT_FALSE(missing.LoadBitmap("NoSuchBitmap"));
}

TEST_F(DCTest, MappingAndClipping) {
  Canvas canvas(40, 40);
  CDC* dc = CDC::FromHandle(canvas.dc());
  EXPECT_EQ(dc->SetMapMode(MM_TEXT), MM_TEXT);
  EXPECT_EQ(dc->SetViewportOrg(10, 5), CPoint(0, 0));
  EXPECT_EQ(dc->GetViewportOrg(), CPoint(10, 5));
  CPoint point(1, 1);
  dc->LPtoDP(&point);
  EXPECT_EQ(point, CPoint(11, 6));
  CRect rect(0, 0, 4, 4);
  dc->LPtoDP(rect);
  EXPECT_EQ(rect, CRect(10, 5, 14, 9));
  dc->DPtoLP(rect);
  EXPECT_EQ(rect, CRect(0, 0, 4, 4));
  CSize size(3, 3);
  dc->LPtoDP(&size);
  EXPECT_EQ(size, CSize(3, 3));  // sizes ignore the origin
  EXPECT_EQ(dc->SetViewportOrg(CPoint(0, 0)), CPoint(10, 5));

  EXPECT_NE(dc->IntersectClipRect(CRect(5, 5, 15, 15)), ERROR);
  CRect clip;
  EXPECT_EQ(dc->GetClipBox(clip), SIMPLEREGION);
  EXPECT_EQ(clip, CRect(5, 5, 15, 15));
  dc->FillSolidRect(0, 0, 40, 40, RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(5, 5), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(4, 4), CLR_INVALID);  // outside the clip
  // SaveDC/RestoreDC bring back the clip; a null region removes it.
  const int saved = dc->SaveDC();
  CRgn region;
  ASSERT_TRUE(region.CreateRectRgn(20, 20, 30, 30));
  EXPECT_EQ(dc->SelectClipRgn(&region), SIMPLEREGION);
  dc->GetClipBox(clip);
  EXPECT_EQ(clip, CRect(20, 20, 30, 30));
  EXPECT_TRUE(dc->RestoreDC(saved));
  dc->GetClipBox(clip);
  EXPECT_EQ(clip, CRect(5, 5, 15, 15));
  dc->SelectClipRgn(nullptr);
  dc->GetClipBox(clip);
  EXPECT_EQ(clip, CRect(0, 0, 40, 40));
  EXPECT_EQ(canvas.At(4, 4), RGB(255, 255, 255));
}

TEST_F(DCTest, SelectObjectAnswersTheRightWrapperTypes) {
  Canvas canvas(8, 8);
  CDC* dc = CDC::FromHandle(canvas.dc());
  CPen pen(PS_SOLID, 2, RGB(1, 2, 3));
  CPen* oldPen = dc->SelectObject(&pen);
  ASSERT_NE(oldPen, nullptr);
  EXPECT_TRUE(oldPen->IsKindOf(RUNTIME_CLASS(CPen)));
  // The attached object comes back as itself, not as a wrapper.
  EXPECT_EQ(dc->SelectObject(oldPen), &pen);
  EXPECT_EQ(dc->GetCurrentPen()->GetSafeHandle(), oldPen->GetSafeHandle());

  CGdiObject* previousFont = dc->SelectStockObject(DEFAULT_GUI_FONT);
  ASSERT_NE(previousFont, nullptr);
  EXPECT_EQ(dc->GetCurrentFont()->GetSafeHandle(), ::GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_TRUE(dc->GetCurrentFont()->IsKindOf(RUNTIME_CLASS(CFont)));
  EXPECT_TRUE(dc->GetCurrentBrush()->IsKindOf(RUNTIME_CLASS(CBrush)));

  LOGPEN logPen{};
  ASSERT_TRUE(pen.GetLogPen(&logPen));
  EXPECT_EQ(logPen.lopnWidth.x, 2);
  EXPECT_EQ(logPen.lopnColor, RGB(1, 2, 3));
  EXPECT_EQ(pen.GetObjectType(), static_cast<UINT>(OBJ_PEN));
}

TEST_F(DCTest, WrappersWithoutHandlesFailQuietly) {
  CDC empty;
  EXPECT_EQ(empty.GetSafeHdc(), nullptr);
  EXPECT_FALSE(empty.Rectangle(0, 0, 1, 1));
  EXPECT_FALSE(empty.TextOut(0, 0, CString("x")));
  EXPECT_EQ(empty.GetTextExtent(CString("x")), CSize(0, 0));
  EXPECT_EQ(empty.SelectObject(static_cast<CPen*>(nullptr)), nullptr);
  EXPECT_EQ(empty.GetDeviceCaps(BITSPIXEL), 0);
  EXPECT_FALSE(empty.DeleteDC());
  EXPECT_FALSE(empty.Attach(nullptr));
  EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);

  CPen pen;
  EXPECT_FALSE(pen.DeleteObject());
  EXPECT_EQ(pen.GetObject(0, nullptr), 0);
  CRgn region;
  EXPECT_EQ(region.CombineRgn(nullptr, nullptr, RGN_OR), ERROR);
  EXPECT_FALSE(region.PtInRegion(0, 0));
  CBitmap bitmap;
  EXPECT_FALSE(bitmap.LoadBitmap(12345));
  EXPECT_FALSE(bitmap.CreateCompatibleBitmap(nullptr, 4, 4));

  // A DC that was deleted behind the wrapper's back is an invalid handle.
  HDC gone = ::CreateCompatibleDC(nullptr);
  ::DeleteDC(gone);
  CDC* stale = CDC::FromHandle(gone);
  EXPECT_FALSE(stale->Rectangle(0, 0, 2, 2));
  EXPECT_EQ(stale->GetPixel(0, 0), CLR_INVALID);
}

TEST_F(DCTest, RegionsPaintLikeTheRawCalls) {
  ExpectSamePixels(
      [](HDC dc) {
        HRGN region = ::CreateRectRgn(4, 4, 30, 20);
        HBRUSH fill = ::CreateSolidBrush(RGB(0, 90, 0));
        HBRUSH frame = ::CreateSolidBrush(RGB(90, 0, 0));
        ::FillRgn(dc, region, fill);
        ::OffsetRgn(region, 26, 20);
        ::FrameRgn(dc, region, frame, 2, 3);
        ::DeleteObject(region);
        ::DeleteObject(fill);
        ::DeleteObject(frame);
      },
      [](CDC& dc) {
        CRgn region;
        region.CreateRectRgn(4, 4, 30, 20);
        CBrush fill(RGB(0, 90, 0));
        CBrush frame(RGB(90, 0, 0));
        dc.FillRgn(&region, &fill);
        region.OffsetRgn(26, 20);
        dc.FrameRgn(&region, &frame, 2, 3);
      });
}

TEST_F(DCTest, CharacterWidthsAddUpToTheExtent) {
  Canvas canvas(4, 4);
  CDC* dc = CDC::FromHandle(canvas.dc());
  int widths[3] = {};
  ASSERT_TRUE(dc->GetCharWidth('a', 'c', widths));
  EXPECT_EQ(widths[0] + widths[1] + widths[2], dc->GetTextExtent("abc", 3).cx);
  EXPECT_EQ(dc->GetNearestColor(RGB(12, 34, 56)), RGB(12, 34, 56));  // a true-colour DC
  CDC empty;
  EXPECT_FALSE(empty.GetCharWidth('a', 'c', widths));
  EXPECT_FALSE(empty.FillRgn(nullptr, nullptr));
}

TEST_F(DCTest, RegionsCombineAndCompare) {
  CRgn a;
  CRgn b;
  CRgn both;
  ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
  ASSERT_TRUE(b.CreateRectRgnIndirect(CRect(5, 0, 15, 10)));
  ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(both.CombineRgn(&a, &b, RGN_OR), SIMPLEREGION);
  CRect box;
  both.GetRgnBox(box);
  EXPECT_EQ(box, CRect(0, 0, 15, 10));
  EXPECT_TRUE(both.PtInRegion(CPoint(14, 9)));
  EXPECT_FALSE(both.PtInRegion(15, 0));
  CRgn copy;
  ASSERT_TRUE(copy.CreateRectRgn(0, 0, 0, 0));
  EXPECT_NE(copy.CopyRgn(&both), ERROR);
  EXPECT_TRUE(copy.EqualRgn(&both));
  copy.OffsetRgn(CPoint(1, 0));
  EXPECT_FALSE(copy.EqualRgn(&both));
  EXPECT_TRUE(copy.RectInRegion(CRect(14, 0, 16, 2)));
}

TEST_F(DCTest, PalettesSelectAndRealize) {
  struct {
    LOGPALETTE header;
    PALETTEENTRY more[1];
  } palette{};
  palette.header.palVersion = 0x300;
  palette.header.palNumEntries = 2;
  palette.header.palPalEntry[0] = PALETTEENTRY{255, 0, 0, 0};
  palette.more[0] = PALETTEENTRY{0, 0, 255, 0};
  CPalette pal;
  ASSERT_TRUE(pal.CreatePalette(&palette.header));
  EXPECT_EQ(pal.GetEntryCount(), 2);
  PALETTEENTRY entries[2]{};
  EXPECT_EQ(pal.GetPaletteEntries(0, 2, entries), 2u);
  EXPECT_EQ(entries[1].peBlue, 255);
  EXPECT_EQ(pal.GetNearestPaletteIndex(RGB(0, 0, 250)), 1u);

  Canvas canvas(4, 4);
  CDC* dc = CDC::FromHandle(canvas.dc());
  CPalette* old = dc->SelectPalette(&pal, FALSE);
  ASSERT_NE(old, nullptr);
  EXPECT_NE(dc->RealizePalette(), GDI_ERROR);
  EXPECT_EQ(dc->GetCurrentPalette(), &pal);
  dc->SelectPalette(old, FALSE);
}

}  // namespace

// A document printed through CDC becomes a PDF file in the print folder.
TEST(CDCPrinting, PagesGoToThePdfPrinter) {
  const halvane::test::TempFolder folder("mfc_gdi_print");
  const std::filesystem::path dir = folder.path();
  setenv("HALVANE_PRINT_DIR", dir.c_str(), 1);
  {
    CDC dc;
    ASSERT_TRUE(dc.CreateDC("WINSPOOL", "PDF Printer", nullptr, nullptr));
    EXPECT_GT(dc.GetDeviceCaps(LOGPIXELSX), 96);
    ASSERT_GT(dc.StartDoc("Wrapped report"), 0);
    for (int page = 0; page < 2; ++page) {
      ASSERT_GT(dc.StartPage(), 0);
      dc.TextOut(300, 300, CString("Page text"));
      ASSERT_GT(dc.EndPage(), 0);
    }
    ASSERT_GT(dc.EndDoc(), 0);
    EXPECT_LE(dc.StartPage(), 0) << "no page outside a document";
  }
  unsetenv("HALVANE_PRINT_DIR");
  const std::filesystem::path pdf = dir / "Wrapped report.pdf";
  ASSERT_TRUE(std::filesystem::exists(pdf));
  std::ifstream in(pdf, std::ios::binary);
  std::string head(5, '\0');
  in.read(head.data(), 5);
  EXPECT_EQ(head, "%PDF-");
}
