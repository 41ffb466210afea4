// The palette-aware bitmap helpers of the splash.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>

#include "UtilFunc.h"

namespace {

class BitmapTest : public ::testing::Test {
 protected:
  void SetUp() override { win32::gdi::ResetGdi(); }
  void TearDown() override { win32::gdi::ResetGdi(); }

  static HINSTANCE Module() { return GetModuleHandle(nullptr); }

  // The colour of pixel (x, y), top row 0, through a memory DC.
  static COLORREF Pixel(HBITMAP bitmap, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
  }
};

TEST_F(BitmapTest, TheBitmapInfoOfAResourceIsItsPackedDib) {
  const BITMAPINFO* info = CUtilFunc::GetBitmapInfoFromResource(Module(), "IDB_SPLASH8");
  ASSERT_NE(nullptr, info);
  EXPECT_EQ(4, info->bmiHeader.biWidth);
  EXPECT_EQ(2, info->bmiHeader.biHeight);
  EXPECT_EQ(8, info->bmiHeader.biBitCount);
  EXPECT_EQ(nullptr, CUtilFunc::GetBitmapInfoFromResource(Module(), "NO_SUCH_BITMAP"));
  EXPECT_EQ(nullptr, CUtilFunc::GetBitmapInfoFromResource(Module(), nullptr));
}

TEST_F(BitmapTest, APaletteHoldsTheColourTableInOrder) {
  const BITMAPINFO* info = CUtilFunc::GetBitmapInfoFromResource(Module(), "IDB_SPLASH8");
  ASSERT_NE(nullptr, info);
  int count = -1;
  HPALETTE palette = CUtilFunc::CreateDIBPalette(info, &count);
  ASSERT_NE(nullptr, palette);
  EXPECT_EQ(4, count);
  std::array<PALETTEENTRY, 4> entries{};
  ASSERT_EQ(4u, GetPaletteEntries(palette, 0, 4, entries.data()));
  EXPECT_EQ(255, entries[0].peRed);
  EXPECT_EQ(0, entries[0].peGreen);
  EXPECT_EQ(255, entries[1].peGreen);
  EXPECT_EQ(255, entries[2].peBlue);
  EXPECT_EQ(0, entries[2].peRed);
  EXPECT_EQ(255, entries[3].peRed);
  EXPECT_EQ(255, entries[3].peBlue);
  DeleteObject(palette);
}

TEST_F(BitmapTest, TrueColourBitmapsAndNullInfoHaveNoPalette) {
  const BITMAPINFO* info = CUtilFunc::GetBitmapInfoFromResource(Module(), "IDB_TRUE24");
  ASSERT_NE(nullptr, info);
  int count = -1;
  EXPECT_EQ(nullptr, CUtilFunc::CreateDIBPalette(info, &count));
  EXPECT_EQ(0, count);
  count = -1;
  EXPECT_EQ(nullptr, CUtilFunc::CreateDIBPalette(nullptr, &count));
  EXPECT_EQ(0, count);
}

TEST_F(BitmapTest, TheDibSectionKeepsThePixelsBottomUpRowsAsShown) {
  HPALETTE palette = nullptr;
  HBITMAP bitmap = CUtilFunc::LoadBitmapWithPalette(Module(), "IDB_SPLASH8", &palette);
  ASSERT_NE(nullptr, bitmap);
  EXPECT_NE(nullptr, palette);
  BITMAP shape{};
  ASSERT_NE(0, GetObject(bitmap, sizeof(shape), &shape));
  EXPECT_EQ(4, shape.bmWidth);
  EXPECT_EQ(2, shape.bmHeight);
  // The file's bottom row is 0 1 2 3, so the top row shows 3 2 1 0.
  EXPECT_EQ(RGB(255, 255, 255), Pixel(bitmap, 0, 0));
  EXPECT_EQ(RGB(255, 0, 0), Pixel(bitmap, 3, 0));
  EXPECT_EQ(RGB(255, 0, 0), Pixel(bitmap, 0, 1));
  EXPECT_EQ(RGB(0, 0, 255), Pixel(bitmap, 2, 1));
  DeleteObject(bitmap);
  DeleteObject(palette);
}

TEST_F(BitmapTest, TheWindowlessLoadUsesTheProgramsModule) {
  HBITMAP bitmap = CUtilFunc::GetDIBBitmapFromResource(nullptr, "IDB_TRUE24");
  ASSERT_NE(nullptr, bitmap);
  EXPECT_EQ(RGB(255, 0, 0), Pixel(bitmap, 0, 0));
  EXPECT_EQ(RGB(0, 0, 255), Pixel(bitmap, 1, 0));
  DeleteObject(bitmap);
  EXPECT_EQ(nullptr, CUtilFunc::GetDIBBitmapFromResource(reinterpret_cast<HWND>(0x1234), "MISSING"));
}

TEST_F(BitmapTest, ABitmapShorterThanItsHeaderSaysIsRefused) {
  ASSERT_NE(nullptr, FindResource(Module(), "IDB_TRUNCATED", RT_BITMAP));
  EXPECT_EQ(nullptr, CUtilFunc::GetBitmapInfoFromResource(Module(), "IDB_TRUNCATED"));
  HPALETTE palette = reinterpret_cast<HPALETTE>(1);
  EXPECT_EQ(nullptr, CUtilFunc::LoadBitmapWithPalette(Module(), "IDB_TRUNCATED", &palette));
  EXPECT_EQ(nullptr, palette);
}

}  // namespace
