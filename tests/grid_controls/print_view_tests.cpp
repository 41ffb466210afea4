// A grid printed from a view through the class library's print loop and
// previewed in its print preview, as the programs' grid views do.
#include <gtest/gtest.h>

#include <afxext.h>

#include <filesystem>

#include "grid_fixture.h"
#include "grid_print_view.h"
#include "mfc_test.h"
#include "print_fixture.h"

namespace grid_test {
namespace {

// Seventy named rows, two pages of them, under a header cell of its own.
class CGridView : public CGridPrintView {
  DECLARE_DYNCREATE(CGridView)

 public:
  RecordingGrid m_grid;

 protected:
  CGXGridWnd& Grid() override { return m_grid; }
  void FillGrid() override {
    m_grid.SetRowCount(70);
    m_grid.SetColCount(2);
    m_grid.SetValueRange(CGXRange(0, 1), "Name");
    for (ROWCOL row = 1; row <= 70; ++row) {
      m_grid.SetValueRange(CGXRange(row, 1), ("Attribute" + std::to_string(row)).c_str());
    }
    m_grid.GetParam()->GetProperties()->GetDataHeader().StoreStyleRowCol(
        1, 2, CGXStyle().SetValue("Order $F").SetFont(CGXFont().SetSize(11).SetBold(TRUE)));
  }
};
IMPLEMENT_DYNCREATE(CGridView, CGridPrintView)

class GridViewPrintTest : public halvane::test::MfcTest {
 protected:
  // A frame over a new "Order" document with the grid view; it deletes
  // itself when destroyed.
  CFrameWnd* OpenFrame() {
    CFrameWnd* frame = halvane::test::OpenGridPrintFrame(RUNTIME_CLASS(CGridView), "Order");
    if (frame != nullptr) view = dynamic_cast<CGridView*>(frame->GetActiveView());
    return frame;
  }

  CWinApp app{"Grid Print Tests"};
  halvane::test::PrintFolder folder;
  CGridView* view = nullptr;
};

TEST_F(GridViewPrintTest, PrintDirectWritesEveryPageWithItsNumberInTheHeader) {
  if (!halvane::test::HasTool("pdftotext")) GTEST_SKIP() << "poppler-utils is not installed";
  CFrameWnd* frame = OpenFrame();
  ASSERT_NE(nullptr, frame);
  ASSERT_NE(nullptr, view);
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
  ASSERT_EQ(std::vector<std::string>{"Order.pdf"}, folder.files());
  const std::string file = folder / "Order.pdf";
  EXPECT_EQ("2", halvane::test::PdfInfo(file, "Pages"));
  const std::string text = halvane::test::RunTool("pdftotext '" + file + "' -");
  EXPECT_NE(std::string::npos, text.find("Order 1"));
  EXPECT_NE(std::string::npos, text.find("Order 2"));
  EXPECT_NE(std::string::npos, text.find("Attribute70"));
  frame->DestroyWindow();
}

TEST_F(GridViewPrintTest, ThePreviewShowsTheGridPagesAndPrintsNothing) {
  CFrameWnd* frame = OpenFrame();
  ASSERT_NE(nullptr, frame);
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
  robot.pumpUntilIdle();
  auto* preview = dynamic_cast<CPreviewView*>(frame->GetActiveView());
  ASSERT_NE(nullptr, preview);
  EXPECT_TRUE(folder.files().empty());
  robot.snapshot(halvane::test::Window(frame->GetSafeHwnd()), "grid_preview");
  robot.click(halvane::test::Window(
      ::GetDlgItem(::GetDlgItem(frame->m_hWnd, AFX_IDW_PREVIEW_BAR), static_cast<int>(AFX_ID_PREVIEW_CLOSE))));
  EXPECT_EQ(view, frame->GetActiveView());
  frame->DestroyWindow();
}

}  // namespace
}  // namespace grid_test
