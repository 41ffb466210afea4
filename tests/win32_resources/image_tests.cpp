// Bitmaps, icons and cursors from resources and files.
#include <gtest/gtest.h>

#include <windows.h>

#include "resource.h"

namespace {

class Images : public ::testing::Test {
 protected:
  void SetUp() override { win32::ResetWindowSystem(); }
};

BITMAP Info(HBITMAP bitmap) {
  BITMAP bm{};
  EXPECT_EQ(GetObject(bitmap, sizeof bm, &bm), int(sizeof bm));
  return bm;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  COLORREF color = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return color;
}

TEST_F(Images, BitmapByIdHasItsSizeAndPixels) {
  HBITMAP bitmap = LoadBitmap(GetModuleHandle(nullptr), MAKEINTRESOURCE(IDB_GRID));
  ASSERT_NE(bitmap, nullptr);
  BITMAP bm = Info(bitmap);
  EXPECT_EQ(bm.bmWidth, 8);
  EXPECT_EQ(bm.bmHeight, 6);
  // The script's bitmap: red x*30, green y*40 (y from the top), blue 200.
  EXPECT_EQ(PixelOf(bitmap, 0, 0), RGB(0, 0, 200));
  EXPECT_EQ(PixelOf(bitmap, 7, 0), RGB(210, 0, 200));
  EXPECT_EQ(PixelOf(bitmap, 2, 5), RGB(60, 200, 200));
  DeleteObject(bitmap);
}

TEST_F(Images, BitmapByNameWithColourTable) {
  HBITMAP splash = LoadBitmap(GetModuleHandle(nullptr), "idb_splash");
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(Info(splash).bmWidth, 4);
  EXPECT_EQ(PixelOf(splash, 1, 0), RGB(195, 0, 60));  // palette entry 1
  DeleteObject(splash);
  EXPECT_EQ(LoadBitmap(GetModuleHandle(nullptr), "IDB_NONE"), nullptr);
}

TEST_F(Images, SystemImagesForANullInstance) {
  EXPECT_NE(LoadBitmap(nullptr, MAKEINTRESOURCE(OBM_CLOSE)), nullptr);
  EXPECT_NE(LoadIcon(nullptr, IDI_HAND), nullptr);
  EXPECT_NE(LoadCursor(nullptr, IDC_ARROW), nullptr);
}

TEST_F(Images, IconPicksTheLargeImageAndCursorKeepsItsHotSpot) {
  HICON icon = LoadIcon(GetModuleHandle(nullptr), MAKEINTRESOURCE(IDI_APP));
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  EXPECT_TRUE(info.fIcon);
  EXPECT_EQ(Info(info.hbmColor).bmWidth, 32);

  HICON small = static_cast<HICON>(
      LoadImage(GetModuleHandle(nullptr), MAKEINTRESOURCE(IDI_APP), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  ASSERT_NE(small, nullptr);
  ICONINFO smallInfo{};
  ASSERT_TRUE(GetIconInfo(small, &smallInfo));
  EXPECT_EQ(Info(smallInfo.hbmColor).bmWidth, 16);

  HCURSOR cursor = LoadCursor(GetModuleHandle(nullptr), MAKEINTRESOURCE(IDR_HANDCURSOR));
  ASSERT_NE(cursor, nullptr);
  ICONINFO cursorInfo{};
  ASSERT_TRUE(GetIconInfo(cursor, &cursorInfo));
  EXPECT_FALSE(cursorInfo.fIcon);
  EXPECT_EQ(cursorInfo.xHotspot, 5u);
  EXPECT_EQ(cursorInfo.yHotspot, 7u);
}

TEST_F(Images, LoadImageFromFiles) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImage(nullptr, RESOURCE_TEST_DIR "/res/grid.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(Info(bitmap).bmHeight, 6);
  HICON icon =
      static_cast<HICON>(LoadImage(nullptr, RESOURCE_TEST_DIR "/res/app.ico", IMAGE_ICON, 16, 16, LR_LOADFROMFILE));
  ASSERT_NE(icon, nullptr);
  HCURSOR cursor =
      static_cast<HCURSOR>(LoadImage(nullptr, RESOURCE_TEST_DIR "/res/hand.cur", IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(cursor, nullptr);
  EXPECT_EQ(LoadImage(nullptr, RESOURCE_TEST_DIR "/res/missing.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
  // A bitmap file is not an icon file.
  EXPECT_EQ(LoadImage(nullptr, RESOURCE_TEST_DIR "/res/grid.bmp", IMAGE_ICON, 0, 0, LR_LOADFROMFILE), nullptr);
}

}  // namespace
