// Printer DCs: which names make one, their device capabilities for each
// paper and orientation, mapping modes and escapes.
#include <gtest/gtest.h>

#include "print_fixture.h"

namespace halvane::test {
namespace {

struct Paper {
  short paper;
  short orientation;
  int width;  // 600 dpi pixels
  int height;
};

TEST(PrinterDcTest, TheCapabilitiesDescribeEachPaperAt600Dpi) {
  const Paper papers[] = {{DMPAPER_A4, DMORIENT_PORTRAIT, 4961, 7016},
                          {DMPAPER_A4, DMORIENT_LANDSCAPE, 7016, 4961},
                          {DMPAPER_LETTER, DMORIENT_PORTRAIT, 5100, 6600},
                          {DMPAPER_LETTER, DMORIENT_LANDSCAPE, 6600, 5100}};
  for (const Paper& p : papers) {
    HDC dc = PrinterDC(p.paper, p.orientation);
    ASSERT_NE(nullptr, dc);
    EXPECT_EQ(DT_RASPRINTER, GetDeviceCaps(dc, TECHNOLOGY));
    EXPECT_EQ(600, GetDeviceCaps(dc, LOGPIXELSX));
    EXPECT_EQ(600, GetDeviceCaps(dc, LOGPIXELSY));
    EXPECT_EQ(p.width, GetDeviceCaps(dc, PHYSICALWIDTH)) << p.paper << "/" << p.orientation;
    EXPECT_EQ(p.height, GetDeviceCaps(dc, PHYSICALHEIGHT)) << p.paper << "/" << p.orientation;
    const int offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    const int offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    EXPECT_GT(offsetX, 0);
    EXPECT_EQ(p.width - 2 * offsetX, GetDeviceCaps(dc, HORZRES));
    EXPECT_EQ(p.height - 2 * offsetY, GetDeviceCaps(dc, VERTRES));
    EXPECT_NEAR(GetDeviceCaps(dc, HORZRES) * 25.4 / 600, GetDeviceCaps(dc, HORZSIZE), 1.0);
    EXPECT_NEAR(GetDeviceCaps(dc, VERTRES) * 25.4 / 600, GetDeviceCaps(dc, VERTSIZE), 1.0);
    EXPECT_TRUE(GetDeviceCaps(dc, RASTERCAPS) & RC_STRETCHDIB);
    EXPECT_TRUE(DeleteDC(dc));
  }
}

TEST(PrinterDcTest, OnlyThePdfPrinterMakesAPrinterDc) {
  for (HDC dc : {CreateDC("WINSPOOL", "PDF Printer", nullptr, nullptr), CreateDC("winspool", nullptr, nullptr, nullptr),
                 CreateDC(nullptr, "pdf printer", "FILE:", nullptr)}) {
    EXPECT_EQ(DT_RASPRINTER, GetDeviceCaps(dc, TECHNOLOGY));
    EXPECT_EQ(4961, GetDeviceCaps(dc, PHYSICALWIDTH)) << "A4 unless the device mode says otherwise";
    DeleteDC(dc);
  }
  EXPECT_EQ(nullptr, CreateDC("WINSPOOL", "Laser 9000", nullptr, nullptr));
  EXPECT_EQ(nullptr, CreateDC(nullptr, nullptr, nullptr, nullptr));
  HDC ic = CreateIC("WINSPOOL", "PDF Printer", nullptr, nullptr);
  EXPECT_EQ(600, GetDeviceCaps(ic, LOGPIXELSX));
  DOCINFO di{sizeof di, "ic", nullptr, nullptr, 0};
  EXPECT_EQ(SP_ERROR, StartDoc(ic, &di)) << "an information context prints nothing";
  DeleteDC(ic);
}

TEST(PrinterDcTest, MetricMappingModesUseThePrinterResolution) {
  HDC dc = PrinterDC();
  SetMapMode(dc, MM_LOENGLISH);
  POINT p{100, -200};
  LPtoDP(dc, &p, 1);
  EXPECT_EQ(600, p.x);
  EXPECT_EQ(1200, p.y);
  SetMapMode(dc, MM_LOMETRIC);
  p = POINT{254, -254};
  LPtoDP(dc, &p, 1);
  EXPECT_EQ(600, p.x);
  EXPECT_EQ(600, p.y);
  DeleteDC(dc);

  HDC screen = CreateCompatibleDC(nullptr);
  SetMapMode(screen, MM_LOENGLISH);
  p = POINT{100, -100};
  LPtoDP(screen, &p, 1);
  EXPECT_EQ(96, p.x) << "the screen stays at 96 dpi";
  DeleteDC(screen);
}

TEST(PrinterDcTest, EscapesAnswerThePageSizeAndOffset) {
  HDC dc = PrinterDC(DMPAPER_LETTER);
  int query = GETPHYSPAGESIZE;
  EXPECT_EQ(1, Escape(dc, QUERYESCSUPPORT, sizeof query, reinterpret_cast<LPCSTR>(&query), nullptr));
  query = 4711;
  EXPECT_EQ(0, Escape(dc, QUERYESCSUPPORT, sizeof query, reinterpret_cast<LPCSTR>(&query), nullptr));
  POINT size{}, offset{};
  EXPECT_EQ(1, Escape(dc, GETPHYSPAGESIZE, 0, nullptr, &size));
  EXPECT_EQ(1, Escape(dc, GETPRINTINGOFFSET, 0, nullptr, &offset));
  EXPECT_EQ(5100, size.x);
  EXPECT_EQ(6600, size.y);
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), offset.x);
  DeleteDC(dc);
  EXPECT_EQ(0, Escape(dc, GETPHYSPAGESIZE, 0, nullptr, &size)) << "a deleted DC";
}

TEST(PrinterDcTest, TheDefaultPrinterIsThePdfPrinter) {
  char name[32] = {};
  DWORD size = sizeof name;
  ASSERT_TRUE(GetDefaultPrinter(name, &size));
  EXPECT_STREQ("PDF Printer", name);
  EXPECT_EQ(12u, size);
  size = 4;
  EXPECT_FALSE(GetDefaultPrinter(name, &size));
  EXPECT_EQ(12u, size);
}

}  // namespace
}  // namespace halvane::test
