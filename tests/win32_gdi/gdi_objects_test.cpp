// Object handles, stock objects, GetObject, regions, palettes, colours.
#include <cstring>

#include "gdi_test_support.h"

using GdiObjects = GdiTest;

TEST_F(GdiObjects, StockObjectsSurviveDeleteObject) {
  for (int id :
       {WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, BLACK_PEN, NULL_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT, DEFAULT_PALETTE}) {
    HGDIOBJ stock = GetStockObject(id);
    ASSERT_NE(stock, nullptr) << id;
    EXPECT_TRUE(DeleteObject(stock));
    EXPECT_EQ(GetStockObject(id), stock);
    EXPECT_NE(GetObjectType(stock), 0u) << id;
  }
  EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(GetStockObject(-1), nullptr);
  EXPECT_EQ(GetStockObject(99), nullptr);
}

TEST_F(GdiObjects, StaleHandlesFailWithoutCrashing) {
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  ASSERT_TRUE(DeleteObject(brush));
  EXPECT_FALSE(DeleteObject(brush));
  EXPECT_EQ(GetObjectType(brush), 0u);
  LOGBRUSH lb{};
  EXPECT_EQ(GetObject(brush, sizeof(lb), &lb), 0);
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(dc, brush), nullptr);
  // A new object never reuses the stale handle's identity.
  HBRUSH again = CreateSolidBrush(RGB(4, 5, 6));
  EXPECT_NE(again, brush);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
  RECT r{0, 0, 10, 10};
  EXPECT_FALSE(FillRect(dc, &r, again));
  EXPECT_FALSE(DeleteObject(nullptr));
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(0x12345678)), 0u);
}

TEST_F(GdiObjects, ResetMakesOldHandlesStale) {
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(9, 9, 9));
  win32::gdi::ResetGdi();
  EXPECT_EQ(GetObjectType(pen), 0u);
  EXPECT_NE(GetStockObject(BLACK_PEN), nullptr);
}

TEST_F(GdiObjects, GetObjectDescribesEachType) {
  HPEN pen = CreatePen(PS_DOT, 3, RGB(10, 20, 30));
  LOGPEN lp{};
  EXPECT_EQ(GetObject(pen, sizeof(lp), &lp), static_cast<int>(sizeof(LOGPEN)));
  EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DOT));
  EXPECT_EQ(lp.lopnWidth.x, 3);
  EXPECT_EQ(lp.lopnColor, RGB(10, 20, 30));
  EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));

  HFONT font = CreateFont(-11, 0, 0, 0, FW_BOLD, TRUE, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  LOGFONT lf{};
  EXPECT_EQ(GetObject(font, sizeof(lf), &lf), static_cast<int>(sizeof(LOGFONT)));
  EXPECT_EQ(lf.lfHeight, -11);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfItalic, 1);
  EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(GetObject(font, 0, nullptr), static_cast<int>(sizeof(LOGFONT)));

  HBITMAP bmp = CreateBitmap(17, 5, 1, 1, nullptr);
  BITMAP bm{};
  EXPECT_EQ(GetObject(bmp, sizeof(bm), &bm), static_cast<int>(sizeof(BITMAP)));
  EXPECT_EQ(bm.bmWidth, 17);
  EXPECT_EQ(bm.bmHeight, 5);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(bm.bmWidthBytes, 4);  // rows of device bitmaps are word aligned
  EXPECT_EQ(GetObjectType(bmp), static_cast<DWORD>(OBJ_BITMAP));

  HDC mem = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetObjectType(mem), static_cast<DWORD>(OBJ_MEMDC));
  DeleteDC(mem);
}

TEST_F(GdiObjects, SelectObjectAnswersThePreviousObject) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
  BITMAP first{};
  GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof(first), &first);
  EXPECT_EQ(first.bmWidth, 1);
  EXPECT_EQ(first.bmBitsPixel, 1);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
  EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), pen);
  DeleteObject(pen);
  DeleteDC(dc);
}

TEST_F(GdiObjects, BitmapLivesInOneDcAndCannotBeDeletedThere) {
  HDC a = CreateCompatibleDC(nullptr);
  HDC b = CreateCompatibleDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(a, 4, 4);
  HGDIOBJ old = SelectObject(a, bmp);
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(SelectObject(b, bmp), nullptr);
  EXPECT_FALSE(DeleteObject(bmp));
  SelectObject(a, old);
  EXPECT_NE(SelectObject(b, bmp), nullptr);
  DeleteDC(b);
  EXPECT_TRUE(DeleteObject(bmp));
  DeleteDC(a);
}

TEST_F(GdiObjects, RegionsCombineAsRectangleSets) {
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRectRgn(5, 5, 15, 15);
  HRGN out = CreateRectRgn(0, 0, 0, 0);
  RECT box{};
  EXPECT_EQ(GetRgnBox(out, &box), NULLREGION);
  EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_EQ(GetRgnBox(out, &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.bottom, 15);
  EXPECT_TRUE(PtInRegion(out, 12, 12));
  EXPECT_FALSE(PtInRegion(out, 12, 2));
  EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
  GetRgnBox(out, &box);
  EXPECT_EQ(box.left, 5);
  EXPECT_EQ(box.right, 10);
  EXPECT_EQ(CombineRgn(out, a, b, RGN_DIFF), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(out, 7, 7));
  EXPECT_TRUE(PtInRegion(out, 2, 7));
  EXPECT_EQ(CombineRgn(out, a, b, RGN_XOR), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(out, 7, 7));
  EXPECT_TRUE(PtInRegion(out, 12, 12));
  const RECT inside{1, 1, 2, 2}, outside{11, 0, 14, 4};
  EXPECT_TRUE(RectInRegion(a, &inside));
  EXPECT_FALSE(RectInRegion(a, &outside));
  EXPECT_EQ(OffsetRgn(a, 100, 0), SIMPLEREGION);
  EXPECT_TRUE(PtInRegion(a, 105, 5));
  // A right-open, bottom-open rectangle: the far edges are outside.
  HRGN c = CreateRectRgn(0, 0, 10, 10);
  EXPECT_FALSE(PtInRegion(c, 10, 5));
  HRGN d = CreateRectRgn(0, 0, 10, 10);
  EXPECT_TRUE(EqualRgn(c, d));
  EXPECT_EQ(CombineRgn(out, c, nullptr, RGN_AND), ERROR);
}

TEST_F(GdiObjects, PalettesKeepEntriesAndRecordRealization) {
  std::vector<unsigned char> storage(sizeof(LOGPALETTE) + 2 * sizeof(PALETTEENTRY));
  auto* lp = reinterpret_cast<LOGPALETTE*>(storage.data());
  lp->palVersion = 0x300;
  lp->palNumEntries = 3;
  lp->palPalEntry[0] = PALETTEENTRY{255, 0, 0, 0};
  lp->palPalEntry[1] = PALETTEENTRY{0, 255, 0, 0};
  lp->palPalEntry[2] = PALETTEENTRY{0, 0, 255, 0};
  HPALETTE pal = CreatePalette(lp);
  ASSERT_NE(pal, nullptr);
  EXPECT_EQ(GetPaletteEntries(pal, 0, 0, nullptr), 3u);
  PALETTEENTRY entries[3]{};
  EXPECT_EQ(GetPaletteEntries(pal, 1, 5, entries), 2u);
  EXPECT_EQ(entries[0].peGreen, 255);
  EXPECT_EQ(GetNearestPaletteIndex(pal, RGB(10, 10, 200)), 2u);
  WORD count = 0;
  EXPECT_EQ(GetObject(pal, sizeof(count), &count), 2);
  EXPECT_EQ(count, 3);

  HDC dc = CreateCompatibleDC(nullptr);
  win32::gdi::StartRecording(dc);
  EXPECT_EQ(SelectPalette(dc, pal, FALSE), GetStockObject(DEFAULT_PALETTE));
  EXPECT_EQ(RealizePalette(dc), 3u);
  const auto records = win32::gdi::StopRecording(dc);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].op, "RealizePalette");
  EXPECT_TRUE(UnrealizeObject(pal));
  DeleteDC(dc);
}

TEST_F(GdiObjects, SystemColoursFollowTheClassicSchemeAndReset) {
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(0xD4, 0xD0, 0xC8));
  EXPECT_EQ(GetSysColor(COLOR_3DFACE), RGB(0xD4, 0xD0, 0xC8));
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(0x0A, 0x24, 0x6A));
  EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(0xFF, 0xFF, 0xE1));
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(0x40, 0x40, 0x40));
  EXPECT_EQ(GetSysColor(COLOR_GRADIENTACTIVECAPTION), RGB(0xA6, 0xCA, 0xF0));
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  EXPECT_TRUE(DeleteObject(face));
  const INT index = COLOR_BTNFACE;
  const COLORREF red = RGB(255, 0, 0);
  EXPECT_TRUE(SetSysColors(1, &index, &red));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), red);
  LOGBRUSH lb{};
  GetObject(GetSysColorBrush(COLOR_BTNFACE), sizeof(lb), &lb);
  EXPECT_EQ(lb.lbColor, red);
  win32::gdi::ResetGdi();
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(0xD4, 0xD0, 0xC8));
}

TEST(GdiMulDiv, RoundsHalfAwayFromZeroAndRejectsZero) {
  EXPECT_EQ(MulDiv(8, 96, 72), 11);
  EXPECT_EQ(MulDiv(-8, 96, 72), -11);
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(5, 5, 0), -1);
  EXPECT_EQ(MulDiv(0x7FFFFFFF, 4, 1), -1);
}
