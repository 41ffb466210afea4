// The system icons, cursors and OBM_* bitmaps behind LoadIcon, LoadCursor
// and LoadBitmap with a null instance.
#include "internal/gdi_system.h"
#include "text_test_support.h"

namespace gdi_text_test {
namespace {

using win32::gdi::CreateSystemBitmap;
using win32::gdi::CreateSystemCursor;
using win32::gdi::CreateSystemIcon;

class SystemImagesTest : public GdiTest {};

BITMAP BitmapOf(HBITMAP bitmap) {
  BITMAP bm{};
  GetObject(bitmap, sizeof bm, &bm);
  return bm;
}

TEST_F(SystemImagesTest, EachIconIdHasOneSharedHandle) {
  HICON hand = CreateSystemIcon(IDI_HAND);
  ASSERT_NE(hand, nullptr);
  EXPECT_EQ(CreateSystemIcon(IDI_HAND), hand);
  EXPECT_EQ(CreateSystemIcon(IDI_ERROR), hand);
  EXPECT_EQ(CreateSystemIcon(IDI_WARNING), CreateSystemIcon(IDI_EXCLAMATION));
  EXPECT_EQ(CreateSystemIcon(IDI_INFORMATION), CreateSystemIcon(IDI_ASTERISK));
  std::vector<HICON> all;
  for (LPCSTR id : {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK}) {
    HICON icon = CreateSystemIcon(id);
    ASSERT_NE(icon, nullptr);
    for (HICON other : all) EXPECT_NE(icon, other);
    all.push_back(icon);
  }
}

TEST_F(SystemImagesTest, SharedIconsSurviveDestroyIcon) {
  HICON question = CreateSystemIcon(IDI_QUESTION);
  DestroyIcon(question);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(question, &info));
  EXPECT_TRUE(info.fIcon);
  EXPECT_EQ(BitmapOf(info.hbmColor).bmWidth, 32);
  EXPECT_EQ(BitmapOf(info.hbmColor).bmHeight, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(CreateSystemIcon(IDI_QUESTION), question);
}

TEST_F(SystemImagesTest, UnknownIdsAndNamesAnswerNull) {
  EXPECT_EQ(CreateSystemIcon(MAKEINTRESOURCE(1)), nullptr);
  EXPECT_EQ(CreateSystemIcon("HAND"), nullptr);
  EXPECT_EQ(CreateSystemCursor(MAKEINTRESOURCE(7)), nullptr);
  EXPECT_EQ(CreateSystemBitmap(12345), nullptr);
}

TEST_F(SystemImagesTest, ResetMakesNewHandles) {
  HICON before = CreateSystemIcon(IDI_HAND);
  win32::gdi::ResetGdi();
  HICON after = CreateSystemIcon(IDI_HAND);
  ASSERT_NE(after, nullptr);
  EXPECT_NE(after, before);
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(before, &info));
}

TEST_F(SystemImagesTest, IconsAreDrawnInTheirColours) {
  PixelDc canvas(32, 32, RGB(0, 255, 0));
  ASSERT_TRUE(DrawIconEx(canvas.dc(), 0, 0, CreateSystemIcon(IDI_HAND), 32, 32, 0, nullptr, DI_NORMAL));
  // Red disc, white cross through the middle, corners see through.
  EXPECT_EQ(canvas.At(6, 15), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(15, 15), RGB(255, 255, 255));
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 255, 0));
  canvas.Clear(RGB(0, 255, 0));
  DrawIconEx(canvas.dc(), 0, 0, CreateSystemIcon(IDI_EXCLAMATION), 32, 32, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(canvas.At(8, 24), RGB(255, 255, 0));
  EXPECT_EQ(canvas.At(15, 14), RGB(0, 0, 0));
  canvas.Clear(RGB(0, 255, 0));
  DrawIconEx(canvas.dc(), 0, 0, CreateSystemIcon(IDI_ASTERISK), 32, 32, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(canvas.At(15, 15), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At(6, 12), RGB(255, 255, 255));
}

TEST_F(SystemImagesTest, CursorsHaveHotSpots) {
  struct Expected {
    LPCSTR id;
    DWORD x, y;
  };
  for (const Expected& e :
       {Expected{IDC_ARROW, 0, 0}, Expected{IDC_IBEAM, 15, 15}, Expected{IDC_WAIT, 15, 15}, Expected{IDC_CROSS, 15, 15},
        Expected{IDC_SIZEALL, 15, 15}, Expected{IDC_SIZENWSE, 15, 15}, Expected{IDC_SIZENESW, 15, 15},
        Expected{IDC_SIZEWE, 15, 15}, Expected{IDC_SIZENS, 15, 15}, Expected{IDC_NO, 15, 15}, Expected{IDC_HAND, 11, 2},
        Expected{IDC_APPSTARTING, 0, 0}, Expected{IDC_HELP, 0, 0}}) {
    HCURSOR cursor = CreateSystemCursor(e.id);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(CreateSystemCursor(e.id), cursor);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, e.x);
    EXPECT_EQ(info.yHotspot, e.y);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  // Cursors and icons with the same number are different images.
  EXPECT_NE(CreateSystemCursor(IDC_ARROW), CreateSystemIcon(IDI_APPLICATION));
}

TEST_F(SystemImagesTest, ArrowCursorIsWhiteWithABlackOutline) {
  PixelDc canvas(32, 32, RGB(0, 255, 0));
  DrawIconEx(canvas.dc(), 0, 0, CreateSystemCursor(IDC_ARROW), 32, 32, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(1, 5), RGB(255, 255, 255));
  EXPECT_EQ(canvas.At(20, 5), RGB(0, 255, 0));
}

TEST_F(SystemImagesTest, ObmBitmapsAreNewFrameControlPictures) {
  HBITMAP up = CreateSystemBitmap(OBM_UPARROW);
  ASSERT_NE(up, nullptr);
  EXPECT_EQ(BitmapOf(up).bmWidth, 16);
  EXPECT_EQ(BitmapOf(up).bmHeight, 16);
  HBITMAP again = CreateSystemBitmap(OBM_UPARROW);
  EXPECT_NE(again, up);
  // The same pixels as the frame control drawn directly.
  PixelDc direct(16, 16);
  RECT r{0, 0, 16, 16};
  DrawFrameControl(direct.dc(), &r, DFC_SCROLL, DFCS_SCROLLUP);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, up);
  int differences = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) differences += GetPixel(dc, x, y) != direct.At(x, y);
  EXPECT_EQ(differences, 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  EXPECT_TRUE(DeleteObject(up));
  EXPECT_TRUE(DeleteObject(again));
}

TEST_F(SystemImagesTest, ObmSizes) {
  struct Expected {
    UINT id;
    LONG width, height;
  };
  for (const Expected& e :
       {Expected{OBM_DNARROW, 16, 16}, Expected{OBM_LFARROWI, 16, 16}, Expected{OBM_RGARROWD, 16, 16},
        Expected{OBM_COMBO, 16, 16}, Expected{OBM_CLOSE, 16, 14}, Expected{OBM_RESTORED, 16, 14},
        Expected{OBM_CHECK, 16, 16}, Expected{OBM_SIZE, 16, 16}, Expected{OBM_CHECKBOXES, 52, 39}}) {
    HBITMAP bitmap = CreateSystemBitmap(e.id);
    ASSERT_NE(bitmap, nullptr) << e.id;
    EXPECT_EQ(BitmapOf(bitmap).bmWidth, e.width) << e.id;
    EXPECT_EQ(BitmapOf(bitmap).bmHeight, e.height) << e.id;
    DeleteObject(bitmap);
  }
}

}  // namespace
}  // namespace gdi_text_test
