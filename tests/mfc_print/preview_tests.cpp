// Print preview: the preview in place of the view with its bar, paging and
// zoom through the bar's buttons, Close giving back view, bars and menu;
// and the preview DC that maps printer units onto the screen.
#include <filesystem>
#include <string>

#include "print_fixture_mfc.h"

namespace {

using PreviewTest = PrintTest;
using halvane::test::Window;

CPreviewView* PreviewOf(CFrameWnd& frame) { return dynamic_cast<CPreviewView*>(frame.GetActiveView()); }

// The bar's button as the robot sees it.
Window Button(CFrameWnd& frame, UINT nID) {
  return Window(::GetDlgItem(::GetDlgItem(frame.m_hWnd, AFX_IDW_PREVIEW_BAR), static_cast<int>(nID)));
}

void RunIdle(CFrameWnd* frame) {
  CWinThread thread;
  thread.m_pMainWnd = frame;
  thread.OnIdle(0);
}

TEST_F(PreviewTest, ClosingTheFrameDuringAPreviewEndsOnlyThePreview) {
  CReportFrame* frame = CReportFrame::Open();
  ASSERT_NE(frame, nullptr);
  CView* view = frame->ReportView();
  robot.chooseMenu({"&File", "Print Pre&view"});
  ASSERT_NE(PreviewOf(*frame), nullptr);
  frame->SendMessage(WM_CLOSE);
  ASSERT_TRUE(::IsWindow(frame->m_hWnd)) << "the frame stays";
  EXPECT_EQ(frame->GetActiveView(), view);
  EXPECT_EQ(frame->GetDlgItem(AFX_IDW_PREVIEW_BAR), nullptr);
  EXPECT_EQ(CReportView::Calls().back(), "end");
  frame->DestroyWindow();
}

TEST_F(PreviewTest, ThePreviewTakesTheViewsPlaceAndCloseGivesItBack) {
  CReportFrame* frame = CReportFrame::Open();
  ASSERT_NE(frame, nullptr);
  CView* view = frame->ReportView();
  HMENU menu = ::GetMenu(frame->m_hWnd);
  robot.chooseMenu({"&File", "Print Pre&view"});

  CPreviewView* preview = PreviewOf(*frame);
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(frame->GetDlgItem(AFX_IDW_PANE_FIRST), preview);
  EXPECT_FALSE(view->IsWindowVisible());
  EXPECT_FALSE(frame->m_wndToolBar.IsWindowVisible());
  EXPECT_TRUE(frame->m_wndStatusBar.IsWindowVisible()) << "it tells the pages shown";
  EXPECT_EQ(std::string(frame->m_wndStatusBar.GetPaneText(0)), "Page 1");
  EXPECT_EQ(::GetMenu(frame->m_hWnd), nullptr);
  EXPECT_EQ(preview->GetDocument(), view->GetDocument());
  EXPECT_TRUE(Button(*frame, AFX_ID_PREVIEW_CLOSE).exists());
  robot.pumpUntilIdle();
  EXPECT_EQ(CReportView::Calls(), (std::vector<std::string>{"prepare", "begin", "dc 1", "print 1"}))
      << "the page is drawn through the view's printing";
  EXPECT_TRUE(folder.files().empty()) << "a preview prints nothing";

  robot.click(Button(*frame, AFX_ID_PREVIEW_CLOSE));
  EXPECT_EQ(frame->GetActiveView(), view);
  EXPECT_EQ(frame->GetDlgItem(AFX_IDW_PANE_FIRST), view);
  EXPECT_TRUE(view->IsWindowVisible());
  EXPECT_TRUE(frame->m_wndToolBar.IsWindowVisible());
  EXPECT_TRUE(frame->m_wndStatusBar.IsWindowVisible());
  EXPECT_EQ(::GetMenu(frame->m_hWnd), menu);
  EXPECT_EQ(frame->GetDlgItem(AFX_IDW_PREVIEW_BAR), nullptr);
  EXPECT_EQ(std::string(frame->m_wndStatusBar.GetPaneText(0)), "Ready");
  EXPECT_EQ(CReportView::Calls().back(), "end");
  CRect client, area;
  frame->GetClientRect(&client);
  view->GetWindowRect(&area);
  frame->ScreenToClient(&area);
  EXPECT_GT(area.top, 0) << "the toolbar has its strip again";
  frame->DestroyWindow();
}

TEST_F(PreviewTest, NextPrevTwoPagesAndZoom) {
  CReportFrame* frame = CReportFrame::Open();
  ASSERT_NE(frame, nullptr);
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
  CPreviewView* preview = PreviewOf(*frame);
  ASSERT_NE(preview, nullptr);
  RunIdle(frame);
  EXPECT_EQ(preview->GetCurrentPage(), 1u);
  EXPECT_FALSE(Button(*frame, AFX_ID_PREVIEW_PREV).isEnabled());
  ASSERT_TRUE(Button(*frame, AFX_ID_PREVIEW_NEXT).isEnabled());

  CReportView::Calls().clear();
  robot.click(Button(*frame, AFX_ID_PREVIEW_NEXT));
  RunIdle(frame);
  EXPECT_EQ(preview->GetCurrentPage(), 2u);
  EXPECT_EQ(std::string(frame->m_wndStatusBar.GetPaneText(0)), "Page 2");
  EXPECT_FALSE(Button(*frame, AFX_ID_PREVIEW_NEXT).isEnabled()) << "the last page";
  EXPECT_EQ(CReportView::Calls(), (std::vector<std::string>{"dc 2", "print 2"}));

  robot.click(Button(*frame, AFX_ID_PREVIEW_PREV));
  EXPECT_EQ(preview->GetCurrentPage(), 1u);

  EXPECT_EQ(Button(*frame, AFX_ID_PREVIEW_NUMPAGE).text(), "&Two Page");
  robot.click(Button(*frame, AFX_ID_PREVIEW_NUMPAGE));
  RunIdle(frame);
  EXPECT_EQ(preview->GetPages(), 2u);
  EXPECT_EQ(std::string(frame->m_wndStatusBar.GetPaneText(0)), "Pages 1-2");
  EXPECT_EQ(Button(*frame, AFX_ID_PREVIEW_NUMPAGE).text(), "&One Page");
  const CRect left = preview->GetPageRect(0), right = preview->GetPageRect(1);
  EXPECT_LT(left.right, right.left) << "side by side";
  EXPECT_EQ(left.Size(), right.Size());
  // A page keeps the paper's proportions.
  EXPECT_NEAR(static_cast<double>(left.Height()) / left.Width(), 297.0 / 210.0, 0.05);

  EXPECT_FALSE(Button(*frame, AFX_ID_PREVIEW_ZOOMOUT).isEnabled());
  robot.click(Button(*frame, AFX_ID_PREVIEW_ZOOMIN));
  RunIdle(frame);
  EXPECT_EQ(preview->GetZoomState(), CPreviewView::ZOOM_MIDDLE);
  const CRect middle = preview->GetPageRect(0);
  EXPECT_GT(middle.Width(), left.Width());
  robot.click(Button(*frame, AFX_ID_PREVIEW_ZOOMIN));
  RunIdle(frame);
  EXPECT_EQ(preview->GetZoomState(), CPreviewView::ZOOM_IN);
  EXPECT_FALSE(Button(*frame, AFX_ID_PREVIEW_ZOOMIN).isEnabled());
  EXPECT_FALSE(Button(*frame, AFX_ID_PREVIEW_NUMPAGE).isEnabled());
  // Real size: the printable width at the screen's resolution.
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(nullptr, screen);
  HDC printer = halvane::test::PrinterDC();
  const int printable = ::GetDeviceCaps(printer, HORZRES), printerDpi = ::GetDeviceCaps(printer, LOGPIXELSX);
  ::DeleteDC(printer);
  EXPECT_NEAR(preview->GetPageRect(0).Width(), static_cast<double>(printable) * dpi / printerDpi, 2.0);

  // A click on the page cycles back to the whole page; on the right one
  // of two it zooms in on that page.
  CRect client, visible;
  preview->GetClientRect(&client);
  visible.IntersectRect(preview->GetPageRect(0), client);
  robot.click(Window(preview->m_hWnd), visible.CenterPoint());
  EXPECT_EQ(preview->GetZoomState(), CPreviewView::ZOOM_OUT);
  robot.click(Window(preview->m_hWnd), preview->GetPageRect(1).CenterPoint());
  EXPECT_EQ(preview->GetZoomState(), CPreviewView::ZOOM_MIDDLE);
  EXPECT_EQ(preview->GetCurrentPage(), 2u);

  // Escape closes as Close does.
  robot.key(VK_ESCAPE);
  EXPECT_EQ(frame->GetActiveView(), frame->ReportView());
  frame->DestroyWindow();
}

TEST_F(PreviewTest, PrintFromThePreviewClosesItAndPrints) {
  CReportFrame* frame = CReportFrame::Open();
  ASSERT_NE(frame, nullptr);
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
  ASSERT_NE(PreviewOf(*frame), nullptr);
  robot.onDialog("Print", [](halvane::test::Robot& r, Window dialog) { r.click(dialog.child(IDOK)); });
  robot.click(Button(*frame, AFX_ID_PREVIEW_PRINT));
  EXPECT_EQ(frame->GetActiveView(), frame->ReportView());
  EXPECT_EQ(folder.files(), std::vector<std::string>{"Report.pdf"});
  frame->DestroyWindow();
}

TEST_F(PreviewTest, SnapshotOfTwoPreviewPages) {
  CReportFrame* frame = CReportFrame::Open();
  ASSERT_NE(frame, nullptr);
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
  ASSERT_NE(PreviewOf(*frame), nullptr);
  robot.click(Button(*frame, AFX_ID_PREVIEW_NUMPAGE));
  RunIdle(frame);
  robot.pumpUntilIdle();
  robot.snapshot(Window(frame->m_hWnd), "print_preview_two_pages");
  frame->DestroyWindow();
}

TEST_F(PreviewTest, InAMultipleDocumentProgramThePreviewCoversTheMainFrame) {
  CReportsApp app;
  AfxWinInitArgs({"reports"});
  ASSERT_TRUE(app.InitApplication() && app.InitInstance());
  auto* main = static_cast<CMDIFrameWnd*>(app.m_pMainWnd);
  ASSERT_NE(app.m_pTemplate->OpenDocumentFile(nullptr), nullptr);
  CMDIChildWnd* child = main->MDIGetActive();
  ASSERT_NE(child, nullptr);
  CView* view = child->GetActiveView();
  HWND client = ::GetDlgItem(main->m_hWnd, AFX_IDW_PANE_FIRST);

  main->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
  CPreviewView* preview = dynamic_cast<CPreviewView*>(main->GetDlgItem(AFX_IDW_PANE_FIRST));
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->GetParent(), main);
  EXPECT_FALSE(::IsWindowVisible(client)) << "the MDI client and its children make room";
  // The child's view still hears the command: the preview showing stays.
  main->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
  EXPECT_EQ(main->GetDlgItem(AFX_IDW_PANE_FIRST), preview);
  // The bar's commands reach the preview through the MDI frame.
  RunIdle(main);
  robot.click(Button(*main, AFX_ID_PREVIEW_NEXT));
  EXPECT_EQ(preview->GetCurrentPage(), 2u);
  robot.click(Button(*main, AFX_ID_PREVIEW_CLOSE));
  EXPECT_EQ(::GetDlgItem(main->m_hWnd, AFX_IDW_PANE_FIRST), client);
  EXPECT_TRUE(::IsWindowVisible(client));
  EXPECT_EQ(child->GetActiveView(), view);
  EXPECT_EQ(CReportView::Calls().back(), "end");
  AfxWinTerm();
}

TEST_F(PreviewTest, ThePreviewDCDrawsPrinterUnitsScaledOntoTheScreen) {
  HDC printer = halvane::test::PrinterDC();
  ASSERT_NE(printer, nullptr);
  CDC screen;
  ASSERT_TRUE(screen.CreateCompatibleDC(nullptr));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(300, 300, 1, 32, nullptr));
  CBitmap* old = screen.SelectObject(&bitmap);
  screen.FillSolidRect(0, 0, 300, 300, RGB(255, 255, 255));

  CPreviewDC preview;
  preview.SetAttribDC(printer);
  preview.SetOutputDC(screen.m_hDC);
  preview.SetScaleRatio(1, 6);
  preview.SetTopLeftOffset(CSize(10, 20));
  EXPECT_TRUE(preview.IsPrinting());
  EXPECT_EQ(preview.GetDeviceCaps(LOGPIXELSX), 600) << "queries answer for the printer";
  // 600 printer pixels are 100 screen pixels, from the page's corner.
  CBrush black(RGB(0, 0, 0));
  preview.FillRect(CRect(600, 600, 1200, 1200), &black);

  // A printer font measures in printer pixels and draws a sixth as high.
  CFont font;
  font.CreateFont(-120, 0, 0, 0, FW_NORMAL, FALSE, FALSE, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  CFont* oldFont = preview.SelectObject(&font);
  TEXTMETRIC printerMetrics{}, screenMetrics{};
  preview.GetTextMetrics(&printerMetrics);
  preview.GetOutputTextMetrics(&screenMetrics);
  EXPECT_NEAR(screenMetrics.tmHeight, printerMetrics.tmHeight / 6.0, 2.0);
  preview.SelectObject(oldFont);

  // The printer's own mapping goes through: MM_LOMETRIC tenths of a millimetre.
  preview.SetMapMode(MM_LOMETRIC);
  CPoint corner(254, -254);  // an inch right and down
  ::LPtoDP(screen.m_hDC, &corner, 1);
  EXPECT_NEAR(corner.x, 10 + 100, 1);
  EXPECT_NEAR(corner.y, 20 + 100, 1);

  // The screen DC goes back as it was lent.
  preview.ReleaseOutputDC();
  EXPECT_EQ(::GetMapMode(screen.m_hDC), MM_TEXT);
  EXPECT_EQ(screen.GetPixel(111, 121) & 0xFFFFFF, RGB(0, 0, 0));
  EXPECT_EQ(screen.GetPixel(209, 219) & 0xFFFFFF, RGB(0, 0, 0));
  EXPECT_EQ(screen.GetPixel(108, 150) & 0xFFFFFF, RGB(255, 255, 255));
  EXPECT_EQ(screen.GetPixel(150, 118) & 0xFFFFFF, RGB(255, 255, 255));
  EXPECT_EQ(screen.GetPixel(211, 150) & 0xFFFFFF, RGB(255, 255, 255));
  screen.SelectObject(old);
  ::DeleteDC(printer);
}

}  // namespace
