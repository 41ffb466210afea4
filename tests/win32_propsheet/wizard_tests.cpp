// A wizard through the robot: Back, Next and Finish, a page that keeps
// Next from leaving (-1), jumps by template id, the buttons a page asks
// for, and Finish text.
#include "propsheet_fixture.h"
#include "resource.h"

namespace halvane::test {
namespace {

using Strings = std::vector<std::string>;

class WizardTest : public PropertySheetTest {
 protected:
  void SetUp() override {
    PropertySheetTest::SetUp();
    one.name = "one";
    two.name = "two";
    three.name = "three";
    one.wizardButtons = PSWIZB_NEXT;
    two.wizardButtons = PSWIZB_BACK | PSWIZB_NEXT;
    two.needsName = true;
    three.wizardButtons = PSWIZB_BACK | PSWIZB_FINISH;
    pages = {MakePage(IDD_STEP_ONE, one), MakePage(IDD_STEP_TWO, two), MakePage(IDD_STEP_THREE, three)};
  }
  static std::string Buttons(Window sheet) {
    std::string state;
    for (int id : {ID_PSBACK, ID_PSNEXT, ID_PSFINISH, IDCANCEL}) {
      Window b = sheet.child(id);
      state += !b.isVisible() ? "-" : b.isEnabled() ? "+" : "0";
    }
    return state;  // Back, Next, Finish, Cancel: + usable, 0 disabled, - hidden
  }
  PageScript one, two, three;
  std::vector<HPROPSHEETPAGE> pages;
};

TEST_F(WizardTest, BackNextAndFinishWalkThePages) {
  Strings buttons, titles;
  bool tabsShown = true, etched = false, stayed = false;
  robot.onDialog("Step one", [&](Robot& r, Window sheet) {
    tabsShown = sheet.child(ID_PSTABCONTROL).isVisible();
    etched = sheet.child(ID_PSETCHED).isVisible();
    buttons.push_back(Buttons(sheet));
    r.click(sheet.child(ID_PSNEXT));
    titles.push_back(sheet.text());
    buttons.push_back(Buttons(sheet));
    r.snapshot(sheet, "wizard_page");
    r.click(sheet.child(ID_PSNEXT));
    stayed = Window(two.wnd).isVisible();
    r.click(Window(GetDlgItem(two.wnd, IDC_NAME)));
    r.type("Ada");
    r.key(VK_RETURN);
    titles.push_back(sheet.text());
    buttons.push_back(Buttons(sheet));
    r.click(sheet.child(ID_PSBACK));
    titles.push_back(sheet.text());
    r.click(sheet.child(ID_PSNEXT));
    r.click(sheet.child(ID_PSFINISH));
  });
  PROPSHEETHEADER header = Header(PSH_WIZARD, pages);
  EXPECT_EQ(1, PropertySheet(&header));
  EXPECT_FALSE(tabsShown);
  EXPECT_TRUE(etched);
  EXPECT_EQ((Strings{"0+-+", "++-+", "+-++"}), buttons);
  EXPECT_TRUE(stayed) << "PSN_WIZNEXT answered -1";
  EXPECT_EQ((Strings{"Step two", "Step three", "Step two"}), titles);
  EXPECT_EQ((Strings{"one:init", "one:SETACTIVE", "one:KILLACTIVE", "one:WIZNEXT", "two:init", "two:SETACTIVE",
                     "two:KILLACTIVE", "two:WIZNEXT", "two:KILLACTIVE", "two:WIZNEXT", "three:init", "three:SETACTIVE",
                     "three:WIZBACK", "two:SETACTIVE", "two:KILLACTIVE", "two:WIZNEXT", "three:SETACTIVE",
                     "three:KILLACTIVE", "three:WIZFINISH"}),
            log);
}

TEST_F(WizardTest, PagesJumpByTemplateIdAndMayRefuseToFinish) {
  one.answers[PSN_WIZNEXT] = IDD_STEP_THREE;
  three.answers[PSN_WIZBACK] = IDD_STEP_ONE;
  three.answers[PSN_WIZFINISH] = TRUE;
  bool refused = false;
  robot.onDialog("Step one", [&](Robot& r, Window sheet) {
    r.click(sheet.child(ID_PSNEXT));
    r.click(sheet.child(ID_PSFINISH));
    refused = Window(three.wnd).isVisible();
    r.click(sheet.child(ID_PSBACK));
    r.click(sheet.child(IDCANCEL));
  });
  PROPSHEETHEADER header = Header(PSH_WIZARD, pages);
  EXPECT_EQ(0, PropertySheet(&header));
  EXPECT_TRUE(refused);
  EXPECT_EQ(nullptr, two.wnd) << "the skipped page was never made";
  EXPECT_EQ((Strings{"one:RESET", "three:RESET"}), Strings(log.end() - 2, log.end()));
}

TEST_F(WizardTest, FinishTextAndPressButton) {
  std::string finish;
  Strings state;
  robot.onDialog("Step one", [&](Robot& r, Window sheet) {
    SendMessage(sheet.hwnd(), PSM_SETFINISHTEXT, 0, reinterpret_cast<LPARAM>("&Create"));
    finish = sheet.child(ID_PSFINISH).text();
    state.push_back(Buttons(sheet));
    SendMessage(sheet.hwnd(), PSM_SETWIZBUTTONS, 0, PSWIZB_NEXT);
    state.push_back(Buttons(sheet));
    PropSheet_PressButton(sheet.hwnd(), PSBTN_BACK);  // disabled: nothing happens
    r.pumpUntilIdle();
    PropSheet_PressButton(sheet.hwnd(), PSBTN_NEXT);
    r.pumpUntilIdle();
    PropSheet_PressButton(sheet.hwnd(), PSBTN_CANCEL);
    r.pumpUntilIdle();
  });
  one.wizardButtons = 0;
  PROPSHEETHEADER header = Header(PSH_WIZARD, pages);
  EXPECT_EQ(0, PropertySheet(&header));
  EXPECT_EQ("&Create", finish);
  EXPECT_EQ((Strings{"--++", "0+-+"}), state);
  EXPECT_EQ((Strings{"one:init", "one:SETACTIVE", "one:KILLACTIVE", "one:WIZNEXT", "two:init", "two:SETACTIVE",
                     "two:QUERYCANCEL", "one:RESET", "two:RESET"}),
            log);
}

}  // namespace
}  // namespace halvane::test
