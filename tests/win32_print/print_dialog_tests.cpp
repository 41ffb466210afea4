// PrintDlg driven through the robot: range, copies, print setup, the
// default printer, the device mode and names, and the DC it returns.
#include <cstring>
#include <filesystem>

#include "print_fixture.h"
#include "robot_test.h"

namespace halvane::test {
namespace {

class PrintDialogTest : public RobotTest {
 protected:
  void TearDown() override {
    if (pd.hDC) DeleteDC(pd.hDC);
    GlobalFree(pd.hDevMode);
    GlobalFree(pd.hDevNames);
    RobotTest::TearDown();
  }
  PRINTDLG Pd(DWORD flags) {
    PRINTDLG p{};
    p.lStructSize = sizeof p;
    p.Flags = flags;
    p.nMinPage = 1;
    p.nMaxPage = 0xFFFF;
    p.nFromPage = 0xFFFF;
    p.nToPage = 0xFFFF;
    p.nCopies = 1;
    return p;
  }
  static void Replace(Robot& r, Window edit, const std::string& text) {
    r.click(edit);
    SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
    r.type(text);
  }
  DEVMODE DevMode() const {
    DEVMODE dm{};
    std::memcpy(&dm, GlobalLock(pd.hDevMode), sizeof dm);
    GlobalUnlock(pd.hDevMode);
    return dm;
  }
  std::vector<std::string> DevNames() const {
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(pd.hDevNames));
    const char* base = reinterpret_cast<const char*>(names);
    std::vector<std::string> out{base + names->wDriverOffset, base + names->wDeviceOffset, base + names->wOutputOffset};
    GlobalUnlock(pd.hDevNames);
    return out;
  }

  PRINTDLG pd{};
};

TEST_F(PrintDialogTest, ThePrintDialogReturnsTheRangeCopiesAndAPrinterDc) {
  bool selectionEnabled = true, printToFileShown = true;
  std::string printer;
  robot.onDialog("Print", [&](Robot& r, Window dlg) {
    selectionEnabled = dlg.child(rad2).isEnabled();
    printToFileShown = dlg.child(chx1).isVisible();
    printer = dlg.child(cmb4).text();
    r.snapshot(dlg, "print_dialog");
    r.click(dlg.child(rad3));
    Replace(r, dlg.child(edt1), "2");
    Replace(r, dlg.child(edt2), "3");
    Replace(r, dlg.child(edt3), "2");
    r.click(dlg.child(IDOK));
  });
  pd = Pd(PD_RETURNDC | PD_ALLPAGES | PD_NOSELECTION | PD_HIDEPRINTTOFILE);
  ASSERT_TRUE(PrintDlg(&pd));
  EXPECT_FALSE(selectionEnabled);
  EXPECT_FALSE(printToFileShown);
  EXPECT_EQ("PDF Printer", printer);
  EXPECT_TRUE(pd.Flags & PD_PAGENUMS);
  EXPECT_EQ(2, pd.nFromPage);
  EXPECT_EQ(3, pd.nToPage);
  EXPECT_EQ(2, pd.nCopies);
  EXPECT_EQ(DT_RASPRINTER, GetDeviceCaps(pd.hDC, TECHNOLOGY));
  EXPECT_EQ(2, DevMode().dmCopies);
  EXPECT_STREQ("PDF Printer", reinterpret_cast<const char*>(DevMode().dmDeviceName));
  EXPECT_EQ((std::vector<std::string>{"winspool", "PDF Printer", "FILE:"}), DevNames());
}

TEST_F(PrintDialogTest, APageOutsideTheRangeIsRefused) {
  std::string refusal;
  robot.onDialog("Print", [&](Robot& r, Window dlg) {
    r.click(dlg.child(rad3));
    Replace(r, dlg.child(edt1), "7");
    r.click(dlg.child(IDOK));
    r.click(dlg.child(rad1));
    r.click(dlg.child(IDOK));
  });
  robot.onDialog("Print", [&](Robot& r, Window box) {
    refusal = box.child(0xFFFF).text();
    r.click(box.child(IDOK));
  });
  pd = Pd(0);
  pd.nMaxPage = 5;
  ASSERT_TRUE(PrintDlg(&pd));
  EXPECT_EQ("Enter page numbers from 1 to 5.", refusal);
  EXPECT_FALSE(pd.Flags & (PD_PAGENUMS | PD_SELECTION));
  EXPECT_EQ(nullptr, pd.hDC) << "no DC unless asked for";
}

TEST_F(PrintDialogTest, PrintSetupChoosesPaperAndOrientationForLaterDcs) {
  robot.onDialog("Print Setup", [&](Robot& r, Window dlg) {
    r.choose(dlg.child(cmb2), "Letter");
    r.click(dlg.child(rad2));
    r.click(dlg.child(IDOK));
  });
  pd = Pd(PD_PRINTSETUP);
  ASSERT_TRUE(PrintDlg(&pd));
  EXPECT_EQ(DMPAPER_LETTER, DevMode().dmPaperSize);
  EXPECT_EQ(DMORIENT_LANDSCAPE, DevMode().dmOrientation);

  robot.onDialog("Print", [&](Robot& r, Window dlg) { r.click(dlg.child(IDOK)); });
  pd.Flags = PD_RETURNDC;
  ASSERT_TRUE(PrintDlg(&pd));
  EXPECT_EQ(6600, GetDeviceCaps(pd.hDC, PHYSICALWIDTH));
  EXPECT_EQ(5100, GetDeviceCaps(pd.hDC, PHYSICALHEIGHT));
}

struct HookSeen {
  LPARAM initParam = 0;
  int commands = 0;
  bool swallowOk = true;
};

UINT_PTR CALLBACK PrintHook(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    const auto* pd = reinterpret_cast<const PRINTDLG*>(lParam);
    auto* seen = reinterpret_cast<HookSeen*>(pd->lCustData);
    SetProp(dlg, "seen", seen);
    seen->initParam = lParam;
    return TRUE;
  }
  auto* seen = static_cast<HookSeen*>(GetProp(dlg, "seen"));
  if (msg != WM_COMMAND || !seen) return FALSE;
  ++seen->commands;
  if (LOWORD(wParam) == IDOK && seen->swallowOk) {
    seen->swallowOk = false;  // the first OK is the hook's
    return TRUE;
  }
  return FALSE;
}

TEST_F(PrintDialogTest, TheHookSeesTheDialogsMessagesFirst) {
  HookSeen seen;
  bool stayed = false;
  robot.onDialog("Print", [&](Robot& r, Window dlg) {
    r.click(dlg.child(IDOK));
    stayed = dlg.isVisible();
    r.click(dlg.child(IDOK));
  });
  pd = Pd(PD_ENABLEPRINTHOOK);
  pd.lpfnPrintHook = PrintHook;
  pd.lCustData = reinterpret_cast<LPARAM>(&seen);
  ASSERT_TRUE(PrintDlg(&pd));
  EXPECT_EQ(reinterpret_cast<LPARAM>(&pd), seen.initParam);
  EXPECT_TRUE(stayed);
  EXPECT_GE(seen.commands, 2);
  PRINTDLG noHook = Pd(PD_PRINTSETUP | PD_ENABLESETUPHOOK);
  EXPECT_FALSE(PrintDlg(&noHook));
  EXPECT_EQ(static_cast<DWORD>(CDERR_NOHOOK), CommDlgExtendedError());
}

TEST_F(PrintDialogTest, TheDefaultPrinterComesWithoutADialog) {
  pd = Pd(PD_RETURNDEFAULT | PD_RETURNDC);
  ASSERT_TRUE(PrintDlg(&pd));
  EXPECT_EQ(DMPAPER_A4, DevMode().dmPaperSize);
  EXPECT_EQ(600, GetDeviceCaps(pd.hDC, LOGPIXELSY));
  PRINTDLG again = Pd(PD_RETURNDEFAULT);
  again.hDevMode = pd.hDevMode;
  EXPECT_FALSE(PrintDlg(&again));
  EXPECT_EQ(static_cast<DWORD>(PDERR_RETDEFFAILURE), CommDlgExtendedError());
}

TEST_F(PrintDialogTest, CancelAndBadStructuresReturnFalse) {
  robot.onDialog("Print", [&](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
  pd = Pd(PD_RETURNDC);
  EXPECT_FALSE(PrintDlg(&pd));
  EXPECT_EQ(0u, CommDlgExtendedError());
  EXPECT_EQ(nullptr, pd.hDC);
  PRINTDLG bad = Pd(0);
  bad.lStructSize = 3;
  EXPECT_FALSE(PrintDlg(&bad));
  EXPECT_EQ(static_cast<DWORD>(CDERR_STRUCTSIZE), CommDlgExtendedError());
  EXPECT_FALSE(PrintDlg(nullptr));
}

TEST_F(PrintDialogTest, TheReturnedDcPrintsADocument) {
  if (!HasTool("pdfinfo")) GTEST_SKIP() << "poppler-utils is not installed";
  PrintFolder out;
  pd = Pd(PD_RETURNDEFAULT | PD_RETURNDC);
  ASSERT_TRUE(PrintDlg(&pd));
  DOCINFO di{sizeof di, "Verbs", nullptr, nullptr, 0};
  ASSERT_GT(StartDoc(pd.hDC, &di), 0);
  for (int page = 0; page < 2; ++page) {
    StartPage(pd.hDC);
    Rectangle(pd.hDC, 0, 0, 600, 600);
    EndPage(pd.hDC);
  }
  ASSERT_GT(EndDoc(pd.hDC), 0);
  EXPECT_EQ("2", PdfInfo(out / "Verbs.pdf", "Pages"));
}

}  // namespace
}  // namespace halvane::test
