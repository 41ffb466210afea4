// Print jobs: documents become PDF files with their pages, page size and
// drawing in place; aborted jobs leave nothing; calls out of order fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "print_fixture.h"

namespace halvane::test {
namespace {

class PrintJobTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasTool("pdfinfo") || !HasTool("pdftoppm") || !HasTool("pdftotext"))
      GTEST_SKIP() << "poppler-utils is not installed";
  }

  // Prints a document of `pages` pages: page n has "Page n" at the top left
  // and a black block over the left half of the printable area.
  static void PrintPages(HDC dc, int pages, const char* docName, const char* output) {
    DOCINFO di{sizeof di, docName, output, nullptr, 0};
    ASSERT_GT(StartDoc(dc, &di), 0);
    const int width = GetDeviceCaps(dc, HORZRES), height = GetDeviceCaps(dc, VERTRES);
    HFONT font =
        CreateFont(-MulDiv(11, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    for (int page = 1; page <= pages; ++page) {
      ASSERT_GT(StartPage(dc), 0);
      HGDIOBJ old = SelectObject(dc, font);
      const std::string text = "Page " + std::to_string(page);
      TextOut(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
      SelectObject(dc, old);
      RECT block{0, height / 4, width / 2, height};
      FillRect(dc, &block, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      MoveToEx(dc, width / 2, 0, nullptr);
      LineTo(dc, width, height / 8);
      ASSERT_GT(EndPage(dc), 0);
    }
    DeleteObject(font);
    ASSERT_GT(EndDoc(dc), 0);
  }

  PrintFolder out;
};

TEST_F(PrintJobTest, ATwoPageDocumentIsAValidPdfOfA4Pages) {
  HDC dc = PrinterDC();
  PrintPages(dc, 2, "Attributes", (out / "attributes.pdf").c_str());
  DeleteDC(dc);
  const std::string file = out / "attributes.pdf";
  EXPECT_EQ("2", PdfInfo(file, "Pages"));
  EXPECT_EQ("595.276 x 841.89 pts (A4)", PdfInfo(file, "Page size"));
  EXPECT_EQ("Attributes", PdfInfo(file, "Title"));
  const std::string text = RunTool("pdftotext '" + file + "' -");
  EXPECT_NE(std::string::npos, text.find("Page 1"));
  EXPECT_NE(std::string::npos, text.find("Page 2"));
  EXPECT_EQ(std::vector<std::string>{"attributes.pdf"}, out.files()) << "no partial file is left";
}

TEST_F(PrintJobTest, DrawingLandsWhereTheDeviceUnitsSay) {
  HDC dc = PrinterDC(DMPAPER_LETTER, DMORIENT_LANDSCAPE);
  PrintPages(dc, 1, "Blocks", (out / "blocks.pdf").c_str());
  DeleteDC(dc);
  const std::string file = out / "blocks.pdf";
  EXPECT_EQ("792 x 612 pts (letter)", PdfInfo(file, "Page size"));
  // At 20 dpi the page is 220 x 170 pixels; the printable area starts 1/6
  // inch in, so its left half ends at 3.33 + (220 - 6.67) / 2 = 110.
  const GreyPage page = RenderPage(file, 1, 20);
  ASSERT_EQ(220, page.width);
  ASSERT_EQ(170, page.height);
  EXPECT_LT(page.at(20, 120), 64) << "inside the block";
  EXPECT_LT(page.at(105, 160), 64) << "inside the block, near its corner";
  EXPECT_GT(page.at(115, 120), 192) << "right of the block";
  EXPECT_GT(page.at(20, 30), 192) << "above the block";
  EXPECT_GT(page.at(1, 120), 192) << "the unprintable edge";
}

TEST_F(PrintJobTest, WithoutAnOutputTheDocumentGoesToThePrintFolder) {
  HDC dc = PrinterDC();
  PrintPages(dc, 1, "Verbs/Report", nullptr);
  PrintPages(dc, 1, "Second", "FILE:");
  DeleteDC(dc);
  std::vector<std::string> files = out.files();
  std::sort(files.begin(), files.end());
  EXPECT_EQ((std::vector<std::string>{"Second.pdf", "Verbs_Report.pdf"}), files);
  EXPECT_EQ("1", PdfInfo(out / "Verbs_Report.pdf", "Pages"));
}

BOOL CALLBACK RefuseAbortProc(HDC, int) { return FALSE; }

TEST_F(PrintJobTest, AbortedJobsLeaveNoFile) {
  HDC dc = PrinterDC();
  DOCINFO di{sizeof di, "Aborted", nullptr, nullptr, 0};
  ASSERT_GT(StartDoc(dc, &di), 0);
  StartPage(dc);
  EXPECT_GT(AbortDoc(dc), 0);
  EXPECT_TRUE(out.files().empty());

  EXPECT_GT(SetAbortProc(dc, RefuseAbortProc), 0);
  ASSERT_GT(StartDoc(dc, &di), 0);
  StartPage(dc);
  EXPECT_EQ(SP_APPABORT, EndPage(dc));
  EXPECT_EQ(SP_APPABORT, EndDoc(dc));
  EXPECT_TRUE(out.files().empty());

  SetAbortProc(dc, nullptr);
  ASSERT_GT(StartDoc(dc, &di), 0);
  StartPage(dc);
  DeleteDC(dc);  // a job whose DC goes is dropped
  EXPECT_TRUE(out.files().empty());
}

TEST_F(PrintJobTest, CallsOutOfOrderOrOnOtherDcsFail) {
  HDC dc = PrinterDC();
  EXPECT_EQ(SP_ERROR, StartPage(dc)) << "no document";
  EXPECT_EQ(SP_ERROR, EndDoc(dc));
  DOCINFO di{sizeof di, "Twice", nullptr, nullptr, 0};
  const int job = StartDoc(dc, &di);
  EXPECT_GT(job, 0);
  EXPECT_EQ(SP_ERROR, StartDoc(dc, &di));
  EXPECT_EQ(SP_ERROR, EndPage(dc)) << "no page";
  EXPECT_GT(StartPage(dc), 0);
  EXPECT_EQ(SP_ERROR, StartPage(dc)) << "a page is open";
  EXPECT_TRUE(Rectangle(dc, 0, 0, 10, 10));
  EXPECT_GT(EndDoc(dc), 0) << "ends the open page too";
  EXPECT_EQ("1", PdfInfo(out / "Twice.pdf", "Pages"));
  DeleteDC(dc);

  HDC memory = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SP_ERROR, StartDoc(memory, &di));
  EXPECT_EQ(SP_ERROR, EndPage(memory));
  DeleteDC(memory);
  EXPECT_EQ(SP_ERROR, StartDoc(nullptr, &di));
  EXPECT_EQ(SP_ERROR, StartDoc(dc, &di)) << "a deleted DC";
  EXPECT_EQ(SP_ERROR, AbortDoc(dc));
}

TEST_F(PrintJobTest, AnUnwritableOutputFailsTheDocument) {
  HDC dc = PrinterDC();
  DOCINFO di{sizeof di, "Lost", "/no/such/folder/lost.pdf", nullptr, 0};
  EXPECT_EQ(SP_ERROR, StartDoc(dc, &di));
  DeleteDC(dc);
}

}  // namespace
}  // namespace halvane::test
