// DC state, coordinate spaces, clipping and the pixel-exact drawing of
// lines and rectangles.
#include "gdi_test_support.h"
#include "internal/gdi_surface.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

}  // namespace

using GdiDc = GdiTest;

TEST_F(GdiDc, SaveAndRestoreUseAStackWithNegativeIndexes) {
  DibCanvas c(8, 8);
  EXPECT_EQ(SaveDC(c.dc), 1);
  SetTextColor(c.dc, kRed);
  SetBkMode(c.dc, TRANSPARENT);
  EXPECT_EQ(SaveDC(c.dc), 2);
  SetTextColor(c.dc, RGB(0, 0, 255));
  SetViewportOrgEx(c.dc, 5, 5, nullptr);
  EXPECT_EQ(SaveDC(c.dc), 3);
  EXPECT_TRUE(RestoreDC(c.dc, -2));  // back to the state saved by call 2
  EXPECT_EQ(GetTextColor(c.dc), kRed);
  EXPECT_EQ(GetBkMode(c.dc), TRANSPARENT);
  POINT org{};
  GetViewportOrgEx(c.dc, &org);
  EXPECT_EQ(org.x, 0);
  EXPECT_FALSE(RestoreDC(c.dc, 2));  // level 2 was consumed
  EXPECT_TRUE(RestoreDC(c.dc, 1));
  EXPECT_EQ(GetTextColor(c.dc), kBlack);
  EXPECT_EQ(GetBkMode(c.dc), OPAQUE);
  EXPECT_FALSE(RestoreDC(c.dc, -1));
}

TEST_F(GdiDc, RestoreDcBringsBackSelectedObjectsAndClip) {
  DibCanvas c(8, 8);
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  const int saved = SaveDC(c.dc);
  SelectObject(c.dc, pen);
  IntersectClipRect(c.dc, 0, 0, 2, 2);
  RestoreDC(c.dc, saved);
  EXPECT_EQ(GetCurrentObject(c.dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  RECT box{};
  EXPECT_EQ(GetClipBox(c.dc, &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 8);
  DeleteObject(pen);
}

TEST_F(GdiDc, ClipRectanglesLimitDrawing) {
  DibCanvas c(10, 10);
  EXPECT_EQ(IntersectClipRect(c.dc, 2, 2, 8, 8), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(c.dc, 4, 4, 6, 6), COMPLEXREGION);
  RECT box{};
  EXPECT_EQ(GetClipBox(c.dc, &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.bottom, 8);
  c.Fill(kBlack);
  EXPECT_EQ(c.At(1, 1), kWhite);
  EXPECT_EQ(c.At(2, 2), kBlack);
  EXPECT_EQ(c.At(4, 4), kWhite);
  EXPECT_EQ(c.At(7, 7), kBlack);
  EXPECT_EQ(c.At(8, 8), kWhite);
  EXPECT_FALSE(PtVisible(c.dc, 5, 5));
  EXPECT_TRUE(PtVisible(c.dc, 3, 3));
  EXPECT_EQ(SelectClipRgn(c.dc, nullptr), SIMPLEREGION);
  EXPECT_TRUE(PtVisible(c.dc, 5, 5));
}

TEST_F(GdiDc, SelectClipRgnUsesDeviceCoordinatesAndCopiesTheRegion) {
  DibCanvas c(10, 10);
  SetViewportOrgEx(c.dc, 3, 0, nullptr);
  HRGN rgn = CreateRectRgn(0, 0, 2, 10);
  EXPECT_EQ(SelectClipRgn(c.dc, rgn), SIMPLEREGION);
  DeleteObject(rgn);  // the DC keeps its own copy
  RECT box{};
  GetClipBox(c.dc, &box);
  EXPECT_EQ(box.left, -3);  // answered in logical coordinates
  SetViewportOrgEx(c.dc, 0, 0, nullptr);
  c.Fill(kBlack);
  EXPECT_EQ(c.Count(RECT{0, 0, 10, 10}, kBlack), 20);
  EXPECT_EQ(c.At(1, 0), kBlack);
}

TEST_F(GdiDc, OriginsMoveLogicalCoordinates) {
  DibCanvas c(10, 10);
  SetViewportOrgEx(c.dc, 4, 0, nullptr);
  SetWindowOrgEx(c.dc, 0, -2, nullptr);
  POINT p{1, 1};
  LPtoDP(c.dc, &p, 1);
  EXPECT_EQ(p.x, 5);
  EXPECT_EQ(p.y, 3);
  DPtoLP(c.dc, &p, 1);
  EXPECT_EQ(p.x, 1);
  POINT old{};
  OffsetViewportOrgEx(c.dc, 1, 1, &old);
  EXPECT_EQ(old.x, 4);
  SetPixelV(c.dc, 0, 0, kRed);  // device (5, 3)
  EXPECT_EQ(c.At(5, 3), kRed);
  EXPECT_EQ(GetPixel(c.dc, 0, 0), kRed);
}

TEST_F(GdiDc, EnglishMapModeTurnsYUp) {
  DibCanvas c(200, 200);
  EXPECT_EQ(SetMapMode(c.dc, MM_LOENGLISH), MM_TEXT);
  POINT p{100, -100};  // one inch right and down
  LPtoDP(c.dc, &p, 1);
  EXPECT_EQ(p.x, 96);
  EXPECT_EQ(p.y, 96);
  SetMapMode(c.dc, MM_TEXT);
  p = POINT{7, 7};
  LPtoDP(c.dc, &p, 1);
  EXPECT_EQ(p.y, 7);
}

TEST_F(GdiDc, LinesLeaveOutTheLastPixel) {
  DibCanvas c(10, 10);
  MoveToEx(c.dc, 1, 1, nullptr);
  LineTo(c.dc, 6, 1);
  EXPECT_EQ(c.Count(RECT{0, 1, 10, 2}, kBlack), 5);
  EXPECT_EQ(c.At(6, 1), kWhite);
  POINT pos{};
  GetCurrentPositionEx(c.dc, &pos);
  EXPECT_EQ(pos.x, 6);
  LineTo(c.dc, 6, 5);  // vertical, from the current position
  EXPECT_EQ(c.At(6, 1), kBlack);
  EXPECT_EQ(c.At(6, 4), kBlack);
  EXPECT_EQ(c.At(6, 5), kWhite);
  // A diagonal covers one pixel per step, no antialiasing.
  MoveToEx(c.dc, 0, 9, nullptr);
  LineTo(c.dc, 4, 5);
  EXPECT_EQ(c.At(0, 9), kBlack);
  EXPECT_EQ(c.At(3, 6), kBlack);
  EXPECT_EQ(c.At(4, 5), kWhite);
  EXPECT_EQ(c.Count(RECT{0, 5, 5, 10}, kBlack), 4);
}

TEST_F(GdiDc, RectangleFramesWithThePenAndFillsWithTheBrush) {
  DibCanvas c(10, 10);
  HBRUSH brush = CreateSolidBrush(kRed);
  SelectObject(c.dc, brush);
  Rectangle(c.dc, 1, 1, 6, 5);
  EXPECT_EQ(c.At(1, 1), kBlack);
  EXPECT_EQ(c.At(5, 4), kBlack);
  EXPECT_EQ(c.At(6, 5), kWhite);
  EXPECT_EQ(c.Count(RECT{2, 2, 5, 4}, kRed), 6);
  // Without a pen the fill stops one pixel short on the right and bottom.
  c.Fill(kWhite);
  SelectObject(c.dc, GetStockObject(NULL_PEN));
  Rectangle(c.dc, 0, 0, 4, 4);
  EXPECT_EQ(c.Count(RECT{0, 0, 10, 10}, kRed), 9);
  SelectObject(c.dc, GetStockObject(WHITE_BRUSH));
  DeleteObject(brush);
}

TEST_F(GdiDc, FillRectAcceptsSystemColourIndexesAndFrameRectIsOnePixel) {
  DibCanvas c(10, 10);
  RECT r{0, 0, 4, 4};
  FillRect(c.dc, &r, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  EXPECT_EQ(c.At(3, 3), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(c.At(4, 4), kWhite);
  RECT f{5, 5, 9, 9};
  FrameRect(c.dc, &f, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(c.Count(RECT{5, 5, 9, 9}, kBlack), 12);
  EXPECT_EQ(c.At(6, 6), kWhite);
}

TEST_F(GdiDc, FocusRectIsDottedAndErasesItself) {
  DibCanvas c(10, 10);
  RECT r{1, 1, 9, 9};
  DrawFocusRect(c.dc, &r);
  EXPECT_EQ(c.At(1, 1), kBlack);
  EXPECT_EQ(c.At(2, 1), kWhite);
  EXPECT_EQ(c.At(3, 1), kBlack);
  EXPECT_EQ(c.At(5, 5), kWhite);
  DrawFocusRect(c.dc, &r);
  EXPECT_EQ(c.Count(RECT{0, 0, 10, 10}, kWhite), 100);
}

TEST_F(GdiDc, XorPenDrawsTwiceToNothing) {
  DibCanvas c(10, 10, RGB(0x12, 0x34, 0x56));
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0xFF, 0x00, 0xFF));
  SelectObject(c.dc, pen);
  EXPECT_EQ(SetROP2(c.dc, R2_XORPEN), R2_COPYPEN);
  MoveToEx(c.dc, 0, 0, nullptr);
  LineTo(c.dc, 5, 0);
  EXPECT_EQ(c.At(0, 0), RGB(0x12 ^ 0xFF, 0x34, 0x56 ^ 0xFF));
  MoveToEx(c.dc, 0, 0, nullptr);
  LineTo(c.dc, 5, 0);
  EXPECT_EQ(c.At(0, 0), RGB(0x12, 0x34, 0x56));
  SetROP2(c.dc, R2_NOT);
  MoveToEx(c.dc, 0, 1, nullptr);
  LineTo(c.dc, 1, 1);
  EXPECT_EQ(c.At(0, 1), RGB(0xED, 0xCB, 0xA9));
  SelectObject(c.dc, GetStockObject(BLACK_PEN));
  DeleteObject(pen);
}

TEST_F(GdiDc, DeletedSelectedPenFallsBackToTheStockPen) {
  DibCanvas c(4, 4);
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  SelectObject(c.dc, pen);
  DeleteObject(pen);
  MoveToEx(c.dc, 0, 0, nullptr);
  LineTo(c.dc, 3, 0);
  EXPECT_EQ(c.At(0, 0), kBlack);
}

TEST_F(GdiDc, SurfaceDcDrawsAtItsOriginWithinItsClip) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 20, 20);
  HWND owner = reinterpret_cast<HWND>(0x4242);
  HDC dc = win32::internal::CreateSurfaceDC(surface, POINT{5, 5}, RECT{5, 5, 10, 10}, owner);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(win32::internal::WindowFromSurfaceDC(dc), owner);
  EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_DC));
  RECT box{};
  GetClipBox(dc, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.right, 5);
  RECT all{-5, -5, 20, 20};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  cairo_surface_flush(surface);
  const auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface));
  const int stride = cairo_image_surface_get_stride(surface) / 4;
  EXPECT_EQ(data[5 * stride + 5] & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(data[9 * stride + 9] & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(data[4 * stride + 4] & 0xFFFFFF, 0u);
  EXPECT_EQ(data[10 * stride + 10] & 0xFFFFFF, 0u);
  EXPECT_FALSE(DeleteDC(dc));  // belongs to the window manager
  win32::internal::DeleteSurfaceDC(dc);
  EXPECT_EQ(GetObjectType(dc), 0u);
  cairo_surface_destroy(surface);
}

TEST_F(GdiDc, DeviceCapsReportTheFixedScreen) {
  HDC screen = CreateDC("DISPLAY", nullptr, nullptr, nullptr);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 1024);
  EXPECT_EQ(GetDeviceCaps(screen, VERTRES), 768);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
  EXPECT_EQ(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE, 0);
  win32::gdi::SetScreenBitsPerPixel(8);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 8);
  EXPECT_NE(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE, 0);
  EXPECT_EQ(GetDeviceCaps(screen, SIZEPALETTE), 256);
  DeleteDC(screen);
  EXPECT_EQ(CreateDC("WINSPOOL", "Printer", nullptr, nullptr), nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 0);
}

TEST_F(GdiDc, RecordingListsWhatWasDrawn) {
  DibCanvas c(20, 20);
  SetViewportOrgEx(c.dc, 2, 0, nullptr);
  ASSERT_TRUE(win32::gdi::StartRecording(c.dc));
  RECT r{0, 0, 5, 5};
  FillRect(c.dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SetTextColor(c.dc, kRed);
  TextOut(c.dc, 1, 2, "Hi", 2);
  const auto records = win32::gdi::StopRecording(c.dc);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].op, "FillRect");
  EXPECT_EQ(records[0].rect.left, 2);
  EXPECT_EQ(records[0].brushColor, kBlack);
  EXPECT_EQ(records[1].op, "TextOut");
  EXPECT_EQ(records[1].text, "Hi");
  EXPECT_EQ(records[1].textColor, kRed);
  EXPECT_EQ(records[1].face, "System");
  TextOut(c.dc, 0, 0, "x", 1);
  EXPECT_TRUE(win32::gdi::StopRecording(c.dc).empty());
}
