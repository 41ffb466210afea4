// The cell controls on paper: a grid view printed and previewed through
// the class library's print loop, with the headers of both programs (the
// connector editor's print no sort marker).
#include <gtest/gtest.h>

#include <afxext.h>

#include "cell_fixture.h"
#include "cell_showcase.h"
#include "grid_print_view.h"
#include "print_fixture.h"

namespace cells_test {
namespace {

// The showcase of the cell controls in either header variant.
class CCellsView : public CGridPrintView {
  DECLARE_DYNCREATE(CCellsView)

 public:
  // The header variant the next view's grid gets.
  static BOOL s_bSortMarkerOnPaper;
  HostGrid m_grid;

 protected:
  CGXGridWnd& Grid() override { return m_grid; }
  void FillGrid() override { FillShowcase(m_grid, s_bSortMarkerOnPaper); }
};
IMPLEMENT_DYNCREATE(CCellsView, CGridPrintView)
BOOL CCellsView::s_bSortMarkerOnPaper = TRUE;

class PrintTest : public halvane::test::MfcTest {
 protected:
  void TearDown() override {
    CCellsView::s_bSortMarkerOnPaper = TRUE;
    MfcTest::TearDown();
  }
  // A frame over a new "Cells" document with the grid view; it deletes
  // itself when destroyed.
  CFrameWnd* OpenFrame(BOOL bSortMarkerOnPaper) {
    CCellsView::s_bSortMarkerOnPaper = bSortMarkerOnPaper;
    CFrameWnd* frame = halvane::test::OpenGridPrintFrame(RUNTIME_CLASS(CCellsView), "Cells");
    if (frame != nullptr) view = dynamic_cast<CCellsView*>(frame->GetActiveView());
    return frame;
  }
  void Preview(BOOL bSortMarkerOnPaper, const std::string& snapshot) {
    CFrameWnd* frame = OpenFrame(bSortMarkerOnPaper);
    ASSERT_NE(nullptr, frame);
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    robot.pumpUntilIdle();
    ASSERT_NE(nullptr, dynamic_cast<CPreviewView*>(frame->GetActiveView()));
    // Zoomed in twice: the cells at their printed size.
    const HWND bar = ::GetDlgItem(frame->m_hWnd, AFX_IDW_PREVIEW_BAR);
    robot.click(halvane::test::Window(::GetDlgItem(bar, static_cast<int>(AFX_ID_PREVIEW_ZOOMIN))));
    robot.click(halvane::test::Window(::GetDlgItem(bar, static_cast<int>(AFX_ID_PREVIEW_ZOOMIN))));
    robot.snapshot(halvane::test::Window(frame->GetSafeHwnd()), snapshot);
    EXPECT_TRUE(folder.files().empty()) << "a preview prints nothing";
    frame->DestroyWindow();
  }

  CWinApp app{"Cell Control Print Tests"};
  halvane::test::PrintFolder folder;
  CCellsView* view = nullptr;
};

TEST_F(PrintTest, ThePreviewShowsTheCellsAndTheSortMarker) { Preview(TRUE, "preview_marker"); }

TEST_F(PrintTest, TheConnectorEditorsPreviewLeavesTheSortMarkerOut) { Preview(FALSE, "preview_no_marker"); }

TEST_F(PrintTest, PrintedCellsCarryTheirTextsAndTheHeaderTitles) {
  if (!halvane::test::HasTool("pdftotext")) GTEST_SKIP() << "poppler-utils is not installed";
  CFrameWnd* frame = OpenFrame(TRUE);
  ASSERT_NE(nullptr, frame);
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
  ASSERT_EQ(std::vector<std::string>{"Cells.pdf"}, folder.files());
  const std::string text = halvane::test::RunTool("pdftotext '" + (folder / "Cells.pdf") + "' -");
  for (const char* expected : {"Pos", "Name", "Type", "Customer", "CustomerName", "/data/orders.csv", "/data/out"})
    EXPECT_NE(std::string::npos, text.find(expected)) << expected << " in\n" << text;
  frame->DestroyWindow();
}

}  // namespace
}  // namespace cells_test
