// Printing from a view: the preparation with or without the dialog, the
// page loop's calls in order, the pages in the PDF printer's file, and
// Cancel in the "Printing" dialog.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "print_fixture_mfc.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;
using Calls = std::vector<std::string>;

const Calls kTwoPages = {"prepare", "begin", "dc 1", "dc 1", "print 1", "dc 2", "dc 2", "print 2", "end"};

TEST_F(PrintTest, PrintDirectPrintsEveryPageWithoutTheDialog) {
  CReportFrame* frame = CReportFrame::Open();
  ASSERT_NE(frame, nullptr);
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
  EXPECT_EQ(CReportView::Calls(), kTwoPages);
  EXPECT_TRUE(frame->IsWindowEnabled()) << "the frame is enabled again after the job";

  const std::string file = folder / "Report.pdf";
  ASSERT_EQ(folder.files(), std::vector<std::string>{"Report.pdf"}) << "named after the document";
  if (halvane::test::HasTool("pdfinfo") && halvane::test::HasTool("pdftotext")) {
    EXPECT_EQ(halvane::test::PdfInfo(file, "Pages"), "2");
    const std::string text = halvane::test::RunTool("pdftotext '" + file + "' -");
    EXPECT_NE(text.find("Page 1 of the report"), std::string::npos) << text;
    EXPECT_NE(text.find("Page 2 of the report"), std::string::npos) << text;
  }
  frame->DestroyWindow();
}

TEST_F(PrintTest, PrintAsksThePrintDialogAndItsCancelPrintsNothing) {
  CReportFrame* frame = CReportFrame::Open();
  ASSERT_NE(frame, nullptr);
  robot.onDialog("Print", [](Robot& r, Window dialog) { r.click(dialog.child(IDCANCEL)); });
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
  EXPECT_EQ(CReportView::Calls(), Calls{"prepare"});
  EXPECT_TRUE(folder.files().empty());

  CReportView::Calls().clear();
  robot.onDialog("Print", [](Robot& r, Window dialog) { r.click(dialog.child(IDOK)); });
  robot.chooseMenu({"&File", "&Print..."});
  EXPECT_EQ(CReportView::Calls(), kTwoPages);
  EXPECT_EQ(folder.files(), std::vector<std::string>{"Report.pdf"});
  frame->DestroyWindow();
}

TEST_F(PrintTest, CancelInThePrintingDialogAbortsTheJob) {
  CReportFrame* frame = CReportFrame::Open();
  ASSERT_NE(frame, nullptr);
  static Robot* s_robot = nullptr;
  s_robot = &robot;
  CReportView::s_onFirstPage = [] {
    Window printing = s_robot->topLevel("Printing");
    ASSERT_TRUE(printing.exists());
    EXPECT_EQ(printing.child(AFX_IDC_PRINT_DOCNAME).text(), "Report");
    EXPECT_EQ(printing.child(AFX_IDC_PRINT_PAGENUM).text(), "Page 1");
    s_robot->click(printing.child(IDCANCEL));
  };
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
  EXPECT_EQ(CReportView::Calls(), (Calls{"prepare", "begin", "dc 1", "dc 1", "print 1", "end"}))
      << "the job stops after the page, the view still cleans up";
  EXPECT_TRUE(folder.files().empty()) << "an aborted job leaves no file";
  EXPECT_FALSE(robot.topLevel("Printing").exists());
  EXPECT_TRUE(frame->IsWindowEnabled());
  frame->DestroyWindow();
}

TEST_F(PrintTest, AJobThatCannotBeWrittenSaysSo) {
  CWinApp app("Reports Test");
  CReportFrame* frame = CReportFrame::Open();
  ASSERT_NE(frame, nullptr);
  const std::string saved = ::getenv("HALVANE_PRINT_DIR");
  ::setenv("HALVANE_PRINT_DIR", (folder / "missing/folder").c_str(), 1);
  std::vector<std::string> shown;
  robot.onDialog("Reports Test", [&](Robot& r, Window box) {
    shown = r.texts(box);
    r.click(box.child(IDOK));
  });
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
  ::setenv("HALVANE_PRINT_DIR", saved.c_str(), 1);
  EXPECT_NE(std::find_if(shown.begin(), shown.end(),
                         [](const std::string& text) {
                           return text == "Failed to start print job." || text == "The document could not be printed.";
                         }),
            shown.end());
  EXPECT_EQ(CReportView::Calls().back(), "end") << "the view cleans up";
  EXPECT_TRUE(frame->IsWindowEnabled());
  EXPECT_TRUE(folder.files().empty());
  frame->DestroyWindow();
}

TEST_F(PrintTest, PrintSetupChoosesThePrinterOfLaterJobs) {
  CWinApp app("PrintSetup");
  EXPECT_EQ(app.m_hDevNames, nullptr);
  robot.onDialog("Print Setup", [](Robot& r, Window dialog) { r.click(dialog.child(IDOK)); });
  app.OnFilePrintSetup();
  ASSERT_NE(app.m_hDevNames, nullptr);
  const HGLOBAL names = app.m_hDevNames;

  CReportFrame* frame = CReportFrame::Open();
  ASSERT_NE(frame, nullptr);
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
  EXPECT_EQ(CReportView::Calls(), kTwoPages);
  EXPECT_EQ(app.m_hDevNames, names) << "the job used the application's printer and left it there";
  frame->DestroyWindow();
}

}  // namespace
