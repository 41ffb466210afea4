// Bitmaps, DIBs and block transfers with raster operations.
#include <cstring>
#include <vector>

#include "gdi_test_support.h"
#include "internal/gdi_system.h"

namespace {

// A packed DIB: header, colour table, bits (bottom-up unless `topDown`).
std::vector<uint8_t> PackedDib(int width, int height, int bpp, const std::vector<RGBQUAD>& colors,
                               const std::vector<uint8_t>& bits, bool topDown = false) {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof(h);
  h.biWidth = width;
  h.biHeight = topDown ? -height : height;
  h.biPlanes = 1;
  h.biBitCount = static_cast<WORD>(bpp);
  h.biClrUsed = static_cast<DWORD>(colors.size());
  std::vector<uint8_t> out(sizeof(h) + colors.size() * sizeof(RGBQUAD));
  std::memcpy(out.data(), &h, sizeof(h));
  if (!colors.empty()) std::memcpy(out.data() + sizeof(h), colors.data(), colors.size() * sizeof(RGBQUAD));
  out.insert(out.end(), bits.begin(), bits.end());
  return out;
}

// The pixels of a bitmap read through a memory DC.
COLORREF PixelOf(HBITMAP bmp, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bmp);
  const COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return c;
}

constexpr RGBQUAD Quad(BYTE r, BYTE g, BYTE b) { return RGBQUAD{b, g, r, 0}; }

}  // namespace

using GdiBitmaps = GdiTest;

TEST_F(GdiBitmaps, LoadsPalettedDibsBottomUp) {
  // 2x2, 1 bpp: bottom row "10", top row "01"; rows padded to 4 bytes.
  const auto mono = PackedDib(2, 2, 1, {Quad(255, 0, 0), Quad(0, 0, 255)}, {0x80, 0, 0, 0, 0x40, 0, 0, 0});
  HBITMAP b1 = win32::gdi::CreateBitmapFromDib(mono.data(), mono.size());
  ASSERT_NE(b1, nullptr);
  EXPECT_EQ(PixelOf(b1, 0, 1), RGB(0, 0, 255));
  EXPECT_EQ(PixelOf(b1, 1, 1), RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(b1, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(b1, 1, 0), RGB(0, 0, 255));

  // 3x1, 4 bpp: indexes 1, 2, 0.
  const auto four = PackedDib(3, 1, 4, {Quad(0, 0, 0), Quad(10, 20, 30), Quad(40, 50, 60)}, {0x12, 0x00, 0, 0});
  HBITMAP b4 = win32::gdi::CreateBitmapFromDib(four.data(), four.size());
  ASSERT_NE(b4, nullptr);
  EXPECT_EQ(PixelOf(b4, 0, 0), RGB(10, 20, 30));
  EXPECT_EQ(PixelOf(b4, 1, 0), RGB(40, 50, 60));
  EXPECT_EQ(PixelOf(b4, 2, 0), RGB(0, 0, 0));

  // 2x1, 8 bpp with a short (biClrUsed) colour table.
  const auto eight = PackedDib(2, 1, 8, {Quad(1, 2, 3), Quad(200, 100, 50)}, {1, 0, 0, 0});
  HBITMAP b8 = win32::gdi::CreateBitmapFromDib(eight.data(), eight.size());
  ASSERT_NE(b8, nullptr);
  EXPECT_EQ(PixelOf(b8, 0, 0), RGB(200, 100, 50));
  EXPECT_EQ(PixelOf(b8, 1, 0), RGB(1, 2, 3));
}

TEST_F(GdiBitmaps, LoadsTrueColourDibsBothWays) {
  // 24 bpp, 1x2, top-down: blue-green-red byte order, rows padded.
  const auto top = PackedDib(1, 2, 24, {}, {0x30, 0x20, 0x10, 0, 0x03, 0x02, 0x01, 0}, true);
  HBITMAP t = win32::gdi::CreateBitmapFromDib(top.data(), top.size());
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(PixelOf(t, 0, 0), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(PixelOf(t, 0, 1), RGB(0x01, 0x02, 0x03));
  const auto bottom = PackedDib(1, 2, 24, {}, {0x30, 0x20, 0x10, 0, 0x03, 0x02, 0x01, 0});
  HBITMAP b = win32::gdi::CreateBitmapFromDib(bottom.data(), bottom.size());
  EXPECT_EQ(PixelOf(b, 0, 1), RGB(0x10, 0x20, 0x30));
}

TEST_F(GdiBitmaps, RejectsTruncatedOrMalformedDibs) {
  const auto dib = PackedDib(4, 4, 8, {Quad(0, 0, 0)}, std::vector<uint8_t>(16, 0));
  EXPECT_EQ(win32::gdi::CreateBitmapFromDib(dib.data(), dib.size() - 1), nullptr);
  EXPECT_EQ(win32::gdi::CreateBitmapFromDib(dib.data(), 10), nullptr);
  auto bad = dib;
  reinterpret_cast<BITMAPINFOHEADER*>(bad.data())->biBitCount = 7;
  EXPECT_EQ(win32::gdi::CreateBitmapFromDib(bad.data(), bad.size()), nullptr);
  EXPECT_EQ(win32::gdi::CreateBitmapFromDib(nullptr, 100), nullptr);
}

TEST_F(GdiBitmaps, GetDibitsReturnsTheColourTableAndIndexes) {
  const auto dib = PackedDib(2, 1, 8, {Quad(0, 0, 0), Quad(255, 255, 0)}, {1, 0, 0, 0});
  HBITMAP bmp = win32::gdi::CreateBitmapFromDib(dib.data(), dib.size());
  HDC dc = CreateCompatibleDC(nullptr);
  std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* bmi = reinterpret_cast<BITMAPINFO*>(info.data());
  bmi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  EXPECT_EQ(GetDIBits(dc, bmp, 0, 1, nullptr, bmi, DIB_RGB_COLORS), 1);
  EXPECT_EQ(bmi->bmiHeader.biWidth, 2);
  bmi->bmiHeader.biBitCount = 8;
  bmi->bmiHeader.biHeight = 1;
  uint8_t bits[4]{};
  EXPECT_EQ(GetDIBits(dc, bmp, 0, 1, bits, bmi, DIB_RGB_COLORS), 1);
  EXPECT_EQ(bits[0], 1);
  EXPECT_EQ(bits[1], 0);
  EXPECT_EQ(bmi->bmiColors[1].rgbRed, 255);
  EXPECT_EQ(bmi->bmiColors[1].rgbBlue, 0);
  DeleteDC(dc);
}

TEST_F(GdiBitmaps, DibSectionBitsAndGdiStayInStep) {
  std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD));
  auto* bmi = reinterpret_cast<BITMAPINFO*>(info.data());
  bmi->bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 8, 2, 1, 8, BI_RGB, 0, 0, 0, 2, 0};
  bmi->bmiColors[0] = Quad(0, 0, 0);
  reinterpret_cast<RGBQUAD*>(bmi->bmiColors)[1] = Quad(0, 255, 0);
  void* p = nullptr;
  HBITMAP bmp = CreateDIBSection(nullptr, bmi, DIB_RGB_COLORS, &p, nullptr, 0);
  ASSERT_NE(bmp, nullptr);
  auto* bits = static_cast<uint8_t*>(p);
  bits[0] = 1;  // bottom-left pixel
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, bmp);
  EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0, 255, 0));
  SetPixelV(dc, 3, 0, RGB(0, 250, 0));  // nearest colour: index 1, top row
  EXPECT_EQ(bits[8 + 3], 1);
  RGBQUAD table[2]{};
  EXPECT_EQ(GetDIBColorTable(dc, 0, 2, table), 2u);
  EXPECT_EQ(table[1].rgbGreen, 255);
  DIBSECTION ds{};
  EXPECT_EQ(GetObject(bmp, sizeof(ds), &ds), static_cast<int>(sizeof(DIBSECTION)));
  EXPECT_EQ(ds.dsBm.bmBits, p);
  EXPECT_EQ(ds.dsBmih.biBitCount, 8);
  DeleteDC(dc);
  DeleteObject(bmp);
}

TEST_F(GdiBitmaps, BitBltRasterOperationsCombinePixels) {
  DibCanvas src(1, 1, RGB(0xF0, 0x0F, 0x33));
  struct Case {
    DWORD rop;
    COLORREF expected;
  };
  const COLORREF d = RGB(0xAA, 0x55, 0x0F);
  const Case cases[] = {
      {SRCCOPY, RGB(0xF0, 0x0F, 0x33)},
      {SRCAND, RGB(0xA0, 0x05, 0x03)},
      {SRCPAINT, RGB(0xFA, 0x5F, 0x3F)},
      {SRCINVERT, RGB(0x5A, 0x5A, 0x3C)},
      {NOTSRCCOPY, RGB(0x0F, 0xF0, 0xCC)},
      {DSTINVERT, RGB(0x55, 0xAA, 0xF0)},
      {BLACKNESS, RGB(0, 0, 0)},
      {WHITENESS, RGB(255, 255, 255)},
      {PATCOPY, RGB(0x11, 0x22, 0x33)},
      {PATINVERT, RGB(0xAA ^ 0x11, 0x55 ^ 0x22, 0x0F ^ 0x33)},
      {SRCERASE, RGB(0xF0 & 0x55, 0x0F & 0xAA, 0x33 & 0xF0)},
  };
  for (const Case& c : cases) {
    DibCanvas dst(1, 1, d);
    HBRUSH brush = CreateSolidBrush(RGB(0x11, 0x22, 0x33));
    SelectObject(dst.dc, brush);
    EXPECT_TRUE(BitBlt(dst.dc, 0, 0, 1, 1, src.dc, 0, 0, c.rop));
    EXPECT_EQ(dst.At(0, 0), c.expected) << std::hex << c.rop;
    SelectObject(dst.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
  }
}

TEST_F(GdiBitmaps, PatBltRefusesSourceOperations) {
  DibCanvas c(4, 4);
  EXPECT_FALSE(PatBlt(c.dc, 0, 0, 4, 4, SRCCOPY));
  SelectObject(c.dc, GetStockObject(BLACK_BRUSH));
  EXPECT_TRUE(PatBlt(c.dc, 1, 1, 2, 2, PATCOPY));
  EXPECT_EQ(c.Count(RECT{0, 0, 4, 4}, RGB(0, 0, 0)), 4);
  EXPECT_TRUE(PatBlt(c.dc, 0, 0, 4, 4, DSTINVERT));
  EXPECT_EQ(c.Count(RECT{0, 0, 4, 4}, RGB(0, 0, 0)), 12);
}

TEST_F(GdiBitmaps, StretchBltSamplesNearestPixels) {
  DibCanvas src(2, 1);
  SetPixelV(src.dc, 0, 0, RGB(255, 0, 0));
  SetPixelV(src.dc, 1, 0, RGB(0, 0, 255));
  DibCanvas dst(4, 2);
  EXPECT_TRUE(StretchBlt(dst.dc, 0, 0, 4, 2, src.dc, 0, 0, 2, 1, SRCCOPY));
  EXPECT_EQ(dst.At(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(dst.At(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(dst.At(2, 0), RGB(0, 0, 255));
  EXPECT_EQ(dst.At(3, 1), RGB(0, 0, 255));
}

TEST_F(GdiBitmaps, MonochromeBitmapsTakeTextAndBackgroundColours) {
  // Bits: one row, first pixel black (0), second white (1).
  const BYTE row[2] = {0x40, 0x00};
  HBITMAP mono = CreateBitmap(2, 1, 1, 1, row);
  HDC mem = CreateCompatibleDC(nullptr);
  SelectObject(mem, mono);
  DibCanvas dst(2, 1);
  SetTextColor(dst.dc, RGB(255, 0, 0));
  SetBkColor(dst.dc, RGB(0, 0, 255));
  BitBlt(dst.dc, 0, 0, 2, 1, mem, 0, 0, SRCCOPY);
  EXPECT_EQ(dst.At(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(dst.At(1, 0), RGB(0, 0, 255));
  // Colour to monochrome: the source background becomes white.
  SetBkColor(dst.dc, RGB(0, 0, 255));
  BitBlt(mem, 0, 0, 2, 1, dst.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(GetPixel(mem, 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(mem, 1, 0), RGB(255, 255, 255));
  // A compatible bitmap of a fresh memory DC is monochrome.
  HDC fresh = CreateCompatibleDC(nullptr);
  HBITMAP compatible = CreateCompatibleBitmap(fresh, 4, 4);
  BITMAP bm{};
  GetObject(compatible, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  DeleteDC(fresh);
  DeleteDC(mem);
}

TEST_F(GdiBitmaps, TransparentBltSkipsTheKeyColour) {
  DibCanvas src(2, 1, RGB(255, 0, 255));
  SetPixelV(src.dc, 1, 0, RGB(1, 2, 3));
  DibCanvas dst(2, 1, RGB(9, 9, 9));
  EXPECT_TRUE(TransparentBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, 2, 1, RGB(255, 0, 255)));
  EXPECT_EQ(dst.At(0, 0), RGB(9, 9, 9));
  EXPECT_EQ(dst.At(1, 0), RGB(1, 2, 3));
}

TEST_F(GdiBitmaps, StretchDibitsDrawsABottomUpDib) {
  const auto dib = PackedDib(1, 2, 24, {}, {0, 0, 0xFF, 0, 0xFF, 0, 0, 0});
  const auto* bmi = reinterpret_cast<const BITMAPINFO*>(dib.data());
  DibCanvas dst(1, 2);
  EXPECT_EQ(StretchDIBits(dst.dc, 0, 0, 1, 2, 0, 0, 1, 2, dib.data() + sizeof(BITMAPINFOHEADER), bmi, DIB_RGB_COLORS,
                          SRCCOPY),
            2);
  EXPECT_EQ(dst.At(0, 0), RGB(0, 0, 255));  // the last row in memory is the top
  EXPECT_EQ(dst.At(0, 1), RGB(255, 0, 0));
}

TEST_F(GdiBitmaps, IconsFromResourceImagesKeepTheirMask) {
  // 2x2 icon, 24 bpp XOR (red), AND mask: top-left transparent.
  std::vector<uint8_t> bits = {0, 0, 255, 0, 0, 255, 0, 0,        // bottom row + padding
                               0, 0, 255, 0, 0, 255, 0, 0};       // top row
  std::vector<uint8_t> andMask = {0x00, 0, 0, 0, 0x80, 0, 0, 0};  // bottom row opaque, top-left clear
  bits.insert(bits.end(), andMask.begin(), andMask.end());
  auto image = PackedDib(2, 4, 24, {}, bits);
  HICON icon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x30000, 0, 0, 0);
  ASSERT_NE(icon, nullptr);
  DibCanvas c(2, 2, RGB(0, 255, 0));
  EXPECT_TRUE(DrawIconEx(c.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(c.At(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(c.At(1, 0), RGB(255, 0, 0));
  EXPECT_EQ(c.At(0, 1), RGB(255, 0, 0));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  EXPECT_TRUE(info.fIcon);
  EXPECT_EQ(PixelOf(info.hbmMask, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(PixelOf(info.hbmColor, 1, 0), RGB(255, 0, 0));
  HICON copy = CopyIcon(icon);
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));
  EXPECT_TRUE(DrawIcon(c.dc, 0, 0, copy));
  EXPECT_TRUE(DestroyIcon(copy));
  EXPECT_TRUE(DeleteObject(info.hbmMask));
  EXPECT_TRUE(DeleteObject(info.hbmColor));
}
