// Image lists: adding strips of images, masks, drawing styles, removal and
// invalid handles.
#include <gtest/gtest.h>

#include <vector>

#include <commctrl.h>
#include <windows.h>

#include "image_strip.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class ImageListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    screen_ = GetDC(nullptr);
    canvas_ = CreateCompatibleDC(screen_);
    target_ = CreateCompatibleBitmap(screen_, 64, 32);
    old_ = SelectObject(canvas_, target_);
    RECT all{0, 0, 64, 32};
    FillRect(canvas_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  void TearDown() override {
    SelectObject(canvas_, old_);
    DeleteObject(target_);
    DeleteDC(canvas_);
    ReleaseDC(nullptr, screen_);
    win32::ResetWindowSystem();
  }

  // A strip of 8x8 images: image i filled with colours[i], its top-left
  // pixel always magenta.
  HBITMAP Strip(std::initializer_list<COLORREF> colours) {
    return halvane::test::MakeColourStrip(8, 8, colours, kMagenta);
  }

  COLORREF At(int x, int y) { return GetPixel(canvas_, x, y); }

  HDC screen_ = nullptr;
  HDC canvas_ = nullptr;
  HBITMAP target_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

TEST_F(ImageListTest, AddCutsAStripIntoImagesOfTheListWidth) {
  HIMAGELIST list = ImageList_Create(8, 8, ILC_COLOR24, 4, 4);
  ASSERT_NE(list, nullptr);
  HBITMAP strip = Strip({kRed, kGreen});
  EXPECT_EQ(ImageList_Add(list, strip, nullptr), 0);
  EXPECT_EQ(ImageList_Add(list, strip, nullptr), 2);
  EXPECT_EQ(ImageList_GetImageCount(list), 4);
  int cx = 0, cy = 0;
  EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
  EXPECT_EQ(cx, 8);
  EXPECT_EQ(cy, 8);
  EXPECT_TRUE(ImageList_Draw(list, 1, canvas_, 0, 0, ILD_NORMAL));
  EXPECT_EQ(At(4, 4), kGreen);
  // Without a mask every pixel shows, the magenta corner as well.
  EXPECT_EQ(At(0, 0), kMagenta);
  DeleteObject(strip);
  EXPECT_TRUE(ImageList_Destroy(list));
}

TEST_F(ImageListTest, MaskedColourIsTransparent) {
  HIMAGELIST list = ImageList_Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1);
  HBITMAP strip = Strip({kRed});
  ASSERT_EQ(ImageList_AddMasked(list, strip, kMagenta), 0);
  EXPECT_TRUE(ImageList_Draw(list, 0, canvas_, 10, 10, ILD_TRANSPARENT));
  EXPECT_EQ(At(10, 10), kWhite) << "the masked corner keeps the background";
  EXPECT_EQ(At(14, 14), kRed);
  DeleteObject(strip);
  ImageList_Destroy(list);
}

TEST_F(ImageListTest, BackgroundColourFillsMaskedPixelsUnlessTransparent) {
  HIMAGELIST list = ImageList_Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1);
  HBITMAP strip = Strip({kRed});
  ImageList_AddMasked(list, strip, kMagenta);
  EXPECT_EQ(ImageList_SetBkColor(list, kGreen), static_cast<COLORREF>(CLR_NONE));
  EXPECT_EQ(ImageList_GetBkColor(list), kGreen);
  ImageList_Draw(list, 0, canvas_, 0, 0, ILD_NORMAL);
  EXPECT_EQ(At(0, 0), kGreen);
  ImageList_Draw(list, 0, canvas_, 20, 0, ILD_TRANSPARENT);
  EXPECT_EQ(At(20, 0), kWhite);
  DeleteObject(strip);
  ImageList_Destroy(list);
}

TEST_F(ImageListTest, SelectedAndFocusBlendWithTheHighlight) {
  HIMAGELIST list = ImageList_Create(8, 8, ILC_COLOR24, 1, 1);
  HBITMAP strip = Strip({kWhite});
  ImageList_Add(list, strip, nullptr);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  ImageList_Draw(list, 0, canvas_, 0, 0, ILD_SELECTED);
  ImageList_Draw(list, 0, canvas_, 10, 0, ILD_FOCUS);
  ImageList_DrawEx(list, 0, canvas_, 20, 0, 0, 0, CLR_NONE, kRed, ILD_BLEND50);
  auto mix = [](COLORREF a, COLORREF b, int percentB) {
    auto channel = [&](int ca, int cb) { return (ca * (100 - percentB) + cb * percentB) / 100; };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
  };
  EXPECT_EQ(At(4, 4), mix(kWhite, highlight, 50));
  EXPECT_EQ(At(14, 4), mix(kWhite, highlight, 25));
  EXPECT_EQ(At(24, 4), mix(kWhite, kRed, 50));
  DeleteObject(strip);
  ImageList_Destroy(list);
}

TEST_F(ImageListTest, IconsKeepTheirMaskAndReplaceImages) {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2);
  HICON icon = LoadIcon(nullptr, IDI_INFORMATION);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(ImageList_AddIcon(list, icon), 0);
  HBITMAP strip = Strip({kRed, kRed});
  ImageList_Add(list, strip, nullptr);
  EXPECT_EQ(ImageList_ReplaceIcon(list, 1, icon), 1);
  EXPECT_EQ(ImageList_ReplaceIcon(list, 7, icon), -1);
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  ImageList_Draw(list, 1, canvas_, 0, 0, ILD_TRANSPARENT);
  // The round icon, scaled to the list's size, leaves its corner
  // transparent and its middle painted.
  EXPECT_EQ(At(0, 0), kWhite);
  EXPECT_NE(At(8, 8), kWhite);
  EXPECT_EQ(At(17, 8), kWhite);
  DeleteObject(strip);
  ImageList_Destroy(list);
}

TEST_F(ImageListTest, OverlaysDrawOverTheImageUntilTheirImageGoes) {
  HIMAGELIST list = ImageList_Create(8, 8, ILC_COLOR24 | ILC_MASK, 2, 2);
  HBITMAP strip = Strip({kRed, kGreen});
  ASSERT_EQ(ImageList_AddMasked(list, strip, kMagenta), 0);
  EXPECT_TRUE(ImageList_SetOverlayImage(list, 1, 1));
  EXPECT_FALSE(ImageList_SetOverlayImage(list, 1, 16));
  EXPECT_FALSE(ImageList_SetOverlayImage(list, 1, 0));
  EXPECT_FALSE(ImageList_SetOverlayImage(list, 5, 2));
  ImageList_Draw(list, 0, canvas_, 0, 0, ILD_TRANSPARENT | INDEXTOOVERLAYMASK(1));
  EXPECT_EQ(At(4, 4), kGreen);
  EXPECT_EQ(At(0, 0), kWhite) << "transparent in both";
  ImageList_Draw(list, 0, canvas_, 10, 0, ILD_TRANSPARENT | INDEXTOOVERLAYMASK(2));
  EXPECT_EQ(At(14, 4), kRed) << "an unset overlay draws nothing";
  EXPECT_TRUE(ImageList_Remove(list, 1));
  ImageList_Draw(list, 0, canvas_, 20, 0, ILD_TRANSPARENT | INDEXTOOVERLAYMASK(1));
  EXPECT_EQ(At(24, 4), kRed) << "removing the image forgets the overlay";
  DeleteObject(strip);
  ImageList_Destroy(list);
}

TEST_F(ImageListTest, IconsAndBitmapsComeBackOutWithTheirMask) {
  HIMAGELIST list = ImageList_Create(8, 8, ILC_COLOR24 | ILC_MASK, 2, 2);
  HBITMAP strip = Strip({kRed, kGreen});
  ImageList_AddMasked(list, strip, kMagenta);
  HICON icon = ImageList_GetIcon(list, 1, ILD_NORMAL);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(ImageList_GetIcon(list, 2, ILD_NORMAL), nullptr);
  DrawIconEx(canvas_, 0, 0, icon, 8, 8, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(At(4, 4), kGreen);
  EXPECT_EQ(At(0, 0), kWhite);
  DestroyIcon(icon);

  IMAGEINFO info{};
  ASSERT_TRUE(ImageList_GetImageInfo(list, 1, &info));
  EXPECT_EQ(info.rcImage.left, 8);
  EXPECT_EQ(info.rcImage.right, 16);
  BITMAP bm{};
  ASSERT_TRUE(GetObject(info.hbmImage, sizeof bm, &bm));
  EXPECT_EQ(bm.bmWidth, 16);
  EXPECT_EQ(bm.bmHeight, 8);
  HDC dc = CreateCompatibleDC(screen_);
  HGDIOBJ old = SelectObject(dc, info.hbmMask);
  EXPECT_EQ(GetPixel(dc, 8, 0), kWhite) << "white marks the transparent pixels";
  EXPECT_EQ(GetPixel(dc, 12, 4), RGB(0, 0, 0));
  SelectObject(dc, info.hbmImage);
  EXPECT_EQ(GetPixel(dc, 12, 4), kGreen);
  SelectObject(dc, old);
  DeleteDC(dc);
  EXPECT_FALSE(ImageList_GetImageInfo(list, 2, &info));
  EXPECT_FALSE(ImageList_GetImageInfo(list, 0, nullptr));
  DeleteObject(strip);
  ImageList_Destroy(list);
}

TEST_F(ImageListTest, RemoveOneOrAll) {
  HIMAGELIST list = ImageList_Create(8, 8, ILC_COLOR24, 3, 1);
  HBITMAP strip = Strip({kRed, kGreen, kWhite});
  ImageList_Add(list, strip, nullptr);
  EXPECT_TRUE(ImageList_Remove(list, 0));
  ImageList_Draw(list, 0, canvas_, 0, 0, ILD_NORMAL);
  EXPECT_EQ(At(4, 4), kGreen);
  EXPECT_FALSE(ImageList_Remove(list, 5));
  EXPECT_TRUE(ImageList_RemoveAll(list));
  EXPECT_EQ(ImageList_GetImageCount(list), 0);
  EXPECT_FALSE(ImageList_Draw(list, 0, canvas_, 0, 0, ILD_NORMAL));
  DeleteObject(strip);
  ImageList_Destroy(list);
}

TEST_F(ImageListTest, BadInputFails) {
  EXPECT_EQ(ImageList_Create(0, 16, ILC_COLOR24, 1, 1), nullptr);
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24, 1, 1);
  HBITMAP narrow = Strip({kRed});  // 8 pixels: narrower than one image
  EXPECT_EQ(ImageList_Add(list, narrow, nullptr), -1);
  EXPECT_EQ(ImageList_Add(list, nullptr, nullptr), -1);
  EXPECT_EQ(ImageList_ReplaceIcon(list, -1, nullptr), -1);
  EXPECT_TRUE(ImageList_Destroy(list));
  // A destroyed list is an invalid handle from then on.
  EXPECT_FALSE(ImageList_Destroy(list));
  EXPECT_EQ(ImageList_GetImageCount(list), 0);
  EXPECT_EQ(ImageList_Add(list, narrow, nullptr), -1);
  EXPECT_FALSE(ImageList_Draw(list, 0, canvas_, 0, 0, ILD_NORMAL));
  int cx = 0, cy = 0;
  EXPECT_FALSE(ImageList_GetIconSize(list, &cx, &cy));
  EXPECT_FALSE(ImageList_Remove(nullptr, -1));
  EXPECT_EQ(ImageList_LoadBitmap(nullptr, MAKEINTRESOURCE(4711), 16, 1, CLR_NONE), nullptr);
  DeleteObject(narrow);
}

}  // namespace
