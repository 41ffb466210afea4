// CPrintDialog: the default printer without a dialog, the print and print
// setup dialogs answered by the robot, and the printer DC.
#include "dlg_fixture.h"

namespace dlgtest {
namespace {

class PrintDialogTest : public DlgTest {
 protected:
  static void Release(CPrintDialog& dialog) {
    if (dialog.m_pd.hDC != nullptr) ::DeleteDC(dialog.m_pd.hDC);
    ::GlobalFree(dialog.m_pd.hDevMode);
    ::GlobalFree(dialog.m_pd.hDevNames);
  }
};

TEST_F(PrintDialogTest, TheDefaultsNameThePrinterAndMakeItsDc) {
  CPrintDialog dialog(FALSE);
  ASSERT_TRUE(dialog.GetDefaults());
  EXPECT_STREQ("PDF Printer", dialog.GetDeviceName());
  EXPECT_STREQ("winspool", dialog.GetDriverName());
  EXPECT_STREQ("FILE:", dialog.GetPortName());
  ASSERT_NE(nullptr, dialog.GetDevMode());
  EXPECT_STREQ("PDF Printer", reinterpret_cast<const char*>(dialog.GetDevMode()->dmDeviceName));
  EXPECT_EQ(1, dialog.GetCopies());
  EXPECT_TRUE(dialog.PrintAll());
  EXPECT_EQ(-1, dialog.GetFromPage());
  ASSERT_NE(nullptr, dialog.GetPrinterDC()) << "a print dialog asks for a DC with the defaults too";
  ::DeleteDC(dialog.GetPrinterDC());
  HDC dc = dialog.CreatePrinterDC();
  ASSERT_NE(nullptr, dc);
  EXPECT_EQ(dc, dialog.GetPrinterDC());
  EXPECT_EQ(DT_RASPRINTER, ::GetDeviceCaps(dc, TECHNOLOGY));
  EXPECT_FALSE(dialog.GetDefaults()) << "settings already held are not replaced";
  Release(dialog);
}

TEST_F(PrintDialogTest, ThePrintDialogAnswersRangeCopiesCollateAndADc) {
  CPrintDialog dialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION | PD_HIDEPRINTTOFILE);
  dialog.m_pd.nMaxPage = 9;
  robot.onDialog("Print", [&](Robot& r, Window dlg) {
    r.click(dlg.child(rad3));
    Retype(r, dlg.child(edt1), "2");
    Retype(r, dlg.child(edt2), "3");
    Retype(r, dlg.child(edt3), "4");
    r.click(dlg.child(chx2));
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(IDOK, dialog.DoModal());
  EXPECT_TRUE(dialog.PrintRange());
  EXPECT_FALSE(dialog.PrintAll());
  EXPECT_FALSE(dialog.PrintSelection());
  EXPECT_EQ(2, dialog.GetFromPage());
  EXPECT_EQ(3, dialog.GetToPage());
  EXPECT_EQ(4, dialog.GetCopies()) << "the copies live in the device mode";
  EXPECT_TRUE(dialog.PrintCollate());
  ASSERT_NE(nullptr, dialog.GetPrinterDC());
  EXPECT_EQ(DT_RASPRINTER, ::GetDeviceCaps(dialog.GetPrinterDC(), TECHNOLOGY));
  Release(dialog);
}

TEST_F(PrintDialogTest, CancelLeavesNoDc) {
  CPrintDialog dialog(FALSE);
  robot.onDialog("Print", [&](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  EXPECT_EQ(nullptr, dialog.GetPrinterDC());
  Release(dialog);
}

TEST_F(PrintDialogTest, PrintSetupChoosesTheOrientation) {
  CPrintDialog dialog(TRUE);
  robot.onDialog("Print Setup", [&](Robot& r, Window dlg) {
    r.click(dlg.child(rad2));
    r.click(dlg.child(IDOK));
  });
  ASSERT_EQ(IDOK, dialog.DoModal());
  ASSERT_NE(nullptr, dialog.GetDevMode());
  EXPECT_EQ(DMORIENT_LANDSCAPE, dialog.GetDevMode()->dmOrientation);
  EXPECT_EQ(nullptr, dialog.GetPrinterDC()) << "print setup makes no DC";
  HDC dc = dialog.CreatePrinterDC();
  ASSERT_NE(nullptr, dc);
  EXPECT_GT(::GetDeviceCaps(dc, PHYSICALWIDTH), ::GetDeviceCaps(dc, PHYSICALHEIGHT));
  Release(dialog);
}

}  // namespace
}  // namespace dlgtest
