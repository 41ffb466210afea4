// Printing a grid into the PDF printer: pages of rows with the header row
// repeated and the page header's tokens filled in.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <afxext.h>

#include "grid_fixture.h"
#include "temp_folder.h"

namespace grid_test {
namespace {

std::string RunTool(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

int Count(const std::string& text, const std::string& what) {
  int count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

class PrintTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    if (RunTool("command -v pdftotext").empty()) GTEST_SKIP() << "poppler-utils is not installed";
    Attach(grid);
    grid.SetRowCount(80);
    grid.SetColCount(2);
    grid.SetValueRange(CGXRange(0, 1), "Verb name");
    for (ROWCOL row = 1; row <= 80; ++row) {
      grid.SetValueRange(CGXRange(row, 1), ("Verb" + std::to_string(row)).c_str());
    }
    CString title;
    title.Format("%s $F", "Customer");
    grid.GetParam()->GetProperties()->GetDataHeader().StoreStyleRowCol(
        1, 2, CGXStyle().SetValue(title).SetFont(CGXFont().SetSize(11).SetBold(TRUE)));
    ASSERT_FALSE(folder.path().empty());
  }
  RecordingGrid grid;
  halvane::test::TempFolder folder{"gridx_print"};
};

TEST_F(PrintTest, PagesCarryTheHeaderWithThePageNumberAndTheRepeatedTitles) {
  grid.GetParam()->GetProperties()->GetDataFooter().StoreStyleRowCol(1, 3, CGXStyle().SetValue("Page $P of $N"));
  CDC dc;
  ASSERT_TRUE(dc.CreateDC("WINSPOOL", "PDF Printer", nullptr, nullptr));
  CGXGridPrinter printer(grid);
  const CRect area = CGXGridPrinter::GetDrawRect(&dc, *grid.GetParam()->GetProperties());
  const int pages = printer.CountPages(&dc, area);
  ASSERT_EQ(2, pages) << "80 rows of 20 pixels need two A4 pages";
  const std::string file = folder / "verbs.pdf";
  ASSERT_TRUE(printer.PrintDocument(&dc, "Verbs", file.c_str()));
  if (const char* out = std::getenv("HALVANE_TEST_OUTPUT"); out && *out) {
    std::filesystem::create_directories(std::filesystem::path(out) / "PrintTest");
    std::filesystem::copy_file(file, std::filesystem::path(out) / "PrintTest" / "verbs.pdf",
                               std::filesystem::copy_options::overwrite_existing);
  }
  const std::string text = RunTool("pdftotext -layout '" + file + "' -");
  EXPECT_NE(std::string::npos, text.find("Customer 1")) << text.substr(0, 400);
  EXPECT_NE(std::string::npos, text.find("Customer 2"));
  EXPECT_EQ(std::string::npos, text.find("$F"));
  EXPECT_NE(std::string::npos, text.find("Page 1 of 2")) << "the footer";
  EXPECT_NE(std::string::npos, text.find("Page 2 of 2"));
  EXPECT_EQ(2, Count(text, "Verb name")) << "the header row on both pages";
  EXPECT_NE(std::string::npos, text.find("Verb80"));
  EXPECT_EQ(1, Count(text, "Verb1 ") + Count(text, "Verb1\n")) << "every row once";
}

TEST_F(PrintTest, APrintRangeLeavesTheOtherRowsOut) {
  CDC dc;
  ASSERT_TRUE(dc.CreateDC("WINSPOOL", "PDF Printer", nullptr, nullptr));
  CGXGridPrinter printer(grid);
  printer.SetPrintRange(CGXRange().SetRows(10, 12));
  EXPECT_EQ(1, printer.CountPages(&dc, CGXGridPrinter::GetDrawRect(&dc, *grid.GetParam()->GetProperties())));
  const std::string file = folder / "selection.pdf";
  ASSERT_TRUE(printer.PrintDocument(&dc, "Selection", file.c_str()));
  const std::string text = RunTool("pdftotext -layout '" + file + "' -");
  EXPECT_NE(std::string::npos, text.find("Verb name"));
  EXPECT_NE(std::string::npos, text.find("Verb10"));
  EXPECT_NE(std::string::npos, text.find("Verb12"));
  EXPECT_EQ(std::string::npos, text.find("Verb9"));
  EXPECT_EQ(std::string::npos, text.find("Verb13"));
}

TEST_F(PrintTest, ThePrintHooksCountThePagesAndStopAfterTheLast) {
  CDC dc;
  ASSERT_TRUE(dc.CreateDC("WINSPOOL", "PDF Printer", nullptr, nullptr));
  CPrintInfo info;
  info.SetMaxPage(0xFFFF);
  grid.OnGridBeginPrinting(&dc, &info);
  EXPECT_EQ(2u, info.GetMaxPage());
  const std::string file = folder / "hooks.pdf";
  DOCINFO doc{sizeof doc, "Hooks", file.c_str(), nullptr, 0};
  ASSERT_GT(dc.StartDoc(&doc), 0);
  dc.m_bPrinting = TRUE;
  int printed = 0;
  for (info.m_nCurPage = 1; info.m_nCurPage <= 0xFFFF; ++info.m_nCurPage) {
    grid.OnGridPrepareDC(&dc, &info);
    if (!info.m_bContinuePrinting) break;
    ASSERT_GT(dc.StartPage(), 0);
    grid.OnGridPrint(&dc, &info);
    ASSERT_GT(dc.EndPage(), 0);
    ++printed;
  }
  ASSERT_GT(dc.EndDoc(), 0);
  grid.OnGridEndPrinting(&dc, &info);
  EXPECT_EQ(2, printed) << "a page count left open stops after the last page";
  const std::string text = RunTool("pdftotext -layout '" + file + "' -");
  EXPECT_NE(std::string::npos, text.find("Customer 2"));
  EXPECT_NE(std::string::npos, text.find("Verb80"));
}

}  // namespace
}  // namespace grid_test
